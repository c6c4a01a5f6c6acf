package org.typetools.build;

import java.io.IOException;
import java.nio.file.FileVisitResult;
import java.nio.file.Files;
import java.nio.file.NoSuchFileException;
import java.nio.file.Path;
import java.nio.file.SimpleFileVisitor;
import java.nio.file.StandardCopyOption;
import java.nio.file.attribute.BasicFileAttributes;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collection;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import java.util.stream.Collectors;
import java.util.stream.Stream;

/**
 * One generation step as the build integrations run it: one tool on one
 * input, writing into an output folder (Vastor on a type specification,
 * Perlan on a grammar, byacc/J on Perlan's output).
 *
 * <p>The tool runs in a fresh folder beside the output folder; only a
 * successful run reaches the output folder, so a failure never leaves an
 * empty or half-written file, and the files of an earlier run are removed.
 * A run is skipped when the input, the options and the tool binary are those
 * of the last successful run and its files are all there. Several inputs may
 * share an output folder: each has a stamp of its own, and a file that
 * another input's run wrote is never removed for this one.
 */
public final class Generator {

	private final ToolStep step;
	private final Path executable;
	private final Path input;
	private final Path outputDirectory;
	private final BuildLog log;
	private boolean force;
	private Path owner;
	private String mainOutput;

	private Generator(ToolStep step, Path executable, Path input, Path outputDirectory, BuildLog log) {
		this.step = step;
		this.executable = executable;
		this.input = input;
		this.outputDirectory = outputDirectory.toAbsolutePath().normalize();
		this.log = log;
	}

	/**
	 * Vastor on a specification: Type.java (in the folder of the package its
	 * preamble declares) with the API's sources, TypeException.java and, with
	 * teParser, TEParser beside Type.java, and Type.java.smap, which leads
	 * Type.java's lines to the specification's. baseError may be null.
	 */
	public static Generator vastor(Path executable, Path specification, Path outputDirectory, BuildLog log,
			String baseError, boolean teParser) {
		return new Generator(new VastorStep(baseError, teParser), executable, specification, outputDirectory, log);
	}

	/** Perlan on a grammar: the rewritten grammar and its map (lang.yt gives lang.y and lang.y.smap). */
	public static Generator perlan(Path executable, Path grammar, Path outputDirectory, BuildLog log) {
		return new Generator(new PerlanStep(), executable, grammar, outputDirectory, log);
	}

	/**
	 * byacc/J on Perlan's output: the parser's Java source in the folder of
	 * its package. className, packageName and semanticType may be null;
	 * options are further switches (-Jnorun, -Jstack=...).
	 */
	public static Generator byaccj(Path executable, Path grammar, Path outputDirectory, BuildLog log,
			String className, String packageName, String semanticType, List<String> options) {
		return new Generator(new ByaccjStep(className, packageName, semanticType, options), executable, grammar,
				outputDirectory, log);
	}

	/** The name of the rewritten grammar that Perlan writes for grammar. */
	public static String perlanOutputName(Path grammar) {
		return PerlanStep.outputName(grammar);
	}

	/** The parser class byacc/J writes with these settings (null for byacc/J's defaults). */
	public static String byaccjClass(String className, List<String> options) {
		return new ByaccjStep(className, null, null, options).parserClass();
	}

	/** Runs the tool even when nothing changed (for build tools that make that choice themselves). */
	public Generator setForce(boolean force) {
		this.force = force;
		return this;
	}

	/**
	 * Marks the output as made from a file of sourceDirectory, so that
	 * {@link #removeOrphans} can remove it once that file is gone.
	 */
	public Generator setOwner(Path sourceDirectory) {
		this.owner = sourceDirectory == null ? null : sourceDirectory.toAbsolutePath().normalize();
		return this;
	}

	/** The tool this step runs. */
	public Tool tool() {
		return step.tool();
	}

	/** The input file. */
	public Path input() {
		return input;
	}

	/** The main file the last run wrote or found up to date (Type.java, the grammar, the parser); null before. */
	public Path mainOutput() {
		return mainOutput == null ? null : outputDirectory.resolve(mainOutput);
	}

	/** Runs the tool unless its output is up to date; true when it ran. */
	public boolean run() throws GenerationFailure {
		String program = step.tool().program();
		if (!Files.isRegularFile(input))
			throw failure(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					"no such file (the input of " + program + ")"));
		Path stampFile = GenerationStamp.fileFor(outputDirectory, input);
		try {
			GenerationStamp stamp = stamp();
			GenerationStamp previous = GenerationStamp.load(stampFile);
			if (!force && stamp.sameInputs(previous) && allExist(previous.files())) {
				mainOutput = previous.main();
				log.info(program + ": " + mainOutput() + " is up to date");
				return false;
			}
			// Gone before anything else, so that an interrupted run is never taken as up to date.
			Files.deleteIfExists(stampFile);
			List<String> previousFiles = previous != null ? previous.files() : step.defaultOutputs(input);
			Files.createDirectories(outputDirectory);
			Path work = Files.createTempDirectory(outputDirectory.getParent(), ".typetools-");
			try {
				List<String> written;
				try {
					written = generate(work);
				} catch (GenerationFailure failed) {
					delete(previousFiles, stampFile);
					throw failed;
				}
				install(work, written);
				List<String> gone = new ArrayList<>(previousFiles);
				gone.removeAll(written);
				delete(gone, stampFile);
				stamp.setFiles(written, mainOutput);
				stamp.save(stampFile);
			} finally {
				deleteTree(work);
			}
			log.info(program + ": wrote " + mainOutput() + " from " + input);
			return true;
		} catch (IOException io) {
			throw new GenerationFailure(program + ": " + io);
		}
	}

	/** Removes what the last run wrote (when a step before this one failed, its output is stale). */
	public void removeOutputs() throws GenerationFailure {
		Path stampFile = GenerationStamp.fileFor(outputDirectory, input);
		try {
			GenerationStamp previous = GenerationStamp.load(stampFile);
			Files.deleteIfExists(stampFile);
			delete(previous != null ? previous.files() : step.defaultOutputs(input), stampFile);
		} catch (IOException io) {
			throw new GenerationFailure(step.tool().program() + ": " + io);
		}
	}

	/**
	 * Removes the outputs in outputDirectory that were made from files of
	 * sourceDirectory (see {@link #setOwner}) other than inputs: those files
	 * are gone, so their outputs are stale.
	 */
	public static void removeOrphans(Path outputDirectory, Path sourceDirectory, Collection<Path> inputs, BuildLog log)
			throws GenerationFailure {
		Path folder = outputDirectory.toAbsolutePath().normalize();
		String owner = sourceDirectory.toAbsolutePath().normalize().toString();
		Set<String> current = new HashSet<>();
		for (Path file : inputs) current.add(file.toAbsolutePath().normalize().toString());
		try {
			Map<Path, GenerationStamp> stamps = GenerationStamp.allIn(folder);
			for (Map.Entry<Path, GenerationStamp> entry : stamps.entrySet()) {
				GenerationStamp stamp = entry.getValue();
				if (!stamp.option(GenerationStamp.OWNER).equals(owner)
						|| current.contains(stamp.option(GenerationStamp.INPUT)))
					continue;
				Files.deleteIfExists(entry.getKey());
				deleteUnowned(folder, stamp.files(), null);
				log.info("typetools: removed the output of " + stamp.option(GenerationStamp.INPUT) + ", which is gone");
			}
		} catch (IOException io) {
			throw new GenerationFailure("typetools: " + io);
		}
	}

	private GenerationStamp stamp() throws IOException {
		GenerationStamp stamp = new GenerationStamp();
		stamp.addFile("tool", executable);
		stamp.addFile(GenerationStamp.INPUT, input);
		stamp.addOption(GenerationStamp.OWNER, owner == null ? "" : owner.toString());
		stamp.addOption("version", ToolLocator.installProperty("version"));
		step.addOptions(stamp);
		return stamp;
	}

	/** Runs the tool in work; the files written there, relative to it. */
	private List<String> generate(Path work) throws IOException, GenerationFailure {
		String program = step.tool().program();
		List<String> command = step.command(executable, input, work);
		Process process = new ProcessBuilder(command).directory(work.toFile())
				.redirectOutput(ProcessBuilder.Redirect.DISCARD).start();
		process.getOutputStream().close();
		byte[] messages = process.getErrorStream().readAllBytes();
		int status;
		try {
			status = process.waitFor();
		} catch (InterruptedException interrupted) {
			process.destroy();
			Thread.currentThread().interrupt();
			throw new GenerationFailure(program + " was interrupted");
		}

		List<Diagnostic> errors = new ArrayList<>();
		for (Diagnostic diagnostic : step.diagnostics(messages, input)) {
			if (diagnostic.isError()) errors.add(diagnostic);
			else log.warn(diagnostic.toString());
		}
		if (errors.isEmpty() && status != 0)
			errors.add(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					program + " ended with exit status " + status));
		if (!errors.isEmpty()) throw failure(errors.toArray(new Diagnostic[0]));
		mainOutput = step.finish(input, work);
		Path main = work.resolve(mainOutput);
		if (!Files.isRegularFile(main) || Files.size(main) == 0)
			throw failure(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					program + " wrote no " + main.getFileName()));
		try (Stream<Path> files = Files.walk(work)) {
			return files.filter(Files::isRegularFile)
					.map(file -> work.relativize(file).toString().replace('\\', '/'))
					.sorted().collect(Collectors.toList());
		}
	}

	/** Logs each error once, where the build tool shows its messages; the failure only names the tool. */
	private GenerationFailure failure(Diagnostic... errors) {
		for (Diagnostic error : errors) log.error(error.toString());
		String what = errors.length == 1 ? "an error" : errors.length + " errors";
		return new GenerationFailure(step.tool().program() + " failed with " + what + " (shown above) on "
				+ step.describe(input), Arrays.asList(errors));
	}

	/** Moves the new files into the output folder; a file whose text did not change keeps its time. */
	private void install(Path work, List<String> written) throws IOException {
		for (String file : written) {
			Path from = work.resolve(file);
			Path to = outputDirectory.resolve(file);
			if (Files.isRegularFile(to) && Files.size(from) == Files.size(to) && Files.mismatch(from, to) == -1)
				continue;
			Files.createDirectories(to.getParent());
			Files.move(from, to, StandardCopyOption.REPLACE_EXISTING);
		}
	}

	private boolean allExist(List<String> files) {
		if (files.isEmpty()) return false;
		for (String file : files)
			if (!Files.isRegularFile(outputDirectory.resolve(file))) return false;
		return true;
	}

	/** Removes earlier outputs of this input, but none that another input's run wrote, nor the input. */
	private void delete(List<String> files, Path ownStamp) throws IOException {
		List<String> removable = new ArrayList<>(files);
		removable.removeIf(file -> outputDirectory.resolve(file).normalize().equals(input.toAbsolutePath().normalize()));
		deleteUnowned(outputDirectory, removable, ownStamp);
	}

	/**
	 * Removes files of folder that no stamp there lists (but the one in
	 * ignoredStamp, which is being replaced), and the folders this leaves empty.
	 */
	private static void deleteUnowned(Path folder, List<String> files, Path ignoredStamp) throws IOException {
		Set<String> owned = new HashSet<>();
		for (Map.Entry<Path, GenerationStamp> stamp : GenerationStamp.allIn(folder).entrySet())
			if (!stamp.getKey().equals(ignoredStamp)) owned.addAll(stamp.getValue().files());
		for (String file : files) {
			Path path = folder.resolve(file).normalize();
			if (!path.startsWith(folder) || owned.contains(file)) continue;
			Files.deleteIfExists(path);
			for (Path parent = path.getParent(); parent != null && !parent.equals(folder)
					&& parent.startsWith(folder); parent = parent.getParent()) {
				try (Stream<Path> entries = Files.list(parent)) {
					if (entries.findAny().isPresent()) break;
				} catch (NoSuchFileException gone) {
					continue;
				}
				Files.delete(parent);
			}
		}
	}

	private static void deleteTree(Path root) throws IOException {
		if (!Files.exists(root)) return;
		Files.walkFileTree(root, new SimpleFileVisitor<Path>() {
			@Override
			public FileVisitResult visitFile(Path file, BasicFileAttributes attributes) throws IOException {
				Files.delete(file);
				return FileVisitResult.CONTINUE;
			}

			@Override
			public FileVisitResult postVisitDirectory(Path folder, IOException failure) throws IOException {
				Files.delete(folder);
				return FileVisitResult.CONTINUE;
			}
		});
	}
}
