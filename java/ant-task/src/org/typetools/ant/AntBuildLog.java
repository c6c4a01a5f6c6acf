package org.typetools.ant;

import org.apache.tools.ant.Project;
import org.apache.tools.ant.Task;
import org.typetools.build.BuildLog;

/** The generation steps' messages in Ant's log, under the task's name. */
final class AntBuildLog implements BuildLog {

	private final Task task;

	AntBuildLog(Task task) {
		this.task = task;
	}

	@Override
	public void info(String message) {
		task.log(message, Project.MSG_INFO);
	}

	@Override
	public void warn(String message) {
		task.log(message, Project.MSG_WARN);
	}

	@Override
	public void error(String message) {
		task.log(message, Project.MSG_ERR);
	}
}
