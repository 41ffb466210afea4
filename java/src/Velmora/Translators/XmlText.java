package Velmora.Translators;

/** Escaping for hand-written XML, and the XML 1.0 rules on names and characters. */
final class XmlText {
    private XmlText() {
    }

    /** Whether XML 1.0 can carry the character (as a character or a reference). */
    static boolean isXmlChar(int c) {
        return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
                || (c >= 0x10000 && c <= 0x10FFFF);
    }

    /** The first character of the text that XML cannot carry (a lone surrogate included), or -1. */
    static int firstNonXmlChar(String text) {
        for (int i = 0; i < text.length(); ) {
            int c = text.codePointAt(i);
            if (!isXmlChar(c)) {
                return c;
            }
            i += Character.charCount(c);
        }
        return -1;
    }

    private static boolean isNameStart(int c) {
        return c >= 'A' && c <= 'Z' || c == '_' || c >= 'a' && c <= 'z' || c >= 0xC0 && c <= 0xD6
                || c >= 0xD8 && c <= 0xF6 || c >= 0xF8 && c <= 0x2FF || c >= 0x370 && c <= 0x37D
                || c >= 0x37F && c <= 0x1FFF || c >= 0x200C && c <= 0x200D || c >= 0x2070 && c <= 0x218F
                || c >= 0x2C00 && c <= 0x2FEF || c >= 0x3001 && c <= 0xD7FF || c >= 0xF900 && c <= 0xFDCF
                || c >= 0xFDF0 && c <= 0xFFFD || c >= 0x10000 && c <= 0xEFFFF;
    }

    private static boolean isNameChar(int c) {
        return isNameStart(c) || c == '-' || c == '.' || c >= '0' && c <= '9' || c == 0xB7
                || c >= 0x300 && c <= 0x36F || c >= 0x203F && c <= 0x2040;
    }

    /** An XML name without a colon: what element, type and file names here must be. */
    static boolean isNCName(String text) {
        if (text.isEmpty() || !isNameStart(text.codePointAt(0))) {
            return false;
        }
        for (int i = 0; i < text.length(); ) {
            int c = text.codePointAt(i);
            if (!isNameChar(c)) {
                return false;
            }
            i += Character.charCount(c);
        }
        return true;
    }

    /** The text as an attribute value between double quotes; white space survives normalisation. */
    static String attribute(String text) {
        StringBuilder out = new StringBuilder(text.length() + 8);
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            switch (c) {
                case '&' -> out.append("&amp;");
                case '<' -> out.append("&lt;");
                case '>' -> out.append("&gt;");
                case '"' -> out.append("&quot;");
                case '\t' -> out.append("&#9;");
                case '\n' -> out.append("&#10;");
                case '\r' -> out.append("&#13;");
                default -> out.append(c);
            }
        }
        return out.toString();
    }
}
