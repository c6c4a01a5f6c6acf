package org.typetools.ant;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.PerlanBuild;

/**
 * Task perlan: rewrites the typechecking blocks of the grammar, or of every
 * grammar of srcdir (default src/main/perlan), into destdir; with byaccj,
 * byacc/J turns each into a parser in parserdestdir.
 */
public class PerlanTask extends GenerateTask {

	/** A nested {@code <parserclass grammar="calc" name="CalcParser"/>}. */
	public static final class ParserClass {
		private String grammar;
		private String name;

		/** The grammar's file name, with or without .yt. */
		public void setGrammar(String grammar) {
			this.grammar = grammar;
		}

		/** Its parser's class. */
		public void setName(String name) {
			this.name = name;
		}
	}

	private File grammar;
	private boolean byaccj;
	private File parserdestdir;
	private String byaccjExecutable;
	private String parserClass;
	private final List<ParserClass> parserClasses = new ArrayList<>();
	private String parserPackage;
	private String semanticType;
	private String byaccjOptions;

	/** The one grammar; when not set, every *.yt of srcdir. */
	public void setGrammar(File grammar) {
		this.grammar = grammar;
	}

	/** Whether byacc/J makes a parser of each rewritten grammar (default: no). */
	public void setByaccj(boolean byaccj) {
		this.byaccj = byaccj;
	}

	/** Where the parsers go (default build/generated-sources/byaccj). */
	public void setParserdestdir(File parserdestdir) {
		this.parserdestdir = parserdestdir;
	}

	/** byacc/J's executable; when not set, the one on PATH, else /usr/bin/byaccj. */
	public void setByaccjExecutable(String byaccjExecutable) {
		this.byaccjExecutable = byaccjExecutable;
	}

	/** byacc/J's -Jclass (byacc/J's default: Parser). */
	public void setParserClass(String parserClass) {
		this.parserClass = parserClass;
	}

	/** byacc/J's -Jclass for one grammar of several. */
	public ParserClass createParserClass() {
		ParserClass named = new ParserClass();
		parserClasses.add(named);
		return named;
	}

	/** byacc/J's -Jpackage. */
	public void setParserPackage(String parserPackage) {
		this.parserPackage = parserPackage;
	}

	/** byacc/J's -Jsemantic: the class of the semantic values. */
	public void setSemanticType(String semanticType) {
		this.semanticType = semanticType;
	}

	/** Further byacc/J switches, separated by blanks (-Jnorun -Jstack=1000). */
	public void setByaccjOptions(String byaccjOptions) {
		this.byaccjOptions = byaccjOptions;
	}

	@Override
	File generate(BuildLog log) throws GenerationFailure {
		Map<String, String> classes = new LinkedHashMap<>();
		for (ParserClass named : parserClasses) classes.put(named.grammar, named.name);
		List<String> options = byaccjOptions == null || byaccjOptions.trim().isEmpty() ? new ArrayList<>()
				: Arrays.asList(byaccjOptions.trim().split("\\s+"));
		File grammars = destdir(byaccj ? "build/perlan" : "build/generated-sources/perlan");
		File parsers = parserdestdir != null ? parserdestdir : getProject().resolveFile("build/generated-sources/byaccj");
		new PerlanBuild(log, attribute("executable"), attribute("byaccjexecutable")).setGrammar(grammar)
				.setSourceDirectory(srcdir("src/main/perlan")).setOutputDirectory(grammars).setExecutable(executable())
				.setByaccj(byaccj).setParserDirectory(parsers).setByaccjExecutable(byaccjExecutable)
				.setParserClass(parserClass).setParserClasses(classes).setParserPackage(parserPackage)
				.setSemanticType(semanticType).setByaccjOptions(options).run();
		return byaccj ? parsers : grammars;
	}
}
