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
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;

/**
 * One generation step as the build integrations run it: Vastor on a type
 * specification (writing Type.java, the Java API's sources and its
 * TypeException.java into the output folder) or Perlan on a grammar (writing
 * the rewritten grammar there).
 *
 * <p>The tool runs in a fresh folder beside the output folder; only a
 * successful run reaches the output folder, so a failure never leaves an
 * empty or half-written file, and the files of an earlier run are removed.
 * A run is skipped when the input, the options and the tool binary are those
 * of the last successful run and its files are all there.
 */
public final class Generator {

	private final Tool tool;
	private final Path executable;
	private final Path input;
	private final Path outputDirectory;
	private final BuildLog log;
	private String baseError;
	private boolean withTEParser = true;
	private boolean force;

	public Generator(Tool tool, Path executable, Path input, Path outputDirectory, BuildLog log) {
		this.tool = tool;
		this.executable = executable;
		this.input = input;
		this.outputDirectory = outputDirectory.toAbsolutePath().normalize();
		this.log = log;
	}

	/** Vastor's -baseError: the class TypeException extends; null or empty for none. */
	public Generator setBaseError(String baseError) {
		this.baseError = baseError == null || baseError.isEmpty() ? null : baseError;
		return this;
	}

	/** Whether Vastor's output also gets the ready type-expression parser TEParser (default: yes). */
	public Generator setTEParser(boolean withTEParser) {
		this.withTEParser = withTEParser;
		return this;
	}

	/** Runs the tool even when nothing changed (for build tools that make that choice themselves). */
	public Generator setForce(boolean force) {
		this.force = force;
		return this;
	}

	/** The file named after the input that the tool writes: Type.java, or the grammar's output. */
	public String mainOutputName() {
		if (tool == Tool.VASTOR) return "Type.java";
		String name = input.getFileName().toString();
		return name.length() > 3 && name.endsWith(".yt") ? name.substring(0, name.length() - 1) : name + ".y";
	}

	/** Runs the tool unless its output is up to date; true when it ran. */
	public boolean run() throws GenerationFailure {
		if (!Files.isRegularFile(input))
			throw failure(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					"no such file (the input of " + tool.program() + ")"));
		Path stampFile = outputDirectory.resolve("." + mainOutputName() + ".typetools");
		try {
			GenerationStamp stamp = stamp();
			GenerationStamp previous = GenerationStamp.load(stampFile);
			if (!force && stamp.sameInputs(previous) && allExist(previous.files())) {
				log.info(tool.program() + ": " + outputDirectory.resolve(mainOutputName()) + " is up to date");
				return false;
			}
			// Gone before anything else, so that an interrupted run is never taken as up to date.
			Files.deleteIfExists(stampFile);
			List<String> previousFiles = previous != null ? previous.files() : defaultOutputs();
			Files.createDirectories(outputDirectory);
			Path work = Files.createTempDirectory(outputDirectory.getParent(), ".typetools-");
			try {
				List<String> written;
				try {
					written = generate(work);
				} catch (GenerationFailure failed) {
					delete(previousFiles);
					throw failed;
				}
				install(work, written);
				List<String> gone = new ArrayList<>(previousFiles);
				gone.removeAll(written);
				delete(gone);
				stamp.setFiles(written);
				stamp.save(stampFile);
			} finally {
				deleteTree(work);
			}
			log.info(tool.program() + ": wrote " + outputDirectory.resolve(mainOutputName()) + " from " + input);
			return true;
		} catch (IOException io) {
			throw new GenerationFailure(tool.program() + ": " + io);
		}
	}

	private GenerationStamp stamp() throws IOException {
		GenerationStamp stamp = new GenerationStamp();
		stamp.addFile("tool", executable);
		stamp.addFile("input", input);
		stamp.addOption("baseError", baseError);
		stamp.addOption("teParser", tool == Tool.VASTOR ? Boolean.toString(withTEParser) : "");
		stamp.addOption("version", ToolLocator.installProperty("version"));
		return stamp;
	}

	private List<String> defaultOutputs() {
		if (tool == Tool.PERLAN) return Arrays.asList(mainOutputName());
		return Arrays.asList("Type.java", ApiSources.PACKAGE_FOLDER + "/errorHandling/TypeException.java");
	}

	/** Runs the tool in work; the files written there, relative to it. */
	private List<String> generate(Path work) throws IOException, GenerationFailure {
		List<String> command = new ArrayList<>();
		command.add(executable.toString());
		Path inputPath = input.toAbsolutePath();
		Path mainOutput = work.resolve(mainOutputName());
		if (tool == Tool.VASTOR) {
			ApiSources.copyTo(work, withTEParser);
			command.add("-API=" + work.resolve(ApiSources.PACKAGE_FOLDER));
			if (baseError != null) command.add("-baseError=" + baseError);
			command.add(inputPath.toString());
		} else {
			command.add(inputPath.toString());
			command.add(mainOutput.toString());
		}
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
			throw new GenerationFailure(tool.program() + " was interrupted");
		}

		List<Diagnostic> diagnostics = DiagnosticsTranslator.translate(messages, input.toString());
		List<Diagnostic> errors = new ArrayList<>();
		for (Diagnostic diagnostic : diagnostics) {
			if (diagnostic.isError()) errors.add(diagnostic);
			else log.warn(diagnostic.toString());
		}
		if (errors.isEmpty() && status != 0)
			errors.add(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					tool.program() + " ended with exit status " + status));
		if (errors.isEmpty() && (!Files.isRegularFile(mainOutput) || Files.size(mainOutput) == 0))
			errors.add(new Diagnostic(Diagnostic.Severity.ERROR, input.toString(), 0,
					tool.program() + " wrote no " + mainOutputName()));
		if (!errors.isEmpty()) throw failure(errors.toArray(new Diagnostic[0]));
		try (Stream<Path> files = Files.walk(work)) {
			return files.filter(Files::isRegularFile)
					.map(file -> work.relativize(file).toString().replace('\\', '/'))
					.sorted().collect(Collectors.toList());
		}
	}

	private GenerationFailure failure(Diagnostic... errors) {
		// Also in the failure's message, each on a line of its own: some consoles
		// (Gradle's plain one) start the log on the line of the task's name.
		StringBuilder message = new StringBuilder(tool.program()).append(" failed:");
		for (Diagnostic error : errors) {
			log.error(error.toString());
			message.append('\n').append(error);
		}
		return new GenerationFailure(message.toString(), Arrays.asList(errors));
	}

	/** Moves the new files into the output folder; a file whose text did not change keeps its time. */
	private void install(Path work, List<String> written) throws IOException {
		for (String file : written) {
			Path from = work.resolve(file);
			Path to = outputDirectory.resolve(file);
			if (Files.isRegularFile(to) && Arrays.equals(Files.readAllBytes(from), Files.readAllBytes(to)))
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

	/** Removes earlier outputs, and the folders that this leaves empty. */
	private void delete(List<String> files) throws IOException {
		for (String file : files) {
			Path path = outputDirectory.resolve(file).normalize();
			if (!path.startsWith(outputDirectory) || path.equals(input.toAbsolutePath().normalize())) continue;
			Files.deleteIfExists(path);
			for (Path folder = path.getParent(); folder != null && !folder.equals(outputDirectory)
					&& folder.startsWith(outputDirectory); folder = folder.getParent()) {
				try (Stream<Path> entries = Files.list(folder)) {
					if (entries.findAny().isPresent()) break;
				} catch (NoSuchFileException gone) {
					continue;
				}
				Files.delete(folder);
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
