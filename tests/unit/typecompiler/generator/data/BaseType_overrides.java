abstract class BaseType {

	String name;
	String type;
	ArrayList typeFields;
	ArrayList dataFields;

	// code
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

	// Methods defined by user in base class BaseType

	boolean equalsTo (Type y) throws TypeException {
		return false;
	}

	Type implicitCast (Type x) throws TypeException {
		return x;
	}

	int size () throws TypeException {
		return 0;
	}


}
