package org.typetools.build;

import java.util.function.Consumer;

/** Where a build tool shows the messages of a generation step. */
public interface BuildLog {

	void info(String message);

	void warn(String message);

	void error(String message);

	/** A log that hands each level's messages to the build tool's own logger. */
	static BuildLog of(Consumer<String> info, Consumer<String> warn, Consumer<String> error) {
		return new BuildLog() {
			@Override
			public void info(String message) {
				info.accept(message);
			}

			@Override
			public void warn(String message) {
				warn.accept(message);
			}

			@Override
			public void error(String message) {
				error.accept(message);
			}
		};
	}
}
