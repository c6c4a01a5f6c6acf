package org.typetools.build;

import java.io.File;
import java.io.IOException;
import java.net.URISyntaxException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.security.CodeSource;
import java.util.Arrays;

/**
 * Writes the small script that the build tools' compile steps run as their
 * javac (maven-compiler-plugin's executable, Gradle's forkOptions.executable,
 * Ant's javac executable): it starts {@link MappingJavac} with the Java that
 * runs the build and this jar, so that javac's errors in generated files are
 * shown at the specification's or grammar's lines.
 */
public final class JavacWrapper {

	/**
	 * A compile is short and runs once: a JVM that compiles with the quick
	 * compiler only and collects with one thread spends about half the CPU
	 * time of the default one (exprlang: 1.2 s against 2.0 s; a Type.java of
	 * 51,000 lines: 3.9 s against 9.5 s; see java/README.md).
	 */
	private static final String JVM_OPTIONS = "-XX:TieredStopAtLevel=1 -XX:+UseSerialGC";

	private JavacWrapper() {
	}

	/** Writes the script into folder (unless it is there as it should be) and gives its path. */
	public static Path install(Path folder) throws GenerationFailure {
		boolean windows = File.separatorChar == '\\';
		Path java = Paths.get(System.getProperty("java.home"), "bin", windows ? "java.exe" : "java");
		String jar = jarOfThisClass();
		String text = windows
				? "@echo off\r\nrem javac, with its messages moved to the lines of the specifications and grammars\r\n\""
						+ java + "\" " + JVM_OPTIONS + " -cp \"" + jar + "\" " + MappingJavac.class.getName()
						+ " %*\r\nexit /b %ERRORLEVEL%\r\n"
				: "#!/bin/sh\n# javac, with its messages moved to the lines of the specifications and grammars\nexec "
						+ shellQuote(java.toString()) + " " + JVM_OPTIONS + " -cp " + shellQuote(jar) + " "
						+ MappingJavac.class.getName() + " \"$@\"\n";
		Path script = folder.resolve(windows ? "typetools-javac.cmd" : "typetools-javac");
		try {
			byte[] bytes = text.getBytes(StandardCharsets.UTF_8);
			if (!Files.isRegularFile(script) || !Arrays.equals(Files.readAllBytes(script), bytes)) {
				Files.createDirectories(folder);
				Files.write(script, bytes);
			}
			if (!windows && !Files.isExecutable(script) && !script.toFile().setExecutable(true))
				throw new IOException("cannot make " + script + " executable");
		} catch (IOException io) {
			throw new GenerationFailure("typetools: cannot write the javac wrapper " + script + ": " + io.getMessage());
		}
		return script;
	}

	private static String jarOfThisClass() throws GenerationFailure {
		try {
			CodeSource source = JavacWrapper.class.getProtectionDomain().getCodeSource();
			if (source != null) return Paths.get(source.getLocation().toURI()).toString();
		} catch (URISyntaxException | RuntimeException unknown) {
			// Reported below.
		}
		throw new GenerationFailure("typetools: cannot find the jar of " + JavacWrapper.class.getName());
	}

	private static String shellQuote(String text) {
		return "'" + text.replace("'", "'\\''") + "'";
	}
}
