package org.typetools.gradle;

import org.gradle.api.logging.Logger;
import org.typetools.build.BuildLog;

/** The generation steps' messages in Gradle's log. */
final class GradleBuildLog implements BuildLog {

	private final Logger logger;

	GradleBuildLog(Logger logger) {
		this.logger = logger;
	}

	@Override
	public void info(String message) {
		logger.info(message);
	}

	@Override
	public void warn(String message) {
		logger.warn(message);
	}

	@Override
	public void error(String message) {
		logger.error(message);
	}
}
