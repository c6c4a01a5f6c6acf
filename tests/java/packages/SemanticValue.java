package calc;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/** The calculator's symbol values; type errors are printed as they come. */
public class SemanticValue {
	Type type;
	String text;
	int line;

	public SemanticValue() {
	}

	SemanticValue(Type type, int line) {
		this.type = type;
		this.line = line;
	}

	/** The handler of every typechecking block: TypeException shows its own line. */
	public static void addError(Exception e) {
		System.out.println(e instanceof TypeException ? e.toString() : "not a type error: " + e);
	}
}
