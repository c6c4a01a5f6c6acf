package org.typetools.build;

import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.Charset;

/**
 * typetools-map: reads a compiler's output on standard input and writes it on
 * standard output with every location in a generated file moved to the line
 * the user wrote (see {@link CompilerOutputMapper}).
 *
 * <pre>javac -d classes gen/*.java 2&gt;&amp;1 | typetools-map --map gen/lang.y=src/lang.yt</pre>
 */
public final class TypetoolsMap {

	private static final String USAGE = "usage: typetools-map [--map GENERATED=SOURCE]... < compiler-output";

	private TypetoolsMap() {
	}

	public static void main(String[] arguments) throws IOException {
		LineMapper mapper = new LineMapper();
		for (int i = 0; i < arguments.length; i++) {
			String argument = arguments[i];
			String map = null;
			if (argument.equals("--map") && i + 1 < arguments.length) map = arguments[++i];
			else if (argument.startsWith("--map=")) map = argument.substring("--map=".length());
			else if (argument.equals("--help") || argument.equals("-h")) {
				System.out.println(USAGE);
				return;
			}
			int equals = map == null ? -1 : map.indexOf('=');
			if (equals <= 0 || equals == map.length() - 1) {
				System.err.println("typetools-map: " + (map == null ? "unknown argument " + argument
						: "--map needs GENERATED=SOURCE, not " + map));
				System.err.println(USAGE);
				System.exit(2);
			}
			mapper.addMap(map.substring(0, equals), map.substring(equals + 1));
		}
		Charset charset = consoleCharset();
		try (OutputStream out = new MappingOutputStream(System.out, new CompilerOutputMapper(mapper), charset)) {
			System.in.transferTo(out);
		}
		System.out.flush();
	}

	/** The charset the compiler's output is in: the platform's. */
	static Charset consoleCharset() {
		String name = System.getProperty("native.encoding");
		try {
			return name != null ? Charset.forName(name) : Charset.defaultCharset();
		} catch (RuntimeException unknown) {
			return Charset.defaultCharset();
		}
	}
}
