package Velmora.Translators;

import java.util.ArrayList;
import java.util.List;
import java.util.Set;

/**
 * One business-object definition with every field its repository-copy block carries. Empty
 * texts stand for fields that are absent.
 */
final class BusObjDefinition {
    /** The plain types; any other type name is the name of a business object. */
    private static final Set<String> SIMPLE_TYPES = Set.of(
            "boolean", "integer", "float", "double", "string", "date", "longtext", "long text", "cipher text", "");

    String name = "";
    String version = "";
    String appSpecificInfo = "";
    final List<Attribute> attributes = new ArrayList<>();
    final List<Verb> verbs = new ArrayList<>();
    final List<Property> properties = new ArrayList<>();

    static boolean isSimpleType(String typeName) {
        return SIMPLE_TYPES.contains(RepositoryCopySyntax.lowerAscii(typeName));
    }

    static final class Attribute {
        String name = "";
        String type = "";
        String containedObjectVersion = "";
        String relationship = "";
        String cardinality = "";
        String maxLength = "";
        boolean key;
        boolean foreignKey;
        boolean required;
        String appSpecificInfo = "";
        String defaultValue = "";
        String comments = "";

        boolean isSimpleType() {
            return BusObjDefinition.isSimpleType(type);
        }
    }

    static final class Verb {
        String name = "";
        String appSpecificInfo = "";
    }

    /** A definition-level property: one entry of a property sub-block. */
    static final class Property {
        String name = "";
        String type = "";
        String value = "";
        String description = "";
    }
}
