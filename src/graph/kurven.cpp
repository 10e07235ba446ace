#include "kurven.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <array>

#include "ks.h"
#include "modell.h"

namespace quintor {

namespace {

// Clearly distinct on white and from the grey grid; the first pair uses the graph colour.
constexpr std::array<QRgb, kKurvenHoechstens - 1> kPalette = {
    qRgb(0, 0, 230), qRgb(220, 0, 0), qRgb(0, 150, 0), qRgb(230, 120, 0), qRgb(160, 0, 170)};

constexpr int kRand = 4;                     // inside the legend box
constexpr int kMarke = 12;                   // width of a colour mark
constexpr int kMarkenabstand = 3;            // between two marks
constexpr std::size_t kHoechstensNamen = 3;  // differing start values named per run

}  // namespace

QColor Kurvenfarbe(int k, const QColor& graphFarbe) {
    if (k <= 0) return graphFarbe;
    return QColor(kPalette[static_cast<std::size_t>(k - 1) % kPalette.size()]);
}

QColor Aufgehellt(const QColor& farbe, int alter, int behalten) {
    // 40 % of the way to white for the newest kept run, 75 % for the oldest.
    const int anteil =
        behalten > 1 ? 40 + 35 * std::clamp(alter, 0, behalten - 1) / (behalten - 1) : 40;
    const auto hell = [anteil](int c) { return c + (255 - c) * anteil / 100; };
    return QColor(hell(farbe.red()), hell(farbe.green()), hell(farbe.blue()));
}

QIcon KurvenSymbol(bool behalten) {
    QIcon icon;
    for (const QIcon::Mode art : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap bild(16, 16);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing, true);
        const auto welle = [&maler](const QColor& farbe, double hoehe, double schwung) {
            QPainterPath weg(QPointF(1, hoehe));
            weg.cubicTo(5, hoehe - schwung, 10, hoehe + schwung, 15, hoehe - 1);
            maler.setPen(QPen(farbe, 1.6));
            maler.drawPath(weg);
        };
        const bool aus = art == QIcon::Disabled;
        const auto farbe = [aus](QColor c) { return aus ? QColor(160, 160, 160) : c; };
        if (behalten) {
            welle(farbe(Aufgehellt(Kurvenfarbe(1, Qt::black), 0)), 10, 7);
            welle(farbe(Kurvenfarbe(1, Qt::black)), 7, 7);
        } else {
            welle(farbe(Qt::black), 4, 4);
            welle(farbe(Kurvenfarbe(1, Qt::black)), 8.5, 5);
            welle(farbe(Kurvenfarbe(2, Qt::black)), 13, 4);
        }
        maler.end();
        icon.addPixmap(bild, art);
    }
    return icon;
}

QString Legendenzahl(float wert) {
    return QLocale(QLocale::German, QLocale::Germany)
        .toString(static_cast<double>(wert), 'g', 7)
        .remove(QLocale(QLocale::German, QLocale::Germany).groupSeparator());
}

void Kurvenbuch::SetzeBehalten(bool an) {
    behalten_ = an;
    if (!an) behaltene_.clear();
}

bool Kurvenbuch::NeuerLauf(const Modell& m, std::int32_t horizontal, const std::int32_t* kurven,
                           int anzahl, bool streckenzug) {
    Kurvenlauf neu;
    const auto name = [&m](std::int32_t i) {
        return m.Variablen[static_cast<std::size_t>(i)].Name;
    };
    neu.namen.push_back(name(horizontal));
    for (int k = 0; k < anzahl; ++k) neu.namen.push_back(name(kurven[k]));
    for (std::int32_t i = 1; i <= m.Variablenzahl; ++i)
        neu.startwerte.emplace_back(name(i), m.StartwertListe[static_cast<std::size_t>(i)]);
    neu.streckenzug = streckenzug;

    const std::size_t vorher = behaltene_.size();
    bool geaendert = false;
    if (behalten_ && aktuell_.Punkte() > 0 && aktuell_.namen == neu.namen &&
        aktuell_.startwerte != neu.startwerte) {
        behaltene_.push_back(std::move(aktuell_));
        geaendert = true;
    }
    // Runs of other variables cannot be compared; a run at the same start values is drawn anew.
    const auto weg = [&neu](const Kurvenlauf& l) {
        return l.namen != neu.namen || l.startwerte == neu.startwerte;
    };
    behaltene_.erase(std::remove_if(behaltene_.begin(), behaltene_.end(), weg), behaltene_.end());
    while (behaltene_.size() > kHoechstensLaeufe) behaltene_.pop_front();
    geaendert = geaendert || behaltene_.size() != vorher;

    // The current run's buffer is reused when it was not kept.
    std::vector<float> puffer = std::move(aktuell_.werte);
    puffer.clear();
    aktuell_ = std::move(neu);
    aktuell_.werte = std::move(puffer);
    aktuell_.werte.reserve(aktuell_.namen.size() * 1024);
    return geaendert;
}

void Kurvenbuch::Merke(const float* werte) {
    const long long nr = aktuell_.angeboten++;
    if (nr % aktuell_.abstand != 0) return;
    if (aktuell_.Punkte() >= kHoechstensPunkte) {
        Ausduennen();
        if (nr % aktuell_.abstand != 0) return;
    }
    aktuell_.werte.insert(aktuell_.werte.end(), werte, werte + aktuell_.namen.size());
}

void Kurvenbuch::Ausduennen() {
    // Every second point stays, the first among them; so the kept points stay evenly spaced.
    const std::size_t breite = aktuell_.namen.size();
    std::vector<float>& w = aktuell_.werte;
    const std::size_t punkte = aktuell_.Punkte();
    std::size_t ziel = 0;
    for (std::size_t p = 0; p < punkte; p += 2, ++ziel)
        std::copy_n(w.begin() + static_cast<std::ptrdiff_t>(p * breite), breite,
                    w.begin() + static_cast<std::ptrdiff_t>(ziel * breite));
    w.resize(ziel * breite);
    aktuell_.abstand *= 2;
}

std::vector<QString> Kurvenbuch::Laufnamen() const {
    std::vector<const Kurvenlauf*> laeufe;
    for (const Kurvenlauf& l : behaltene_) laeufe.push_back(&l);
    laeufe.push_back(&aktuell_);
    const auto wert = [](const Kurvenlauf& l, const std::string& name) -> const float* {
        for (const auto& [n, w] : l.startwerte)
            if (n == name) return &w;
        return nullptr;
    };
    // The names whose start value is not the same in every run, in the model's order.
    std::vector<std::string> verschieden;
    for (const auto& [name, w0] : aktuell_.startwerte) {
        for (const Kurvenlauf* l : laeufe) {
            const float* w = wert(*l, name);
            if (w && *w != w0) {
                verschieden.push_back(name);
                break;
            }
        }
    }
    std::vector<QString> namen;
    for (std::size_t i = 0; i < laeufe.size(); ++i) {
        QStringList teile;
        for (std::size_t j = 0; j < verschieden.size() && j < kHoechstensNamen; ++j)
            if (const float* w = wert(*laeufe[i], verschieden[j]))
                teile << QString::fromStdString(verschieden[j]) + " = " + Legendenzahl(*w);
        if (verschieden.size() > kHoechstensNamen) teile << QStringLiteral("…");
        namen.push_back(teile.isEmpty() ? QStringLiteral("Lauf %1").arg(i + 1)
                                        : teile.join(QStringLiteral(", ")));
    }
    return namen;
}

void Kurvenbuch::ZeichneBehaltene(TKoordinatensystem& ks,
                                  const std::vector<std::string>& namen) const {
    for (std::size_t i = 0; i < behaltene_.size(); ++i) {
        const Kurvenlauf& l = behaltene_[i];
        if (l.namen != namen) continue;
        const int alter = static_cast<int>(behaltene_.size() - 1 - i);
        const std::size_t breite = l.namen.size();
        for (int k = 0; k < l.Kurven(); ++k) {
            const QColor farbe = Aufgehellt(Kurvenfarbe(k, ks.GraphFarbe()), alter,
                                            static_cast<int>(behaltene_.size()));
            QPoint letzter;
            bool hatLetzten = false;
            for (std::size_t p = 0; p < l.Punkte(); ++p) {
                const float* w = &l.werte[p * breite];
                try {
                    const QPoint q = ks.Pixel(w[0], w[k + 1]);
                    if (!l.streckenzug)
                        ks.Punkt(q, farbe);
                    else if (hatLetzten)
                        ks.Strecke(letzter, q, farbe);
                    letzter = q;
                    hatLetzten = true;
                } catch (const Pixelfehler&) {
                }
            }
        }
    }
}

QRect Kurvenbuch::ZeichneLegende(TKoordinatensystem& ks, const std::vector<QString>& kurvennamen,
                                 QPoint start) const {
    if (kurvennamen.size() <= 1 && behaltene_.empty()) return {};
    QRect kasten;
    ks.Uebermalen(ks.Bild().rect(),
                  [&](QPainter& maler) { kasten = MaleLegende(maler, ks, kurvennamen, start); });
    return kasten;
}

QRect Kurvenbuch::MaleLegende(QPainter& maler, const TKoordinatensystem& ks,
                              const std::vector<QString>& kurvennamen, QPoint start) const {
    const int kurven = static_cast<int>(kurvennamen.size());
    const bool laeufe = !behaltene_.empty();
    if (kurven <= 1 && !laeufe) return {};
    // Rows: one per curve when there are several, then one per run when runs are kept.
    struct Zeile {
        QString text;
        int alter;  // -1: full colours
        int marken;
        int ersteKurve;
    };
    std::vector<Zeile> zeilen;
    if (kurven > 1)
        for (int k = 0; k < kurven; ++k)
            zeilen.push_back({kurvennamen[static_cast<std::size_t>(k)], -1, 1, k});
    if (laeufe) {
        const std::vector<QString> namen = Laufnamen();
        const int n = static_cast<int>(namen.size());
        for (int i = 0; i < n; ++i)
            zeilen.push_back({namen[static_cast<std::size_t>(i)], i == n - 1 ? -1 : n - 2 - i,
                              std::max(kurven, 1), 0});
    }
    const QFontMetrics fm(ks.font());
    const int zeilenhoehe = fm.height();
    // The oldest runs' rows give way when the legend would be taller than the plot area.
    const int platz = (ks.yPixel(0) - ks.yPixel(1) - 4 - 2 * kRand) / std::max(zeilenhoehe, 1);
    const auto ersteLaufzeile = zeilen.begin() + (kurven > 1 ? kurven : 0);
    const auto zuviel = static_cast<std::ptrdiff_t>(zeilen.size()) - std::max(platz, 1);
    if (zuviel > 0)
        zeilen.erase(ersteLaufzeile,
                     ersteLaufzeile + std::min(zuviel, zeilen.end() - ersteLaufzeile));
    int markenBreite = 0, textBreite = 0;
    for (const Zeile& z : zeilen) {
        markenBreite = std::max(markenBreite, z.marken * (kMarke + kMarkenabstand));
        textBreite = std::max(textBreite, fm.horizontalAdvance(z.text));
    }
    const QSize groesse(2 * kRand + markenBreite + 2 + textBreite,
                        2 * kRand + zeilenhoehe * static_cast<int>(zeilen.size()));

    // The plot area's corners; the one farthest from the start point takes the legend.
    const int links = ks.xPixel(0) + 2, rechts = ks.xPixel(1) - 2;
    const int oben = ks.yPixel(1) + 2, unten = ks.yPixel(0) - 2;
    const std::array<QPoint, 4> ecken = {QPoint(rechts - groesse.width(), oben),
                                         QPoint(links, oben),
                                         QPoint(rechts - groesse.width(), unten - groesse.height()),
                                         QPoint(links, unten - groesse.height())};
    QRect kasten;
    long long weiteste = -1;
    for (const QPoint& e : ecken) {
        const QRect r(e, groesse);
        const long long ddx = std::clamp(start.x(), r.left(), r.right()) - start.x();
        const long long ddy = std::clamp(start.y(), r.top(), r.bottom()) - start.y();
        const long long abstand = ddx * ddx + ddy * ddy;
        if (abstand > weiteste) {
            weiteste = abstand;
            kasten = r;
        }
    }
    const QColor graphFarbe = ks.GraphFarbe(), ksFarbe = ks.KSFarbe();
    maler.save();
    maler.setFont(ks.font());
    {
        maler.fillRect(kasten, Qt::white);
        maler.setPen(ksFarbe);
        maler.drawRect(kasten.adjusted(0, 0, -1, -1));
        int y = kasten.top() + kRand;
        for (const Zeile& z : zeilen) {
            int x = kasten.left() + kRand;
            for (int m = 0; m < z.marken; ++m) {
                QColor c = Kurvenfarbe(z.ersteKurve + m, graphFarbe);
                if (z.alter >= 0) c = Aufgehellt(c, z.alter, static_cast<int>(behaltene_.size()));
                maler.fillRect(x, y + zeilenhoehe / 2 - 1, kMarke, 3, c);
                x += kMarke + kMarkenabstand;
            }
            maler.setPen(Qt::black);
            maler.drawText(kasten.left() + kRand + markenBreite + 2, y + fm.ascent(), z.text);
            y += zeilenhoehe;
        }
    }
    maler.restore();
    return kasten;
}

}  // namespace quintor
