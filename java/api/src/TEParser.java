import es.corvena.dmq.typeChecking.TEParserIF;
import es.corvena.dmq.typeChecking.TermList;
import es.corvena.dmq.typeChecking.TypeIF;
import es.corvena.dmq.typeChecking.TypesTable;
import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/**
 * Reads one type expression and builds its type in a types table:
 *
 *   type := name [ "(" term { "," term } ")" ]
 *   term := type | "text"
 *
 * A name is a letter followed by letters, digits, '_' or '.'; blanks may
 * stand between the pieces; a text is written in double quotes, with '\'
 * escaping the next character. The generated class Type makes one parser
 * per expression, by this class name.
 */
public class TEParser implements TEParserIF {

	private final String input;
	private final TypesTable table;
	private int position;

	/** A parser of input that builds its types in table. */
	public TEParser(String input, TypesTable table) {
		this.input = input;
		this.table = table;
	}

	/** Reads the whole input as one type expression; a fault is a TypeException naming the column. */
	@Override
	public TypeIF parse() throws TypeException {
		position = 0;
		TypeIF type = type();
		skipBlanks();
		if (position < input.length()) throw error("unexpected '" + input.charAt(position) + "'");
		return type;
	}

	private TypeIF type() throws TypeException {
		String name = name();
		TermList arguments = new TermList(name);
		if (peek() == '(') {
			position++;
			do {
				if (peek() == '"') arguments.add(text());
				else arguments.add(type());
			} while (accept(','));
			if (!accept(')')) throw error("')' expected");
		}
		return table.createType(name, arguments);
	}

	private String name() throws TypeException {
		skipBlanks();
		int start = position;
		if (position < input.length() && Character.isLetter(input.charAt(position))) {
			position++;
			while (position < input.length() && isNamePart(input.charAt(position))) position++;
		}
		if (start == position) throw error("type name expected");
		return input.substring(start, position);
	}

	private static boolean isNamePart(char c) {
		return Character.isLetterOrDigit(c) || c == '_' || c == '.';
	}

	/** Called at the opening quote. */
	private String text() throws TypeException {
		StringBuilder text = new StringBuilder();
		position++;
		while (position < input.length() && input.charAt(position) != '"') {
			if (input.charAt(position) == '\\') position++;
			if (position < input.length()) text.append(input.charAt(position++));
		}
		if (position >= input.length()) throw error("unterminated text");
		position++;
		return text.toString();
	}

	private boolean accept(char c) {
		if (peek() != c) return false;
		position++;
		return true;
	}

	/** The next character after blanks, or 0 at the end. */
	private char peek() {
		skipBlanks();
		return position < input.length() ? input.charAt(position) : 0;
	}

	private void skipBlanks() {
		while (position < input.length() && Character.isWhitespace(input.charAt(position))) position++;
	}

	private TypeException error(String what) {
		return new TypeException("bad type expression " + TermList.quote(input) + ": " + what
				+ " at column " + (position + 1));
	}
}
