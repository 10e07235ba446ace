// Several curves in one graph, and runs kept for comparison: the colour of each curve, the
// points of the current run and of up to ten kept runs (bounded in memory), their lighter tints,
// and the legend that names the curves and the runs.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "dokument.h"

namespace quintor {

class Modell;
class TKoordinatensystem;

// The first pair and the further vertical variables.
inline constexpr int kKurvenHoechstens = 1 + static_cast<int>(Graphwerte::kWeitereKurven);

// The colour of curve k: the first pair keeps the graph colour, the others a fixed palette.
QColor Kurvenfarbe(int k, const QColor& graphFarbe);
// A kept run's tint of a colour: the older the run (alter 0 is the newest of `behalten` kept
// runs), the lighter; the oldest and the newest differ clearly however many runs are kept.
QColor Aufgehellt(const QColor& farbe, int alter, int behalten = 1);
// The pictures of the tool buttons "Weitere Kurven…" (curves in three colours) and "Kurven
// behalten" (a curve over its lighter copy).
QIcon KurvenSymbol(bool behalten);
// "0,1", "-2,5", "1E+30": a start value for the legend, with a decimal comma.
QString Legendenzahl(float wert);

// The points of one run: for every recorded point the horizontal value, then the vertical value
// of each curve.
struct Kurvenlauf {
    std::vector<std::string> namen;  // horizontal, then the vertical variable of each curve
    std::vector<std::pair<std::string, float>> startwerte;
    bool streckenzug = true;
    std::vector<float> werte;
    long long angeboten = 0;  // points offered since the run began
    long long abstand = 1;    // every abstand-th offered point is kept

    int Kurven() const { return static_cast<int>(namen.size()) - 1; }
    std::size_t Punkte() const { return namen.empty() ? 0 : werte.size() / namen.size(); }
};

class Kurvenbuch {
  public:
    static constexpr std::size_t kHoechstensLaeufe = 10;
    // Points per run; beyond, every second one goes and from then on only every second is kept.
    static constexpr std::size_t kHoechstensPunkte = 16384;

    bool Behalten() const { return behalten_; }
    // Off: the kept runs go; a new run only replaces the current one.
    void SetzeBehalten(bool an);

    // A run begins at the start values, with the horizontal variable and the vertical ones in
    // `kurven`. With Behalten the current run becomes a kept one, unless it began at the same
    // start values (the same graph drawn again); a kept run with the new run's start values, and
    // kept runs of other variables, go. True when the kept runs changed.
    bool NeuerLauf(const Modell& m, std::int32_t horizontal, const std::int32_t* kurven, int anzahl,
                   bool streckenzug);
    // A drawn point of the current run: the horizontal value, then one value per curve.
    void Merke(const float* werte);
    void LoescheBehaltene() { behaltene_.clear(); }

    const std::deque<Kurvenlauf>& Behaltene() const { return behaltene_; }
    const Kurvenlauf& Aktuell() const { return aktuell_; }

    // The name of each run, the kept ones oldest first, then the current one: the start values
    // that differ between them ("DT = 0,1"), or "Lauf n" when none does.
    std::vector<QString> Laufnamen() const;

    // The kept runs of these variables (horizontal, then the curves) in their tints, from their
    // values: after any clearing, size or zoom.
    void ZeichneBehaltene(TKoordinatensystem& ks, const std::vector<std::string>& namen) const;
    // The legend in the corner of the plot area farthest from `start` (the pixel of the current
    // run's first point): the curves' names and colours when there are several, and the runs
    // when some are kept. Nothing otherwise; returns where it was drawn.
    QRect ZeichneLegende(TKoordinatensystem& ks, const std::vector<QString>& kurvennamen,
                         QPoint start) const;
    // The same legend with any painter in the control's pixel coordinates (a saved or printed
    // picture).
    QRect MaleLegende(QPainter& maler, const TKoordinatensystem& ks,
                      const std::vector<QString>& kurvennamen, QPoint start) const;
    // "Zeichnung löschen": the current run's points go; a run still going on records on.
    void LoescheAktuellePunkte() { aktuell_.werte.clear(); }

  private:
    void Ausduennen();

    bool behalten_ = false;
    Kurvenlauf aktuell_;
    std::deque<Kurvenlauf> behaltene_;
};

}  // namespace quintor
