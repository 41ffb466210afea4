package Velmora.Translators;

/** A failure of a translation, with a message that names what and where. */
final class TranslationException extends Exception {
    private static final long serialVersionUID = 1L;

    TranslationException(String message) {
        super(message);
    }

    TranslationException(String message, Throwable cause) {
        super(message, cause);
    }
}
