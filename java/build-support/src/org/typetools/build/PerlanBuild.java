package org.typetools.build;

import java.io.File;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * What the perlan goal or task does: Perlan on one named grammar, or on every
 * grammar of a source folder, and then, when asked, byacc/J on each rewritten
 * grammar. The rewritten grammars go into one folder, the parsers into
 * another (a Java source root). When Perlan fails on a grammar, the parser
 * made from it before is removed too.
 */
public final class PerlanBuild {

	private final BuildLog log;
	private final String executableOption;
	private final String byaccjExecutableOption;
	private File grammar;
	private File sourceDirectory;
	private File outputDirectory;
	private String executable;
	private boolean force;
	private boolean byaccj;
	private File parserDirectory;
	private String byaccjExecutable;
	private String parserClass;
	private Map<String, String> parserClasses = new HashMap<>();
	private String parserPackage;
	private String semanticType;
	private List<String> byaccjOptions = new ArrayList<>();

	/** The options name the build's settings of the executables in messages. */
	public PerlanBuild(BuildLog log, String executableOption, String byaccjExecutableOption) {
		this.log = log;
		this.executableOption = executableOption;
		this.byaccjExecutableOption = byaccjExecutableOption;
	}

	/** The one grammar to rewrite; when null, every *.yt of the source folder. */
	public PerlanBuild setGrammar(File grammar) {
		this.grammar = grammar;
		return this;
	}

	public PerlanBuild setSourceDirectory(File sourceDirectory) {
		this.sourceDirectory = sourceDirectory;
		return this;
	}

	/** Where the rewritten grammars go. */
	public PerlanBuild setOutputDirectory(File outputDirectory) {
		this.outputDirectory = outputDirectory;
		return this;
	}

	public PerlanBuild setExecutable(String executable) {
		this.executable = executable;
		return this;
	}

	public PerlanBuild setForce(boolean force) {
		this.force = force;
		return this;
	}

	/** Whether byacc/J makes a parser of each rewritten grammar. */
	public PerlanBuild setByaccj(boolean byaccj) {
		this.byaccj = byaccj;
		return this;
	}

	/** Where the parsers go (a Java source root). */
	public PerlanBuild setParserDirectory(File parserDirectory) {
		this.parserDirectory = parserDirectory;
		return this;
	}

	public PerlanBuild setByaccjExecutable(String byaccjExecutable) {
		this.byaccjExecutable = byaccjExecutable;
		return this;
	}

	/** byacc/J's -Jclass for every grammar that parserClasses does not name. */
	public PerlanBuild setParserClass(String parserClass) {
		this.parserClass = parserClass;
		return this;
	}

	/** byacc/J's -Jclass by grammar: its file name, with or without .yt. */
	public PerlanBuild setParserClasses(Map<String, String> parserClasses) {
		this.parserClasses = parserClasses == null ? new HashMap<>() : new HashMap<>(parserClasses);
		return this;
	}

	/** byacc/J's -Jpackage. */
	public PerlanBuild setParserPackage(String parserPackage) {
		this.parserPackage = parserPackage;
		return this;
	}

	/** byacc/J's -Jsemantic. */
	public PerlanBuild setSemanticType(String semanticType) {
		this.semanticType = semanticType;
		return this;
	}

	/** Further switches for byacc/J (-Jnorun, -Jstack=1000, -Jextends=..., ...). */
	public PerlanBuild setByaccjOptions(List<String> byaccjOptions) {
		this.byaccjOptions = byaccjOptions == null ? new ArrayList<>() : new ArrayList<>(byaccjOptions);
		return this;
	}

	/** The grammars this build rewrites. */
	public List<Path> inputs() throws GenerationFailure {
		if (grammar != null) return Collections.singletonList(grammar.toPath());
		return SourceFiles.under(sourceDirectory == null ? null : sourceDirectory.toPath(), SourceFiles.GRAMMAR_SUFFIX);
	}

	/** The parser class of a grammar. */
	private String classOf(Path input) {
		String name = input.getFileName().toString();
		String stem = name.endsWith(SourceFiles.GRAMMAR_SUFFIX)
				? name.substring(0, name.length() - SourceFiles.GRAMMAR_SUFFIX.length()) : name;
		String named = parserClasses.containsKey(name) ? parserClasses.get(name) : parserClasses.get(stem);
		return Generator.byaccjClass(named != null ? named : parserClass, byaccjOptions);
	}

	/** Rewrites (and turns into parsers) the grammars that changed; false when there are none at all. */
	public boolean run() throws GenerationFailure {
		List<Path> inputs = inputs();
		Path grammars = outputDirectory.toPath();
		boolean fromFolder = grammar == null;
		if (fromFolder) Generator.removeOrphans(grammars, sourceDirectory.toPath(), inputs, log);
		if (byaccj && fromFolder) {
			List<Path> rewritten = new ArrayList<>();
			for (Path input : inputs) rewritten.add(grammars.resolve(Generator.perlanOutputName(input)));
			Generator.removeOrphans(parserDirectory.toPath(), grammars, rewritten, log);
		}
		if (inputs.isEmpty()) {
			log.info("Perlan: no grammars (*" + SourceFiles.GRAMMAR_SUFFIX + ") in " + sourceDirectory);
			return false;
		}
		if (byaccj) checkClassNames(inputs);
		Path perlan = new ToolLocator(executableOption).locate(Tool.PERLAN, executable);
		Path byacc = byaccj ? new ToolLocator(byaccjExecutableOption).locate(Tool.BYACCJ, byaccjExecutable) : null;
		for (Path input : inputs) {
			Generator rewrite = Generator.perlan(perlan, input, grammars, log).setForce(force)
					.setOwner(fromFolder ? sourceDirectory.toPath() : null);
			Generator parser = byaccj ? Generator.byaccj(byacc, grammars.resolve(Generator.perlanOutputName(input)),
					parserDirectory.toPath(), log, classOf(input), parserPackage, semanticType, byaccjOptions)
					.setForce(force).setOwner(grammars) : null;
			try {
				rewrite.run();
			} catch (GenerationFailure failed) {
				if (parser != null) parser.removeOutputs();
				throw failed;
			}
			if (parser != null) parser.run();
		}
		return true;
	}

	/** Two grammars that would write the same parser class are an error before anything runs. */
	private void checkClassNames(List<Path> inputs) throws GenerationFailure {
		Map<String, Path> byClass = new LinkedHashMap<>();
		for (Path input : inputs) {
			Path other = byClass.putIfAbsent(classOf(input), input);
			if (other == null) continue;
			Diagnostic clash = new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					"byacc/J would write the parser class " + classOf(input) + " for it and for " + other
							+ "; give each grammar a class of its own (parserClasses)");
			log.error(clash.toString());
			throw new GenerationFailure("byaccj failed with an error (shown above)", Collections.singletonList(clash));
		}
	}
}
