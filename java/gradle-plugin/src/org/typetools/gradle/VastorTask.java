package org.typetools.gradle;

import java.io.File;

import org.gradle.api.tasks.CacheableTask;
import org.gradle.api.tasks.Input;
import org.gradle.api.tasks.InputFile;
import org.gradle.api.tasks.Optional;
import org.gradle.api.tasks.PathSensitive;
import org.gradle.api.tasks.PathSensitivity;
import org.typetools.build.Generator;
import org.typetools.build.Tool;

/** Compiles a type specification into Type.java, with the Java API's sources and TypeException.java. */
@CacheableTask
public class VastorTask extends GenerateTask {

	private File specification;
	private String baseError;
	private boolean teParser = true;

	public VastorTask() {
		super(Tool.VASTOR);
	}

	/** The type specification; the task is skipped while it is not set. */
	@Optional
	@InputFile
	@PathSensitive(PathSensitivity.RELATIVE)
	public File getSpecification() {
		return specification;
	}

	public void setSpecification(File specification) {
		this.specification = specification;
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

	@Override
	File input() {
		return specification;
	}

	@Override
	void configure(Generator generator) {
		generator.setBaseError(baseError).setTEParser(teParser);
	}
}
