package org.typetools.gradle;

import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;

import org.gradle.api.DefaultTask;
import org.gradle.api.GradleException;
import org.gradle.api.tasks.Input;
import org.gradle.api.tasks.Internal;
import org.gradle.api.tasks.TaskAction;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Tool;
import org.typetools.build.ToolLocator;

/**
 * What both task types share: the executable (found on PATH or in the
 * installation when not set) and the run. Gradle decides whether the task
 * runs from its declared inputs and outputs; a tool binary counts by path,
 * size and modification time.
 */
public abstract class GenerateTask extends DefaultTask {

	private final Tool tool;
	private String executable;

	GenerateTask(Tool tool) {
		this.tool = tool;
	}

	/** The tool's executable; when not set, the one on PATH, else the installed one. */
	@Internal
	public String getExecutable() {
		return executable;
	}

	public void setExecutable(String executable) {
		this.executable = executable;
	}

	/** The executable that runs, with its size and modification time. */
	@Input
	public String getToolBinary() {
		return binary(tool, executable, "executable");
	}

	/** A tool's executable with its size and modification time, for the up-to-date check. */
	String binary(Tool program, String given, String property) {
		Path binary = locate(program, given, property);
		try {
			return binary + " " + Files.size(binary) + " " + Files.getLastModifiedTime(binary).toMillis();
		} catch (IOException unreadable) {
			throw new GradleException(program.program() + ": cannot read " + binary, unreadable);
		}
	}

	Path locate(Tool program, String given, String property) {
		try {
			return new ToolLocator(optionName(property)).locate(program, given);
		} catch (GenerationFailure notFound) {
			throw new GradleException(notFound.getMessage());
		}
	}

	String optionName(String property) {
		return "the " + property + " property of task " + getName();
	}

	/** The project's folder for a relative path. */
	File projectFile(String path) {
		return getProject().file(path);
	}

	/** Runs the generation (always: Gradle has decided that it must). */
	abstract void generate(BuildLog log) throws GenerationFailure;

	@TaskAction
	public void run() {
		// Errors go to standard output as well as the rest: Gradle's plain
		// console writes the task's name without a line end and puts standard
		// error right after it.
		BuildLog log = BuildLog.of(getLogger()::info, getLogger()::warn, getLogger()::quiet);
		try {
			generate(log);
		} catch (GenerationFailure failure) {
			throw new GradleException(failure.getMessage());
		}
	}
}
