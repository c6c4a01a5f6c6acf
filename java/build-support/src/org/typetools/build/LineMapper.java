package org.typetools.build;

import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.InvalidPathException;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Optional;
import java.util.function.Function;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Finds the line that the user wrote behind a line of a generated file:
 * through the source map beside the file ({@code <file>.smap}), through the
 * {@code //#line N "file"} comments that byacc/J writes into its parser, and
 * through maps given by hand (a generated file whose lines are those of a
 * source file, one to one, as Perlan's output is to its grammar). Steps are
 * followed one after the other: a parser line leads to the grammar byacc/J
 * read, and that grammar's map to the grammar the user wrote.
 *
 * <p>A line is mapped only when the way ends in a file that a map names: a
 * line of the fixed head of Type.java, or a parser line whose grammar has no
 * map, has no source line and stays where the compiler put it.
 */
public final class LineMapper {

	private static final Pattern LINE_COMMENT = Pattern.compile("//#line (\\d+) \"(.*)\"\\s*");
	/** Steps followed at most, against maps that lead in a circle. */
	private static final int MAX_STEPS = 8;

	/** The //#line comments of one file, in order. */
	private record LineComments(long[] at, long[] line, String[] file) {
	}

	private final Function<String, String> reader;
	private final String workingFolder;
	private final Map<String, String> givenMaps = new LinkedHashMap<>();
	private final Map<String, Optional<SourceMap>> sourceMaps = new HashMap<>();
	private final Map<String, Optional<LineComments>> lineComments = new HashMap<>();

	/** A mapper that reads the files of this machine; relative paths start in the working folder. */
	public LineMapper() {
		this(LineMapper::readFile, System.getProperty("user.dir"));
	}

	/** A mapper that reads files through reader (null for a file that is not there). */
	public LineMapper(Function<String, String> reader, String workingFolder) {
		this.reader = reader;
		this.workingFolder = workingFolder;
	}

	/** Line n of generated is line n of source (--map GENERATED=SOURCE). */
	public LineMapper addMap(String generated, String source) {
		givenMaps.put(generated, source);
		return this;
	}

	/** The line of the user's file behind line of file, or null when there is none. */
	public SourceLine sourceOf(String file, long line) {
		SourceLine found = null;
		SourceLine at = new SourceLine(file, line);
		for (int step = 0; step < MAX_STEPS; step++) {
			String given = givenMapOf(at.file());
			if (given != null) return new SourceLine(given, at.line());
			SourceMap map = sourceMapOf(at.file());
			SourceLine next;
			if (map != null) {
				next = map.sourceOf(at.line());
				if (next == null) return found;
				found = next = new SourceLine(SourcePaths.resolve(SourcePaths.folderOf(at.file()), next.file()),
						next.line());
			} else {
				next = lineCommentTarget(at);
				if (next == null) return found;
			}
			at = next;
		}
		return found;
	}

	private String givenMapOf(String file) {
		if (givenMaps.isEmpty()) return null;
		String absolute = SourcePaths.resolve(workingFolder, file);
		for (Map.Entry<String, String> map : givenMaps.entrySet()) {
			String generated = map.getKey();
			boolean bareName = generated.indexOf('/') < 0 && generated.indexOf('\\') < 0;
			if (bareName ? SourcePaths.fileName(file).equals(generated)
					: SourcePaths.resolve(workingFolder, generated).equals(absolute))
				return map.getValue();
		}
		return null;
	}

	private SourceMap sourceMapOf(String file) {
		return sourceMaps.computeIfAbsent(file, name -> {
			String text = reader.apply(name + ".smap");
			return Optional.ofNullable(text == null ? null : SourceMap.parse(text));
		}).orElse(null);
	}

	/**
	 * The grammar line that byacc/J's last //#line comment above at names, or
	 * null when there is none or it names the parser itself (byacc/J's own code).
	 */
	private SourceLine lineCommentTarget(SourceLine at) {
		LineComments comments = lineComments.computeIfAbsent(at.file(),
				name -> Optional.ofNullable(readLineComments(reader.apply(name)))).orElse(null);
		if (comments == null) return null;
		int index = -1;
		for (int low = 0, high = comments.at().length - 1; low <= high;) {
			int middle = (low + high) >>> 1;
			if (comments.at()[middle] < at.line()) {
				index = middle;
				low = middle + 1;
			} else {
				high = middle - 1;
			}
		}
		if (index < 0) return null;
		String target = comments.file()[index];
		if (SourcePaths.fileName(target).equals(SourcePaths.fileName(at.file()))) return null;
		long line = comments.line()[index] + (at.line() - comments.at()[index] - 1);
		return new SourceLine(SourcePaths.resolve(SourcePaths.folderOf(at.file()), target), line);
	}

	private static LineComments readLineComments(String text) {
		if (text == null || !text.contains("//#line ")) return null;
		List<long[]> places = new ArrayList<>();
		List<String> files = new ArrayList<>();
		long number = 0;
		for (String line : text.split("\n", -1)) {
			number++;
			if (!line.startsWith("//#line ")) continue;
			Matcher comment = LINE_COMMENT.matcher(line);
			if (!comment.matches()) continue;
			try {
				places.add(new long[] {number, Long.parseLong(comment.group(1))});
				files.add(comment.group(2));
			} catch (NumberFormatException tooLong) {
				// Not a line byacc/J writes.
			}
		}
		long[] at = new long[places.size()];
		long[] lines = new long[places.size()];
		for (int i = 0; i < at.length; i++) {
			at[i] = places.get(i)[0];
			lines[i] = places.get(i)[1];
		}
		return new LineComments(at, lines, files.toArray(new String[0]));
	}

	/** The text of a file of this machine (UTF-8, other bytes as Latin-1), or null. */
	static String readFile(String path) {
		try {
			Path file = Paths.get(path);
			if (!Files.isRegularFile(file)) return null;
			return DiagnosticsTranslator.decode(Files.readAllBytes(file));
		} catch (IOException | InvalidPathException | SecurityException unreadable) {
			return null;
		}
	}
}
