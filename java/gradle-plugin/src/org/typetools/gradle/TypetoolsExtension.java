package org.typetools.gradle;

/** The project's settings of the plugin: typetools { mapCompilerErrors = false }. */
public class TypetoolsExtension {

	private boolean mapCompilerErrors = true;

	/**
	 * Whether compileJava runs javac through the javac wrapper, which shows
	 * javac's errors in generated files at the lines of the specifications and
	 * grammars (default: yes, unless compileJava names an executable of its own).
	 */
	public boolean isMapCompilerErrors() {
		return mapCompilerErrors;
	}

	public void setMapCompilerErrors(boolean mapCompilerErrors) {
		this.mapCompilerErrors = mapCompilerErrors;
	}
}
