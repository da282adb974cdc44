// Checks what a client project needs to install and build with today's Android tools, beyond
// what aapt and javac see; tools/verify-android-project runs it before packaging.
//
// usage: java CheckProjectSetup PROJECT_DIR...
// For every problem it prints one line "PROBLEM <n>\t<message>", n the project's position among
// the arguments from 1; for a project without problems one line
// "SETUP <n>\t<namespace>\t<application id>\t<minSdk>\t<targetSdk>", what aapt is given in
// place of the manifest's package and <uses-sdk>. The exit status is 0 when no project has a
// problem, else 1.
//
// A project must
//  - have a manifest without a package attribute and without <uses-sdk> (the Android Gradle
//    plugin 8 ignores the one, version 9 refuses the other: build.gradle holds both);
//  - pass no file:// Uri in any Java source (from Android 7 an intent that carries one throws);
//  - carry settings.gradle and build.gradle whose source folders and files exist, which set a
//    namespace, a valid application id (two or more dot-separated segments, each an ASCII Java
//    identifier starting with a letter), a minSdk, a targetSdk of at least 36 (what Google Play
//    takes since 31 August 2026) and a compileSdk of at least the target.

import java.io.IOException;
import java.nio.charset.Charset;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import javax.xml.parsers.DocumentBuilderFactory;
import org.w3c.dom.Element;

public class CheckProjectSetup {
    static final int LOWEST_TARGET_SDK = 36;
    static final Pattern FILE_URI = Pattern.compile("Uri\\.fromFile\\s*\\(|file://");
    static final Pattern NAMESPACE = Pattern.compile("\\bnamespace\\s*=?\\s*['\"]([^'\"]*)['\"]");
    static final Pattern TARGET_SDK = Pattern.compile("\\btargetSdk(?:Version)?\\s*=?\\s*(\\d+)");
    static final Pattern COMPILE_SDK = Pattern.compile("\\bcompileSdk(?:Version)?\\s*=?\\s*(\\d+)");
    static final Pattern APPLICATION_ID =
        Pattern.compile("\\bapplicationId\\s*=?\\s*['\"]([^'\"]*)['\"]");
    static final Pattern VALID_APPLICATION_ID =
        Pattern.compile("[A-Za-z][A-Za-z0-9_]*(\\.[A-Za-z][A-Za-z0-9_]*)+");
    static final Pattern MIN_SDK = Pattern.compile("\\bminSdk(?:Version)?\\s*=?\\s*(\\d+)");
    // A line that names source files or folders: sourceSets entries and fileTree(dir: ...).
    static final Pattern NAMES_PATHS = Pattern.compile("srcFile|srcDirs?\\b|\\bdir\\s*:");
    static final Pattern QUOTED = Pattern.compile("['\"]([^'\"]+)['\"]");
    static final Pattern FILE_TREE_INCLUDE = Pattern.compile("include\\s*:\\s*\\[[^\\]]*\\]");

    public static void main(String[] args) throws Exception {
        boolean allPassed = true;
        for (int i = 0; i < args.length; i++) {
            Gradle gradle = new Gradle();
            List<String> problems = problemsOf(Paths.get(args[i]), gradle);
            for (String problem : problems) {
                System.out.println("PROBLEM " + (i + 1) + "\t" + problem);
                allPassed = false;
            }
            if (problems.isEmpty()) {
                System.out.println("SETUP " + (i + 1) + "\t" + gradle.namespace + "\t"
                                   + gradle.applicationId + "\t" + gradle.minSdk + "\t"
                                   + gradle.targetSdk);
            }
        }
        System.exit(allPassed ? 0 : 1);
    }

    static List<String> problemsOf(Path project, Gradle gradle) throws IOException {
        List<String> problems = new ArrayList<>();
        checkManifest(project.resolve("AndroidManifest.xml"), problems);
        checkSources(project, problems);
        checkGradle(project, gradle, problems);
        return problems;
    }

    // What build.gradle sets in place of the manifest.
    static final class Gradle {
        String namespace;
        String applicationId;
        String minSdk;
        String targetSdk;
    }

    static void checkManifest(Path file, List<String> problems) {
        if (!Files.isRegularFile(file)) {
            problems.add("no AndroidManifest.xml");
            return;
        }
        try {
            DocumentBuilderFactory factory = DocumentBuilderFactory.newInstance();
            factory.setNamespaceAware(true);
            Element root = factory.newDocumentBuilder().parse(file.toFile()).getDocumentElement();
            if (root.hasAttribute("package")) {
                problems.add("AndroidManifest.xml has a package attribute; build.gradle's namespace "
                             + "and applicationId replace it");
            }
            if (root.getElementsByTagName("uses-sdk").getLength() > 0) {
                problems.add("AndroidManifest.xml declares <uses-sdk>, which the Android Gradle "
                             + "plugin 9 refuses; build.gradle sets the API levels");
            }
        } catch (Exception e) {
            problems.add("AndroidManifest.xml cannot be read: " + e.getMessage());
        }
    }

    static void checkSources(Path project, List<String> problems) throws IOException {
        Path sources = project.resolve("src");
        if (!Files.isDirectory(sources)) {
            return;
        }
        List<Path> files;
        try (Stream<Path> paths = Files.walk(sources)) {
            files = paths.filter(p -> p.toString().endsWith(".java")).sorted()
                        .collect(Collectors.toList());
        }
        for (Path file : files) {
            String[] lines = new String(Files.readAllBytes(file), Charset.forName("GBK"))
                                 .split("\n", -1);
            for (int i = 0; i < lines.length; i++) {
                if (FILE_URI.matcher(lines[i]).find()) {
                    problems.add(project.relativize(file) + ":" + (i + 1)
                                 + ": a file:// Uri; from Android 7 an intent that carries one "
                                 + "throws (pass a content:// Uri of the app's provider)");
                }
            }
        }
    }

    static void checkGradle(Path project, Gradle gradle, List<String> problems)
        throws IOException {
        if (!Files.isRegularFile(project.resolve("settings.gradle"))) {
            problems.add("no settings.gradle");
        }
        Path buildFile = project.resolve("build.gradle");
        if (!Files.isRegularFile(buildFile)) {
            problems.add("no build.gradle");
            return;
        }
        String build = new String(Files.readAllBytes(buildFile), StandardCharsets.UTF_8)
                           .replaceAll("(?m)^\\s*//.*$", "");
        gradle.namespace = firstGroup(NAMESPACE, build);
        if (gradle.namespace == null) {
            problems.add("build.gradle sets no namespace");
        }
        gradle.applicationId = firstGroup(APPLICATION_ID, build);
        if (gradle.applicationId == null) {
            problems.add("build.gradle sets no applicationId");
        } else if (!VALID_APPLICATION_ID.matcher(gradle.applicationId).matches()) {
            problems.add("build.gradle: applicationId '" + gradle.applicationId
                         + "' is no application id (two or more segments of letters, digits "
                         + "and underscores, each starting with a letter)");
        }
        String target = gradle.targetSdk = firstGroup(TARGET_SDK, build);
        String compile = firstGroup(COMPILE_SDK, build);
        String lowest = gradle.minSdk = firstGroup(MIN_SDK, build);
        if (target == null || compile == null || lowest == null) {
            problems.add("build.gradle does not set each of compileSdk, minSdk and targetSdk");
        } else if (Integer.parseInt(target) < LOWEST_TARGET_SDK) {
            problems.add("build.gradle: targetSdk " + target + " is below " + LOWEST_TARGET_SDK
                         + "; Google Play takes no app with a lower target");
        } else if (Integer.parseInt(compile) < Integer.parseInt(target)) {
            problems.add("build.gradle: compileSdk " + compile + " is below targetSdk " + target);
        } else if (Integer.parseInt(lowest) > Integer.parseInt(target)) {
            problems.add("build.gradle: minSdk " + lowest + " is above targetSdk " + target);
        }
        for (String line : build.split("\n")) {
            if (!NAMES_PATHS.matcher(line).find()) {
                continue;
            }
            Matcher path = QUOTED.matcher(FILE_TREE_INCLUDE.matcher(line).replaceAll(""));
            while (path.find()) {
                if (!Files.exists(project.resolve(path.group(1)))) {
                    problems.add("build.gradle names '" + path.group(1)
                                 + "', which is not in the project");
                }
            }
        }
    }

    static String firstGroup(Pattern pattern, String text) {
        Matcher matcher = pattern.matcher(text);
        return matcher.find() ? matcher.group(1) : null;
    }
}
