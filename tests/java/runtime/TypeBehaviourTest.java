import java.util.Arrays;
import java.util.List;

import es.corvena.dmq.typeChecking.errorHandling.TypeException;

/**
 * Runs the classes that Vastor generated from types.spec and checks what
 * they do: promotions, user methods through the Type wrapper, safe-call
 * defaults, builders, type references and named types. Exits with 1 after
 * printing every failed check.
 */
public class TypeBehaviourTest {

	/** The promotion chains of types.spec. */
	static final String[][] CHAINS = {
		{ "small", "medium", "large" }, { "medium", "huge" },
		{ "alone" }, { "pair" }, { "tagged" }, { "list" },
	};

	static int checks;
	static int failures;

	interface Call {
		Object run() throws Exception;
	}

	public static void main(String[] args) throws Exception {
		promotionsFollowTheChains();
		userMethodsAreReachedThroughType();
		missingMethodsRaiseTheSafeCallError();
		buildersCheckTheirArguments();
		typeReferencesStubEveryMethodUntilResolved();
		namedTypesDelegateToTheirType();
		System.out.println("TypeException extends " + TypeException.class.getSuperclass().getName());
		System.out.println(checks + " checks, " + failures + " failed");
		System.exit(failures == 0 ? 0 : 1);
	}

	static Type type(String expression) throws TypeException {
		return Type.typesTable.getType(expression);
	}

	/** A type promotes to itself and to every name after it in any chain. */
	static boolean promotes(String from, String to) {
		if (from.equals(to)) return true;
		for (String[] chain : CHAINS) {
			List<String> names = Arrays.asList(chain);
			int i = names.indexOf(from);
			if (i >= 0 && names.subList(i + 1, names.size()).contains(to)) return true;
		}
		return false;
	}

	static void promotionsFollowTheChains() throws Exception {
		String[] names = { "small", "medium", "large", "huge", "alone", "pair(small, huge)", "ghost" };
		for (String from : names)
			for (String to : names) {
				Type target = type(to);
				Type result = type(from).implicitCast(target);
				expect(result == (promotes(from, to) ? target : null), from + ".implicitCast(" + to + ") gave "
						+ (result == null ? "null" : result.getName()));
			}
		expect(type("small").equalsTo(type("small")), "small equalsTo small");
		expect(!type("small").equalsTo(type("medium")), "small not equalsTo medium");
		expect(Type.isPredefinedType("huge") && !Type.isPredefinedType("ghost")
				&& !Type.isPredefinedType("BaseType"), "isPredefinedType follows the Types directive");
	}

	static void userMethodsAreReachedThroughType() throws Exception {
		Type pair = type("pair(small, tagged(\"x\", large, huge))");
		equal("pair(small, tagged(\"x\", large, huge))", pair.getName(), "name of a built type");
		equal("pair", pair.getType(), "type class of a built type");
		expect(pair.first() == type("small"), "pair.first() is its first type argument");
		equal("x", pair.second().tag(), "tag of the second argument");
		expect(pair.second().first() == type("large"), "tagged.first()");
		expect(pair.second().hasTag("x", 1) && !pair.second().hasTag("x", 0), "method with two parameters");
		equal("pair of small and tagged(\"x\", large, huge)", pair.describe(), "class method overrides BaseType's");
		equal("the small one", type("small").describe(), "small overrides describe");
		equal("plain medium", type("medium").describe(), "default class uses BaseType's describe");
		equal("plain large", type("large").describe(), "default class uses BaseType's describe");
		Type medium = type("medium");
		int first = medium.count();
		equal(first + 1, medium.count(), "BaseType method keeps the state of its object");
		Type list = type("list(\"a\", \"b\", \"c\")");
		equal(3, list.length(), "list of three texts");
		equal("b", list.getDataField(1), "second data field");
		list.clear();
		expect(list.wasCleared(), "void method ran");
	}

	static void missingMethodsRaiseTheSafeCallError() throws Exception {
		Object[][] cases = {
			{ (Call) () -> type("alone").first(), "operation Type first () not available for class alone" },
			{ (Call) () -> type("medium").tag(), "operation String tag () not available for class medium" },
			{ (Call) () -> type("list(\"a\")").hasTag("a", 1),
				"operation boolean hasTag (String, int) not available for class list" },
			{ (Call) () -> { type("pair(alone, alone)").clear(); return null; },
				"operation void clear () not available for class pair" },
		};
		for (Object[] c : cases) raises((Call) c[0], (String) c[1]);
	}

	static void buildersCheckTheirArguments() throws Exception {
		String[] wrong = { "pair(small)", "pair(small, \"x\")", "tagged(\"x\")", "tagged(small, \"x\")",
				"list", "list(small)", "small(medium)", "alone(\"x\")" };
		for (String expression : wrong) raises(() -> type(expression), null);
		raises(() -> type("ghost(small)"), "Constructor of type references has got no parameters");
		Type direct = Type.builder("tagged", terms("tagged", "t", "huge"));
		equal("tagged(\"t\", huge)", direct.getName(), "Type.builder of a user class");
		expect(direct.first() == type("huge"), "Type.builder fills the type fields");
	}

	static void typeReferencesStubEveryMethodUntilResolved() throws Exception {
		Type ref = Type.builder("later", terms("later"));
		expect(ref.isReference() && !ref.isNamedType(), "a name outside the Types directive is a reference");
		equal("later", ref.getName(), "name of a reference");
		equal("later", ref.getType(), "type of a reference");
		raises(ref::describe, "Trying to call method String describe () in a non defined type");
		raises(ref::first, "Trying to call method Type first () in a non defined type");
		raises(() -> ref.hasTag("x", 2),
				"Trying to call method boolean hasTag (String, int) in a non defined type");
		Type pair = type("pair(alone, huge)");
		raises(() -> { pair.resolveReference(type("small")); return null; }, "Type pair is not type reference");
		ref.resolveReference(pair);
		expect(!ref.isReference(), "a resolved reference is no longer one");
		equal(pair.getName(), ref.getName(), "a resolved reference takes the type's name");
		equal(pair.describe(), ref.describe(), "a resolved reference runs the type's methods");
		expect(ref.second() == type("huge"), "a resolved reference has the type's fields");
	}

	static void namedTypesDelegateToTheirType() throws Exception {
		Type pair = type("pair(small, large)");
		Type alias = (Type) pair.createAlias("couple");
		expect(alias.isNamedType() && !alias.isReference(), "an alias is a named type");
		expect(!pair.isNamedType(), "the aliased type is not");
		equal("couple", alias.getName(), "name of an alias");
		equal("couple", alias.getType(), "type of an alias");
		expect(alias.getTypeField(0) == pair, "an alias holds its type as type field 0");
		expect(alias.first() == type("small"), "alias.first() delegates");
		equal(pair.describe(), alias.describe(), "alias.describe() delegates");
		raises(alias::tag, "operation String tag () not available for class pair");
		Type list = type("list(\"z\")");
		Type listAlias = (Type) list.createAlias("names");
		listAlias.clear();
		expect(list.wasCleared(), "void method delegated by an alias");
		expect(alias.implicitCast(alias) == alias, "an alias promotes to itself");
		expect(alias.implicitCast(pair) == null, "promotions go by name: an alias does not promote to its type");
		Type tiny = (Type) type("small").createAlias("tiny");
		expect(tiny.implicitCast(type("medium")) == null, "an alias is in no promotion chain");
	}

	/** A term list for constructor id: arguments that name predefined types are types, others texts. */
	static es.corvena.dmq.typeChecking.TermList terms(String id, String... arguments) throws TypeException {
		es.corvena.dmq.typeChecking.TermList terms = new es.corvena.dmq.typeChecking.TermList(id);
		for (String argument : arguments) {
			if (Type.isPredefinedType(argument)) terms.add(type(argument));
			else terms.add(argument);
		}
		return terms;
	}

	static void expect(boolean ok, String what) {
		checks++;
		if (!ok) {
			failures++;
			System.out.println("FAILED: " + what);
		}
	}

	static void equal(Object expected, Object actual, String what) {
		expect(expected.equals(actual), what + ": expected <" + expected + "> but got <" + actual + ">");
	}

	/** The call must raise a TypeException whose message contains the text (any message for null). */
	static void raises(Call call, String message) {
		try {
			Object result = call.run();
			expect(false, "no TypeException; got " + result + (message == null ? "" : ", expected: " + message));
		}
		catch (TypeException e) {
			expect(message == null || String.valueOf(e.getMessage()).contains(message),
					"TypeException <" + e.getMessage() + ">, expected: " + message);
		}
		catch (Exception e) {
			expect(false, "raised " + e + " instead of a TypeException: " + message);
		}
	}
}
