package org.typetools.build;

/** The two programs, by the name of their executable. */
public enum Tool {
	VASTOR("Vastor"), PERLAN("Perlan");

	private final String program;

	Tool(String program) {
		this.program = program;
	}

	/** The executable's name without a suffix, as installed in bin/. */
	public String program() {
		return program;
	}
}
