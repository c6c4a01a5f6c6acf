package org.typetools.build;

import java.nio.ByteBuffer;
import java.nio.CharBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CharsetDecoder;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;

/**
 * Turns what Vastor or Perlan wrote on standard error into {@link Diagnostic}s
 * about the input file.
 *
 * <p>The tools print any number of notes (switch override warnings,
 * "Definition of" notices), then at most one error, which ends the run and
 * takes the rest of the output (a message may hold line breaks of the input).
 * Errors found in the input carry its line: "Syntax error( line 12 ):text".
 *
 * <p>The fixed Spanish messages hold Latin-1 bytes (0xED, 0xE9), while texts
 * copied from the input are usually UTF-8: every well-formed UTF-8 sequence is
 * read as UTF-8 and every other byte as Latin-1, so both come out right.
 */
public final class DiagnosticsTranslator {

	private static final Pattern LOCATED =
			Pattern.compile("(Scanner|Syntax|Semantic) error\\( line (-?\\d+) \\):(.*)", Pattern.DOTALL);
	private static final String CONFIGURATION = "Vastor Configuration Error :";
	private static final String SWITCH_WARNING = "Vastor Switch Warning: ";
	private static final String DEFINITION_NOTE = "Definition of ";

	private DiagnosticsTranslator() {
	}

	/** The diagnostics in the tool's output, all about file (the input as the user named it). */
	public static List<Diagnostic> translate(byte[] toolOutput, String file) {
		String text = decode(toolOutput);
		List<Diagnostic> diagnostics = new ArrayList<>();
		int start = 0;
		while (start < text.length()) {
			int end = text.indexOf('\n', start);
			String line = text.substring(start, end < 0 ? text.length() : end);
			if (line.endsWith("\r")) line = line.substring(0, line.length() - 1);
			if (line.startsWith(SWITCH_WARNING)) {
				diagnostics.add(new Diagnostic(Diagnostic.Severity.WARNING, file, 0,
						line.substring(SWITCH_WARNING.length())));
			} else if (line.startsWith(DEFINITION_NOTE)) {
				diagnostics.add(new Diagnostic(Diagnostic.Severity.WARNING, file, 0, line));
			} else if (!line.trim().isEmpty()) {
				diagnostics.add(error(stripLastLineEnd(text.substring(start)), file));
				break;
			}
			if (end < 0) break;
			start = end + 1;
		}
		return diagnostics;
	}

	private static Diagnostic error(String text, String file) {
		Matcher located = LOCATED.matcher(text);
		if (located.matches()) {
			long line = parseLine(located.group(2));
			return new Diagnostic(Diagnostic.Severity.ERROR, file, line,
					located.group(1) + " error: " + located.group(3));
		}
		if (text.startsWith(CONFIGURATION))
			return new Diagnostic(Diagnostic.Severity.ERROR, file, 0,
					"Vastor configuration: " + text.substring(CONFIGURATION.length()));
		// Files that cannot be opened or written, the usage texts, internal
		// errors and the library's own errors: the text as it is.
		return new Diagnostic(Diagnostic.Severity.ERROR, file, 0, text.trim());
	}

	private static long parseLine(String digits) {
		try {
			return Math.max(0, Long.parseLong(digits));
		} catch (NumberFormatException tooLong) {
			return 0;
		}
	}

	private static String stripLastLineEnd(String text) {
		if (text.endsWith("\r\n")) return text.substring(0, text.length() - 2);
		if (text.endsWith("\n")) return text.substring(0, text.length() - 1);
		return text;
	}

	/** Decodes well-formed UTF-8 sequences as UTF-8 and each other byte as Latin-1. */
	public static String decode(byte[] bytes) {
		CharsetDecoder utf8 = StandardCharsets.UTF_8.newDecoder()
				.onMalformedInput(CodingErrorAction.REPORT)
				.onUnmappableCharacter(CodingErrorAction.REPORT);
		try {
			return utf8.decode(ByteBuffer.wrap(bytes)).toString();
		} catch (CharacterCodingException mixed) {
			// Fall through to the byte-by-byte reading below.
		}
		StringBuilder text = new StringBuilder(bytes.length);
		int i = 0;
		while (i < bytes.length) {
			int length = utf8SequenceLength(bytes, i);
			if (length > 1) {
				text.append(new String(bytes, i, length, StandardCharsets.UTF_8));
				i += length;
			} else {
				text.append((char) (bytes[i] & 0xFF));
				i++;
			}
		}
		return text.toString();
	}

	/** The length of the well-formed UTF-8 sequence at i, or 1 for a single byte. */
	private static int utf8SequenceLength(byte[] bytes, int i) {
		int lead = bytes[i] & 0xFF;
		int length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
				: lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
		if (length == 1 || i + length > bytes.length) return 1;
		CharsetDecoder strict = StandardCharsets.UTF_8.newDecoder()
				.onMalformedInput(CodingErrorAction.REPORT)
				.onUnmappableCharacter(CodingErrorAction.REPORT);
		try {
			CharBuffer decoded = strict.decode(ByteBuffer.wrap(bytes, i, length));
			return decoded.length() > 0 ? length : 1;
		} catch (CharacterCodingException malformed) {
			return 1;
		}
	}
}
