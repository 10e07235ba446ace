#include "hinweisfenster.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "schrift.h"

namespace quintor {

THinweisFenster::THinweisFenster(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Hinweise"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    setFont(Schrift("MS Sans Serif", 11, true));
    resize(520, 140);

    Liste = new QListWidget(this);
    Liste->setFont(Schrift("MS Sans Serif", 13, false));
    connect(Liste, &QListWidget::itemActivated, this, &THinweisFenster::Gewaehlt);
    SchliessenKnopf = new QPushButton(QStringLiteral("&Schließen"), this);
    SchliessenKnopf->setAutoDefault(false);
    connect(SchliessenKnopf, &QPushButton::clicked, this, &QDialog::close);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(Liste, 1);
    auto* unten = new QHBoxLayout;
    unten->addStretch();
    unten->addWidget(SchliessenKnopf);
    spalte->addLayout(unten);
    Zeige({});
}

void THinweisFenster::Zeige(const std::vector<Hinweis>& hinweise) {
    Liste->clear();
    for (const Hinweis& h : hinweise) {
        auto* e = new QListWidgetItem(QString::fromStdString(Hinweiszeile(h)), Liste);
        e->setData(Qt::UserRole, h.zeile);
    }
    if (hinweise.empty()) {
        auto* e = new QListWidgetItem(QStringLiteral("Keine Hinweise zum Modell."), Liste);
        e->setFlags(Qt::NoItemFlags);
    }
}

void THinweisFenster::Gewaehlt(QListWidgetItem* eintrag) {
    const int zeile = eintrag ? eintrag->data(Qt::UserRole).toInt() : 0;
    if (zeile > 0) emit ZeileGewaehlt(zeile);
}

}  // namespace quintor
