package org.typetools.build;

/** A line of a source file: the file as a path text and the line, counted from 1. */
public record SourceLine(String file, long line) {

	@Override
	public String toString() {
		return file + ":" + line;
	}
}
