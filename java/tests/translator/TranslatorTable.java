import java.io.ByteArrayOutputStream;
import java.util.ArrayList;
import java.util.List;

import org.typetools.build.Diagnostic;
import org.typetools.build.DiagnosticsTranslator;

/**
 * Every family of messages that Vastor and Perlan print, as the tools write
 * them (\xNN is one byte, so the Latin-1 letters of the Spanish messages are
 * the single bytes the tools write), and the diagnostics they become for the
 * input "src/types.spec".
 */
public final class TranslatorTable {

	private static final String[][] CASES = {
		{"nothing printed", "", ""},
		{"scanner error", "Scanner error( line 3 ):unexpected character '#'\n",
			"src/types.spec:3: error: Scanner error: unexpected character '#'"},
		{"syntax error", "Syntax error( line 12 ):Se esperaba el signo =\n",
			"src/types.spec:12: error: Syntax error: Se esperaba el signo ="},
		{"semantic error", "Semantic error( line 4 ):tipo no definido foo\n",
			"src/types.spec:4: error: Semantic error: tipo no definido foo"},
		{"empty message", "Syntax error( line 1 ):\n", "src/types.spec:1: error: Syntax error: "},
		{"Latin-1 i acute", "Scanner error( line 9 ):fin de fichero alcanzado mientras se le\\xEDa el cuerpo\n",
			"src/types.spec:9: error: Scanner error: fin de fichero alcanzado mientras se le\u00eda el cuerpo"},
		{"Latin-1 e acute", "Syntax error( line 20 ):Al leer el cuerpo del m\\xE9todo\n",
			"src/types.spec:20: error: Syntax error: Al leer el cuerpo del m\u00e9todo"},
		{"Latin-1 with the input's UTF-8", "Semantic error( line 5 ):le\\xEDdo se\\xC3\\xB1al\n",
			"src/types.spec:5: error: Semantic error: le\u00eddo se\u00f1al"},
		{"Latin-1 at the very end", "Syntax error( line 2 ):m\\xE9\n", "src/types.spec:2: error: Syntax error: m\u00e9"},
		{"message over two lines", "Scanner error( line 6 ):bad character '\n'\n",
			"src/types.spec:6: error: Scanner error: bad character '\n'"},
		{"line number beyond int", "Syntax error( line 99999999999999999999 ):x\n",
			"src/types.spec: error: Syntax error: x"},
		{"configuration error", "Vastor Configuration Error :no API location especified with baseError Flag\n",
			"src/types.spec: error: Vastor configuration: no API location especified with baseError Flag"},
		{"line ends of CR LF", "Definition of Foo.boolean equalsTo (Type)\r\nSyntax error( line 3 ):x\r\n",
			"src/types.spec: warning: Definition of Foo.boolean equalsTo (Type)\nsrc/types.spec:3: error: Syntax error: x"},
		{"switch warning", "Vastor Switch Warning: Overriding existing switch OUTIMPL\n",
			"src/types.spec: warning: Overriding existing switch OUTIMPL"},
		{"notes, then an error",
			"Definition of Foo.boolean equalsTo (Type)\nDefinition of Bar.Type implicitCast (Type)\n"
				+ "Semantic error( line 30 ):m\\xE9todo repetido\n",
			"src/types.spec: warning: Definition of Foo.boolean equalsTo (Type)\n"
				+ "src/types.spec: warning: Definition of Bar.Type implicitCast (Type)\n"
				+ "src/types.spec:30: error: Semantic error: m\u00e9todo repetido"},
		{"input not opened (no line end)", "Can not open input file src/types.spec",
			"src/types.spec: error: Can not open input file src/types.spec"},
		{"input not read", "Can not read input file src/types.spec\n",
			"src/types.spec: error: Can not read input file src/types.spec"},
		{"output not created", "Can not create output file Type.java\n",
			"src/types.spec: error: Can not create output file Type.java"},
		{"output not written", "Can not write output file Type.java\n",
			"src/types.spec: error: Can not write output file Type.java"},
		{"API file not opened", "Can not open API TypeException.java file: api/errorHandling/TypeException.java\n",
			"src/types.spec: error: Can not open API TypeException.java file: api/errorHandling/TypeException.java"},
		{"internal error", "Internal error (file Scanner, line 3) unknown state in int ScannerTokenizer::yylex()\n",
			"src/types.spec: error: Internal error (file Scanner, line 3) unknown state in int ScannerTokenizer::yylex()"},
		{"Perlan: output is the input", "Can not write in the input file\n",
			"src/types.spec: error: Can not write in the input file"},
		{"Perlan: output not opened", "Can not open output file out/g.y",
			"src/types.spec: error: Can not open output file out/g.y"},
		{"Perlan: usage", "\n\tUsage: Perlan input_file [output_file]\n",
			"src/types.spec: error: Usage: Perlan input_file [output_file]"},
		{"Vastor: usage", "usage:\n    Vastor [options] <input_file>\n",
			"src/types.spec: error: usage:\n    Vastor [options] <input_file>"},
		{"the library's own error", "std::bad_alloc\n", "src/types.spec: error: std::bad_alloc"},
	};

	public static void main(String[] arguments) {
		int passed = 0;
		int failed = 0;
		for (String[] row : CASES) {
			List<String> lines = new ArrayList<>();
			for (Diagnostic diagnostic : DiagnosticsTranslator.translate(bytes(row[1]), "src/types.spec"))
				lines.add(diagnostic.toString());
			String actual = String.join("\n", lines);
			if (actual.equals(row[2])) {
				passed++;
			} else {
				failed++;
				System.out.println("FAIL " + row[0] + "\n  expected: " + row[2] + "\n  actual:   " + actual);
			}
		}
		System.out.println(passed + " passed, " + failed + " failed");
		System.exit(failed == 0 ? 0 : 1);
	}

	/** The text's characters as bytes, \xNN as the byte NN. */
	private static byte[] bytes(String text) {
		ByteArrayOutputStream out = new ByteArrayOutputStream();
		for (int i = 0; i < text.length(); i++) {
			if (text.startsWith("\\x", i)) {
				out.write(Integer.parseInt(text.substring(i + 2, i + 4), 16));
				i += 3;
			} else {
				out.write(text.charAt(i));
			}
		}
		return out.toByteArray();
	}
}
