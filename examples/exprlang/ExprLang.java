import java.io.FileReader;
import java.io.IOException;
import java.io.Reader;

/**
 * Checks the types of an exprlang program: java ExprLang program.expr
 * Prints the type of every print statement, then every type error found.
 * Exits with 0 when the whole program was parsed (whatever the type errors),
 * 1 after a syntax error that stopped the parser.
 */
public class ExprLang {

	public static void main(String[] args) throws IOException {
		if (args.length != 1) {
			System.err.println("usage: java ExprLang program.expr");
			System.exit(2);
		}
		try (Reader input = new FileReader(args[0])) {
			Parser parser = new Parser(new Lexer(input));
			boolean parsed = parser.yyparse() == 0;
			System.out.println((parsed ? "parsed to the end: " : "parsing stopped after ") + parser.statements
					+ " statements, " + SemanticValue.errors().size() + " type errors");
			for (String error : SemanticValue.errors()) System.out.println(error);
			System.exit(parsed ? 0 : 1);
		}
	}
}
