package org.typetools.build;

import java.io.IOException;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;

/**
 * Filter for build scripts: reads what Vastor or Perlan wrote on standard
 * error from standard input and writes it, translated, on standard error in
 * UTF-8.
 *
 * <pre>Vastor ... types.spec 2&gt;err; java -jar typetools-build.jar types.spec &lt;err</pre>
 */
public final class TranslateDiagnostics {

	private TranslateDiagnostics() {
	}

	public static void main(String[] arguments) throws IOException {
		if (arguments.length != 1) {
			System.err.println("usage: java -jar typetools-build.jar <input file> < tool-messages");
			System.exit(2);
		}
		byte[] messages = System.in.readAllBytes();
		PrintStream out = new PrintStream(System.err, true, StandardCharsets.UTF_8);
		for (Diagnostic diagnostic : DiagnosticsTranslator.translate(messages, arguments[0]))
			out.println(diagnostic);
		out.flush();
	}
}
