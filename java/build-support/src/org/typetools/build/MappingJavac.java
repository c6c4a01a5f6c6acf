package org.typetools.build;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.io.PrintStream;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

import javax.tools.JavaCompiler;
import javax.tools.ToolProvider;

/**
 * A javac for the build tools' fork-and-executable options: compiles with the
 * arguments it is given, exactly as javac, and prints javac's messages with
 * every location in a generated file moved to the specification or grammar
 * line behind it. The exit status is javac's.
 *
 * <p>The compiler runs inside this JVM; only launcher options (-J...) make it
 * start the JDK's javac instead. The messages go to standard output, which
 * every build tool shows on a line of its own (Gradle's plain console puts
 * standard error right after the task's name).
 */
public final class MappingJavac {

	private MappingJavac() {
	}

	public static void main(String[] arguments) throws IOException, InterruptedException {
		System.exit(run(arguments, System.out));
	}

	/** Compiles with javac's arguments; the messages go to out, mapped. */
	static int run(String[] arguments, OutputStream out) throws IOException, InterruptedException {
		Charset charset = TypetoolsMap.consoleCharset();
		CompilerOutputMapper mapper = new CompilerOutputMapper(new LineMapper());
		try (MappingOutputStream mapped = new MappingOutputStream(out, mapper, charset)) {
			JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
			boolean launcherOptions = Arrays.stream(arguments).anyMatch(argument -> argument.startsWith("-J"));
			if (compiler != null && !launcherOptions) {
				PrintStream messages = new PrintStream(mapped, true, charset);
				int status = compiler.run(InputStream.nullInputStream(), messages, messages, arguments);
				messages.flush();
				return status;
			}
			return runJavac(arguments, mapped);
		} finally {
			out.flush();
		}
	}

	/** Runs the javac of this JDK as a process of its own. */
	private static int runJavac(String[] arguments, OutputStream out) throws IOException, InterruptedException {
		List<String> command = new ArrayList<>();
		String javaHome = System.getProperty("java.home");
		File javac = new File(new File(javaHome, "bin"), isWindows() ? "javac.exe" : "javac");
		command.add(javac.isFile() ? javac.getPath() : "javac");
		command.addAll(Arrays.asList(arguments));
		Process process = new ProcessBuilder(command).redirectErrorStream(true)
				.redirectInput(ProcessBuilder.Redirect.INHERIT).start();
		try (InputStream messages = process.getInputStream()) {
			messages.transferTo(out);
		}
		return process.waitFor();
	}

	private static boolean isWindows() {
		return File.separatorChar == '\\';
	}
}
