package org.typetools.maven;

import org.apache.maven.plugin.logging.Log;
import org.typetools.build.BuildLog;

/** The generation steps' messages on Maven's console. */
final class MavenBuildLog implements BuildLog {

	private final Log log;

	MavenBuildLog(Log log) {
		this.log = log;
	}

	@Override
	public void info(String message) {
		log.info(message);
	}

	@Override
	public void warn(String message) {
		log.warn(message);
	}

	@Override
	public void error(String message) {
		log.error(message);
	}
}
