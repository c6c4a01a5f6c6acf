package org.typetools.gradle;

import java.io.File;
import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;

import org.gradle.api.DefaultTask;
import org.gradle.api.GradleException;
import org.gradle.api.tasks.Input;
import org.gradle.api.tasks.Internal;
import org.gradle.api.tasks.OutputDirectory;
import org.gradle.api.tasks.TaskAction;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Generator;
import org.typetools.build.Tool;
import org.typetools.build.ToolLocator;

/**
 * What both task types share: the output folder, the executable (found on
 * PATH or in the installation when not set) and the run. Gradle decides
 * whether the task runs from its declared inputs and outputs; the tool
 * binary counts by path, size and modification time.
 */
public class GenerateTask extends DefaultTask {

	private final Tool tool;
	private File outputDirectory;
	private String executable;

	GenerateTask(Tool tool) {
		this.tool = tool;
		onlyIf(task -> input() != null);
	}

	/** Where the tool's output goes; part of the main source set. */
	@OutputDirectory
	public File getOutputDirectory() {
		return outputDirectory;
	}

	public void setOutputDirectory(File outputDirectory) {
		this.outputDirectory = outputDirectory;
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
		Path binary = locate();
		try {
			return binary + " " + Files.size(binary) + " " + Files.getLastModifiedTime(binary).toMillis();
		} catch (IOException unreadable) {
			throw new GradleException(tool.program() + ": cannot read " + binary, unreadable);
		}
	}

	/** The input file, or null when none is set (the task is then skipped). */
	File input() {
		return null;
	}

	void configure(Generator generator) {
	}

	@TaskAction
	public void generate() {
		Generator generator = new Generator(tool, locate(), input().toPath(), outputDirectory.toPath(),
				BuildLog.of(getLogger()::info, getLogger()::warn, getLogger()::error)).setForce(true);
		configure(generator);
		try {
			generator.run();
		} catch (GenerationFailure failure) {
			throw new GradleException(failure.getMessage());
		}
	}

	private Path locate() {
		try {
			return new ToolLocator("the executable property of task " + getName()).locate(tool, executable);
		} catch (GenerationFailure notFound) {
			throw new GradleException(notFound.getMessage());
		}
	}
}
