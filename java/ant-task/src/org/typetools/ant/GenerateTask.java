package org.typetools.ant;

import java.io.File;

import org.apache.tools.ant.BuildException;
import org.apache.tools.ant.Project;
import org.apache.tools.ant.Task;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.JavacWrapper;

/**
 * What both tasks share: the attributes srcdir, destdir and executable, the
 * run (skipped for each input whose input, options and tool binary are those
 * of its last successful run), and the property typetools.javac: the javac
 * wrapper for {@code <javac fork="yes" executable="${typetools.javac}">},
 * which shows javac's errors in generated files at the lines of the
 * specifications and grammars.
 */
abstract class GenerateTask extends Task {

	/** The property that names the javac wrapper. */
	static final String JAVAC_PROPERTY = "typetools.javac";

	private File srcdir;
	private File destdir;
	private String executable;

	/** The folder of the inputs, when no single input is named. */
	public void setSrcdir(File srcdir) {
		this.srcdir = srcdir;
	}

	/** Where the tool's output goes. */
	public void setDestdir(File destdir) {
		this.destdir = destdir;
	}

	/** The tool's executable; when not set, the one on PATH, else the installed one. */
	public void setExecutable(String executable) {
		this.executable = executable;
	}

	String executable() {
		return executable;
	}

	File srcdir(String conventional) {
		return srcdir != null ? srcdir : getProject().resolveFile(conventional);
	}

	File destdir(String conventional) {
		return destdir != null ? destdir : getProject().resolveFile(conventional);
	}

	/** The message's name of an attribute. */
	String attribute(String name) {
		return "the attribute " + name + " of <" + getTaskName() + ">";
	}

	/** Runs the generation; the folder of generated Java, beside which the javac wrapper goes. */
	abstract File generate(BuildLog log) throws GenerationFailure;

	@Override
	public void execute() {
		BuildLog log = BuildLog.of(m -> log(m, Project.MSG_INFO), m -> log(m, Project.MSG_WARN),
				m -> log(m, Project.MSG_ERR));
		try {
			File generated = generate(log);
			File wrapperFolder = generated.getAbsoluteFile().getParentFile();
			if (getProject().getProperty(JAVAC_PROPERTY) == null && wrapperFolder != null)
				getProject().setNewProperty(JAVAC_PROPERTY, JavacWrapper.install(wrapperFolder.toPath()).toString());
		} catch (GenerationFailure failure) {
			throw new BuildException(failure.getMessage(), getLocation());
		}
	}
}
