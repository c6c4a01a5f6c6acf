package org.typetools.ant;

import java.io.File;

import org.typetools.build.Tool;

/** Task perlan: rewrites the typechecking blocks of a grammar into destdir. */
public class PerlanTask extends GenerateTask {

	private File grammar;

	/** The grammar; the output is named like it, with .yt turned into .y or .y added. */
	public void setGrammar(File grammar) {
		this.grammar = grammar;
	}

	@Override
	Tool tool() {
		return Tool.PERLAN;
	}

	@Override
	File input() {
		return grammar;
	}

	@Override
	String inputAttribute() {
		return "grammar";
	}
}
