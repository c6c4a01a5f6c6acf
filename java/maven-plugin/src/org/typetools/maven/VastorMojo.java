package org.typetools.maven;

import java.io.File;

import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.VastorBuild;

/**
 * Goal vastor: compiles the type specification, or every specification of the
 * source folder, into Type.java, with the Java API's sources and its
 * TypeException.java beside it.
 */
public class VastorMojo extends GenerateMojo {

	/** The one specification to compile; when not set, every *.spec of sourceDirectory. */
	protected File specification;
	/** The folder of the specifications. */
	protected File sourceDirectory;
	/** Where Type.java and the API go. */
	protected File outputDirectory;
	/** Vastor's -baseError: the class that TypeException extends. */
	protected String baseError;
	/** Whether the ready type-expression parser TEParser is added. */
	protected boolean teParser = true;
	/** Vastor's executable; else the one on PATH, else the installed one. */
	protected String executable;

	@Override
	protected File generate(BuildLog log) throws GenerationFailure {
		new VastorBuild(log, parameter("executable", "vastor.executable")).setSpecification(specification)
				.setSourceDirectory(sourceDirectory).setOutputDirectory(outputDirectory).setExecutable(executable)
				.setBaseError(baseError).setTEParser(teParser).run();
		return outputDirectory;
	}
}
