// The main window's size on a projector: text scaled by the "Ansicht" menu, and the fields
// grown with the window while "Felder mit dem Fenster vergrößern" is on. At the designed size
// and scale the controls sit exactly where the original window has them.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ansichtsgroesse.h"
#include "intedit.h"
#include "mainform.h"
#include "rotaryswitch.h"
#include "schrift.h"
#include "stringgrid.h"

namespace quintor {

namespace {

// The designed layout: the left panel's width in a 630 pixel wide window, the bars' heights and
// the lower edge of the lowest controls in the panels.
constexpr int kBreite = 630, kLinks = 384, kOben = 33, kUnten = 23, kUnterkante = 361;

int Mal(int wert, double f) {
    return static_cast<int>(std::lround(wert * f));
}

}  // namespace

void TMainForm::VerbindeAnsicht(Ansichtsgroesse& ansicht) {
    const Groessenbefehle b = ErzeugeGroessenbefehle(this, ansicht);
    Groesser1 = b.groesser;
    Kleiner1 = b.kleiner;
    Normal1 = b.normal;
    Mitwachsen1 = new QAction(QString::fromUtf8("&Felder mit dem Fenster vergrößern"), this);
    Mitwachsen1->setCheckable(true);
    Mitwachsen1->setStatusTip(
        QString::fromUtf8("Gleichungen und Startwerte füllen das vergrößerte Fenster"));
    connect(Mitwachsen1, &QAction::toggled, &ansicht, &Ansichtsgroesse::SetzeMitwachsen);
    AnsichtMenu = new QMenu(QStringLiteral("&Ansicht"), this);
    AnsichtMenu->addActions({Groesser1, Kleiner1, Normal1});
    AnsichtMenu->addSeparator();
    AnsichtMenu->addAction(Mitwachsen1);
    menuBar()->insertMenu(HelpMenu->menuAction(), AnsichtMenu);
    auto zeige = [this, &ansicht] {
        Mitwachsen1->setChecked(ansicht.Mitwachsen());
        Groesser1->setEnabled(ansicht.Stufe() < Ansichtsgroesse::kGroesste);
        Kleiner1->setEnabled(ansicht.Stufe() > Ansichtsgroesse::kKleinste);
        ZeigeGroesse(ansicht.Faktor(), ansicht.Mitwachsen());
    };
    connect(&ansicht, &Ansichtsgroesse::Geaendert, this, zeige);
    zeige();
}

void TMainForm::ZeigeGroesse(double faktor, bool wachsen) {
    faktor_ = faktor;
    Memo1->setFont(Vergroessert(editorSchrift_, faktor));
    StringGrid1->setFont(Vergroessert(Schrift("Times New Roman", 12, false), faktor));
    StringGrid1->SetzeMasse(faktor, wachsen);

    if (wachsen != wachsen_) {
        wachsen_ = wachsen;
        // The designed window has no maximise button; growing fields make one worth having.
        const bool sichtbar = isVisible();
        if (!wachsen && (isMaximized() || isFullScreen())) showNormal();
        setWindowFlag(Qt::WindowMaximizeButtonHint, wachsen);
        if (sichtbar) show();
    }
    if (centralWidget()) OrdneFelderAn(centralWidget()->size());
}

void TMainForm::OrdneFelderAn(QSize flaeche) {
    if (!AbbruchKnopf) return;  // still being built
    const int breite = flaeche.width(), hoehe = flaeche.height();
    // The designed height of the area below the menu.
    const int entworfen = 460 - menuBar()->sizeHint().height();
    // Buttons and labels grow with the window up to the chosen factor, so that they always fit.
    const double f =
        wachsen_
            ? std::max(std::min({faktor_, double(breite) / kBreite, double(hoehe) / entworfen}),
                       std::min(faktor_, 1.0))
            : 1.0;
    ZeigeFeldschrift(f);
    if (!wachsen_) {
        OrdnePanelsAn(breite, hoehe, kLinks, kUnten);
        OrdneEditorseiteAn(1, kLinks, kUnterkante);
        OrdneGitterseiteAn(1, kBreite - kLinks, kUnterkante);
        return;
    }
    const int links = static_cast<int>(std::lround(double(kLinks) * breite / kBreite));
    const int unten = Mal(kUnten, f);
    OrdnePanelsAn(breite, hoehe, links, unten);
    // The designed gap below the lowest controls, from the panels' height in the designed window.
    const int panelhoehe = entworfen - kOben - kUnten;
    const int rand = Mal(std::max(4, panelhoehe - kUnterkante), f);
    const int unterkante = Panel1->height() - rand;
    OrdneEditorseiteAn(f, links, unterkante);
    OrdneGitterseiteAn(f, Panel2->width(), unterkante);
}

void TMainForm::ZeigeFeldschrift(double f) {
    if (f == feldfaktor_) return;
    feldfaktor_ = f;
    for (QLabel* l : {Label1, Label2})
        l->setFont(Vergroessert(Schrift("MS Sans Serif", 16, true), f));
    SpinEdit1->setFont(Vergroessert(Schrift("MS Sans Serif", 15, true), f));
    ZaehlerEdit->setFont(Vergroessert(Schrift("MS Sans Serif", 15, true), f));
    StatusLine->setFont(Vergroessert(Schrift("MS Sans Serif", 12, false), f));
    for (QPushButton* k : {StartWerteKnopf, EinzelKnopf, BerechneKnopf, AbbruchKnopf}) {
        k->setFont(Vergroessert(font(), f));
        k->setIconSize(QSize(Mal(16, f), Mal(16, f)));
    }
}

void TMainForm::OrdnePanelsAn(int breite, int hoehe, int links, int unten) {
    SpeedBar->setGeometry(0, 0, breite, kOben);
    StatusLine->setGeometry(0, hoehe - unten, breite, unten);
    const int mitte = std::max(0, hoehe - kOben - unten);
    Panel1->setGeometry(0, kOben, links, mitte);
    Panel2->setGeometry(links, kOben, std::max(0, breite - links), mitte);
}

void TMainForm::OrdneEditorseiteAn(double f, int breite, int unterkante) {
    Label1->move(16, Mal(8, f));
    Label1->adjustSize();
    SpinEdit1->setGeometry(16 + Mal(96, f), Mal(6, f), Mal(73, f), Mal(26, f));
    Label2->move(16 + Mal(176, f), Mal(8, f));
    Label2->adjustSize();
    const int oben = Mal(40, f);
    Memo1->setGeometry(16, oben, std::max(0, breite - 31), std::max(0, unterkante - oben));
}

// At f = 1 in a 246 pixel wide panel: grid 216 wide, the three buttons 81 + knob 33 + 81.
void TMainForm::OrdneGitterseiteAn(double f, int breite, int unterkante) {
    const int innen = std::max(0, breite - 29);  // the width of the button rows
    StartWerteKnopf->setGeometry(16, Mal(8, f), Mal(129, f), Mal(26, f));
    ZaehlerEdit->setGeometry(16 + Mal(136, f), Mal(9, f), Mal(57, f), Mal(24, f));
    const int zeile = Mal(33, f), abstand = Mal(7, f);
    const int y = unterkante - zeile;
    const int knopf = std::max(0, (innen - zeile - Mal(22, f)) / 2);
    BerechneKnopf->setGeometry(16, y, knopf, zeile);
    RotaryKnob1->setGeometry(16 + knopf + Mal(15, f), y, zeile, zeile);
    AbbruchKnopf->setGeometry(16 + innen - knopf, y, knopf, zeile);
    const int einzel = y - abstand - zeile;
    EinzelKnopf->setGeometry(16, einzel, innen, zeile);
    const int oben = Mal(40, f);
    StringGrid1->setGeometry(16, oben, std::max(0, innen - 1),
                             std::max(0, einzel - abstand - oben));
}

}  // namespace quintor
