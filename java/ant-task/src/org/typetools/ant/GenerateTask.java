package org.typetools.ant;

import java.io.File;

import org.apache.tools.ant.BuildException;
import org.apache.tools.ant.Project;
import org.apache.tools.ant.Task;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Generator;
import org.typetools.build.Tool;
import org.typetools.build.ToolLocator;

/**
 * What both tasks share: the attributes destdir and executable, and the run,
 * which is skipped while the input, the options and the tool binary are those
 * of the last successful run.
 */
abstract class GenerateTask extends Task {

	private File destdir;
	private String executable;

	/** Where the tool's output goes. */
	public void setDestdir(File destdir) {
		this.destdir = destdir;
	}

	/** The tool's executable; when not set, the one on PATH, else the installed one. */
	public void setExecutable(String executable) {
		this.executable = executable;
	}

	abstract Tool tool();

	/** The input file and the name of its attribute. */
	abstract File input();

	abstract String inputAttribute();

	void configure(Generator generator) {
	}

	@Override
	public void execute() {
		if (input() == null) throw new BuildException("the attribute " + inputAttribute() + " is required", getLocation());
		if (destdir == null) throw new BuildException("the attribute destdir is required", getLocation());
		try {
			ToolLocator locator = new ToolLocator("the attribute executable of <" + getTaskName() + ">");
			Generator generator = new Generator(tool(), locator.locate(tool(), executable), input().toPath(),
					destdir.toPath(), BuildLog.of(m -> log(m, Project.MSG_INFO), m -> log(m, Project.MSG_WARN), m -> log(m, Project.MSG_ERR)));
			configure(generator);
			generator.run();
		} catch (GenerationFailure failure) {
			throw new BuildException(failure.getMessage(), getLocation());
		}
	}
}
