package Velmora.Translators;

import java.io.IOException;
import java.io.OutputStream;
import java.nio.ByteBuffer;
import java.nio.charset.CharacterCodingException;
import java.nio.charset.CodingErrorAction;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.LinkOption;
import java.nio.file.Path;
import java.nio.file.StandardCopyOption;
import java.nio.file.StandardOpenOption;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.regex.Pattern;

/**
 * The schema translator between repository-copy text and XML schema files, run by the editor as
 * a program of its own:
 *
 * <pre>
 * w input-file output-folder error-file list-file
 *     the business-object blocks of the repository copy in input-file become one schema file per
 *     definition, output-folder/name.xsd (see BOSchema); error-file gets one line per finding
 *     that keeps the text from being written (then no schema is written), list-file one line per
 *     schema file written.
 * r schema-file unused scratch-file output-file
 *     the definitions of schema-file and of the schemas it depends on become business-object
 *     blocks, without the header block, in output-file; scratch-file is not used.
 * </pre>
 *
 * <p>The exit code is 400 when the command did its work (findings in the error file included) and
 * 1 when it could not (a file that cannot be read or written, a schema that cannot be read);
 * the reason then goes to the standard error stream.
 *
 * <p>The editor's command line ends with the words {@code > experr.txt 2>&1}. No command
 * interpreter runs it, so they arrive as arguments; a trailing redirection ({@code >file},
 * {@code > file}, {@code >> file}, {@code 2>&1} and the like) is ignored. Any other extra
 * argument is refused.
 *
 * <p>Texts are UTF-8; files written here end their lines with CR LF.
 */
public final class TransBusObjWorkspace {
    static final int SUCCESS = 400;
    static final int FAILURE = 1;

    private static final Pattern REDIRECTION = Pattern.compile("[0-9]?>>?(&[0-9])?");
    private static final Pattern REDIRECTION_TO_FILE = Pattern.compile("[0-9]?>>?[^&].*");

    private TransBusObjWorkspace() {
    }

    public static void main(String[] args) {
        System.exit(run(args));
    }

    static int run(String[] args) {
        List<String> arguments = withoutRedirection(args);
        if (arguments == null || arguments.size() != 5
                || !(arguments.get(0).equals("w") || arguments.get(0).equals("r"))) {
            System.err.println("Usage: w <input file> <output folder> <error file> <list file>");
            System.err.println("       r <schema file> unused <scratch file> <output file>");
            return FAILURE;
        }
        try {
            if (arguments.get(0).equals("w")) {
                writeSchemas(Path.of(arguments.get(1)), Path.of(arguments.get(2)), Path.of(arguments.get(3)),
                        Path.of(arguments.get(4)));
            } else {
                readSchema(Path.of(arguments.get(1)), Path.of(arguments.get(4)));
            }
            return SUCCESS;
        } catch (TranslationException e) {
            System.err.println(e.getMessage());
            return FAILURE;
        }
    }

    /** The arguments without a trailing redirection; null when something else follows the command's five. */
    static List<String> withoutRedirection(String[] args) {
        int count = Math.min(args.length, 5);
        for (int i = count; i < args.length; i++) {
            if (REDIRECTION.matcher(args[i]).matches()) {
                // ">" and ">>" name their file in the next word; "2>&1" names none.
                if (!args[i].contains("&") && ++i >= args.length) {
                    return null;
                }
            } else if (!REDIRECTION_TO_FILE.matcher(args[i]).matches()) {
                return null;
            }
        }
        return new ArrayList<>(Arrays.asList(args).subList(0, count));
    }

    private static void writeSchemas(Path input, Path folder, Path errorFile, Path listFile)
            throws TranslationException {
        byte[] bytes = readBytes(input);
        List<String> findings = new ArrayList<>();
        List<BusObjDefinition> definitions = List.of();
        try {
            definitions = RepositoryCopyReader.read(decode(bytes));
        } catch (TranslationException e) {
            // A fault of the text is a finding for the editor, not a failure of the translator.
            findings.add(e.getMessage());
        }
        SchemaWriter writer = new SchemaWriter(definitions);
        for (BusObjDefinition d : definitions) {
            findings.addAll(writer.check(d));
        }
        List<String> written = new ArrayList<>();
        if (findings.isEmpty()) {
            if (!Files.isDirectory(folder)) {
                throw new TranslationException("The folder " + folder + " does not exist");
            }
            for (BusObjDefinition d : definitions) {
                Path file = folder.resolve(BOSchema.fileOf(d.name));
                replaceFile(file, writer.write(d).getBytes(StandardCharsets.UTF_8));
                written.add(file.toString());
            }
        }
        writeLines(errorFile, findings);
        writeLines(listFile, written);
    }

    private static void readSchema(Path schema, Path output) throws TranslationException {
        String blocks = RepositoryCopyWriter.write(SchemaReader.read(schema));
        writeFile(output, blocks.getBytes(StandardCharsets.UTF_8));
    }

    private static byte[] readBytes(Path input) throws TranslationException {
        try {
            return Files.readAllBytes(input);
        } catch (IOException e) {
            throw new TranslationException("Cannot read " + input + ": " + e.getMessage(), e);
        }
    }

    private static String decode(byte[] bytes) throws TranslationException {
        try {
            return StandardCharsets.UTF_8.newDecoder().onMalformedInput(CodingErrorAction.REPORT)
                    .onUnmappableCharacter(CodingErrorAction.REPORT).decode(ByteBuffer.wrap(bytes)).toString();
        } catch (CharacterCodingException e) {
            throw new TranslationException("The text is not UTF-8 text");
        }
    }

    private static void writeLines(Path file, List<String> lines) throws TranslationException {
        StringBuilder text = new StringBuilder();
        for (String line : lines) {
            text.append(line).append("\r\n");
        }
        writeFile(file, text.toString().getBytes(StandardCharsets.UTF_8));
    }

    /** Writes a file of the editor's temporary folder, never through a link planted under its name. */
    private static void writeFile(Path file, byte[] bytes) throws TranslationException {
        try (OutputStream out = Files.newOutputStream(file, StandardOpenOption.CREATE, StandardOpenOption.WRITE,
                StandardOpenOption.TRUNCATE_EXISTING, LinkOption.NOFOLLOW_LINKS)) {
            out.write(bytes);
        } catch (IOException e) {
            throw new TranslationException("Cannot write " + file + ": " + e.getMessage(), e);
        }
    }

    /** Writes the file beside its place and then renames it there, so that no half-written file is left. */
    private static void replaceFile(Path file, byte[] bytes) throws TranslationException {
        Path temporary = file.resolveSibling(file.getFileName() + "." + ProcessHandle.current().pid() + ".tmp");
        try {
            Files.deleteIfExists(temporary);
            Files.write(temporary, bytes, StandardOpenOption.CREATE_NEW, StandardOpenOption.WRITE);
            Files.move(temporary, file, StandardCopyOption.REPLACE_EXISTING, StandardCopyOption.ATOMIC_MOVE);
        } catch (IOException e) {
            try {
                Files.deleteIfExists(temporary);
            } catch (IOException ignored) {
                // The temporary file stays; the failure below is what counts.
            }
            throw new TranslationException("Cannot write " + file + ": " + e.getMessage(), e);
        }
    }
}
