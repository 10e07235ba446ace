#include "konstform.h"

#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QTableWidget>
#include <iterator>

#include "hilfe.h"
#include "schrift.h"

namespace quintor {

namespace {

constexpr int kHilfekontext = 3;
constexpr int kZeilenhoehe = 20;  // as in the start-value grid

struct Konstante {
    const char* name;
    const char* wert;  // decimal comma, as the start-value grid takes it
};

constexpr Konstante kKonstanten[] = {
    {"Gravitationskonstante", "6,670E-11"},
    {"Boltzmannkonstante", "1,38062E-23"},
    {"Lichtgeschwindigkeit", "2,9979E8"},
    {"el. Feldkonstante", "8,8542E-12"},
    {"magn. Feldkonstante", "1,2566E-6"},
    {"Plancksches Wirkungsquantum", "6,6262E-34"},
    {"Elementarladung", "1,6022E-19"},
    {"spezifische Elektronenladung", "1,7588E11"},
    {"spezifische Protonenladung", "9,5788E7"},
    {"Elektronenmasse", "9,1095E-31"},
    {"Neutronenmasse", "1,6749E-27"},
    {"Protonenmasse", "1,6726E-27"},
    {"Erdbeschleunigung", "9,81"},
    {"Kreiszahl", "3,14159"},
};

}  // namespace

TKonstForm::TKonstForm(Hilfe& hilfe, QWidget* parent)
    : TDialogFenster("Konstanten", 426, 265, parent), hilfe_(hilfe) {
    setFixedSize(426, 265);
    setFont(Schrift("MS Sans Serif", 11, true));

    Bevel1 = new QFrame(this);
    Bevel1->setGeometry(8, 8, 409, 209);
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);  // an etched line

    StringGrid1 = new QTableWidget(0, 2, this);
    StringGrid1->setGeometry(16, 16, 393, 193);
    QHeaderView* kopf = StringGrid1->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Fixed);  // no resize handles to double-click
    kopf->setFixedHeight(kZeilenhoehe);
    kopf->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    kopf->setHighlightSections(false);
    kopf->setSectionsClickable(false);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    StringGrid1->setColumnWidth(0, 215);
    StringGrid1->setColumnWidth(1, 159);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setWordWrap(false);
    StringGrid1->setCornerButtonEnabled(false);
    connect(StringGrid1, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        StringGrid1->setCurrentCell(zeile, 1);
        StringGrid1DblClick();
    });
    // The header row holds no value: a double click there closes without a pick.
    connect(kopf, &QHeaderView::sectionDoubleClicked, this, [this] {
        KonstWert.clear();
        reject();
    });

    Label1 = new QLabel(QStringLiteral("Klicken Sie die gewünschte Konstante doppelt an."), this);
    Label1->setGeometry(16, 224, 193, 26);
    Label1->setWordWrap(true);

    // Neither button is a default: Enter in the table must not cancel or open the help.
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(232, 228, 97, 27);
    CancelBtn->setAutoDefault(false);
    connect(CancelBtn, &QPushButton::clicked, this, [this] {
        CancelBtnClick();
        reject();
    });
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setGeometry(336, 228, 77, 27);
    HelpBtn->setAutoDefault(false);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { hilfe_.Kontext(kHilfekontext); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { hilfe_.Kontext(kHilfekontext); });

    setTabOrder(StringGrid1, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);
    FormCreate();
}

void TKonstForm::FormCreate() {
    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("Bezeichnung"), QStringLiteral("Maßzahl im m-K-s-A-System")});
    StringGrid1->setRowCount(static_cast<int>(std::size(kKonstanten)));
    int zeile = 0;
    for (const Konstante& k : kKonstanten) {
        StringGrid1->setItem(zeile, 0, new QTableWidgetItem(QString::fromUtf8(k.name)));
        StringGrid1->setItem(zeile, 1, new QTableWidgetItem(QString::fromUtf8(k.wert)));
        ++zeile;
    }
}

void TKonstForm::StringGrid1DblClick() {
    // The main window sets the mode while the dialog is still hidden, so ask for the label's
    // own state rather than its visibility on screen.
    const QTableWidgetItem* wert = StringGrid1->item(StringGrid1->currentRow(), 1);
    if (!Label1->isHidden() && wert) {
        KonstWert = wert->text();
        accept();
        return;
    }
    KonstWert.clear();
    reject();
}

void TKonstForm::CancelBtnClick() {
    KonstWert.clear();
}

void TKonstForm::showEvent(QShowEvent* e) {
    // Only a pick during this showing may leave a value, however the dialog is closed.
    if (!e->spontaneous()) KonstWert.clear();
    TDialogFenster::showEvent(e);
}

void TKonstForm::keyPressEvent(QKeyEvent* e) {
    // Escape presses the Cancel button, as its handler is what empties the value.
    if (e->matches(QKeySequence::Cancel)) {
        CancelBtn->click();
        return;
    }
    TDialogFenster::keyPressEvent(e);
}

}  // namespace quintor
