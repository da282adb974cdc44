package roundtrip;

import java.io.File;
import java.io.FileOutputStream;
import java.io.OutputStream;
import java.net.URLEncoder;
import java.nio.charset.StandardCharsets;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Objects;
import java.util.TreeMap;

import android.content.Context;
import android.graphics.Bitmap;
import android.view.LayoutInflater;
import android.view.View;
import android.widget.ImageView;
import android.widget.TextView;

import com.mobileclient.activity.R;
import com.mobileclient.domain.Book;
import com.mobileclient.domain.BookType;
import com.mobileclient.domain.Loan;
import com.mobileclient.service.BookService;
import com.mobileclient.service.BookTypeService;
import com.mobileclient.service.LoanService;
import com.mobileclient.util.BookSimpleAdapter;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;

/*
 * Drives the generated services, list handlers and list adapter of the library project against
 * ServletPlayer and checks both sides: what the server received and what the client made of
 * the answers. Argument: the local pictures folder. Exit status 0 when every check passes.
 */
public final class RoundTrip {
	interface Check {
		void run() throws Exception;
	}

	private static final String TITLE = "\u7ea2\u697c\u68a6 & \u7eed"; // a title with CJK, a blank and "&"
	private static final String ADDED = "\u56fe\u4e66\u6dfb\u52a0\u6210\u529f";
	private static final String DELETE_FAILED = "\u56fe\u4e66\u4fe1\u606f\u5220\u9664\u5931\u8d25!";
	private static final String NOVEL = "\u5c0f\u8bf4";
	private static final String PRESS = "\u4eba\u6c11\u6587\u5b66";
	private static final String PUBLISHED = "2024-03-05 10:20:30.0";

	private final ServletPlayer server;
	private final File pictures;
	private int passed;
	private int failed;

	private RoundTrip(ServletPlayer server, File pictures) {
		this.server = server;
		this.pictures = pictures;
	}

	public static void main(String[] args) throws Exception {
		startWatchdog(90);
		System.setProperty("javax.xml.parsers.SAXParserFactory",
				NamespaceAwareSaxParserFactory.class.getName());
		ServletPlayer server = ServletPlayer.start();
		System.setProperty("mobileclient.baseUrl", server.baseUrl());
		System.setProperty("mobileclient.filePath", args[0]);
		int failures;
		try {
			failures = new RoundTrip(server, new File(args[0])).runAll();
		} finally {
			server.stop();
		}
		System.exit(failures == 0 ? 0 : 1);
	}

	private static void startWatchdog(int seconds) {
		Thread watchdog = new Thread(() -> {
			try {
				Thread.sleep(seconds * 1000L);
			} catch (InterruptedException e) {
				return;
			}
			System.out.println("FAIL the round trip took longer than " + seconds + " s");
			System.exit(3);
		});
		watchdog.setDaemon(true);
		watchdog.start();
	}

	private int runAll() {
		run("add and update post every member by name", this::addAndUpdatePostEveryMember);
		run("add and update answer the empty text on a server error", this::saveFailsQuietly);
		run("delete posts the key", this::deletePostsTheKey);
		run("get parses every type from JSON", this::getParsesEveryType);
		run("get answers null for an empty array", this::getAnswersNullForEmptyArray);
		run("query without condition sends only the action", this::queryWithoutCondition);
		run("query encodes its conditions", this::queryEncodesConditions);
		run("query reads objects in document order", this::queryReadsObjectsInOrder);
		run("query fails on a value that does not convert", this::queryFailsOnBadValue);
		run("uploadFile posts the picture", this::uploadPostsThePicture);
		run("uploadFile throws on failure", this::uploadThrowsOnFailure);
		run("getImage answers the stored bytes", this::getImageAnswersBytes);
		run("list adapter shows a row", this::adapterShowsRow);
		System.out.println("round trip: " + passed + " checks passed, " + failed + " failed");
		return failed;
	}

	private void run(String name, Check check) {
		server.forget();
		try {
			check.run();
			passed++;
			System.out.println("PASS " + name);
		} catch (Throwable t) {
			failed++;
			System.out.println("FAIL " + name + ": " + t);
			t.printStackTrace(System.out);
		}
	}

	private static void expect(boolean condition, String what) {
		if (!condition) {
			throw new AssertionError(what);
		}
	}

	private static void same(Object expected, Object actual, String what) {
		if (!Objects.equals(expected, actual)) {
			throw new AssertionError(what + ": expected <" + expected + "> but was <" + actual + ">");
		}
	}

	private static String encoded(String text) {
		return URLEncoder.encode(text, StandardCharsets.UTF_8);
	}

	private static Map<String, String> form(String... namesAndValues) {
		Map<String, String> form = new TreeMap<>();
		for (int i = 0; i < namesAndValues.length; i += 2) {
			form.put(namesAndValues[i], namesAndValues[i + 1]);
		}
		return form;
	}

	private static Book sampleBook() {
		Book book = new Book();
		book.setBarcode("B-001");
		book.setBookName(TITLE);
		book.setBookType(3);
		book.setPrice(12.5f);
		book.setCount(7);
		book.setPublishDate(Timestamp.valueOf(PUBLISHED));
		book.setPublisher("P-01");
		book.setBookPhoto("upload/cover.jpg");
		return book;
	}

	private static void expectSampleBook(Book book, String what) {
		expect(book != null, what + ": no object");
		same("B-001", book.getBarcode(), what + " barcode");
		same(TITLE, book.getBookName(), what + " bookName");
		same(3, book.getBookType(), what + " bookType");
		same(12.5f, book.getPrice(), what + " price");
		same(7, book.getCount(), what + " count");
		same(Timestamp.valueOf(PUBLISHED), book.getPublishDate(), what + " publishDate");
		same("P-01", book.getPublisher(), what + " publisher");
		same("upload/cover.jpg", book.getBookPhoto(), what + " bookPhoto");
	}

	private ServletPlayer.Received lastRequest(String method, String resource) {
		ServletPlayer.Received request = server.last();
		expect(request != null, "the server received nothing");
		same(method, request.method, "method");
		same(resource, request.resource, "resource");
		if (method.equals("POST") && resource.endsWith("Servlet")) {
			expect(request.contentType.startsWith("application/x-www-form-urlencoded"),
					"form content type, was " + request.contentType);
		}
		return request;
	}

	private void addAndUpdatePostEveryMember() {
		for (String action : new String[] {"add", "update"}) {
			server.answer("BookServlet", action, ADDED);
			BookService service = new BookService();
			String answer = action.equals("add") ? service.AddBook(sampleBook())
					: service.UpdateBook(sampleBook());
			same(ADDED, answer, action + "'s answer");
			ServletPlayer.Received request = lastRequest("POST", "BookServlet");
			same(form("barcode", "B-001", "bookName", TITLE, "bookType", "3", "price", "12.5",
					"count", "7", "publishDate", PUBLISHED, "publisher", "P-01", "bookPhoto",
					"upload/cover.jpg", "action", action), request.form, action + "'s form");
			expect(new String(request.body, StandardCharsets.US_ASCII)
					.contains("bookName=" + encoded(TITLE)), "the title is sent URL-encoded as UTF-8");
		}
	}

	private void saveFailsQuietly() {
		server.answer("BookServlet", "add", 500, "boom".getBytes(StandardCharsets.UTF_8));
		server.answer("BookServlet", "update", 500, "boom".getBytes(StandardCharsets.UTF_8));
		same("", new BookService().AddBook(sampleBook()), "add's answer");
		same("", new BookService().UpdateBook(sampleBook()), "update's answer");
	}

	private void deletePostsTheKey() {
		server.answer("BookServlet", "delete", "deleted");
		same("deleted", new BookService().DeleteBook("B-001"), "text key delete's answer");
		same(form("barcode", "B-001", "action", "delete"), lastRequest("POST", "BookServlet").form,
				"text key delete's form");

		server.answer("BookTypeServlet", "delete", "deleted");
		same("deleted", new BookTypeService().DeleteBookType(3), "integer key delete's answer");
		same(form("typeId", "3", "action", "delete"), lastRequest("POST", "BookTypeServlet").form,
				"integer key delete's form");

		server.answer("BookServlet", "delete", 500, new byte[0]);
		same(DELETE_FAILED, new BookService().DeleteBook("B-001"), "failed delete's answer");
	}

	private static String bookJson(String barcode) {
		return "{\"barcode\":\"" + barcode + "\",\"bookName\":\"" + TITLE + "\",\"bookType\":3,"
				+ "\"price\":12.5,\"count\":7,\"publishDate\":\"" + PUBLISHED + "\","
				+ "\"publisher\":\"P-01\",\"bookPhoto\":\"upload/cover.jpg\"}";
	}

	private void getParsesEveryType() {
		server.answer("BookServlet", "updateQuery", "[" + bookJson("B-001") + "," + bookJson("B-002") + "]");
		expectSampleBook(new BookService().GetBook("B-001"), "the first object");
		same(form("barcode", "B-001", "action", "updateQuery"), lastRequest("POST", "BookServlet").form,
				"get's form");

		server.answer("BookTypeServlet", "updateQuery", "[{\"typeId\":3,\"typeName\":\"" + NOVEL + "\"}]");
		BookType type = new BookTypeService().GetBookType(3);
		expect(type != null, "integer key get found nothing");
		same(3, type.getTypeId(), "typeId");
		same(NOVEL, type.getTypeName(), "typeName");
		same(form("typeId", "3", "action", "updateQuery"), lastRequest("POST", "BookTypeServlet").form,
				"integer key get's form");
	}

	private void getAnswersNullForEmptyArray() {
		server.answer("BookServlet", "updateQuery", "[]");
		same(null, new BookService().GetBook("B-404"), "get of an empty array");
		server.answer("BookServlet", "updateQuery", "not json");
		same(null, new BookService().GetBook("B-404"), "get of a broken answer");
	}

	private static final String NO_BOOKS = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Books>\n</Books>\n";

	private void queryWithoutCondition() throws Exception {
		server.answer("BookServlet", "query", NO_BOOKS);
		List<Book> books = new BookService().QueryBook(null);
		expect(books != null, "an answer without objects gives a list");
		same(0, books.size(), "objects in an answer without objects");
		same("action=query", lastRequest("GET", "BookServlet").rawQuery, "query string");
	}

	private void queryEncodesConditions() throws Exception {
		server.answer("BookServlet", "query", NO_BOOKS);
		Book condition = new Book();
		condition.setBarcode("");
		condition.setBookName(TITLE);
		condition.setBookType(3);
		condition.setPublisher("P/01");
		new BookService().QueryBook(condition);
		same("action=query&barcode=&bookName=" + encoded(TITLE) + "&bookType=3&publisher=P%2F01",
				lastRequest("GET", "BookServlet").rawQuery, "query string without a date");

		condition.setPublishDate(Timestamp.valueOf(PUBLISHED));
		new BookService().QueryBook(condition);
		ServletPlayer.Received request = lastRequest("GET", "BookServlet");
		same("action=query&barcode=&bookName=" + encoded(TITLE) + "&bookType=3&publishDate="
				+ encoded(PUBLISHED) + "&publisher=P%2F01", request.rawQuery, "query string with a date");
		same(PUBLISHED, request.query.get("publishDate"), "decoded date condition");
		same(TITLE, request.query.get("bookName"), "decoded title condition");

		server.answer("LoanServlet", "query", "<Loans/>");
		Loan loan = new Loan();
		loan.setLoanId(42);
		loan.setReader("R 1");
		loan.setReceipt("upload/r.jpg");
		new LoanService().QueryLoan(loan);
		same("action=query&loanId=42&reader=R+1&receipt=upload%2Fr.jpg", lastRequest("GET", "LoanServlet").rawQuery,
				"integer, text-key reference and picture conditions");
	}

	private void queryReadsObjectsInOrder() throws Exception {
		String sample = "<Book>\n    <barcode>B-001</barcode>\n    <bookName>" + TITLE.replace("&", "&amp;")
				+ "</bookName>\n    <bookType>3</bookType>\n    <price>12.5</price>\n    <count>7</count>\n"
				+ "    <publishDate>" + PUBLISHED + "</publishDate>\n    <publisher>P-01</publisher>\n"
				+ "    <shelf>ignored</shelf>\n    <bookPhoto>upload/cover.jpg</bookPhoto>\n  </Book>";
		server.answer("BookServlet", "query", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Books>\n  "
				+ sample + "\n  <Book><barcode>B-002</barcode><count>1&#48;9</count></Book>\n  <Book/>\n</Books>\n");
		List<Book> books = new BookService().QueryBook(null);
		same(3, books.size(), "objects");
		same("B-002", books.get(1).getBarcode(), "second object's barcode");
		same(109, books.get(1).getCount(), "second object's count, written with a character reference");
		same(null, books.get(1).getBookName(), "second object's missing bookName");
		same(null, books.get(2).getBarcode(), "empty object's barcode");
		same(0, books.get(2).getCount(), "empty object's count");
		// The title holds "&amp;": the parser reports the text around it in pieces.
		expectSampleBook(books.get(0), "the first object");
	}

	private void queryFailsOnBadValue() {
		for (String child : new String[] {"<count>many</count>", "<publishDate>2024-03-05</publishDate>",
				"<bookType>x</bookType>", "<price>cheap</price>"}) {
			server.answer("BookServlet", "query", "<Books><Book>" + child + "</Book></Books>");
			try {
				new BookService().QueryBook(null);
				throw new AssertionError("query accepted " + child);
			} catch (AssertionError e) {
				throw e;
			} catch (Exception expected) {
				// the parse failure reaches the caller
			}
		}
	}

	private static byte[] everyByte() {
		byte[] bytes = new byte[256];
		for (int i = 0; i < bytes.length; i++) {
			bytes[i] = (byte) i;
		}
		return bytes;
	}

	private void uploadPostsThePicture() throws Exception {
		try (OutputStream out = new FileOutputStream(new File(pictures, "cover.jpg"))) {
			out.write(everyByte());
		}
		server.answer("upload", "", " upload/20240305.jpg \r\n");
		same("upload/20240305.jpg", HttpUtil.uploadFile("cover.jpg"), "stored name");
		ServletPlayer.Received request = lastRequest("POST", "upload");
		expect(request.contentType.startsWith("multipart/form-data; boundary="),
				"multipart content type, was " + request.contentType);
		String body = new String(request.body, StandardCharsets.ISO_8859_1);
		expect(body.contains("Content-Disposition: form-data; name=\"file\"; filename=\"cover.jpg\""),
				"the part names the file");
		expect(body.contains(new String(everyByte(), StandardCharsets.ISO_8859_1)),
				"the part carries every byte of the file");
		String boundary = request.contentType.substring(request.contentType.indexOf('=') + 1);
		expect(body.startsWith("--" + boundary + "\r\n") && body.endsWith("\r\n--" + boundary + "--\r\n"),
				"the body is framed by the boundary");
	}

	private void uploadThrowsOnFailure() throws Exception {
		try (OutputStream out = new FileOutputStream(new File(pictures, "cover.jpg"))) {
			out.write(everyByte());
		}
		server.answer("upload", "", 500, new byte[0]);
		expectUploadFails("cover.jpg", "a server error");
		server.answer("upload", "", "  \r\n");
		expectUploadFails("cover.jpg", "an empty stored name");
		server.forget();
		expectUploadFails("missing.jpg", "a missing file");
		expect(server.last() == null, "a missing file sent no request");
	}

	private static void expectUploadFails(String fileName, String cause) {
		try {
			String stored = HttpUtil.uploadFile(fileName);
			throw new AssertionError("uploadFile answered <" + stored + "> after " + cause);
		} catch (RuntimeException expected) {
			// the failure is unchecked, so the generated screens need no try
		}
	}

	private void getImageAnswersBytes() throws Exception {
		server.answer("upload/20240305.jpg", "", 200, everyByte());
		expect(Arrays.equals(everyByte(), ImageService.getImage(HttpUtil.BASE_URL + "upload/20240305.jpg")),
				"the picture's bytes");
		same("GET", lastRequest("GET", "upload/20240305.jpg").method, "method");
		try {
			ImageService.getImage(HttpUtil.BASE_URL + "upload/missing.jpg");
			throw new AssertionError("getImage answered a missing picture");
		} catch (java.io.IOException expected) {
			// 404
		}
	}

	private static CharSequence textOf(View row, int id) {
		return ((TextView) row.findViewById(id)).getText();
	}

	private void adapterShowsRow() {
		server.answer("BookTypeServlet", "updateQuery", "[{\"typeId\":3,\"typeName\":\"" + NOVEL + "\"}]");
		server.answer("PublisherServlet", "updateQuery",
				"[{\"publisherNo\":\"P-01\",\"publisherName\":\"" + PRESS + "\"}]");
		Bitmap photo = new Bitmap();
		Map<String, Object> values = new HashMap<>();
		values.put("barcode", "B-001");
		values.put("bookName", TITLE);
		values.put("bookType", 3);
		values.put("price", 12.5f);
		values.put("count", 7);
		values.put("publishDate", Timestamp.valueOf(PUBLISHED));
		values.put("publisher", "P-01");
		values.put("bookPhoto", photo);
		List<Map<String, Object>> rows = new ArrayList<>();
		rows.add(values);
		LayoutInflater inflater = new LayoutInflater();
		BookSimpleAdapter adapter = new BookSimpleAdapter(new Context(inflater), rows,
				R.layout.book_list_item, new String[0], new int[0]);

		View row = adapter.getView(0, null, null);
		same(Arrays.asList(R.layout.book_list_item), inflater.inflated, "inflated layouts");
		same("B-001", textOf(row, R.id.tv_barcode), "barcode");
		same(TITLE, textOf(row, R.id.tv_bookName), "bookName");
		same(NOVEL, textOf(row, R.id.tv_bookType), "bookType shows the type's name");
		same("12.5", textOf(row, R.id.tv_price), "price");
		same("7", textOf(row, R.id.tv_count), "count");
		same("2024-03-05", textOf(row, R.id.tv_publishDate), "publishDate shows the date");
		same(PRESS, textOf(row, R.id.tv_publisher), "publisher shows the publisher's name");
		same(photo, ((ImageView) row.findViewById(R.id.iv_bookPhoto)).getImageBitmap(), "bookPhoto");

		List<ServletPlayer.Received> requests = server.all();
		same(2, requests.size(), "service requests for one row");
		same(form("typeId", "3", "action", "updateQuery"), requests.get(0).form, "type lookup");
		same(form("publisherNo", "P-01", "action", "updateQuery"), requests.get(1).form, "publisher lookup");

		same(row, adapter.getView(0, row, null), "a recycled row");
		same(1, inflater.inflated.size(), "a recycled row is not inflated again");
	}
}
