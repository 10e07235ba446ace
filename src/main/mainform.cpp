// The main window's construction: layout, menu, tool bar, hints.
#include "mainform.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QToolButton>

#include "anwendung_einrichten.h"
#include "dialoge.h"
#include "hilfe.h"
#include "intedit.h"
#include "memotext.h"
#include "rotaryswitch.h"
#include "schrift.h"
#include "stringgrid.h"
#include "symbole.h"
#include "zahltext.h"

namespace quintor {

namespace {

// Panels docked to the edges like the original layout: top, bottom, left, and the rest.
class Andockflaeche : public QWidget {
  public:
    using QWidget::QWidget;
    QWidget *oben = nullptr, *unten = nullptr, *links = nullptr, *rest = nullptr;
    int hoeheOben = 0, hoeheUnten = 0, breiteLinks = 0;

  protected:
    void resizeEvent(QResizeEvent*) override {
        const int w = width(), h = height();
        oben->setGeometry(0, 0, w, hoeheOben);
        unten->setGeometry(0, h - hoeheUnten, w, hoeheUnten);
        const int mitte = std::max(0, h - hoeheOben - hoeheUnten);
        links->setGeometry(0, hoeheOben, breiteLinks, mitte);
        rest->setGeometry(breiteLinks, hoeheOben, std::max(0, w - breiteLinks), mitte);
    }
};

QFrame* Panel(QWidget* eltern) {
    auto* p = new QFrame(eltern);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(2);
    return p;
}

}  // namespace

// Shows every stored result in the grid's result column.
class TMainForm::Ergebnisspalte : public Ergebnisanzeige {
  public:
    explicit Ergebnisspalte(TStringGrid* gitter) : gitter_(gitter) {}
    void Ergebnis(std::int32_t ziel, float wert) override {
        gitter_->SetzeZelle(2, ziel, ZahlZuText(wert));
    }

  private:
    TStringGrid* gitter_;
};

TMainForm::TMainForm(Modell& modell, Dialoge& dialoge, Hilfe& hilfe, QStringList argumente,
                     QWidget* parent)
    : QMainWindow(parent),
      modell_(modell),
      dialoge_(dialoge),
      hilfe_(hilfe),
      argumente_(std::move(argumente)) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(SymbolIcon(Symbol::Programm));
    setFont(Schrift("MS Sans Serif", 9, true));
    BaueFenster();
    BaueWerkzeugleiste();
    BaueMenue();

    // FormCreate
    Dateiname.clear();
    Gesichert = true;
    setWindowTitle(QStringLiteral("Quintor"));
    Wiederholungen = SpinEdit1->value();

    // 638 x 491 outside, less the frame the window manager adds.
    resize(630, 460);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - QPoint(638 / 2, 491 / 2));

    connect(qApp, &QApplication::focusChanged, this, &TMainForm::FokusWechsel);

    const QString filter = QStringLiteral("Simulation (*.sim)");
    OeffnenDialog = [this, filter] {
        QFileDialog d(this, QStringLiteral("Öffnen"), QString(), filter);
        d.setFileMode(QFileDialog::ExistingFile);
        d.setDefaultSuffix(QStringLiteral("sim"));
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    SpeichernDialog = [this, filter] {
        // Asks before overwriting; the folder must exist; no default extension.
        QFileDialog d(this, QStringLiteral("Speichern unter"), QString(), filter);
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        return d.exec() == QDialog::Accepted ? d.selectedFiles().value(0) : QString();
    };
    Schriftwahl = [this](const QFont& vorgabe) -> std::optional<QFont> {
        bool ok = false;
        const QFont gewaehlt = QFontDialog::getFont(&ok, vorgabe, this);
        return ok ? std::optional<QFont>(gewaehlt) : std::nullopt;
    };
}

TMainForm::~TMainForm() {
    // A run still on the stack must not touch what is being destroyed.
    schliesst_ = true;
    // The children and the focus change while QWidget tears them down; by then this is no
    // longer a TMainForm and must not receive their signals.
    QObject::disconnect(qApp, nullptr, this, nullptr);
    for (QObject* kind : findChildren<QObject*>()) kind->disconnect(this);
    delete memoText_;
    delete ergebnisse_;
}

void TMainForm::BaueFenster() {
    auto* flaeche = new Andockflaeche(this);
    setCentralWidget(flaeche);

    SpeedBar = new QFrame(flaeche);
    static_cast<QFrame*>(SpeedBar)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    StatusLine = new QLabel(flaeche);
    StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StatusLine->setIndent(4);
    StatusLine->setFont(Schrift("MS Sans Serif", 12, false));
    Panel1 = Panel(flaeche);
    Panel2 = Panel(flaeche);
    flaeche->oben = SpeedBar;
    flaeche->hoeheOben = 33;
    flaeche->unten = StatusLine;
    flaeche->hoeheUnten = 23;
    flaeche->links = Panel1;
    flaeche->breiteLinks = 384;
    flaeche->rest = Panel2;

    Label1 = new QLabel(QStringLiteral("Wiederhole"), Panel1);
    Label1->setFont(Schrift("MS Sans Serif", 16, true));
    Label1->move(16, 8);
    Label1->adjustSize();
    SpinEdit1 = new TSpinEdit(Panel1);
    SpinEdit1->setGeometry(112, 6, 73, 26);
    SpinEdit1->setFont(Schrift("MS Sans Serif", 15, true));
    SpinEdit1->setRange(0, 10000);
    SpinEdit1->setSingleStep(5);
    SpinEdit1->setValue(20);
    connect(SpinEdit1, &QSpinBox::textChanged, this, &TMainForm::SpinEdit1Change);
    Label2 = new QLabel(QStringLiteral("mal:"), Panel1);
    Label2->setFont(Schrift("MS Sans Serif", 16, true));
    Label2->move(192, 8);
    Label2->adjustSize();
    Memo1 = new QPlainTextEdit(Panel1);
    Memo1->setGeometry(16, 40, 353, 321);
    Memo1->setFont(EditorSchrift());
    Memo1->setTabChangesFocus(true);  // Tab goes on to the grid; equations hold no tabs
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoText_ = new MemoText(Memo1);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TMainForm::Memo1Change);

    auto knopf = [this](const char* text, const char* hinweis, Symbol symbol, QRect ort) {
        auto* k = new QPushButton(SymbolIcon(symbol), QString::fromUtf8(text), Panel2);
        k->setGeometry(ort);
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setStatusTip(QString::fromUtf8(hinweis));
        return k;
    };
    StartWerteKnopf =
        knopf("Startwerte", "Startwerte laden", Symbol::Startwerte, QRect(16, 8, 129, 26));
    connect(StartWerteKnopf, &QPushButton::clicked, this, &TMainForm::StartWerteKnopfClick);
    ZaehlerEdit = new TIntEdit(Panel2);
    ZaehlerEdit->setGeometry(152, 9, 57, 24);
    ZaehlerEdit->setReadOnly(true);
    ZaehlerEdit->setFont(Schrift("MS Sans Serif", 15, true));
    QPalette grau = ZaehlerEdit->palette();
    grau.setColor(QPalette::Base, grau.color(QPalette::Button));
    ZaehlerEdit->setPalette(grau);
    ZaehlerEdit->setNumber(0);
    StringGrid1 = new TStringGrid(Panel2);
    StringGrid1->setGeometry(16, 40, 216, 241);
    StringGrid1->setFont(Schrift("Times New Roman", 12, false));
    connect(StringGrid1, &TStringGrid::MausLosgelassen, this, &TMainForm::StringGrid1MouseUp);
    connect(StringGrid1, &TStringGrid::Doppelklick, this, &TMainForm::StringGrid1DblClick);
    EinzelKnopf = knopf("Einzelschritt", "einen einzigen Iterationsschritt durchführen",
                        Symbol::Einzelschritt, QRect(16, 288, 217, 33));
    connect(EinzelKnopf, &QPushButton::clicked, this, &TMainForm::EinzelKnopfClick);
    BerechneKnopf = knopf("Iteration", "mehrere Iterationsschritte durchführen", Symbol::Iteration,
                          QRect(16, 328, 81, 33));
    connect(BerechneKnopf, &QPushButton::clicked, this, &TMainForm::BerechneKnopfClick);
    RotaryKnob1 = new TRotarySwitch(Panel2);
    RotaryKnob1->setGeometry(112, 328, 33, 33);
    RotaryKnob1->setMinAngle(200);
    RotaryKnob1->setMaxAngle(340);
    RotaryKnob1->setMaxValue(100);
    RotaryKnob1->setLineSize(7);
    connect(RotaryKnob1, &TRotarySwitch::OnChange, this, &TMainForm::RotaryKnob1Change);
    AbbruchKnopf =
        knopf("Abbruch", "Iteration abbrechen", Symbol::Abbruch, QRect(152, 328, 81, 33));
    AbbruchKnopf->setEnabled(false);
    connect(AbbruchKnopf, &QPushButton::clicked, this, &TMainForm::AbbruchKnopfClick);

    ergebnisse_ = new Ergebnisspalte(StringGrid1);

    // Tab order: the editor's panel first, then the grid's panel.
    QWidget* reihe[] = {SpinEdit1,    Memo1,           StringGrid1, BerechneKnopf, ZaehlerEdit,
                        AbbruchKnopf, StartWerteKnopf, EinzelKnopf, RotaryKnob1};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

QFont TMainForm::EditorSchrift() {
    // "Courier New" under the names the system draws it with: the font dialog lists only real
    // families and their own style names, and opens on its first entry for any other name (a
    // translated "Fett" included).
    const QString familie = QFontInfo(QFont(QStringLiteral("Courier New"))).family();
    QFont f(familie);
    f.setPointSize(14);
    f.setBold(true);
    for (const QString& stil : QFontDatabase::styles(familie))
        if (QFontDatabase::bold(familie, stil) && !QFontDatabase::italic(familie, stil)) {
            f.setStyleName(stil);
            break;
        }
    return f;
}

void TMainForm::BaueWerkzeugleiste() {
    auto knopf = [this](int x, const char* hinweis, Symbol symbol, auto handler, bool tipp = true) {
        auto* k = new QToolButton(SpeedBar);
        k->setGeometry(x, 4, 25, 25);
        k->setIcon(SymbolIcon(symbol));
        k->setIconSize(QSize(16, 16));
        k->setAutoRaise(true);
        k->setFocusPolicy(Qt::NoFocus);  // a click must leave the editor focused: no scan
        if (tipp) k->setToolTip(QString::fromUtf8(hinweis));
        k->setStatusTip(QString::fromUtf8(hinweis));
        connect(k, &QToolButton::clicked, this, handler);
        return k;
    };
    SpeedButton1 = knopf(8, "Neu", Symbol::Neu, &TMainForm::FileNew);
    SpeedButton2 = knopf(32, "Öffnen", Symbol::Oeffnen, &TMainForm::FileOpen);
    SpeedButton3 = knopf(56, "Speichern", Symbol::Speichern, &TMainForm::FileSave);
    SpeedButton4 = knopf(80, "Speichern unter...", Symbol::SpeichernUnter, &TMainForm::FileSaveAs);
    SpeedButton5 = knopf(104, "Drucken", Symbol::Drucken, &TMainForm::FilePrint);
    SpeedButton6 =
        knopf(128, "Druckereinrichtung", Symbol::Druckereinrichtung, &TMainForm::FilePrintSetup);
    SpeedButton7 = knopf(152, "Beenden", Symbol::Beenden, &TMainForm::FileExit);
    SpeedButton8 = knopf(188, "Ausschneiden", Symbol::Ausschneiden, &TMainForm::EditCut);
    SpeedButton9 = knopf(212, "Kopieren", Symbol::Kopieren, &TMainForm::EditCopy);
    SpeedButton10 = knopf(236, "Einfügen", Symbol::Einfuegen, &TMainForm::EditPaste);
    GraphKnopf = knopf(272, "Graph zeichnen", Symbol::Graph, &TMainForm::Graph1Click);
    TabelleBtn = knopf(296, "Tabelle anzeigen", Symbol::Tabelle, &TMainForm::Tabelle1Click, false);
    TRKnopf = knopf(484, "Taschenrechner", Symbol::Taschenrechner, &TMainForm::TRKnopfClick);
    KonstButton = knopf(508, "Physikalische Konstanten anzeigen", Symbol::Konstanten,
                        &TMainForm::KonstButtonClick);
    SpeedButton14 = knopf(540, "Hilfeinhalt", Symbol::Hilfeinhalt, &TMainForm::HelpContents);
    SpeedButton15 = knopf(564, "Suche nach Schlüsselwort", Symbol::Suche, &TMainForm::HelpSearch);
    SpeedButton16 = knopf(588, "Info", Symbol::Info, &TMainForm::HelpAbout);
}

void TMainForm::BaueMenue() {
    auto eintrag = [this](QMenu* menue, const char* text, const char* hinweis, auto handler) {
        QAction* a = menue->addAction(QString::fromUtf8(text));
        if (hinweis) a->setStatusTip(QString::fromUtf8(hinweis));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenuBar* leiste = menuBar();
    leiste->setFont(Schrift("MS Sans Serif", 12, false));  // menus use the system's menu font
    FileMenu = leiste->addMenu(QStringLiteral("&Datei"));
    FileNewItem = eintrag(FileMenu, "&Neu", "Eine neue Datei erzeugen", &TMainForm::FileNew);
    FileOpenItem =
        eintrag(FileMenu, "&Öffnen...", "Eine bestehende Datei öffnen", &TMainForm::FileOpen);
    FileSaveItem =
        eintrag(FileMenu, "&Speichern", "Aktuelle Datei speichern", &TMainForm::FileSave);
    FileSaveAsItem = eintrag(FileMenu, "Speichern &Unter...",
                             "Aktuelle Datei unter neuem Namen speichern", &TMainForm::FileSaveAs);
    FileMenu->addSeparator();
    FilePrintItem = eintrag(FileMenu, "&Drucken", "Aktuelle Datei drucken", &TMainForm::FilePrint);
    FilePrintSetupItem = eintrag(FileMenu, "Drucker&einrichtung...", "Druckereinrichtung ändern",
                                 &TMainForm::FilePrintSetup);
    FileMenu->addSeparator();
    FileExitItem = eintrag(FileMenu, "&Beenden", "Diese Anwendung beenden", &TMainForm::FileExit);

    EditMenu = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    EditCutItem =
        eintrag(EditMenu, "&Ausschneiden", "Markiertes Element löschen", &TMainForm::EditCut);
    EditCopyItem = eintrag(EditMenu, "&Kopieren", "Markiertes Element in Zwischenablage kopieren",
                           &TMainForm::EditCopy);
    EditPasteItem =
        eintrag(EditMenu, "&Einfügen", "Inhalt der Zwischenablage einfügen", &TMainForm::EditPaste);
    EditMenu->addSeparator();
    Schrift1 = eintrag(EditMenu, "&Schrift", nullptr, &TMainForm::Schrift1Click);

    Simulation = leiste->addMenu(QStringLiteral("&Simulation"));
    Gleichungen = eintrag(Simulation, "&Gleichungen", nullptr, &TMainForm::GleichungenClick);
    Kommentar1 = eintrag(Simulation, "Kommentar", nullptr, &TMainForm::Kommentar1Click);
    Startwerte1 = eintrag(Simulation, "&Startwerte", nullptr, &TMainForm::Startwerte1Click);
    Iteration1 = eintrag(Simulation, "&Iteration", nullptr, &TMainForm::BerechneKnopfClick);
    Graph1 = eintrag(Simulation, "G&raph", nullptr, &TMainForm::Graph1Click);
    Tabelle1 = eintrag(Simulation, "&Tabelle", nullptr, &TMainForm::Tabelle1Click);

    HelpMenu = leiste->addMenu(QStringLiteral("&Hilfe"));
    HelpContentsItem = eintrag(HelpMenu, "&Inhalt", "Inhaltsübersicht der Hilfe anzeigen",
                               &TMainForm::HelpContents);
    HelpContentsItem->setShortcut(QKeySequence::HelpContents);
    HelpSearchItem =
        eintrag(HelpMenu, "&Suchen...", "Hilfe zu einem Thema suchen", &TMainForm::HelpSearch);
    HelpHowToUseItem = eintrag(HelpMenu, "&Hilfe benutzen", "Hilfe zur Benutzung des Hilfesystems",
                               &TMainForm::HelpHowToUse);
    HelpMenu->addSeparator();
    Taschenrechner1 = eintrag(HelpMenu, "&Taschenrechner", nullptr, &TMainForm::TRKnopfClick);
    Konstanten1 = eintrag(HelpMenu, "&Konstanten", nullptr, &TMainForm::KonstButtonClick);
    HelpMenu->addSeparator();
    HelpAboutItem =
        eintrag(HelpMenu, "Inf&o...", "Programminformationen anzeigen", &TMainForm::HelpAbout);
}

bool TMainForm::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::StatusTip:
            // ShowHint: the status line shows the current hint.
            StatusLine->setText(static_cast<QStatusTipEvent*>(e)->tip());
            return true;
        case QEvent::WindowActivate:
            FormActivate();
            break;
        default:
            break;
    }
    return QMainWindow::event(e);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    FormClose();
    // Closing cannot be cancelled; a run in progress ends after its current step.
    schliesst_ = true;
    AbbruchKnopf->setEnabled(false);
    if (warteSchleife_) warteSchleife_->quit();
    e->accept();
}

}  // namespace quintor
