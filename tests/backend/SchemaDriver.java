import com.mobileclient.server.ColumnSpec;
import com.mobileclient.server.ColumnType;
import com.mobileclient.server.SchemaException;
import com.mobileclient.server.SchemaManager;
import com.mobileclient.server.TableSpec;
import java.io.BufferedReader;
import java.io.InputStreamReader;
import java.nio.charset.StandardCharsets;
import java.sql.Connection;
import java.sql.DriverManager;
import java.sql.Statement;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.Callable;
import java.util.concurrent.CyclicBarrier;
import java.util.concurrent.ExecutionException;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;

/**
 * Runs the schema manager for the schema test.
 *
 * <p>usage: SchemaDriver JDBC_URL_PREFIX, reading lines "DATABASE COMMAND MODEL" and printing a
 * line for each: OK, or the message of a refusal. COMMAND is
 * ensure (once),
 * together (two connections at the same moment) or
 * reading (while another connection reads every table, with a lock timeout).
 * MODEL lists tables separated by ";", each "Name key:type column:type ...", the key first;
 * a type is integer, real, timestamp, text(N) or text, and "type>Table" is a reference.
 */
public final class SchemaDriver {
    public static void main(String[] args) throws Exception {
        BufferedReader input =
                new BufferedReader(new InputStreamReader(System.in, StandardCharsets.UTF_8));
        for (String line = input.readLine(); line != null; line = input.readLine()) {
            String[] words = line.split(" ", 3);
            System.out.println(run(args[0] + words[0] + "?user=test", words[1], words[2]));
        }
    }

    private static String run(String url, String command, String modelText) throws Exception {
        List<TableSpec> model = parseModel(modelText);
        try {
            switch (command) {
                case "ensure" -> ensure(url, model);
                case "together" -> ensureTogether(url, model);
                case "reading" -> ensureWhileReading(url, model);
                default -> throw new IllegalArgumentException(command);
            }
            return "OK";
        } catch (SchemaException e) {
            return e.getMessage();
        }
    }

    private static Void ensure(String url, List<TableSpec> model) throws Exception {
        try (Connection connection = DriverManager.getConnection(url)) {
            SchemaManager.ensure(connection, model);
        }
        return null;
    }

    private static void ensureTogether(String url, List<TableSpec> model) throws Exception {
        CyclicBarrier start = new CyclicBarrier(2);
        Callable<Void> task = () -> {
            try (Connection connection = DriverManager.getConnection(url)) {
                start.await();
                SchemaManager.ensure(connection, model);
            }
            return null;
        };
        ExecutorService pool = Executors.newFixedThreadPool(2);
        List<Future<Void>> runs = pool.invokeAll(List.of(task, task));
        pool.shutdown();
        for (Future<Void> run : runs) {
            try {
                run.get();
            } catch (ExecutionException e) {
                throw e.getCause() instanceof Exception cause ? cause : e;
            }
        }
    }

    /** A container starting while another serves must not wait for the other's readers. */
    private static void ensureWhileReading(String url, List<TableSpec> model) throws Exception {
        try (Connection reader = DriverManager.getConnection(url)) {
            reader.setAutoCommit(false);
            try (Statement statement = reader.createStatement()) {
                for (TableSpec table : model) {
                    statement.execute("SELECT count(*) FROM \"" + table.name() + "\"");
                }
            }
            ensure(url + "&options=-c%20lock_timeout=3000", model);
            reader.rollback();
        }
    }

    private static List<TableSpec> parseModel(String text) {
        List<TableSpec> tables = new ArrayList<>();
        for (String tableText : text.split(";")) {
            String[] words = tableText.trim().split("\\s+");
            List<ColumnSpec> columns = new ArrayList<>();
            for (int i = 1; i < words.length; ++i) {
                columns.add(parseColumn(words[i]));
            }
            ColumnSpec key = columns.get(0);
            tables.add(new TableSpec(words[0], key.name(), key.type() == ColumnType.INTEGER,
                    columns));
        }
        return tables;
    }

    private static ColumnSpec parseColumn(String word) {
        String[] nameAndType = word.split(":", 2);
        String[] typeAndTable = nameAndType[1].split(">", 2);
        String type = typeAndTable[0];
        int length = 0;
        if (type.startsWith("text(")) {
            length = Integer.parseInt(type.substring(5, type.length() - 1));
            type = "text";
        }
        return new ColumnSpec(nameAndType[0], ColumnType.valueOf(type.toUpperCase()), length,
                typeAndTable.length > 1 ? typeAndTable[1] : null);
    }
}
