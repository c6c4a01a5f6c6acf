package org.typetools.maven;

import java.io.File;
import java.util.List;
import java.util.Map;

import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.PerlanBuild;

/**
 * Goal perlan: rewrites the typechecking blocks of the grammar, or of every
 * grammar of the source folder, and with byaccj turns each into a parser.
 */
public class PerlanMojo extends GenerateMojo {

	/** The one grammar; when not set, every *.yt of sourceDirectory. */
	protected File grammar;
	/** The folder of the grammars. */
	protected File sourceDirectory;
	/** Where the rewritten grammars go; by default generated-sources/perlan, or perlan with byaccj. */
	protected File outputDirectory;
	/** Perlan's executable; else the one on PATH, else the installed one. */
	protected String executable;
	/** Whether byacc/J makes a parser of each rewritten grammar. */
	protected boolean byaccj;
	/** Where the parsers go. */
	protected File parserOutputDirectory;
	/** byacc/J's executable; else the one on PATH, else /usr/bin/byaccj. */
	protected String byaccjExecutable;
	/** byacc/J's -Jclass (default Parser). */
	protected String parserClass;
	/** byacc/J's -Jclass by grammar name, for several grammars. */
	protected Map<String, String> parserClasses;
	/** byacc/J's -Jpackage. */
	protected String parserPackage;
	/** byacc/J's -Jsemantic. */
	protected String semanticType;
	/** Further byacc/J switches. */
	protected List<String> byaccjOptions;

	@Override
	protected File generate(BuildLog log) throws GenerationFailure {
		File grammars = outputDirectory != null ? outputDirectory
				: new File(project.getBuild().getDirectory(), byaccj ? "perlan" : "generated-sources/perlan");
		new PerlanBuild(log, parameter("executable", "perlan.executable"),
				parameter("byaccjExecutable", "perlan.byaccjExecutable")).setGrammar(grammar)
				.setSourceDirectory(sourceDirectory).setOutputDirectory(grammars).setExecutable(executable)
				.setByaccj(byaccj).setParserDirectory(parserOutputDirectory).setByaccjExecutable(byaccjExecutable)
				.setParserClass(parserClass).setParserClasses(parserClasses).setParserPackage(parserPackage)
				.setSemanticType(semanticType).setByaccjOptions(byaccjOptions).run();
		return byaccj ? parserOutputDirectory : grammars;
	}
}
