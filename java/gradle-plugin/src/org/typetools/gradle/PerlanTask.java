package org.typetools.gradle;

import java.io.File;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

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
import org.typetools.build.PerlanBuild;
import org.typetools.build.Tool;

/**
 * Rewrites the typechecking blocks of the grammar, or of every grammar of the
 * source folder, and with byaccj turns each into a parser.
 */
@CacheableTask
public class PerlanTask extends GenerateTask {

	private File grammar;
	private File sourceDirectory;
	private File outputDirectory;
	private boolean byaccj;
	private File parserOutputDirectory;
	private String byaccjExecutable;
	private String parserClass;
	private Map<String, String> parserClasses = new LinkedHashMap<>();
	private String parserPackage;
	private String semanticType;
	private List<String> byaccjOptions = new ArrayList<>();

	public PerlanTask() {
		super(Tool.PERLAN);
		sourceDirectory = projectFile("src/main/perlan");
	}

	/** The one grammar to rewrite; when not set, every *.yt of the source folder. */
	@Internal
	public File getGrammar() {
		return grammar;
	}

	public void setGrammar(File grammar) {
		this.grammar = grammar;
	}

	/** The folder of the grammars (default src/main/perlan). */
	@Internal
	public File getSourceDirectory() {
		return sourceDirectory;
	}

	public void setSourceDirectory(File sourceDirectory) {
		this.sourceDirectory = sourceDirectory;
	}

	/** The grammars rewritten; none skips the task. */
	@InputFiles
	@SkipWhenEmpty
	@PathSensitive(PathSensitivity.RELATIVE)
	public List<File> getGrammars() {
		List<File> files = new ArrayList<>();
		try {
			for (Path input : build(BuildLog.of(m -> { }, m -> { }, m -> { })).inputs()) files.add(input.toFile());
		} catch (GenerationFailure unreadable) {
			throw new GradleException(unreadable.getMessage());
		}
		return files;
	}

	/**
	 * Where the rewritten grammars go: when not set, build/generated-sources/perlan
	 * (part of the main source set), or build/perlan with byaccj.
	 */
	@OutputDirectory
	public File getOutputDirectory() {
		if (outputDirectory != null) return outputDirectory;
		return new File(TypetoolsPlugin.buildDirectory(getProject()), byaccj ? "perlan" : "generated-sources/perlan");
	}

	public void setOutputDirectory(File outputDirectory) {
		this.outputDirectory = outputDirectory;
	}

	/** Whether byacc/J makes a parser of each rewritten grammar (default: no). */
	@Input
	public boolean isByaccj() {
		return byaccj;
	}

	public void setByaccj(boolean byaccj) {
		this.byaccj = byaccj;
	}

	/** Where the parsers go; part of the main source set with byaccj. */
	@OutputDirectory
	public File getParserOutputDirectory() {
		return parserOutputDirectory;
	}

	public void setParserOutputDirectory(File parserOutputDirectory) {
		this.parserOutputDirectory = parserOutputDirectory;
	}

	/** byacc/J's executable; when not set, the one on PATH, else /usr/bin/byaccj. */
	@Internal
	public String getByaccjExecutable() {
		return byaccjExecutable;
	}

	public void setByaccjExecutable(String byaccjExecutable) {
		this.byaccjExecutable = byaccjExecutable;
	}

	/** byacc/J's binary with its size and modification time, with byaccj. */
	@Optional
	@Input
	public String getByaccjBinary() {
		return byaccj ? binary(Tool.BYACCJ, byaccjExecutable, "byaccjExecutable") : null;
	}

	/** byacc/J's -Jclass (byacc/J's default: Parser). */
	@Optional
	@Input
	public String getParserClass() {
		return parserClass;
	}

	public void setParserClass(String parserClass) {
		this.parserClass = parserClass;
	}

	/** byacc/J's -Jclass for each grammar, by its file name with or without .yt. */
	@Input
	public Map<String, String> getParserClasses() {
		return parserClasses;
	}

	public void setParserClasses(Map<String, String> parserClasses) {
		this.parserClasses = new LinkedHashMap<>(parserClasses);
	}

	/** byacc/J's -Jpackage. */
	@Optional
	@Input
	public String getParserPackage() {
		return parserPackage;
	}

	public void setParserPackage(String parserPackage) {
		this.parserPackage = parserPackage;
	}

	/** byacc/J's -Jsemantic: the class of the semantic values. */
	@Optional
	@Input
	public String getSemanticType() {
		return semanticType;
	}

	public void setSemanticType(String semanticType) {
		this.semanticType = semanticType;
	}

	/** Further byacc/J switches, such as -Jnorun or -Jstack=1000. */
	@Input
	public List<String> getByaccjOptions() {
		return byaccjOptions;
	}

	public void setByaccjOptions(List<String> byaccjOptions) {
		this.byaccjOptions = new ArrayList<>(byaccjOptions);
	}

	/** The folder of Java this task adds to the main source set. */
	File javaOutput() {
		return byaccj ? parserOutputDirectory : getOutputDirectory();
	}

	private PerlanBuild build(BuildLog log) {
		return new PerlanBuild(log, optionName("executable"), optionName("byaccjExecutable")).setGrammar(grammar)
				.setSourceDirectory(sourceDirectory).setOutputDirectory(getOutputDirectory())
				.setExecutable(getExecutable()).setForce(true).setByaccj(byaccj)
				.setParserDirectory(parserOutputDirectory).setByaccjExecutable(byaccjExecutable)
				.setParserClass(parserClass).setParserClasses(parserClasses).setParserPackage(parserPackage)
				.setSemanticType(semanticType).setByaccjOptions(byaccjOptions);
	}

	@Override
	void generate(BuildLog log) throws GenerationFailure {
		build(log).run();
	}
}
