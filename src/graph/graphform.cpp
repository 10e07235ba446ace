#include "graphform.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPrinter>
#include <QShortcut>
#include <QSpinBox>
#include <QToolButton>

#include "dialoge.h"
#include "dokumentobjekt.h"
#include "grenzenform.h"
#include "hilfe.h"
#include "intedit.h"
#include "ks.h"
#include "kurvenwahl.h"
#include "meldungen.h"
#include "messdatei.h"
#include "schrift.h"
#include "singedit.h"
#include "symbole.h"
#include "textdatei.h"
#include "varwahlform.h"
#include "zahltext.h"

namespace quintor {

namespace {

constexpr int kKnopfleiste = 41;
// The two buttons stacked at the right end of the bar, so that the coordinates keep room for
// their widest text ("(-4.6E+0004; -4.6E+0004)") at the window's first size.
constexpr int kKurvenKnopfRechts = 28, kKurvenKnopfHoehe = 19;

// The bytes of a measurement file, at most `hoechstens` of them. When the file cannot be read or
// is larger, the result is empty and `problem` says why; a larger file is known by its size and
// is not read at all.
std::string LiesMessdatei(const QString& pfad, qint64 hoechstens, QString& problem) {
    Gelesen g = LeseDatei(pfad.toStdString(), static_cast<std::size_t>(hoechstens));
    if (g.fehler == Lesefehler::ZuGross) {
        const QLocale deutsch(QLocale::German, QLocale::Germany);
        problem = QStringLiteral(
                      "Die Messdatei %1 ist zu groß: Sie darf höchstens %2 Messpunkte (%3 Byte) "
                      "enthalten.\nEs werden keine Messpunkte gezeichnet.")
                      .arg(pfad, deutsch.toString(hoechstens / 8), deutsch.toString(hoechstens));
    } else if (!g) {
        problem = QString::fromStdString(Lesemeldung(pfad.toStdString(), g, "Messdatei"));
    }
    return std::move(g.bytes);
}

}  // namespace

TGraphForm::TGraphForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe, QWidget* parent)
    : TDialogFenster("Graph", 456, kKnopfleiste + 278, parent),
      dokument_(dokument),
      modell_(dokument.Inhalt().Daten()),
      dialoge_(dialoge),
      hilfe_(hilfe),
      lauf_(modell_) {
    setFont(Schrift("System", 13, false));
    setSizeGripEnabled(true);

    KnopfPanel = new QWidget(this);
    KnopfPanel->setFont(Schrift("System", 13, true));
    auto knopf = [this](int x, const char* hinweis, Symbol symbol, void (TGraphForm::*handler)()) {
        auto* k = new QToolButton(KnopfPanel);
        k->setGeometry(x, 8, 25, 25);
        k->setIcon(SymbolIcon(symbol));
        k->setIconSize(QSize(16, 16));
        k->setAutoRaise(true);
        k->setFocusPolicy(Qt::NoFocus);
        k->setToolTip(QString::fromUtf8(hinweis));
        connect(k, &QToolButton::clicked, this, handler);
        return k;
    };
    VarWahlKnopf = knopf(8, "Variablen für die Achsen des Koordinatensystems wählen",
                         Symbol::Achsenwahl, &TGraphForm::VarWahlKnopfClick);
    GrenzenKnopf = knopf(32, "Skala, Farbe und Darstellung des Graphen wählen", Symbol::Skala,
                         &TGraphForm::GrenzenKnopfClick);
    LoeschKnopf = knopf(56, "Zeichnung löschen", Symbol::Radieren, &TGraphForm::LoeschKnopfClick);
    CopyKnopf = knopf(80, "Graphen kopieren", Symbol::Kopieren, &TGraphForm::CopyKnopfClick);
    ZeigenKnopf = knopf(120, "zeichnen", Symbol::Zeichnen, &TGraphForm::ZeigenKnopfClick);
    HaltKnopf = knopf(144, "Zeichnen anhalten", Symbol::Anhalten, &TGraphForm::HaltKnopfClick);
    AbbruchKnopf =
        knopf(168, "Zeichnen abbrechen", Symbol::Abbruch, &TGraphForm::AbbruchKnopfClick);
    HilfeKnopf = knopf(208, "Hilfe", Symbol::Hilfeinhalt, &TGraphForm::HilfeKnopfClick);
    KurvenKnopf = knopf(0, "Weitere Kurven…", Symbol::Zeichnen, &TGraphForm::KurvenKnopfClick);
    KurvenKnopf->setIcon(KurvenSymbol(false));
    BehaltenKnopf = new QToolButton(KnopfPanel);
    BehaltenKnopf->setIcon(KurvenSymbol(true));
    BehaltenKnopf->setIconSize(QSize(16, 16));
    BehaltenKnopf->setAutoRaise(true);
    BehaltenKnopf->setCheckable(true);
    BehaltenKnopf->setFocusPolicy(Qt::NoFocus);
    BehaltenKnopf->setToolTip(QStringLiteral("Kurven behalten"));
    connect(BehaltenKnopf, &QToolButton::toggled, this, &TGraphForm::BehaltenKnopfClick);
    KurvenWahl = new TKurvenWahlForm(this);
    BaueBildbefehle();
    BaueMessbefehle();
    // F1 only opens the topic; unlike the button it leaves a run going.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { hilfe_.Kontext(1); });

    Label1 = new QLabel(KnopfPanel);
    Label1->setFont(Schrift("Times New Roman", 16, false));
    Blinklabel1 = new QLabel(KnopfPanel);
    Blinklabel1->setGeometry(272, 12, 80, 18);
    QPalette rot = Blinklabel1->palette();
    rot.setColor(QPalette::WindowText, QColor(128, 0, 0));  // maroon
    Blinklabel1->setPalette(rot);
    Blinklabel1->setFont(Schrift("System", 13, true));
    Blinklabel1->hide();
    Blinklabel1->setEnabled(false);
    Meldungslabel = new QLabel(KnopfPanel);
    Meldungslabel->setWordWrap(true);
    Meldungslabel->setFont(Schrift("System", 13, true));
    Meldungslabel->setPalette(rot);
    Meldungslabel->hide();
    blinken_.setInterval(500);
    connect(&blinken_, &QTimer::timeout, this, [this] {
        if (Blinklabel1->isEnabled()) Blinklabel1->setVisible(!Blinklabel1->isVisible());
    });

    KSPanel = new QFrame(this);
    KSPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    KSPanel->setLineWidth(1);
    KSPanel->setAutoFillBackground(true);
    QPalette weiss = KSPanel->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    KSPanel->setPalette(weiss);
    Koordinatensystem1 = new TKoordinatensystem(KSPanel);
    Koordinatensystem1->setFont(Schrift("Times New Roman", 13, false));
    Koordinatensystem1->setSkalenart(TSkala::teilweise);
    Koordinatensystem1->setGraphFarbe(Qt::black);
    Koordinatensystem1->setKSFarbe(QColor(128, 128, 128));
    Koordinatensystem1->setStiftart(QPainter::CompositionMode_Source);
    Koordinatensystem1->setMouseTracking(true);
    Koordinatensystem1->installEventFilter(this);

    // The run goes on past an overflowing step; it draws nothing for that step.
    lauf_.UeberlaufBeendet = false;
    resizeEvent(nullptr);
    Koordinatensystem1->setRasteranzahl(10);
    UebernimmGrenzen();
    // A model opened or begun anew brings its limits along.
    connect(&dokument_, &Dokumentobjekt::Veraendert, this, [this](Dokument::Teil teil) {
        if (teil == Dokument::Teil::Graph) UebernimmGrenzen();
    });
}

void TGraphForm::SetzeFenster(TVarWahlForm* varwahl, TGrenzenForm* grenzen) {
    varwahl_ = varwahl;
    grenzen_ = grenzen;
}

const Graphwerte& TGraphForm::Graph() const {
    return dokument_.Inhalt().Graph();
}

float TGraphForm::h() const {
    return modell_.Variablen[static_cast<std::size_t>(Graph().horizontal)].Wert;
}
float TGraphForm::v() const {
    return modell_.Variablen[static_cast<std::size_t>(Graph().vertikal)].Wert;
}

bool TGraphForm::AchsenGueltig() const {
    const Graphwerte& g = Graph();
    const auto gueltig = [this](std::int32_t i) { return i >= 1 && i <= modell_.Variablenzahl; };
    return g.AchsenGewaehlt && gueltig(g.horizontal) && gueltig(g.vertikal);
}

template <typename F>
void TGraphForm::Sicher(F&& zeichne) {
    try {
        zeichne();
    } catch (const Pixelfehler&) {
    }
}

void TGraphForm::AendereGraph(const std::function<void(Graphwerte&)>& aenderung) {
    Graphwerte g = Graph();
    aenderung(g);
    dokument_.Inhalt().SetzeGraph(g);
}

bool TGraphForm::SetzeGrenzen(float x1, float x2, float y1, float y2) {
    bool genommen = false;
    AendereGraph([&](Graphwerte& g) { genommen = g.SetzeGrenzen(x1, x2, y1, y2); });
    // Also when the document had these limits already: the control follows it.
    UebernimmGrenzen();
    return genommen;
}

void TGraphForm::UebernimmGrenzen() {
    TKoordinatensystem* ks = Koordinatensystem1;
    const Graphwerte& g = Graph();
    ks->setx1(-1e20f);
    ks->setx2(1e20f);
    ks->sety1(-1e20f);
    ks->sety2(1e20f);
    ks->setx1(g.x1);
    ks->setx2(g.x2);
    ks->sety1(g.y1);
    ks->sety2(g.y2);
}

void TGraphForm::InitVar() {
    angehalten_ = false;
    lauf_.Starte();
}

QString TGraphForm::Koordinatentext(float wert) {
    return QString::fromStdString(Zahltext(wert, kKoordinatenformat));
}

void TGraphForm::Loeschen() {
    TKoordinatensystem* ks = Koordinatensystem1;
    ks->Leeren();
    ks->ZeigeSofort();
    QCoreApplication::processEvents();
    if (schliesst_) return;
    const bool achsen = AchsenGueltig();
    QString hName, vName;
    if (achsen) {
        const auto name = [this](std::int32_t i) {
            return QString::fromStdString(modell_.Variablen[static_cast<std::size_t>(i)].Name);
        };
        hName = name(Graph().horizontal);
        vName = name(Graph().vertikal);
    }
    ks->Skalieren();
    ks->RasterZeichnen();
    // The axes through 0 in the colour of the coordinate system.
    const QColor graphFarbe = ks->GraphFarbe();
    ks->setGraphFarbe(ks->KSFarbe());
    if (static_cast<double>(ks->x1()) * ks->x2() <= 0)
        Sicher([&] {
            ks->GeheZu(0, ks->y1());
            ks->LinieZu(0, ks->y2());
        });
    if (static_cast<double>(ks->y1()) * ks->y2() <= 0)
        Sicher([&] {
            ks->GeheZu(ks->x1(), 0);
            ks->LinieZu(ks->x2(), 0);
        });
    ks->setGraphFarbe(graphFarbe);
    if (achsen) {
        ks->Textausgabe(15, 5, vName);
        ks->Textausgabe(ks->width() - 100, ks->height() - 20, hName);
        Sicher([&] { ks->GeheZu(h(), v()); });
        // Kept runs are redrawn from their values; the further curves go on from here.
        WaehleKurven();
        kurvenbuch_.ZeichneBehaltene(*ks, Kurvennamen());
        stiftGueltig_.fill(false);
        if (legendeFaellig_) ZeichneLegende();
    }
}

void TGraphForm::Messdaten() {
    messpunkte_.clear();
    if (eigeneMesspunkte_) {
        messpunkte_ = *eigeneMesspunkte_;
        ZeichneMesspunkte();
        return;
    }
    if (dokument_.Inhalt().Messdatei.empty()) return;
    const QString pfad = QString::fromStdString(dokument_.Inhalt().Messdatei);
    QString problem;
    const std::string inhalt = LiesMessdatei(pfad, MessdateiHoechstens, problem);
    quintor::Messdaten daten = LeseMessdaten(inhalt);
    if (problem.isEmpty() && !daten.vollstaendig)
        problem = QStringLiteral(
                      "Die Messdatei %1 ist unvollständig: Ihre Länge ist kein Vielfaches von "
                      "8 Byte.\nDie vollständigen Messpunkte werden gezeichnet.")
                      .arg(pfad);
    messpunkte_ = std::move(daten.punkte);
    ZeichneMesspunkte();
    // Once per opening of the window, and the run goes on.
    if (!problem.isEmpty() && !messfehlerGemeldet_) {
        messfehlerGemeldet_ = true;
        dialoge_.Melde(Meldungsart::Fehler, problem.toStdString());
    }
}

void TGraphForm::ZeichneMesspunkte() {
    for (const auto& [mx, my] : messpunkte_)
        Sicher([&] { Koordinatensystem1->KaestchenZeichnen(mx, my); });
}

void TGraphForm::paint() {
    if (!AchsenGueltig() || laeuft_ || schliesst_) return;
    TKoordinatensystem* ks = Koordinatensystem1;
    laeuft_ = true;
    int punktzaehler = 0;
    NeuerZug = false;
    VarWahlKnopf->setEnabled(false);
    GrenzenKnopf->setEnabled(false);
    ZeigenKnopf->setEnabled(false);
    Blinklabel1->setText(QStringLiteral("rechne"));
    Blinklabel1->setEnabled(true);
    Blinklabel1->show();
    blinken_.start();
    Stopp = false;
    KurvenKnopf->setEnabled(false);
    meldung_.clear();
    ZeigeMeldung(false);
    dokument_.Melde(QString());
    const bool neuerLauf = !angehalten_;
    angehalten_ = false;
    if (Abgebrochen) Loeschen();
    Label1->hide();
    Messdaten();
    Startpunkte(neuerLauf);
    ZeichneLegende();
    legendeFaellig_ = true;
    // From the current values: the start values after an opening, a finished run or an abort.
    lauf_.Fortsetzen();
    // The document's settings; nothing changes them during a run (the buttons that would are off).
    const Graphwerte& g = Graph();
    lauf_.GrenzVariable = g.horizontal;
    lauf_.Hoechstzahl = g.SchrittgrenzeAn ? g.Schrittgrenze : 0;
    // A condition on a name the model no longer has: the run goes on without it.
    if (!lauf_.SetzeBedingung(dokument_.Inhalt().Abbruch())) {
        meldung_ = QString::fromStdString(Bedingungswarnung(*dokument_.Inhalt().Abbruch()));
        dokument_.Melde(meldung_);
    }
    Laufende ende = Laufende::Weiter;
    schritte_ = 0;
    while (!schliesst_) {
        // A step that overflowed ends there, without a point.
        if (lauf_.Schritt() == Laufende::Weiter) Zeichne(g, punktzaehler);
        schritte_ = lauf_.Schritte();
        if (NachSchritt) NachSchritt();
        QCoreApplication::processEvents();
        if (Stopp || schliesst_ || !AchsenGueltig()) break;
        lauf_.Grenze = ks->x2();
        ende = lauf_.Pruefe();
        if (ende != Laufende::Weiter) break;
    }
    Stopp = true;
    // The condition and the step limit end the run as the right limit does.
    if (ende == Laufende::Bedingung) {
        meldung_ =
            QString::fromStdString(Abbruchmeldung(*dokument_.Inhalt().Abbruch(), lauf_.Schritte()));
        dokument_.Melde(meldung_);
    }
    const bool amEnde = ende == Laufende::Bedingung || ende == Laufende::Anzahl;
    if (!schliesst_ && AchsenGueltig() && (amEnde || h() >= ks->x2())) InitVar();
    legendeFaellig_ = false;
    if (!schliesst_ && AchsenGueltig()) ZeichneLegende();
    blinken_.stop();
    Blinklabel1->setEnabled(false);
    Blinklabel1->hide();
    Blinklabel1->clear();
    VarWahlKnopf->setEnabled(true);
    GrenzenKnopf->setEnabled(true);
    ZeigenKnopf->setEnabled(true);
    KurvenKnopf->setEnabled(true);
    laeuft_ = false;
    ++laeufe_;
    if (!schliesst_) ZeigeMeldung(true);
    dokument_.Gelaufen();
}

// ---- Buttons ----

void TGraphForm::VarWahlKnopfClick() {
    if (varwahl_ && varwahl_->exec() == QDialog::Accepted) {
        AendereGraph([this](Graphwerte& g) {
            g.horizontal = varwahl_->horizontal;
            g.vertikal = varwahl_->vertikal;
            g.AchsenGewaehlt = varwahl_->AchsenGewaehlt;
        });
        ZeigenKnopf->setEnabled(true);
        Loeschen();
        paint();
    } else if (!AchsenGueltig()) {
        ZeigenKnopf->setEnabled(false);
    }
}

void TGraphForm::GrenzenKnopfClick() {
    if (grenzen_) {
        const Graphwerte& g = Graph();
        grenzen_->x1Edit->setNumber(g.x1);
        grenzen_->x2Edit->setNumber(g.x2);
        grenzen_->y1Edit->setNumber(g.y1);
        grenzen_->y2Edit->setNumber(g.y2);
        grenzen_->SpinEdit1->setValue(g.Punktmodul);
        grenzen_->setDarstellungIndex(g.Streckenzug ? 0 : 1);
        grenzen_->SchrittgrenzeBox->setChecked(g.SchrittgrenzeAn);
        grenzen_->SchrittgrenzeEdit->setNumber(g.Schrittgrenze);
        if (grenzen_->exec() == QDialog::Accepted) {
            AendereGraph([this](Graphwerte& neu) {
                try {
                    neu.SetzeGrenzen(grenzen_->x1Edit->Number(), grenzen_->x2Edit->Number(),
                                     grenzen_->y1Edit->Number(), grenzen_->y2Edit->Number());
                } catch (const Gleitkommaueberlauf&) {
                    // The dialog refuses such numbers; nothing to change here.
                }
                neu.Streckenzug = grenzen_->DarstellungIndex() == 0;
                neu.Punktmodul = grenzen_->SpinEdit1->value();
                neu.SchrittgrenzeAn = grenzen_->SchrittgrenzeBox->isChecked();
                // An unchecked box keeps the last valid count.
                if (neu.SchrittgrenzeAn || grenzen_->SchrittgrenzeEdit->Number() >= 1)
                    neu.Schrittgrenze = grenzen_->SchrittgrenzeEdit->Number();
            });
            UebernimmGrenzen();
        }
    }
    Loeschen();
    paint();
}

void TGraphForm::LoeschKnopfClick() {
    // A saved picture shows what the window shows: nothing of what was cleared.
    kurvenbuch_.LoescheBehaltene();
    kurvenbuch_.LoescheAktuellePunkte();
    messpunkte_.clear();
    Loeschen();
}

void TGraphForm::CopyKnopfClick() {
    Koordinatensystem1->Kopieren();
}

void TGraphForm::ZeigenKnopfClick() {
    paint();
}

void TGraphForm::HaltKnopfClick() {
    Stopp = true;
    angehalten_ = laeuft_;
    lauf_.Halte();
    Abgebrochen = false;
}

void TGraphForm::AbbruchKnopfClick() {
    Stopp = true;
    InitVar();
    lauf_.Halte();
    Abgebrochen = true;
}

void TGraphForm::HilfeKnopfClick() {
    AbbruchKnopfClick();
    hilfe_.Kontext(1);
}

// ---- Window events ----

void TGraphForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    // Restoring after minimising, or any other re-show by the window system, is not a new
    // opening: the picture and the run stay as they are.
    if (e->spontaneous()) return;
    schliesst_ = false;
    // The run starts inside the dialog's own event loop, so that closing can end it.
    QTimer::singleShot(0, this, &TGraphForm::FormActivate);
}

void TGraphForm::FormActivate() {
    if (!isVisible()) return;
    Aufziehen = false;
    Abgebrochen = false;
    messfehlerGemeldet_ = false;
    InitVar();
    Blinklabel1->setEnabled(false);
    Blinklabel1->hide();
    if (AchsenGueltig()) {
        Loeschen();
        paint();
    } else {
        // Indices that no longer name variables count as not chosen.
        if (Graph().AchsenGewaehlt) AendereGraph([](Graphwerte& g) { g.AchsenGewaehlt = false; });
        VarWahlKnopfClick();
    }
}

void TGraphForm::done(int ergebnis) {
    // A run in progress ends first; nothing is drawn or read after this.
    Stopp = true;
    lauf_.Halte();
    schliesst_ = true;
    TDialogFenster::done(ergebnis);
}

void TGraphForm::resizeEvent(QResizeEvent* e) {
    if (e) TDialogFenster::resizeEvent(e);
    KnopfPanel->setGeometry(0, 0, width(), kKnopfleiste);
    KurvenKnopf->setGeometry(width() - kKurvenKnopfRechts, 1, 25, kKurvenKnopfHoehe);
    BehaltenKnopf->setGeometry(width() - kKurvenKnopfRechts, 2 + kKurvenKnopfHoehe, 25,
                               kKurvenKnopfHoehe);
    const int frei = std::max(0, KurvenKnopf->x() - 4 - 252);
    Label1->setGeometry(252, 10, frei, 22);
    Meldungslabel->setGeometry(252, 1, frei, kKnopfleiste - 2);
    KSPanel->setGeometry(0, kKnopfleiste, width(), height() - kKnopfleiste);
    Koordinatensystem1->setGeometry(KSPanel->contentsRect());
    if (e && isVisible()) FormResize();
}

void TGraphForm::FormResize() {
    Loeschen();
    NeuerZug = true;
    // With no run going on, a new size draws again; from the event loop, not from inside a show.
    if (Stopp && !laeuft_)
        QTimer::singleShot(0, this, [this] {
            if (Stopp && !laeuft_ && isVisible()) paint();
        });
}

// ---- Mouse on the coordinate system: only while no run is going on ----

bool TGraphForm::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == Koordinatensystem1) {
        switch (e->type()) {
            case QEvent::MouseButtonPress: {
                const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
                Koordinatensystem1MouseDown(p.x(), p.y());
                return true;
            }
            case QEvent::MouseMove: {
                const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
                Koordinatensystem1MouseMove(p.x(), p.y());
                return true;
            }
            case QEvent::MouseButtonRelease:
                Koordinatensystem1MouseUp();
                return true;
            case QEvent::Leave:
                ZeigeMeldung(true);
                break;
            default:
                break;
        }
    }
    return TDialogFenster::eventFilter(objekt, e);
}

void TGraphForm::Koordinatensystem1MouseDown(int x, int y) {
    if (!Stopp || laeuft_ || Aufziehen) return;
    xStart = xEnde = x;
    yStart = yEnde = y;
    Koordinatensystem1->Gummiband(xStart, yStart, xEnde, yEnde);
    Aufziehen = true;
}

void TGraphForm::Koordinatensystem1MouseMove(int x, int y) {
    if (!Stopp || laeuft_) {
        Label1->hide();
    } else if (Aufziehen) {
        Koordinatensystem1->Gummiband(xStart, yStart, xEnde, yEnde);
        xEnde = x;
        yEnde = y;
        Koordinatensystem1->Gummiband(xStart, yStart, xEnde, yEnde);
    } else {
        Meldungslabel->hide();
        Label1->show();
        Koordinatensystem1->setxint(x);
        Koordinatensystem1->setyint(y);
        Label1->setText(QStringLiteral("(") + Koordinatentext(Koordinatensystem1->x()) +
                        QStringLiteral("; ") + Koordinatentext(Koordinatensystem1->y()) +
                        QStringLiteral(")"));
    }
}

void TGraphForm::Koordinatensystem1MouseUp() {
    if (!Stopp || laeuft_ || !Aufziehen) return;
    Aufziehen = false;
    TKoordinatensystem* ks = Koordinatensystem1;
    ks->Gummiband(xStart, yStart, xEnde, yEnde);
    if (xStart == xEnde || yStart == yEnde) return;
    ks->setxint(xStart);
    const float fx1 = ks->x();
    ks->setyint(yStart);
    const float fy1 = ks->y();
    ks->setxint(xEnde);
    const float fx2 = ks->x();
    ks->setyint(yEnde);
    const float fy2 = ks->y();
    // A rectangle too small for single precision would give a range of zero.
    if (fx1 == fx2 || fy1 == fy2) return;
    SetzeGrenzen(fx1, fx2, fy1, fy2);
    Loeschen();
    paint();
}

}  // namespace quintor
