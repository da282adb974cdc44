// PostgreSQL's names for classes and members: a name that fits its 63 bytes stays; a longer one
// keeps its longest beginning of whole characters and a hash, so that long names stay apart.

#include <QTest>

#include "generators/server/BackendJava.h"

class BackendNamesTest : public QObject {
    Q_OBJECT

  private slots:
    void longNamesFitAndStayApart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kept");  // the beginning the SQL name keeps
        const QString ascii63(63, QLatin1Char('a'));
        QTest::newRow("short") << QStringLiteral("Book") << QStringLiteral("Book");
        QTest::newRow("63 bytes") << ascii63 << ascii63;
        QTest::newRow("64 bytes") << ascii63 + "b" << QString(54, QLatin1Char('a')) + "_";
        // 3 bytes each: 18 of them (54 bytes) fit before "_" and the hash.
        QTest::newRow("Chinese") << QString(30, QChar(0x56FE)) << QString(18, QChar(0x56FE)) + "_";
        // 4 bytes each: 13 (52 bytes) fit, a 14th would split.
        QTest::newRow("surrogate pairs")
            << QString::fromUtf8("😀").repeated(20) << QString::fromUtf8("😀").repeated(13) + "_";
    }
    void longNamesFitAndStayApart() {
        QFETCH(QString, name);
        QFETCH(QString, kept);
        const QString sql = SqlName(name);
        QVERIFY2(sql.toUtf8().size() <= 63, qPrintable(sql));
        QVERIFY2(sql.startsWith(kept), qPrintable(sql));
        if (sql != name) {
            QCOMPARE(sql.size(), kept.size() + 8);
            QVERIFY(SqlName(name + "x") != sql);
        }
    }
};

QTEST_GUILESS_MAIN(BackendNamesTest)
#include "test_backend_names.moc"
