package Velmora.Translators;

/**
 * The general syntax of repository-copy text, as the editor reads and writes it: lines split at
 * LF with every CR taken out, fields of a key, " = " and a value, one tab of indent per nesting
 * level. Letters compare without case in ASCII only, as the editor compares them.
 */
final class RepositoryCopySyntax {
    private RepositoryCopySyntax() {
    }

    /** A field line split at its first "=": the key without trailing blanks, the value without leading ones. */
    static final class Field {
        final String key;
        final String value;

        Field(String line) {
            int eq = line.indexOf('=');
            if (eq < 0) {
                key = line;
                value = "";
                return;
            }
            int keyEnd = eq;
            while (keyEnd > 0 && line.charAt(keyEnd - 1) == ' ') {
                keyEnd--;
            }
            int valueStart = eq + 1;
            while (valueStart < line.length() && line.charAt(valueStart) == ' ') {
                valueStart++;
            }
            key = line.substring(0, keyEnd);
            value = line.substring(valueStart);
        }
    }

    static String lowerAscii(String text) {
        StringBuilder lower = new StringBuilder(text.length());
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            lower.append(c >= 'A' && c <= 'Z' ? (char) (c - 'A' + 'a') : c);
        }
        return lower.toString();
    }

    static boolean startsWithNoCase(String line, String prefix) {
        return line.length() >= prefix.length()
                && lowerAscii(line.substring(0, prefix.length())).equals(lowerAscii(prefix));
    }

    static boolean equalsNoCase(String a, String b) {
        return a.length() == b.length() && startsWithNoCase(a, b);
    }

    /** Whether the text can stand on one line of the format. */
    static boolean fitsOnOneLine(String text) {
        return text.indexOf('\r') < 0 && text.indexOf('\n') < 0 && text.indexOf('\0') < 0;
    }
}
