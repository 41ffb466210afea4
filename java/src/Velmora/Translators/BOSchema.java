package Velmora.Translators;

/**
 * The schema vocabulary shared by the writer and the reader. Each definition becomes one schema
 * file, "name.xsd", whose target namespace is the business-object namespace followed by the
 * definition's name (the namespace the broker's parameter file names for it), with:
 *
 * <ul>
 *   <li>a global element and a complex type of the definition's name; the type's sequence has one
 *       element per attribute, in attribute order, typed with the XML Schema type nearest to the
 *       attribute's type (a business object's type comes from its own schema, imported);
 *   <li>in the type's annotation, an appinfo with {@code businessObject} (version, application
 *       information), one {@code verb} per verb and one {@code property} per property;
 *   <li>in each element's annotation, an appinfo with {@code attribute}, which holds every field
 *       of the attribute as it was written.
 * </ul>
 *
 * The appinfo elements are in the business-object namespace itself. A reader takes the fields from
 * them; the XML Schema structure is what other tools read.
 */
final class BOSchema {
    /** The same value as the editor's constant g_strBOSchemaNamespace. */
    static final String NAMESPACE = "http://schemas.halvane.example/2002/BOSchema/";
    static final String XSD = "http://www.w3.org/2001/XMLSchema";

    static final String BUSINESS_OBJECT = "businessObject";
    static final String VERB = "verb";
    static final String PROPERTY = "property";
    static final String ATTRIBUTE = "attribute";

    static final String NAME = "name";
    static final String VERSION = "version";
    static final String APP_SPECIFIC_INFO = "appSpecificInfo";
    static final String TYPE = "type";
    static final String VALUE = "value";
    static final String DESCRIPTION = "description";
    static final String CONTAINED_OBJECT_VERSION = "containedObjectVersion";
    static final String RELATIONSHIP = "relationship";
    static final String CARDINALITY = "cardinality";
    static final String MAX_LENGTH = "maxLength";
    static final String IS_KEY = "isKey";
    static final String IS_FOREIGN_KEY = "isForeignKey";
    static final String IS_REQUIRED = "isRequired";
    static final String DEFAULT_VALUE = "defaultValue";
    static final String COMMENTS = "comments";

    private BOSchema() {
    }

    /** The target namespace of a definition's schema. */
    static String namespaceOf(String definition) {
        return NAMESPACE + definition;
    }

    static String fileOf(String definition) {
        return definition + ".xsd";
    }

    /** The XML Schema type of a simple attribute type (by its local name in the XSD namespace). */
    static String xsdTypeOf(String type) {
        switch (RepositoryCopySyntax.lowerAscii(type)) {
            case "boolean":
                return "boolean";
            case "integer":
                return "int";
            case "float":
                return "float";
            case "double":
                return "double";
            case "date":
                return "dateTime";
            default:
                return "string";
        }
    }
}
