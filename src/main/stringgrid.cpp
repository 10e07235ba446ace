#include "stringgrid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <algorithm>
#include <cmath>

#include "zahltext.h"

namespace quintor {

namespace {
constexpr int kZeilenhoehe = 20;  // 19 pixels and the grid line
constexpr int kSpaltenbreite = 66;
}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableWidget(kSichtbareZeilen - 1, 2, parent) {
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kSpaltenbreite);
    horizontalHeader()->setFixedHeight(kZeilenhoehe);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kZeilenhoehe);
    verticalHeader()->setFixedWidth(kSpaltenbreite);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setHighlightSections(false);
    for (int c = 0; c < 2; ++c) setHorizontalHeaderItem(c, new QTableWidgetItem());
    for (int r = 0; r < rowCount(); ++r) {
        setVerticalHeaderItem(r, new QTableWidgetItem());
        for (int c = 0; c < 2; ++c) setItem(r, c, new QTableWidgetItem());
    }
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::SelectedClicked);
    setCurrentCell(0, 0);
    setTabKeyNavigation(false);
    // The corner holds the header of the name column.
    if (auto* ecke = findChild<QAbstractButton*>()) ecke->installEventFilter(this);
    connect(this, &QTableWidget::cellChanged, this,
            [this](int zeile, int spalte) { emit ZelleGeaendert(spalte + 1, zeile + 1); });
}

std::string TStringGrid::Zelle(int spalte, int zeile) const {
    if (spalte < 0 || spalte > 2 || zeile < 0 || zeile > kMaxVariablen) return {};
    if (zeile == kMaxVariablen) return zeileHundert_[spalte];
    QString t;
    if (zeile == 0)
        t = spalte == 0 ? ecke_ : horizontalHeaderItem(spalte - 1)->text();
    else if (spalte == 0)
        t = verticalHeaderItem(zeile - 1)->text();
    else
        t = item(zeile - 1, spalte - 1)->text();
    return t.toStdString();
}

void TStringGrid::SetzeZelle(int spalte, int zeile, const std::string& text) {
    if (spalte < 0 || spalte > 2 || zeile < 0 || zeile > kMaxVariablen) return;
    if (zeile == kMaxVariablen) {
        zeileHundert_[spalte] = text;
        return;
    }
    const QString t = QString::fromStdString(text);
    if (zeile == 0 && spalte == 0) {
        ecke_ = t;
        if (auto* ecke = findChild<QAbstractButton*>()) ecke->update();
    } else if (zeile == 0) {
        horizontalHeaderItem(spalte - 1)->setText(t);
    } else if (spalte == 0) {
        verticalHeaderItem(zeile - 1)->setText(t);
    } else {
        item(zeile - 1, spalte - 1)->setText(t);
    }
}

int TStringGrid::AktuelleZeile() const {
    return currentRow() < 0 ? 1 : currentRow() + 1;
}

void TStringGrid::SetzeAktuelleZeile(int zeile) {
    setCurrentCell(zeile - 1, currentColumn() < 0 ? 0 : currentColumn());
}

void TStringGrid::SetzeMasse(double faktor, bool fuellen) {
    faktor_ = faktor;
    fuellen_ = fuellen;
    const int hoehe = static_cast<int>(std::lround(kZeilenhoehe * faktor));
    horizontalHeader()->setFixedHeight(hoehe);
    verticalHeader()->setDefaultSectionSize(hoehe);
    Spaltenbreiten();
}

void TStringGrid::resizeEvent(QResizeEvent* e) {
    QTableWidget::resizeEvent(e);
    if (fuellen_) Spaltenbreiten();
}

void TStringGrid::Spaltenbreiten() {
    int breite = static_cast<int>(std::lround(kSpaltenbreite * faktor_));
    if (fuellen_) {
        const int innen = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
        breite = std::max(breite, innen / 3);
    }
    horizontalHeader()->setDefaultSectionSize(breite);
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, breite);
    verticalHeader()->setFixedWidth(breite);
}

void TStringGrid::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::RightButton) {
        e->accept();  // a right click leaves the current cell where it is
        return;
    }
    QTableWidget::mousePressEvent(e);
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::RightButton) QTableWidget::mouseReleaseEvent(e);
    emit MausLosgelassen(e->button());
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    emit Doppelklick();
}

void TStringGrid::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) {
        // The fixed cells are drawn in the grid's font.
        horizontalHeader()->setFont(font());
        verticalHeader()->setFont(font());
        if (auto* ecke = findChild<QAbstractButton*>()) ecke->setFont(font());
    }
    QTableWidget::changeEvent(e);
}

bool TStringGrid::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::Paint && objekt == findChild<QAbstractButton*>()) {
        auto* ecke = static_cast<QWidget*>(objekt);
        QPainter p(ecke);
        QStyleOptionHeader opt;
        opt.initFrom(ecke);
        opt.rect = ecke->rect();
        opt.text = ecke_;
        opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        opt.position = QStyleOptionHeader::OnlyOneSection;
        ecke->style()->drawControl(QStyle::CE_Header, &opt, &p, ecke);
        return true;
    }
    return QTableWidget::eventFilter(objekt, e);
}

void TStringGrid::Zeige(const Dokument& dokument) {
    const std::int32_t n = dokument.Daten().Variablenzahl;
    auto setze = [this](int spalte, int zeile, const std::string& text) {
        if (Zelle(spalte, zeile) != text) SetzeZelle(spalte, zeile, text);
    };
    if (n > 0) {
        setze(0, 0, "Bezeichner");
        setze(1, 0, "Startwert");
        setze(2, 0, "Ergebnis");
    }
    for (std::int32_t i = 1; i <= kMaxVariablen; ++i) {
        const bool belegt = i <= n;
        setze(0, i, belegt ? dokument.Daten().Variablen[static_cast<std::size_t>(i)].Name : "");
        setze(1, i, belegt ? dokument.Startwerttext(i) : "");
        if (!belegt) setze(2, i, "");
    }
}

void Ergebnisspalte::Ergebnis(std::int32_t ziel, float wert) {
    gitter_.SetzeZelle(2, ziel, ZahlZuText(wert));
}

}  // namespace quintor
