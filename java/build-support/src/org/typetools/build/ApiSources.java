package org.typetools.build;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStream;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

/**
 * The sources of the Java type-checking API, carried in this jar under
 * typetools-api/ with the list of their paths in typetools-api/files.txt.
 */
public final class ApiSources {

	/** The folder of the API's package, relative to a source root; Vastor's -API points there. */
	public static final String PACKAGE_FOLDER = "es/corvena/dmq/typeChecking";
	/** The ready type-expression parser, in the package of Type. */
	public static final String TE_PARSER = "TEParser.java";

	private static final String ROOT = "/typetools-api/";

	private ApiSources() {
	}

	/** Copies the API, without the parser TEParser, into the source root. */
	public static void copyTo(Path sourceRoot) throws IOException {
		for (String file : files()) {
			if (file.equals(TE_PARSER)) continue;
			Path target = sourceRoot.resolve(file);
			Files.createDirectories(target.getParent());
			try (InputStream in = open(file)) {
				Files.copy(in, target);
			}
		}
		Files.createDirectories(sourceRoot.resolve(PACKAGE_FOLDER).resolve("errorHandling"));
	}

	/** The source of TEParser in the named package ("" for the default package). */
	public static String teParser(String packageName) throws IOException {
		String text;
		try (InputStream in = open(TE_PARSER)) {
			text = new String(in.readAllBytes(), StandardCharsets.UTF_8);
		}
		return packageName.isEmpty() ? text : "package " + packageName + ";\n\n" + text;
	}

	private static List<String> files() throws IOException {
		List<String> files = new ArrayList<>();
		try (BufferedReader index = new BufferedReader(new InputStreamReader(open("files.txt"),
				StandardCharsets.UTF_8))) {
			for (String line = index.readLine(); line != null; line = index.readLine())
				if (!line.trim().isEmpty()) files.add(line.trim());
		}
		return files;
	}

	private static InputStream open(String file) throws IOException {
		InputStream in = ApiSources.class.getResourceAsStream(ROOT + file);
		if (in == null) throw new IOException("the API source " + file + " is missing from this jar");
		return in;
	}
}
