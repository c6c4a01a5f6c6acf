package org.typetools.build;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;

/** The inputs of a goal or task: one file that the build names, or every matching file of a folder. */
public final class SourceFiles {

	/** Type specifications in a source folder. */
	public static final String SPECIFICATION_SUFFIX = ".spec";
	/** Grammars with typechecking blocks in a source folder. */
	public static final String GRAMMAR_SUFFIX = ".yt";

	private SourceFiles() {
	}

	/** The files under folder (its subfolders too) whose names end in suffix, sorted; none when it is missing. */
	public static List<Path> under(Path folder, String suffix) throws GenerationFailure {
		if (folder == null || !Files.isDirectory(folder)) return Collections.emptyList();
		try (Stream<Path> files = Files.walk(folder)) {
			return files.filter(file -> file.getFileName().toString().endsWith(suffix) && Files.isRegularFile(file))
					.sorted().collect(Collectors.toCollection(ArrayList::new));
		} catch (IOException | RuntimeException unreadable) {
			throw new GenerationFailure("typetools: cannot list " + folder + ": " + unreadable.getMessage());
		}
	}
}
