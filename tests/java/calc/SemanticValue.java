import java.util.ArrayList;
import java.util.List;

/** Value of a calculator expression; also records the type errors found. */
public class SemanticValue {

	/** The input line the scanner has reached. */
	static int line = 1;
	private static final List<String> errors = new ArrayList<>();

	boolean isTruth;
	int number;
	boolean truth;

	/** Called by every rewritten typechecking block that raised an exception. */
	public static void addError(Exception e) {
		errors.add("line " + line + ": " + e.getMessage());
	}

	static List<String> errors() {
		return errors;
	}

	static SemanticValue number(int n) {
		SemanticValue value = new SemanticValue();
		value.number = n;
		return value;
	}

	static SemanticValue truth(boolean b) {
		SemanticValue value = new SemanticValue();
		value.isTruth = true;
		value.truth = b;
		return value;
	}

	public String toString() {
		return isTruth ? String.valueOf(truth) : String.valueOf(number);
	}
}
