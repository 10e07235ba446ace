#include "tabvarwahlform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "dokumentobjekt.h"
#include "listenwahl.h"
#include "modell.h"
#include "schrift.h"
#include "symbole.h"

namespace quintor {

TTabVarWahlForm::TTabVarWahlForm(Dokumentobjekt& dokument, QWidget* parent)
    : TDialogFenster("Variablenwahl - Tabelle", 362, 267, parent), dokument_(dokument) {
    setFixedSize(362, 267);
    setFont(Schrift("System", 16, false));
    const QFont fett = Schrift("MS Sans Serif", 11, true);

    SrcLabel = new QLabel(QStringLiteral("Quell-Liste:"), this);
    SrcLabel->setGeometry(8, 8, 145, 16);
    SrcLabel->setFont(fett);
    DstLabel = new QLabel(QStringLiteral("Zielliste:"), this);
    DstLabel->setGeometry(208, 8, 145, 16);
    DstLabel->setFont(fett);

    auto liste = [this, &fett](int x) {
        auto* l = new QListWidget(this);
        l->setGeometry(x, 24, 144, 185);
        l->setFont(fett);
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        l->viewport()->installEventFilter(this);
        return l;
    };
    SrcList = liste(8);
    SrcList->setSortingEnabled(true);
    DstList = liste(208);

    auto knopf = [this, &fett](int y, const char* text, void (TTabVarWahlForm::*handler)()) {
        auto* k = new QToolButton(this);
        k->setGeometry(168, y, 24, 24);
        k->setText(QString::fromUtf8(text));
        k->setFont(fett);
        k->setAutoRaise(true);
        connect(k, &QToolButton::clicked, this, handler);
        return k;
    };
    IncludeBtn = knopf(32, ">", &TTabVarWahlForm::IncludeBtnClick);
    IncAllBtn = knopf(64, ">>", &TTabVarWahlForm::IncAllBtnClick);
    ExcludeBtn = knopf(96, "<", &TTabVarWahlForm::ExcludeBtnClick);
    ExAllBtn = knopf(128, "<<", &TTabVarWahlForm::ExcAllBtnClick);
    ExcludeBtn->setEnabled(false);
    ExAllBtn->setEnabled(false);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 220, 33, 33);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(SymbolIcon(Symbol::Tabelle).pixmap(24, 24));

    SpinEdit1 = new TSpinEdit(this);
    SpinEdit1->setGeometry(32, 224, 57, 26);
    SpinEdit1->setRange(0, 1000);
    SpinEdit1->setValue(0);
    SpinEdit1->setFont(Schrift("System", 16, true));
    QPalette rot = SpinEdit1->palette();
    rot.setColor(QPalette::Text, Qt::red);
    SpinEdit1->setPalette(rot);

    Label1 = new QLabel(QStringLiteral("Zeilen auslassen"), this);
    Label1->setGeometry(96, 220, 68, 32);
    Label1->setWordWrap(true);
    Label1->setFont(Schrift("System", 13, false));

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(200, 224, 57, 25);
    OKBtn->setFont(fett);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        accept();
    });
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(264, 224, 89, 25);
    CancelBtn->setFont(fett);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* reihe[] = {OKBtn, CancelBtn, SrcList, DstList, SpinEdit1};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

int TTabVarWahlForm::Auslassen() const {
    return SpinEdit1->Zahl();
}

void TTabVarWahlForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TTabVarWahlForm::FormActivate() {
    AuswahlAnzahl = 0;
    SrcList->clear();
    DstList->clear();
    const Modell& modell = dokument_.Inhalt().Daten();
    for (int i = 1; i <= modell.Variablenzahl; ++i)
        SrcList->addItem(
            QString::fromStdString(modell.Variablen[static_cast<std::size_t>(i)].Name));
    SetButtons();
    OKBtn->setFocus();
}

void TTabVarWahlForm::SetButtons() {
    IncludeBtn->setEnabled(SrcList->count() > 0);
    IncAllBtn->setEnabled(SrcList->count() > 0);
    ExcludeBtn->setEnabled(DstList->count() > 0);
    ExAllBtn->setEnabled(DstList->count() > 0);
}

void TTabVarWahlForm::IncludeBtnClick() {
    VerschiebeAuswahl(SrcList, DstList);
    SetButtons();
}

void TTabVarWahlForm::ExcludeBtnClick() {
    VerschiebeAuswahl(DstList, SrcList);
    SetButtons();
}

void TTabVarWahlForm::IncAllBtnClick() {
    for (int i = 0; i < SrcList->count(); ++i) DstList->addItem(SrcList->item(i)->text());
    SrcList->clear();
    SetItem(SrcList, 0);
    SetButtons();
}

void TTabVarWahlForm::ExcAllBtnClick() {
    for (int i = 0; i < DstList->count(); ++i) SrcList->addItem(DstList->item(i)->text());
    DstList->clear();
    SetItem(DstList, 0);
    SetButtons();
}

void TTabVarWahlForm::OKBtnClick() {
    const Modell& modell = dokument_.Inhalt().Daten();
    const int anzahl = std::min(DstList->count(), 100);
    Tabellenwahl wahl;
    for (int j = 0; j < anzahl; ++j) {
        const std::string text = DstList->item(j)->text().toStdString();
        for (int i = 1; i <= modell.Variablenzahl; ++i)
            if (modell.Variablen[static_cast<std::size_t>(i)].Name == text)
                Auswahl[static_cast<std::size_t>(j + 1)] = i;
        wahl.Spalten.push_back(Auswahl[static_cast<std::size_t>(j + 1)]);
    }
    AuswahlAnzahl = anzahl;
    wahl.Auslassen = Auslassen();
    dokument_.Inhalt().SetzeTabelle(wahl);
}

bool TTabVarWahlForm::eventFilter(QObject* objekt, QEvent* e) {
    if (IstDoppelklick(SrcList, objekt, e)) {
        IncludeBtnClick();
        return true;
    }
    if (IstDoppelklick(DstList, objekt, e)) {
        ExcludeBtnClick();
        return true;
    }
    return TDialogFenster::eventFilter(objekt, e);
}

}  // namespace quintor
