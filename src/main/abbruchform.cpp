#include "abbruchform.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <algorithm>
#include <string>

#include "dialoge.h"
#include "dokumentobjekt.h"
#include "lauf.h"
#include "schrift.h"
#include "singedit.h"
#include "tabellentext.h"
#include "zahltext.h"

namespace quintor {

namespace {

// In the order of the comparison box.
constexpr Abbruchbedingung::Vergleich kVergleiche[] = {
    Abbruchbedingung::Kleiner, Abbruchbedingung::KleinerGleich, Abbruchbedingung::Groesser,
    Abbruchbedingung::GroesserGleich};

constexpr const char* kFehlendeVariable =
    "Wählen Sie die Variable, deren Wert den Lauf beenden soll.";

// The exact value with a decimal comma, as the status line writes it: the edit field's own
// form (4 decimals, 2 digits beyond 1000) would change the condition on the next OK.
QString Werttext(float wert) {
    std::string text = KuerzesterText(wert);
    std::replace(text.begin(), text.end(), '.', ',');
    return QString::fromStdString(text);
}

// The list keeps the name's bytes: a name is whatever the scan made of the line.
QListWidgetItem* Eintrag(QListWidget* liste, const std::string& name) {
    auto* e = new QListWidgetItem(QString::fromStdString(name), liste);
    e->setData(Qt::UserRole, QByteArray::fromStdString(name));
    return e;
}

}  // namespace

TAbbruchForm::TAbbruchForm(Dokumentobjekt& dokument, Dialoge& dialoge, QWidget* parent)
    : TDialogFenster("Abbruchbedingung", 401, 201, parent), dokument_(dokument), dialoge_(dialoge) {
    setFixedSize(401, 201);
    setFont(Schrift("MS Sans Serif", 11, true));

    KeineBtn = new QRadioButton(QStringLiteral("&keine"), this);
    KeineBtn->setGeometry(8, 8, 280, 20);
    BedingungBtn =
        new QRadioButton(QStringLiteral("&Abbruch nach dem Schritt, in dem gilt:"), this);
    BedingungBtn->setGeometry(8, 32, 280, 20);
    connect(BedingungBtn, &QRadioButton::toggled, this, &TAbbruchForm::SetzeFreigabe);

    auto beschriftung = [this](const char* text, int x, int breite) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->setGeometry(x, 56, breite, 16);
        return l;
    };
    VarLabel = beschriftung("&Variable", 24, 121);
    VarListe = new QListWidget(this);
    VarListe->setGeometry(24, 72, 121, 121);
    VarListe->setFont(Schrift("MS Sans Serif", 13, true));
    VarLabel->setBuddy(VarListe);
    VergleichLabel = beschriftung("Ver&gleich", 152, 57);
    VergleichBox = new QComboBox(this);
    VergleichBox->setGeometry(152, 72, 57, 24);
    for (const auto v : kVergleiche) VergleichBox->addItem(QString::fromUtf8(Vergleichszeichen(v)));
    VergleichLabel->setBuddy(VergleichBox);
    WertLabel = beschriftung("&Wert", 216, 73);
    WertEdit = new TSingEdit(this);
    WertEdit->setGeometry(216, 72, 73, 24);
    WertLabel->setBuddy(WertEdit);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(300, 8, 93, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        if (OKBtnClick()) accept();
    });
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(300, 40, 93, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &TAbbruchForm::reject);
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setGeometry(300, 72, 93, 27);
    const auto hilfe = [this] {
        if (Hilfeaufruf) Hilfeaufruf();
    };
    connect(HelpBtn, &QPushButton::clicked, this, hilfe);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, hilfe);

    QWidget* reihe[] = {KeineBtn, BedingungBtn, VarListe,  VergleichBox,
                        WertEdit, OKBtn,        CancelBtn, HelpBtn};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

void TAbbruchForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TAbbruchForm::FormActivate() {
    const Dokument& d = dokument_.Inhalt();
    const Modell& m = d.Daten();
    const auto& b = d.Abbruch();
    VarListe->clear();
    int wahl = -1;
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        const std::string& name = m.Variablen[static_cast<std::size_t>(i)].Name;
        Eintrag(VarListe, name);
        if (b && b->Name == name && wahl < 0) wahl = i - 1;
    }
    if (b && wahl < 0) {
        // A saved condition keeps its name, also while the model lacks it.
        QListWidgetItem* e = Eintrag(VarListe, b->Name);
        e->setForeground(Qt::gray);
        e->setToolTip(QStringLiteral("keine Variable des Modells"));
        wahl = VarListe->count() - 1;
    }
    if (VarListe->count() > 0) VarListe->setCurrentRow(std::max(wahl, 0));
    VergleichBox->setCurrentIndex(b ? static_cast<int>(b->vergleich) : 0);
    WertEdit->setText(Werttext(b ? b->Wert : 0.0f));
    BedingungBtn->setEnabled(VarListe->count() > 0);
    (b ? BedingungBtn : KeineBtn)->setChecked(true);
    SetzeFreigabe();
    OKBtn->setFocus();
}

void TAbbruchForm::SetzeFreigabe() {
    const bool an = BedingungBtn->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{VarLabel, VarListe, VergleichLabel,
                                                      VergleichBox, WertLabel, WertEdit})
        w->setEnabled(an);
}

bool TAbbruchForm::OKBtnClick() {
    Dokument& d = dokument_.Inhalt();
    if (!BedingungBtn->isChecked()) {
        d.SetzeAbbruch(std::nullopt);
        return true;
    }
    const QListWidgetItem* variable = VarListe->currentItem();
    if (!variable) {
        dialoge_.Melde(Meldungsart::Fehler, kFehlendeVariable);
        VarListe->setFocus();
        return false;
    }
    Abbruchbedingung b;
    b.Name = variable->data(Qt::UserRole).toByteArray().toStdString();
    b.vergleich = kVergleiche[std::clamp(VergleichBox->currentIndex(), 0, 3)];
    const auto abweisen = [this](const char* text) {
        dialoge_.Melde(Meldungsart::Fehler, text);
        WertEdit->setFocus();
        WertEdit->selectAll();
        return false;
    };
    // The field reads a bad text as 0 without a word; a condition must not.
    if (!LeseZahl(KommaZuPunkt(WertEdit->text().toStdString())))
        return abweisen("Fehler bei Zahleingabe");
    try {
        b.Wert = WertEdit->Number();
    } catch (const Gleitkommaueberlauf&) {
        return abweisen(kGleitkommaueberlauf);
    }
    d.SetzeAbbruch(b);
    return true;
}

}  // namespace quintor
