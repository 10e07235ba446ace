// The graph window's measured data: "Messdaten laden…" (the binary records or a two-column
// text), "Messdaten einfügen" (such a text from the clipboard, as a spreadsheet or a video
// analysis copies it) and "Messdaten entfernen", in the menu of the copy button.
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QToolButton>

#include "dialoge.h"
#include "graphform.h"
#include "messdatei.h"
#include "textdatei.h"

namespace quintor {

namespace {

struct Gelesene {
    std::vector<std::pair<float, float>> punkte;
    QString fehler;   // nothing drawn, the old points stay
    QString hinweis;  // drawn, but something was left out
};

Gelesene AusText(std::string_view bytes, std::size_t hoechstens) {
    Messtext m = LeseMesstext(bytes, hoechstens);
    // The texts first: they count the points.
    QString fehler = QString::fromStdString(MesstextFehlermeldung(m));
    QString hinweis = QString::fromStdString(MesstextHinweis(m));
    return {std::move(m.punkte), std::move(fehler), std::move(hinweis)};
}

Gelesene AusDatei(std::string_view bytes, std::size_t hoechstens) {
    if (ErkenneMessformat(bytes) == Messformat::Text) return AusText(bytes, hoechstens);
    Messdaten daten = LeseMessdaten(bytes);
    Gelesene g;
    QStringList hinweise;
    if (!daten.vollstaendig)
        hinweise << QStringLiteral("Die letzten Bytes der Datei ergeben keinen ganzen Messpunkt.");
    if (daten.punkte.size() > hoechstens) {
        const QLocale deutsch(QLocale::German, QLocale::Germany);
        hinweise << QStringLiteral("Gezeichnet werden die ersten %1 von %2 Messpunkten.")
                        .arg(deutsch.toString(static_cast<qulonglong>(hoechstens)),
                             deutsch.toString(static_cast<qulonglong>(daten.punkte.size())));
        daten.punkte.resize(hoechstens);
    }
    g.punkte = std::move(daten.punkte);
    if (g.punkte.empty()) g.fehler = QStringLiteral("Die Datei enthält keine Messpunkte.");
    g.hinweis = hinweise.join(' ');
    return g;
}

}  // namespace

void TGraphForm::BaueMessbefehle() {
    QMenu* menue = CopyKnopf->menu();
    menue->addSeparator();
    MessdatenLadenAktion =
        menue->addAction(QStringLiteral("Messdaten laden…"), this, &TGraphForm::MessdatenLaden);
    MessdatenEinfuegenAktion = menue->addAction(QStringLiteral("Messdaten einfügen"), this,
                                                &TGraphForm::MessdatenEinfuegen);
    MessdatenEntfernenAktion = menue->addAction(QStringLiteral("Messdaten entfernen"), this,
                                                &TGraphForm::MessdatenEntfernen);
    // A run draws the points at its start: they change only between runs.
    connect(menue, &QMenu::aboutToShow, this, [this] {
        for (QAction* a :
             {MessdatenLadenAktion, MessdatenEinfuegenAktion, MessdatenEntfernenAktion})
            a->setEnabled(!LaeuftGerade());
    });
    MessdateiDialog = [this] {
        return QFileDialog::getOpenFileName(
            this, QStringLiteral("Messdaten laden"), QString(),
            QStringLiteral("Messdaten (*.dat *.csv *.txt *.tsv);;Alle Dateien (*)"));
    };
}

void TGraphForm::MessdatenLaden() {
    if (LaeuftGerade()) return;
    const QString pfad = MessdateiDialog ? MessdateiDialog() : QString();
    if (pfad.isEmpty()) return;
    const Gelesen datei =
        LeseDatei(pfad.toStdString(), static_cast<std::size_t>(MessdateiHoechstens));
    if (!datei) {
        dialoge_.Melde(Meldungsart::Fehler, Lesemeldung(pfad.toStdString(), datei, "Messdatei"));
        return;
    }
    Gelesene g = AusDatei(datei.bytes, kHoechsteEigenePunkte);
    if (!g.fehler.isEmpty()) {
        dialoge_.Melde(Meldungsart::Fehler, (pfad + ":\n" + g.fehler).toStdString());
        return;
    }
    UebernimmMesspunkte(std::move(g.punkte), g.hinweis);
}

void TGraphForm::MessdatenEinfuegen() {
    if (LaeuftGerade()) return;
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    Gelesene g = AusText(std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                         kHoechsteEigenePunkte);
    if (!g.fehler.isEmpty()) {
        dialoge_.Melde(Meldungsart::Fehler, g.fehler.toStdString());
        return;
    }
    UebernimmMesspunkte(std::move(g.punkte), g.hinweis);
}

void TGraphForm::MessdatenEntfernen() {
    if (LaeuftGerade()) return;
    UebernimmMesspunkte({}, QString());
}

void TGraphForm::UebernimmMesspunkte(std::vector<std::pair<float, float>> punkte,
                                     const QString& hinweis) {
    eigeneMesspunkte_ = std::move(punkte);
    // The picture afresh: the old points go, the new ones are drawn; "Zeigen" runs the model
    // over them.
    Loeschen();
    Messdaten();
    if (!hinweis.isEmpty()) dialoge_.Melde(Meldungsart::Information, hinweis.toStdString());
}

}  // namespace quintor
