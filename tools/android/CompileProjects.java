// Compiles Android client projects in one Java process, each on its own, so that the compiler's
// start-up is paid once; tools/verify-android-project runs it. Projects are compiled on as many
// threads as there are processors.
//
// usage: java CompileProjects CLASSPATH LIST
// LIST holds one project per line: its source folder, its R.java folder and its class folder,
// separated by tabs. For each project, in one piece, a line "== <source folder>", the compiler's
// messages and "OK <source folder>" or "FAILED <source folder>" are printed. The exit status is
// 0 when every project compiles, else 1.

import java.io.IOException;
import java.io.PrintWriter;
import java.io.StringWriter;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import javax.tools.JavaCompiler;
import javax.tools.JavaFileObject;
import javax.tools.StandardJavaFileManager;
import javax.tools.ToolProvider;

public class CompileProjects {
    public static void main(String[] args) throws Exception {
        if (args.length != 2) {
            System.err.println("usage: java CompileProjects CLASSPATH LIST");
            System.exit(2);
        }
        JavaCompiler compiler = ToolProvider.getSystemJavaCompiler();
        // A file manager keeps what it has read of the class path; one per thread, since it is
        // not meant to be shared.
        ThreadLocal<StandardJavaFileManager> files = ThreadLocal.withInitial(
            () -> compiler.getStandardFileManager(null, null, Charset.forName("GBK")));
        ExecutorService pool =
            Executors.newFixedThreadPool(Runtime.getRuntime().availableProcessors());
        List<Future<Boolean>> results = new ArrayList<>();
        for (String line : Files.readAllLines(Paths.get(args[1]), StandardCharsets.UTF_8)) {
            if (line.isEmpty()) {
                continue;
            }
            String[] folders = line.split("\t");
            results.add(pool.submit(
                () -> compile(compiler, files.get(), args[0], folders[0], folders[1], folders[2])));
        }
        boolean allPassed = true;
        for (Future<Boolean> result : results) {
            allPassed &= result.get();
        }
        pool.shutdown();
        System.exit(allPassed ? 0 : 1);
    }

    static List<Path> javaFiles(String folder) throws IOException {
        if (!Files.isDirectory(Paths.get(folder))) {
            return new ArrayList<>();
        }
        try (Stream<Path> paths = Files.walk(Paths.get(folder))) {
            return paths.filter(p -> p.toString().endsWith(".java")).sorted()
                .collect(Collectors.toList());
        }
    }

    static boolean compile(JavaCompiler compiler, StandardJavaFileManager files, String classPath,
                           String sources, String generated, String classes) throws IOException {
        List<Path> paths = new ArrayList<>(javaFiles(sources));
        paths.addAll(javaFiles(generated));
        Files.createDirectories(Paths.get(classes));
        Iterable<? extends JavaFileObject> units =
            files.getJavaFileObjectsFromFiles(paths.stream().map(Path::toFile)
                                                  .collect(Collectors.toList()));
        List<String> options = new ArrayList<>(List.of(
            "-nowarn", "-Xlint:none", "-Xmaxerrs", "500", "--release", "8", "-encoding", "GBK",
            "-proc:none", "-XDsuppressNotes", "-cp", classPath, "-d", classes));
        // Diagnostic keys instead of sentences, for tools that sort failures by kind.
        if (System.getenv("QUILLMERE_RAW_DIAGNOSTICS") != null) {
            options.add("-XDrawDiagnostics");
        }
        StringWriter messages = new StringWriter();
        boolean passed = compiler.getTask(new PrintWriter(messages), files, null, options, null,
                                          units).call();
        String report = "== " + sources + "\n" + messages + (passed ? "OK " : "FAILED ") + sources;
        synchronized (System.out) {
            System.out.println(report);
            System.out.flush();
        }
        return passed;
    }
}
