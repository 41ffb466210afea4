package Velmora.Translators;

import java.io.IOException;
import java.net.URI;
import java.net.URISyntaxException;
import java.nio.file.NoSuchFileException;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.List;
import java.util.Map;
import java.util.Set;
import javax.xml.XMLConstants;
import javax.xml.parsers.DocumentBuilder;
import javax.xml.parsers.DocumentBuilderFactory;
import javax.xml.parsers.ParserConfigurationException;
import org.w3c.dom.Document;
import org.w3c.dom.Element;
import org.w3c.dom.Node;
import org.xml.sax.ErrorHandler;
import org.xml.sax.SAXException;
import org.xml.sax.SAXParseException;

/**
 * Reads definitions from a schema file and from the schemas it imports or includes (files on disk,
 * found beside the schema that names them), those first, so that a definition comes after the
 * ones it holds. Each file is read once.
 *
 * <p>A complex type that carries this translator's appinfo (see {@link BOSchema}) gives back
 * every field as written. Any other named complex type, or global element with a complex type of
 * its own, is read from its structure: one attribute per element of its sequence, choice or all
 * group, typed after its XML Schema type, required unless it may be left out.
 */
final class SchemaReader {
    private final DocumentBuilder parser;
    private final Set<Path> read = new HashSet<>();
    private final List<BusObjDefinition> definitions = new ArrayList<>();
    private final Map<String, Element> globalElements = new HashMap<>();
    private final Map<String, Element> globalSimpleTypes = new HashMap<>();

    private SchemaReader() throws TranslationException {
        try {
            DocumentBuilderFactory factory = DocumentBuilderFactory.newInstance();
            factory.setNamespaceAware(true);
            factory.setXIncludeAware(false);
            factory.setExpandEntityReferences(false);
            // A schema is read as a plain document: no document type, so no entity reaches out
            // to other files or the network.
            factory.setFeature("http://apache.org/xml/features/disallow-doctype-decl", true);
            factory.setFeature(XMLConstants.FEATURE_SECURE_PROCESSING, true);
            parser = factory.newDocumentBuilder();
            parser.setErrorHandler(new ErrorHandler() {
                @Override
                public void warning(SAXParseException e) {
                }

                @Override
                public void error(SAXParseException e) throws SAXParseException {
                    throw e;
                }

                @Override
                public void fatalError(SAXParseException e) throws SAXParseException {
                    throw e;
                }
            });
        } catch (ParserConfigurationException e) {
            throw new TranslationException("No XML parser: " + e.getMessage(), e);
        }
    }

    static List<BusObjDefinition> read(Path schema) throws TranslationException {
        SchemaReader reader = new SchemaReader();
        reader.readFile(schema);
        return reader.definitions;
    }

    private void readFile(Path file) throws TranslationException {
        Path real;
        try {
            real = file.toRealPath();
        } catch (NoSuchFileException e) {
            throw new TranslationException("The schema " + file + " does not exist", e);
        } catch (IOException e) {
            throw new TranslationException("Cannot read the schema " + file + ": " + e.getMessage(), e);
        }
        if (!read.add(real)) {
            return;
        }
        Element schema = parse(real);
        for (Element child : children(schema)) {
            if (isXsd(child, "import") || isXsd(child, "include") || isXsd(child, "redefine")) {
                String location = child.getAttribute("schemaLocation");
                if (!location.isEmpty()) {
                    readFile(dependency(real, location));
                }
            }
        }
        for (Element child : children(schema)) {
            if (isXsd(child, "element") && !child.getAttribute("name").isEmpty()) {
                globalElements.put(child.getAttribute("name"), child);
            } else if (isXsd(child, "simpleType") && !child.getAttribute("name").isEmpty()) {
                globalSimpleTypes.put(child.getAttribute("name"), child);
            }
        }
        for (Element child : children(schema)) {
            if (isXsd(child, "complexType") && !child.getAttribute("name").isEmpty()) {
                definitions.add(definitionOf(child.getAttribute("name"), child));
            } else if (isXsd(child, "element") && !child.getAttribute("name").isEmpty()) {
                Element type = firstXsdChild(child, "complexType");
                if (type != null) {
                    definitions.add(definitionOf(child.getAttribute("name"), type));
                }
            }
        }
    }

    private Element parse(Path file) throws TranslationException {
        Document document;
        try {
            document = parser.parse(file.toFile());
        } catch (SAXException | IOException e) {
            throw new TranslationException("Cannot read the schema " + file + ": " + e.getMessage(), e);
        }
        Element root = document.getDocumentElement();
        if (!isXsd(root, "schema")) {
            throw new TranslationException(file + " is not an XML schema");
        }
        return root;
    }

    /** A schema location, relative to the schema that names it; only files on disk are read. */
    private static Path dependency(Path schema, String location) throws TranslationException {
        try {
            URI uri = new URI(location);
            if (uri.getScheme() != null && !uri.getScheme().equals("file")) {
                throw new TranslationException("The schema " + schema + " depends on " + location
                        + ", which is not a file");
            }
            if (uri.getScheme() != null) {
                return Path.of(uri);
            }
            return schema.resolveSibling(uri.getPath());
        } catch (URISyntaxException | IllegalArgumentException e) {
            return schema.resolveSibling(location);
        }
    }

    private BusObjDefinition definitionOf(String name, Element type) throws TranslationException {
        BusObjDefinition d = new BusObjDefinition();
        d.name = name;
        Element header = appinfo(type, BOSchema.BUSINESS_OBJECT);
        if (header != null) {
            d.version = text(header, BOSchema.VERSION);
            d.appSpecificInfo = text(header, BOSchema.APP_SPECIFIC_INFO);
            for (Element e : appinfoAll(type, BOSchema.VERB)) {
                BusObjDefinition.Verb v = new BusObjDefinition.Verb();
                v.name = text(e, BOSchema.NAME);
                v.appSpecificInfo = text(e, BOSchema.APP_SPECIFIC_INFO);
                d.verbs.add(v);
            }
            for (Element e : appinfoAll(type, BOSchema.PROPERTY)) {
                BusObjDefinition.Property p = new BusObjDefinition.Property();
                p.name = text(e, BOSchema.NAME);
                p.type = text(e, BOSchema.TYPE);
                p.value = text(e, BOSchema.VALUE);
                p.description = text(e, BOSchema.DESCRIPTION);
                d.properties.add(p);
            }
        } else {
            d.version = "1.0.0";
        }
        for (Element element : contentElements(type)) {
            d.attributes.add(attributeOf(name, element));
        }
        return d;
    }

    /** The elements of the type's groups, nested groups in place, in document order. */
    private static List<Element> contentElements(Element type) {
        List<Element> elements = new ArrayList<>();
        for (Element child : children(type)) {
            if (isXsd(child, "sequence") || isXsd(child, "choice") || isXsd(child, "all")) {
                collectElements(child, elements);
            }
        }
        return elements;
    }

    private static void collectElements(Element group, List<Element> elements) {
        for (Element child : children(group)) {
            if (isXsd(child, "element")) {
                elements.add(child);
            } else if (isXsd(child, "sequence") || isXsd(child, "choice")) {
                collectElements(child, elements);
            }
        }
    }

    private BusObjDefinition.Attribute attributeOf(String definition, Element element) throws TranslationException {
        BusObjDefinition.Attribute a = new BusObjDefinition.Attribute();
        String ref = element.getAttribute("ref");
        a.name = ref.isEmpty() ? element.getAttribute("name") : localPart(ref);
        Element fields = appinfo(element, BOSchema.ATTRIBUTE);
        if (fields != null) {
            a.type = text(fields, BOSchema.TYPE);
            a.containedObjectVersion = text(fields, BOSchema.CONTAINED_OBJECT_VERSION);
            a.relationship = text(fields, BOSchema.RELATIONSHIP);
            a.cardinality = text(fields, BOSchema.CARDINALITY);
            a.maxLength = text(fields, BOSchema.MAX_LENGTH);
            a.key = text(fields, BOSchema.IS_KEY).equals("true");
            a.foreignKey = text(fields, BOSchema.IS_FOREIGN_KEY).equals("true");
            a.required = text(fields, BOSchema.IS_REQUIRED).equals("true");
            a.appSpecificInfo = text(fields, BOSchema.APP_SPECIFIC_INFO);
            a.defaultValue = text(fields, BOSchema.DEFAULT_VALUE);
            a.comments = text(fields, BOSchema.COMMENTS);
            return a;
        }
        Element declaration = ref.isEmpty() ? element : globalElements.getOrDefault(localPart(ref), element);
        if (firstXsdChild(declaration, "complexType") != null) {
            throw new TranslationException("The element " + a.name + " of " + definition
                    + " has a complex type of its own; only named types can be business objects");
        }
        typeFromStructure(a, declaration);
        a.required = !element.getAttribute("minOccurs").equals("0");
        String maxOccurs = element.getAttribute("maxOccurs");
        boolean many = maxOccurs.equals("unbounded") || !maxOccurs.isEmpty() && !maxOccurs.equals("1")
                && !maxOccurs.equals("0");
        if (!a.isSimpleType()) {
            a.cardinality = many ? "n" : "1";
        }
        a.defaultValue = !declaration.getAttribute("default").isEmpty() ? declaration.getAttribute("default")
                : declaration.getAttribute("fixed");
        return a;
    }

    /**
     * The attribute type and maximum length after the declaration's XML Schema type: a built-in
     * type, a simple type restricting one (named or of its own), or a complex type, which is the
     * business object of its name.
     */
    private void typeFromStructure(BusObjDefinition.Attribute a, Element declaration) {
        String type = declaration.getAttribute("type");
        Element simple = firstXsdChild(declaration, "simpleType");
        if (simple == null && !type.isEmpty() && !BOSchema.XSD.equals(namespaceOfQName(declaration, type))) {
            simple = globalSimpleTypes.get(localPart(type));
        }
        Element restriction = simple != null ? firstXsdChild(simple, "restriction") : null;
        if (simple != null && restriction == null) {
            type = "";  // a list or a union: its values are texts
        } else if (restriction != null) {
            type = restriction.getAttribute("base");
            Element maxLength = firstXsdChild(restriction, "maxLength");
            if (maxLength != null) {
                a.maxLength = maxLength.getAttribute("value");
            }
        }
        Element context = restriction != null ? restriction : declaration;
        String namespace = type.isEmpty() ? BOSchema.XSD : namespaceOfQName(context, type);
        a.type = BOSchema.XSD.equals(namespace) ? attributeTypeOf(localPart(type)) : localPart(type);
    }

    private static String attributeTypeOf(String xsdType) {
        switch (xsdType) {
            case "boolean":
                return "Boolean";
            case "int": case "integer": case "long": case "short": case "byte": case "nonNegativeInteger":
            case "positiveInteger": case "nonPositiveInteger": case "negativeInteger": case "unsignedInt":
            case "unsignedLong": case "unsignedShort": case "unsignedByte":
                return "Integer";
            case "float":
                return "Float";
            case "double": case "decimal":
                return "Double";
            case "dateTime": case "date": case "time":
                return "Date";
            default:
                return "String";
        }
    }

    private static String namespaceOfQName(Element context, String qname) {
        int colon = qname.indexOf(':');
        return context.lookupNamespaceURI(colon < 0 ? null : qname.substring(0, colon));
    }

    private static String localPart(String qname) {
        return qname.substring(qname.indexOf(':') + 1);
    }

    /** A field of an appinfo element; no part of the format may hold a line break. */
    private static String text(Element e, String name) throws TranslationException {
        String value = e.getAttribute(name);
        if (!RepositoryCopySyntax.fitsOnOneLine(value)) {
            throw new TranslationException("The " + name + " of a " + e.getLocalName()
                    + " holds a line break, which a repository copy cannot carry");
        }
        return value;
    }

    private static Element appinfo(Element annotated, String name) {
        List<Element> all = appinfoAll(annotated, name);
        return all.isEmpty() ? null : all.get(0);
    }

    /** This translator's elements of the given name in the annotations of an element. */
    private static List<Element> appinfoAll(Element annotated, String name) {
        List<Element> found = new ArrayList<>();
        for (Element annotation : children(annotated)) {
            if (!isXsd(annotation, "annotation")) {
                continue;
            }
            for (Element info : children(annotation)) {
                if (!isXsd(info, "appinfo")) {
                    continue;
                }
                for (Element e : children(info)) {
                    if (BOSchema.NAMESPACE.equals(e.getNamespaceURI()) && name.equals(e.getLocalName())) {
                        found.add(e);
                    }
                }
            }
        }
        return found;
    }

    private static boolean isXsd(Element e, String localName) {
        return BOSchema.XSD.equals(e.getNamespaceURI()) && localName.equals(e.getLocalName());
    }

    private static Element firstXsdChild(Element parent, String localName) {
        for (Element child : children(parent)) {
            if (isXsd(child, localName)) {
                return child;
            }
        }
        return null;
    }

    private static List<Element> children(Element parent) {
        List<Element> elements = new ArrayList<>();
        for (Node n = parent.getFirstChild(); n != null; n = n.getNextSibling()) {
            if (n instanceof Element) {
                elements.add((Element) n);
            }
        }
        return elements;
    }
}
