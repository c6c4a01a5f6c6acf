package es.corvena.dmq.typeChecking.errorHandling;


public class TypeException extends antlr.RecognitionException{
	public int line;
	public TypeException(String s) {this(s,0); }
	public TypeException(String s, int line) { super(s); this.line = line; }
	static antlr.CharScanner lex = null;
	public static void setLex(antlr.CharScanner l) {
		lex = l;
	}
	public static antlr.CharScanner getLex() {
		return lex;
	}

	public String toString() {
//	int lin = lex == null? line : lex.getLine();
		if (lex!= null) line = lex.getLine();
		return "TypeException, line(" + line + ")" + getMessage();
	}
}
