import java.io.InputStream;
import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;

import javax.xml.parsers.DocumentBuilderFactory;

import org.apache.maven.plugin.AbstractMojo;
import org.w3c.dom.Document;
import org.w3c.dom.Element;
import org.w3c.dom.Node;
import org.w3c.dom.NodeList;

/**
 * The hand-written descriptor of the Maven plugin (META-INF/maven/plugin.xml
 * in its jar) against the goals' classes: each parameter is a field of the
 * goal's class (or of a class it extends) with the same type, each field is a
 * parameter, and each configuration entry names a parameter with its type.
 * Maven sets fields from the descriptor by name: a parameter without a field
 * fails only when a user sets it, a field without a parameter is never set.
 */
public final class PluginDescriptorCheck {

	public static void main(String[] arguments) throws Exception {
		Document descriptor;
		try (InputStream in = PluginDescriptorCheck.class.getClassLoader()
				.getResourceAsStream("META-INF/maven/plugin.xml")) {
			if (in == null) throw new IllegalStateException("no META-INF/maven/plugin.xml on the class path");
			descriptor = DocumentBuilderFactory.newInstance().newDocumentBuilder().parse(in);
		}
		List<String> faults = new ArrayList<>();
		NodeList mojos = descriptor.getElementsByTagName("mojo");
		for (int i = 0; i < mojos.getLength(); i++) checkMojo((Element) mojos.item(i), faults);
		for (String fault : faults) System.out.println("FAIL " + fault);
		System.out.println(mojos.getLength() + " goals checked, " + faults.size() + " faults");
		System.exit(faults.isEmpty() && mojos.getLength() > 0 ? 0 : 1);
	}

	private static void checkMojo(Element mojo, List<String> faults) throws ClassNotFoundException {
		String goal = text(mojo, "goal");
		Class<?> type = Class.forName(text(mojo, "implementation"));
		if (!AbstractMojo.class.isAssignableFrom(type)) faults.add(goal + ": " + type.getName() + " is no Mojo");
		Map<String, Field> fields = new TreeMap<>();
		for (Class<?> c = type; c != null && c != AbstractMojo.class; c = c.getSuperclass())
			for (Field field : c.getDeclaredFields())
				if (!Modifier.isStatic(field.getModifiers())) fields.putIfAbsent(field.getName(), field);

		Map<String, String> parameters = new TreeMap<>();
		Element parameterList = child(mojo, "parameters");
		for (Node node = parameterList.getFirstChild(); node != null; node = node.getNextSibling()) {
			if (!(node instanceof Element)) continue;
			String name = text((Element) node, "name");
			String declared = text((Element) node, "type");
			parameters.put(name, declared);
			Field field = fields.get(name);
			if (field == null) faults.add(goal + ": the parameter " + name + " has no field");
			else if (!field.getType().getName().equals(declared))
				faults.add(goal + ": " + name + " is " + declared + " in the descriptor, " + field.getType().getName()
						+ " in the class");
			else if (Modifier.isFinal(field.getModifiers())) faults.add(goal + ": the field " + name + " is final");
		}
		for (String field : fields.keySet())
			if (!parameters.containsKey(field)) faults.add(goal + ": the field " + field + " is no parameter");

		Element configuration = child(mojo, "configuration");
		for (Node node = configuration.getFirstChild(); node != null; node = node.getNextSibling()) {
			if (!(node instanceof Element)) continue;
			Element entry = (Element) node;
			String declared = parameters.get(entry.getTagName());
			if (declared == null) faults.add(goal + ": the configuration sets " + entry.getTagName() + ", no parameter");
			else if (!declared.equals(entry.getAttribute("implementation")))
				faults.add(goal + ": the configuration of " + entry.getTagName() + " says "
						+ entry.getAttribute("implementation") + ", the parameter " + declared);
		}
	}

	private static Element child(Element parent, String name) {
		for (Node node = parent.getFirstChild(); node != null; node = node.getNextSibling())
			if (node instanceof Element && ((Element) node).getTagName().equals(name)) return (Element) node;
		throw new IllegalStateException("no <" + name + "> in <" + parent.getTagName() + ">");
	}

	private static String text(Element parent, String name) {
		return child(parent, name).getTextContent().trim();
	}
}
