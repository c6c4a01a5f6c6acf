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
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Properties;
import java.util.Set;

/**
 * Finds the executable of a tool: the one the build names, else the first on
 * PATH, else the installed one (next to this jar when it lies in
 * share/java of an installation, else in the bin folder that the
 * installation was configured for, else in /usr/bin, where the Debian package
 * puts it).
 */
public final class ToolLocator {

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
		List<Path> installed = installedFolders();
		for (Path folder : installed) {
			Path found = executableIn(folder, tool);
			if (found != null) return found;
		}
		throw new GenerationFailure(tool.program() + " not found: " + optionName + " is not set, no "
				+ tool.program() + " is on PATH, and none is installed in " + join(installed)
				+ "; install typetools or set " + optionName);
	}

	private static Path executableIn(Path folder, Tool tool) {
		for (String name : new String[] {tool.program(), tool.program() + ".exe"}) {
			Path candidate = folder.resolve(name);
			if (Files.isRegularFile(candidate) && Files.isExecutable(candidate)) return candidate;
		}
		return null;
	}

	/** The bin folders where an installation of the tools may be, most likely first. */
	static List<Path> installedFolders() {
		Set<Path> folders = new LinkedHashSet<>();
		Path besideJar = binBesideJar();
		if (besideJar != null) folders.add(besideJar);
		String configured = installProperties().getProperty("bindir");
		if (configured != null && !configured.isEmpty()) folders.add(Paths.get(configured));
		folders.add(Paths.get("/usr/bin"));
		return new ArrayList<>(folders);
	}

	/** <prefix>/bin when this class comes from a jar in <prefix>/share/java. */
	private static Path binBesideJar() {
		try {
			CodeSource source = ToolLocator.class.getProtectionDomain().getCodeSource();
			if (source == null) return null;
			Path jar = Paths.get(source.getLocation().toURI()).toRealPath();
			Path folder = jar.getParent();
			if (folder == null || !folder.endsWith(Paths.get("share", "java"))) return null;
			return folder.getParent().getParent().resolve("bin");
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
