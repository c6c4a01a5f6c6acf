package org.typetools.build;

/** Where a build tool shows the messages of a generation step. */
public interface BuildLog {

	void info(String message);

	void warn(String message);

	void error(String message);
}
