package org.typetools.maven;

import java.io.File;

import org.apache.maven.plugin.AbstractMojo;
import org.apache.maven.plugin.MojoExecutionException;
import org.apache.maven.plugin.MojoFailureException;
import org.apache.maven.project.MavenProject;
import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Generator;
import org.typetools.build.Tool;
import org.typetools.build.ToolLocator;

/**
 * What both goals share: find the tool, run it unless its output is up to
 * date, and add the output folder to the compile source roots. The fields are
 * set by Maven from the plugin descriptor (META-INF/maven/plugin.xml).
 */
abstract class GenerateMojo extends AbstractMojo {

	/** The project whose compile source roots get the output folder. */
	protected MavenProject project;
	/** Where the tool's output goes. */
	protected File outputDirectory;
	/** The tool's executable; else the one on PATH, else the installed one. */
	protected String executable;

	protected abstract Tool tool();

	protected abstract File input();

	/** Sets the options of the tool's own beyond input and output. */
	protected void configure(Generator generator) {
	}

	@Override
	public void execute() throws MojoExecutionException, MojoFailureException {
		try {
			String parameter = "the parameter <executable> (property " + tool().program().toLowerCase()
					+ ".executable)";
			Generator generator = new Generator(tool(), new ToolLocator(parameter).locate(tool(), executable),
					input().toPath(), outputDirectory.toPath(), BuildLog.of(getLog()::info, getLog()::warn, getLog()::error));
			configure(generator);
			generator.run();
		} catch (GenerationFailure failure) {
			throw new MojoFailureException(failure.getMessage());
		}
		project.addCompileSourceRoot(outputDirectory.getAbsolutePath());
	}
}
