package org.typetools.build;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * A source map in the JSR-45 form (SMAP): which lines of a generated file come
 * from which lines of which source files, per stratum.
 *
 * <pre>
 * SMAP
 * Type.java              the generated file
 * Vastor                 the default stratum
 * *S Vastor              a stratum; then its files and lines
 * *F
 * + 1 types.spec         file id 1, its name; with '+' its path follows
 * src/types.spec
 * *L
 * 12#1,3:40              lines 12..14 of file 1 are lines 40..42
 * 20,1:50,4              line 20 is lines 50..53 (4 lines for each input line)
 * *E
 * </pre>
 *
 * A line entry without "#id" keeps the file of the entry before; a missing
 * repeat count or output increment is 1. Vendor sections, embedded maps
 * (*O ... *C) and sections unknown to this reader are skipped. Lines that no
 * entry covers map nowhere.
 */
public final class SourceMap {

	private static final Pattern LINE_ENTRY =
			Pattern.compile("(\\d+)(?:#(\\d+))?(?:,(\\d+))?:(\\d+)(?:,(\\d+))?");

	private record SourceFile(String name, String path) {
	}

	private record LineEntry(long inputStart, int fileId, long repeat, long outputStart, long increment) {
	}

	private static final class Stratum {
		final Map<Integer, SourceFile> files = new HashMap<>();
		final List<LineEntry> lines = new ArrayList<>();
	}

	private final String generatedFile;
	private final String defaultStratum;
	private final Map<String, Stratum> strata = new LinkedHashMap<>();

	private SourceMap(String generatedFile, String defaultStratum) {
		this.generatedFile = generatedFile;
		this.defaultStratum = defaultStratum;
	}

	/** The map written in text, or null when text is not a source map. */
	public static SourceMap parse(String text) {
		String[] lines = text.split("\r?\n", -1);
		if (lines.length < 3 || !lines[0].trim().equals("SMAP")) return null;
		SourceMap map = new SourceMap(lines[1].trim(), lines[2].trim());
		Stratum stratum = null;
		char section = 0;
		int embedded = 0;
		int fileId = 0;
		for (int i = 3; i < lines.length; i++) {
			String line = lines[i].trim();
			if (line.startsWith("*") && line.length() >= 2) {
				char kind = line.charAt(1);
				String argument = line.substring(2).trim();
				if (kind == 'O') embedded++;
				else if (kind == 'C' && embedded > 0) embedded--;
				else if (embedded > 0) continue;
				else if (kind == 'E') break;
				else if (kind == 'S') {
					stratum = map.strata.computeIfAbsent(argument, id -> new Stratum());
					fileId = 0;
				}
				section = embedded > 0 ? 0 : kind;
				continue;
			}
			if (embedded > 0 || stratum == null || line.isEmpty()) continue;
			if (section == 'F') {
				boolean withPath = line.startsWith("+");
				String[] idAndName = (withPath ? line.substring(1).trim() : line).split("\\s+", 2);
				Integer id = parseId(idAndName[0]);
				String path = null;
				if (withPath && i + 1 < lines.length) path = lines[++i].trim();
				if (id != null && idAndName.length == 2) stratum.files.put(id, new SourceFile(idAndName[1], path));
			} else if (section == 'L') {
				Matcher entry = LINE_ENTRY.matcher(line);
				if (!entry.matches()) continue;
				if (entry.group(2) != null) fileId = Integer.parseInt(entry.group(2));
				stratum.lines.add(new LineEntry(Long.parseLong(entry.group(1)), fileId,
						entry.group(3) != null ? Long.parseLong(entry.group(3)) : 1,
						Long.parseLong(entry.group(4)),
						entry.group(5) != null ? Long.parseLong(entry.group(5)) : 1));
			}
		}
		return map;
	}

	private static Integer parseId(String text) {
		try {
			return Integer.valueOf(text);
		} catch (NumberFormatException notAnId) {
			return null;
		}
	}

	/** The name of the generated file that the map describes. */
	public String generatedFile() {
		return generatedFile;
	}

	/**
	 * The source line of outputLine in the default stratum (the first stratum
	 * when the default has no section, as when it is Java): the file as the
	 * map names it (its path, else its name), or null when no entry covers it.
	 */
	public SourceLine sourceOf(long outputLine) {
		Stratum stratum = strata.get(defaultStratum);
		if (stratum == null && !strata.isEmpty()) stratum = strata.values().iterator().next();
		if (stratum == null) return null;
		for (LineEntry entry : stratum.lines) {
			long offset = outputLine - entry.outputStart;
			long covered = entry.increment == 0 ? 1 : entry.repeat * entry.increment;
			if (offset < 0 || offset >= covered) continue;
			SourceFile file = stratum.files.get(entry.fileId);
			if (file == null) return null;
			long step = entry.increment == 0 ? 0 : offset / entry.increment;
			return new SourceLine(file.path != null ? file.path : file.name, entry.inputStart + step);
		}
		return null;
	}

	/**
	 * A map whose lines are those of one source file, one to one, as Perlan's
	 * output is to its grammar: lines 1..lines of generatedName come from the
	 * same lines of sourcePath, in the given stratum.
	 */
	public static String oneToOne(String generatedName, String stratum, String sourcePath, long lines) {
		StringBuilder text = new StringBuilder();
		text.append("SMAP\n").append(generatedName).append('\n').append(stratum).append('\n');
		text.append("*S ").append(stratum).append("\n*F\n+ 1 ").append(SourcePaths.fileName(sourcePath))
				.append('\n').append(sourcePath).append("\n*L\n");
		if (lines > 0) text.append("1#1,").append(lines).append(":1\n");
		return text.append("*E\n").toString();
	}
}
