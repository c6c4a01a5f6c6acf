package es.corvena.dmq.typeChecking;

import java.util.HashMap;
import java.util.Map;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/**
 * The types of one checked program, each built once and shared afterwards.
 * Types are looked up by type expression; the expression is read by the
 * parser that the parser factory makes, and every type it denotes is built
 * by the type factory.
 */
public class TypesTable {

	private final TypeFactoryIF factory;
	private final TEParserFactoryIF parsers;
	/** Built types by the text that asked for them and by their own name. */
	private final Map<String, TypeIF> types = new HashMap<>();

	/**
	 * An empty table that builds types with factory and reads type
	 * expressions with the parsers that parsers makes.
	 */
	public TypesTable(TypeFactoryIF factory, TEParserFactoryIF parsers) {
		this.factory = factory;
		this.parsers = parsers;
	}

	/** The type denoted by the type expression, for example {@code array(real)}. */
	public TypeIF getTypeIF(String expression) throws TypeException {
		TypeIF type = types.get(expression);
		if (type == null) {
			type = parsers.createParser(expression, this).parse();
			types.put(expression, type);
		}
		return type;
	}

	/**
	 * The type of constructor id with the given arguments; for parsers of
	 * type expressions. Equal expressions give the same object.
	 */
	public TypeIF createType(String id, TermList arguments) throws TypeException {
		String name = arguments.getTypeExpression();
		TypeIF type = types.get(name);
		if (type == null) {
			type = factory.createType(id, arguments);
			types.put(name, type);
		}
		return type;
	}
}
