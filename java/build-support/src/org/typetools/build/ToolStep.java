package org.typetools.build;

import java.io.IOException;
import java.nio.file.Path;
import java.util.List;

/**
 * What one tool adds to a {@link Generator} run: its command, its options,
 * how its messages read, and what its output needs before it reaches the
 * output folder.
 */
interface ToolStep {

	Tool tool();

	/** Records the options that change the output (the tool binary and the input count already). */
	void addOptions(GenerationStamp stamp);

	/** The files a run writes, relative to the output folder, when no earlier run recorded them. */
	List<String> defaultOutputs(Path input);

	/** Prepares the scratch folder work and gives the command that writes the output there. */
	List<String> command(Path executable, Path input, Path work) throws IOException;

	/** The input as the failure message names it: the file the user wrote. */
	default String describe(Path input) {
		return input.toString();
	}

	/** The tool's messages about input, translated. */
	List<Diagnostic> diagnostics(byte[] messages, Path input);

	/**
	 * Puts the successful output in work into its final shape (package
	 * folders, maps); the main output, relative to work.
	 */
	String finish(Path input, Path work) throws IOException, GenerationFailure;
}
