// The main window's help with runs: the stop-condition dialog and the hint list, and the hint
// summary in the status line after every scan and every run.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

#include "abbruchform.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "hilfefenster.h"
#include "hinweise.h"
#include "hinweisfenster.h"
#include "mainform.h"

namespace quintor {

namespace {

// Between a run's own message and the hint summary: the run's message always comes first.
constexpr const char* kTrenner = " · ";

class Laufhilfen : public QObject {
  public:
    Laufhilfen(TMainForm& f, Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe);

  private:
    void AbbruchbedingungClick();
    void HinweiseClick();
    void ScanneWennNoetig();
    // Scans a model whose text was edited since; false after a failed scan, whose messages are
    // then shown (once) and whose faulty line takes the cursor.
    bool Gescannt();
    void Plaziere();
    void Springe(int zeile);
    void Laufmeldung(const QString& text);
    void NachScan();
    void NachLauf();
    // The status line shows `text`; an empty text clears only a hint summary shown before.
    void Melde(const QString& text, bool mitHinweisen);

    TMainForm& f_;
    Dokumentobjekt& dokument_;
    Dialoge& dialoge_;
    QPointer<TAbbruchForm> abbruch_;
    QPointer<THinweisFenster> hinweise_;
    QString laufmeldung_;  // of the current or the last run
    QString gemeldet_;     // the last status line this put there with hints
    bool plaziert_ = false;
};

Laufhilfen::Laufhilfen(TMainForm& f, Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe)
    : QObject(f.StatusLine), f_(f), dokument_(dokument), dialoge_(dialoge) {
    abbruch_ = new TAbbruchForm(dokument, dialoge, &f);
    abbruch_->Hilfeaufruf = [&hilfe] {
        if (auto* fenster = dynamic_cast<THilfeFenster*>(&hilfe))
            fenster->Zeige(QStringLiteral("abbruch.html"));
        else
            hilfe.Inhalt();
    };
    hinweise_ = new THinweisFenster(&f);
    connect(hinweise_, &THinweisFenster::ZeileGewaehlt, this, &Laufhilfen::Springe);

    f.Simulation->addSeparator();
    QAction* abbruch = f.Simulation->addAction(QStringLiteral("&Abbruchbedingung…"));
    abbruch->setObjectName(QStringLiteral("Abbruchbedingung1"));
    abbruch->setStatusTip(QStringLiteral("Eine Bedingung festlegen, mit der jeder Lauf endet"));
    connect(abbruch, &QAction::triggered, this, &Laufhilfen::AbbruchbedingungClick);
    QAction* liste = f.Simulation->addAction(QStringLiteral("&Hinweise"));
    liste->setObjectName(QStringLiteral("Hinweise1"));
    liste->setStatusTip(QStringLiteral("Mögliche Fehler im Modell anzeigen"));
    connect(liste, &QAction::triggered, this, &Laufhilfen::HinweiseClick);

    connect(&dokument, &Dokumentobjekt::Veraendert, this, [this](Dokument::Teil teil) {
        // Opening a model sets its start values after the scan: a constant's hint goes then.
        if (teil == Dokument::Teil::Modell || teil == Dokument::Teil::Startwerte) NachScan();
    });
    connect(&f.Iteration(), &Iterationslauf::Meldung, this, &Laufhilfen::Laufmeldung);
    connect(&dokument, &Dokumentobjekt::Statusmeldung, this, &Laufhilfen::Laufmeldung);
    // The run keeps the condition it started with and names it at its end: it cannot change
    // in between.
    connect(&f.Iteration(), &Iterationslauf::Laufzustand, this, [this, abbruch](bool laeuft) {
        abbruch->setEnabled(!laeuft);
        if (!laeuft) NachLauf();
    });
    connect(&dokument, &Dokumentobjekt::LaufBeendet, this, &Laufhilfen::NachLauf);
}

void Laufhilfen::ScanneWennNoetig() {
    // The editor may still have the focus, so that leaving it has not scanned yet.
    const Dokument& d = dokument_.Inhalt();
    if (!d.Fehler() && d.Daten().Variablenzahl == 0 && !d.Zeilen().empty()) f_.SCANNEN();
}

bool Laufhilfen::Gescannt() {
    const bool warFehler = dokument_.Inhalt().Fehler().has_value();
    ScanneWennNoetig();
    if (!dokument_.Inhalt().Fehler()) return true;
    // A copy: the message boxes run the event loop.
    const Scanfehler fehler = *dokument_.Inhalt().Fehler();
    // A scan just made has shown its messages already.
    if (warFehler)
        for (const std::string& text : fehler.meldungen) dialoge_.Melde(Meldungsart::Fehler, text);
    Springe(fehler.zeile);
    return false;
}

void Laufhilfen::AbbruchbedingungClick() {
    if (!abbruch_ || !Gescannt()) return;
    abbruch_->exec();
}

void Laufhilfen::HinweiseClick() {
    if (!hinweise_) return;
    ScanneWennNoetig();
    if (!plaziert_) Plaziere();
    hinweise_->show();
    hinweise_->raise();
    hinweise_->activateWindow();
}

void Laufhilfen::Plaziere() {
    // Below the main window, where it hides neither the editor nor the grid; as far down as the
    // screen allows.
    plaziert_ = true;
    const QScreen* schirm = f_.screen();
    if (!schirm) return;
    const QRect platz = schirm->availableGeometry();
    const QRect haupt = f_.frameGeometry();
    // Not shown yet, the list has no frame: the window manager gives it the main window's.
    const int rahmen = haupt.height() - f_.height();
    // On a low screen a shorter list below beats one over the status line's summary.
    const int frei = platz.bottom() - haupt.bottom() - rahmen;
    if (frei >= 80 && frei < hinweise_->height()) hinweise_->resize(hinweise_->width(), frei);
    const int y = std::min(haupt.bottom() + 1, platz.bottom() + 1 - hinweise_->height() - rahmen);
    hinweise_->move(std::max(platz.left(), haupt.left()), std::max(platz.top(), y));
}

void Laufhilfen::Springe(int zeile) {
    const QTextBlock block = f_.Memo1->document()->findBlockByNumber(zeile - 1);
    if (zeile < 1 || !block.isValid()) return;
    f_.activateWindow();
    f_.Memo1->setFocus();
    f_.Memo1->setTextCursor(QTextCursor(block));
    f_.Memo1->ensureCursorVisible();
}

void Laufhilfen::Laufmeldung(const QString& text) {
    // A run begins with an empty message; a later one (a warning, the end) replaces it.
    laufmeldung_ = text;
}

void Laufhilfen::NachScan() {
    const std::vector<Hinweis> liste = Scanhinweise(dokument_.Inhalt());
    if (hinweise_) hinweise_->Zeige(liste);
    Melde(QString::fromStdString(Hinweiszusammenfassung(liste)), true);
}

void Laufhilfen::NachLauf() {
    std::vector<Hinweis> liste = Scanhinweise(dokument_.Inhalt());
    for (Hinweis& h : Laufhinweise(dokument_.Inhalt())) liste.push_back(std::move(h));
    if (hinweise_) hinweise_->Zeige(liste);
    QString text = laufmeldung_;
    const QString zusammenfassung = QString::fromStdString(Hinweiszusammenfassung(liste));
    if (!text.isEmpty() && !zusammenfassung.isEmpty()) text += QString::fromUtf8(kTrenner);
    Melde(text + zusammenfassung, !zusammenfassung.isEmpty());
}

void Laufhilfen::Melde(const QString& text, bool mitHinweisen) {
    if (text.isEmpty() && f_.StatusLine->text() != gemeldet_) return;
    f_.StatusLine->setText(text);
    gemeldet_ = mitHinweisen ? text : QString();
}

}  // namespace

void BaueLaufhilfen(TMainForm& f, Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe) {
    new Laufhilfen(f, dokument, dialoge, hilfe);
}

}  // namespace quintor
