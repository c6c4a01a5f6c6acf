package org.typetools.ant;

import java.io.File;

import org.typetools.build.Generator;
import org.typetools.build.Tool;

/**
 * Task vastor: compiles a type specification into destdir/Type.java, with the
 * Java API's sources and TypeException.java beside it.
 */
public class VastorTask extends GenerateTask {

	private File specification;
	private String baseError;
	private boolean teParser = true;

	/** The type specification. */
	public void setSpecification(File specification) {
		this.specification = specification;
	}

	/** Vastor's -baseError: the class that TypeException extends. */
	public void setBaseError(String baseError) {
		this.baseError = baseError;
	}

	/** Whether the ready type-expression parser TEParser is added (default: yes). */
	public void setTeParser(boolean teParser) {
		this.teParser = teParser;
	}

	@Override
	Tool tool() {
		return Tool.VASTOR;
	}

	@Override
	File input() {
		return specification;
	}

	@Override
	String inputAttribute() {
		return "specification";
	}

	@Override
	void configure(Generator generator) {
		generator.setBaseError(baseError).setTEParser(teParser);
	}
}
