// The main window's controls, tool bar and menu, laid out as the original window.
#include <QAction>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextDocument>
#include <QToolButton>

#include "intedit.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "schrift.h"
#include "stringgrid.h"
#include "symbole.h"

namespace quintor {

namespace {

// Panels docked to the edges like the original layout; the main window places them.
class Andockflaeche : public QWidget {
  public:
    Andockflaeche(TMainForm& f) : QWidget(&f), f_(f) {}

  protected:
    void resizeEvent(QResizeEvent*) override { f_.OrdneFelderAn(size()); }

  private:
    TMainForm& f_;
};

QFrame* Panel(QWidget* eltern) {
    auto* p = new QFrame(eltern);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(2);
    return p;
}

void BaueFlaeche(TMainForm& f) {
    auto* flaeche = new Andockflaeche(f);
    f.setCentralWidget(flaeche);

    f.SpeedBar = new QFrame(flaeche);
    static_cast<QFrame*>(f.SpeedBar)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    f.StatusLine = new QLabel(flaeche);
    f.StatusLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    f.StatusLine->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f.StatusLine->setIndent(4);
    f.StatusLine->setFont(Schrift("MS Sans Serif", 12, false));
    f.Panel1 = Panel(flaeche);
    f.Panel2 = Panel(flaeche);
}

void BaueEditorseite(TMainForm& f) {
    f.Label1 = new QLabel(QStringLiteral("Wiederhole"), f.Panel1);
    f.Label1->setFont(Schrift("MS Sans Serif", 16, true));
    f.Label1->move(16, 8);
    f.Label1->adjustSize();
    f.SpinEdit1 = new TSpinEdit(f.Panel1);
    f.SpinEdit1->setGeometry(112, 6, 73, 26);
    f.SpinEdit1->setFont(Schrift("MS Sans Serif", 15, true));
    f.SpinEdit1->setRange(0, 10000);
    f.SpinEdit1->setSingleStep(5);
    f.SpinEdit1->setValue(20);
    QObject::connect(f.SpinEdit1, &QSpinBox::textChanged, &f, &TMainForm::SpinEdit1Change);
    f.Label2 = new QLabel(QStringLiteral("mal:"), f.Panel1);
    f.Label2->setFont(Schrift("MS Sans Serif", 16, true));
    f.Label2->move(192, 8);
    f.Label2->adjustSize();
    f.Memo1 = new QPlainTextEdit(f.Panel1);
    f.Memo1->setGeometry(16, 40, 353, 321);
    f.Memo1->setFont(EditorSchrift());
    f.Memo1->setTabChangesFocus(true);  // Tab goes on to the grid; equations hold no tabs
    f.Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    f.Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    f.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QObject::connect(f.Memo1, &QPlainTextEdit::textChanged, &f, &TMainForm::Memo1Change);
}

void BaueGitterseite(TMainForm& f) {
    auto knopf = [&f](const char* text, const char* hinweis, Symbol symbol, QRect ort) {
        auto* k = new QPushButton(SymbolIcon(symbol), QString::fromUtf8(text), f.Panel2);
        k->setGeometry(ort);
        k->setToolTip(QString::fromUtf8(hinweis));
        k->setStatusTip(QString::fromUtf8(hinweis));
        return k;
    };
    f.StartWerteKnopf =
        knopf("Startwerte", "Startwerte laden", Symbol::Startwerte, QRect(16, 8, 129, 26));
    QObject::connect(f.StartWerteKnopf, &QPushButton::clicked, &f,
                     &TMainForm::StartWerteKnopfClick);
    f.ZaehlerEdit = new TIntEdit(f.Panel2);
    f.ZaehlerEdit->setGeometry(152, 9, 57, 24);
    f.ZaehlerEdit->setReadOnly(true);
    f.ZaehlerEdit->setFont(Schrift("MS Sans Serif", 15, true));
    QPalette grau = f.ZaehlerEdit->palette();
    grau.setColor(QPalette::Base, grau.color(QPalette::Button));
    f.ZaehlerEdit->setPalette(grau);
    f.ZaehlerEdit->setNumber(0);
    f.StringGrid1 = new TStringGrid(f.Panel2);
    f.StringGrid1->setGeometry(16, 40, 216, 241);
    f.StringGrid1->setFont(Schrift("Times New Roman", 12, false));
    QObject::connect(f.StringGrid1, &TStringGrid::MausLosgelassen, &f,
                     &TMainForm::StringGrid1MouseUp);
    QObject::connect(f.StringGrid1, &TStringGrid::Doppelklick, &f, &TMainForm::StringGrid1DblClick);
    f.EinzelKnopf = knopf("Einzelschritt", "einen einzigen Iterationsschritt durchführen",
                          Symbol::Einzelschritt, QRect(16, 288, 217, 33));
    QObject::connect(f.EinzelKnopf, &QPushButton::clicked, &f, &TMainForm::EinzelKnopfClick);
    f.BerechneKnopf = knopf("Iteration", "mehrere Iterationsschritte durchführen",
                            Symbol::Iteration, QRect(16, 328, 81, 33));
    QObject::connect(f.BerechneKnopf, &QPushButton::clicked, &f, &TMainForm::BerechneKnopfClick);
    f.RotaryKnob1 = new TRotarySwitch(f.Panel2);
    f.RotaryKnob1->setGeometry(112, 328, 33, 33);
    f.RotaryKnob1->setMinAngle(200);
    f.RotaryKnob1->setMaxAngle(340);
    f.RotaryKnob1->setMaxValue(100);
    f.RotaryKnob1->setLineSize(7);
    QObject::connect(f.RotaryKnob1, &TRotarySwitch::OnChange, &f, &TMainForm::RotaryKnob1Change);
    f.AbbruchKnopf =
        knopf("Abbruch", "Iteration abbrechen", Symbol::Abbruch, QRect(152, 328, 81, 33));
    f.AbbruchKnopf->setEnabled(false);
    QObject::connect(f.AbbruchKnopf, &QPushButton::clicked, &f, &TMainForm::AbbruchKnopfClick);

    // Tab order: the editor's panel first, then the grid's panel.
    QWidget* reihe[] = {f.SpinEdit1,       f.Memo1,       f.StringGrid1,
                        f.BerechneKnopf,   f.ZaehlerEdit, f.AbbruchKnopf,
                        f.StartWerteKnopf, f.EinzelKnopf, f.RotaryKnob1};
    for (std::size_t i = 1; i < std::size(reihe); ++i) QWidget::setTabOrder(reihe[i - 1], reihe[i]);
}

}  // namespace

QFont EditorSchrift() {
    // "Courier New" under the names the system draws it with: the font dialog lists only real
    // families and their own style names, and opens on its first entry for any other name (a
    // translated "Fett" included).
    const QString familie = QFontInfo(QFont(QStringLiteral("Courier New"))).family();
    QFont schrift(familie);
    schrift.setPointSize(14);
    schrift.setBold(true);
    for (const QString& stil : QFontDatabase::styles(familie))
        if (QFontDatabase::bold(familie, stil) && !QFontDatabase::italic(familie, stil)) {
            schrift.setStyleName(stil);
            break;
        }
    return schrift;
}

namespace {

void BaueWerkzeugleiste(TMainForm& f) {
    auto knopf = [&f](int x, const char* hinweis, Symbol symbol, auto handler, bool tipp = true) {
        auto* k = new QToolButton(f.SpeedBar);
        k->setGeometry(x, 4, 25, 25);
        k->setIcon(SymbolIcon(symbol));
        k->setIconSize(QSize(16, 16));
        k->setAutoRaise(true);
        k->setFocusPolicy(Qt::NoFocus);  // a click must leave the editor focused: no scan
        if (tipp) k->setToolTip(QString::fromUtf8(hinweis));
        k->setStatusTip(QString::fromUtf8(hinweis));
        QObject::connect(k, &QToolButton::clicked, &f, handler);
        return k;
    };
    f.SpeedButton1 = knopf(8, "Neu", Symbol::Neu, &TMainForm::FileNew);
    f.SpeedButton2 = knopf(32, "Öffnen", Symbol::Oeffnen, &TMainForm::FileOpen);
    f.SpeedButton3 = knopf(56, "Speichern", Symbol::Speichern, &TMainForm::FileSave);
    f.SpeedButton4 =
        knopf(80, "Speichern unter...", Symbol::SpeichernUnter, &TMainForm::FileSaveAs);
    f.SpeedButton5 = knopf(104, "Drucken", Symbol::Drucken, &TMainForm::FilePrint);
    f.SpeedButton6 =
        knopf(128, "Druckereinrichtung", Symbol::Druckereinrichtung, &TMainForm::FilePrintSetup);
    f.SpeedButton7 = knopf(152, "Beenden", Symbol::Beenden, &TMainForm::FileExit);
    f.SpeedButton8 = knopf(188, "Ausschneiden", Symbol::Ausschneiden, &TMainForm::EditCut);
    f.SpeedButton9 = knopf(212, "Kopieren", Symbol::Kopieren, &TMainForm::EditCopy);
    f.SpeedButton10 = knopf(236, "Einfügen", Symbol::Einfuegen, &TMainForm::EditPaste);
    f.GraphKnopf = knopf(272, "Graph zeichnen", Symbol::Graph, &TMainForm::Graph1Click);
    f.TabelleBtn =
        knopf(296, "Tabelle anzeigen", Symbol::Tabelle, &TMainForm::Tabelle1Click, false);
    f.ZeilenschrittKnopf = knopf(320, "Zeilenschritt: nur die nächste Gleichungszeile rechnen",
                                 Symbol::Zeilenschritt, &TMainForm::ZeilenschrittClick);
    f.TRKnopf = knopf(484, "Taschenrechner", Symbol::Taschenrechner, &TMainForm::TRKnopfClick);
    f.KonstButton = knopf(508, "Physikalische Konstanten anzeigen", Symbol::Konstanten,
                          &TMainForm::KonstButtonClick);
    f.SpeedButton14 = knopf(540, "Hilfeinhalt", Symbol::Hilfeinhalt, &TMainForm::HelpContents);
    f.SpeedButton15 = knopf(564, "Suche nach Schlüsselwort", Symbol::Suche, &TMainForm::HelpSearch);
    f.SpeedButton16 = knopf(588, "Info", Symbol::Info, &TMainForm::HelpAbout);
}

// Undo and redo of the equation editor, whichever control has the focus. Ctrl+Y comes first:
// some desktops bind redo to Ctrl+Shift+Z only, which stays as a second key.
template <typename Eintrag>
void BaueRueckgaengig(TMainForm& f, Eintrag eintrag) {
    f.EditUndoItem = eintrag(f.EditMenu, "&Rückgängig",
                             "Letzte Änderung der Gleichungen zurücknehmen", &TMainForm::EditUndo);
    f.EditUndoItem->setShortcuts(QKeySequence::Undo);
    f.EditRedoItem =
        eintrag(f.EditMenu, "&Wiederholen",
                "Zurückgenommene Änderung der Gleichungen wiederherstellen", &TMainForm::EditRedo);
    QList<QKeySequence> wiederholen{QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& k : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!wiederholen.contains(k)) wiederholen << k;
    f.EditRedoItem->setShortcuts(wiederholen);
    f.EditUndoItem->setEnabled(f.Memo1->document()->isUndoAvailable());
    f.EditRedoItem->setEnabled(f.Memo1->document()->isRedoAvailable());
    QObject::connect(f.Memo1, &QPlainTextEdit::undoAvailable, f.EditUndoItem, &QAction::setEnabled);
    QObject::connect(f.Memo1, &QPlainTextEdit::redoAvailable, f.EditRedoItem, &QAction::setEnabled);
    f.EditMenu->addSeparator();
}

void BaueMenue(TMainForm& f) {
    auto eintrag = [&f](QMenu* menue, const char* text, const char* hinweis, auto handler) {
        QAction* a = menue->addAction(QString::fromUtf8(text));
        if (hinweis) a->setStatusTip(QString::fromUtf8(hinweis));
        QObject::connect(a, &QAction::triggered, &f, handler);
        return a;
    };
    QMenuBar* leiste = f.menuBar();
    leiste->setFont(Schrift("MS Sans Serif", 12, false));  // menus use the system's menu font
    f.FileMenu = leiste->addMenu(QStringLiteral("&Datei"));
    f.FileNewItem = eintrag(f.FileMenu, "&Neu", "Eine neue Datei erzeugen", &TMainForm::FileNew);
    f.FileNewItem->setShortcut(QKeySequence::New);
    f.FileOpenItem =
        eintrag(f.FileMenu, "&Öffnen...", "Eine bestehende Datei öffnen", &TMainForm::FileOpen);
    f.FileOpenItem->setShortcut(QKeySequence::Open);
    f.Beispiele1 = eintrag(f.FileMenu, "Beis&piele...", "Ein Beispielmodell öffnen",
                           &TMainForm::BeispieleClick);
    f.FileSaveItem =
        eintrag(f.FileMenu, "&Speichern", "Aktuelle Datei speichern", &TMainForm::FileSave);
    f.FileSaveItem->setShortcut(QKeySequence::Save);
    f.FileSaveAsItem =
        eintrag(f.FileMenu, "Speichern &Unter...", "Aktuelle Datei unter neuem Namen speichern",
                &TMainForm::FileSaveAs);
    f.FileMenu->addSeparator();
    f.FilePrintItem =
        eintrag(f.FileMenu, "&Drucken", "Aktuelle Datei drucken", &TMainForm::FilePrint);
    f.FilePrintItem->setShortcut(QKeySequence::Print);
    f.FilePrintSetupItem = eintrag(f.FileMenu, "Drucker&einrichtung...",
                                   "Druckereinrichtung ändern", &TMainForm::FilePrintSetup);
    f.FileMenu->addSeparator();
    f.FileExitItem =
        eintrag(f.FileMenu, "&Beenden", "Diese Anwendung beenden", &TMainForm::FileExit);

    f.EditMenu = leiste->addMenu(QStringLiteral("&Bearbeiten"));
    BaueRueckgaengig(f, eintrag);
    f.EditCutItem =
        eintrag(f.EditMenu, "&Ausschneiden", "Markiertes Element löschen", &TMainForm::EditCut);
    f.EditCopyItem = eintrag(f.EditMenu, "&Kopieren",
                             "Markiertes Element in Zwischenablage kopieren", &TMainForm::EditCopy);
    f.EditPasteItem = eintrag(f.EditMenu, "&Einfügen", "Inhalt der Zwischenablage einfügen",
                              &TMainForm::EditPaste);
    f.EditMenu->addSeparator();
    f.Schrift1 = eintrag(f.EditMenu, "&Schrift", nullptr, &TMainForm::Schrift1Click);

    f.Simulation = leiste->addMenu(QStringLiteral("&Simulation"));
    f.Gleichungen = eintrag(f.Simulation, "&Gleichungen", nullptr, &TMainForm::GleichungenClick);
    f.Kommentar1 = eintrag(f.Simulation, "Kommentar", nullptr, &TMainForm::Kommentar1Click);
    f.Startwerte1 = eintrag(f.Simulation, "&Startwerte", nullptr, &TMainForm::Startwerte1Click);
    f.Iteration1 = eintrag(f.Simulation, "&Iteration", nullptr, &TMainForm::BerechneKnopfClick);
    f.Iteration1->setShortcut(Qt::Key_F5);
    f.Einzelschritt1 =
        eintrag(f.Simulation, "&Einzelschritt", "einen einzigen Iterationsschritt durchführen",
                &TMainForm::EinzelKnopfClick);
    f.Einzelschritt1->setShortcut(Qt::Key_F6);
    // Enabled only while a run goes on, so that Escape keeps its usual meaning otherwise.
    f.Abbruch1 =
        eintrag(f.Simulation, "A&bbruch", "Iteration abbrechen", &TMainForm::AbbruchKnopfClick);
    f.Abbruch1->setShortcut(Qt::Key_Escape);
    f.Abbruch1->setEnabled(false);
    f.OhnePause1 = f.Simulation->addAction(QStringLiteral("Ohne &Pause rechnen"));
    f.OhnePause1->setCheckable(true);
    f.Zeilenschritt1 =
        eintrag(f.Simulation, "&Zeilenschritt", "Nur die nächste Gleichungszeile rechnen",
                &TMainForm::ZeilenschrittClick);
    f.Graph1 = eintrag(f.Simulation, "G&raph", nullptr, &TMainForm::Graph1Click);
    f.Tabelle1 = eintrag(f.Simulation, "&Tabelle", nullptr, &TMainForm::Tabelle1Click);

    f.HelpMenu = leiste->addMenu(QStringLiteral("&Hilfe"));
    f.HelpContentsItem = eintrag(f.HelpMenu, "&Inhalt", "Inhaltsübersicht der Hilfe anzeigen",
                                 &TMainForm::HelpContents);
    f.HelpContentsItem->setShortcut(QKeySequence::HelpContents);
    f.HelpSearchItem =
        eintrag(f.HelpMenu, "&Suchen...", "Hilfe zu einem Thema suchen", &TMainForm::HelpSearch);
    f.HelpHowToUseItem = eintrag(f.HelpMenu, "&Hilfe benutzen",
                                 "Hilfe zur Benutzung des Hilfesystems", &TMainForm::HelpHowToUse);
    f.HelpMenu->addSeparator();
    f.Taschenrechner1 = eintrag(f.HelpMenu, "&Taschenrechner", nullptr, &TMainForm::TRKnopfClick);
    f.Konstanten1 = eintrag(f.HelpMenu, "&Konstanten", nullptr, &TMainForm::KonstButtonClick);
    f.HelpMenu->addSeparator();
    f.HelpAboutItem =
        eintrag(f.HelpMenu, "Inf&o...", "Programminformationen anzeigen", &TMainForm::HelpAbout);
}

}  // namespace

void BaueHauptfenster(TMainForm& f) {
    BaueFlaeche(f);
    BaueEditorseite(f);
    BaueGitterseite(f);
    BaueWerkzeugleiste(f);
    BaueMenue(f);
}

}  // namespace quintor
