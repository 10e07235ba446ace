// The graph window's glyphs: choosing axes and scale, clearing, drawing, halting.
#include "symbolmaler.h"

namespace quintor::glyphen {

// The graph window's choices; false for any other glyph.
bool ZeichneGraphwahl(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Achsenwahl: {
            // The axes of the graph, each named by its variable.
            m.Linie({2.5, 2}, {2.5, 13.5}, kUmriss);
            m.Linie({2, 13.5}, {14, 13.5}, kUmriss);
            m.Flaeche(Polygon({{2.5, 0.5}, {4.5, 3}, {0.5, 3}}), kUmriss, kUmriss, 0);
            m.Flaeche(Polygon({{15.5, 13.5}, {13, 15.5}, {13, 11.5}}), kUmriss, kUmriss, 0);
            // Bold letters set pixel by pixel, so they stay crisp at 16 px.
            const QColor schrift = m.akzent.voll.darker(130);
            const auto setze = [&](int x0, int y0, std::initializer_list<const char*> zeilen) {
                int y = y0;
                for (const char* zeile : zeilen) {
                    for (int x = 0; zeile[x]; ++x)
                        if (zeile[x] == '#') m.Fuellen(x0 + x, y, x0 + x + 1, y + 1, schrift);
                    ++y;
                }
            };
            setze(4, 1, {"##..##", "##..##", ".####.", "..##..", ".##...", "##...."});
            setze(9, 6, {"##..##", ".####.", "..##..", ".####.", "##..##"});
            break;
        }

        case Symbol::Skala: {
            // Graduated axes and a swatch of the curve colours.
            m.Linie({2.5, 1}, {2.5, 14}, kUmriss);
            m.Linie({2, 13.5}, {15, 13.5}, kUmriss);
            for (qreal t : {4, 7, 10}) m.Fuellen(0.5, t, 2, t + 1, kUmriss);
            for (qreal t : {5, 8, 11, 14}) m.Fuellen(t, 14, t + 1, 15.5, kUmriss);
            m.Rechteck(7.5, 1.5, 14.5, 8.5, kPapier, kUmriss);
            m.Fuellen(8, 2, 14, 4, kRot);
            m.Fuellen(8, 4, 14, 6, kGelb);
            m.Fuellen(8, 6, 14, 8, m.akzent.voll);
            break;
        }

        case Symbol::Radieren: {
            // A curve wiped away under an eraser moving from right to left.
            QPainterPath spur;
            spur.moveTo(0.8, 13);
            spur.cubicTo(2.5, 9.5, 4, 9.5, 6, 12.5);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(m.akzent.voll, 1.6, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(spur);
            p.save();
            p.translate(6.5, 12);
            p.rotate(-35);
            const QPainterPath gummi = Polygon({{0, -2.8}, {10, -2.8}, {10, 2.8}, {0, 2.8}});
            m.Freistellen(gummi, 0.8);
            m.Flaeche(gummi, kPapier, kUmriss);
            m.Flaeche(Polygon({{4.5, -2.8}, {10, -2.8}, {10, 2.8}, {4.5, 2.8}}), m.akzent.voll,
                      kUmriss);
            p.restore();
            break;
        }
        default:
            return false;
    }
    return true;
}

// The graph window's run, and the program; false for any other glyph.
bool ZeichneGraphlauf(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Zeichnen: {
            // A pencil running along the curve it draws.
            QPainterPath kurve;
            kurve.moveTo(1.2, 9);
            kurve.cubicTo(3, 3.5, 4.5, 3.5, 5.5, 8.5);
            kurve.cubicTo(6.3, 12.3, 7, 13.5, 7.8, 13.2);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(m.akzent.voll, 1.6, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(kurve);
            p.save();
            p.translate(8, 13);
            p.rotate(-45);
            const QPainterPath stift =
                Polygon({{0, 0}, {3, -1.8}, {11, -1.8}, {11, 1.8}, {3, 1.8}});
            m.Freistellen(stift, 0.8);
            m.Flaeche(Polygon({{3, -1.8}, {11, -1.8}, {11, 1.8}, {3, 1.8}}), kGelb, kUmriss);
            m.Flaeche(Polygon({{0, 0}, {3, -1.8}, {3, 1.8}}), kPapier, kUmriss);
            m.Flaeche(Polygon({{0, 0}, {1.3, -0.8}, {1.3, 0.8}}), kUmriss, kUmriss, 0.5);
            p.restore();
            break;
        }

        case Symbol::Anhalten:
            m.Rechteck(3.5, 2.5, 6.5, 13.5, m.akzent.voll, kUmriss);
            m.Rechteck(9.5, 2.5, 12.5, 13.5, m.akzent.voll, kUmriss);
            break;

        case Symbol::Programm: {
            // Discrete time: a damped oscillation as single dots, one per step.
            QPainterPath feld;
            feld.addRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
            QLinearGradient verlauf(0, 0, 0, 16);
            verlauf.setColorAt(0, m.F(QColor(0x3b, 0x6f, 0xa8)));
            verlauf.setColorAt(1, m.F(QColor(0x23, 0x46, 0x72)));
            p.setPen(m.Stift(QColor(0x1b, 0x35, 0x57)));
            p.setBrush(verlauf);
            p.drawPath(feld);
            // The continuous motion faint behind, the computed steps as dots on it.
            const auto welle = [](qreal x) {
                const qreal t = (x - 2.5) * std::numbers::pi / 5.55;
                return 8.5 - 4.8 * std::exp(-0.12 * t) * std::sin(t);
            };
            QPainterPath kurve;
            kurve.moveTo(1.5, welle(1.5));
            for (int i = 1; i <= 52; ++i) kurve.lineTo(1.5 + i * 0.25, welle(1.5 + i * 0.25));
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(QColor(0x9c, 0xbd, 0xe2), 0.9, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(kurve);
            p.setPen(m.Stift(QColor(0x1b, 0x35, 0x57), 0.5));
            p.setBrush(m.F(kGelb));
            for (int i = 0; i < 7; ++i) {
                const qreal x = 2.5 + 1.85 * i;
                p.drawEllipse(QPointF(x, welle(x)), 1.1, 1.1);
            }
            break;
        }
        default:
            return false;
    }
    return true;
}

}  // namespace quintor::glyphen
