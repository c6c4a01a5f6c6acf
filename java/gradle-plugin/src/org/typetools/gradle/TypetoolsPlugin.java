package org.typetools.gradle;

import java.io.File;
import java.util.concurrent.Callable;

import org.gradle.api.GradleException;
import org.gradle.api.Plugin;
import org.gradle.api.Project;
import org.gradle.api.file.Directory;
import org.gradle.api.file.ProjectLayout;
import org.gradle.api.plugins.JavaPlugin;
import org.gradle.api.provider.Provider;
import org.gradle.api.tasks.SourceSet;
import org.gradle.api.tasks.SourceSetContainer;
import org.gradle.api.tasks.compile.CompileOptions;
import org.gradle.api.tasks.compile.JavaCompile;
import org.typetools.build.GenerationFailure;
import org.typetools.build.JavacWrapper;

/**
 * Plugin org.typetools: adds the tasks vastor and perlan, which read
 * src/main/vastor and src/main/perlan and write into
 * build/generated-sources/vastor and .../perlan (with byaccj: the parsers into
 * .../byaccj, the rewritten grammars into build/perlan). With the java plugin
 * the folders of generated Java join the main source set, compileJava runs
 * after both tasks and compiles through the javac wrapper, which shows javac's
 * errors in generated files at the lines of the specifications and grammars.
 */
public class TypetoolsPlugin implements Plugin<Project> {

	private static final String QUIET_OPTIONS = "-Xlint:-options";

	@Override
	public void apply(Project project) {
		TypetoolsExtension extension = project.getExtensions().create("typetools", TypetoolsExtension.class);
		File build = buildDirectory(project);
		File generated = new File(build, "generated-sources");
		VastorTask vastor = project.getTasks().create("vastor", VastorTask.class);
		vastor.setDescription("Compiles the type specifications into Type.java with Vastor.");
		vastor.setOutputDirectory(new File(generated, "vastor"));
		PerlanTask perlan = project.getTasks().create("perlan", PerlanTask.class);
		perlan.setDescription("Rewrites the typechecking blocks of the grammars with Perlan (and runs byacc/J).");
		perlan.setParserOutputDirectory(new File(generated, "byaccj"));

		project.getPlugins().withType(JavaPlugin.class, java -> {
			SourceSet main = sourceSets(project).getByName(SourceSet.MAIN_SOURCE_SET_NAME);
			main.getJava().srcDir((Callable<File>) vastor::getOutputDirectory);
			main.getJava().srcDir((Callable<File>) perlan::javaOutput);
			JavaCompile compile = (JavaCompile) project.getTasks().getByName(JavaPlugin.COMPILE_JAVA_TASK_NAME);
			compile.dependsOn(vastor, perlan);
			project.afterEvaluate(evaluated -> {
				if (extension.isMapCompilerErrors()) compileThroughWrapper(compile, new File(build, "typetools"));
			});
		});
	}

	/** compileJava forks the javac wrapper, unless it is set to run an executable of its own. */
	private static void compileThroughWrapper(JavaCompile compile, File folder) {
		CompileOptions options = compile.getOptions();
		if (options.getForkOptions().getExecutable() != null) return;
		// Written now, since the compile options name it, and again before
		// compileJava runs, in case a clean in the same build removed it.
		File wrapper = installWrapper(folder);
		compile.doFirst(task -> installWrapper(folder));
		options.setFork(true);
		options.getForkOptions().setExecutable(wrapper.getPath());
		// Gradle 4.4 on a newer JDK passes -source 12, for which a forked javac
		// (not the one inside Gradle) warns about the system modules path.
		if (!options.getCompilerArgs().contains(QUIET_OPTIONS)) options.getCompilerArgs().add(QUIET_OPTIONS);
	}

	private static File installWrapper(File folder) {
		try {
			return JavacWrapper.install(folder.toPath()).toFile();
		} catch (GenerationFailure failure) {
			throw new GradleException(failure.getMessage());
		}
	}

	/**
	 * The project's build folder. ProjectLayout.getBuildDirectory has a
	 * different return type in Gradle 4.4 than later (both are providers of a
	 * Directory), so it is called by name.
	 */
	static File buildDirectory(Project project) {
		try {
			Provider<?> directory = (Provider<?>) ProjectLayout.class.getMethod("getBuildDirectory")
					.invoke(project.getLayout());
			return ((Directory) directory.get()).getAsFile();
		} catch (ReflectiveOperationException | ClassCastException unknown) {
			throw new GradleException("typetools: cannot find the build directory of " + project, unknown);
		}
	}

	/** The source sets: an extension in current Gradle, a convention property in older ones. */
	private static SourceSetContainer sourceSets(Project project) {
		SourceSetContainer sourceSets = project.getExtensions().findByType(SourceSetContainer.class);
		return sourceSets != null ? sourceSets : (SourceSetContainer) project.property("sourceSets");
	}
}
