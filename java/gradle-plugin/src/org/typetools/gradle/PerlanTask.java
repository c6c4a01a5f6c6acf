package org.typetools.gradle;

import java.io.File;

import org.gradle.api.tasks.CacheableTask;
import org.gradle.api.tasks.InputFile;
import org.gradle.api.tasks.Optional;
import org.gradle.api.tasks.PathSensitive;
import org.gradle.api.tasks.PathSensitivity;
import org.typetools.build.Tool;

/** Rewrites the typechecking blocks of a grammar. */
@CacheableTask
public class PerlanTask extends GenerateTask {

	private File grammar;

	public PerlanTask() {
		super(Tool.PERLAN);
	}

	/** The grammar; the output is named like it, with .yt turned into .y or .y added. */
	@Optional
	@InputFile
	@PathSensitive(PathSensitivity.RELATIVE)
	public File getGrammar() {
		return grammar;
	}

	public void setGrammar(File grammar) {
		this.grammar = grammar;
	}

	@Override
	File input() {
		return grammar;
	}
}
