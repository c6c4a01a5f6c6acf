package org.typetools.build;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Vastor on a type specification: Type.java with its line map, the API's
 * sources with TypeException.java, and the ready type-expression parser
 * TEParser. Type.java and TEParser go into the folder of the package that the
 * specification's preamble declares (the default package when none).
 */
final class VastorStep implements ToolStep {

	static final String TYPE_JAVA = "Type.java";
	static final String MAP_SUFFIX = ".smap";

	private final String baseError;
	private final boolean withTEParser;

	VastorStep(String baseError, boolean withTEParser) {
		this.baseError = baseError == null || baseError.isEmpty() ? null : baseError;
		this.withTEParser = withTEParser;
	}

	@Override
	public Tool tool() {
		return Tool.VASTOR;
	}

	@Override
	public void addOptions(GenerationStamp stamp) {
		stamp.addOption("baseError", baseError);
		stamp.addOption("teParser", Boolean.toString(withTEParser));
	}

	@Override
	public List<String> defaultOutputs(Path input) {
		return Arrays.asList(TYPE_JAVA, TYPE_JAVA + MAP_SUFFIX, ApiSources.TE_PARSER,
				ApiSources.PACKAGE_FOLDER + "/errorHandling/TypeException.java");
	}

	@Override
	public List<String> command(Path executable, Path input, Path work) throws IOException {
		ApiSources.copyTo(work);
		List<String> command = new ArrayList<>();
		command.add(executable.toString());
		command.add("-API=" + work.resolve(ApiSources.PACKAGE_FOLDER));
		if (baseError != null) command.add("-baseError=" + baseError);
		command.add("-lineMap=" + work.resolve(TYPE_JAVA + MAP_SUFFIX));
		command.add(input.toAbsolutePath().toString());
		return command;
	}

	@Override
	public List<Diagnostic> diagnostics(byte[] messages, Path input) {
		return DiagnosticsTranslator.translate(messages, input.toString());
	}

	@Override
	public String finish(Path input, Path work) throws IOException {
		Path type = work.resolve(TYPE_JAVA);
		if (!Files.isRegularFile(type)) return TYPE_JAVA;
		String packageName = JavaPackage.of(Files.readString(type, StandardCharsets.ISO_8859_1));
		String folder = packageName.isEmpty() ? "" : packageName.replace('.', '/') + "/";
		Path target = work.resolve(folder);
		Files.createDirectories(target);
		if (!folder.isEmpty()) {
			Files.move(type, target.resolve(TYPE_JAVA));
			Path map = work.resolve(TYPE_JAVA + MAP_SUFFIX);
			if (Files.exists(map)) Files.move(map, target.resolve(TYPE_JAVA + MAP_SUFFIX), StandardCopyOption.REPLACE_EXISTING);
		}
		if (withTEParser) Files.writeString(target.resolve(ApiSources.TE_PARSER), ApiSources.teParser(packageName));
		return folder + TYPE_JAVA;
	}
}
