package org.typetools.ant;

import java.io.File;

import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.VastorBuild;

/**
 * Task vastor: compiles the type specification, or every specification of
 * srcdir (default src/main/vastor), into destdir (default
 * build/generated-sources/vastor): Type.java, with the Java API's sources and
 * TypeException.java beside it.
 */
public class VastorTask extends GenerateTask {

	private File specification;
	private String baseError;
	private boolean teParser = true;

	/** The one specification to compile; when not set, every *.spec of srcdir. */
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
	File generate(BuildLog log) throws GenerationFailure {
		File destdir = destdir("build/generated-sources/vastor");
		new VastorBuild(log, attribute("executable")).setSpecification(specification)
				.setSourceDirectory(srcdir("src/main/vastor")).setOutputDirectory(destdir).setExecutable(executable())
				.setBaseError(baseError).setTEParser(teParser).run();
		return destdir;
	}
}
