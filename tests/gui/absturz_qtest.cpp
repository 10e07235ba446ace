// Saves that survive a crash: a child process saves a model in a loop and is killed at random
// moments; every file on disk is always one whole version, never a mix or a torn write.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The content holds one version's digits only, apart from the fixed parts of the format.
bool Ganz(const QByteArray& inhalt, char a, char b) {
    const bool hatA = inhalt.contains(QByteArray(100, a));
    const bool hatB = inhalt.contains(QByteArray(100, b));
    return hatA != hatB;
}

}  // namespace

class AbsturzTest : public QObject {
    Q_OBJECT

  private slots:
    void SpeichernUeberlebtDasAbschiessen() {
        QTemporaryDir ordner;
        const QString sim = ordner.filePath("modell.sim");
        QRandomGenerator zufall(4711);
        int abgeschossen = 0, mitten = 0;
        for (int runde = 0; runde < 100; ++runde) {
            QProcess kind;
            kind.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
            kind.start(QStringLiteral(QUINTOR_SPEICHERSCHLEIFE), {sim});
            QVERIFY(kind.waitForStarted());
            // The first save must have ended, then a random moment inside the loop.
            while (!kind.readAllStandardOutput().contains('e'))
                QVERIFY(kind.waitForReadyRead(20000));
            QTest::qWait(static_cast<int>(zufall.bounded(1, 60)));
            kind.kill();
            QVERIFY(kind.waitForFinished());
            ++abgeschossen;
            const QByteArray text = kind.readAllStandardOutput().trimmed();
            mitten += text.endsWith('s');
            for (const char* endung : {".sim", ".ini", ".doc"}) {
                const QByteArray inhalt = Bytes(ordner.filePath(QStringLiteral("modell") + endung));
                QVERIFY2(!inhalt.isEmpty(), endung);
                QVERIFY2(Ganz(inhalt, '1', '2'),
                         qPrintable(QString("Runde %1, %2").arg(runde).arg(endung)));
            }
            const QByteArray m = Bytes(sim);
            QVERIFY(m.endsWith("X:=1"));  // whole, to its last line
        }
        QCOMPARE(abgeschossen, 100);
        QVERIFY(mitten > 0);
        qInfo("%d Abschüsse, %d davon während des Speicherns", abgeschossen, mitten);
    }
};

QTEST_MAIN(AbsturzTest)
#include "absturz_qtest.moc"
