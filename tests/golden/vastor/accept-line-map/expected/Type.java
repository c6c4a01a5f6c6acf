// * Preamble

// Every line of a method body, a code block and the preamble maps to the
// line it came from; generated lines map to the header they serve.
import java.util.List;// * End of Preamble
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

	public boolean small () throws TypeException {
		return type.small();

	}

	public int bits () throws TypeException {
		return type.bits();

	}

	public Type element () throws TypeException {
		return type.element();

	}

	private static String[] typeStrings = { "flag", "int16", "int8", "list", "real" };
}

abstract class BaseType {

	String name;
	String type;
	ArrayList typeFields;
	ArrayList dataFields;

 int uses; 	// reserved Methods

	String getDataField (int i) throws TypeException {
		return (String)dataFields.get(i);
	}

	abstract String getName ();

	abstract String getType ();

	Type getTypeField (int i) throws TypeException {
		return (Type)typeFields.get(i);
	}

	// Methods that asure safe call in polimorphics operations beteween types

	int bits () throws TypeException {
		throw new TypeException ("operation int bits () not available for class "+ getType());

	}

	Type element () throws TypeException {
		throw new TypeException ("operation Type element () not available for class "+ getType());

	}

	boolean equalsTo (Type t) throws TypeException {
			return t.getType() == getType();
	}

	Type implicitCast (Type t) throws TypeException {

		String [][] promotions = {
			{ "int8", "int16", "real" },
			{ "flag" },
			{ "list" }
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

	boolean small () throws TypeException {
		throw new TypeException ("operation boolean small () not available for class "+ getType());

	}

	// Methods defined by user in base class BaseType

	String describe () throws TypeException {

		uses++;
		return "type " + getName();
	
	}


}
class int8 extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	boolean small () throws TypeException {
 return true; 
	}


	static final int BITS = 8;
		int bits () throws TypeException {

		return BITS;
	
	}

	private int8( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "int8";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("int8", constructorParams);
		return new int8 (e);

	}


}
class list extends BaseType {

	String getName() { return name; }

	String getType() { return type; }

	Type element () throws TypeException {
 return getTypeField(0); 
	}

	private list( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "list";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = { "Type", "String+" };
		e.check ("list", constructorParams);
		return new list (e);

	}


}
class flag extends BaseType {

	private flag( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "flag";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("flag", constructorParams);
		return new flag (e);

	}

	String getName() { return name; }

	String getType() { return type; }


}
class int16 extends BaseType {

	private int16( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "int16";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("int16", constructorParams);
		return new int16 (e);

	}

	String getName() { return name; }

	String getType() { return type; }


}
class real extends BaseType {

	private real( TermList constructorArguments) {

		name = constructorArguments.getTypeExpression();
		type = "real";
		typeFields = new ArrayList();
		dataFields = new ArrayList();
		constructorArguments.fillFields(dataFields, typeFields);

	}

	static BaseType builder (TermList e) throws TypeException {
		String [] constructorParams = {  };
		e.check ("real", constructorParams);
		return new real (e);

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

	String describe () throws TypeException {
		 throw new TypeException("Trying to call method String describe () in a non defined type");

	}

	boolean small () throws TypeException {
		 throw new TypeException("Trying to call method boolean small () in a non defined type");

	}

	int bits () throws TypeException {
		 throw new TypeException("Trying to call method int bits () in a non defined type");

	}

	Type element () throws TypeException {
		 throw new TypeException("Trying to call method Type element () in a non defined type");

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

	public String describe () throws TypeException {
		return getTypeField(0).describe();

	}

	public boolean small () throws TypeException {
		return getTypeField(0).small();

	}

	public int bits () throws TypeException {
		return getTypeField(0).bits();

	}

	public Type element () throws TypeException {
		return getTypeField(0).element();

	}


}

