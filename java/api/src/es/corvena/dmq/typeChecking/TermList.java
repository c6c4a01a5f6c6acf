package es.corvena.dmq.typeChecking;

import java.util.ArrayList;
import java.util.List;
import java.util.regex.Pattern;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/**
 * The arguments of one type constructor: types and texts, in order.
 * The class is final on purpose: generated builders are looked up by the
 * exact run-time class of the argument list.
 */
public final class TermList {

	private final String constructor;
	private final List<Object> terms = new ArrayList<>();

	/** An empty argument list for the type constructor of that name. */
	public TermList(String constructor) {
		this.constructor = constructor;
	}

	/** Appends a type argument. */
	public void add(TypeIF type) {
		terms.add(type);
	}

	/** Appends a text argument. */
	public void add(String text) {
		terms.add(text);
	}

	/** The number of arguments. */
	public int size() {
		return terms.size();
	}

	/**
	 * The canonical text of the type: the constructor alone without
	 * arguments, else constructor(arg, ...) with types by name and texts
	 * quoted; the type-expression parser reads it back to the same type.
	 */
	public String getTypeExpression() {
		if (terms.isEmpty()) return constructor;
		StringBuilder text = new StringBuilder(constructor).append('(');
		for (int i = 0; i < terms.size(); i++) {
			if (i > 0) text.append(", ");
			Object term = terms.get(i);
			if (term instanceof TypeIF) text.append(((TypeIF) term).getName());
			else text.append(quote((String) term));
		}
		return text.append(')').toString();
	}

	/** Appends the text arguments to dataFields and the type arguments to typeFields. */
	public void fillFields(List<Object> dataFields, List<Object> typeFields) {
		for (Object term : terms) {
			if (term instanceof TypeIF) typeFields.add(term);
			else dataFields.add(term);
		}
	}

	/**
	 * Checks the arguments against the kinds that the type class declares:
	 * "Type" or "String" take one argument of that kind, "Type+" or
	 * "String+" one or more.
	 */
	public void check(String constructor, String[] kinds) throws TypeException {
		StringBuilder pattern = new StringBuilder();
		for (String kind : kinds) pattern.append(kindPattern(kind));
		StringBuilder found = new StringBuilder();
		for (Object term : terms) found.append(term instanceof TypeIF ? 'T' : 'S');
		if (!constructor.equals(this.constructor) || !Pattern.matches(pattern.toString(), found))
			throw new TypeException("type " + constructor + " takes (" + String.join(", ", kinds)
					+ "), not " + getTypeExpression());
	}

	private static String kindPattern(String kind) throws TypeException {
		switch (kind) {
			case "Type": return "T";
			case "Type+": return "T+";
			case "String": return "S";
			case "String+": return "S+";
			default: throw new TypeException("unknown argument kind " + kind);
		}
	}

	/** The text in double quotes, with quote and backslash escaped by a backslash. */
	public static String quote(String text) {
		return '"' + text.replace("\\", "\\\\").replace("\"", "\\\"") + '"';
	}
}
