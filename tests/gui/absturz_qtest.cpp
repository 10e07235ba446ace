// Saves that survive a crash: a child process saves a model and halts at one chosen point of a
// save (before a write, halfway through it, before and after the rename that puts a file in
// place, between two saves); there it is killed. Every point of two saves is chosen once, so
// the kills land where they are meant to on any machine. Every file on disk is always one whole
// version, never a mix or a torn write, and the rename is the moment a file changes version.
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray Bytes(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The version whose digits the content holds ('1' or '2'), or 0 for none or a mix.
char Version(const QByteArray& inhalt) {
    const bool hat1 = inhalt.contains(QByteArray(100, '1'));
    const bool hat2 = inhalt.contains(QByteArray(100, '2'));
    return hat1 == hat2 ? 0 : hat1 ? '1' : '2';
}

char Andere(char version) {
    return version == '1' ? '2' : '1';
}

}  // namespace

class AbsturzTest : public QObject {
    Q_OBJECT

  private slots:
    void SpeichernUeberlebtDasAbschiessen() {
        QTemporaryDir ordner;
        const QString sim = ordner.filePath("modell.sim");
        QSet<QByteArray> gesehen;              // stage and file of every point where a kill landed
        QHash<QByteArray, qsizetype> groesse;  // both versions have the same size
        int abgeschossen = 0;
        for (int punkt = 1;; ++punkt) {
            QProcess kind;
            QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
            umgebung.insert("QT_QPA_PLATFORM", "offscreen");
            kind.setProcessEnvironment(umgebung);
            kind.start(QStringLiteral(QUINTOR_SPEICHERSCHLEIFE), {sim, QString::number(punkt)});
            QVERIFY(kind.waitForStarted(-1));
            // The child's report comes only once it has halted (or ended): no timing involved.
            while (!kind.canReadLine())
                QVERIFY2(kind.waitForReadyRead(-1), qPrintable(kind.readAllStandardError()));
            const QList<QByteArray> meldung = kind.readLine().trimmed().split(' ');
            if (meldung.first() == "fertig") {
                QVERIFY(kind.waitForFinished(-1));
                QCOMPARE(kind.exitStatus(), QProcess::NormalExit);
                QCOMPARE(kind.exitCode(), 0);
                break;
            }
            QCOMPARE(meldung.size(), 4);
            kind.kill();
            QVERIFY(kind.waitForFinished(-1));
            ++abgeschossen;

            const QByteArray stufe = meldung[1], datei = meldung[3];
            const char neu = meldung[2].at(0);
            gesehen << stufe + ' ' + datei;
            const QString wo = QString("Punkt %1: %2 %3").arg(punkt).arg(stufe, datei);
            for (const char* endung : {".sim", ".ini", ".doc"}) {
                const QByteArray name = QByteArray("modell") + endung;
                const QByteArray inhalt = Bytes(ordner.filePath(name));
                const char v = Version(inhalt);
                QVERIFY2(v != 0, qPrintable(wo + ", " + name));
                if (!groesse.contains(name)) groesse[name] = inhalt.size();
                QVERIFY2(inhalt.size() == groesse[name], qPrintable(wo + ", " + name));
                if (stufe == "zwischen" || (stufe == "umbenannt" && datei == name))
                    QVERIFY2(v == neu, qPrintable(wo + ", " + name));
                if (stufe == "geschrieben" && datei == name)
                    QVERIFY2(v == Andere(neu), qPrintable(wo + ", " + name));
            }
            QVERIFY(Bytes(sim).endsWith("X:=1"));
        }
        // Every file was caught at every stage of its save.
        for (const char* stufe : {"geschrieben", "umbenannt"})
            for (const char* datei : {"modell.sim", "modell.ini", "modell.doc"})
                QVERIFY2(gesehen.contains(QByteArray(stufe) + ' ' + datei),
                         qPrintable(QString("%1 %2").arg(stufe, datei)));
        for (const char* stufe : {"schreibt -", "halb -", "zwischen -"})
            QVERIFY2(gesehen.contains(stufe), stufe);
        QVERIFY(abgeschossen >= 2 * (3 * 4 + 1));
        qInfo("%d Abschüsse an %lld verschiedenen Stellen", abgeschossen,
              static_cast<long long>(gesehen.size()));
    }
};

QTEST_MAIN(AbsturzTest)
#include "absturz_qtest.moc"
