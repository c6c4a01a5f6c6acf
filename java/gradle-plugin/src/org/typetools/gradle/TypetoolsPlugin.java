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

/**
 * Plugin org.typetools: adds the tasks vastor and perlan, which write into
 * build/generated-sources/vastor and .../perlan. With the java plugin both
 * folders join the main source set and compileJava runs after both tasks.
 * A task whose input (specification or grammar) is not set is skipped.
 */
public class TypetoolsPlugin implements Plugin<Project> {

	@Override
	public void apply(Project project) {
		File generated = new File(buildDirectory(project), "generated-sources");
		VastorTask vastor = project.getTasks().create("vastor", VastorTask.class);
		vastor.setDescription("Compiles the type specification into Type.java with Vastor.");
		vastor.setOutputDirectory(new File(generated, "vastor"));
		PerlanTask perlan = project.getTasks().create("perlan", PerlanTask.class);
		perlan.setDescription("Rewrites the typechecking blocks of the grammar with Perlan.");
		perlan.setOutputDirectory(new File(generated, "perlan"));

		project.getPlugins().withType(JavaPlugin.class, java -> {
			SourceSet main = sourceSets(project).getByName(SourceSet.MAIN_SOURCE_SET_NAME);
			main.getJava().srcDir((Callable<File>) vastor::getOutputDirectory);
			main.getJava().srcDir((Callable<File>) perlan::getOutputDirectory);
			project.getTasks().getByName(JavaPlugin.COMPILE_JAVA_TASK_NAME).dependsOn(vastor, perlan);
		});
	}

	/**
	 * The project's build folder. ProjectLayout.getBuildDirectory has a
	 * different return type in Gradle 4.4 than later (both are providers of a
	 * Directory), so it is called by name.
	 */
	private static File buildDirectory(Project project) {
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
