package org.typetools.gradle;

import java.io.File;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

import org.gradle.api.GradleException;
import org.gradle.api.tasks.CacheableTask;
import org.gradle.api.tasks.Input;
import org.gradle.api.tasks.InputFiles;
import org.gradle.api.tasks.Internal;
import org.gradle.api.tasks.Optional;
import org.gradle.api.tasks.OutputDirectory;
import org.gradle.api.tasks.PathSensitive;
import org.gradle.api.tasks.PathSensitivity;
import org.gradle.api.tasks.SkipWhenEmpty;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Tool;
import org.typetools.build.VastorBuild;

/**
 * Compiles the type specification, or every specification of the source
 * folder, into Type.java, with the Java API's sources and TypeException.java.
 */
@CacheableTask
public class VastorTask extends GenerateTask {

	private File specification;
	private File sourceDirectory;
	private File outputDirectory;
	private String baseError;
	private boolean teParser = true;

	public VastorTask() {
		super(Tool.VASTOR);
		sourceDirectory = projectFile("src/main/vastor");
	}

	/** The one specification to compile; when not set, every *.spec of the source folder. */
	@Internal
	public File getSpecification() {
		return specification;
	}

	public void setSpecification(File specification) {
		this.specification = specification;
	}

	/** The folder of the specifications (default src/main/vastor). */
	@Internal
	public File getSourceDirectory() {
		return sourceDirectory;
	}

	public void setSourceDirectory(File sourceDirectory) {
		this.sourceDirectory = sourceDirectory;
	}

	/** The specifications compiled; none skips the task. */
	@InputFiles
	@SkipWhenEmpty
	@PathSensitive(PathSensitivity.RELATIVE)
	public List<File> getSpecifications() {
		List<File> files = new ArrayList<>();
		for (Path input : inputs()) files.add(input.toFile());
		return files;
	}

	/** Where Type.java and the API go; part of the main source set. */
	@OutputDirectory
	public File getOutputDirectory() {
		return outputDirectory;
	}

	public void setOutputDirectory(File outputDirectory) {
		this.outputDirectory = outputDirectory;
	}

	/** Vastor's -baseError: the class that TypeException extends. */
	@Optional
	@Input
	public String getBaseError() {
		return baseError;
	}

	public void setBaseError(String baseError) {
		this.baseError = baseError;
	}

	/** Whether the ready type-expression parser TEParser is added (default: yes). */
	@Input
	public boolean isTeParser() {
		return teParser;
	}

	public void setTeParser(boolean teParser) {
		this.teParser = teParser;
	}

	private VastorBuild build(BuildLog log) {
		return new VastorBuild(log, optionName("executable")).setSpecification(specification)
				.setSourceDirectory(sourceDirectory).setOutputDirectory(outputDirectory).setExecutable(getExecutable())
				.setBaseError(baseError).setTEParser(teParser).setForce(true);
	}

	private List<Path> inputs() {
		try {
			return build(BuildLog.of(m -> { }, m -> { }, m -> { })).inputs();
		} catch (GenerationFailure unreadable) {
			throw new GradleException(unreadable.getMessage());
		}
	}

	@Override
	void generate(BuildLog log) throws GenerationFailure {
		build(log).run();
	}
}
