// * Preamble

// Preamble of the rich specification
import java.util.List;
// * End of Preamble
//////////////////////////////////////////////////////////
// CLASS TYPE//////////////////////////////////////
import java.lang.reflect.Method;
import java.util.ArrayList;
import java.lang.Class;
import es.corvena.dmq.typeChecking.*;
import es.corvena.dmq.typeChecking.errorHandling.*;
import java.lang.String;

public class  Type implements TypeIF{
	static class TypesTableAdapter extends TypesTable {

		private TypesTableAdapter(TypeFactoryIF t, TEParserFactoryIF tef) { super(t, tef); }

		public Type getType(String id) throws TypeException{
			return (Type)super.getTypeIF(id);
		}

	}

	public static TypesTableAdapter typesTable= new TypesTableAdapter
		     (
	              new TypeFactoryIF(){

			public TypeIF createType(String id, TermList e) throws TypeException {
			return Type.builder(id, e);
			}
		      }
	              ,
	              new TEParserFactoryIF() {

			public TEParserIF createParser(String input, TypesTable t){
			return new TEParser(input, t);
			}
		     }
	             );

	private BaseType type;

	public Type (BaseType t) { type = t; }

	public String getName () { return type.getName(); }

	public String getType () { return type.getType(); }

	public Type getTypeField (int i) throws TypeException { return type.getTypeField(i); }

	public String getDataField (int i) throws TypeException { return type.getDataField(i); }

	public Type implicitCast (Type t) throws TypeException { return type.implicitCast(t); }

	public boolean equalsTo (Type t)  throws TypeException { return type.equalsTo(t); }

	// * user defined Methods

	public boolean isReference () throws TypeException {
		return type instanceof TypeReference;
	}

	public boolean isNamedType () throws TypeException {
		return type instanceof NamedType;
	}

	public TypeIF createAlias (String typeName) throws TypeException {
		 return new Type(new NamedType(typeName, this));
	}

	public void resolveReference (TypeIF t) throws TypeException {
		if (!isReference()) throw new TypeException("Type " + getType() + " is not type reference");
		type = ((Type)t).type;
	}

	static boolean isPredefinedType (String s) throws TypeException {
		return java.util.Arrays.binarySearch(typeStrings, s)>=0;
	}

	static Type builder (String id, TermList e) throws TypeException {
		Type t = null;

		try {
			if (Type.isPredefinedType(id)) {
				Class c = Class.forName(id);
				Class [] builderPars = { e.getClass() };
				Object [] builderArgs = { e };

				t = new Type ((BaseType)c.getDeclaredMethod("builder", builderPars).invoke(c, builderArgs));
			}
			else {
				if (e.size() > 0) throw new TypeException("Constructor of type references has got no parameters");
				t = new Type (new TypeReference(id));
			}

		}
		catch (java.lang.reflect.InvocationTargetException targetEx) {
			Throwable thr = targetEx.getCause();
			if (thr != null) {
				TypeException exce = new TypeException(thr.getMessage());
				exce.setStackTrace(thr.getStackTrace());
				throw exce;
			}
			throw new TypeException(targetEx.getMessage());
		}
		catch (Exception ex) { throw new TypeException(ex.toString()); }
			return t;

	}

	public void describe (String prefix) throws TypeException {
		type.describe(prefix);

	}

	public Type elementType () throws TypeException {
		return type.elementType();

	}

	public int arity (int level, String name) throws TypeException {
		return type.arity(level, name);

	}

	public void reset () throws TypeException {
		type.reset();

	}

	private static String[] typeStrings = { "String.Array", "Vector", "char", "double", "float", "int" };
}

abstract class BaseType {

	String name;
	String type;
	ArrayList typeFields;
	ArrayList dataFields;


	// code block at the head of BaseType
	static int instances = 0;
	
	// a block placed after the methods still comes before them
		// reserved Methods

	String getDataField (int i) throws TypeException {
		return (String)dataFields.get(i);
	}

	abstract String getName ();

	abstract String getType ();

	Type getTypeField (int i) throws TypeException {
		return (Type)typeFields.get(i);
	}

	// Methods that asure safe call in polimorphics operations beteween types

	int arity (int level, String name) throws TypeException {
		throw new TypeException ("operation int arity (int, String) not available for class "+ getType());

	}

	Type elementType () throws TypeException {
		throw new TypeException ("operation Type elementType () not available for class "+ getType());

	}

	void reset () throws TypeException {
		throw new TypeException ("operation void reset () not available for class "+ getType());

	}

	// Methods defined by user in base class BaseType

	void describe (String prefix) throws TypeException {

		System.out.println(prefix + getName());
	
	}

	boolean equalsTo (Type other) throws TypeException {

		return getName().equals(other.getName());
	
	}

	Type implicitCast (Type target) throws TypeException {

		if (equalsTo(target)) return target;
		return null;
	
	}


}
class Vector extends BaseType {

	String getName() { return name; }

	String getType() { return type; }


	// vector code
	int size() { return dataFields.size(); }
		Type elementType () throws TypeException {

		return getTypeField(0);
	
	}

	boolean equalsTo (Type t) throws TypeException {

		return t.getName().equals(getName()) && elementType().equalsTo(t.getTypeField(0));
	
	}

	void describe (String how) throws TypeException {

		System.out.println(how);
	
	}

	int arity (int level, String name) throws TypeException {

		return dataFields.size() + level;
	
	}

	private Vector( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "Vector";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = { "Type", "String+" };
		e.check ("Vector", constructorParams);
		return new Vector (e);

	}


}
class int extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	int arity (int depth, String label) throws TypeException {

		return 0;
	
	}

	Type elementType () throws TypeException {

		return null;
	
	}

	Type implicitCast (Type t) throws TypeException {

		return null;
	
	}

	private int( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "int";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = { "String+", "Type" };
		e.check ("int", constructorParams);
		return new int (e);

	}


}
class double extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	void reset () throws TypeException {

	}

	private double( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "double";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("double", constructorParams);
		return new double (e);

	}


}
class String.Array extends BaseType {

	private String.Array( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "String.Array";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("String.Array", constructorParams);
		return new String.Array (e);

	}

	String getName() { return name; }

	String getType() { return type; }


}
class char extends BaseType {

	private char( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "char";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("char", constructorParams);
		return new char (e);

	}

	String getName() { return name; }

	String getType() { return type; }


}
class float extends BaseType {

	private float( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "float";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("float", constructorParams);
		return new float (e);

	}

	String getName() { return name; }

	String getType() { return type; }


}
//////////////////////////////////////////////////////////
// CLASS TypeReference//////////////////////////////////////
class TypeReference extends BaseType {

	TypeReference(String s) { name = type = s; }
	String getName(){ return name; }

	String getType(){ return type; }

	boolean equalsTo (Type other) throws TypeException {
		 throw new TypeException("Trying to call method boolean equalsTo (Type) in a non defined type");

	}

	Type implicitCast (Type target) throws TypeException {
		 throw new TypeException("Trying to call method Type implicitCast (Type) in a non defined type");

	}

	void describe (String prefix) throws TypeException {
		 throw new TypeException("Trying to call method void describe (String) in a non defined type");

	}

	Type elementType () throws TypeException {
		 throw new TypeException("Trying to call method Type elementType () in a non defined type");

	}

	int arity (int level, String name) throws TypeException {
		 throw new TypeException("Trying to call method int arity (int, String) in a non defined type");

	}

	void reset () throws TypeException {
		 throw new TypeException("Trying to call method void reset () in a non defined type");

	}


}
//////////////////////////////////////////////////////////
// CLASS NamedType//////////////////////////////////////
class NamedType extends BaseType {

	NamedType(String s, Type t) { 

		name = type = s;
		typeFields = new ArrayList();
		typeFields.add(t);
	}

	String getName(){ return name; }

	String getType(){ return type; }

	public boolean equalsTo (Type other) throws TypeException {
		return getTypeField(0).equalsTo(other);

	}

	public Type implicitCast (Type target) throws TypeException {
		return getTypeField(0).implicitCast(target);

	}

	public void describe (String prefix) throws TypeException {
		getTypeField(0).describe(prefix);

	}

	public Type elementType () throws TypeException {
		return getTypeField(0).elementType();

	}

	public int arity (int level, String name) throws TypeException {
		return getTypeField(0).arity(level, name);

	}

	public void reset () throws TypeException {
		getTypeField(0).reset();

	}


}

