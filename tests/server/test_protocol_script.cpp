// The protocol script: requests sent to a server as raw bytes, each on a connection of its own,
// and the answers expected of it, in tests/golden/protocol/<model>.txt (demo.txt's head says how
// to read it). It runs against `serve`, and with QUILLMERE_TARGET=backend against the generated
// backend; with QUILLMERE_UPDATE_GOLDEN=1 the answers of `serve` are written back into the file.

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <thread>

#include "TestSupport.h"
#include "server/BackendProcess.h"
#include "server/HttpClient.h"
#include "server/Pictures.h"
#include "server/ServeProcess.h"

namespace {

const QString kScripts = QStringLiteral(QUILLMERE_SOURCE_DIR "/tests/golden/protocol/");
const char* const kPictureKinds[] = {"png", "jpeg", "gif", "bmp", "webp"};

// A block of the script: comments, or a request and, from the line "<<< STATUS" on, its answer.
struct Block {
    int line = 0;
    QStringList request;  // as written, comments included
    QStringList answer;   // empty in a block of comments
    QStringList words;    // method, target and flags
    QStringList headers;
    QString body;
};

struct Script {
    QStringList floats;  // members whose values may differ in form only
    QList<Block> blocks;
};

Script readScript(const QString& path) {
    Script script;
    int line = 1;
    static const QRegularExpression header("^[A-Za-z][A-Za-z0-9-]*:( |$)");
    for (const QString& text : QString::fromUtf8(testing::readAll(path)).split("\n\n")) {
        const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
        const qsizetype mark = lines.indexOf(QRegularExpression("<<< .*"));
        Block block{line, lines.mid(0, mark), mark < 0 ? QStringList() : lines.mid(mark)};
        const QStringList request = block.request.filter(QRegularExpression("^[^#]"));
        for (const QString& part : request) {
            if (part.startsWith("@floats ")) {
                script.floats = part.mid(8).split(' ');
            } else if (block.words.isEmpty()) {
                block.words = part.split(' ', Qt::SkipEmptyParts);
            } else if (header.match(part).hasMatch()) {
                block.headers.append(part);
            } else {
                block.body = part;
            }
        }
        script.blocks.append(block);
        line += int(text.count('\n')) + 2;
    }
    return script;
}

// \\ \r \n \t \xHH in a line of the script.
QByteArray unescaped(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char code = bytes[i] == '\\' && i + 1 < bytes.size() ? bytes[++i] : 0;
        if (code == 'x') {
            out += char(bytes.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += code == 0     ? bytes[i]
                   : code == 'r' ? '\r'
                   : code == 'n' ? '\n'
                   : code == 't' ? '\t'
                                 : code;
        }
    }
    return out;
}

QString escaped(const QByteArray& bytes) {
    QString out;
    for (const QChar c : QString::fromUtf8(bytes)) {
        out += c == '\\'   ? QStringLiteral("\\\\")
               : c == '\r' ? QStringLiteral("\\r")
               : c == '\n' ? QStringLiteral("\\n")
               : c == '\t' ? QStringLiteral("\\t")
               : c < ' '   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                           : QString(c);
    }
    return out;
}

// A body line: "@upload KIND [pad N | left N]" (a picture with N bytes added or only its first
// N bytes, or "text:..." for other content) or
// "@multipart FIELD VALUE" as multipart/form-data, otherwise a form of the bytes as written.
QByteArray bodyOf(const QByteArray& line, QByteArray* contentType) {
    const QList<QByteArray> words = line.split(' ');
    if (words[0] != "@upload" && words[0] != "@multipart") {
        *contentType = "application/x-www-form-urlencoded";
        return line;
    }
    *contentType = "multipart/form-data; boundary=QuillmereBoundary";
    QByteArray field = "file";
    QByteArray content =
        words[1].startsWith("text:") ? line.mid(13) : testing::picture(words[1].constData());
    if (words[0] == "@multipart") {
        field = words[1];
        content = words.mid(2).join(' ');
    } else if (words.value(2) == "pad") {
        content += QByteArray(words.value(3).toInt(), words[1] == "jpeg" ? 'a' : '\0');
    } else if (words.value(2) == "left") {
        content.truncate(words.value(3).toInt());
    }
    return "--QuillmereBoundary\r\nContent-Disposition: form-data; name=\"" + field +
           "\"; filename=\"p\"\r\nContent-Type: application/octet-stream\r\n\r\n" + content +
           "\r\n--QuillmereBoundary--\r\n";
}

// A picture's bytes: "@picture KIND" for a test picture of that kind, else "@bytes SIZE MD5".
QString pictureBytes(const QByteArray& bytes) {
    for (const char* kind : kPictureKinds) {
        if (bytes == testing::picture(kind)) {
            return QStringLiteral("@picture ") + kind;
        }
    }
    return QStringLiteral("@bytes %1 %2")
        .arg(bytes.size())
        .arg(QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()));
}

// Sends the request (with `cut`: the head and half the body, then the end of sending) on a
// connection of its own and answers what the script writes for the answer: the status, Allow,
// a picture's type, nosniff and bytes, other bodies escaped on one line.
QStringList exchange(int port, const QByteArray& head, const QByteArray& body, bool cut) {
    namespace http = boost::beast::http;
    boost::asio::io_context io;
    boost::beast::tcp_stream stream(io);
    boost::beast::error_code error;
    stream.socket().connect({boost::asio::ip::make_address("127.0.0.1"), uint16_t(port)}, error);
    const int socket = stream.socket().native_handle();
    std::thread writer([&] {
        const QByteArray sent = cut ? head + body.left(body.size() / 2) : head + body;
        for (qsizetype done = 0, count = 1; done < sent.size() && count > 0; done += count) {
            count = ::send(socket, sent.constData() + done, sent.size() - done, MSG_NOSIGNAL);
        }
        if (cut) {
            ::shutdown(socket, SHUT_WR);
        }
    });
    http::response_parser<http::string_body> parser;
    parser.body_limit(64 << 20);
    parser.skip(head.startsWith("HEAD "));
    boost::beast::flat_buffer buffer;
    stream.expires_after(std::chrono::seconds(20));
    http::read(stream, buffer, parser, error);
    ::shutdown(socket, SHUT_RDWR);
    writer.join();
    if (error) {
        return {QStringLiteral("<<< 0")};
    }
    const auto& answer = parser.get();
    const auto header = [&](const char* name) {
        return QString::fromStdString(std::string(answer[name]));
    };
    QStringList lines = {QStringLiteral("<<< %1").arg(answer.result_int())};
    if (!header("Allow").isEmpty()) {
        lines.append("Allow: " + header("Allow"));
    }
    const QByteArray content = QByteArray::fromStdString(answer.body());
    if (header("Content-Type").startsWith("image/")) {
        lines << "Content-Type: " + header("Content-Type")
              << "X-Content-Type-Options: " + header("X-Content-Type-Options");
        lines += content.isEmpty() ? QStringList() : QStringList{pictureBytes(content)};
    } else if (!content.isEmpty()) {
        lines.append(escaped(content));
    }
    return lines;
}

// A query's XML and updateQuery's JSON must parse, whatever texts the data hold.
bool wellFormed(const QString& body) {
    const QByteArray bytes = unescaped(body);
    if (bytes.startsWith("<?xml")) {
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        return !xml.hasError();
    }
    QJsonParseError error{};
    return !bytes.startsWith('[') || (QJsonDocument::fromJson(bytes, &error), error.error == 0);
}

// The answer with the values of the float members (XML elements, JSON fields) in one form for
// each float Java reads.
QString floatsAsRead(const QStringList& answer, const QStringList& floats) {
    const QString text = answer.join('\n');
    if (floats.isEmpty()) {
        return text;
    }
    const QString names = floats.join('|');
    const QRegularExpression value("(<(?:" + names + ")>|\"(?:" + names + ")\":)\"?([^<,}\"]*)\"?");
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : value.globalMatch(text)) {
        const float number = std::strtof(qPrintable(match.captured(2)), nullptr);
        out += text.mid(done, match.capturedStart() - done) + match.captured(1) +
               (std::isnan(number) ? QStringLiteral("NaN") : QString::number(number, 'g', 9));
        done = match.capturedEnd();
    }
    return out + text.mid(done);
}

class ScriptRun {
  public:
    ScriptRun(int port, bool backend) : port_(port), backend_(backend) {}

    // Runs every request of the script; answers the mismatches. With update, the script's
    // answers become those that came.
    QStringList run(Script& script, bool update) {
        QStringList failures;
        for (Block& block : script.blocks) {
            if (block.answer.isEmpty() || (backend_ && block.words.contains("serve-only"))) {
                continue;
            }
            const QStringList answer = send(block);
            const bool statusOnly = backend_ && block.words.contains("status-only");
            const QStringList floats = backend_ ? script.floats : QStringList();
            const bool same =
                statusOnly ? answer[0] == block.answer[0]
                           : floatsAsRead(answer, floats) == floatsAsRead(block.answer, floats) &&
                                 wellFormed(answer.last());
            if (update) {
                block.answer = answer;
            } else if (!same) {
                failures.append(QStringLiteral("line %1: %2\n  expected: %3\n  actual:   %4")
                                    .arg(block.line)
                                    .arg(block.words.join(' ').left(200),
                                         block.answer.join(" | ").left(2000),
                                         answer.join(" | ").left(2000)));
            }
        }
        return failures;
    }

  private:
    QStringList send(const Block& block) {
        const QString target = block.words.value(1);
        QByteArray head = substituted(block.words[0] + " /JavaWebProject/" +
                                      (target == "/" ? QString() : target) + " HTTP/1.1");
        QByteArray contentType;
        const QByteArray body = bodyOf(substituted(block.body), &contentType);
        const QString given = block.headers.join('\n').toLower();
        if (!given.contains("host:") && !block.words.contains("no-host")) {
            head += "\r\nHost: " + substituted("{host}");
        }
        if (!body.isEmpty() && !given.contains("content-type:") &&
            !block.words.contains("no-type")) {
            head += "\r\nContent-Type: " + contentType;
        }
        if (!body.isEmpty() && !given.contains("content-length:") &&
            !given.contains("transfer-encoding:")) {
            head += "\r\nContent-Length: " + QByteArray::number(body.size());
        }
        for (const QString& line : block.headers) {
            head += "\r\n" + substituted(line);
        }
        QStringList answer = exchange(port_, head + "\r\nConnection: close\r\n\r\n", body,
                                      block.words.contains("cut"));
        bindPicture(block, answer);
        for (auto picture = pictures_.begin(); picture != pictures_.end(); ++picture) {
            answer.replaceInStrings(picture.value(), '{' + picture.key() + '}');
        }
        return answer;
    }

    // An upload's new name is bound to {pictureN}, the Nth stored: names differ between
    // servers, their shape does not.
    void bindPicture(const Block& block, const QStringList& answer) {
        static const QRegularExpression stored("^upload/([A-Za-z0-9_-]{1,100})\\.[a-z]{3,4}$");
        const QRegularExpressionMatch match = stored.match(answer.last());
        if (block.body.startsWith("@upload") && answer[0] == "<<< 200" && match.hasMatch()) {
            pictures_.insert(QStringLiteral("picture%1").arg(pictures_.size() + 1),
                             match.captured(1));
        }
    }

    // {host}, {pictureN} and {COUNT*C} (C repeated) replaced, escapes resolved.
    QByteArray substituted(const QString& text) const {
        static const QRegularExpression variable("\\{(?:(\\d+)\\*(.)|([a-z0-9]+))\\}");
        QString out;
        qsizetype done = 0;
        for (const QRegularExpressionMatch& match : variable.globalMatch(text)) {
            const QString name = match.captured(3);
            out += text.mid(done, match.capturedStart() - done) +
                   (name == "host"             ? QStringLiteral("127.0.0.1:%1").arg(port_)
                    : pictures_.contains(name) ? pictures_.value(name)
                    : match.captured(1).isEmpty()
                        ? match.captured(0)
                        : match.captured(2).repeated(match.captured(1).toInt()));
            done = match.capturedEnd();
        }
        return unescaped(out + text.mid(done));
    }

    int port_;
    bool backend_;
    QMap<QString, QString> pictures_;
};

// serve's log: every refusal with its status and the text the client was sent, every request
// with its own time (not that of an earlier one on the same thread).
QStringList notLogged(const Script& script, const QString& log) {
    static const QRegularExpression line(
        "^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\S+ \\S+ \\S+ (\\d{3}) (\\d+) ms(?: (.*))?$",
        QRegularExpression::MultilineOption);
    QSet<QString> logged;
    QStringList missing;
    for (const QRegularExpressionMatch& match : line.globalMatch(log)) {
        logged.insert(match.captured(1) + ' ' + match.captured(3));
        if (match.captured(2).toInt() >= 1000) {
            missing.append("slow: " + match.captured(0));
        }
    }
    for (const Block& block : script.blocks) {
        const QString status = block.answer.value(0).mid(4);
        const QString text =
            QString::fromUtf8(unescaped(block.answer.value(block.answer.size() - 1)));
        if (block.answer.size() > 1 && status >= "400" && !logged.contains(status + ' ' + text)) {
            missing.append(QStringLiteral("line %1: %2 %3").arg(block.line).arg(status, text));
        }
    }
    return missing;
}

}  // namespace

class ProtocolTest : public QObject {
    Q_OBJECT

  private slots:
    void answersAsTheScriptSays_data();
    void answersAsTheScriptSays();
};

void ProtocolTest::answersAsTheScriptSays_data() {
    QTest::addColumn<QString>("model");
    QTest::newRow("demo") << QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");
    QTest::newRow("every-type") << QStringLiteral(QUILLMERE_TEST_DATA "/protocol-model.json");
}

void ProtocolTest::answersAsTheScriptSays() {
    QFETCH(QString, model);
    const QString path = kScripts + QTest::currentDataTag() + ".txt";
    Script script = readScript(path);
    const bool backend = testing::backendTarget();
    QTemporaryDir data;
    std::unique_ptr<testing::ServeProcess> serve;
    std::unique_ptr<testing::BackendProcess> java;
    if (backend) {
        java = std::make_unique<testing::BackendProcess>(model);
    } else {
        serve = std::make_unique<testing::ServeProcess>(
            QStringList{"--model", model, "--data", data.filePath("data.db")});
    }
    const int port = serve ? serve->port() : java->port();
    QVERIFY(port != 0);
    const bool update = serve && qEnvironmentVariableIsSet("QUILLMERE_UPDATE_GOLDEN");
    const QStringList failures = ScriptRun(port, backend).run(script, update);
    if (update) {
        QStringList blocks;
        for (const Block& block : script.blocks) {
            blocks.append((block.request + block.answer).join('\n'));
        }
        testing::writeAll(path, blocks.join("\n\n").toUtf8() + '\n');
    }
    // One line each: QtTest cuts a long failure message short.
    for (const QString& failure : failures) {
        qWarning().noquote() << failure;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 answers differ").arg(failures.size())));
    if (serve) {
        QCOMPARE(serve->interrupt(), 0);
        const QStringList missing = notLogged(script, serve->output());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
        QVERIFY(serve->output().endsWith(QStringLiteral("开发服务器已停止\n")));
    }
}

QTEST_GUILESS_MAIN(ProtocolTest)
#include "test_protocol_script.moc"
