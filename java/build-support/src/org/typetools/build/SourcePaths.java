package org.typetools.build;

import java.util.ArrayDeque;
import java.util.Deque;

/**
 * Path texts as compilers print them, taken apart without the file system of
 * the machine at hand: a Windows path (C:\work\Type.java, \\host\share\x)
 * reads the same on every platform, so a map made on one machine can be
 * checked on another.
 */
final class SourcePaths {

	private SourcePaths() {
	}

	private static boolean isSeparator(char c) {
		return c == '/' || c == '\\';
	}

	/** Whether the path starts at a root: /x, \x, C:\x, C:/x. */
	static boolean isAbsolute(String path) {
		if (path.isEmpty()) return false;
		if (isSeparator(path.charAt(0))) return true;
		return path.length() >= 3 && Character.isLetter(path.charAt(0)) && path.charAt(1) == ':'
				&& isSeparator(path.charAt(2));
	}

	/** The separator the path uses: '\' when it has one and no '/', else '/'. */
	private static char separatorOf(String path) {
		return path.indexOf('\\') >= 0 && path.indexOf('/') < 0 ? '\\' : '/';
	}

	/** The last name of the path. */
	static String fileName(String path) {
		int end = path.length();
		while (end > 0 && isSeparator(path.charAt(end - 1))) end--;
		int start = end;
		while (start > 0 && !isSeparator(path.charAt(start - 1))) start--;
		return path.substring(start, end);
	}

	/** The folder of the path, "" for a bare name. */
	static String folderOf(String path) {
		int end = path.length();
		while (end > 0 && !isSeparator(path.charAt(end - 1))) end--;
		while (end > 1 && isSeparator(path.charAt(end - 1)) && !isRootEnd(path, end)) end--;
		return path.substring(0, end);
	}

	private static boolean isRootEnd(String path, int end) {
		return end == 1 || (end == 3 && path.charAt(1) == ':');
	}

	/** other taken from folder (unless it is absolute), with "." and ".." steps removed. */
	static String resolve(String folder, String other) {
		if (isAbsolute(other) || folder.isEmpty()) return normalize(other);
		char separator = separatorOf(folder);
		String joined = isSeparator(folder.charAt(folder.length() - 1)) ? folder + other
				: folder + separator + other;
		return normalize(joined);
	}

	/**
	 * The path without "." steps and with each ".." taking away the name
	 * before it (where there is one); the separators stay those of the path.
	 */
	static String normalize(String path) {
		char separator = separatorOf(path);
		String root = "";
		int start = 0;
		if (path.length() >= 2 && Character.isLetter(path.charAt(0)) && path.charAt(1) == ':') {
			root = path.substring(0, 2);
			start = 2;
		}
		if (start < path.length() && isSeparator(path.charAt(start))) {
			root += separator;
			start++;
			// A network path (\\host\share) keeps its two separators.
			if (start == 1 && path.length() > 1 && isSeparator(path.charAt(1))) {
				root += separator;
				start++;
			}
		}
		Deque<String> names = new ArrayDeque<>();
		for (String name : path.substring(start).split("[/\\\\]+")) {
			if (name.isEmpty() || name.equals(".")) continue;
			if (name.equals("..") && !names.isEmpty() && !names.peekLast().equals("..")) names.removeLast();
			else if (!name.equals("..") || root.isEmpty()) names.addLast(name);
		}
		String joined = String.join(String.valueOf(separator), names);
		if (root.isEmpty() && joined.isEmpty()) return ".";
		return root + joined;
	}
}
