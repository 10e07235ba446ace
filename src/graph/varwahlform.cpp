#include "varwahlform.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QToolButton>

#include "dialoge.h"
#include "dokumentobjekt.h"
#include "hilfe.h"
#include "listenwahl.h"
#include "modell.h"
#include "schrift.h"

namespace quintor {

namespace {

// Entries 16 pixels high, whatever the substituted font would give.
class Zeilenhoehe : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        s.setHeight(16);
        return s;
    }
};

}  // namespace

TVarWahlForm::TVarWahlForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe,
                           QWidget* parent)
    : TDialogFenster("Variablenauswahl", 401, 225, parent),
      dokument_(dokument),
      dialoge_(dialoge),
      hilfe_(hilfe) {
    setFixedSize(401, 225);
    setFont(Schrift("System", 13, false));

    SrcLabel = new QLabel(QStringLiteral("Variablenliste"), this);
    SrcLabel->setGeometry(8, 8, 145, 16);
    SrcLabel->setFont(Schrift("MS Sans Serif", 11, true));

    // Extended selection: a plain click chooses one entry, Ctrl and Shift add more. With toggling
    // clicks the entry preselected after a move would silently go along with the next one.
    auto liste = [this](QRect ort) {
        auto* l = new QListWidget(this);
        l->setGeometry(ort);
        l->setFont(Schrift("MS Sans Serif", 13, true));
        l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        l->setItemDelegate(new Zeilenhoehe(l));
        l->setUniformItemSizes(true);
        l->viewport()->installEventFilter(this);
        return l;
    };
    SrcList = liste(QRect(8, 24, 144, 185));
    // Case-sensitive code order; for the upper-case names it is the alphabetical one.
    SrcList->setSortingEnabled(true);

    auto knopf = [this](QPoint ort, const char* text, const char* hinweis) {
        auto* k = new QToolButton(this);
        k->setGeometry(ort.x(), ort.y(), 32, 24);
        k->setText(QString::fromUtf8(text));
        k->setToolTip(QString::fromUtf8(hinweis));
        return k;
    };
    IncludeBtn = knopf({176, 96}, ">", "markierte Variable aus Quelliste holen");
    connect(IncludeBtn, &QToolButton::clicked, this, &TVarWahlForm::IncludeBtnClick);
    ExcludeBtn = knopf({176, 128}, "<", "markierte Variable aus Zielliste zurückholen");
    ExcludeBtn->setEnabled(false);
    connect(ExcludeBtn, &QToolButton::clicked, this, &TVarWahlForm::ExcludeBtnClick);

    Label1 = new QLabel(QString::fromUtf8("Wählen Sie zuerst die Variable für die horizontale und "
                                          "dann die Variable für die vertikale Achse."),
                        this);
    Label1->setGeometry(176, 24, 205, 41);
    Label1->setFont(Schrift("MS Sans Serif", 11, true));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    DstList = liste(QRect(232, 80, 161, 89));

    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setGeometry(164, 182, 65, 27);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { hilfe_.Kontext(1); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { hilfe_.Kontext(1); });
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(232, 182, 65, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        if (FormCloseQuery()) accept();
    });
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(300, 182, 93, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &TVarWahlForm::CancelBtnClick);
}

const Modell& TVarWahlForm::Daten() const {
    return dokument_.Inhalt().Daten();
}

void TVarWahlForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TVarWahlForm::FormActivate() {
    Abweisen = false;
    SrcList->clear();
    DstList->clear();
    const Modell& modell = Daten();
    for (int i = 1; i <= modell.Variablenzahl; ++i)
        SrcList->addItem(
            QString::fromStdString(modell.Variablen[static_cast<std::size_t>(i)].Name));
    SetButtons();
    OKBtn->setFocus();
}

void TVarWahlForm::IncludeBtnClick() {
    VerschiebeAuswahl(SrcList, DstList);
    SetButtons();
}

void TVarWahlForm::ExcludeBtnClick() {
    VerschiebeAuswahl(DstList, SrcList);
    SetButtons();
}

void TVarWahlForm::SetButtons() {
    IncludeBtn->setEnabled(SrcList->count() > 0);
    ExcludeBtn->setEnabled(DstList->count() > 0);
}

void TVarWahlForm::OKBtnClick() {
    if (DstList->count() == 2) {
        AchsenGewaehlt = true;
        Abweisen = false;
        const std::string erste = DstList->item(0)->text().toStdString();
        const std::string zweite = DstList->item(1)->text().toStdString();
        const Modell& modell = Daten();
        for (int i = 1; i <= modell.Variablenzahl; ++i) {
            const std::string& name = modell.Variablen[static_cast<std::size_t>(i)].Name;
            if (name == erste) horizontal = i;
            if (name == zweite) vertikal = i;
        }
    } else {
        dialoge_.Melde(Meldungsart::Warnung,
                       "In dieser Version müssen Sie genau 2 Variablen aussuchen!");
        AchsenGewaehlt = false;
        Abweisen = true;
    }
}

void TVarWahlForm::CancelBtnClick() {
    reject();
}

void TVarWahlForm::reject() {
    Abweisen = false;
    TDialogFenster::reject();
}

bool TVarWahlForm::eventFilter(QObject* objekt, QEvent* e) {
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
