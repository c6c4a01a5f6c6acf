package org.typetools.build;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.Properties;
import java.util.TreeMap;

/**
 * What one successful run was made from (input, options, tool binary: path,
 * size, modification time) and the files it wrote, kept in a small file in
 * the output folder. A run whose stamp equals the saved one, with all its
 * files still there, would write the same files again and is skipped.
 */
final class GenerationStamp {

	private static final String FILES = "files";

	private final Map<String, String> inputs = new TreeMap<>();
	private final List<String> files = new ArrayList<>();

	void addFile(String key, Path file) throws IOException {
		Path absolute = file.toAbsolutePath().normalize();
		inputs.put(key, absolute.toString());
		inputs.put(key + ".size", Long.toString(Files.size(absolute)));
		inputs.put(key + ".modified", Long.toString(Files.getLastModifiedTime(absolute).toMillis()));
	}

	void addOption(String key, String value) {
		inputs.put(key, value == null ? "" : value);
	}

	/** The files written, relative to the output folder, with '/' between names. */
	List<String> files() {
		return files;
	}

	void setFiles(List<String> written) {
		files.clear();
		files.addAll(written);
	}

	boolean sameInputs(GenerationStamp other) {
		return other != null && inputs.equals(other.inputs);
	}

	void save(Path file) throws IOException {
		Properties properties = new Properties();
		properties.putAll(inputs);
		properties.setProperty(FILES, String.join("\n", files));
		try (OutputStream out = Files.newOutputStream(file)) {
			properties.store(out, "typetools: made from these inputs");
		}
	}

	/** The stamp saved in file, or null when there is none or it cannot be read. */
	static GenerationStamp load(Path file) {
		if (!Files.isRegularFile(file)) return null;
		Properties properties = new Properties();
		try (InputStream in = Files.newInputStream(file)) {
			properties.load(in);
		} catch (IOException | IllegalArgumentException unreadable) {
			return null;
		}
		GenerationStamp stamp = new GenerationStamp();
		for (String key : properties.stringPropertyNames())
			if (!key.equals(FILES)) stamp.inputs.put(key, properties.getProperty(key));
		String written = properties.getProperty(FILES, "");
		if (!written.isEmpty()) stamp.files.addAll(Arrays.asList(written.split("\n")));
		return stamp;
	}
}
