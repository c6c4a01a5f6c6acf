package org.typetools.build;

import java.io.File;
import java.io.IOException;
import java.io.InputStream;
import java.net.URISyntaxException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.security.CodeSource;
import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Properties;
import java.util.Set;

/**
 * Finds the executable of a tool: the one the build names, else the first on
 * PATH, else the installed one (next to this jar when it lies in share/java
 * or share/ant/lib of an installation, else in the bin folder that the
 * installation was configured for, else in /usr/bin, where the Debian package
 * puts it). byacc/J is looked for on PATH and in /usr/bin. The environment
 * variable TYPETOOLS_BINDIR replaces the installed places of Vastor and Perlan
 * by one folder (a moved installation; tests that must not find an installed
 * copy).
 */
public final class ToolLocator {

	/** The environment variable that names the one folder to search instead of the installed places. */
	public static final String BINDIR_VARIABLE = "TYPETOOLS_BINDIR";
	private static final Path SYSTEM_BIN = Paths.get("/usr/bin");

	private final String optionName;

	/** optionName names the build's setting in messages, e.g. "the Maven parameter vastorExecutable". */
	public ToolLocator(String optionName) {
		this.optionName = optionName;
	}

	/** The executable to run; given is the build's setting, or null. */
	public Path locate(Tool tool, String given) throws GenerationFailure {
		if (given != null && !given.trim().isEmpty()) {
			Path path = Paths.get(given);
			if (Files.isRegularFile(path) && Files.isExecutable(path)) return path.toAbsolutePath();
			throw new GenerationFailure(tool.program() + " not found: " + optionName + " names " + given
					+ ", which is not an executable file");
		}
		String searchPath = System.getenv("PATH");
		if (searchPath != null) {
			for (String folder : searchPath.split(File.pathSeparator)) {
				if (folder.isEmpty()) continue;
				Path found = executableIn(Paths.get(folder), tool);
				if (found != null) return found.toAbsolutePath();
			}
		}
		List<Path> installed = tool.isOurs() ? installedFolders() : Collections.singletonList(SYSTEM_BIN);
		for (Path folder : installed) {
			Path found = executableIn(folder, tool);
			if (found != null) return found;
		}
		throw new GenerationFailure(tool.program() + " not found: " + optionName + " is not set, no "
				+ tool.program() + " is on PATH, and none is installed in " + join(installed) + "; install "
				+ (tool.isOurs() ? "typetools" : "byacc/J (Debian package byaccj)") + " or set " + optionName);
	}

	private static Path executableIn(Path folder, Tool tool) {
		for (String name : new String[] {tool.program(), tool.program() + ".exe"}) {
			Path candidate = folder.resolve(name);
			if (Files.isRegularFile(candidate) && Files.isExecutable(candidate)) return candidate;
		}
		return null;
	}

	/**
	 * The bin folders where an installation of the tools may be, most likely
	 * first; TYPETOOLS_BINDIR, when set, stands for all of them.
	 */
	static List<Path> installedFolders() {
		String chosen = System.getenv(BINDIR_VARIABLE);
		if (chosen != null && !chosen.isEmpty()) return Collections.singletonList(Paths.get(chosen));
		Set<Path> folders = new LinkedHashSet<>();
		Path besideJar = binBesideJar();
		if (besideJar != null) folders.add(besideJar);
		String configured = installProperties().getProperty("bindir");
		if (configured != null && !configured.isEmpty()) folders.add(Paths.get(configured));
		folders.add(SYSTEM_BIN);
		return new ArrayList<>(folders);
	}

	/** <prefix>/bin when this class comes from a jar in <prefix>/share/java or <prefix>/share/ant/lib. */
	private static Path binBesideJar() {
		try {
			CodeSource source = ToolLocator.class.getProtectionDomain().getCodeSource();
			if (source == null) return null;
			Path jar = Paths.get(source.getLocation().toURI()).toRealPath();
			Path folder = jar.getParent();
			if (folder == null) return null;
			if (folder.endsWith(Paths.get("share", "java"))) return folder.getParent().getParent().resolve("bin");
			if (folder.endsWith(Paths.get("share", "ant", "lib")))
				return folder.getParent().getParent().getParent().resolve("bin");
			return null;
		} catch (URISyntaxException | IOException | RuntimeException unknown) {
			return null;
		}
	}

	/** A value that the build of this jar recorded (bindir, version), or "". */
	static String installProperty(String key) {
		return installProperties().getProperty(key, "");
	}

	private static Properties installProperties() {
		Properties properties = new Properties();
		try (InputStream in = ToolLocator.class.getResourceAsStream("install.properties")) {
			if (in != null) properties.load(in);
		} catch (IOException unreadable) {
			// No configured location: the other places are still searched.
		}
		return properties;
	}

	private static String join(List<Path> folders) {
		StringBuilder text = new StringBuilder();
		for (int i = 0; i < folders.size(); i++) {
			if (i > 0) text.append(i == folders.size() - 1 ? " or " : ", ");
			text.append(folders.get(i));
		}
		return text.toString();
	}
}
