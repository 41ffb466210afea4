package Velmora;

import java.nio.ByteBuffer;
import java.nio.charset.StandardCharsets;
import java.security.GeneralSecurityException;
import java.security.SecureRandom;
import java.util.Base64;
import javax.crypto.Cipher;
import javax.crypto.KeyGenerator;
import javax.crypto.spec.GCMParameterSpec;
import javax.crypto.spec.SecretKeySpec;

/**
 * Encryption of property values for the connector files. Keys are 256-bit AES keys in Base64;
 * an encrypted value is Base64 of a random 12-byte nonce followed by the AES-GCM cipher text and
 * its tag, so a wrong key or a damaged text is detected. Every failure answers null: callers
 * treat null as "could not", and no exception crosses into native code.
 */
public class HvEncryptJavaInterface {
    private static final String ALGORITHM = "AES";
    private static final String TRANSFORMATION = "AES/GCM/NoPadding";
    private static final int KEY_BYTES = 32;
    private static final int NONCE_BYTES = 12;
    private static final int TAG_BITS = 128;

    private final SecureRandom random = new SecureRandom();

    public HvEncryptJavaInterface() {
    }

    /** A new random key, or null when the platform offers no AES. */
    public String genkey() {
        try {
            KeyGenerator generator = KeyGenerator.getInstance(ALGORITHM);
            generator.init(KEY_BYTES * 8, random);
            return encode(generator.generateKey().getEncoded());
        } catch (GeneralSecurityException e) {
            return null;
        }
    }

    /** The value encrypted with the key, or null when the key is not one of genkey's. */
    public String encrypt(String clear, String key) {
        if (clear == null) {
            return null;
        }
        try {
            SecretKeySpec secret = decodeKey(key);
            if (secret == null) {
                return null;
            }
            byte[] nonce = new byte[NONCE_BYTES];
            random.nextBytes(nonce);
            Cipher cipher = Cipher.getInstance(TRANSFORMATION);
            cipher.init(Cipher.ENCRYPT_MODE, secret, new GCMParameterSpec(TAG_BITS, nonce));
            byte[] sealed = cipher.doFinal(clear.getBytes(StandardCharsets.UTF_8));
            return encode(ByteBuffer.allocate(nonce.length + sealed.length).put(nonce).put(sealed).array());
        } catch (GeneralSecurityException e) {
            return null;
        }
    }

    /** The clear value, or null when the key is wrong or the text is not one of encrypt's. */
    public String decrypt(String text, String key) {
        try {
            SecretKeySpec secret = decodeKey(key);
            byte[] data = decode(text);
            if (secret == null || data == null || data.length < NONCE_BYTES + TAG_BITS / 8) {
                return null;
            }
            Cipher cipher = Cipher.getInstance(TRANSFORMATION);
            cipher.init(Cipher.DECRYPT_MODE, secret, new GCMParameterSpec(TAG_BITS, data, 0, NONCE_BYTES));
            byte[] clear = cipher.doFinal(data, NONCE_BYTES, data.length - NONCE_BYTES);
            return new String(clear, StandardCharsets.UTF_8);
        } catch (GeneralSecurityException e) {
            return null;
        }
    }

    private static SecretKeySpec decodeKey(String key) {
        byte[] bytes = decode(key);
        if (bytes == null || bytes.length != KEY_BYTES) {
            return null;
        }
        return new SecretKeySpec(bytes, ALGORITHM);
    }

    private static String encode(byte[] bytes) {
        return Base64.getEncoder().encodeToString(bytes);
    }

    private static byte[] decode(String text) {
        if (text == null) {
            return null;
        }
        try {
            return Base64.getDecoder().decode(text.trim());
        } catch (IllegalArgumentException e) {
            return null;
        }
    }
}
