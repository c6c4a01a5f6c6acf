import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.attribute.FileTime;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;

import org.typetools.build.BuildLog;
import org.typetools.build.GenerationFailure;
import org.typetools.build.Generator;

/**
 * The rules by which a generation step keeps its output folder right, each
 * case in a fresh folder, with stand-ins for Vastor and Perlan (shell scripts
 * that write what the real tools write, and fail when the input holds FAIL):
 * what runs again and what does not, what a failure removes, and what it
 * must leave alone.
 */
public final class GeneratorTable {

	private static final String FAKE_VASTOR = String.join("\n", "#!/bin/sh",
			"for a; do case $a in -API=*) api=${a#-API=};; -lineMap=*) map=${a#-lineMap=};; -baseError=*) ;; *) in=$a;; esac; done",
			"if grep -q FAIL \"$in\"; then : >Type.java; echo 'Semantic error( line 2 ):broken' >&2; exit 254; fi",
			"if grep -q EMPTY \"$in\"; then exit 0; fi",
			"if grep -q QUIET \"$in\"; then exit 3; fi",
			"sed -n 's/^package \\(.*\\);$/package \\1;/p' \"$in\" >Type.java",
			"echo \"class Type {} // $(tr -d '\\n' <\"$in\")\" >>Type.java",
			"echo 'class TypeException {}' >\"$api/errorHandling/TypeException.java\"",
			"printf 'SMAP\\nType.java\\nVastor\\n*S Vastor\\n*F\\n+ 1 s\\n%s\\n*L\\n1#1:1\\n*E\\n' \"$in\" >\"$map\"", "");
	private static final String FAKE_PERLAN = String.join("\n", "#!/bin/sh",
			"if grep -q FAIL \"$1\"; then head -c 2 \"$1\" >\"$2\"; echo 'Syntax error( line 1 ):x' >&2; exit 254; fi",
			"cp \"$1\" \"$2\"", "");

	/** One case: its name and its steps, which throw AssertionError when a rule is broken. */
	private record Case(String name, Steps steps) {
	}

	@FunctionalInterface
	private interface Steps {
		void run(Folder folder) throws Exception;
	}

	/** A fresh folder with src/ (inputs), out/ (the output folder) and the stand-in tools. */
	private static final class Folder {
		final Path root;
		final Path out;
		final Path vastor;
		final Path perlan;
		final List<String> log = new ArrayList<>();

		Folder(Path root) throws IOException {
			this.root = root;
			this.out = root.resolve("out");
			Files.createDirectories(root.resolve("src"));
			vastor = script("Vastor", FAKE_VASTOR);
			perlan = script("Perlan", FAKE_PERLAN);
		}

		private Path script(String name, String text) throws IOException {
			Path file = root.resolve("bin").resolve(name);
			Files.createDirectories(file.getParent());
			Files.writeString(file, text);
			file.toFile().setExecutable(true);
			return file;
		}

		Path write(String name, String text) throws IOException {
			Path file = root.resolve("src").resolve(name);
			Files.createDirectories(file.getParent());
			Files.writeString(file, text);
			// A later time for every write, so that each edit counts even within one clock tick.
			Files.setLastModifiedTime(file, FileTime.fromMillis(System.currentTimeMillis() + 1000L * log.size()));
			log.add("wrote " + name);
			return file;
		}

		BuildLog buildLog() {
			return BuildLog.of(log::add, log::add, log::add);
		}

		Generator vastor(String spec) {
			return vastor(spec, null, true);
		}

		Generator vastor(String spec, String baseError, boolean teParser) {
			return Generator.vastor(vastor, root.resolve("src").resolve(spec), out, buildLog(), baseError, teParser);
		}

		Generator perlan(String grammar) {
			return Generator.perlan(perlan, root.resolve("src").resolve(grammar), out, buildLog());
		}

		/** The files of the output folder, relative to it, without the stamps. */
		List<String> files() throws IOException {
			if (!Files.isDirectory(out)) return new ArrayList<>();
			try (Stream<Path> walk = Files.walk(out)) {
				return walk.filter(Files::isRegularFile).map(file -> out.relativize(file).toString())
						.filter(name -> !name.endsWith(".typetools")).sorted().collect(Collectors.toList());
			}
		}
	}

	private static final List<String> API = Arrays.asList("es/corvena/dmq/typeChecking/TEParserFactoryIF.java",
			"es/corvena/dmq/typeChecking/TEParserIF.java", "es/corvena/dmq/typeChecking/TermList.java",
			"es/corvena/dmq/typeChecking/TypeFactoryIF.java", "es/corvena/dmq/typeChecking/TypeIF.java",
			"es/corvena/dmq/typeChecking/TypesTable.java",
			"es/corvena/dmq/typeChecking/errorHandling/TypeException.java",
			"es/corvena/dmq/typeChecking/package-info.java");

	private static List<String> withApi(String... files) {
		List<String> all = new ArrayList<>(API);
		all.addAll(Arrays.asList(files));
		all.sort(null);
		return all;
	}

	private static final Case[] CASES = {
		new Case("a first run writes Type.java, its map, TEParser and the API", f -> {
			f.write("t.spec", "a");
			check(f.vastor("t.spec").run(), "ran");
			same(f.files(), withApi("TEParser.java", "Type.java", "Type.java.smap"));
		}),
		new Case("nothing changed: no run, the files keep their times", f -> {
			f.write("t.spec", "a");
			f.vastor("t.spec").run();
			FileTime before = Files.getLastModifiedTime(f.out.resolve("Type.java"));
			check(!f.vastor("t.spec").run(), "skipped");
			same(Files.getLastModifiedTime(f.out.resolve("Type.java")), before);
		}),
		new Case("an edited input, an option, the tool: each runs again", f -> {
			f.write("t.spec", "a");
			f.vastor("t.spec").run();
			f.write("t.spec", "b");
			check(f.vastor("t.spec").run(), "ran after an edit");
			check(f.vastor("t.spec", "Base", true).run(), "ran for another baseError");
			check(!f.vastor("t.spec", "Base", true).run(), "skipped with the same baseError");
			Files.writeString(f.vastor, FAKE_VASTOR + "# another build of the tool\n");
			check(f.vastor("t.spec", "Base", true).run(), "ran for another tool binary");
			check(f.vastor("t.spec", "Base", true).setForce(true).run(), "ran when forced");
		}),
		new Case("an output that was deleted: runs again", f -> {
			f.write("t.spec", "a");
			f.vastor("t.spec").run();
			Files.delete(f.out.resolve("TEParser.java"));
			check(f.vastor("t.spec").run(), "ran");
			same(f.files(), withApi("TEParser.java", "Type.java", "Type.java.smap"));
		}),
		new Case("a rewrite with the same text keeps the file's time", f -> {
			f.write("t.spec", "a");
			f.vastor("t.spec").run();
			FileTime before = Files.getLastModifiedTime(f.out.resolve(API.get(0)));
			f.write("t.spec", "b");
			f.vastor("t.spec").run();
			same(Files.getLastModifiedTime(f.out.resolve(API.get(0))), before);
		}),
		new Case("a failure removes the earlier output, not the input; the next run runs", f -> {
			Path spec = f.write("t.spec", "a");
			f.vastor("t.spec").run();
			f.write("t.spec", "FAIL");
			fails(f.vastor("t.spec"), "t.spec:2: error: Semantic error: broken");
			same(f.files(), new ArrayList<>());
			check(Files.exists(spec), "the input is kept");
			check(f.log.contains(spec + ":2: error: Semantic error: broken"), "the error logged once: " + f.log);
			f.write("t.spec", "a");
			check(f.vastor("t.spec").run(), "ran after the mend");
		}),
		new Case("a failure with no record of an earlier run removes what such a run writes", f -> {
			f.write("t.spec", "FAIL");
			Files.createDirectories(f.out);
			Files.writeString(f.out.resolve("Type.java"), "");
			Files.writeString(f.out.resolve("Mine.java"), "class Mine {}");
			fails(f.vastor("t.spec"), "t.spec:2: error:");
			same(f.files(), Arrays.asList("Mine.java"));
		}),
		new Case("a status without a message, and no output at all, are failures", f -> {
			f.write("t.spec", "QUIET");
			fails(f.vastor("t.spec"), "t.spec: error: Vastor ended with exit status 3");
			f.write("t.spec", "EMPTY");
			fails(f.vastor("t.spec"), "t.spec: error: Vastor wrote no Type.java");
			same(f.files(), new ArrayList<>());
		}),
		new Case("files the new run does not write go, with the folders they leave empty", f -> {
			f.write("t.spec", "package a.b;");
			Generator packaged = f.vastor("t.spec");
			check(packaged.run() && packaged.mainOutput().endsWith(Paths.get("a/b/Type.java")), "Type.java in a/b");
			same(f.files(), withApi("a/b/TEParser.java", "a/b/Type.java", "a/b/Type.java.smap"));
			check(Files.readString(f.out.resolve("a/b/TEParser.java")).startsWith("package a.b;\n"), "TEParser in a.b");
			f.write("t.spec", "x");
			f.vastor("t.spec", null, false).run();
			same(f.files(), withApi("Type.java", "Type.java.smap"));
			check(!Files.exists(f.out.resolve("a")), "the folder a is gone");
		}),
		new Case("inputs that share a folder: a failure of one keeps the other's files", f -> {
			f.write("one.spec", "package one;");
			f.write("two.spec", "package two;");
			f.vastor("one.spec").run();
			f.vastor("two.spec").run();
			f.write("one.spec", "FAIL");
			fails(f.vastor("one.spec"), "one.spec:2: error:");
			same(f.files(), withApi("two/TEParser.java", "two/Type.java", "two/Type.java.smap"));
			check(!f.vastor("two.spec").run(), "two is still up to date");
		}),
		new Case("inputs of the same name in different folders keep stamps of their own", f -> {
			f.write("a/t.spec", "package a;");
			f.write("b/t.spec", "package b;");
			f.vastor("a/t.spec").run();
			f.vastor("b/t.spec").run();
			check(!f.vastor("a/t.spec").run() && !f.vastor("b/t.spec").run(), "both up to date");
		}),
		new Case("outputs of a source folder's files that are gone are removed, others' stay", f -> {
			Path src = f.root.resolve("src");
			f.write("one.spec", "package one;");
			f.write("two.spec", "package two;");
			f.write("other.spec", "package other;");
			f.vastor("one.spec").setOwner(src).run();
			f.vastor("two.spec").setOwner(src).run();
			f.vastor("other.spec").run();
			Generator.removeOrphans(f.out, src, Arrays.asList(src.resolve("two.spec")), f.buildLog());
			List<String> expected = withApi("other/TEParser.java", "other/Type.java", "other/Type.java.smap",
					"two/TEParser.java", "two/Type.java", "two/Type.java.smap");
			same(f.files(), expected);
		}),
		new Case("removing the outputs of a step whose input failed before it", f -> {
			f.write("g.yt", "%%");
			f.perlan("g.yt").run();
			f.perlan("g.yt").removeOutputs();
			same(f.files(), new ArrayList<>());
		}),
		new Case("Perlan's output: named like the grammar, with its map", f -> {
			f.write("lang.yt", "%%\nline 2\n");
			f.write("other.grammar", "%%");
			f.perlan("lang.yt").run();
			f.perlan("other.grammar").run();
			same(f.files(), Arrays.asList("lang.y", "lang.y.smap", "other.grammar.y", "other.grammar.y.smap"));
			same(Files.readString(f.out.resolve("lang.y.smap")), "SMAP\nlang.y\nPerlan\n*S Perlan\n*F\n+ 1 lang.yt\n"
					+ f.root.resolve("src/lang.yt") + "\n*L\n1#1,2:1\n*E\n");
		}),
		new Case("Perlan's failure leaves no half-copied grammar", f -> {
			f.write("lang.yt", "%%");
			f.perlan("lang.yt").run();
			f.write("lang.yt", "FAIL");
			fails(f.perlan("lang.yt"), "lang.yt:1: error: Syntax error: x");
			same(f.files(), new ArrayList<>());
		}),
		new Case("a missing input is an error naming it", f -> {
			fails(f.perlan("none.yt"), "none.yt: error: no such file (the input of Perlan)");
		}),
	};

	private static void check(boolean condition, String what) {
		if (!condition) throw new AssertionError(what);
	}

	private static void same(Object actual, Object expected) {
		if (!actual.equals(expected)) throw new AssertionError("expected " + expected + "\n    actual   " + actual);
	}

	private static void fails(Generator generator, String logged) {
		try {
			generator.run();
		} catch (GenerationFailure failure) {
			String errors = failure.getDiagnostics().stream().map(Object::toString).collect(Collectors.joining("\n"));
			check(errors.contains(logged), "the failure's errors hold " + logged + ": " + errors);
			return;
		}
		throw new AssertionError("the run did not fail");
	}

	public static void main(String[] arguments) throws Exception {
		Path scratch = Paths.get(arguments[0]);
		int passed = 0;
		int failed = 0;
		for (int i = 0; i < CASES.length; i++) {
			Folder folder = new Folder(scratch.resolve("case" + i));
			try {
				CASES[i].steps().run(folder);
				passed++;
			} catch (AssertionError | Exception broken) {
				failed++;
				System.out.println("FAIL " + CASES[i].name() + "\n  " + broken + "\n  log: " + folder.log);
			}
		}
		System.out.println(passed + " passed, " + failed + " failed");
		System.exit(failed == 0 ? 0 : 1);
	}
}
