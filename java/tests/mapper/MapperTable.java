import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.util.HashMap;
import java.util.Map;

import org.typetools.build.CompilerOutputMapper;
import org.typetools.build.LineMapper;
import org.typetools.build.MappingOutputStream;
import org.typetools.build.SourceMap;

/**
 * The mapper over the shapes of compiler output and maps it meets: javac's
 * diagnostics in Type.java and in byacc/J's parser, byacc/J's own messages,
 * source maps of several strata, maps given by hand, Windows paths, and the
 * lines that must pass unchanged. Files live in a table; relative paths start
 * in /p.
 */
public final class MapperTable {

	private static final String VASTOR_MAP = String.join("\n", "SMAP", "Type.java", "Vastor", "*S Vastor", "*F",
			"+ 1 types.spec", "../src/types.spec", "*L", "37#1,1:256", "40#1,3:300", "50#1,1:310,4", "*E", "");

	/** Several strata (the default is not the first), ids, sticky file ids, sections to skip. */
	private static final String GENERAL_MAP = String.join("\n", "SMAP", "Page.java", "JSP",
			"*S Other", "*F", "1 wrong.txt", "*L", "1:1,1000",
			"*S JSP", "*F", "+ 0 page.jsp", "web/page.jsp", "1 inc.jsp", "*L",
			"1,5:10", "20#1,2:30,3", "7:40",
			"*V", "vendor", "1:999",
			"*O Inner", "*S Inner", "*F", "1 inner.txt", "*L", "1#1:50", "*C Inner",
			"*X", "9:60", "*E", "");

	private static final Map<String, String> FILES = new HashMap<>();

	static {
		FILES.put("/p/gen/Type.java.smap", VASTOR_MAP);
		FILES.put("/p/jsp/Page.java.smap", GENERAL_MAP);
		FILES.put("/p/bad/X.java.smap", "not a map\n1:1\n");
		FILES.put("/p/perlan/lang.y.smap", SourceMap.oneToOne("lang.y", "Perlan", "/p/src/lang.yt", 200));
		FILES.put("/p/parser/Parser.java", String.join("\n", "package x;",
				"//#line 10 \"/p/perlan/lang.y\"", "a", "b",
				"//#line 33 \"Parser.java\"", "c",
				"//#line 56 \"../perlan/lang.y\"\r", "d", ""));
		FILES.put("/p/parser/Other.java", "//#line 5 \"/p/other/plain.y\"\nx\n");
		FILES.put("/p/parser/Given.java", "//#line 5 \"given.y\"\nx\ny\n");
		FILES.put("C:\\p\\gen\\Type.java.smap", VASTOR_MAP.replace("../src/types.spec", "..\\src\\types.spec"));
		FILES.put("/p/src/lang.yt", "%%\n");
	}

	/** Name, compiler output, maps given by hand (GENERATED=SOURCE, or ""), expected output. */
	private static final String[][] CASES = {
		{"javac in Type.java", "/p/gen/Type.java:256: error: cannot find symbol", "",
			"/p/src/types.spec:37: error: cannot find symbol"},
		{"javac's lines after the location stay",
			"/p/gen/Type.java:256: error: cannot find symbol\n return getNme(); \n        ^\n"
				+ "  symbol:   method getNme()\n  location: class BaseType\n1 error", "",
			"/p/src/types.spec:37: error: cannot find symbol\n return getNme(); \n        ^\n"
				+ "  symbol:   method getNme()\n  location: class BaseType\n1 error"},
		{"repeat count", "/p/gen/Type.java:302: error: x", "", "/p/src/types.spec:42: error: x"},
		{"several output lines for one input line", "/p/gen/Type.java:313: error: x", "",
			"/p/src/types.spec:50: error: x"},
		{"just past an entry", "/p/gen/Type.java:314: error: x", "", "/p/gen/Type.java:314: error: x"},
		{"the fixed head maps nowhere", "/p/gen/Type.java:1: error: x", "", "/p/gen/Type.java:1: error: x"},
		{"warnings keep their kind", "/p/gen/Type.java:300: warning: [unchecked] unchecked call", "",
			"/p/src/types.spec:40: warning: [unchecked] unchecked call"},
		{"a path relative to the working folder", "gen/Type.java:256: error: x", "", "src/types.spec:37: error: x"},
		{"Ant's prefix", "    [javac] /p/gen/Type.java:256: error: x", "",
			"    [javac] /p/src/types.spec:37: error: x"},
		{"Maven's form", "[ERROR] /p/gen/Type.java:[256,9] cannot find symbol", "",
			"[ERROR] /p/src/types.spec:[37,9] cannot find symbol"},
		{"Maven's form without a column", "[ERROR] /p/gen/Type.java:[256] error: x", "",
			"[ERROR] /p/src/types.spec:[37] error: x"},
		{"a Windows path", "C:\\p\\gen\\Type.java:256: error: x", "", "C:\\p\\src\\types.spec:37: error: x"},
		{"parser line through //#line and the grammar's map", "/p/parser/Parser.java:4: error: x", "",
			"/p/src/lang.yt:11: error: x"},
		{"byacc/J's own code", "/p/parser/Parser.java:6: error: x", "", "/p/parser/Parser.java:6: error: x"},
		{"a //#line path relative to the parser, CR LF", "/p/parser/Parser.java:8: error: x", "",
			"/p/src/lang.yt:56: error: x"},
		{"above the first //#line comment", "/p/parser/Parser.java:1: error: x", "",
			"/p/parser/Parser.java:1: error: x"},
		{"a grammar without a map", "/p/parser/Other.java:2: error: x", "", "/p/parser/Other.java:2: error: x"},
		{"a grammar mapped by hand", "/p/parser/Given.java:3: error: x", "given.y=src/given.yt",
			"src/given.yt:6: error: x"},
		{"a map by hand by path", "/p/parser/Given.java:3: error: x", "parser/given.y=given.yt",
			"given.yt:6: error: x"},
		{"a map by hand for another file", "/p/parser/Given.java:3: error: x", "other.y=src/given.yt",
			"/p/parser/Given.java:3: error: x"},
		{"byacc/J's error", "byaccj: e - line 56 of \"/p/perlan/lang.y\", unterminated action\n"
				+ "s : A { foo(\n      ^", "",
			"/p/src/lang.yt:56: error: unterminated action\ns : A { foo(\n      ^"},
		{"byacc/J's warning", "byaccj: w - line 3 of \"/p/perlan/lang.y\", $3 references beyond the end", "",
			"/p/src/lang.yt:3: warning: $3 references beyond the end"},
		{"byacc/J's message, two blanks", "byaccj: w - line 4 of  \"/p/perlan/lang.y\", conflicting %prec", "",
			"/p/src/lang.yt:4: warning: conflicting %prec"},
		{"byacc/J's error, grammar mapped by hand", "byaccj: e - line 3 of \"lang2.y\", syntax error",
			"lang2.y=grammar/lang2.yt", "grammar/lang2.yt:3: error: syntax error"},
		{"byacc/J's messages that lead nowhere",
			"byaccj: e - line 3 of \"other.y\", syntax error\nbyaccj: 1 shift/reduce conflict.", "",
			"byaccj: e - line 3 of \"other.y\", syntax error\nbyaccj: 1 shift/reduce conflict."},
		{"the default stratum, a path", "/p/jsp/Page.java:12: error: x", "", "/p/jsp/web/page.jsp:3: error: x"},
		{"a file id and an increment", "/p/jsp/Page.java:34: error: x", "", "/p/jsp/inc.jsp:21: error: x"},
		{"a file id kept from the entry before", "/p/jsp/Page.java:40: error: x", "", "/p/jsp/inc.jsp:7: error: x"},
		{"vendor, embedded and unknown sections are skipped",
			"/p/jsp/Page.java:999: error: x\n/p/jsp/Page.java:50: error: x\n/p/jsp/Page.java:60: error: x", "",
			"/p/jsp/Page.java:999: error: x\n/p/jsp/Page.java:50: error: x\n/p/jsp/Page.java:60: error: x"},
		{"not a source map", "/p/bad/X.java:1: error: x", "", "/p/bad/X.java:1: error: x"},
		{"no such file", "/p/none/Y.java:1: error: x", "", "/p/none/Y.java:1: error: x"},
		{"lines that are no location", "Note: Recompile with -Xlint:unchecked for details.\n1 error\n"
				+ "  location: class BaseType\nx ? a:1:2", "",
			"Note: Recompile with -Xlint:unchecked for details.\n1 error\n  location: class BaseType\nx ? a:1:2"},
		{"a line number beyond long", "/p/gen/Type.java:99999999999999999999: error: x", "",
			"/p/gen/Type.java:99999999999999999999: error: x"},
		{"line ends and a last line without one",
			"/p/gen/Type.java:256: error: x\r\nsource\r\n/p/gen/Type.java:300: error: y", "",
			"/p/src/types.spec:37: error: x\r\nsource\r\n/p/src/types.spec:40: error: y"},
		{"bytes that are not UTF-8 pass as they are", "caf\\xE9\n/p/gen/Type.java:256: error: \\xE9", "",
			"caf\\xE9\n/p/src/types.spec:37: error: \uFFFD"},
	};

	public static void main(String[] arguments) throws IOException {
		int passed = 0;
		int failed = 0;
		for (String[] row : CASES) {
			LineMapper lines = new LineMapper(MapperTable::read, "/p");
			if (!row[2].isEmpty()) {
				int equals = row[2].indexOf('=');
				lines.addMap(row[2].substring(0, equals), row[2].substring(equals + 1));
			}
			ByteArrayOutputStream out = new ByteArrayOutputStream();
			try (MappingOutputStream mapped = new MappingOutputStream(out, new CompilerOutputMapper(lines),
					StandardCharsets.UTF_8)) {
				mapped.write(bytes(row[1]));
			}
			byte[] expected = bytes(row[3]);
			if (java.util.Arrays.equals(out.toByteArray(), expected)) {
				passed++;
			} else {
				failed++;
				System.out.println("FAIL " + row[0] + "\n  expected: " + new String(expected, StandardCharsets.UTF_8)
						+ "\n  actual:   " + out.toString(StandardCharsets.UTF_8));
			}
		}
		String written = SourceMap.oneToOne("lang.y", "Perlan", "../src/lang.yt", 3);
		String expectedMap = "SMAP\nlang.y\nPerlan\n*S Perlan\n*F\n+ 1 lang.yt\n../src/lang.yt\n*L\n1#1,3:1\n*E\n";
		if (written.equals(expectedMap)) {
			passed++;
		} else {
			failed++;
			System.out.println("FAIL the one-to-one map\n  expected: " + expectedMap + "\n  actual:   " + written);
		}
		System.out.println(passed + " passed, " + failed + " failed");
		System.exit(failed == 0 ? 0 : 1);
	}

	private static String read(String path) {
		if (path.startsWith("C:")) return FILES.get(path);
		return FILES.get(path.startsWith("/") ? path : "/p/" + path);
	}

	/** The text in UTF-8, \xNN as the byte NN. */
	private static byte[] bytes(String text) {
		ByteArrayOutputStream out = new ByteArrayOutputStream();
		for (int i = 0; i < text.length(); i++) {
			if (text.startsWith("\\x", i)) {
				out.write(Integer.parseInt(text.substring(i + 2, i + 4), 16));
				i += 3;
			} else {
				byte[] character = String.valueOf(text.charAt(i)).getBytes(StandardCharsets.UTF_8);
				out.write(character, 0, character.length);
			}
		}
		return out.toByteArray();
	}
}
