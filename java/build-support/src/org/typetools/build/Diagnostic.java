package org.typetools.build;

/**
 * One message of Vastor or Perlan in the form compilers use, which editors
 * and IDEs link to the place named: {@code <file>:<line>: error: <message>},
 * or {@code <file>: error: <message>} when the message names no line.
 */
public final class Diagnostic {

	/** How serious a message is. */
	public enum Severity {
		ERROR("error"), WARNING("warning");

		private final String label;

		Severity(String label) {
			this.label = label;
		}

		/** The word written before the message. */
		public String label() {
			return label;
		}
	}

	private final Severity severity;
	private final String file;
	private final long line;
	private final String message;

	/** A message about file; line 0 when the message names no line. */
	public Diagnostic(Severity severity, String file, long line, String message) {
		this.severity = severity;
		this.file = file;
		this.line = line;
		this.message = message;
	}

	public Severity getSeverity() {
		return severity;
	}

	public boolean isError() {
		return severity == Severity.ERROR;
	}

	public String getFile() {
		return file;
	}

	/** The line of the input, counted from 1, or 0 when none is known. */
	public long getLine() {
		return line;
	}

	public String getMessage() {
		return message;
	}

	@Override
	public String toString() {
		StringBuilder text = new StringBuilder(file);
		if (line > 0) text.append(':').append(line);
		return text.append(": ").append(severity.label()).append(": ").append(message).toString();
	}
}
