package es.corvena.dmq.typeChecking.errorHandling;


public class TypeException extends Exception{
	public int line;
	public TypeException(String s) {this(s,0); }
	public TypeException(String s, int line) { super(s); this.line = line; }
	public String toString() {
		return "TypeException" + (line ==0 ?": ": ", line(" + line + ")" )+ getMessage();
	}
}
