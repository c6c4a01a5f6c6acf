import java.util.ArrayList;
import java.util.List;

/**
 * The value of a grammar symbol in the exprlang parser: the type of an
 * expression, or the text of a name or a type expression, and the line where
 * the symbol was read. The class also keeps the type errors that the
 * typechecking blocks reported.
 */
public class SemanticValue {

	/** The line the lexer has reached; errors are reported at it. */
	static int currentLine = 1;
	private static final List<String> errors = new ArrayList<>();

	Type type;
	String text;
	int line = currentLine;

	/** Called by the handler of every rewritten typechecking block. */
	public static void addError(Exception e) {
		String message = e.getMessage() != null ? e.getMessage() : e.toString();
		errors.add("line " + currentLine + ": " + message);
	}

	static List<String> errors() {
		return errors;
	}

	static SemanticValue typed(Type type) {
		SemanticValue value = new SemanticValue();
		value.type = type;
		return value;
	}

	static SemanticValue text(String text) {
		SemanticValue value = new SemanticValue();
		value.text = text;
		return value;
	}
}
