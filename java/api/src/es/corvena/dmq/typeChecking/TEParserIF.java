package es.corvena.dmq.typeChecking;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/** A parser of one type expression, made for one input text. */
public interface TEParserIF {

	/** Reads the whole input as one type expression and returns its type. */
	TypeIF parse() throws TypeException;
}
