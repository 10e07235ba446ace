#include "grenzenform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSpinBox>

#include "dialoge.h"
#include "dokument.h"
#include "hilfe.h"
#include "intedit.h"
#include "ks.h"
#include "meldungen.h"
#include "schrift.h"
#include "singedit.h"

namespace quintor {

namespace {

constexpr const char* kIdentischeGrenzen =
    "Die angegebenen Intervallgrenzen dürfen nicht identisch sein!";
// The range between the limits must fit a single, or the scale would read NAN and INF.
constexpr const char* kZuWeitAuseinander =
    "Die angegebenen Intervallgrenzen liegen zu weit auseinander!";
constexpr const char* kKeineSchrittzahl = "Die höchste Schrittzahl muss mindestens 1 sein!";
// The step limit lies below the designed dialog, which grows by one row for it.
constexpr int kHoehe = 239 + 30;

// The message for a pair of limits that cannot be taken over, or none.
const char* Einwand(float a, float b) {
    if (a == b) return kIdentischeGrenzen;
    if (!GrenzenGueltig(a, b)) return kZuWeitAuseinander;
    return nullptr;
}

}  // namespace

TFarbfeld::TFarbfeld(const QColor& farbe, QWidget* parent) : QWidget(parent), farbe_(farbe) {}

void TFarbfeld::setFarbe(const QColor& farbe) {
    farbe_ = farbe;
    update();
}

void TFarbfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), farbe_);
    p.setPen(Qt::white);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TFarbfeld::mousePressEvent(QMouseEvent* e) {
    e->accept();
    emit MouseDown();
}

TGrenzenForm::TGrenzenForm(Dialoge& dialoge, Hilfe& hilfe, QWidget* parent)
    : TDialogFenster("Koordinatensystem - Einstellungen", 312, kHoehe, parent),
      dialoge_(dialoge),
      hilfe_(hilfe) {
    setFixedSize(312, kHoehe);
    setFont(Schrift("MS Sans Serif", 11, true));
    Farbwahl = [this](const QColor& start) { return QColorDialog::getColor(start, this); };

    GrenzenBox = new QGroupBox(QStringLiteral("Grenzen"), this);
    GrenzenBox->setGeometry(8, 8, 185, 121);
    // The fields lie on the dialog over the group, each beside its label.
    auto grenze = [this](int y, const char* text, QLabel*& label, TSingEdit*& feld, float wert) {
        label = new QLabel(QString::fromUtf8(text), GrenzenBox);
        label->move(16, y - 8);
        label->adjustSize();
        feld = new TSingEdit(this);
        feld->setGeometry(56, y, 121, 21);
        feld->setNumber(wert);
    };
    grenze(24, "x1=", Label1, x1Edit, -10);
    grenze(48, "x2=", Label2, x2Edit, 10);
    grenze(72, "y1=", Label3, y1Edit, -10);
    grenze(96, "y2=", Label4, y2Edit, 10);
    // Labels vertically centred on their fields.
    for (QLabel* l : {Label1, Label2, Label3, Label4}) l->setFixedHeight(21);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(212, 16, 93, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, [this] {
        OKBtnClick();
        if (FormCloseQuery()) accept();
    });
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(212, 48, 93, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &TGrenzenForm::reject);
    HelpBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HelpBtn->setGeometry(212, 80, 93, 27);
    connect(HelpBtn, &QPushButton::clicked, this, [this] { hilfe_.Kontext(1); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [this] { hilfe_.Kontext(1); });

    Darstellung = new QGroupBox(QStringLiteral("Darstellung des Graphens"), this);
    Darstellung->setGeometry(8, 136, 297, 41);
    Streckenzug = new QRadioButton(QStringLiteral("Streckenzug"), Darstellung);
    Punkte = new QRadioButton(QStringLiteral("Punkte"), Darstellung);
    // Two columns of equal width; the second ends where the spin field begins.
    const int spalte = (Darstellung->width() - 16) / 2;
    const int spinLinks = 224 - Darstellung->x();
    Streckenzug->setGeometry(8, 15, spalte, 20);
    Punkte->setGeometry(8 + spalte, 15, spinLinks - 4 - (8 + spalte), 20);
    darstellungGruppe_ = new QButtonGroup(this);
    darstellungGruppe_->addButton(Streckenzug, 0);
    darstellungGruppe_->addButton(Punkte, 1);
    Streckenzug->setChecked(true);

    SpinEdit1 = new QSpinBox(this);
    SpinEdit1->setGeometry(224, 148, 57, 22);
    SpinEdit1->setRange(1, 1000);
    SpinEdit1->setValue(1);

    Farben = new QGroupBox(QStringLiteral("Farben"), this);
    Farben->setGeometry(8, 184, 297, 41);
    Shape1 = new TFarbfeld(Qt::black, Farben);
    Shape1->setGeometry(8, 16, 17, 17);
    connect(Shape1, &TFarbfeld::MouseDown, this, &TGrenzenForm::Shape1MouseDown);
    Label5 = new QLabel(QStringLiteral("Graph"), Farben);
    Label5->setGeometry(40, 16, 90, 17);
    Shape2 = new TFarbfeld(QColor(128, 128, 128), Farben);
    Shape2->setGeometry(144, 16, 17, 17);
    connect(Shape2, &TFarbfeld::MouseDown, this, &TGrenzenForm::Shape2MouseDown);
    Label6 = new QLabel(QStringLiteral("Koordinatensystem"), Farben);
    Label6->setGeometry(168, 16, 121, 17);

    SchrittgrenzeBox = new QCheckBox(QStringLiteral("höchstens"), this);
    SchrittgrenzeBox->setGeometry(16, 236, 90, 21);
    SchrittgrenzeEdit = new TIntEdit(this);
    SchrittgrenzeEdit->setGeometry(108, 236, 81, 21);
    SchrittgrenzeEdit->setNumber(1000);
    SchrittgrenzeEdit->setEnabled(false);
    Label7 = new QLabel(QStringLiteral("Schritte"), this);
    Label7->setGeometry(196, 236, 100, 21);
    connect(SchrittgrenzeBox, &QCheckBox::toggled, SchrittgrenzeEdit, &QWidget::setEnabled);

    QWidget* reihe[] = {OKBtn,  CancelBtn, HelpBtn,          x1Edit,
                        x2Edit, y1Edit,    y2Edit,           Streckenzug,
                        Punkte, SpinEdit1, SchrittgrenzeBox, SchrittgrenzeEdit};
    for (std::size_t i = 1; i < std::size(reihe); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

int TGrenzenForm::DarstellungIndex() const {
    return darstellungGruppe_->checkedId();
}

void TGrenzenForm::setDarstellungIndex(int index) {
    if (QAbstractButton* b = darstellungGruppe_->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group lets no button be unchecked directly.
    darstellungGruppe_->setExclusive(false);
    Streckenzug->setChecked(false);
    Punkte->setChecked(false);
    darstellungGruppe_->setExclusive(true);
}

void TGrenzenForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (!e->spontaneous()) FormActivate();
}

void TGrenzenForm::FormActivate() {
    Abweisen = false;
    OKBtn->setFocus();
}

void TGrenzenForm::OKBtnClick() {
    try {
        // The x pair first; the y pair is read only when the x pair is fine.
        const char* einwand = Einwand(x1Edit->Number(), x2Edit->Number());
        if (!einwand) einwand = Einwand(y1Edit->Number(), y2Edit->Number());
        if (!einwand && SchrittgrenzeBox->isChecked() && SchrittgrenzeEdit->Number() < 1)
            einwand = kKeineSchrittzahl;
        if (einwand) dialoge_.Melde(Meldungsart::Fehler, einwand);
        Abweisen = einwand != nullptr;
    } catch (const Gleitkommaueberlauf&) {
        // A limit beyond the single range could not be taken over by the graph window.
        dialoge_.Melde(Meldungsart::Fehler, kGleitkommaueberlauf);
        Abweisen = true;
    }
    if (ks_) {
        ks_->setGraphFarbe(Shape1->Farbe());
        ks_->setKSFarbe(Shape2->Farbe());
    }
}

void TGrenzenForm::Shape1MouseDown() {
    WaehleFarbe(Shape1);
}

void TGrenzenForm::Shape2MouseDown() {
    WaehleFarbe(Shape2);
}

void TGrenzenForm::WaehleFarbe(TFarbfeld* feld) {
    const QColor farbe = Farbwahl(letzteFarbe_);
    if (!farbe.isValid()) return;
    letzteFarbe_ = farbe;
    feld->setFarbe(farbe);
}

void TGrenzenForm::reject() {
    Abweisen = false;
    TDialogFenster::reject();
}

}  // namespace quintor
