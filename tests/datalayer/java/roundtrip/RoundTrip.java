package roundtrip;

import java.io.File;
import java.io.StringReader;
import java.net.InetAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.nio.file.Files;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Collections;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.Objects;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;
import java.util.concurrent.TimeoutException;
import java.util.stream.Collectors;

import javax.xml.parsers.SAXParserFactory;

import org.xml.sax.InputSource;
import org.xml.sax.XMLReader;

import android.content.Context;
import android.content.Intent;
import android.graphics.Bitmap;
import android.view.LayoutInflater;
import android.os.Bundle;
import android.view.View;
import android.widget.ImageView;
import android.widget.TextView;
import android.widget.Toast;

import com.mobileclient.activity.BookDetailActivity;
import com.mobileclient.activity.R;
import com.mobileclient.domain.Book;
import com.mobileclient.domain.BookType;
import com.mobileclient.domain.Loan;
import com.mobileclient.domain.Reader;
import com.mobileclient.handler.BookTypeListHandler;
import com.mobileclient.handler.ReaderListHandler;
import com.mobileclient.service.BookService;
import com.mobileclient.service.BookTypeService;
import com.mobileclient.service.LoanService;
import com.mobileclient.service.ReaderService;
import com.mobileclient.util.BookSimpleAdapter;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;
import com.mobileclient.util.ReaderSimpleAdapter;

/*
 * Drives the demo project's generated services, list handlers and list adapters, with the
 * template's HttpUtil and ImageService, against `quillmere-cli serve` on an empty data file; then
 * feed a list handler XML directly, show rows whose reference or picture is missing, and call
 * everything against a listener that never answers.
 * Arguments: the server's base address, the local pictures folder and a picture file. The
 * checks run in order and build on each other. Exit status 0 when every check passes.
 */
public final class RoundTrip {
	interface Check {
		void run() throws Exception;
	}

	// A title with CJK, markup characters and a line break made of CR LF.
	private static final String TITLE = "\u7ea2\u697c\u68a6 & <\u7eed>\r\n\u7b2c\u4e8c\u518c";
	private static final String NOVEL = "\u5c0f\u8bf4";
	private static final String POETRY = "Poetry & Verse";
	private static final String PUBLISHED = "2024-03-05 10:20:30.0";
	private static final String DONE = "\u6210\u529f!"; // ends every answer of a saved change
	// begins what the list screen shows for a delete that failed, followed by the cause
	private static final String DELETE_FAILED = "\u56fe\u4e66\u4fe1\u606f\u5220\u9664\u5931\u8d25! ";
	private static final String BOOK_GONE = "\u56fe\u4e66\u4fe1\u606f\u4e0d\u5b58\u5728, \u53ef\u80fd\u5df2\u88ab\u5220\u9664!";

	private final File pictures;
	private final byte[] picture;
	private String storedPicture;
	private int passed;
	private int failed;

	private RoundTrip(File pictures, byte[] picture) {
		this.pictures = pictures;
		this.picture = picture;
	}

	public static void main(String[] args) throws Exception {
		System.setProperty("javax.xml.parsers.SAXParserFactory",
				NamespaceAwareSaxParserFactory.class.getName());
		System.setProperty("mobileclient.baseUrl", args[0]);
		System.setProperty("mobileclient.filePath", args[1]);
		int failures = new RoundTrip(new File(args[1]), Files.readAllBytes(new File(args[2]).toPath())).runAll();
		System.exit(failures == 0 ? 0 : 1);
	}

	private int runAll() {
		run("integer keys are assigned on add", this::integerKeysAreAssigned);
		run("a text key must be new", this::textKeyMustBeNew);
		run("a picture is uploaded and downloaded", this::pictureRoundTrip);
		run("a book keeps every member type", this::bookKeepsEveryType);
		run("query with and without conditions", this::queryConditions);
		run("update changes what get answers", this::updateChangesGet);
		run("delete refuses what is still referenced", this::deleteRefusesReferenced);
		run("list adapter shows a referenced name", this::adapterShowsReference);
		run("an empty text reaches the list screen as the empty text", this::emptyTextReachesList);
		run("an empty element gives a text the empty text, others keep theirs", RoundTrip::emptyElements);
		run("a row and a detail screen whose reference names no object show it empty",
				this::referenceToNoObject);
		run("a missing picture shows noimage and the other rows load", this::missingPictureInList);
		run("a silent server holds no call beyond the timeouts", this::silentServer);
		run("server addresses typed in the settings", RoundTrip::serverAddresses);
		System.out.println("round trip: " + passed + " checks passed, " + failed + " failed");
		return failed;
	}

	private void run(String name, Check check) {
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

	private static void saved(String answer, String what) {
		expect(answer.endsWith(DONE), what + " answered <" + answer + ">");
	}

	interface Answer {
		String get() throws Exception;
	}

	/* A refusal reaches the caller as a RefusedException whose text, the one the screen shows,
	   is the server's reason, which names the value refused. */
	private static void refused(Answer call, String value, String what) throws Exception {
		try {
			throw new AssertionError(what + " answered <" + call.get() + ">");
		} catch (HttpUtil.RefusedException refusal) {
			String shown = HttpUtil.errorText(refusal);
			expect(!shown.endsWith(DONE) && shown.contains(value), what + " shows <" + shown + ">");
		}
	}

	private static BookType bookType(String name, int days) {
		BookType type = new BookType();
		type.setTypeId(0); // as the add screen sends it: the server assigns the key
		type.setTypeName(name);
		type.setBorrowDays(days);
		return type;
	}

	private void integerKeysAreAssigned() throws Exception {
		BookTypeService service = new BookTypeService();
		saved(service.AddBookType(bookType(NOVEL, 30)), "first add");
		saved(service.AddBookType(bookType(POETRY, 14)), "second add");
		BookType second = service.GetBookType(2);
		expect(second != null, "no book type 2");
		same(POETRY, second.getTypeName(), "typeName of 2");
		same(14, second.getBorrowDays(), "borrowDays of 2");
		same(null, service.GetBookType(3), "book type 3");
	}

	private static Reader reader(String no, String name) {
		Reader reader = new Reader();
		reader.setReaderNo(no);
		reader.setReaderName(name);
		reader.setSex("F");
		reader.setBirthday(Timestamp.valueOf("2001-02-03 00:00:00.0"));
		reader.setTelephone("555-0101");
		reader.setReaderPhoto("upload/noimage.jpg");
		return reader;
	}

	private void textKeyMustBeNew() throws Exception {
		ReaderService service = new ReaderService();
		saved(service.AddReader(reader("R-001", "Ann")), "add");
		refused(() -> service.AddReader(reader("R-001", "Bob")), "R-001", "a second add of R-001");
		Reader stored = service.GetReader("R-001");
		same("Ann", stored.getReaderName(), "readerName");
		same(Timestamp.valueOf("2001-02-03 00:00:00.0"), stored.getBirthday(), "birthday");
	}

	private void pictureRoundTrip() throws Exception {
		Files.write(new File(pictures, "cover.png").toPath(), picture);
		storedPicture = HttpUtil.uploadFile("cover.png");
		expect(storedPicture.startsWith("upload/"), "stored name " + storedPicture);
		expect(Arrays.equals(picture, ImageService.getImage(HttpUtil.BASE_URL + storedPicture)),
				"the downloaded picture differs");
		Files.write(new File(pictures, "notes.txt").toPath(), "not a picture".getBytes("UTF-8"));
		try {
			HttpUtil.uploadFile("notes.txt");
			throw new AssertionError("a text file was stored as a picture");
		} catch (RuntimeException expected) {
			// refused
		}
	}

	private Book book(String barcode, String name, int type, String published) {
		Book book = new Book();
		book.setBarcode(barcode);
		book.setBookName(name);
		book.setBookType(type);
		book.setPrice(12.5f);
		book.setCount(7);
		book.setPublishDate(Timestamp.valueOf(published));
		book.setPublish("\u4eba\u6c11\u6587\u5b66");
		book.setBookPhoto(storedPicture);
		book.setIntroduction("");
		return book;
	}

	private static void sameBook(Book expected, Book actual, String what) {
		expect(actual != null, what + ": no book");
		same(expected.getBarcode(), actual.getBarcode(), what + " barcode");
		same(expected.getBookName(), actual.getBookName(), what + " bookName");
		same(expected.getBookType(), actual.getBookType(), what + " bookType");
		same(expected.getPrice(), actual.getPrice(), what + " price");
		same(expected.getCount(), actual.getCount(), what + " count");
		same(expected.getPublishDate(), actual.getPublishDate(), what + " publishDate");
		same(expected.getPublish(), actual.getPublish(), what + " publish");
		same(expected.getBookPhoto(), actual.getBookPhoto(), what + " bookPhoto");
	}

	private void bookKeepsEveryType() throws Exception {
		Book book = book("B-001", TITLE, 1, PUBLISHED);
		saved(new BookService().AddBook(book), "add");
		sameBook(book, new BookService().GetBook("B-001"), "get");
		sameBook(book, new BookService().QueryBook(null).get(0), "query");
		refused(() -> new BookService().AddBook(book("B-002", "x", 9, PUBLISHED)), "9",
				"an add that names a missing book type");
	}

	private static Book condition() {
		Book condition = new Book();
		condition.setBarcode("");
		condition.setBookName("");
		return condition;
	}

	private static List<String> barcodes(List<Book> books) {
		return books.stream().map(Book::getBarcode).collect(Collectors.toList());
	}

	private void queryConditions() throws Exception {
		BookService service = new BookService();
		saved(service.AddBook(book("B-002", POETRY + " Vol. 1", 2, "2024-03-06 08:00:00.0")), "add");
		same(Arrays.asList("B-001", "B-002"), barcodes(service.QueryBook(null)), "no condition");
		same(Arrays.asList("B-001", "B-002"), barcodes(service.QueryBook(condition())), "empty condition");
		Book part = condition();
		part.setBookName("verse");
		same(Arrays.asList("B-002"), barcodes(service.QueryBook(part)), "part of a name, any case");
		Book type = condition();
		type.setBookType(1);
		same(Arrays.asList("B-001"), barcodes(service.QueryBook(type)), "a referenced type");
		Book day = condition();
		day.setPublishDate(Timestamp.valueOf("2024-03-06 00:00:00.0"));
		same(Arrays.asList("B-002"), barcodes(service.QueryBook(day)), "a publication day");
		day.setBookType(1);
		same(Arrays.asList(), barcodes(service.QueryBook(day)), "two conditions");
	}

	private void updateChangesGet() throws Exception {
		BookService service = new BookService();
		Book book = book("B-002", "Renamed", 1, "2025-01-02 03:04:05.5");
		book.setPrice(0.1f);
		saved(service.UpdateBook(book), "update");
		sameBook(book, service.GetBook("B-002"), "get after update");
		refused(() -> service.UpdateBook(book("B-404", "x", 1, PUBLISHED)), "B-404",
				"update of a missing book");
		same(null, service.GetBook("B-404"), "the missing book");
	}

	private static Loan loan() {
		Loan loan = new Loan();
		loan.setBook("B-001");
		loan.setReader("R-001");
		loan.setBorrowDate(Timestamp.valueOf(PUBLISHED));
		loan.setMemo("");
		return loan;
	}

	private void deleteRefusesReferenced() throws Exception {
		saved(new LoanService().AddLoan(loan()), "add loan");
		Loan byReader = new Loan();
		byReader.setBook("");
		byReader.setReader("R-001");
		List<Loan> loans = new LoanService().QueryLoan(byReader);
		same(1, loans.size(), "loans of R-001");
		same(1, loans.get(0).getLoanId(), "the loan's key");
		same("B-001", loans.get(0).getBook(), "the loan's book");

		BookService books = new BookService();
		deleteFailed(books.DeleteBook("B-001"), "\u501f\u9605\u8bb0\u5f55\"1\"", "delete of a lent book"); // names the loan
		expect(books.GetBook("B-001") != null, "the lent book is gone");
		saved(new LoanService().DeleteLoan(1), "delete loan");
		saved(books.DeleteBook("B-001"), "delete of the returned book");
		same(null, books.GetBook("B-001"), "the deleted book");
		deleteFailed(books.DeleteBook("B-001"), "B-001", "a second delete");
	}

	private static void deleteFailed(String answer, String cause, String what) {
		expect(answer.startsWith(DELETE_FAILED) && answer.contains(cause), what + " answered <" + answer + ">");
	}

	private void adapterShowsReference() throws Exception {
		Map<String, Object> values = new HashMap<>();
		values.put("barcode", "B-002");
		values.put("bookName", "Renamed");
		values.put("bookType", 2);
		values.put("price", 0.1f);
		values.put("bookPhoto", new Bitmap());
		same(POETRY, ((TextView) bookRow(values).findViewById(R.id.tv_bookType)).getText(),
				"bookType shows the type's name");
	}

	/* What the list screen does with an object whose optional telephone is empty. */
	private void emptyTextReachesList() throws Exception {
		Reader silent = reader("R-002", "Cy");
		silent.setTelephone("");
		saved(new ReaderService().AddReader(silent), "add");
		Reader listed = new ReaderService().QueryReader(null).stream()
				.filter(reader -> reader.getReaderNo().equals("R-002")).findFirst().orElse(null);
		expect(listed != null, "R-002 is not listed");
		same("", listed.getTelephone(), "telephone");
		Map<String, Object> values = new HashMap<>();
		values.put("readerNo", listed.getReaderNo());
		values.put("readerName", listed.getReaderName());
		values.put("telephone", listed.getTelephone());
		values.put("readerPhoto", new Bitmap());
		View row = new ReaderSimpleAdapter(new Context(new LayoutInflater()), Collections.singletonList(values),
				R.layout.reader_list_item, new String[0], new int[0]).getView(0, null, null);
		same("", ((TextView) row.findViewById(R.id.tv_telephone)).getText(), "the row's telephone");
	}

	/* The row of the book list for the values, as the list adapter fills it. */
	private static View bookRow(Map<String, Object> values) {
		return new BookSimpleAdapter(new Context(new LayoutInflater()), Collections.singletonList(values),
				R.layout.book_list_item, new String[0], new int[0]).getView(0, null, null);
	}

	private static Map<String, Object> bookRowValues(Book book, Object bookType) {
		Map<String, Object> values = new HashMap<>();
		values.put("barcode", book.getBarcode());
		values.put("bookName", book.getBookName());
		values.put("bookType", bookType);
		values.put("price", book.getPrice());
		// What the list screen puts in the row: the thumbnail, null when there is none.
		values.put("bookPhoto", ImageService.getThumbnail(HttpUtil.BASE_URL + book.getBookPhoto(), 100 * 100));
		return values;
	}

	/* The book detail screen, created and started as Android does for the list's tap on the book. */
	private static BookDetailActivity detailScreen(String barcode) {
		Bundle extras = new Bundle();
		extras.putString("barcode", barcode);
		BookDetailActivity screen = new BookDetailActivity();
		screen.setIntent(new Intent().putExtras(extras));
		screen.onCreate(null);
		return screen;
	}

	private static CharSequence shownIn(android.app.Activity screen, int id) {
		return ((TextView) screen.findViewById(id)).getText();
	}

	/* The add screen sends bookType 0 while its drop-down is empty; a deleted type is a key the
	   server no longer knows. Both show as the empty text in a list row and on the detail screen;
	   the detail screen of a book deleted meanwhile says so and closes. */
	private void referenceToNoObject() throws Exception {
		Book book = book("B-100", "No type", 0, PUBLISHED);
		saved(new BookService().AddBook(book), "add with bookType 0");
		Book listed = new BookService().QueryBook(null).stream()
				.filter(b -> b.getBarcode().equals("B-100")).findFirst().orElse(null);
		expect(listed != null, "B-100 is not listed");
		same(0, listed.getBookType(), "bookType");
		same(null, new BookTypeService().GetBookType(0), "the type of key 0");
		for (Object key : new Object[] { 0, 99 }) {
			View row = bookRow(bookRowValues(listed, key));
			same("", ((TextView) row.findViewById(R.id.tv_bookType)).getText(), "bookType " + key);
			same("No type", ((TextView) row.findViewById(R.id.tv_bookName)).getText(), "bookName");
		}
		Toast.shown.clear();
		BookDetailActivity detail = detailScreen("B-100");
		expect(!detail.isFinishing(), "the detail screen closed: " + Toast.shown);
		same("", shownIn(detail, R.id.TV_bookType), "the detail's bookType");
		same("No type", shownIn(detail, R.id.TV_bookName), "the detail's bookName");
		saved(new BookService().DeleteBook("B-100"), "delete");
		detail = detailScreen("B-100");
		expect(detail.isFinishing(), "the detail screen of the deleted book stays open");
		same(Arrays.asList(BOOK_GONE), Toast.shown, "what it shows");
	}

	private void missingPictureInList() throws Exception {
		Files.write(new File(pictures, "cover2.png").toPath(), picture);
		String stored = HttpUtil.uploadFile("cover2.png");
		String[][] rows = { { "B-201", stored }, { "B-202", "upload/missing.png" }, { "B-203", stored } };
		for (String[] row : rows) {
			Book book = book(row[0], row[0], 1, PUBLISHED);
			book.setBookPhoto(row[1]);
			saved(new BookService().AddBook(book), "add " + row[0]);
		}
		Book condition = condition();
		condition.setBarcode("B-20");
		List<Book> listed = new BookService().QueryBook(condition);
		same(Arrays.asList("B-201", "B-202", "B-203"), barcodes(listed), "the listed books");
		for (int i = 0; i < listed.size(); i++) {
			ImageView photo = (ImageView) bookRow(bookRowValues(listed.get(i), 1)).findViewById(R.id.iv_bookPhoto);
			boolean missing = listed.get(i).getBarcode().equals("B-202");
			same(!missing, photo.getImageBitmap() != null, listed.get(i).getBarcode() + " shows its picture");
			same(missing ? R.drawable.noimage : 0, photo.getImageResource(), listed.get(i).getBarcode() + " noimage");
		}
		for (String[] row : rows) {
			saved(new BookService().DeleteBook(row[0]), "delete " + row[0]);
		}
	}

	/*
	 * Every call of the services, a picture, an upload, a list row and the detail screen against a
	 * listener that accepts and never answers, nor reads a large form or upload (more than the
	 * socket buffers take), and a picture from a server that trickles it, all at once: each
	 * returns within the connect and the read timeout plus 2 s, with a text a screen can show (the
	 * timeout named), or the text or picture it shows for a failure.
	 */
	private void silentServer() throws Exception {
		List<Socket> held = Collections.synchronizedList(new ArrayList<Socket>());
		ServerSocket listener = new ServerSocket(0, 100, InetAddress.getLoopbackAddress());
		Thread acceptor = new Thread(() -> {
			try {
				while (true) {
					held.add(listener.accept());
				}
			} catch (Exception closed) {
				// the test is over
			}
		});
		acceptor.start();
		ServerSocket trickling = tricklingServer();
		String baseUrl = HttpUtil.BASE_URL;
		HttpUtil.BASE_URL = "http://127.0.0.1:" + listener.getLocalPort() + "/JavaWebProject/";
		Map<String, Answer> calls = new java.util.LinkedHashMap<>();
		BookTypeService types = new BookTypeService();
		BookService books = new BookService();
		ReaderService readers = new ReaderService();
		LoanService loans = new LoanService();
		Loan loan = loan();
		calls.put("AddBookType", () -> types.AddBookType(bookType(NOVEL, 1)));
		calls.put("QueryBookType", () -> "" + types.QueryBookType(null));
		calls.put("UpdateBookType", () -> types.UpdateBookType(bookType(NOVEL, 1)));
		calls.put("DeleteBookType", () -> types.DeleteBookType(1));
		calls.put("GetBookType", () -> "" + types.GetBookType(1));
		calls.put("AddBook", () -> books.AddBook(book("B-9", "x", 1, PUBLISHED)));
		calls.put("QueryBook", () -> "" + books.QueryBook(condition()));
		calls.put("UpdateBook", () -> books.UpdateBook(book("B-9", "x", 1, PUBLISHED)));
		calls.put("DeleteBook", () -> books.DeleteBook("B-9"));
		calls.put("GetBook", () -> "" + books.GetBook("B-9"));
		calls.put("AddReader", () -> readers.AddReader(reader("R-9", "x")));
		calls.put("QueryReader", () -> "" + readers.QueryReader(null));
		calls.put("UpdateReader", () -> readers.UpdateReader(reader("R-9", "x")));
		calls.put("DeleteReader", () -> readers.DeleteReader("R-9"));
		calls.put("GetReader", () -> "" + readers.GetReader("R-9"));
		calls.put("AddLoan", () -> loans.AddLoan(loan));
		calls.put("QueryLoan", () -> "" + loans.QueryLoan(null));
		calls.put("UpdateLoan", () -> loans.UpdateLoan(loan));
		calls.put("DeleteLoan", () -> loans.DeleteLoan(1));
		calls.put("GetLoan", () -> "" + loans.GetLoan(1));
		calls.put("uploadFile", () -> HttpUtil.uploadFile("cover.png"));
		byte[] large = new byte[6 << 20];
		Arrays.fill(large, (byte) 'x');
		Files.write(new File(pictures, "large.png").toPath(), large);
		calls.put("uploadFile of 6 MiB", () -> HttpUtil.uploadFile("large.png"));
		Book longBook = book("B-9", "x", 1, PUBLISHED);
		longBook.setIntroduction(new String(large, "US-ASCII"));
		calls.put("AddBook of 6 MiB", () -> books.AddBook(longBook));
		calls.put("getThumbnail", () -> "" + ImageService.getThumbnail(HttpUtil.BASE_URL + "upload/a.png", 100));
		Map<String, Object> row = new HashMap<>();
		row.put("barcode", "B-9");
		row.put("bookName", "x");
		row.put("bookType", 1);
		row.put("price", 1f);
		calls.put("trickled picture", () -> "" + ImageService.getImage(
				"http://127.0.0.1:" + trickling.getLocalPort() + "/JavaWebProject/upload/a.png").length);
		calls.put("detail screen", () -> {
			BookDetailActivity screen = detailScreen("B-9");
			return screen.isFinishing() ? Toast.shown.get(Toast.shown.size() - 1).toString() : "open";
		});
		calls.put("list row", () -> "" + ((TextView) bookRow(row).findViewById(R.id.tv_bookType)).getText());
		long bound = 2L * HttpUtil.TIMEOUT_MS + 2000;
		ExecutorService pool = Executors.newFixedThreadPool(calls.size());
		try {
			Map<String, Future<String>> shown = new java.util.LinkedHashMap<>();
			for (Map.Entry<String, Answer> call : calls.entrySet()) {
				shown.put(call.getKey(), pool.submit(() -> {
					long start = System.nanoTime();
					String text;
					try {
						text = "answered " + call.getValue().get();
					} catch (Exception e) {
						text = HttpUtil.errorText(e);
					}
					long took = (System.nanoTime() - start) / 1000000;
					return took <= bound ? text : "took " + took + " ms";
				}));
			}
			String timedOut = HttpUtil.TIMEOUT_MS / 1000 + "\u79d2\u5185\u6ca1\u6709\u56de\u5e94"; // N秒内没有回应
			for (Map.Entry<String, Future<String>> call : shown.entrySet()) {
				String text;
				try {
					text = call.getValue().get(bound + 3000, TimeUnit.MILLISECONDS);
				} catch (TimeoutException e) {
					text = "still waiting after " + (bound + 3000) + " ms";
				}
				String name = call.getKey();
				if (name.startsWith("Delete")) {
					expect(text.startsWith("answered ") && text.contains("\u5220\u9664\u5931\u8d25! ")
							&& text.contains(timedOut), name + ": " + text);
				} else if (name.equals("getThumbnail")) {
					same("answered null", text, name);
				} else if (name.equals("list row")) {
					same("answered ", text, name);
				} else {
					expect(text.contains(timedOut), name + ": " + text);
				}
			}
		} finally {
			pool.shutdownNow();
			HttpUtil.BASE_URL = baseUrl;
			listener.close();
			trickling.close();
			for (Socket socket : held) {
				socket.close();
			}
		}
	}

	/* A server that starts an answer at once and then sends a byte a second: every read succeeds
	   within the read timeout, yet the answer never completes. */
	private static ServerSocket tricklingServer() throws Exception {
		ServerSocket listener = new ServerSocket(0, 10, InetAddress.getLoopbackAddress());
		Thread server = new Thread(() -> {
			try (Socket socket = listener.accept()) {
				socket.getOutputStream().write(
						"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n".getBytes("UTF-8"));
				for (int i = 0; i < 100; i++) {
					Thread.sleep(1000);
					socket.getOutputStream().write(' ');
				}
			} catch (Exception stopped) {
				// the client gave up, or the test is over
			}
		});
		server.setDaemon(true);
		server.start();
		return listener;
	}

	private static void parse(String xml, org.xml.sax.ContentHandler handler) throws Exception {
		XMLReader reader = SAXParserFactory.newInstance().newSAXParser().getXMLReader();
		reader.setContentHandler(handler);
		reader.parse(new InputSource(new StringReader(xml)));
	}

	private static void emptyElements() throws Exception {
		ReaderListHandler readers = new ReaderListHandler();
		parse("<ReaderList><Reader><readerNo>R-9</readerNo><readerName/><sex></sex>"
				+ "<birthday/><telephone></telephone><readerPhoto/></Reader></ReaderList>", readers);
		Reader reader = readers.getReaderList().get(0);
		same("R-9", reader.getReaderNo(), "readerNo");
		same("", reader.getReaderName(), "readerName of <readerName/>");
		same("", reader.getSex(), "sex of <sex></sex>");
		same("", reader.getTelephone(), "telephone");
		same("", reader.getReaderPhoto(), "readerPhoto");
		same(null, reader.getBirthday(), "birthday of <birthday/>");

		BookTypeListHandler types = new BookTypeListHandler();
		parse("<BookTypeList><BookType><typeId>4</typeId><typeName>A &amp; B</typeName>"
				+ "<borrowDays></borrowDays></BookType><BookType><typeName/><borrowDays>7</borrowDays>"
				+ "</BookType></BookTypeList>", types);
		same(2, types.getBookTypeList().size(), "book types");
		BookType first = types.getBookTypeList().get(0);
		same(4, first.getTypeId(), "typeId");
		same("A & B", first.getTypeName(), "typeName in pieces");
		same(0, first.getBorrowDays(), "borrowDays of an empty element");
		BookType second = types.getBookTypeList().get(1);
		same("", second.getTypeName(), "typeName of <typeName/>");
		same(7, second.getBorrowDays(), "borrowDays");
	}

	private static void serverAddresses() {
		String[][] rows = {
				{ "http://192.168.1.5:8080/JavaWebProject", "http://192.168.1.5:8080/JavaWebProject/" },
				{ "  https://example.org/app/ ", "https://example.org/app/" },
				{ "HTTP://10.0.2.2:8080/JavaWebProject/", "HTTP://10.0.2.2:8080/JavaWebProject/" },
				{ "192.168.1.5:8080/JavaWebProject/", null },
				{ "ftp://example.org/", null },
				{ "http://", null },
				{ "http:///JavaWebProject/", null },
				{ "http://example.org/a b/", null },
				{ "http://example.org/?x=1", null },
				{ "http://example.org:70000/", null },
				{ "", null },
				{ null, null } };
		for (String[] row : rows) {
			same(row[1], HttpUtil.normalizeBaseUrl(row[0]), "address <" + row[0] + ">");
		}
	}
}
