#include "tabellenform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <memory>

#include "ansichtsgroesse.h"
#include "dialoge.h"
#include "dokumentobjekt.h"
#include "hilfe.h"
#include "meldungen.h"
#include "schrift.h"
#include "symbole.h"
#include "tabellendruck.h"
#include "tabellentext.h"
#include "tabvarwahlform.h"
#include "textdatei.h"
#include "zahltext.h"

namespace quintor {

namespace {

// The text area refuses a further line.
struct SpeicherErschoepft {};

constexpr qint64 kSchreibAbstandMs = 16;
constexpr const char* kTitel = "Tabelle";

}  // namespace

TTabellenform::TTabellenform(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe,
                             QWidget* parent)
    : TDialogFenster(kTitel, 512, 370 - kRahmenhoehe, parent),
      dokument_(dokument),
      modell_(dokument.Inhalt().Daten()),
      dialoge_(dialoge),
      hilfe_(hilfe),
      lauf_(modell_) {
    setFont(Schrift("MS Sans Serif", 11, true));
    setSizeGripEnabled(true);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(0, 0, 512, 273);
    Memo1->setReadOnly(true);
    // Read-only, but the caret and the keyboard still move and mark, as in any text field.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setFont(Schrift("Courier New", 16, false));
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setUndoRedoEnabled(false);

    auto knopf = [this](int x, const char* text, auto handler) {
        auto* k = new QPushButton(QString::fromUtf8(text), this);
        k->setGeometry(x, 288, 77, 27);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, handler);
        return k;
    };
    StopBtn = knopf(13, "Stop", &TTabellenform::StopBtnClick);
    WeiterBtn = knopf(93, "Weiter", &TTabellenform::WeiterBtnClick);
    WeiterBtn->setEnabled(false);
    NeuBtn = knopf(173, "Neu", &TTabellenform::NeuBtnClick);
    CopyBtn = knopf(253, "Copy", &TTabellenform::CopyBtnClick);
    CopyBtn->setIcon(SymbolIcon(Symbol::Kopieren));
    HelpButton = knopf(333, "&Hilfe", [this] { hilfe_.Kontext(2); });
    OKBtn = knopf(413, "OK", &QDialog::accept);
    OKBtn->setDefault(true);
    BaueMehrBefehle();
    CsvDialog = [this] {
        QFileDialog d(this, QStringLiteral("Speichern als CSV"), QString(),
                      QStringLiteral("CSV-Datei (*.csv)"));
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setDefaultSuffix(QStringLiteral("csv"));
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    DruckDialog = [this](QPrinter& drucker) {
        return QPrintDialog(&drucker, this).exec() == QDialog::Accepted;
    };
    auto* drucken = new QShortcut(QKeySequence::Print, this);
    connect(drucken, &QShortcut::activated, this, &TTabellenform::DruckBtnClick);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { hilfe_.Kontext(2); });

    QWidget* reihe[] = {OKBtn, Memo1, CopyBtn, StopBtn, NeuBtn, WeiterBtn, HelpButton, MehrBtn};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

TTabellenform::~TTabellenform() = default;

void TTabellenform::SetzeFenster(TTabVarWahlForm* auswahl) {
    auswahl_ = auswahl;
}

// ---- Lines ----

QString TTabellenform::Auffuellen(const QString& name) {
    return QString::fromStdString(quintor::Auffuellen(name.toStdString()));
}

QString TTabellenform::TabZahlText(float x) {
    return QString::fromStdString(quintor::TabZahlText(x));
}

std::vector<std::int32_t> TTabellenform::Spalten() const {
    std::vector<std::int32_t> spalten;
    if (!gewaehlt_) return spalten;
    for (const std::int32_t c : dokument_.Inhalt().Tabelle().Spalten)
        if (c >= 1 && c <= modell_.Variablenzahl) spalten.push_back(c);
    return spalten;
}

QString TTabellenform::TitelZeile() const {
    return QString::fromStdString(quintor::TitelZeile(modell_, Spalten()));
}

QString TTabellenform::DatenZeile() const {
    return QString::fromStdString(quintor::DatenZeile(modell_, Spalten()));
}

void TTabellenform::HaengeAn(const QString& zeile) {
    const long long zeichen = zeile.size() + (zeilen_ > 0 ? 1 : 0);
    if (zeilen_ >= Kapazitaet || zeichen_ + zeichen > KapazitaetZeichen) throw SpeicherErschoepft{};
    if (zeilen_ > 0) puffer_ += QLatin1Char('\n');
    puffer_ += zeile;
    ++zeilen_;
    zeichen_ += zeichen;
}

void TTabellenform::Schreibe() {
    seitSchreiben_.start();
    if (puffer_.isEmpty()) return;
    QTextCursor ende(Memo1->document());
    ende.movePosition(QTextCursor::End);
    ende.insertText(puffer_);
    puffer_.clear();
    Memo1->verticalScrollBar()->setValue(Memo1->verticalScrollBar()->maximum());
}

void TTabellenform::Leere() {
    Memo1->clear();
    puffer_.clear();
    werte_.Leere();
    zeilen_ = 0;
    zeichen_ = 0;
}

QString TTabellenform::Text() {
    Schreibe();
    // Raw, so that no character is changed; the lines as written.
    QString t = Memo1->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

// ---- The run ----

void TTabellenform::Meldung(const QString& text) {
    // In the caption, so that it stays out of the copied text.
    setWindowTitle(text.isEmpty() ? QString(kTitel) : QString(kTitel) + " – " + text);
    dokument_.Melde(text);
}

QString TTabellenform::SetzeBedingung() {
    const std::optional<Abbruchbedingung>& b = dokument_.Inhalt().Abbruch();
    return lauf_.SetzeBedingung(b) ? QString() : QString::fromStdString(Bedingungswarnung(*b));
}

void TTabellenform::Arbeite() {
    const std::vector<std::int32_t> spalten = Spalten();
    if (spalten.empty()) {
        dialoge_.Melde(Meldungsart::Warnung,
                       "Verlassen Sie das Fenster und wählen Sie\nmindestens eine Variable aus!");
        StopBtn->setEnabled(false);
        return;
    }
    ++tiefe_;
    const auto fehlschlag = [this] {
        Schreibe();
        dialoge_.Melde(Meldungsart::Warnung, "Der Speicher des Editors ist voll.");
        Fertig = true;
        SpeicherVoll = true;
        WeiterBtn->setEnabled(false);
        StopBtn->setEnabled(false);
    };
    try {
        HaengeAn(QString::fromStdString(quintor::TitelZeile(modell_, spalten)));
        werte_.Titel(modell_, spalten);
        HaengeAn(QString());
        werte_.Leerzeile();
    } catch (const SpeicherErschoepft&) {
        fehlschlag();
    }
    const Dokument& dokument = dokument_.Inhalt();
    const std::int64_t k = dokument.Tabelle().Auslassen;
    // Step numbers start at 1 in every call; the values go on from where they are.
    lauf_.Fortsetzen();
    Meldung(QString());
    // A condition whose variable is gone is reported; the run goes on without it.
    if (const QString warnung = SetzeBedingung(); !warnung.isEmpty()) Meldung(warnung);
    std::string zeile;
    // The current values as a line of text and of values; false when the table is full.
    const auto schreibeZeile = [&] {
        try {
            zeile.clear();
            HaengeDatenZeileAn(zeile, modell_, spalten);
            HaengeAn(QString::fromStdString(zeile));
            werte_.Daten(modell_, spalten);
            return true;
        } catch (const SpeicherErschoepft&) {
            return false;
        }
    };
    seitSchreiben_.start();
    while (!Fertig && !schliesst_) {
        // The line shows the values before the step.
        if (ZeileFaellig(lauf_.Schritte() + 1, k) && !schreibeZeile()) {
            fehlschlag();
            break;
        }
        if (lauf_.Schritt() == Laufende::Ueberlauf) {
            fehlschlag();
            break;
        }
        // At least one step, also for a count of 0.
        lauf_.Hoechstzahl = std::max<std::int64_t>(1, dokument.Wiederholungen);
        const Laufende ende = lauf_.Pruefe();
        if (ende == Laufende::Bedingung) {
            // The values that met the condition close the table, whatever the skip count.
            if (!schreibeZeile()) {
                fehlschlag();
                break;
            }
            Fertig = true;
            Meldung(QString::fromStdString(Abbruchmeldung(*dokument.Abbruch(), lauf_.Schritte())));
        } else if (ende == Laufende::Anzahl) {
            Fertig = true;
        }
        if (seitSchreiben_.elapsed() >= kSchreibAbstandMs) Schreibe();
        QCoreApplication::processEvents();
    }
    --tiefe_;
    ++laeufe_;
    dokument_.Gelaufen();
    if (schliesst_) return;
    Schreibe();
    if (!SpeicherVoll) {
        StopBtn->setEnabled(false);
        WeiterBtn->setEnabled(true);
    }
}

// ---- Buttons ----

void TTabellenform::StopBtnClick() {
    Fertig = true;
    StopBtn->setEnabled(false);
    WeiterBtn->setEnabled(true);
}

void TTabellenform::WeiterBtnClick() {
    Fertig = false;
    WeiterBtn->setEnabled(false);
    StopBtn->setEnabled(true);
    // Without chosen columns "Weiter" only repeats the warning; the text stays as it is.
    if (!Spalten().empty()) {
        try {
            HaengeAn(QString());
            werte_.Leerzeile();
            HaengeAn(QString());
            werte_.Leerzeile();
        } catch (const SpeicherErschoepft&) {
        }
    }
    Arbeite();
}

void TTabellenform::NeuBtnClick() {
    // The start values as the grid shows them now; one that cannot be read ends the command
    // before the table or the buttons change.
    if (!dokument_.Inhalt().StartwerteUebernehmen(dialoge_)) return;
    Leere();
    Fertig = false;
    SpeicherVoll = false;
    StopBtn->setEnabled(true);
    WeiterBtn->setEnabled(false);
    lauf_.Starte();
    Arbeite();
}

void TTabellenform::CopyBtnClick() {
    Schreibe();
    if (Memo1->textCursor().hasSelection())
        Memo1->copy();
    else
        dialoge_.Melde(Meldungsart::Warnung,
                       "Sie müssen zuerst den gewünschten Ausschnitt markieren!");
}

std::pair<std::size_t, std::size_t> TTabellenform::Ausschnitt() const {
    const QTextCursor c = Memo1->textCursor();
    if (!c.hasSelection()) return {0, werte_.Zeilenzahl()};
    const QTextDocument* doc = Memo1->document();
    const QTextBlock ende = doc->findBlock(c.selectionEnd());
    // A marking that ends at the start of a line does not take that line.
    return {std::size_t(doc->findBlock(c.selectionStart()).blockNumber()),
            std::size_t(ende.blockNumber()) + (c.selectionEnd() > ende.position() ? 1 : 0)};
}

bool TTabellenform::HatWerte(std::size_t von, std::size_t bis) {
    if (werte_.HatWerte(von, bis)) return true;
    dialoge_.Melde(Meldungsart::Warnung, Memo1->textCursor().hasSelection()
                                             ? "Der markierte Ausschnitt enthält keine Werte."
                                             : "Die Tabelle enthält noch keine Werte.");
    return false;
}

std::optional<std::string> TTabellenform::Austauschtext(Austauschform form) {
    Schreibe();
    const auto [von, bis] = Ausschnitt();
    if (!HatWerte(von, bis)) return std::nullopt;
    return werte_.Text(form, von, bis);
}

void TTabellenform::CsvBtnClick() {
    const std::optional<std::string> text = Austauschtext(Austauschform::Csv);
    if (!text) return;
    QString pfad = CsvDialog ? CsvDialog() : QString();
    if (pfad.isEmpty()) return;
    if (!QFileInfo(pfad).fileName().contains(QLatin1Char('.'))) {
        pfad += QStringLiteral(".csv");
        // The dialog asked about the name without extension, not about this file.
        if (QFileInfo::exists(pfad) &&
            !dialoge_.Frage("Die Datei " + QFileInfo(pfad).fileName().toStdString() +
                            " existiert bereits.\nSoll sie überschrieben werden?"))
            return;
    }
    // The whole file at once: a failure leaves the old file as it was.
    std::string grund;
    if (!ErsetzeDatei(pfad.toStdString(), *text, &grund))
        dialoge_.Melde(Meldungsart::Fehler, "Die Datei " + pfad.toStdString() +
                                                " kann nicht geschrieben werden.\n" + grund);
}

void TTabellenform::KalkulationBtnClick() {
    if (const std::optional<std::string> text = Austauschtext(Austauschform::Tabulator))
        QApplication::clipboard()->setText(QString::fromStdString(*text));
}

void TTabellenform::DruckBtnClick() {
    Schreibe();
    const auto [von, bis] = Ausschnitt();
    if (!HatWerte(von, bis)) return;
    if (!drucker_) drucker_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!DruckDialog || !DruckDialog(*drucker_)) return;
    const QStringList text = Text().split(QLatin1Char('\n'));
    Tabellendruck t;
    t.dateiname = QString::fromStdString(dokument_.Inhalt().Dateiname());
    t.datum = QDate::currentDate();
    // Every run of this opening wrote the same names first.
    t.titel = text.value(0);
    t.zeilen = Tabellenrumpf(text.mid(qsizetype(von), qsizetype(bis - von)), t.titel);
    QString fehler;
    if (!DruckeTabelle(*drucker_, t, &fehler))
        dialoge_.Melde(Meldungsart::Fehler, fehler.toStdString());
}

// ---- Window events ----

void TTabellenform::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (e->spontaneous()) return;
    schliesst_ = false;
    // From the dialog's own event loop, so that closing can end the run.
    QTimer::singleShot(0, this, &TTabellenform::FormActivate);
}

void TTabellenform::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Cancel)) {
        e->accept();
        return;
    }
    TDialogFenster::keyPressEvent(e);
}

void TTabellenform::FormActivate() {
    if (!isVisible()) return;
    setWindowTitle(kTitel);
    FormResize();
    Leere();
    Fertig = false;
    SpeicherVoll = false;
    OKBtn->setFocus();
    gewaehlt_ = auswahl_ && auswahl_->exec() == QDialog::Accepted;
    if (gewaehlt_) {
        StopBtn->setEnabled(true);
        WeiterBtn->setEnabled(false);
        lauf_.Starte();
        Arbeite();
    } else {
        dialoge_.Melde(Meldungsart::Warnung,
                       "Sie sollten mindestens eine Variable ausgewählt haben.\n"
                       "Verlassen Sie dieses Fenster mit OK!");
        StopBtn->setEnabled(false);
    }
}

void TTabellenform::done(int ergebnis) {
    // A run in progress ends first; nothing is appended after this.
    Fertig = true;
    lauf_.Halte();
    schliesst_ = true;
    TDialogFenster::done(ergebnis);
}

void TTabellenform::BaueMehrBefehle() {
    auto* menue = new QMenu(this);
    CsvBtn =
        menue->addAction(QStringLiteral("Speichern als CSV…"), this, &TTabellenform::CsvBtnClick);
    KalkulationBtn = menue->addAction(QStringLiteral("Kopieren für Tabellenkalkulation"), this,
                                      &TTabellenform::KalkulationBtnClick);
    DruckBtn =
        menue->addAction(QStringLiteral("Tabelle drucken"), this, &TTabellenform::DruckBtnClick);
    // In the designed window's right margin, as narrow as the graph's menu arrow.
    MehrBtn = new QToolButton(this);
    MehrBtn->setGeometry(492, 288, 18, 27);
    MehrBtn->setArrowType(Qt::DownArrow);
    MehrBtn->setToolTip(
        QStringLiteral("Speichern als CSV, Kopieren für Tabellenkalkulation, "
                       "Tabelle drucken"));
    MehrBtn->setMenu(menue);
    MehrBtn->setPopupMode(QToolButton::InstantPopup);
    MehrBtn->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    // A right click on the table offers them after the usual text commands.
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this, [this, menue](const QPoint& p) {
        std::unique_ptr<QMenu> kontext(Memo1->createStandardContextMenu(p));
        kontext->addSeparator();
        kontext->addActions(menue->actions());
        kontext->exec(Memo1->viewport()->mapToGlobal(p));
    });
}

void TTabellenform::resizeEvent(QResizeEvent* e) {
    TDialogFenster::resizeEvent(e);
    FormResize();
}

void TTabellenform::FormResize() {
    // The rule counts the height of the window with its frame.
    const int h = height() + kRahmenhoehe;
    Memo1->setGeometry(0, 0, width(), h - 70);
    for (QWidget* k : std::initializer_list<QWidget*>{StopBtn, WeiterBtn, NeuBtn, CopyBtn,
                                                      HelpButton, OKBtn, MehrBtn})
        k->move(k->x(), h - 60);
}

void TTabellenform::SetzeSchriftfaktor(double faktor) {
    Memo1->setFont(Vergroessert(Schrift("Courier New", 16, false), faktor));
    // Wide enough for the lines of larger text; never narrower than designed.
    resize(std::max(512, static_cast<int>(std::lround(512 * faktor))), height());
}

}  // namespace quintor
