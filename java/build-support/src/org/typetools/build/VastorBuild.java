package org.typetools.build;

import java.io.File;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * What the vastor goal or task does: Vastor on one named specification, or on
 * every specification of a source folder, into one output folder. Each
 * specification whose preamble declares a package gets its Type.java (and
 * TEParser) in that package's folder; two that would write the same Type.java
 * fail the build.
 */
public final class VastorBuild {

	private final BuildLog log;
	private final String executableOption;
	private File specification;
	private File sourceDirectory;
	private File outputDirectory;
	private String executable;
	private String baseError;
	private boolean teParser = true;
	private boolean force;

	/** executableOption names the build's setting of the executable in messages. */
	public VastorBuild(BuildLog log, String executableOption) {
		this.log = log;
		this.executableOption = executableOption;
	}

	/** The one specification to compile; when null, every *.spec of the source folder. */
	public VastorBuild setSpecification(File specification) {
		this.specification = specification;
		return this;
	}

	public VastorBuild setSourceDirectory(File sourceDirectory) {
		this.sourceDirectory = sourceDirectory;
		return this;
	}

	public VastorBuild setOutputDirectory(File outputDirectory) {
		this.outputDirectory = outputDirectory;
		return this;
	}

	public VastorBuild setExecutable(String executable) {
		this.executable = executable;
		return this;
	}

	public VastorBuild setBaseError(String baseError) {
		this.baseError = baseError;
		return this;
	}

	public VastorBuild setTEParser(boolean teParser) {
		this.teParser = teParser;
		return this;
	}

	/** Runs Vastor even when nothing changed (for build tools that make that choice themselves). */
	public VastorBuild setForce(boolean force) {
		this.force = force;
		return this;
	}

	/** The specifications this build compiles. */
	public List<Path> inputs() throws GenerationFailure {
		if (specification != null) return Collections.singletonList(specification.toPath());
		return SourceFiles.under(sourceDirectory == null ? null : sourceDirectory.toPath(),
				SourceFiles.SPECIFICATION_SUFFIX);
	}

	/** Compiles the specifications that changed; false when there are none at all. */
	public boolean run() throws GenerationFailure {
		List<Path> inputs = inputs();
		Path output = outputDirectory.toPath();
		boolean fromFolder = specification == null;
		if (fromFolder) Generator.removeOrphans(output, sourceDirectory.toPath(), inputs, log);
		if (inputs.isEmpty()) {
			log.info("Vastor: no specifications (*" + SourceFiles.SPECIFICATION_SUFFIX + ") in " + sourceDirectory);
			return false;
		}
		Path vastor = new ToolLocator(executableOption).locate(Tool.VASTOR, executable);
		Map<Path, Generator> byOutput = new HashMap<>();
		List<Generator> clashing = new ArrayList<>();
		for (Path input : inputs) {
			Generator generator = Generator.vastor(vastor, input, output, log, baseError, teParser)
					.setForce(force).setOwner(fromFolder ? sourceDirectory.toPath() : null);
			generator.run();
			Generator other = byOutput.putIfAbsent(generator.mainOutput(), generator);
			if (other != null) {
				clashing.add(other);
				clashing.add(generator);
			}
		}
		if (!clashing.isEmpty()) {
			for (Generator generator : clashing) generator.removeOutputs();
			Diagnostic clash = new Diagnostic(Diagnostic.Severity.ERROR, clashing.get(1).input().toString(), 0,
					"writes " + clashing.get(0).mainOutput() + " as " + clashing.get(0).input()
							+ " does; give each specification a package of its own (package a.b; first in its preamble)");
			log.error(clash.toString());
			throw new GenerationFailure("Vastor failed with an error (shown above)", Collections.singletonList(clash));
		}
		return true;
	}
}
