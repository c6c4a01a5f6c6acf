package org.typetools.build;

import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.DirectoryStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.security.MessageDigest;
import java.security.NoSuchAlgorithmException;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.Map;
import java.util.Properties;
import java.util.TreeMap;

/**
 * What one successful run was made from (input, options, tool binary: path,
 * size, modification time) and the files it wrote, kept in a small file in
 * the output folder, one for each input. A run whose stamp equals the saved
 * one, with all its files still there, would write the same files again and
 * is skipped.
 */
final class GenerationStamp {

	private static final String FILES = "files";
	private static final String MAIN = "main";
	static final String INPUT = "input";
	static final String OWNER = "owner";
	private static final String SUFFIX = ".typetools";

	private final Map<String, String> inputs = new TreeMap<>();
	private final List<String> files = new ArrayList<>();
	private String main = "";

	void addFile(String key, Path file) throws IOException {
		Path absolute = file.toAbsolutePath().normalize();
		inputs.put(key, absolute.toString());
		inputs.put(key + ".size", Long.toString(Files.size(absolute)));
		inputs.put(key + ".modified", Long.toString(Files.getLastModifiedTime(absolute).toMillis()));
	}

	void addOption(String key, String value) {
		inputs.put(key, value == null ? "" : value);
	}

	String option(String key) {
		return inputs.getOrDefault(key, "");
	}

	/** The files written, relative to the output folder, with '/' between names. */
	List<String> files() {
		return files;
	}

	/** The file named in messages ("is up to date"), relative to the output folder. */
	String main() {
		return main;
	}

	void setFiles(List<String> written, String mainFile) {
		files.clear();
		files.addAll(written);
		main = mainFile;
	}

	boolean sameInputs(GenerationStamp other) {
		return other != null && inputs.equals(other.inputs);
	}

	/**
	 * The stamp file of input in outputDirectory: named after the input, with
	 * a digest of its path so that inputs of the same name in different
	 * folders keep stamps of their own.
	 */
	static Path fileFor(Path outputDirectory, Path input) {
		String path = input.toAbsolutePath().normalize().toString();
		String digest;
		try {
			byte[] hash = MessageDigest.getInstance("SHA-256").digest(path.getBytes(StandardCharsets.UTF_8));
			digest = String.format("%02x%02x%02x%02x", hash[0], hash[1], hash[2], hash[3]);
		} catch (NoSuchAlgorithmException missing) {
			digest = Integer.toHexString(path.hashCode());
		}
		return outputDirectory.resolve("." + input.getFileName() + "." + digest + SUFFIX);
	}

	/** The stamps in outputDirectory, by their files. */
	static Map<Path, GenerationStamp> allIn(Path outputDirectory) throws IOException {
		Map<Path, GenerationStamp> stamps = new TreeMap<>();
		if (!Files.isDirectory(outputDirectory)) return stamps;
		try (DirectoryStream<Path> files = Files.newDirectoryStream(outputDirectory, ".*" + SUFFIX)) {
			for (Path file : files) {
				GenerationStamp stamp = load(file);
				if (stamp != null) stamps.put(file, stamp);
			}
		}
		return stamps;
	}

	void save(Path file) throws IOException {
		Properties properties = new Properties();
		properties.putAll(inputs);
		properties.setProperty(FILES, String.join("\n", files));
		properties.setProperty(MAIN, main);
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
			if (!key.equals(FILES) && !key.equals(MAIN)) stamp.inputs.put(key, properties.getProperty(key));
		String written = properties.getProperty(FILES, "");
		if (!written.isEmpty()) stamp.files.addAll(Arrays.asList(written.split("\n")));
		stamp.main = properties.getProperty(MAIN, "");
		return stamp;
	}
}
