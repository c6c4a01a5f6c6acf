package es.corvena.dmq.typeChecking;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/** Builds the type of constructor id with the given arguments. */
public interface TypeFactoryIF {

	TypeIF createType(String id, TermList e) throws TypeException;
}
