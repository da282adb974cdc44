import com.mobileclient.server.ColumnSpec;
import com.mobileclient.server.ColumnType;
import com.mobileclient.server.SchemaException;
import com.mobileclient.server.SchemaManager;
import com.mobileclient.server.TableSpec;
import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.sql.Connection;
import java.sql.DriverManager;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.CompletableFuture;
import java.util.concurrent.CyclicBarrier;

/**
 * Runs the schema manager for tests/backend/schema-test: reads lines "DATABASE COMMAND MODEL"
 * and answers each with OK or the refusal's message. COMMAND is "ensure", "together" (two
 * connections at once) or "reading" (while another connection reads every table). MODEL is
 * "Table key:type column:type ...; Table ...", the key first; a type is integer, real,
 * timestamp, text(N) or text, and "type>Table" refers to that table.
 */
public final class SchemaDriver {
    public static void main(String[] args) throws Exception {
        BufferedReader input = new BufferedReader(new InputStreamReader(System.in, "UTF-8"));
        for (String line = input.readLine(); line != null; line = input.readLine()) {
            String[] words = line.split(" ", 3);
            String url = args[0] + words[0] + "?user=test";
            List<TableSpec> model = parseModel(words[2]);
            try {
                switch (words[1]) {
                    case "together" -> ensureTogether(url, model);
                    case "reading" -> ensureWhileReading(url, model);
                    default -> ensure(url, model);
                }
                System.out.println("OK");
            } catch (SchemaException e) {
                System.out.println(e.getMessage());
            }
        }
    }

    private static void ensure(String url, List<TableSpec> model) throws Exception {
        try (Connection connection = DriverManager.getConnection(url)) {
            SchemaManager.ensure(connection, model);
        }
    }

    private static void ensureTogether(String url, List<TableSpec> model) throws Exception {
        CyclicBarrier start = new CyclicBarrier(2);
        List<CompletableFuture<String>> runs = new ArrayList<>();
        for (int i = 0; i < 2; ++i) {
            runs.add(CompletableFuture.supplyAsync(() -> {
                try (Connection connection = DriverManager.getConnection(url)) {
                    start.await();
                    SchemaManager.ensure(connection, model);
                    return null;
                } catch (Exception e) {
                    return e.getMessage();
                }
            }));
        }
        for (CompletableFuture<String> run : runs) {
            if (run.get() != null) {
                throw new SchemaException(run.get());
            }
        }
    }

    /** A start on an up-to-date schema must not wait for the requests other containers serve. */
    private static void ensureWhileReading(String url, List<TableSpec> model) throws Exception {
        try (Connection reader = DriverManager.getConnection(url)) {
            reader.setAutoCommit(false);
            for (TableSpec table : model) {
                reader.createStatement().execute("SELECT FROM \"" + table.name() + "\"");
            }
            ensure(url + "&options=-c%20lock_timeout=3000", model);
        }
    }

    private static List<TableSpec> parseModel(String text) {
        List<TableSpec> tables = new ArrayList<>();
        for (String tableText : text.split(";")) {
            String[] words = tableText.trim().split("\\s+");
            List<ColumnSpec> columns = new ArrayList<>();
            for (int i = 1; i < words.length; ++i) {
                String[] parts = words[i].replace("!", "").split("[:()>]+");
                ColumnType type = ColumnType.valueOf(parts[1].toUpperCase());
                int length = type == ColumnType.TEXT && parts.length > 2
                        ? Integer.parseInt(parts[2]) : 0;
                String referenced = words[i].contains(">") ? parts[parts.length - 1] : null;
                columns.add(new ColumnSpec(parts[0], type, length, referenced));
            }
            // A key written "name!" is an integer the client gives (a key that refers to a class).
            boolean given = words[1].contains("!");
            ColumnSpec key = columns.get(0);
            tables.add(new TableSpec(
                    words[0], key.name(), !given && key.type() == ColumnType.INTEGER, columns));
        }
        return tables;
    }
}
