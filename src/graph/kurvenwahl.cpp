#include "kurvenwahl.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "dokument.h"
#include "modell.h"
#include "schrift.h"

namespace quintor {

namespace {
constexpr int kIndex = Qt::UserRole;
}

TKurvenWahlForm::TKurvenWahlForm(QWidget* parent)
    : TDialogFenster("Weitere Kurven", 260, 250, parent) {
    setFixedSize(260, 250);
    setFont(Schrift("MS Sans Serif", 11, true));
    Label1 = new QLabel(
        QStringLiteral("Bis zu fünf Variablen, jede als eigene Kurve über der horizontalen Achse:"),
        this);
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 8, 244, 34);
    Liste = new QListWidget(this);
    Liste->setGeometry(8, 46, 244, 158);
    connect(Liste, &QListWidget::itemChanged, this, [this](QListWidgetItem* e) {
        // A sixth check, however it came, is taken back.
        if (e->checkState() == Qt::Checked && Gewaehlt().size() > Graphwerte::kWeitereKurven) {
            const QSignalBlocker still(Liste);
            e->setCheckState(Qt::Unchecked);
        }
        Geaendert();
    });
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setGeometry(60, 214, 93, 27);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    CancelBtn = new QPushButton(QStringLiteral("Abbrechen"), this);
    CancelBtn->setGeometry(159, 214, 93, 27);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TKurvenWahlForm::Fuelle(const Modell& m, std::int32_t horizontal, std::int32_t vertikal,
                             const std::vector<std::int32_t>& gewaehlt) {
    const QSignalBlocker still(Liste);
    Liste->clear();
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i) {
        if (i == horizontal || i == vertikal) continue;
        auto* e = new QListWidgetItem(
            QString::fromStdString(m.Variablen[static_cast<std::size_t>(i)].Name), Liste);
        e->setData(kIndex, i);
        e->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool an = std::find(gewaehlt.begin(), gewaehlt.end(), i) != gewaehlt.end();
        e->setCheckState(an ? Qt::Checked : Qt::Unchecked);
    }
    Geaendert();
}

std::vector<std::int32_t> TKurvenWahlForm::Gewaehlt() const {
    std::vector<std::int32_t> auswahl;
    for (int r = 0; r < Liste->count(); ++r)
        if (Liste->item(r)->checkState() == Qt::Checked)
            auswahl.push_back(Liste->item(r)->data(kIndex).toInt());
    return auswahl;
}

void TKurvenWahlForm::Geaendert() {
    // With five checked, the others cannot be checked until one is unchecked.
    const bool voll = Gewaehlt().size() >= Graphwerte::kWeitereKurven;
    const QSignalBlocker still(Liste);
    for (int r = 0; r < Liste->count(); ++r) {
        QListWidgetItem* e = Liste->item(r);
        const bool frei = !voll || e->checkState() == Qt::Checked;
        e->setFlags(frei ? (e->flags() | Qt::ItemIsEnabled) : (e->flags() & ~Qt::ItemIsEnabled));
    }
}

}  // namespace quintor
