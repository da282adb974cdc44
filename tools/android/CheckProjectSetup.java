// Checks what a client project needs to install and build with today's Android tools, beyond
// what aapt and javac see; tools/verify-android-project runs it before packaging.
//
// usage: java CheckProjectSetup PROJECT_DIR...
// For every problem it prints one line "PROBLEM <n>\t<message>", n the project's position among
// the arguments from 1. The exit status is 0 when no project has a problem, else 1.
//
// A project must
//  - declare a targetSdkVersion of at least 24 in its manifest (Android 14 refuses to install
//    apps below 23, Android 15 and later below 24);
//  - pass no file:// Uri in any Java source (from Android 7 an intent that carries one throws);
//  - carry settings.gradle and build.gradle whose source folders and files exist, whose namespace
//    equals the manifest's package and whose targetSdk equals the manifest's.

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
import org.w3c.dom.NodeList;

public class CheckProjectSetup {
    static final int LOWEST_TARGET_SDK = 24;
    static final String ANDROID_NS = "http://schemas.android.com/apk/res/android";
    static final Pattern FILE_URI = Pattern.compile("Uri\\.fromFile\\s*\\(|file://");
    static final Pattern NAMESPACE = Pattern.compile("\\bnamespace\\s*=?\\s*['\"]([^'\"]*)['\"]");
    static final Pattern TARGET_SDK = Pattern.compile("\\btargetSdk(?:Version)?\\s*=?\\s*(\\d+)");
    static final Pattern MIN_SDK = Pattern.compile("\\bminSdk(?:Version)?\\s*=?\\s*(\\d+)");
    // A line that names source files or folders: sourceSets entries and fileTree(dir: ...).
    static final Pattern NAMES_PATHS = Pattern.compile("srcFile|srcDirs?\\b|\\bdir\\s*:");
    static final Pattern QUOTED = Pattern.compile("['\"]([^'\"]+)['\"]");
    static final Pattern FILE_TREE_INCLUDE = Pattern.compile("include\\s*:\\s*\\[[^\\]]*\\]");

    public static void main(String[] args) throws Exception {
        boolean allPassed = true;
        for (int i = 0; i < args.length; i++) {
            for (String problem : problemsOf(Paths.get(args[i]))) {
                System.out.println("PROBLEM " + (i + 1) + "\t" + problem);
                allPassed = false;
            }
        }
        System.exit(allPassed ? 0 : 1);
    }

    static List<String> problemsOf(Path project) throws IOException {
        List<String> problems = new ArrayList<>();
        Manifest manifest = readManifest(project.resolve("AndroidManifest.xml"), problems);
        checkSources(project, problems);
        checkGradle(project, manifest, problems);
        return problems;
    }

    static final class Manifest {
        String packageName;
        Integer targetSdk;
    }

    static Manifest readManifest(Path file, List<String> problems) {
        Manifest manifest = new Manifest();
        if (!Files.isRegularFile(file)) {
            problems.add("no AndroidManifest.xml");
            return manifest;
        }
        try {
            DocumentBuilderFactory factory = DocumentBuilderFactory.newInstance();
            factory.setNamespaceAware(true);
            Element root = factory.newDocumentBuilder().parse(file.toFile()).getDocumentElement();
            manifest.packageName = root.getAttribute("package");
            NodeList usesSdk = root.getElementsByTagName("uses-sdk");
            String target = usesSdk.getLength() == 0
                ? ""
                : ((Element) usesSdk.item(0)).getAttributeNS(ANDROID_NS, "targetSdkVersion");
            if (target.isEmpty()) {
                problems.add("AndroidManifest.xml declares no android:targetSdkVersion in uses-sdk");
            } else {
                manifest.targetSdk = Integer.valueOf(target);
                if (manifest.targetSdk < LOWEST_TARGET_SDK) {
                    problems.add("AndroidManifest.xml: targetSdkVersion " + target + " is below "
                                 + LOWEST_TARGET_SDK
                                 + "; Android 14 and later refuse to install the app");
                }
            }
        } catch (Exception e) {
            problems.add("AndroidManifest.xml cannot be read: " + e.getMessage());
        }
        return manifest;
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

    static void checkGradle(Path project, Manifest manifest, List<String> problems)
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
        String namespace = firstGroup(NAMESPACE, build);
        if (namespace == null) {
            problems.add("build.gradle sets no namespace");
        } else if (manifest.packageName != null && !namespace.equals(manifest.packageName)) {
            problems.add("build.gradle: namespace '" + namespace
                         + "' differs from the manifest's package '" + manifest.packageName + "'");
        }
        String target = firstGroup(TARGET_SDK, build);
        if (target == null) {
            problems.add("build.gradle sets no targetSdk");
        } else if (manifest.targetSdk != null && Integer.parseInt(target) != manifest.targetSdk) {
            problems.add("build.gradle: targetSdk " + target + " differs from the manifest's "
                         + manifest.targetSdk);
        }
        String lowest = firstGroup(MIN_SDK, build);
        if (lowest != null && target != null && Integer.parseInt(lowest) > Integer.parseInt(target)) {
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
