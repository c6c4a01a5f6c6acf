package org.typetools.maven;

import java.io.File;

import org.typetools.build.Generator;
import org.typetools.build.Tool;

/**
 * Goal vastor: compiles the type specification into Type.java, with the Java
 * API's sources and its TypeException.java beside it.
 */
public class VastorMojo extends GenerateMojo {

	/** The type specification. */
	protected File specification;
	/** Vastor's -baseError: the class that TypeException extends. */
	protected String baseError;
	/** Whether the ready type-expression parser TEParser is added. */
	protected boolean teParser = true;

	@Override
	protected Tool tool() {
		return Tool.VASTOR;
	}

	@Override
	protected File input() {
		return specification;
	}

	@Override
	protected void configure(Generator generator) {
		generator.setBaseError(baseError).setTEParser(teParser);
	}
}
