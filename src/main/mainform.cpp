// The main window: its construction, and how it shows the document.
#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "dateibefehle.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "intedit.h"
#include "kommentarform.h"
#include "memotext.h"
#include "schrift.h"
#include "stringgrid.h"
#include "symbole.h"

namespace quintor {

namespace {

bool Gehoert(const QWidget* w, const QWidget* zu) {
    return w && (w == zu || zu->isAncestorOf(w));
}

}  // namespace

TMainForm::TMainForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe,
                     QStringList argumente, QWidget* parent)
    : QMainWindow(parent),
      dokument_(dokument),
      dialoge_(dialoge),
      hilfe_(hilfe),
      argumente_(std::move(argumente)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(SymbolIcon(Symbol::Programm));
    setFont(Schrift("MS Sans Serif", 9, true));
    BaueHauptfenster(*this);
    editorSchrift_ = Memo1->font();
    memoText_ = std::make_unique<MemoText>(Memo1);
    ergebnisse_ = std::make_unique<Ergebnisspalte>(*StringGrid1);

    lauf_ = new Iterationslauf(dokument_.Inhalt(), dialoge_, *ergebnisse_, this);
    lauf_->Pause = [this] { return 3 * Verzoegerung; };
    connect(OhnePause1, &QAction::toggled, this, [this](bool an) { lauf_->OhnePause = an; });
    connect(lauf_, &Iterationslauf::Zaehler, this,
            [this](std::int64_t n) { ZaehlerEdit->setNumber(static_cast<std::int32_t>(n)); });
    connect(lauf_, &Iterationslauf::Laufzustand, this, &TMainForm::SetzeLaufzustand);
    connect(lauf_, &Iterationslauf::Zeile, this, &TMainForm::ZeigeZeile);
    connect(lauf_, &Iterationslauf::Meldung, StatusLine, &QLabel::setText);
    connect(&dokument_, &Dokumentobjekt::Statusmeldung, StatusLine, &QLabel::setText);
    connect(lauf_, &Iterationslauf::StartwerteGelesen, this, [this] {
        for (int i = 1; i <= kMaxVariablen; ++i) StringGrid1->SetzeZelle(2, i, "");
    });

    dateien_ = std::make_unique<Dateibefehle>(dokument_, dialoge_, this);
    dateien_->KommentarZeigen = [this] { Kommentar1Click(); };
    dateien_->StartwerteUebernehmen = [this] { return lauf_->StartwerteUebernehmen(); };

    BaueLaufhilfen(*this, dokument_, dialoge_, hilfe_);

    // FormCreate
    ZeigeTitel();
    SpinEdit1Change();

    // 638 x 491 outside, less the frame the window manager adds.
    resize(630, 460);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(638 / 2, 491 / 2));

    connect(qApp, &QApplication::focusChanged, this, &TMainForm::FokusWechsel);
    connect(&dokument_, &Dokumentobjekt::Veraendert, this, &TMainForm::Veraendert);
    // A typed start value belongs to the document at once.
    connect(StringGrid1, &TStringGrid::ZelleGeaendert, this, [this](int spalte, int zeile) {
        if (spalte == 1) dokument_.Inhalt().SetzeStartwerttext(zeile, StringGrid1->Zelle(1, zeile));
    });
    Schriftwahl = [this](const QFont& vorgabe) -> std::optional<QFont> {
        bool ok = false;
        const QFont gewaehlt = QFontDialog::getFont(&ok, vorgabe, this);
        return ok ? std::optional<QFont>(gewaehlt) : std::nullopt;
    };
}

TMainForm::~TMainForm() {
    // A run still on the stack must not touch what is being destroyed.
    schliesst_ = true;
    lauf_->Beende();
    // The children and the focus change while QWidget tears them down; by then this is no
    // longer a TMainForm and must not receive their signals.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    QObject::disconnect(&dokument_, nullptr, this, nullptr);
    for (QObject* kind : findChildren<QObject*>()) kind->disconnect(this);
}

Dokument& TMainForm::dokument() {
    return dokument_.Inhalt();
}

void TMainForm::Veraendert(Dokument::Teil teil) {
    switch (teil) {
        case Dokument::Teil::Text:
            // Every edit of the equations, also by loading or by the scan: counter back to 0.
            ZaehlerEdit->setNumber(0);
            lauf_->VerwirfZeilenschritt();
            ZeigeText();
            ZeigeStartwerte();
            break;
        case Dokument::Teil::Modell:
        case Dokument::Teil::Startwerte:
            lauf_->VerwirfZeilenschritt();
            ZeigeStartwerte();
            break;
        case Dokument::Teil::Datei:
            ZeigeTitel();
            break;
        default:
            break;
    }
}

void TMainForm::ZeigeText() {
    zeigt_ = true;
    memoText_->Zeige(dokument().Zeilen());
    zeigt_ = false;
}

void TMainForm::ZeigeStartwerte() {
    StringGrid1->Zeige(dokument());
}

void TMainForm::ZeigeTitel() {
    const std::string& pfad = dokument().Dateiname();
    setWindowTitle(pfad.empty() ? QStringLiteral("Quintor")
                                : QStringLiteral("Quintor [") + QString::fromStdString(pfad) +
                                      QStringLiteral("]"));
}

void TMainForm::SetzeLaufzustand(bool laeuft) {
    AbbruchKnopf->setEnabled(laeuft);
    Abbruch1->setEnabled(laeuft);
    BerechneKnopf->setEnabled(!laeuft);
    Iteration1->setEnabled(!laeuft);
    Zeilenschritt1->setEnabled(!laeuft);
    ZeilenschrittKnopf->setEnabled(!laeuft);
}

void TMainForm::ZeigeZeile(std::int32_t gleichung) {
    // One colour for the line and its cell, so that the eye finds the one from the other.
    const QColor farbe(0xff, 0xe8, 0x8c);
    if (markierteZelle_ > 0) {
        StringGrid1->item(markierteZelle_ - 1, 1)->setData(Qt::BackgroundRole, QVariant());
        markierteZelle_ = 0;
    }
    QList<QTextEdit::ExtraSelection> marken;
    if (gleichung >= 1 && gleichung <= Daten().Gleichungszahl) {
        // After a scan, editor line e holds equation e: the scan removed the empty lines.
        const QTextBlock zeile = Memo1->document()->findBlockByNumber(gleichung - 1);
        if (zeile.isValid()) {
            QTextEdit::ExtraSelection marke;
            marke.cursor = QTextCursor(zeile);
            marke.format.setBackground(farbe);
            marke.format.setProperty(QTextFormat::FullWidthSelection, true);
            marken << marke;
        }
        const int ziel = Daten().Gleichungsliste[static_cast<std::size_t>(gleichung)].Ziel;
        if (ziel >= 1 && ziel < TStringGrid::kSichtbareZeilen) {
            QTableWidgetItem* zelle = StringGrid1->item(ziel - 1, 1);
            zelle->setBackground(farbe);
            StringGrid1->scrollToItem(zelle);
            markierteZelle_ = ziel;
        }
    }
    Memo1->setExtraSelections(marken);
}

bool TMainForm::ScanfehlerGezeigt() {
    if (!dokument().Fehler()) return false;
    const Scanfehler fehler = *dokument().Fehler();
    for (const std::string& text : fehler.meldungen) dialoge_.Melde(Meldungsart::Fehler, text);
    if (fehler.zeile > 0) {
        const QTextBlock zeile = Memo1->document()->findBlockByNumber(fehler.zeile - 1);
        if (zeile.isValid()) Memo1->setTextCursor(QTextCursor(zeile));
    }
    // After the boxes the window may not be the active one again by itself.
    activateWindow();
    Memo1->setFocus();
    return true;
}

// Leaving the editor or the grid for another control of this window; a dialog taking the focus
// or the window losing it is no exit.
void TMainForm::FokusWechsel(QWidget* alt, QWidget* neu) {
    if (!neu || neu->window() != this) return;
    if (Gehoert(alt, Memo1) && !Gehoert(neu, Memo1)) Memo1Exit();
    if (Gehoert(alt, StringGrid1) && !Gehoert(neu, StringGrid1)) StringGrid1Exit();
}

bool TMainForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::StatusTip: {
            // ShowHint: the status line shows the current hint; once the mouse leaves, a run's
            // message or the hint summary that stood there comes back.
            const QString tipp = static_cast<QStatusTipEvent*>(e)->tip();
            if (!tipp.isEmpty()) {
                if (!zeigtTipp_) stehend_ = StatusLine->text();
                zeigtTipp_ = true;
                StatusLine->setText(tipp);
            } else if (zeigtTipp_) {
                zeigtTipp_ = false;
                StatusLine->setText(stehend_);
            }
            return true;
        }
        case QEvent::WindowActivate:
            FormActivate();
            break;
        default:
            break;
    }
    return QMainWindow::event(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    // A cancelled question or save keeps the program open and the model as it is.
    if (!dateien_->Sicherungsfrage("Sollen die Daten gesichert werden?")) {
        e->ignore();
        return;
    }
    // A run in progress ends after its current step.
    schliesst_ = true;
    AbbruchKnopf->setEnabled(false);
    Abbruch1->setEnabled(false);
    lauf_->Beende();
    e->accept();
}

}  // namespace quintor
