package org.typetools.build;

/** The programs the integrations run, by the name of their executable. */
public enum Tool {
	VASTOR("Vastor"), PERLAN("Perlan"), BYACCJ("byaccj");

	private final String program;

	Tool(String program) {
		this.program = program;
	}

	/** The executable's name without a suffix, as installed in bin/. */
	public String program() {
		return program;
	}

	/** Whether the program comes with this project (else it is found only on PATH and in /usr/bin). */
	boolean isOurs() {
		return this != BYACCJ;
	}
}
