package org.typetools.build;

import java.io.IOException;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * byacc/J on a grammar that Perlan wrote: the parser class (and its value
 * class when byacc/J makes one), in the folder of the package it is given.
 * byacc/J's messages name the grammar it read; through that grammar's map
 * they are reported at the lines of the grammar the user wrote.
 */
final class ByaccjStep implements ToolStep {

	private static final Pattern MESSAGE = Pattern.compile("(\\S+): ([ewf]) - (?:line (\\d+) of +\"(.*)\", )?(.*)");
	private static final String DEFAULT_CLASS = "Parser";
	/** A line of byacc/J's own, named by its program (as it was started: a path, .exe on Windows). */
	private static final Pattern NOTE = Pattern.compile("(?:\\S*[/\\\\])?byaccj(?:\\.exe)?: (.*)");

	private final String className;
	private final String packageName;
	private final String semanticType;
	private final List<String> options;

	/** className, packageName and semanticType may be null (byacc/J's defaults); options are further switches. */
	ByaccjStep(String className, String packageName, String semanticType, List<String> options) {
		this.className = blankToNull(className);
		this.packageName = blankToNull(packageName);
		this.semanticType = blankToNull(semanticType);
		this.options = options == null ? new ArrayList<>() : new ArrayList<>(options);
	}

	private static String blankToNull(String text) {
		return text == null || text.trim().isEmpty() ? null : text.trim();
	}

	@Override
	public Tool tool() {
		return Tool.BYACCJ;
	}

	@Override
	public void addOptions(GenerationStamp stamp) {
		stamp.addOption("class", className);
		stamp.addOption("package", packageName);
		stamp.addOption("semantic", semanticType);
		stamp.addOption("options", String.join("\n", options));
	}

	/** The parser's class: the class option, else a -Jclass= among the options, else byacc/J's Parser. */
	String parserClass() {
		if (className != null) return className;
		String fromOptions = fromOptions("-Jclass=");
		return fromOptions != null ? fromOptions : DEFAULT_CLASS;
	}

	private String packageFolder() {
		String name = packageName != null ? packageName : fromOptions("-Jpackage=");
		return name == null ? "" : name.replace('.', '/') + "/";
	}

	private String fromOptions(String prefix) {
		String found = null;
		for (String option : options)
			if (option.startsWith(prefix)) found = option.substring(prefix.length());
		return found;
	}

	/** The parser's source file, relative to the output folder. */
	String parserFile() {
		return packageFolder() + parserClass() + ".java";
	}

	@Override
	public List<String> defaultOutputs(Path input) {
		return Arrays.asList(parserFile(), packageFolder() + parserClass() + "Val.java");
	}

	@Override
	public List<String> command(Path executable, Path input, Path work) {
		List<String> command = new ArrayList<>();
		command.add(executable.toString());
		command.add("-J");
		if (className != null) command.add("-Jclass=" + className);
		if (packageName != null) command.add("-Jpackage=" + packageName);
		if (semanticType != null) command.add("-Jsemantic=" + semanticType);
		command.addAll(options);
		command.add(input.toAbsolutePath().toString());
		return command;
	}

	/** The grammar the user wrote, which Perlan turned into input. */
	@Override
	public String describe(Path input) {
		SourceLine first = new LineMapper().sourceOf(input.toString(), 1);
		return first != null ? first.file() : input.toString();
	}

	/**
	 * byacc/J's messages: "byaccj: e - line 56 of "lang.y", unterminated
	 * action", followed by the grammar's line and a caret, which stay with the
	 * message; messages without a line (conflicts, undefined symbols) are
	 * about the grammar as a whole.
	 */
	@Override
	public List<Diagnostic> diagnostics(byte[] messages, Path input) {
		LineMapper mapper = new LineMapper();
		String grammar = describe(input);
		List<Diagnostic> diagnostics = new ArrayList<>();
		String[] lines = DiagnosticsTranslator.decode(messages).split("\r?\n");
		for (String line : lines) {
			if (line.isEmpty()) continue;
			Matcher message = MESSAGE.matcher(line);
			Matcher note = NOTE.matcher(line);
			boolean ownLine = message.matches() || note.matches();
			if (!ownLine && !diagnostics.isEmpty()) {
				Diagnostic last = diagnostics.remove(diagnostics.size() - 1);
				diagnostics.add(new Diagnostic(last.getSeverity(), last.getFile(), last.getLine(),
						last.getMessage() + "\n" + line));
				continue;
			}
			// Messages without a severity are byacc/J's notes on conflicts and unused rules.
			Diagnostic.Severity severity = ownLine ? Diagnostic.Severity.WARNING : Diagnostic.Severity.ERROR;
			String file = grammar;
			long number = 0;
			String text = note.matches() ? note.group(1) : line;
			if (message.matches()) {
				severity = message.group(2).equals("w") ? Diagnostic.Severity.WARNING : Diagnostic.Severity.ERROR;
				text = message.group(5);
				if (message.group(3) != null) {
					number = parseLine(message.group(3));
					SourceLine source = mapper.sourceOf(message.group(4), number);
					file = source != null ? source.file() : message.group(4);
					number = source != null ? source.line() : number;
				}
			}
			diagnostics.add(new Diagnostic(severity, file, number, text));
		}
		return diagnostics;
	}

	private static long parseLine(String digits) {
		try {
			return Long.parseLong(digits);
		} catch (NumberFormatException tooLong) {
			return 0;
		}
	}

	@Override
	public String finish(Path input, Path work) throws IOException {
		String folder = packageFolder();
		if (!folder.isEmpty()) {
			Path target = work.resolve(folder);
			Files.createDirectories(target);
			try (DirectoryStream<Path> sources = Files.newDirectoryStream(work, "*.java")) {
				for (Path source : sources) Files.move(source, target.resolve(source.getFileName()));
			}
		}
		return parserFile();
	}
}
