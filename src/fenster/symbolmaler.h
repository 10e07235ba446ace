// The glyphs' drawing kit: the grid, the palette, the painter that greys a disabled glyph, and
// the shapes several glyphs share. Only the glyph files include it.
#pragma once

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

#include "symbole.h"

namespace quintor::glyphen {

// Every glyph is drawn on a 16x16 grid. One-unit lines lie on half coordinates so that they fill
// whole pixels at 16 px and at the integer multiples 32 and 48.
constexpr qreal kRaster = 16;

// A calm palette: one dark outline, light fills, one accent colour per command group.
inline const QColor kUmriss(0x34, 0x3b, 0x46);
inline const QColor kPapier(0xfd, 0xfd, 0xfb);
inline const QColor kMetall(0xd3, 0xd8, 0xdf);
inline const QColor kDunkel(0x5b, 0x64, 0x72);
inline const QColor kRot(0xd2, 0x3a, 0x34);
inline const QColor kGelb(0xf2, 0xc2, 0x3c);

struct Akzent {
    QColor voll;
    QColor hell;
};
inline const Akzent kDatei{QColor(0x3a, 0x78, 0xc4), QColor(0xb4, 0xd0, 0xf0)};
inline const Akzent kBearbeiten{QColor(0xd9, 0x82, 0x26), QColor(0xf7, 0xd6, 0xad)};
inline const Akzent kAnsicht{QColor(0x1f, 0x94, 0x88), QColor(0xad, 0xe0, 0xd9)};
inline const Akzent kLauf{QColor(0x3a, 0x9c, 0x3a), QColor(0xbc, 0xe3, 0xb4)};

inline Akzent AkzentVon(Symbol s) {
    if (s <= Symbol::Beenden) return kDatei;
    if (s <= Symbol::Einfuegen) return kBearbeiten;
    if (s <= Symbol::Info) return kAnsicht;
    if (s <= Symbol::Abbruch) return kLauf;
    // Setting up and clearing the picture belong with the views; drawing starts a run.
    if (s <= Symbol::Radieren) return kAnsicht;
    return kLauf;
}

// The painter with the glyph's colours. For the disabled mode every colour becomes a grey of
// the same rank in lightness: dark outlines and the accents are squeezed into a mid grey band,
// so that a glyph drawn only in its accent still stands out on a grey button face.
struct Maler {
    QPainter& p;
    bool grau;
    Akzent akzent;

    QColor F(const QColor& c) const {
        if (!grau) return c;
        const double l = qGray(c.rgb());
        const double g = l < 150 ? 125 + (l - 57) * 35 / 93 : 160 + (l - 150) * 86 / 105;
        const int w = qBound(0, qRound(g), 255);
        return QColor(w, w, w, c.alpha());
    }
    QColor A() const { return F(akzent.voll); }
    QColor H() const { return F(akzent.hell); }

    QPen Stift(const QColor& c, qreal breite = 1, Qt::PenCapStyle kappe = Qt::FlatCap,
               Qt::PenJoinStyle ecke = Qt::MiterJoin) const {
        return QPen(F(c), breite, Qt::SolidLine, kappe, ecke);
    }

    // Filled shape with an outline; colours pass through F.
    void Flaeche(const QPainterPath& weg, const QColor& fuellung, const QColor& rand,
                 qreal breite = 1) const {
        p.setPen(breite > 0 ? Stift(rand, breite) : Qt::NoPen);
        p.setBrush(F(fuellung));
        p.drawPath(weg);
    }
    void Rechteck(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& fuellung,
                  const QColor& rand, qreal breite = 1) const {
        QPainterPath weg;
        weg.addRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)));
        Flaeche(weg, fuellung, rand, breite);
    }
    void Fuellen(qreal x1, qreal y1, qreal x2, qreal y2, const QColor& c) const {
        p.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)), F(c));
    }
    void Linie(QPointF a, QPointF b, const QColor& c, qreal breite = 1,
               Qt::PenCapStyle kappe = Qt::FlatCap) const {
        p.setPen(Stift(c, breite, kappe));
        p.drawLine(a, b);
    }
    // Erases a margin around a shape that is laid over another one, so the two stay apart.
    void Freistellen(const QPainterPath& weg, qreal rand) const {
        p.save();
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setPen(QPen(Qt::black, 2 * rand, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::black);
        p.drawPath(weg);
        p.restore();
    }
};

inline QPainterPath Polygon(std::initializer_list<QPointF> punkte) {
    QPainterPath weg;
    weg.addPolygon(QPolygonF(QList<QPointF>(punkte)));
    weg.closeSubpath();
    return weg;
}

// A sheet with a folded top right corner; the outline runs on the given half coordinates.
inline void Blatt(const Maler& m, qreal x1, qreal y1, qreal x2, qreal y2, qreal knick) {
    m.Flaeche(Polygon({{x1, y1}, {x2 - knick, y1}, {x2, y1 + knick}, {x2, y2}, {x1, y2}}), kPapier,
              kUmriss);
    m.Flaeche(Polygon({{x2 - knick, y1}, {x2 - knick, y1 + knick}, {x2, y1 + knick}}),
              m.akzent.hell, kUmriss);
}

// Text lines on a sheet, one pixel high.
inline void Zeilen(const Maler& m, qreal x1, qreal x2, std::initializer_list<qreal> ys,
                   const QColor& c) {
    for (qreal y : ys) m.Fuellen(x1, y, x2, y + 1, c);
}

inline void Diskette(const Maler& m, qreal x1, qreal y1, qreal x2, qreal y2) {
    m.Flaeche(Polygon({{x1, y1}, {x2 - 2, y1}, {x2, y1 + 2}, {x2, y2}, {x1, y2}}), m.akzent.voll,
              kUmriss);
    // Shutter with its slot, label below.
    m.Rechteck(x1 + 3, y1, x2 - 3, y1 + 4, kMetall, kUmriss);
    m.Fuellen(x2 - 5.5, y1 + 1, x2 - 4.5, y1 + 3.5, kUmriss);
    m.Rechteck(x1 + 2, y2 - 5, x2 - 2, y2, kPapier, kUmriss);
    m.Fuellen(x1 + 3.5, y2 - 3.5, x2 - 3.5, y2 - 2.5, m.akzent.hell);
}

inline void Drucker(const Maler& m) {
    m.Rechteck(4.5, 1.5, 11.5, 6.5, kPapier, kUmriss);
    QPainterPath gehaeuse;
    gehaeuse.addRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    m.Flaeche(gehaeuse, kMetall, kUmriss);
    m.Fuellen(12, 7, 13, 8, m.akzent.voll);
    m.Fuellen(3.5, 9.5, 12.5, 10.5, kUmriss);
    m.Rechteck(4.5, 9.5, 11.5, 14.5, kPapier, kUmriss);
    Zeilen(m, 6, 10, {11, 13}, m.akzent.voll);
}

inline QPainterPath Zahnrad(QPointF mitte, qreal aussen, qreal innen, int zaehne) {
    QPainterPath weg;
    const qreal schritt = 2 * std::numbers::pi / zaehne;
    for (int i = 0; i < zaehne; ++i) {
        const qreal w = i * schritt - std::numbers::pi / 2;
        const qreal punkte[][2] = {{w - 0.42 * schritt, innen},
                                   {w - 0.2 * schritt, aussen},
                                   {w + 0.2 * schritt, aussen},
                                   {w + 0.42 * schritt, innen}};
        for (const auto& [winkel, r] : punkte) {
            const QPointF q = mitte + QPointF(std::cos(winkel), std::sin(winkel)) * r;
            if (weg.elementCount() == 0)
                weg.moveTo(q);
            else
                weg.lineTo(q);
        }
    }
    weg.closeSubpath();
    return weg;
}

// The graph window's glyphs; false for any other glyph.
bool ZeichneGraphwahl(const Maler& m, Symbol s);
bool ZeichneGraphlauf(const Maler& m, Symbol s);

}  // namespace quintor::glyphen
