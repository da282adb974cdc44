package com.mobileclient.util;

import java.io.ByteArrayInputStream;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.FileNotFoundException;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.HttpURLConnection;
import java.net.SocketTimeoutException;
import java.net.URI;
import java.net.URISyntaxException;
import java.net.URL;
import java.net.URLEncoder;
import java.util.Map;
import java.util.Timer;
import java.util.TimerTask;
import java.util.UUID;

/*
 * HTTP access to the server. Every service posts its forms through SendPostRequest; the add and
 * edit screens upload pictures through uploadFile.
 *
 * On the phone the application object (Declare) sets both addresses at start: BASE_URL to the
 * address chosen in the server settings, FILE_PATH to the app's own picture folder. Elsewhere
 * (the tests on a desktop JVM) the system properties "mobileclient.baseUrl" and
 * "mobileclient.filePath" replace the defaults below.
 */
public class HttpUtil {
	/* The server's base address; a servlet name or a stored picture path is appended to it.
	   10.0.2.2 is the emulator's address of the host machine. */
	public static final String DEFAULT_BASE_URL = "http://10.0.2.2:8080/JavaWebProject/";
	public static volatile String BASE_URL = System.getProperty("mobileclient.baseUrl",
			DEFAULT_BASE_URL);
	/* The local folder of picture files; a file name is appended after "/". */
	public static volatile String FILE_PATH = System.getProperty("mobileclient.filePath",
			"/sdcard/mobileclient/pictures");

	/* The connect timeout and the read timeout of every request. The screens wait for their
	   requests, so this bounds how long a screen waits for a silent or unreachable server. A
	   request still running after both (a server that does not take a form or a picture sent
	   to it, or trickles its answer) is given up. */
	public static final int TIMEOUT_MS = 5000;
	/* When the answer to the request this thread opened last must be in. */
	private static final ThreadLocal<Long> DEADLINE = new ThreadLocal<Long>();
	/* Disconnects a request whose body is still being written, or whose answer has not begun,
	   at its deadline: the read timeout does not cover writing. */
	private static final Timer WATCHDOG = new Timer("HttpUtil deadline", true);

	/* Disconnects a request at its deadline, remembering that it did. */
	private static class Expiry extends TimerTask {
		private final HttpURLConnection connection;
		volatile boolean fired;

		Expiry(HttpURLConnection connection) {
			this.connection = connection;
		}

		public void run() {
			fired = true;
			try {
				connection.disconnect();
			} catch (RuntimeException e) {
				e.printStackTrace(); // the watchdog must go on for the other requests
			}
		}
	}

	/* Writes a request body. */
	private interface Body {
		void writeTo(OutputStream out) throws IOException;
	}

	/* A refusal (400-499) of a form; its message is the server's reason. */
	public static class RefusedException extends IOException {
		public RefusedException(String reason) {
			super(reason);
		}
	}

	/* An answer whose status is outside 200-299. */
	public static class StatusException extends IOException {
		public final int status;

		public StatusException(int status, URL url) {
			super("HTTP " + status + " from " + url);
			this.status = status;
		}
	}

	/*
	 * Posts the parameters as an application/x-www-form-urlencoded form, names and values
	 * encoded in the given character set, and answers the response body. A null value is sent
	 * as an empty value.
	 *
	 * A refusal (a status from 400 to 499) throws a RefusedException whose message is the
	 * server's reason, the body, so that the screen shows why an add or an update was refused.
	 * No connection or no answer within the timeouts throws an IOException, a server failure
	 * (500-599) or any other status outside 200-299 a StatusException.
	 */
	public static byte[] SendPostRequest(String url, Map<String, String> params, String encoding)
			throws Exception {
		final byte[] body = formBody(params, encoding).getBytes("US-ASCII");
		HttpURLConnection connection = open(url);
		try {
			connection.setRequestProperty("Content-Type",
					"application/x-www-form-urlencoded; charset=" + encoding);
			connection.setFixedLengthStreamingMode(body.length);
			int status = post(connection, new Body() {
				public void writeTo(OutputStream out) throws IOException {
					out.write(body);
				}
			});
			if (isRefusal(status)) {
				throw new RefusedException(
						new String(refusalReason(connection, status, encoding), encoding));
			}
			return readResponse(connection);
		} finally {
			connection.disconnect();
		}
	}

	/*
	 * Uploads the picture FILE_PATH + "/" + fileName to BASE_URL + "upload" as a
	 * multipart/form-data request whose only part is the form field "file" (with the file's
	 * name and bytes). The server answers the name under which it stored the picture (for
	 * example "upload/20240101.jpg") as the response body.
	 *
	 * Answers that name, trimmed. Any failure (missing file, no connection, a status outside
	 * 200-299, an empty answer) throws a RuntimeException (the IOException as its cause), so
	 * that a save that needs the picture is abandoned instead of storing an object without its
	 * picture.
	 */
	public static String uploadFile(String fileName) {
		try {
			String stored = new String(postFile(new File(FILE_PATH, fileName)), "UTF-8").trim();
			if (stored.length() == 0) {
				throw new IOException("The server stored " + fileName + " under no name");
			}
			return stored;
		} catch (IOException e) {
			throw new RuntimeException("Upload of " + fileName + " failed", e);
		}
	}

	private static byte[] postFile(File file) throws IOException {
		String boundary = "----mobileclient" + UUID.randomUUID().toString().replace("-", "");
		final String head = "--" + boundary + "\r\n"
				+ "Content-Disposition: form-data; name=\"file\"; filename=\""
				+ file.getName().replace("\"", "%22") + "\"\r\n"
				+ "Content-Type: application/octet-stream\r\n\r\n";
		final String tail = "\r\n--" + boundary + "--\r\n";
		// Opened before the request starts: a missing file must not reach the server as a
		// truncated upload.
		final InputStream in = new FileInputStream(file);
		try {
			HttpURLConnection connection = open(BASE_URL + "upload");
			try {
				connection.setRequestProperty("Content-Type",
						"multipart/form-data; boundary=" + boundary);
				connection.setChunkedStreamingMode(0);
				post(connection, new Body() {
					public void writeTo(OutputStream out) throws IOException {
						out.write(head.getBytes("UTF-8"));
						copy(in, out);
						out.write(tail.getBytes("UTF-8"));
					}
				});
				return readResponse(connection);
			} finally {
				connection.disconnect();
			}
		} finally {
			in.close();
		}
	}

	/*
	 * POSTs the body on the connection and answers the response status. A request that has not
	 * sent its body and got the status by its deadline is disconnected then and throws a
	 * SocketTimeoutException.
	 */
	private static int post(HttpURLConnection connection, Body body) throws IOException {
		Expiry expiry = new Expiry(connection);
		WATCHDOG.schedule(expiry, Math.max(0, DEADLINE.get() - System.currentTimeMillis()));
		try {
			connection.setRequestMethod("POST");
			connection.setDoOutput(true);
			OutputStream out = connection.getOutputStream();
			try {
				body.writeTo(out);
			} finally {
				out.close();
			}
			// A body cut off by a disconnect may seem written, and asking a disconnected request
			// for its status would send it again.
			if (!expiry.fired) {
				int status = connection.getResponseCode();
				if (expiry.cancel()) {
					return status;
				}
			}
		} catch (IOException | RuntimeException e) {
			// What a disconnect in the middle of a request throws differs between platforms.
			if (expiry.cancel()) {
				throw e;
			}
		}
		throw new SocketTimeoutException("Not sent and answered within " + 2 * TIMEOUT_MS + " ms");
	}

	private static String formBody(Map<String, String> params, String encoding)
			throws IOException {
		StringBuilder body = new StringBuilder();
		for (Map.Entry<String, String> param : params.entrySet()) {
			if (body.length() > 0) {
				body.append('&');
			}
			String value = param.getValue() == null ? "" : param.getValue();
			body.append(URLEncoder.encode(param.getKey(), encoding)).append('=')
					.append(URLEncoder.encode(value, encoding));
		}
		return body.toString();
	}

	private static boolean isRefusal(int status) {
		return status >= 400 && status <= 499;
	}

	/* The body of a refusal; a refusal without a body answers its status line instead. */
	private static byte[] refusalReason(HttpURLConnection connection, int status, String encoding)
			throws IOException {
		InputStream in = connection.getErrorStream();
		byte[] body = in == null ? new byte[0] : readWhole(in);
		if (body.length > 0) {
			return body;
		}
		String statusLine = "HTTP " + status + " " + connection.getResponseMessage();
		return statusLine.trim().getBytes(encoding);
	}

	/*
	 * The body of a GET of the address, read whole within the timeouts, as a stream; a status
	 * outside 200-299 throws a StatusException.
	 */
	public static InputStream openStream(URL url) throws IOException {
		HttpURLConnection connection = open(url.toString());
		try {
			connection.setRequestMethod("GET");
			return new ByteArrayInputStream(readResponse(connection));
		} finally {
			connection.disconnect();
		}
	}

	/*
	 * What a screen tells the user when a request failed: the server's reason for a refusal,
	 * its status for a failure, or that the server cannot be reached or does not answer.
	 * Anything else (an answer that cannot be read) is named as such.
	 */
	public static String errorText(Throwable error) {
		for (Throwable cause = error; cause != null; cause = cause.getCause()) {
			if (cause instanceof RefusedException) {
				return cause.getMessage();
			}
			if (cause instanceof StatusException) {
				return "服务器出错(HTTP " + ((StatusException) cause).status + "), 请稍后再试";
			}
			if (cause instanceof SocketTimeoutException) {
				return "服务器" + (TIMEOUT_MS / 1000) + "秒内没有回应: " + BASE_URL;
			}
			if (cause instanceof FileNotFoundException) {
				return "找不到文件: " + cause.getMessage();
			}
			if (cause instanceof IOException) {
				return "无法连接服务器" + BASE_URL + ", 请检查网络和服务器设置";
			}
		}
		return "服务器的回答无法读取: " + error;
	}

	/*
	 * The server address typed in the settings in the form BASE_URL needs: an absolute http or
	 * https address with a host, without query or fragment, ending with "/" (added when missing,
	 * since servlet names are appended directly). Answers null for anything else.
	 */
	public static String normalizeBaseUrl(String address) {
		if (address == null) {
			return null;
		}
		String trimmed = address.trim();
		URI uri;
		try {
			uri = new URI(trimmed);
		} catch (URISyntaxException e) {
			return null;
		}
		String scheme = uri.getScheme();
		boolean web = "http".equalsIgnoreCase(scheme) || "https".equalsIgnoreCase(scheme);
		if (!web || uri.getHost() == null || uri.getPort() > 65535 || uri.getRawQuery() != null
				|| uri.getRawFragment() != null) {
			return null;
		}
		return trimmed.endsWith("/") ? trimmed : trimmed + "/";
	}

	static HttpURLConnection open(String url) throws IOException {
		HttpURLConnection connection = (HttpURLConnection) new URL(url).openConnection();
		connection.setConnectTimeout(TIMEOUT_MS);
		connection.setReadTimeout(TIMEOUT_MS);
		connection.setUseCaches(false);
		DEADLINE.set(System.currentTimeMillis() + 2L * TIMEOUT_MS);
		return connection;
	}

	/* The response body; a status outside 200-299 is a StatusException. */
	static byte[] readResponse(HttpURLConnection connection) throws IOException {
		int status = connection.getResponseCode();
		if (status < 200 || status > 299) {
			throw new StatusException(status, connection.getURL());
		}
		return readWhole(connection.getInputStream());
	}

	/* The stream's bytes up to its end, which must come by the request's deadline; closes it. */
	private static byte[] readWhole(InputStream in) throws IOException {
		try {
			ByteArrayOutputStream body = new ByteArrayOutputStream();
			byte[] buffer = new byte[8192];
			int count;
			while ((count = in.read(buffer)) != -1) {
				body.write(buffer, 0, count);
				if (System.currentTimeMillis() > DEADLINE.get()) {
					throw new SocketTimeoutException("No whole answer within " + 2 * TIMEOUT_MS + " ms");
				}
			}
			return body.toByteArray();
		} finally {
			in.close();
		}
	}

	private static void copy(InputStream in, OutputStream out) throws IOException {
		byte[] buffer = new byte[8192];
		int count;
		while ((count = in.read(buffer)) != -1) {
			out.write(buffer, 0, count);
		}
	}
}
