// The protocol script: requests sent to a server as raw bytes, each on a connection of its own,
// and the answers expected of it, in tests/golden/protocol/<model>.txt (the file's head says how
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
const QLatin1String kAnswerMark("<<< ");
const char* const kPictureKinds[] = {"png", "jpeg", "gif", "bmp", "webp"};

// One request of the script and the answer written below it.
struct Step {
    int line = 0;
    QStringList request;  // the block's lines before the answer, comments included
    QStringList answer;   // "<<< status", headers compared, body
    QStringList flags;    // after the target: status-only, serve-only, no-host, no-type, cut

    QString method() const { return requestLine().value(0); }
    QString target() const {
        const QString target = requestLine().value(1);
        return target == "/" ? QString() : target;
    }
    QStringList requestLine() const {
        for (const QString& text : request) {
            if (!text.startsWith('#')) {
                return text.split(' ', Qt::SkipEmptyParts);
            }
        }
        return {};
    }
    // Header lines, then the body line (if any), after the request line.
    QStringList rest() const {
        const QStringList lines = request.filter(QRegularExpression("^[^#]"));
        return lines.mid(1);
    }
};

struct Script {
    QStringList floats;         // members whose values may differ in form only
    QList<QStringList> blocks;  // comment blocks, kept as they are
    QList<Step> steps;
    QList<int> order;  // >= 0: a step, < 0: -1 - a comment block
};

Script readScript(const QString& path) {
    Script script;
    int line = 1;
    for (const QString& block : QString::fromUtf8(testing::readAll(path)).split("\n\n")) {
        const QStringList lines = block.split('\n', Qt::SkipEmptyParts);
        const qsizetype mark = lines.indexOf(QRegularExpression("<<< .*"));
        if (mark < 0) {
            for (const QString& text : lines) {
                if (text.startsWith("@floats ")) {
                    script.floats = text.mid(8).split(' ', Qt::SkipEmptyParts);
                }
            }
            script.order.append(-1 - int(script.blocks.size()));
            script.blocks.append(lines);
        } else {
            Step step{line, lines.mid(0, mark), lines.mid(mark), {}};
            step.flags = step.requestLine().mid(2);
            script.order.append(int(script.steps.size()));
            script.steps.append(step);
        }
        line += int(block.count('\n')) + 2;
    }
    return script;
}

// \\ \r \n \t \xHH in a line of the script.
QByteArray unescaped(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\\' || i + 1 == bytes.size()) {
            out += bytes[i];
            continue;
        }
        const char code = bytes[++i];
        if (code == 'x') {
            out += char(bytes.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            out += code == 'r' ? '\r' : code == 'n' ? '\n' : code == 't' ? '\t' : code;
        }
    }
    return out;
}

QString escaped(const QByteArray& bytes) {
    QString out;
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) {
        for (const char byte : bytes) {
            out += QStringLiteral("\\x%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
        }
        return out;
    }
    for (const QChar c : text) {
        out += c == '\\'   ? QStringLiteral("\\\\")
               : c == '\r' ? QStringLiteral("\\r")
               : c == '\n' ? QStringLiteral("\\n")
               : c == '\t' ? QStringLiteral("\\t")
               : c < ' '   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                           : QString(c);
    }
    return out;
}

QByteArray multipart(const QByteArray& field, const QByteArray& content) {
    return "--QuillmereBoundary\r\nContent-Disposition: form-data; name=\"" + field +
           "\"; filename=\"p\"\r\nContent-Type: application/octet-stream\r\n\r\n" + content +
           "\r\n--QuillmereBoundary--\r\n";
}

// A body line: "@upload KIND [pad N]" (a picture, or "text:..." for other content) or
// "@multipart FIELD VALUE" as multipart/form-data, otherwise the bytes as written.
QByteArray bodyOf(const QString& line, QByteArray* contentType) {
    const QStringList words = line.split(' ');
    if (words[0] == "@upload" || words[0] == "@multipart") {
        *contentType = "multipart/form-data; boundary=QuillmereBoundary";
        if (words[0] == "@multipart") {
            return multipart(words.value(1).toUtf8(), unescaped(words.mid(2).join(' ')));
        }
        QByteArray content = words[1].startsWith("text:") ? unescaped(line.mid(13))
                                                          : testing::picture(qPrintable(words[1]));
        if (words.value(2) == "pad") {
            content += QByteArray(words.value(3).toInt(), words[1] == "jpeg" ? 'a' : '\0');
        }
        return multipart("file", content);
    }
    *contentType = "application/x-www-form-urlencoded";
    return unescaped(line);
}

struct Exchange {
    int status = 0;
    QByteArray allow;
    QByteArray contentType;
    QByteArray noSniff;
    QByteArray body;
};

// Sends the request (with `cut`: the head and half the body, then the end of sending) and reads
// one answer, on a connection of its own.
Exchange exchange(int port, const QByteArray& head, const QByteArray& body, bool cut,
                  bool headRequest) {
    namespace http = boost::beast::http;
    boost::asio::io_context io;
    boost::beast::tcp_stream stream(io);
    boost::beast::error_code error;
    stream.socket().connect({boost::asio::ip::make_address("127.0.0.1"), uint16_t(port)}, error);
    const int socket = stream.socket().native_handle();
    std::thread writer([&] {
        const QByteArray sent = cut ? head + body.left(body.size() / 2) : head + body;
        for (qsizetype done = 0; done < sent.size();) {
            const ssize_t count =
                ::send(socket, sent.constData() + done, sent.size() - done, MSG_NOSIGNAL);
            if (count <= 0) {
                break;
            }
            done += count;
        }
        if (cut) {
            ::shutdown(socket, SHUT_WR);
        }
    });
    http::response_parser<http::string_body> parser;
    parser.body_limit(64 << 20);
    parser.skip(headRequest);
    boost::beast::flat_buffer buffer;
    stream.expires_after(std::chrono::seconds(20));
    http::read(stream, buffer, parser, error);
    ::shutdown(socket, SHUT_RDWR);
    writer.join();
    if (error) {
        return {};
    }
    const auto& response = parser.get();
    const auto header = [&](auto field) {
        return QByteArray::fromStdString(std::string(response[field]));
    };
    return {int(response.result_int()), header(http::field::allow),
            header(http::field::content_type), header("X-Content-Type-Options"),
            QByteArray::fromStdString(response.body())};
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

// What the script writes for an answer: status, Allow, a picture's type, nosniff and bytes, other
// bodies escaped on one line.
QStringList written(const Exchange& answer) {
    QStringList lines = {kAnswerMark + QString::number(answer.status)};
    if (!answer.allow.isEmpty()) {
        lines.append("Allow: " + QString::fromLatin1(answer.allow));
    }
    if (answer.contentType.startsWith("image/")) {
        lines.append("Content-Type: " + QString::fromLatin1(answer.contentType));
        lines.append("X-Content-Type-Options: " + QString::fromLatin1(answer.noSniff));
        if (!answer.body.isEmpty()) {
            lines.append(pictureBytes(answer.body));
        }
    } else if (!answer.body.isEmpty()) {
        lines.append(escaped(answer.body));
    }
    return lines;
}

// A query's XML and updateQuery's JSON must parse, whatever texts the data hold.
bool wellFormed(const QByteArray& body) {
    if (body.startsWith("<?xml")) {
        QXmlStreamReader xml(body);
        while (!xml.atEnd()) {
            xml.readNext();
        }
        return !xml.hasError();
    }
    QJsonParseError error;
    return !body.startsWith('[') || (QJsonDocument::fromJson(body, &error), error.error == 0);
}

// Float values of the members named, in XML elements and JSON fields, replaced by "#" and
// collected as numbers.
QString floatsTakenOut(QString text, const QStringList& floats, QList<double>* values) {
    if (floats.isEmpty()) {
        return text;
    }
    const QString names = floats.join('|');
    const QRegularExpression value("(<(?:" + names + ")>)([^<]*)(<)|(\"(?:" + names +
                                   ")\":)\"?([^,}\"]*)\"?()");
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : value.globalMatch(text)) {
        const bool xml = !match.captured(1).isEmpty();
        out += text.mid(done, match.capturedStart() - done) + match.captured(xml ? 1 : 4) + '#' +
               match.captured(xml ? 3 : 6);
        values->append(std::strtod(qPrintable(match.captured(xml ? 2 : 5)), nullptr));
        done = match.capturedEnd();
    }
    return out + text.mid(done);
}

// Equal, or equal but for the form of float values that Java reads as the same float.
bool sameAnswer(const QStringList& expected, const QStringList& actual, const QStringList& floats) {
    if (expected == actual) {
        return true;
    }
    QList<double> want, got;
    if (floatsTakenOut(expected.join('\n'), floats, &want) !=
            floatsTakenOut(actual.join('\n'), floats, &got) ||
        want.size() != got.size()) {
        return false;
    }
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (float(want[i]) != float(got[i]) && !(std::isnan(want[i]) && std::isnan(got[i]))) {
            return false;
        }
    }
    return true;
}

class ScriptRun {
  public:
    ScriptRun(int port, Script& script, bool backend)
        : port_(port), script_(script), backend_(backend) {}

    // Runs every step; answers the mismatches, and with update the script's answers are
    // replaced by what came.
    QStringList run(bool update) {
        QStringList failures;
        for (Step& step : script_.steps) {
            if (backend_ && step.flags.contains("serve-only")) {
                continue;
            }
            const QStringList answer = send(step);
            const bool statusOnly = backend_ && step.flags.contains("status-only");
            const bool same = statusOnly ? answer.value(0) == step.answer.value(0)
                                         : sameAnswer(step.answer, answer, script_.floats);
            if (update) {
                step.answer = answer;
            } else if (!same) {
                failures.append(QStringLiteral("line %1: %2 %3\n  expected: %4\n  actual:   %5")
                                    .arg(step.line)
                                    .arg(step.method(), step.target().left(200),
                                         step.answer.join(" | ").left(2000),
                                         answer.join(" | ").left(2000)));
            }
        }
        return failures;
    }

  private:
    QStringList send(const Step& step) {
        QByteArray head = (substituted(step.method() + ' ') + "/JavaWebProject/" +
                           substituted(step.target()) + " HTTP/1.1\r\n");
        QByteArray contentType;
        QByteArray body;
        QList<QByteArray> headers;
        static const QRegularExpression header("^[A-Za-z][A-Za-z0-9-]*:( |$)");
        for (const QString& line : step.rest()) {
            if (header.match(line).hasMatch()) {
                headers.append(substituted(line));
            } else {
                body = bodyOf(QString::fromUtf8(substituted(line)), &contentType);
            }
        }
        const auto has = [&](const char* name) {
            return std::any_of(headers.begin(), headers.end(), [&](const QByteArray& h) {
                return h.toLower().startsWith(QByteArray(name).append(':'));
            });
        };
        if (!has("host") && !step.flags.contains("no-host")) {
            head += "Host: 127.0.0.1:" + QByteArray::number(port_) + "\r\n";
        }
        if (!body.isEmpty() && !has("content-type") && !step.flags.contains("no-type")) {
            head += "Content-Type: " + contentType + "\r\n";
        }
        if (!body.isEmpty() && !has("content-length") && !has("transfer-encoding")) {
            head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        }
        for (const QByteArray& line : headers) {
            head += line + "\r\n";
        }
        head += "Connection: close\r\n\r\n";
        const Exchange answer =
            exchange(port_, head, body, step.flags.contains("cut"), step.method() == "HEAD");
        bindPicture(step, answer);
        if (!wellFormed(answer.body)) {
            return {"not well formed: " + QString::fromUtf8(answer.body)};
        }
        QStringList lines = written(answer);
        for (auto picture = pictures_.begin(); picture != pictures_.end(); ++picture) {
            lines.replaceInStrings(picture.value(), '{' + picture.key() + '}');
        }
        return lines;
    }

    // An upload's new name is bound to {pictureN}, the Nth stored: names differ between
    // servers, their shape does not.
    void bindPicture(const Step& step, const Exchange& answer) {
        static const QRegularExpression stored("^upload/([A-Za-z0-9_-]{1,100})\\.[a-z]{3,4}$");
        const QRegularExpressionMatch match = stored.match(QString::fromUtf8(answer.body));
        if (step.rest().join('\n').contains("@upload") && answer.status == 200 &&
            match.hasMatch()) {
            pictures_.insert(QStringLiteral("picture%1").arg(pictures_.size() + 1),
                             match.captured(1));
        }
    }

    // {host}, {pictureN} and {COUNT*C} (C repeated) replaced, escapes resolved.
    QByteArray substituted(const QString& text) const {
        static const QRegularExpression variable("\\{([^{}]+)\\}");
        static const QRegularExpression repeat("^(\\d+)\\*(.)$");
        QString out;
        qsizetype done = 0;
        for (const QRegularExpressionMatch& match : variable.globalMatch(text)) {
            const QString name = match.captured(1);
            const QRegularExpressionMatch times = repeat.match(name);
            out += text.mid(done, match.capturedStart() - done) +
                   (name == "host"     ? QStringLiteral("127.0.0.1:%1").arg(port_)
                    : times.hasMatch() ? times.captured(2).repeated(times.captured(1).toInt())
                    : pictures_.contains(name) ? pictures_.value(name)
                                               : match.captured(0));
            done = match.capturedEnd();
        }
        return unescaped(out + text.mid(done));
    }

    int port_;
    Script& script_;
    bool backend_;
    QMap<QString, QString> pictures_;
};

void writeScript(const QString& path, const Script& script) {
    QStringList blocks;
    for (const int index : script.order) {
        blocks.append(index < 0
                          ? script.blocks[-1 - index].join('\n')
                          : (script.steps[index].request + script.steps[index].answer).join('\n'));
    }
    testing::writeAll(path, blocks.join("\n\n").toUtf8() + '\n');
}

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
    for (const Step& step : script.steps) {
        const QString refusal = step.answer.first().mid(kAnswerMark.size()) + ' ' +
                                QString::fromUtf8(unescaped(step.answer.last()));
        if (step.answer.size() > 1 && refusal >= "400" && !logged.contains(refusal)) {
            missing.append(QStringLiteral("line %1: %2").arg(step.line).arg(refusal));
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
    QVERIFY2(!script.steps.isEmpty(), qPrintable(path));
    const bool backend = testing::backendTarget();
    const bool update = !backend && qEnvironmentVariableIsSet("QUILLMERE_UPDATE_GOLDEN");
    QTemporaryDir data;
    std::unique_ptr<testing::ServeProcess> serve;
    std::unique_ptr<testing::BackendProcess> java;
    int port = 0;
    if (backend) {
        java = std::make_unique<testing::BackendProcess>(model);
        port = java->port();
    } else {
        serve = std::make_unique<testing::ServeProcess>(
            QStringList{"--model", model, "--data", data.filePath("data.db")});
        port = serve->port();
    }
    QVERIFY(port != 0);
    const QStringList failures = ScriptRun(port, script, backend).run(update);
    if (update) {
        writeScript(path, script);
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    if (serve) {
        QCOMPARE(serve->interrupt(), 0);
        const QStringList missing = notLogged(script, serve->output());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
        QVERIFY(serve->output().endsWith(QStringLiteral("开发服务器已停止\n")));
    }
}

QTEST_GUILESS_MAIN(ProtocolTest)
#include "test_protocol.moc"
