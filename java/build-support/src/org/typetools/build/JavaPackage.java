package org.typetools.build;

/** The package a Java source file declares. */
final class JavaPackage {

	private JavaPackage() {
	}

	/**
	 * The qualified name of the package declared by the text's first
	 * declaration (after blanks and comments), or "" for the default package.
	 */
	static String of(String text) {
		int i = skipBlanksAndComments(text, 0);
		if (!text.startsWith("package", i)) return "";
		i += "package".length();
		if (i < text.length() && Character.isJavaIdentifierPart(text.charAt(i))) return "";
		StringBuilder name = new StringBuilder();
		while (true) {
			i = skipBlanksAndComments(text, i);
			if (i >= text.length()) return "";
			char c = text.charAt(i);
			if (c == ';') return name.toString();
			if (!Character.isJavaIdentifierPart(c) && c != '.') return "";
			name.append(c);
			i++;
		}
	}

	private static int skipBlanksAndComments(String text, int i) {
		while (i < text.length()) {
			if (Character.isWhitespace(text.charAt(i))) {
				i++;
			} else if (text.startsWith("//", i)) {
				int end = text.indexOf('\n', i);
				i = end < 0 ? text.length() : end + 1;
			} else if (text.startsWith("/*", i)) {
				int end = text.indexOf("*/", i + 2);
				i = end < 0 ? text.length() : end + 2;
			} else {
				break;
			}
		}
		return i;
	}
}
