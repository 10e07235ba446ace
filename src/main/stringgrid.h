// The start-value grid: three columns (names, start values, results) and a header row. The
// header row and the name column are fixed; they are drawn as the table's headers, so they stay
// in view while the rows scroll. Row 100 keeps its cells without being shown.
#pragma once

#include <QString>
#include <QTableWidget>
#include <string>

#include "dokument.h"
#include "schritt.h"

namespace quintor {

class TStringGrid : public QTableWidget {
    Q_OBJECT

  public:
    static constexpr int kSichtbareZeilen = 100;  // header row plus 99 variable rows

    explicit TStringGrid(QWidget* parent = nullptr);

    // Column 0 names, 1 start-value texts, 2 result texts; row 0 holds the headers, row i
    // belongs to variable i (up to 100).
    std::string Zelle(int spalte, int zeile) const;
    void SetzeZelle(int spalte, int zeile, const std::string& text);
    QString Text(int spalte, int zeile) const {
        return QString::fromStdString(Zelle(spalte, zeile));
    }

    // Names and start-value texts of the document's variables; the rows below are emptied.
    void Zeige(const Dokument& dokument);

    // Rows and columns `faktor` times their designed size (the font is the caller's); with
    // `fuellen` the three columns share the grid's whole width.
    void SetzeMasse(double faktor, bool fuellen);

    // The grid row (from 1) of the current cell; a right click does not move it.
    int AktuelleZeile() const;
    void SetzeAktuelleZeile(int zeile);

  signals:
    void MausLosgelassen(Qt::MouseButton knopf);
    void Doppelklick();
    // A cell of the variable rows changed, by typing or by the program.
    void ZelleGeaendert(int spalte, int zeile);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void Spaltenbreiten();

    QString ecke_;                 // cell (0, 0)
    double faktor_ = 1;
    bool fuellen_ = false;
    std::string zeileHundert_[3];  // the row without a place on screen
};

// Shows every stored result in the grid's result column.
class Ergebnisspalte : public Ergebnisanzeige {
  public:
    explicit Ergebnisspalte(TStringGrid& gitter) : gitter_(gitter) {}
    void Ergebnis(std::int32_t ziel, float wert) override;

  private:
    TStringGrid& gitter_;
};

}  // namespace quintor
