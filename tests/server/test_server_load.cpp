// `quillmere-cli serve` under load: ten thousand idle connections delay no new request and are
// closed after the idle time; forty clients reading a picture of 8 MiB at once hold the
// server's memory to a bound (read from /proc).

#include <sys/resource.h>

#include <QElapsedTimer>
#include <thread>

#include "TestSupport.h"
#include "server/HttpClient.h"
#include "server/Pictures.h"
#include "server/ServeProcess.h"

namespace {

const QString kDemoModel = QStringLiteral(QUILLMERE_SOURCE_DIR "/resources/demo/图书管理.json");

}  // namespace

class ServerLoadTest : public QObject {
    Q_OBJECT

  private slots:
    void idleConnectionsDelayNoRequest();
    void pictureReadsStayWithinMemory();
};

void ServerLoadTest::idleConnectionsDelayNoRequest() {
    constexpr int kIdle = 10000;
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
    if (files.rlim_cur < kIdle + 200) {
        QSKIP("this system lets a process open too few files for ten thousand connections");
    }
    QTemporaryDir dir;
    testing::ServeProcess server({"--model", kDemoModel, "--data", dir.filePath("data.db")});
    QVERIFY2(server.port() != 0, qPrintable(server.output()));
    std::vector<std::unique_ptr<testing::RawConnection>> idle;
    for (int i = 0; i < kIdle; ++i) {
        idle.push_back(std::make_unique<testing::RawConnection>(server.port()));
        QVERIFY(idle.back()->connected());
    }
    QElapsedTimer sinceOpened;
    sinceOpened.start();
    qint64 slowest = 0;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const testing::Reply answer = testing::Http(server.port()).get("BookServlet?action=query");
        slowest = std::max(slowest, timer.elapsed());
        QCOMPARE(answer.status, 200);
    }
    const qint64 memory = server.memoryKiB("VmHWM");
    qInfo("slowest of 5 new queries beside %d idle connections: %lld ms; server peak %lld KiB",
          kIdle, slowest, memory);
    QVERIFY2(slowest < 1000, qPrintable(QString::number(slowest)));
    QVERIFY2(memory < 150 * 1024, qPrintable(QString::number(memory)));
    // The idle time is 5 s: then every one of them is closed.
    int open = kIdle;
    while (open > 0 && sinceOpened.elapsed() < 12000) {
        QTest::qWait(500);
        open = static_cast<int>(std::count_if(idle.begin(), idle.end(),
                                              [](const auto& c) { return !c->closedByServer(0); }));
    }
    qInfo("all idle connections closed %lld ms after they were opened", sinceOpened.elapsed());
    QCOMPARE(open, 0);
    idle.clear();
    QCOMPARE(server.interrupt(), 0);
}

void ServerLoadTest::pictureReadsStayWithinMemory() {
    constexpr int kReaders = 40;
    QTemporaryDir dir;
    testing::ServeProcess server({"--model", kDemoModel, "--data", dir.filePath("data.db")});
    QVERIFY2(server.port() != 0, qPrintable(server.output()));
    const QByteArray png = testing::picture("png");
    testing::writeAll(dir.filePath("upload/big.png"), png + QByteArray((8 << 20) - png.size(), 0));
    const qint64 before = server.memoryKiB("VmHWM");
    std::vector<std::thread> readers;
    std::atomic<int> whole{0};
    for (int i = 0; i < kReaders; ++i) {
        readers.emplace_back([&] {
            const testing::Reply picture = testing::Http(server.port()).get("upload/big.png");
            whole += picture.status == 200 && picture.body.size() > (8 << 20) - 200 ? 1 : 0;
        });
    }
    for (std::thread& reader : readers) {
        reader.join();
    }
    const qint64 peak = server.memoryKiB("VmHWM");
    qInfo("%d clients read a picture of 8 MiB at once: server peak %lld KiB (%lld KiB before)",
          kReaders, peak, before);
    QCOMPARE(whole.load(), kReaders);
    QVERIFY2(peak < 150 * 1024, qPrintable(QString::number(peak)));
    QCOMPARE(server.interrupt(), 0);
}

QTEST_GUILESS_MAIN(ServerLoadTest)
#include "test_server_load.moc"
