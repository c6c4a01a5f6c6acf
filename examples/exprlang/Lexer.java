import java.io.IOException;
import java.io.Reader;
import java.io.UncheckedIOException;

/**
 * The scanner of exprlang: words, numbers, texts in double quotes, the
 * operators "&&" and "==", single characters, and comments from "//" to the
 * end of the line. It counts lines in SemanticValue.currentLine.
 */
class Lexer {

	private final Reader input;
	private int peeked = -2;
	private SemanticValue value;

	Lexer(Reader input) {
		this.input = input;
	}

	/** The semantic value of the token that next() returned last. */
	SemanticValue value() {
		return value;
	}

	/** The next token, 0 at the end of the input. */
	int next() {
		int c = skipBlanksAndComments();
		value = new SemanticValue();
		if (c < 0) return 0;
		if (Character.isLetter(c)) {
			String word = take(c, Character::isLetterOrDigit);
			value.text = word;
			switch (word) {
				case "var": return Parser.VAR;
				case "print": return Parser.PRINT;
				case "true": return Parser.TRUE;
				case "false": return Parser.FALSE;
				default: return Parser.IDENT;
			}
		}
		if (Character.isDigit(c)) {
			take(c, Character::isDigit);
			if (peek() != '.') return Parser.INTEGER;
			take(read(), Character::isDigit);
			return Parser.REAL;
		}
		if (c == '"') {
			for (c = read(); c >= 0 && c != '"' && c != '\n'; c = read()) { }
			if (c != '"') System.out.println("line " + SemanticValue.currentLine + ": unterminated text");
			if (c == '\n') SemanticValue.currentLine++;
			return Parser.TEXT;
		}
		if (c == '&' && peek() == '&') {
			read();
			return Parser.AND;
		}
		if (c == '=' && peek() == '=') {
			read();
			return Parser.EQUALS;
		}
		return c;
	}

	private int skipBlanksAndComments() {
		for (;;) {
			int c = read();
			if (c == '\n') SemanticValue.currentLine++;
			else if (c == '/' && peek() == '/') {
				while (c >= 0 && c != '\n') c = read();
				if (c == '\n') SemanticValue.currentLine++;
			}
			else if (c < 0 || !Character.isWhitespace(c)) return c;
		}
	}

	private String take(int first, java.util.function.IntPredicate part) {
		StringBuilder text = new StringBuilder().appendCodePoint(first);
		while (peek() >= 0 && part.test(peek())) text.appendCodePoint(read());
		return text.toString();
	}

	private int peek() {
		if (peeked == -2) peeked = readInput();
		return peeked;
	}

	private int read() {
		int c = peek();
		peeked = -2;
		return c;
	}

	private int readInput() {
		try {
			return input.read();
		}
		catch (IOException e) {
			throw new UncheckedIOException(e);
		}
	}
}
