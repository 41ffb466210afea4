package Velmora.Translators;

import java.util.List;

/**
 * Writes definitions as the editor's business-object blocks, byte for byte as the editor writes
 * them (CR LF line ends, optional fields only when not empty), without the header block.
 */
final class RepositoryCopyWriter {
    private final StringBuilder out = new StringBuilder();
    private String definition = "";

    private RepositoryCopyWriter() {
    }

    static String write(List<BusObjDefinition> definitions) throws TranslationException {
        RepositoryCopyWriter writer = new RepositoryCopyWriter();
        for (BusObjDefinition definition : definitions) {
            writer.block(definition);
        }
        return writer.out.toString();
    }

    private void block(BusObjDefinition d) throws TranslationException {
        definition = d.name;
        tag(0, "BusinessObjectDefinition");
        put(0, "Name", d.name);
        put(0, "Version", d.version);
        putIfAny(0, "AppSpecificInfo", d.appSpecificInfo);
        for (BusObjDefinition.Attribute a : d.attributes) {
            attribute(a);
        }
        for (BusObjDefinition.Verb v : d.verbs) {
            blank();
            tag(1, "Verb");
            put(1, "Name", v.name);
            putIfAny(1, "AppSpecificInfo", v.appSpecificInfo);
            tag(1, "End");
        }
        for (BusObjDefinition.Property p : d.properties) {
            blank();
            tag(1, "Property");
            put(1, "Name", "BO_SPEC_PROPERTY");
            put(1, "AttrName", p.name);
            putIfAny(1, "AttrType", p.type);
            put(1, "AttrValue", p.value);
            put(1, "AttrDescription", p.description);
            tag(1, "End");
        }
        tag(0, "End");
    }

    private void attribute(BusObjDefinition.Attribute a) throws TranslationException {
        blank();
        tag(1, "Attribute");
        put(1, "Name", a.name);
        put(1, "Type", a.type);
        // The editor writes these two for attributes that hold a business object; a simple
        // attribute keeps them only when it has them.
        if (!a.isSimpleType()) {
            put(1, "ContainedObjectVersion", a.containedObjectVersion);
            put(1, "Relationship", a.relationship);
        } else {
            putIfAny(1, "ContainedObjectVersion", a.containedObjectVersion);
            putIfAny(1, "Relationship", a.relationship);
        }
        putIfAny(1, "Cardinality", a.cardinality);
        put(1, "MaxLength", a.maxLength);
        put(1, "IsKey", Boolean.toString(a.key));
        put(1, "IsForeignKey", Boolean.toString(a.foreignKey));
        put(1, "IsRequired", Boolean.toString(a.required));
        putIfAny(1, "AppSpecificInfo", a.appSpecificInfo);
        putIfAny(1, "DefaultValue", a.defaultValue);
        put(1, "IsRequiredServerBound", "false");
        putIfAny(1, "Comments", a.comments);
        tag(1, "End");
    }

    private void indent(int level) {
        out.append("\t".repeat(level));
    }

    private void tag(int level, String name) {
        indent(level);
        out.append('[').append(name).append("]\r\n");
    }

    private void blank() {
        out.append("\r\n");
    }

    private void put(int level, String key, String value) throws TranslationException {
        if (!RepositoryCopySyntax.fitsOnOneLine(value)) {
            throw new TranslationException(String.format(
                    "The business object %s cannot be written: its %s holds a line break", definition, key));
        }
        indent(level);
        out.append(key).append(" = ").append(value).append("\r\n");
    }

    private void putIfAny(int level, String key, String value) throws TranslationException {
        if (!value.isEmpty()) {
            put(level, key, value);
        }
    }
}
