package Velmora.Translators;

import static Velmora.Translators.RepositoryCopySyntax.equalsNoCase;
import static Velmora.Translators.RepositoryCopySyntax.lowerAscii;
import static Velmora.Translators.RepositoryCopySyntax.startsWithNoCase;

import Velmora.Translators.RepositoryCopySyntax.Field;
import java.util.ArrayList;
import java.util.HashSet;
import java.util.List;
import java.util.Set;

/**
 * Reads the business-object blocks of a repository copy by the editor's own rules, so that both
 * sides agree on what a text holds. The first fault stops the reading; its message is the
 * editor's message for it ("Line 8: Unknown field name Colour encountered").
 */
final class RepositoryCopyReader {
    private static final String DEFINITION_TAG = "[BusinessObjectDefinition]";

    private final String[] lines;
    private int next;
    private int number;
    private String line = "";

    private RepositoryCopyReader(String text) {
        String withoutMark = text.startsWith("\uFEFF") ? text.substring(1) : text;
        lines = withoutMark.split("\n", -1);
    }

    /** Every definition of the text, in the order written. */
    static List<BusObjDefinition> read(String text) throws TranslationException {
        return new RepositoryCopyReader(text).readAll();
    }

    private List<BusObjDefinition> readAll() throws TranslationException {
        readHeader();
        List<BusObjDefinition> definitions = new ArrayList<>();
        Set<String> names = new HashSet<>();
        while (nextLine()) {
            if (!startsWithNoCase(line, DEFINITION_TAG)) {
                throw fault("Line %d: Missing [BusinessObjectDefinition] header");
            }
            BusObjDefinition definition = readBlock();
            if (!names.add(lowerAscii(definition.name))) {
                throw new TranslationException(String.format(
                        "Line %d: A business object with this name already exists: %s", number, definition.name));
            }
            definitions.add(definition);
        }
        if (definitions.isEmpty()) {
            throw new TranslationException("The text does not contain any Business Object definitions");
        }
        return definitions;
    }

    /** The next line that is not empty; false at the end of the text. */
    private boolean nextLine() throws TranslationException {
        while (next < lines.length) {
            line = lines[next++].replace("\r", "");
            number = next;
            // A NUL would cut a name or value short on the editor's side.
            if (line.indexOf('\0') >= 0) {
                throw fault("Line %d: The field is invalid");
            }
            if (!line.isEmpty()) {
                return true;
            }
        }
        line = "";
        return false;
    }

    private void putBack() {
        next = number - 1;
    }

    private TranslationException fault(String format) {
        return new TranslationException(String.format(format, number));
    }

    private TranslationException fault(String format, String text) {
        return new TranslationException(String.format(format, number, text));
    }

    private void nextInDefinition(BusObjDefinition definition) throws TranslationException {
        if (!nextLine()) {
            throw new TranslationException(String.format(
                    "The content of the BO definition %s is incomplete", definition.name));
        }
    }

    /** The header's fields up to its "[End]"; a text may also start with its first block. */
    private void readHeader() throws TranslationException {
        if (!nextLine()) {
            return;
        }
        if (line.contains(DEFINITION_TAG)) {
            putBack();
            return;
        }
        if (!startsWithNoCase(line, "[Pellisk]")) {
            throw fault("Line %d: Missing [BusinessObjectDefinition] header");
        }
        while (nextLine()) {
            if (isTag(line)) {
                if (!startsWithNoCase(line, "[End]")) {
                    putBack();
                }
                return;
            }
        }
    }

    private static boolean isTag(String text) {
        return text.startsWith("[") || (text.length() > 1 && text.charAt(1) == '[');
    }

    private static String withoutTabs(String text) {
        int first = 0;
        while (first < text.length() && text.charAt(first) == '\t') {
            first++;
        }
        return text.substring(first);
    }

    private BusObjDefinition readBlock() throws TranslationException {
        if (!nextLine()) {
            throw new TranslationException(String.format(
                    "The content of the BO definition at line %d is incomplete", number));
        }
        Field name = new Field(line);
        if (!equalsNoCase(name.key, "Name") || name.value.isEmpty()) {
            throw fault("Line %d: The first field in a business object definition must be its name");
        }
        BusObjDefinition definition = new BusObjDefinition();
        definition.name = name.value;
        for (;;) {
            nextInDefinition(definition);
            if (startsWithNoCase(line, "[End]")) {
                return definition;
            } else if (startsWithNoCase(line, "\t[Attribute]")) {
                readAttribute(definition);
            } else if (startsWithNoCase(line, "\t[Verb]")) {
                readVerb(definition);
            } else if (startsWithNoCase(line, "\t[Property]")) {
                readProperty(definition);
            } else {
                Field field = new Field(line);
                switch (field.key) {
                    case "Version" -> definition.version = field.value;
                    case "AppSpecificInfo" -> definition.appSpecificInfo = field.value;
                    default -> throw fault("Line %d: %s Invalid attribute", withoutTabs(line));
                }
            }
        }
    }

    private void readAttribute(BusObjDefinition definition) throws TranslationException {
        nextInDefinition(definition);
        Field first = new Field(line);
        if (!equalsNoCase(first.key, "\tName")) {
            throw fault("Line %d: The first attribute of the business object must be its name");
        }
        BusObjDefinition.Attribute attribute = new BusObjDefinition.Attribute();
        attribute.name = first.value;
        definition.attributes.add(attribute);
        for (;;) {
            nextInDefinition(definition);
            if (startsWithNoCase(line, "\t[End]")) {
                return;
            }
            Field field = new Field(line);
            String value = field.value;
            switch (field.key) {
                case "\tType" -> attribute.type = value;
                case "\tMaxLength" -> attribute.maxLength = value;
                case "\tIsKey" -> attribute.key = value.equals("true");
                case "\tIsForeignKey" -> attribute.foreignKey = value.equals("true");
                case "\tIsRequired" -> attribute.required = value.equals("true");
                case "\tIsRequiredServerBound" -> {
                }
                case "\tAppSpecificInfo" -> attribute.appSpecificInfo = value;
                case "\tDefaultValue" -> attribute.defaultValue = value;
                case "\tCardinality" -> attribute.cardinality = value;
                case "\tComments" -> attribute.comments = value;
                case "\tRelationship" -> attribute.relationship = value;
                case "\tContainedObjectVersion" -> attribute.containedObjectVersion = value;
                default -> throw fault("Line %d: Unknown field name %s encountered", withoutTabs(field.key));
            }
        }
    }

    private void readVerb(BusObjDefinition definition) throws TranslationException {
        nextInDefinition(definition);
        Field first = new Field(line);
        if (!first.key.equals("\tName") || first.value.isEmpty()) {
            throw fault("Line %d: %s Invalid verb", withoutTabs(line));
        }
        BusObjDefinition.Verb verb = new BusObjDefinition.Verb();
        verb.name = first.value;
        definition.verbs.add(verb);
        for (;;) {
            nextInDefinition(definition);
            if (startsWithNoCase(line, "\t[End]")) {
                return;
            }
            Field field = new Field(line);
            if (!field.key.equals("\tAppSpecificInfo")) {
                throw fault("Line %d: %s Invalid verb", withoutTabs(line));
            }
            verb.appSpecificInfo = field.value;
        }
    }

    /** Entries open at "AttrName" and are complete at the next one or at the sub-block's end. */
    private void readProperty(BusObjDefinition definition) throws TranslationException {
        nextInDefinition(definition);
        Field first = new Field(line);
        if (!equalsNoCase(first.key, "\tname")) {
            throw fault("Line %d: Properties must have their name as the first field");
        }
        if (first.value.isEmpty()) {
            throw fault("Line %d: NULL property name encountered");
        }
        BusObjDefinition.Property entry = null;
        boolean valued = false;
        for (;;) {
            nextInDefinition(definition);
            if (startsWithNoCase(line, "\t[End]")) {
                return;
            }
            Field field = new Field(line);
            if (field.key.equals("\tAttrName")) {
                if (entry != null && !valued) {
                    throw fault("Line %d: Property name encountered twice");
                }
                entry = new BusObjDefinition.Property();
                entry.name = field.value;
                definition.properties.add(entry);
                valued = false;
            } else if (field.key.equals("\tAttrType") && entry != null) {
                entry.type = field.value;
            } else if (field.key.equals("\tAttrValue") && entry != null) {
                entry.value = field.value;
                valued = true;
            } else if (field.key.equals("\tAttrDescription")) {
                if (entry != null) {
                    entry.description = field.value;
                }
            } else {
                throw fault("Line %d: The field is invalid");
            }
        }
    }
}
