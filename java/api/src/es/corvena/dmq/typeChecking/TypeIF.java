package es.corvena.dmq.typeChecking;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/**
 * A type of the checked language as the API sees it. The generated class
 * {@code Type} implements it; the methods below are the ones its fixed text
 * always provides.
 */
public interface TypeIF {

	/** The type expression that denotes this type, e.g. {@code array(integer)}. */
	String getName();

	/** The name of the type constructor (the type class), e.g. {@code array}. */
	String getType();

	/** The i-th type argument of the constructor. */
	TypeIF getTypeField(int i) throws TypeException;

	/** The i-th text argument of the constructor. */
	String getDataField(int i) throws TypeException;

	/** True for a name that was used before any type was bound to it. */
	boolean isReference() throws TypeException;

	/** True for an alias made by {@link #createAlias}. */
	boolean isNamedType() throws TypeException;

	/** A new type called typeName that stands for this one. */
	TypeIF createAlias(String typeName) throws TypeException;

	/** Binds a reference to the type t; fails on anything but a reference. */
	void resolveReference(TypeIF t) throws TypeException;
}
