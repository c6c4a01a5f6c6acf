/**
 * The Java type-checking API that the {@code Type.java} written by Vastor
 * compiles against.
 *
 * <p>A checker asks {@link es.corvena.dmq.typeChecking.TypesTable} for types
 * by type expression, such as {@code array(real)}. The table reads the
 * expression with the parser that its {@link es.corvena.dmq.typeChecking.TEParserFactoryIF}
 * makes (the generated class {@code Type} makes a {@code TEParser}, found in
 * the default package) and builds each type once through its
 * {@link es.corvena.dmq.typeChecking.TypeFactoryIF} (the generated
 * {@code Type.builder}). The arguments of a type constructor travel in a
 * {@link es.corvena.dmq.typeChecking.TermList}.
 *
 * <p>The error class {@code errorHandling.TypeException} is not part of these
 * sources: Vastor writes it with {@code -API=<this folder>}, extending the
 * class given by {@code -baseError}. The build-tool integrations copy these
 * sources next to the generated ones and point {@code -API} at the copy.
 */
package es.corvena.dmq.typeChecking;
