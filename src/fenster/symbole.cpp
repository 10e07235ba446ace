#include "symbole.h"

#include <QPixmap>

#include "symbolmaler.h"

namespace quintor {

namespace {

using namespace glyphen;

// File commands; false for any other glyph.
bool ZeichneDatei(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Neu:
            Blatt(m, 3.5, 1.5, 12.5, 14.5, 3);
            break;

        case Symbol::Oeffnen: {
            m.Flaeche(
                Polygon(
                    {{1.5, 13.5}, {1.5, 2.5}, {5.5, 2.5}, {6.5, 3.5}, {12.5, 3.5}, {12.5, 7.5}}),
                m.akzent.voll, kUmriss);
            m.Rechteck(3.5, 5.5, 11.5, 9.5, kPapier, kUmriss);
            m.Flaeche(Polygon({{1.5, 13.5}, {4, 7.5}, {15, 7.5}, {12.5, 13.5}}), m.akzent.hell,
                      kUmriss);
            break;
        }

        case Symbol::Speichern:
            Diskette(m, 1.5, 1.5, 14.5, 14.5);
            break;

        case Symbol::SpeichernUnter: {
            Diskette(m, 0.5, 0.5, 12.5, 12.5);
            // A pen writing towards the bottom left, cut free from the disk.
            p.save();
            p.translate(7.5, 15);
            p.rotate(-45);
            QPainterPath stift = Polygon({{0, 0}, {3, -1.6}, {10.5, -1.6}, {10.5, 1.6}, {3, 1.6}});
            m.Freistellen(stift, 1);
            m.Flaeche(Polygon({{3, -1.6}, {10.5, -1.6}, {10.5, 1.6}, {3, 1.6}}), kGelb, kUmriss);
            m.Flaeche(Polygon({{0, 0}, {3, -1.6}, {3, 1.6}}), kPapier, kUmriss);
            m.Flaeche(Polygon({{0, 0}, {1.2, -0.65}, {1.2, 0.65}}), kUmriss, kUmriss, 0.5);
            p.restore();
            break;
        }

        case Symbol::Drucken:
            Drucker(m);
            break;

        case Symbol::Druckereinrichtung: {
            Drucker(m);
            const QPainterPath rad = Zahnrad({11.5, 11.5}, 4.4, 3.1, 7);
            m.Freistellen(rad, 1);
            QPainterPath loch;
            loch.addEllipse(QPointF(11.5, 11.5), 1.2, 1.2);
            m.Flaeche(rad.subtracted(loch), m.akzent.voll, kUmriss, 0.9);
            break;
        }

        case Symbol::Beenden: {
            // Door frame with the dark opening, the leaf swung towards the viewer, an arrow out.
            m.Rechteck(1.5, 1.5, 8.5, 14.5, kDunkel, kUmriss);
            m.Flaeche(Polygon({{1.5, 1.5}, {5.5, 3}, {5.5, 15.5}, {1.5, 14.5}}), m.akzent.voll,
                      kUmriss);
            m.Fuellen(4, 8, 5, 9.5, kPapier);
            QPainterPath pfeil =
                Polygon({{7, 6.5}, {11, 6.5}, {11, 4}, {15.2, 8}, {11, 12}, {11, 9.5}, {7, 9.5}});
            m.Freistellen(pfeil, 0.8);
            m.Flaeche(pfeil, kRot, kUmriss, 0.8);
            break;
        }
        default:
            return false;
    }
    return true;
}

// Edit commands; false for any other glyph.
bool ZeichneBearbeiten(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Ausschneiden: {
            p.setRenderHint(QPainter::Antialiasing);
            // Blades crossing at the pivot, the handle rings below.
            m.Flaeche(Polygon({{5.2, 10.2}, {10.8, 0.8}, {10.6, 3.6}, {6.8, 10.8}}), kDunkel,
                      kUmriss, 0.7);
            m.Flaeche(Polygon({{10.8, 10.2}, {5.2, 0.8}, {5.4, 3.6}, {9.2, 10.8}}), kDunkel,
                      kUmriss, 0.7);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(m.akzent.voll, 1.6));
            p.drawEllipse(QPointF(4.6, 12.2), 2.4, 2.4);
            p.drawEllipse(QPointF(11.4, 12.2), 2.4, 2.4);
            m.Fuellen(7.5, 6.5, 8.5, 7.5, kUmriss);
            break;
        }

        case Symbol::Kopieren:
            Blatt(m, 1.5, 1.5, 9.5, 11.5, 2);
            Zeilen(m, 3, 7, {5, 7}, m.akzent.voll);
            Blatt(m, 6.5, 4.5, 14.5, 14.5, 3);
            Zeilen(m, 8, 13, {9, 11, 13}, m.akzent.voll);
            break;

        case Symbol::Einfuegen: {
            QPainterPath brett;
            brett.addRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
            m.Flaeche(brett, m.akzent.voll, kUmriss);
            m.Rechteck(4.5, 1.5, 8.5, 4.5, kMetall, kUmriss);
            Blatt(m, 6.5, 6.5, 14.5, 14.5, 2);
            Zeilen(m, 8, 13, {9, 11, 13}, m.akzent.voll);
            break;
        }
        default:
            return false;
    }
    return true;
}

// Views, calculator and constants; false for any other glyph.
bool ZeichneAnsichten(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Graph: {
            QPainterPath kurve;
            for (int i = 0; i <= 40; ++i) {
                const qreal x = 3.5 + i * 11.0 / 40;
                const qreal y = 8 - 4.5 * std::sin((x - 3.5) * 0.62) * std::exp(-(x - 3.5) * 0.06);
                if (i == 0)
                    kurve.moveTo(x, y);
                else
                    kurve.lineTo(x, y);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(m.akzent.voll, 1.6, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(kurve);
            m.Linie({2.5, 2}, {2.5, 13.5}, kUmriss);
            m.Linie({2, 13.5}, {14, 13.5}, kUmriss);
            m.Flaeche(Polygon({{2.5, 0.5}, {4.5, 3}, {0.5, 3}}), kUmriss, kUmriss, 0);
            m.Flaeche(Polygon({{15.5, 13.5}, {13, 15.5}, {13, 11.5}}), kUmriss, kUmriss, 0);
            break;
        }

        case Symbol::Tabelle:
            m.Rechteck(1.5, 2.5, 14.5, 14.5, kPapier, kUmriss);
            m.Fuellen(2, 3, 14, 5.5, m.akzent.voll);
            m.Fuellen(2, 5.5, 6, 14, m.akzent.hell);
            for (qreal y : {5.5, 8.5, 11.5}) m.Linie({2, y}, {14, y}, kUmriss);
            for (qreal x : {6.5, 10.5}) m.Linie({x, 3}, {x, 14}, kUmriss);
            break;

        case Symbol::Taschenrechner: {
            QPainterPath koerper;
            koerper.addRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
            m.Flaeche(koerper, kMetall, kUmriss);
            m.Fuellen(4, 2, 12, 4, m.akzent.voll);
            for (int zeile = 0; zeile < 3; ++zeile)
                for (int spalte = 0; spalte < 3; ++spalte)
                    m.Fuellen(4 + 3 * spalte, 6 + 3 * zeile, 6 + 3 * spalte, 8 + 3 * zeile,
                              zeile == 2 && spalte == 2 ? m.akzent.voll : kDunkel);
            break;
        }

        case Symbol::Konstanten: {
            QPainterPath karte;
            karte.addRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
            m.Flaeche(karte, m.akzent.hell, kUmriss);
            QPainterPath pi;
            pi.moveTo(3.8, 6);
            pi.quadTo(4.4, 4.6, 6, 4.6);
            pi.lineTo(12.4, 4.6);
            pi.moveTo(6.6, 4.6);
            pi.quadTo(6.6, 9.5, 5.2, 12);
            pi.moveTo(10.1, 4.6);
            pi.lineTo(10.1, 10.6);
            pi.quadTo(10.1, 12, 11.4, 12);
            pi.quadTo(12.2, 12, 12.5, 11);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(m.akzent.voll.darker(140), 1.7, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(pi);
            break;
        }
        default:
            return false;
    }
    return true;
}

// Help; false for any other glyph.
bool ZeichneHilfe(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Hilfeinhalt: {
            QPainterPath buch;
            buch.addRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
            m.Flaeche(buch, m.akzent.voll, kUmriss);
            m.Fuellen(3, 2, 5, 14, m.akzent.voll.darker(130));
            m.Linie({5.5, 2}, {5.5, 14}, kUmriss);
            QPainterPath frage;
            frage.moveTo(7.4, 6);
            frage.cubicTo(7.4, 3.8, 11.6, 3.8, 11.6, 6);
            frage.cubicTo(11.6, 7.6, 9.5, 7.6, 9.5, 9.4);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(kPapier, 1.6, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(frage);
            p.setPen(Qt::NoPen);
            p.setBrush(m.F(kPapier));
            p.drawEllipse(QPointF(9.5, 11.8), 0.95, 0.95);
            break;
        }

        case Symbol::Suche: {
            m.Linie({10.2, 10.2}, {14.2, 14.2}, kUmriss, 2.8, Qt::RoundCap);
            m.Linie({10.6, 10.6}, {13.9, 13.9}, m.akzent.voll, 1.2, Qt::RoundCap);
            QPainterPath glas;
            glas.addEllipse(QPointF(6.5, 6.5), 5, 5);
            m.Flaeche(glas, m.akzent.hell, kUmriss, 1.2);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(kPapier, 1.2, Qt::RoundCap));
            p.drawArc(QRectF(3.5, 3.5, 6, 6), 100 * 16, 70 * 16);
            break;
        }

        case Symbol::Info: {
            QPainterPath kreis;
            kreis.addEllipse(QPointF(8, 8), 7, 7);
            m.Flaeche(kreis, m.akzent.voll, m.akzent.voll.darker(150));
            m.Fuellen(7, 7, 9, 12.5, kPapier);
            m.Fuellen(6, 7, 7, 8, kPapier);
            m.Fuellen(6, 11.5, 10, 12.5, kPapier);
            p.setPen(Qt::NoPen);
            p.setBrush(m.F(kPapier));
            p.drawEllipse(QPointF(8, 4.5), 1.2, 1.2);
            break;
        }
        default:
            return false;
    }
    return true;
}

// The main window's run buttons; false for any other glyph.
bool ZeichneLauf(const Maler& m, Symbol s) {
    [[maybe_unused]] QPainter& p = m.p;
    switch (s) {
        case Symbol::Startwerte: {
            // A list of values with an arrow loading into it from above.
            m.Rechteck(1.5, 6.5, 14.5, 14.5, kPapier, kUmriss);
            m.Fuellen(2, 7, 14, 9, m.akzent.hell);
            for (qreal y : {10, 12}) {
                m.Fuellen(3, y, 5, y + 1, kUmriss);
                m.Fuellen(6, y, 13, y + 1, kDunkel);
            }
            QPainterPath pfeil = Polygon(
                {{6.5, 0.5}, {9.5, 0.5}, {9.5, 4.5}, {12, 4.5}, {8, 9}, {4, 4.5}, {6.5, 4.5}});
            m.Freistellen(pfeil, 0.8);
            m.Flaeche(pfeil, m.akzent.voll, kUmriss, 0.8);
            break;
        }

        case Symbol::Einzelschritt:
            m.Flaeche(Polygon({{2.5, 2.5}, {10.5, 8}, {2.5, 13.5}}), m.akzent.voll, kUmriss);
            m.Rechteck(11.5, 2.5, 13.5, 13.5, m.akzent.voll, kUmriss);
            break;

        case Symbol::Zeilenschritt:
            // The lines of a model, the one pointed at being worked out.
            m.Flaeche(Polygon({{0.5, 4.5}, {4.5, 8}, {0.5, 11.5}}), m.akzent.voll, kUmriss);
            m.Fuellen(7, 2, 15, 3.5, kDunkel);
            m.Rechteck(6.5, 5.5, 15.5, 10.5, m.akzent.hell, kUmriss);
            m.Fuellen(8, 7.5, 14, 8.5, m.akzent.voll.darker(140));
            m.Fuellen(7, 12.5, 13, 14, kDunkel);
            break;

        case Symbol::Iteration: {
            // A loop run clockwise, the head at the top closing it.
            QPainterPath bogen;
            const QRectF kreis(2.5, 3.5, 11, 11);
            bogen.arcMoveTo(kreis, 15);
            bogen.arcTo(kreis, 15, -285);
            const QColor ring = m.akzent.voll.darker(125);
            p.setBrush(Qt::NoBrush);
            p.setPen(m.Stift(ring, 2.2, Qt::FlatCap, Qt::RoundJoin));
            p.drawPath(bogen);
            const QPointF ende = bogen.currentPosition();
            p.setPen(Qt::NoPen);
            p.setBrush(m.F(ring));
            p.drawPath(Polygon(
                {ende + QPointF(-0.5, -3.2), ende + QPointF(3.6, 0), ende + QPointF(-0.5, 3.2)}));
            break;
        }

        case Symbol::Abbruch: {
            // Stop, in the same picture language as the step and the loop.
            QPainterPath stopp;
            stopp.addRoundedRect(QRectF(2.5, 2.5, 11, 11), 1.5, 1.5);
            m.Flaeche(stopp, kRot, kRot.darker(160));
            break;
        }
        default:
            return false;
    }
    return true;
}

void Zeichne(const Maler& m, Symbol s) {
    for (auto teil : {ZeichneDatei, ZeichneBearbeiten, ZeichneAnsichten, ZeichneHilfe, ZeichneLauf,
                      ZeichneGraphwahl, ZeichneGraphlauf})
        if (teil(m, s)) return;
}

QPixmap Bild(Symbol s, int pixel, bool grau) {
    QPixmap bild(pixel, pixel);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(pixel / kRaster, pixel / kRaster);
    Zeichne(Maler{p, grau, AkzentVon(s)}, s);
    return bild;
}

}  // namespace

QIcon SymbolIcon(Symbol s) {
    // QIcon picks by device pixels, and a glyph at 16 px for ratio 2 is the same picture as at
    // 32 px for ratio 1; so 64 and 96 px cover ratio 2 for 32 and 48 px.
    QIcon icon;
    for (int pixel : {16, 24, 32, 48, 64, 96}) {
        icon.addPixmap(Bild(s, pixel, false), QIcon::Normal);
        icon.addPixmap(Bild(s, pixel, true), QIcon::Disabled);
    }
    return icon;
}

}  // namespace quintor
