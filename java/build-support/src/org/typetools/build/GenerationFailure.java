package org.typetools.build;

import java.util.Collections;
import java.util.List;

/** A generation step that failed; the build must stop. */
public final class GenerationFailure extends Exception {

	private static final long serialVersionUID = 1L;

	private final List<Diagnostic> diagnostics;

	public GenerationFailure(String message) {
		this(message, Collections.emptyList());
	}

	public GenerationFailure(String message, List<Diagnostic> diagnostics) {
		super(message);
		this.diagnostics = diagnostics;
	}

	/** The tool's errors, translated; empty when the tool did not run. */
	public List<Diagnostic> getDiagnostics() {
		return diagnostics;
	}
}
