package es.corvena.dmq.typeChecking;

/** Makes the parser that reads a type expression into types of table t. */
public interface TEParserFactoryIF {

	TEParserIF createParser(String input, TypesTable t);
}
