package org.typetools.maven;

import java.io.File;
import java.nio.file.Path;
import java.util.Properties;

import org.apache.maven.plugin.AbstractMojo;
import org.apache.maven.plugin.MojoExecutionException;
import org.apache.maven.plugin.MojoFailureException;
import org.apache.maven.project.MavenProject;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.JavacWrapper;

/**
 * What both goals share: run the generation, add the Java it wrote to the
 * compile source roots, and have the compiler plugin compile through the
 * javac wrapper, which shows javac's errors in generated files at the lines of
 * the specifications and grammars. The fields are set by Maven from the
 * plugin descriptor (META-INF/maven/plugin.xml).
 */
abstract class GenerateMojo extends AbstractMojo {

	/** maven-compiler-plugin's properties for fork and executable, read where its configuration does not set them. */
	static final String FORK_PROPERTY = "maven.compiler.fork";
	static final String EXECUTABLE_PROPERTY = "maven.compiler.executable";

	/** The project whose compile source roots get the output folder. */
	protected MavenProject project;
	/** Whether the compiler runs through the javac wrapper. */
	protected boolean mapCompilerErrors = true;

	/** Runs the generation; the folder of generated Java to compile, or null for none. */
	protected abstract File generate(BuildLog log) throws GenerationFailure;

	/** The message's name of a parameter and its property, for messages. */
	static String parameter(String name, String property) {
		return "the parameter <" + name + "> (property " + property + ")";
	}

	@Override
	public void execute() throws MojoExecutionException, MojoFailureException {
		BuildLog log = BuildLog.of(getLog()::info, getLog()::warn, getLog()::error);
		try {
			File javaRoot = generate(log);
			if (javaRoot != null) project.addCompileSourceRoot(javaRoot.getAbsolutePath());
			if (mapCompilerErrors) compileThroughWrapper();
		} catch (GenerationFailure failure) {
			throw new MojoFailureException(failure.getMessage());
		}
	}

	/**
	 * Sets maven-compiler-plugin's fork and executable through their
	 * properties, unless the project or the command line sets them (a setting
	 * in the compiler plugin's own configuration wins over both).
	 */
	private void compileThroughWrapper() throws GenerationFailure {
		Properties properties = project.getProperties();
		if (properties.containsKey(FORK_PROPERTY) || properties.containsKey(EXECUTABLE_PROPERTY)) return;
		if (System.getProperty(FORK_PROPERTY) != null || System.getProperty(EXECUTABLE_PROPERTY) != null) return;
		Path wrapper = JavacWrapper.install(new File(project.getBuild().getDirectory(), "typetools").toPath());
		properties.setProperty(FORK_PROPERTY, "true");
		properties.setProperty(EXECUTABLE_PROPERTY, wrapper.toString());
	}
}
