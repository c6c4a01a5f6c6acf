package org.typetools.build;

import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Rewrites the locations in a compiler's output, one line at a time, into the
 * lines the user wrote (see {@link LineMapper}):
 *
 * <pre>
 * build/gen/Type.java:412: error: cannot find symbol      javac
 *   → src/main/vastor/types.spec:37: error: cannot find symbol
 * byaccj: e - line 56 of "build/perlan/lang.y", unterminated action
 *   → src/main/perlan/lang.yt:56: error: unterminated action
 * </pre>
 *
 * A build tool's prefix before javac's location ({@code [javac]}, {@code [ERROR]})
 * stays, and so does Maven's {@code file:[line,column]} form. Every other line
 * (javac's copy of the source line, the caret, "symbol:", the count of errors)
 * and every location that leads to no source passes unchanged.
 */
public final class CompilerOutputMapper {

	private static final Pattern JAVAC =
			Pattern.compile("((?:\\s*\\[[\\w:.-]+\\])?\\s*)(\\S.*?):(\\d+):( .*)?");
	private static final Pattern MAVEN = Pattern.compile("(\\[\\w+\\] )(\\S.*?):\\[(\\d+)(,\\d+)?\\](.*)");
	private static final Pattern BYACCJ = Pattern.compile("\\S+: ([ewf]) - line (\\d+) of +\"(.*)\", (.*)");

	private final LineMapper mapper;

	public CompilerOutputMapper(LineMapper mapper) {
		this.mapper = mapper;
	}

	/** The line with its location rewritten, or the line itself (the same object) when nothing maps. */
	public String map(String line) {
		Matcher byaccj = BYACCJ.matcher(line);
		if (byaccj.matches()) {
			SourceLine source = sourceOf(byaccj.group(3), byaccj.group(2));
			if (source == null) return line;
			String severity = byaccj.group(1).equals("w") ? "warning" : "error";
			return source + ": " + severity + ": " + byaccj.group(4);
		}
		Matcher maven = MAVEN.matcher(line);
		if (maven.matches()) {
			SourceLine source = sourceOf(maven.group(2), maven.group(3));
			if (source == null) return line;
			String column = maven.group(4) == null ? "" : maven.group(4);
			return maven.group(1) + source.file() + ":[" + source.line() + column + "]" + maven.group(5);
		}
		Matcher javac = JAVAC.matcher(line);
		if (javac.matches()) {
			SourceLine source = sourceOf(javac.group(2), javac.group(3));
			if (source == null) return line;
			return javac.group(1) + source + ":" + (javac.group(4) == null ? "" : javac.group(4));
		}
		return line;
	}

	private SourceLine sourceOf(String file, String digits) {
		long line;
		try {
			line = Long.parseLong(digits);
		} catch (NumberFormatException tooLong) {
			return null;
		}
		return line > 0 ? mapper.sourceOf(file, line) : null;
	}
}
