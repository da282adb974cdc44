// The protocol as a generator iterates it: every action and refusal at its own place under a
// name of its own, each format's placeholders described, and values put in once.

#include <QSet>
#include <QTest>

#include "generation/Protocol.h"

class ProtocolTest : public QObject {
    Q_OBJECT

  private slots:
    void everyEntryIsAtItsPlaceAndDescribed() {
        QSet<QString> names;
        const QList<TRefusalSpec>& refusals = ProtocolRefusals();
        QCOMPARE(refusals.size(), static_cast<qsizetype>(TRefusal::Busy) + 1);
        for (qsizetype i = 0; i < refusals.size(); ++i) {
            const TRefusalSpec& spec = refusals[i];
            QCOMPARE(static_cast<qsizetype>(spec.refusal), i);
            QVERIFY2(!names.contains(spec.name), qPrintable(spec.name));
            names.insert(spec.name);
            for (int n = 1; n <= 9; ++n) {
                QVERIFY2(spec.format.contains(QStringLiteral("%") + QString::number(n)) ==
                             (n <= spec.values.size()),
                         qPrintable(spec.name));
            }
        }
        for (const TActionSpec& spec : ProtocolActions()) {
            QCOMPARE(&ActionSpec(spec.action), &spec);
            QCOMPARE(ActionNamed(spec.name), &spec);
            QCOMPARE(spec.successText.isEmpty(), spec.answer != TAnswerForm::Text);
        }
        QCOMPARE(ActionNamed("Add"), nullptr);
    }

    void valuesArePutInOnce_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("text");
        QTest::newRow("a value holding a placeholder")
            << "%1: %2" << QStringList{"50%2", "x"} << "50%2: x";
        QTest::newRow("out of order") << "%3%1" << QStringList{"a", "b", "c"} << "ca";
        QTest::newRow("no value") << "%1 %" << QStringList{} << "%1 %";
    }
    void valuesArePutInOnce() {
        QFETCH(QString, format);
        QFETCH(QStringList, values);
        QFETCH(QString, text);
        QCOMPARE(FillProtocolText(format, values), text);
    }
};

QTEST_GUILESS_MAIN(ProtocolTest)
#include "test_protocol.moc"
