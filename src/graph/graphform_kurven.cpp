// The graph window's curves: the first pair and the further vertical variables drawn after each
// step, the record of the run for comparing runs, the legend, and the message of a run's end.
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "graphform.h"
#include "ks.h"
#include "kurvenwahl.h"

namespace quintor {

void TGraphForm::WaehleKurven() {
    const Graphwerte& g = Graph();
    kurvenzahl_ = 0;
    kurven_[static_cast<std::size_t>(kurvenzahl_++)] = g.vertikal;
    for (const std::int32_t i : g.WeitereKurven) {
        if (kurvenzahl_ == kKurvenHoechstens) break;
        const auto ende = kurven_.begin() + kurvenzahl_;
        if (i >= 1 && i <= modell_.Variablenzahl && i != g.horizontal &&
            std::find(kurven_.begin(), ende, i) == ende)
            kurven_[static_cast<std::size_t>(kurvenzahl_++)] = i;
    }
    for (int k = 0; k < kurvenzahl_; ++k)
        farben_[static_cast<std::size_t>(k)] = Kurvenfarbe(k, Koordinatensystem1->GraphFarbe());
}

std::vector<std::string> TGraphForm::Kurvennamen() const {
    std::vector<std::string> namen{
        modell_.Variablen[static_cast<std::size_t>(Graph().horizontal)].Name};
    for (int k = 0; k < kurvenzahl_; ++k)
        namen.push_back(
            modell_.Variablen[static_cast<std::size_t>(kurven_[static_cast<std::size_t>(k)])].Name);
    return namen;
}

void TGraphForm::ZeichneWeitere(const float* werte, bool neu, bool linie) {
    if (kurvenzahl_ <= 1) return;
    TKoordinatensystem* ks = Koordinatensystem1;
    int px = 0;
    try {
        px = ks->xPixel(ks->xNorm(werte[0]));  // the same column for every curve
    } catch (const Pixelfehler&) {
        return;
    }
    for (std::size_t k = 1; k < static_cast<std::size_t>(kurvenzahl_); ++k) {
        try {
            const QPoint p(px, ks->yPixel(ks->yNorm(werte[k + 1])));
            if (!linie)
                ks->Punkt(p, farben_[k]);
            else if (!neu && stiftGueltig_[k] && p != stift_[k])
                ks->Strecke(stift_[k], p, farben_[k]);
            stift_[k] = p;
            stiftGueltig_[k] = true;
        } catch (const Pixelfehler&) {
            // As with the first pair: the line goes on from the last point that had a pixel.
        }
    }
}

void TGraphForm::Zeichne(const Graphwerte& g, int& punktzaehler) {
    TKoordinatensystem* ks = Koordinatensystem1;
    const auto& var = modell_.Variablen;
    std::array<float, kKurvenHoechstens + 1> werte;
    werte[0] = var[static_cast<std::size_t>(g.horizontal)].Wert;
    for (std::size_t k = 0; k < static_cast<std::size_t>(kurvenzahl_); ++k)
        werte[k + 1] = var[static_cast<std::size_t>(kurven_[k])].Wert;
    const float hx = werte[0], vy = werte[1];
    if (g.Streckenzug) {
        ZeichneWeitere(werte.data(), NeuerZug, true);
        kurvenbuch_.Merke(werte.data());
    } else {
        if (++punktzaehler == g.Punktmodul) punktzaehler = 0;
        if (punktzaehler == 0) {
            ZeichneWeitere(werte.data(), false, false);
            kurvenbuch_.Merke(werte.data());
        }
    }
    try {
        if (g.Streckenzug) {
            if (NeuerZug) {
                ks->GeheZu(hx, vy);
                NeuerZug = false;
            } else {
                ks->LinieZu(hx, vy);
            }
        } else {
            if (punktzaehler == 0) ks->PunktZeichnen(hx, vy);
        }
    } catch (const Pixelfehler&) {
    }
}

void TGraphForm::Startpunkte(bool neuerLauf) {
    TKoordinatensystem* ks = Koordinatensystem1;
    const Graphwerte& g = Graph();
    WaehleKurven();
    // Other curves or another mode after a halt begin a new record as well.
    const Kurvenlauf& bisher = kurvenbuch_.Aktuell();
    if (!neuerLauf && (bisher.namen != Kurvennamen() || bisher.streckenzug != g.Streckenzug))
        neuerLauf = true;
    if (neuerLauf &&
        kurvenbuch_.NeuerLauf(modell_, g.horizontal, kurven_.data(), kurvenzahl_, g.Streckenzug))
        kurvenbuch_.ZeichneBehaltene(*ks, Kurvennamen());
    std::array<float, kKurvenHoechstens + 1> werte;
    werte[0] = h();
    for (std::size_t k = 0; k < static_cast<std::size_t>(kurvenzahl_); ++k)
        werte[k + 1] = modell_.Variablen[static_cast<std::size_t>(kurven_[k])].Wert;
    ZeichneWeitere(werte.data(), true, g.Streckenzug);
    if (neuerLauf) kurvenbuch_.Merke(werte.data());
    try {
        if (g.Streckenzug)
            ks->GeheZu(h(), v());
        else
            ks->PunktZeichnen(h(), v());
    } catch (const Pixelfehler&) {
    }
}

void TGraphForm::ZeichneLegende() {
    TKoordinatensystem* ks = Koordinatensystem1;
    std::vector<QString> namen;
    for (int k = 0; k < kurvenzahl_; ++k)
        namen.push_back(QString::fromStdString(
            modell_.Variablen[static_cast<std::size_t>(kurven_[static_cast<std::size_t>(k)])]
                .Name));
    legende_ = kurvenbuch_.ZeichneLegende(*ks, namen, Legendenstart());
}

QPoint TGraphForm::Legendenstart() const {
    const TKoordinatensystem* ks = Koordinatensystem1;
    QPoint start(ks->xPixel(0), ks->yPixel(0));
    const Kurvenlauf& lauf = kurvenbuch_.Aktuell();
    try {
        if (lauf.Punkte() > 0) start = ks->Pixel(lauf.werte[0], lauf.werte[1]);
    } catch (const Pixelfehler&) {
    }
    return start;
}

void TGraphForm::ZeigeMeldung(bool zeigen) {
    const bool da = zeigen && !meldung_.isEmpty() && !laeuft_;
    Meldungslabel->setText(meldung_);
    Meldungslabel->setToolTip(meldung_);
    Meldungslabel->setVisible(da);
    if (da) Label1->hide();
}

void TGraphForm::KurvenKnopfClick() {
    if (laeuft_) return;
    const Graphwerte& g = Graph();
    KurvenWahl->Fuelle(modell_, AchsenGueltig() ? g.horizontal : 0,
                       AchsenGueltig() ? g.vertikal : 0, g.WeitereKurven);
    if (KurvenWahl->exec() != QDialog::Accepted) return;
    AendereGraph([this](Graphwerte& neu) { neu.WeitereKurven = KurvenWahl->Gewaehlt(); });
    Loeschen();
    paint();
}

void TGraphForm::BehaltenKnopfClick(bool an) {
    kurvenbuch_.SetzeBehalten(an);
}

}  // namespace quintor
