// * Preamble
import java.util.*;
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

	public String describe () throws TypeException {
		return type.describe();

	}

	public void reset (int a, String b) throws TypeException {
		type.reset(a, b);

	}

	public Type plus (Type t) throws TypeException {
		return type.plus(t);

	}

	public int size () throws TypeException {
		return type.size();

	}

	private static String[] typeStrings = { "Int", "double", "float", "int" };
}

abstract class BaseType {

	String name;
	String type;
	ArrayList typeFields;
	ArrayList dataFields;

	int counter;
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

	Type implicitCast (Type t) throws TypeException {

		String [][] promotions = {
			{ "int", "float", "double" },
			{ "Int" },
			{ "float", "int" }
		};

		if (getName().equals(t.getName()) ) return t;

		for (int i = 0; i< promotions.length; i++){
			boolean found1st = false; //true if the first type is found
			for (int j = 0; j< promotions[i].length; j++)
				if (found1st) {
					if ( promotions[i][j].equals (t.getName()) )  return t;
				}
				else
					if ( promotions[i][j].equals (getName()) )  found1st = true;
		}
		return null;
	}

	Type plus (Type t) throws TypeException {
		throw new TypeException ("operation Type plus (Type) not available for class "+ getType());

	}

	void reset (int a, String b) throws TypeException {
		throw new TypeException ("operation void reset (int, String) not available for class "+ getType());

	}

	int size () throws TypeException {
		throw new TypeException ("operation int size () not available for class "+ getType());

	}

	// Methods defined by user in base class BaseType

	String describe () throws TypeException {
		return name;
	}

	boolean equalsTo (Type other) throws TypeException {
		return true;
	}


}
class int extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	// int code
	void reset (int a, String b) throws TypeException {
		a = 0;

	}

	Type plus (Type t) throws TypeException {
		return t;
	}

	String describe () throws TypeException {
		return "int";
	}

	Type implicitCast (Type t) throws TypeException {
		return t;
	}

	private int( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "int";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = { "Type", "String+" };
		e.check ("int", constructorParams);
		return new int (e);

	}


}
class double extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	Type plus (Type other) throws TypeException {
		return other;
	}

	int size () throws TypeException {
		return 8;
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
class Int extends BaseType {

	private Int( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "Int";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("Int", constructorParams);
		return new Int (e);

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

	String describe () throws TypeException {
		 throw new TypeException("Trying to call method String describe () in a non defined type");

	}

	void reset (int a, String b) throws TypeException {
		 throw new TypeException("Trying to call method void reset (int, String) in a non defined type");

	}

	Type plus (Type t) throws TypeException {
		 throw new TypeException("Trying to call method Type plus (Type) in a non defined type");

	}

	Type implicitCast (Type t) throws TypeException {
		 throw new TypeException("Trying to call method Type implicitCast (Type) in a non defined type");

	}

	int size () throws TypeException {
		 throw new TypeException("Trying to call method int size () in a non defined type");

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

	public String describe () throws TypeException {
		return getTypeField(0).describe();

	}

	public void reset (int a, String b) throws TypeException {
		getTypeField(0).reset(a, b);

	}

	public Type plus (Type t) throws TypeException {
		return getTypeField(0).plus(t);

	}

	public Type implicitCast (Type t) throws TypeException {
		return getTypeField(0).implicitCast(t);

	}

	public int size () throws TypeException {
		return getTypeField(0).size();

	}


}

