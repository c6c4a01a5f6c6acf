package org.typetools.build;

import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Arrays;
import java.util.List;

/**
 * Perlan on a grammar: the rewritten grammar, named like the input
 * (exprlang.yt gives exprlang.y, any other name gets .y added), and its line
 * map, which leads each line back to the same line of the input.
 */
final class PerlanStep implements ToolStep {

	static final String STRATUM = "Perlan";

	@Override
	public Tool tool() {
		return Tool.PERLAN;
	}

	@Override
	public void addOptions(GenerationStamp stamp) {
	}

	/** The name of the rewritten grammar of input. */
	static String outputName(Path input) {
		String name = input.getFileName().toString();
		return name.length() > 3 && name.endsWith(".yt") ? name.substring(0, name.length() - 1) : name + ".y";
	}

	@Override
	public List<String> defaultOutputs(Path input) {
		return Arrays.asList(outputName(input), outputName(input) + VastorStep.MAP_SUFFIX);
	}

	@Override
	public List<String> command(Path executable, Path input, Path work) {
		return Arrays.asList(executable.toString(), input.toAbsolutePath().toString(),
				work.resolve(outputName(input)).toString());
	}

	@Override
	public List<Diagnostic> diagnostics(byte[] messages, Path input) {
		return DiagnosticsTranslator.translate(messages, input.toString());
	}

	@Override
	public String finish(Path input, Path work) throws IOException {
		String name = outputName(input);
		Path output = work.resolve(name);
		if (Files.isRegularFile(output)) {
			String map = SourceMap.oneToOne(name, STRATUM, input.toAbsolutePath().toString(), countLines(output));
			Files.writeString(work.resolve(name + VastorStep.MAP_SUFFIX), map, StandardCharsets.UTF_8);
		}
		return name;
	}

	/** The lines of a file: its line feeds, and one more for a last line without one. */
	private static long countLines(Path file) throws IOException {
		long lines = 0;
		int last = '\n';
		byte[] buffer = new byte[1 << 16];
		try (InputStream in = Files.newInputStream(file)) {
			for (int read = in.read(buffer); read > 0; read = in.read(buffer)) {
				for (int i = 0; i < read; i++)
					if (buffer[i] == '\n') lines++;
				last = buffer[read - 1];
			}
		}
		return last == '\n' ? lines : lines + 1;
	}
}
