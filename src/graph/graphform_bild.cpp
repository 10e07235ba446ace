// The graph window's picture commands: "Bild speichern…" (PNG at the window's size or a chosen
// width, or SVG) and "Graph drucken", in the menu of the copy button, whose click still copies.
#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

#include "ansichtsgroesse.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "graphbild.h"
#include "graphform.h"
#include "ks.h"
#include "schrift.h"

namespace quintor {

namespace {

const QString kPngFilter = QStringLiteral("PNG-Bild (*.png)");
const QString kSvgFilter = QStringLiteral("SVG-Grafik (*.svg)");

// "1920 Pixel", "1920": the leading number; 0 when there is none.
int Breite(const QString& text) {
    int ziffern = 0;
    while (ziffern < text.size() && text[ziffern].isDigit()) ++ziffern;
    return ziffern > 0 && ziffern <= 5 ? text.left(ziffern).toInt() : 0;
}

}  // namespace

TGraphForm::~TGraphForm() = default;

void TGraphForm::BaueBildbefehle() {
    auto* menue = new QMenu(CopyKnopf);
    menue->addAction(QStringLiteral("Graphen kopieren"), this, &TGraphForm::CopyKnopfClick);
    BildSpeichernAktion =
        menue->addAction(QStringLiteral("Bild speichern…"), this, &TGraphForm::BildSpeichernClick);
    BildSpeichernAktion->setShortcut(QKeySequence::Save);
    DruckenAktion =
        menue->addAction(QStringLiteral("Graph drucken"), this, &TGraphForm::GraphDruckenClick);
    DruckenAktion->setShortcut(QKeySequence::Print);
    // The shortcuts work in the whole window; during a run both commands wait for its end.
    addAction(BildSpeichernAktion);
    addAction(DruckenAktion);
    connect(menue, &QMenu::aboutToShow, this, [this] {
        BildSpeichernAktion->setEnabled(!LaeuftGerade());
        DruckenAktion->setEnabled(!LaeuftGerade());
    });
    connect(menue, &QMenu::aboutToHide, this, [this] {
        BildSpeichernAktion->setEnabled(true);
        DruckenAktion->setEnabled(true);
    });
    CopyKnopf->setMenu(menue);
    CopyKnopf->setPopupMode(QToolButton::MenuButtonPopup);
    CopyKnopf->resize(38, CopyKnopf->height());  // the arrow fits before the "zeichnen" button

    BildDateiDialog = [this] {
        QFileDialog d(this, QStringLiteral("Bild speichern"), QString(),
                      kPngFilter + QStringLiteral(";;") + kSvgFilter);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        // A name without an ending gets the chosen type's; the question before replacing a
        // file then asks about that name.
        d.setDefaultSuffix(QStringLiteral("png"));
        connect(&d, &QFileDialog::filterSelected, &d, [&d](const QString& filter) {
            d.setDefaultSuffix(filter == kSvgFilter ? QStringLiteral("svg")
                                                    : QStringLiteral("png"));
        });
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    BildbreiteDialog = [this](int fensterbreite) {
        const QStringList breiten{QStringLiteral("%1 Pixel (Fenstergröße)").arg(fensterbreite),
                                  QStringLiteral("1280 Pixel"), QStringLiteral("1920 Pixel"),
                                  QStringLiteral("3840 Pixel")};
        bool ok = false;
        const QString wahl =
            QInputDialog::getItem(this, QStringLiteral("Bild speichern"),
                                  QStringLiteral("Breite des Bildes (die Höhe folgt dem Fenster):"),
                                  breiten, 0, true, &ok);
        if (!ok) return 0;
        const int breite = Breite(wahl.trimmed());
        if (breite < 16 || breite > kBildHoechstens) {
            dialoge_.Melde(Meldungsart::Fehler,
                           QStringLiteral("Bitte geben Sie als Breite eine Zahl von 16 bis %1 "
                                          "Pixeln an.")
                               .arg(kBildHoechstens)
                               .toStdString());
            return 0;
        }
        return breite;
    };
    DruckDialog = [this](QPrinter& drucker) {
        return QPrintDialog(&drucker, this).exec() == QDialog::Accepted;
    };
}

Graphinhalt TGraphForm::Bildinhalt() const {
    Graphinhalt inhalt;
    inhalt.ks = Koordinatensystem1;
    inhalt.kurven = &kurvenbuch_;
    inhalt.messpunkte = messpunkte_;
    const auto name = [this](std::int32_t i) {
        return QString::fromStdString(modell_.Variablen[static_cast<std::size_t>(i)].Name);
    };
    if (AchsenGueltig()) {
        inhalt.hName = name(Graph().horizontal);
        inhalt.vName = name(Graph().vertikal);
    }
    // The legend names the curves that were recorded.
    const std::vector<std::string>& namen = kurvenbuch_.Aktuell().namen;
    for (std::size_t k = 1; k < namen.size(); ++k)
        inhalt.kurvennamen.push_back(QString::fromStdString(namen[k]));
    inhalt.legendenStart = Legendenstart();
    return inhalt;
}

void TGraphForm::BildSpeichernClick() {
    if (LaeuftGerade() || !BildDateiDialog) return;
    const QString pfad = BildDateiDialog();
    if (pfad.isEmpty()) return;
    int breite = Koordinatensystem1->width();
    // An SVG picture is drawn in lines and letters: it has no pixels to choose.
    if (!pfad.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        breite = BildbreiteDialog ? BildbreiteDialog(breite) : breite;
        if (breite <= 0) return;
    }
    QString fehler;
    if (!SpeichereGraphbild(pfad, Bildinhalt(), breite, fehler))
        dialoge_.Melde(Meldungsart::Fehler, fehler.toStdString());
}

void TGraphForm::GraphDruckenClick() {
    if (LaeuftGerade()) return;
    if (!drucker_) {
        drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The graph is wider than tall.
        drucker_->setPageOrientation(QPageLayout::Landscape);
    }
    if (!DruckDialog || !DruckDialog(*drucker_)) return;
    const Graphinhalt inhalt = Bildinhalt();
    const QStringList kopf = Graphkopf(QString::fromStdString(dokument_.Inhalt().Dateiname()),
                                       inhalt, QDate::currentDate());
    QString fehler;
    if (!DruckeGraph(*drucker_, inhalt, kopf, fehler))
        dialoge_.Melde(Meldungsart::Fehler, fehler.toStdString());
}

void TGraphForm::SetzeSchriftfaktor(double faktor) {
    Koordinatensystem1->setFont(Vergroessert(Schrift("Times New Roman", 13, false), faktor));
    if (isVisible()) FormResize();
}

}  // namespace quintor
