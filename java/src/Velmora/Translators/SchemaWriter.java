package Velmora.Translators;

import java.math.BigInteger;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Writes one XML schema per definition (see {@link BOSchema}). Before anything is written every
 * definition is checked: names must be XML names, every business object an attribute holds must
 * be among the definitions, and every text must be one that XML can carry. Each finding is one
 * line of the answer; the schemas are made only when there are none.
 */
final class SchemaWriter {
    private final Map<String, BusObjDefinition> byName = new HashMap<>();

    SchemaWriter(List<BusObjDefinition> definitions) {
        for (BusObjDefinition d : definitions) {
            byName.put(RepositoryCopySyntax.lowerAscii(d.name), d);
        }
    }

    /** The definition an attribute's type names (letters compared without case), or null. */
    private BusObjDefinition referred(BusObjDefinition.Attribute a) {
        return byName.get(RepositoryCopySyntax.lowerAscii(a.type));
    }

    /** What keeps the definition from being written, one finding per line. */
    List<String> check(BusObjDefinition d) {
        List<String> findings = new ArrayList<>();
        if (!XmlText.isNCName(d.name)) {
            findings.add(d.name + ": the name of the business object is not a valid XML name");
        }
        checkText(findings, d.name, "the version", d.version);
        checkText(findings, d.name, "the application-specific information", d.appSpecificInfo);
        Set<String> attributeNames = new HashSet<>();
        for (BusObjDefinition.Attribute a : d.attributes) {
            String of = " of attribute " + a.name;
            if (!XmlText.isNCName(a.name)) {
                findings.add(d.name + ": the attribute name \"" + a.name + "\" is not a valid XML name");
            } else if (!attributeNames.add(a.name)) {
                findings.add(d.name + ": more than one attribute is named " + a.name);
            }
            if (!a.isSimpleType() && referred(a) == null) {
                findings.add(a.type + " (the type" + of + " of " + d.name + ")");
            }
            checkText(findings, d.name, "the type" + of, a.type);
            checkText(findings, d.name, "the contained object version" + of, a.containedObjectVersion);
            checkText(findings, d.name, "the relationship" + of, a.relationship);
            checkText(findings, d.name, "the cardinality" + of, a.cardinality);
            checkText(findings, d.name, "the maximum length" + of, a.maxLength);
            checkText(findings, d.name, "the application-specific information" + of, a.appSpecificInfo);
            checkText(findings, d.name, "the default value" + of, a.defaultValue);
            checkText(findings, d.name, "the comments" + of, a.comments);
        }
        for (BusObjDefinition.Verb v : d.verbs) {
            checkText(findings, d.name, "the name of a verb", v.name);
            checkText(findings, d.name, "the application-specific information of verb " + v.name, v.appSpecificInfo);
        }
        for (BusObjDefinition.Property p : d.properties) {
            checkText(findings, d.name, "the name of a property", p.name);
            String of = " of property " + p.name;
            checkText(findings, d.name, "the type" + of, p.type);
            checkText(findings, d.name, "the value" + of, p.value);
            checkText(findings, d.name, "the description" + of, p.description);
        }
        return findings;
    }

    private static void checkText(List<String> findings, String definition, String what, String text) {
        int c = XmlText.firstNonXmlChar(text);
        if (c >= 0) {
            findings.add(String.format("%s: %s holds the character U+%04X, which XML cannot carry", definition, what, c));
        }
    }

    /** The schema of a definition that passed the check. */
    String write(BusObjDefinition d) {
        Map<String, String> imports = importsOf(d);
        StringBuilder out = new StringBuilder();
        out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
        out.append("<xsd:schema xmlns:xsd=\"").append(BOSchema.XSD).append('"');
        out.append(" xmlns:bo=\"").append(XmlText.attribute(BOSchema.NAMESPACE)).append('"');
        out.append(" xmlns:tns=\"").append(XmlText.attribute(BOSchema.namespaceOf(d.name))).append('"');
        for (Map.Entry<String, String> i : imports.entrySet()) {
            out.append(" xmlns:").append(i.getValue()).append("=\"")
                    .append(XmlText.attribute(BOSchema.namespaceOf(i.getKey()))).append('"');
        }
        out.append(" targetNamespace=\"").append(XmlText.attribute(BOSchema.namespaceOf(d.name))).append('"');
        out.append(" elementFormDefault=\"qualified\">\n");
        for (String name : imports.keySet()) {
            out.append("  <xsd:import namespace=\"").append(XmlText.attribute(BOSchema.namespaceOf(name)))
                    .append("\" schemaLocation=\"").append(XmlText.attribute(BOSchema.fileOf(name))).append("\"/>\n");
        }
        out.append("  <xsd:element name=\"").append(d.name).append("\" type=\"tns:").append(d.name).append("\"/>\n");
        out.append("  <xsd:complexType name=\"").append(d.name).append("\">\n");
        appinfoStart(out, "    ");
        out.append("        <bo:").append(BOSchema.BUSINESS_OBJECT);
        field(out, BOSchema.VERSION, d.version);
        field(out, BOSchema.APP_SPECIFIC_INFO, d.appSpecificInfo);
        out.append("/>\n");
        for (BusObjDefinition.Verb v : d.verbs) {
            out.append("        <bo:").append(BOSchema.VERB);
            field(out, BOSchema.NAME, v.name);
            field(out, BOSchema.APP_SPECIFIC_INFO, v.appSpecificInfo);
            out.append("/>\n");
        }
        for (BusObjDefinition.Property p : d.properties) {
            out.append("        <bo:").append(BOSchema.PROPERTY);
            field(out, BOSchema.NAME, p.name);
            field(out, BOSchema.TYPE, p.type);
            field(out, BOSchema.VALUE, p.value);
            field(out, BOSchema.DESCRIPTION, p.description);
            out.append("/>\n");
        }
        appinfoEnd(out, "    ");
        out.append("    <xsd:sequence>\n");
        for (BusObjDefinition.Attribute a : d.attributes) {
            element(out, d, a, imports);
        }
        out.append("    </xsd:sequence>\n");
        out.append("  </xsd:complexType>\n");
        out.append("</xsd:schema>\n");
        return out.toString();
    }

    /** The definitions the attributes hold (other than the definition itself), each with its prefix. */
    private Map<String, String> importsOf(BusObjDefinition d) {
        Map<String, String> imports = new LinkedHashMap<>();
        for (BusObjDefinition.Attribute a : d.attributes) {
            if (a.isSimpleType()) {
                continue;
            }
            String name = referred(a).name;
            if (!name.equals(d.name) && !imports.containsKey(name)) {
                imports.put(name, "r" + (imports.size() + 1));
            }
        }
        return imports;
    }

    private void element(StringBuilder out, BusObjDefinition d, BusObjDefinition.Attribute a,
            Map<String, String> imports) {
        out.append("      <xsd:element name=\"").append(a.name).append('"');
        String restriction = null;
        if (!a.isSimpleType()) {
            String name = referred(a).name;
            out.append(" type=\"").append(name.equals(d.name) ? "tns" : imports.get(name)).append(':')
                    .append(name).append('"');
        } else {
            String xsdType = BOSchema.xsdTypeOf(a.type);
            BigInteger maxLength = positiveNumber(a.maxLength);
            if (xsdType.equals("string") && maxLength != null) {
                restriction = maxLength.toString();
            } else {
                out.append(" type=\"xsd:").append(xsdType).append('"');
            }
            boolean fits = maxLength == null
                    || BigInteger.valueOf(a.defaultValue.codePointCount(0, a.defaultValue.length())).compareTo(maxLength) <= 0;
            if (xsdType.equals("string") && !a.defaultValue.isEmpty() && fits) {
                out.append(" default=\"").append(XmlText.attribute(a.defaultValue)).append('"');
            }
        }
        if (!a.required) {
            out.append(" minOccurs=\"0\"");
        }
        String maxOccurs = maxOccursOf(a.cardinality);
        if (maxOccurs != null) {
            out.append(" maxOccurs=\"").append(maxOccurs).append('"');
        }
        out.append(">\n");
        appinfoStart(out, "        ");
        out.append("            <bo:").append(BOSchema.ATTRIBUTE);
        field(out, BOSchema.TYPE, a.type);
        field(out, BOSchema.CONTAINED_OBJECT_VERSION, a.containedObjectVersion);
        field(out, BOSchema.RELATIONSHIP, a.relationship);
        field(out, BOSchema.CARDINALITY, a.cardinality);
        field(out, BOSchema.MAX_LENGTH, a.maxLength);
        field(out, BOSchema.IS_KEY, Boolean.toString(a.key));
        field(out, BOSchema.IS_FOREIGN_KEY, Boolean.toString(a.foreignKey));
        field(out, BOSchema.IS_REQUIRED, Boolean.toString(a.required));
        field(out, BOSchema.APP_SPECIFIC_INFO, a.appSpecificInfo);
        field(out, BOSchema.DEFAULT_VALUE, a.defaultValue);
        field(out, BOSchema.COMMENTS, a.comments);
        out.append("/>\n");
        appinfoEnd(out, "        ");
        if (restriction != null) {
            out.append("        <xsd:simpleType>\n");
            out.append("          <xsd:restriction base=\"xsd:string\">\n");
            out.append("            <xsd:maxLength value=\"").append(restriction).append("\"/>\n");
            out.append("          </xsd:restriction>\n");
            out.append("        </xsd:simpleType>\n");
        }
        out.append("      </xsd:element>\n");
    }

    /** The number a text of ASCII digits gives when it is above 0; null otherwise. */
    private static BigInteger positiveNumber(String text) {
        if (text.isEmpty() || !text.chars().allMatch(c -> c >= '0' && c <= '9')) {
            return null;
        }
        BigInteger number = new BigInteger(text);
        return number.signum() > 0 ? number : null;
    }

    /** "n" is any number, a number above 1 that many; anything else the default of one. */
    private static String maxOccursOf(String cardinality) {
        if (RepositoryCopySyntax.equalsNoCase(cardinality, "n")) {
            return "unbounded";
        }
        BigInteger number = positiveNumber(cardinality);
        return number != null && number.compareTo(BigInteger.ONE) > 0 ? number.toString() : null;
    }

    private static void appinfoStart(StringBuilder out, String indent) {
        out.append(indent).append("<xsd:annotation>\n");
        out.append(indent).append("  <xsd:appinfo source=\"").append(XmlText.attribute(BOSchema.NAMESPACE)).append("\">\n");
    }

    private static void appinfoEnd(StringBuilder out, String indent) {
        out.append(indent).append("  </xsd:appinfo>\n");
        out.append(indent).append("</xsd:annotation>\n");
    }

    private static void field(StringBuilder out, String name, String value) {
        out.append(' ').append(name).append("=\"").append(XmlText.attribute(value)).append('"');
    }
}
