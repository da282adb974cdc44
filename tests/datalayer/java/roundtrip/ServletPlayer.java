package roundtrip;

import java.io.ByteArrayOutputStream;
import java.io.IOException;
import java.io.InputStream;
import java.io.OutputStream;
import java.net.InetAddress;
import java.net.InetSocketAddress;
import java.net.URLDecoder;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.TreeMap;

import com.sun.net.httpserver.HttpExchange;
import com.sun.net.httpserver.HttpServer;

/*
 * Plays the server side of the generated client: every servlet below /app/, the picture
 * upload and the stored pictures. It records each request and answers what the test scripted
 * for the resource and action ("BookServlet" + "add", "upload" + "", ...); an unscripted request
 * gets 404.
 */
final class ServletPlayer {
	static final String CONTEXT = "/app/";

	static final class Received {
		String method;
		String resource;
		String rawQuery;
		String contentType;
		byte[] body;
		Map<String, String> query;
		Map<String, String> form;

		String action() {
			String action = form.containsKey("action") ? form.get("action") : query.get("action");
			return action == null ? "" : action;
		}
	}

	private static final class Answer {
		final int status;
		final byte[] body;

		Answer(int status, byte[] body) {
			this.status = status;
			this.body = body;
		}
	}

	private final HttpServer server;
	private final List<Received> received = new ArrayList<>();
	private final Map<String, Answer> answers = new HashMap<>();

	private ServletPlayer(HttpServer server) {
		this.server = server;
	}

	static ServletPlayer start() throws IOException {
		HttpServer server = HttpServer.create(
				new InetSocketAddress(InetAddress.getByName("127.0.0.1"), 0), 0);
		ServletPlayer player = new ServletPlayer(server);
		server.createContext(CONTEXT, player::handle);
		server.start();
		return player;
	}

	String baseUrl() {
		return "http://127.0.0.1:" + server.getAddress().getPort() + CONTEXT;
	}

	void stop() {
		server.stop(0);
	}

	synchronized void answer(String resource, String action, int status, byte[] body) {
		answers.put(resource + "#" + action, new Answer(status, body));
	}

	void answer(String resource, String action, String body) {
		answer(resource, action, 200, body.getBytes(StandardCharsets.UTF_8));
	}

	synchronized Received last() {
		return received.isEmpty() ? null : received.get(received.size() - 1);
	}

	synchronized List<Received> all() {
		return new ArrayList<>(received);
	}

	synchronized void forget() {
		received.clear();
	}

	private void handle(HttpExchange exchange) throws IOException {
		Received request = new Received();
		request.method = exchange.getRequestMethod();
		request.resource = exchange.getRequestURI().getRawPath().substring(CONTEXT.length());
		request.rawQuery = exchange.getRequestURI().getRawQuery();
		request.contentType = exchange.getRequestHeaders().getFirst("Content-Type");
		request.body = readAll(exchange.getRequestBody());
		request.query = decode(request.rawQuery);
		boolean isForm = request.contentType != null
				&& request.contentType.startsWith("application/x-www-form-urlencoded");
		request.form = isForm ? decode(new String(request.body, StandardCharsets.US_ASCII))
				: new TreeMap<String, String>();
		Answer answer;
		synchronized (this) {
			received.add(request);
			answer = answers.get(request.resource + "#" + request.action());
		}
		if (answer == null) {
			answer = new Answer(404, ("no answer scripted for " + request.resource + " "
					+ request.action()).getBytes(StandardCharsets.UTF_8));
		}
		exchange.sendResponseHeaders(answer.status, answer.body.length == 0 ? -1 : answer.body.length);
		try (OutputStream out = exchange.getResponseBody()) {
			out.write(answer.body);
		}
	}

	/* Form or query text into names and values, each URL-decoded as UTF-8. */
	static Map<String, String> decode(String encoded) {
		Map<String, String> values = new TreeMap<>();
		if (encoded == null || encoded.isEmpty()) {
			return values;
		}
		for (String pair : encoded.split("&", -1)) {
			int equals = pair.indexOf('=');
			String name = equals < 0 ? pair : pair.substring(0, equals);
			String value = equals < 0 ? "" : pair.substring(equals + 1);
			values.put(URLDecoder.decode(name, StandardCharsets.UTF_8),
					URLDecoder.decode(value, StandardCharsets.UTF_8));
		}
		return values;
	}

	private static byte[] readAll(InputStream in) throws IOException {
		ByteArrayOutputStream bytes = new ByteArrayOutputStream();
		in.transferTo(bytes);
		return bytes.toByteArray();
	}
}
