#include "infoform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "schrift.h"
#include "symbole.h"

namespace quintor {

TInfoForm::TInfoForm(QWidget* parent) : TDialogFenster("Infos", 298, 213, parent) {
    setFixedSize(298, 213);
    setFont(Schrift("System", 13, false));

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 281, 161);
    // A lowered outer and a raised inner edge: an etched line around the panel.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setGeometry(56, 16, 33, 33);
    ProgramIcon->setScaledContents(true);
    // Drawn at twice the size so that the stretch stays sharp on high-density screens.
    ProgramIcon->setPixmap(SymbolIcon(Symbol::Programm).pixmap(QSize(66, 66)));

    auto beschriftung = [this](const char* text, int y) {
        auto* l = new QLabel(QString::fromUtf8(text), Panel1);
        l->setFont(Schrift("MS Sans Serif", 12, true));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
        l->move(128, y);
        l->adjustSize();
        return l;
    };
    ProductName = beschriftung("Quintor", 16);
    Version = beschriftung("Version 1.4", 40);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(111, 178, 77, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfoForm::showEvent(QShowEvent* e) {
    TDialogFenster::showEvent(e);
    if (!e->spontaneous()) OKButton->setFocus();
}

}  // namespace quintor
