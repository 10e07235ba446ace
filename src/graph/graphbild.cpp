#include "graphbild.h"

#include <QBuffer>
#include <QDir>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "ks.h"
#include "kurven.h"

namespace quintor {

namespace {

// The control's pixel of a world point, unrounded, so that a large picture gets smooth curves;
// false when the point has none.
bool Ort(const TKoordinatensystem& ks, float x, float y, QPointF& p) {
    const double u = (static_cast<double>(x) - ks.x1()) / ks.dx();
    const double v = (static_cast<double>(y) - ks.y1()) / ks.dy();
    p = QPointF(
        TKoordinatensystem::xRand + TKoordinatensystem::Skalenbreite + ks.Zeichenbreite() * u,
        ks.height() - (ks.Zeichenhoehe() * v + TKoordinatensystem::yRand));
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Liang-Barsky: cuts the segment to the rectangle; false when nothing of it lies inside. Points
// far outside (a value of 1E30) thus never reach the painter.
bool Klippe(QPointF& a, QPointF& e, const QRectF& r) {
    const double ddx = e.x() - a.x(), ddy = e.y() - a.y();
    const double p[4] = {-ddx, ddx, -ddy, ddy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF a0 = a;
    a = a0 + t0 * QPointF(ddx, ddy);
    e = a0 + t1 * QPointF(ddx, ddy);
    return true;
}

// One curve of a recorded run: a line through its points, or a dot at each.
void MaleKurve(QPainter& maler, const TKoordinatensystem& ks, const Kurvenlauf& lauf, int k,
               const QColor& farbe) {
    const QRectF feld(-2, -2, ks.width() + 4, ks.height() + 4);
    const std::size_t breite = lauf.namen.size();
    maler.setPen(QPen(farbe, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPolygonF zug;
    const auto zeichneZug = [&] {
        if (zug.size() > 1) maler.drawPolyline(zug);
        zug.clear();
    };
    QPointF letzter;
    bool hatLetzten = false;
    for (std::size_t i = 0; i < lauf.Punkte(); ++i) {
        const float* w = &lauf.werte[i * breite];
        QPointF p;
        // As in the window: a point without a pixel is left out, the line goes on past it.
        if (!Ort(ks, w[0], w[static_cast<std::size_t>(k) + 1], p)) continue;
        if (!lauf.streckenzug) {
            if (feld.contains(p))
                maler.fillRect(QRectF(std::round(p.x()), std::round(p.y()), 1, 1), farbe);
        } else if (hatLetzten) {
            QPointF a = letzter, e = p;
            if (Klippe(a, e, feld)) {
                if (zug.isEmpty() || zug.last() != a) {
                    zeichneZug();
                    zug << a;
                }
                zug << e;
            }
        }
        letzter = p;
        hatLetzten = true;
    }
    zeichneZug();
}

void MaleKurven(QPainter& maler, const TKoordinatensystem& ks, const Kurvenbuch& buch) {
    const Kurvenlauf& aktuell = buch.Aktuell();
    const int behalten = static_cast<int>(buch.Behaltene().size());
    // The kept runs in their tints, the oldest first, then the current run in full colour.
    for (int i = 0; i < behalten; ++i) {
        const Kurvenlauf& l = buch.Behaltene()[static_cast<std::size_t>(i)];
        if (l.namen != aktuell.namen) continue;
        for (int k = 0; k < l.Kurven(); ++k)
            MaleKurve(maler, ks, l, k,
                      Aufgehellt(Kurvenfarbe(k, ks.GraphFarbe()), behalten - 1 - i, behalten));
    }
    for (int k = 0; k < aktuell.Kurven(); ++k)
        MaleKurve(maler, ks, aktuell, k, Kurvenfarbe(k, ks.GraphFarbe()));
}

QString Aufzaehlung(const QStringList& namen) {
    if (namen.size() <= 1) return namen.value(0);
    return namen.mid(0, namen.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") +
           namen.last();
}

}  // namespace

void MaleGraph(QPainter& maler, const Graphinhalt& inhalt) {
    const TKoordinatensystem& ks = *inhalt.ks;
    const int breite = ks.width(), hoehe = ks.height();
    maler.save();
    maler.setClipRect(QRect(0, 0, breite, hoehe));
    maler.fillRect(QRect(0, 0, breite, hoehe), Qt::white);
    maler.setRenderHint(QPainter::Antialiasing, false);
    ks.MaleRaster(maler);
    // Curves are smoothed once the picture is larger than the window; at its size it looks
    // as the window does.
    const bool glatt = maler.worldTransform().m11() >= 1.5;

    // The axes through 0.
    maler.setPen(QPen(ks.KSFarbe(), 1));
    const auto achse = [&](float xa, float ya, float xe, float ye) {
        QPointF a, e;
        if (Ort(ks, xa, ya, a) && Ort(ks, xe, ye, e)) maler.drawLine(a, e);
    };
    if (static_cast<double>(ks.x1()) * ks.x2() <= 0) achse(0, ks.y1(), 0, ks.y2());
    if (static_cast<double>(ks.y1()) * ks.y2() <= 0) achse(ks.x1(), 0, ks.x2(), 0);
    if (!inhalt.hName.isEmpty()) {
        const QFontMetrics fm(ks.font());
        maler.setFont(ks.font());
        maler.drawText(15, 5 + fm.ascent(), inhalt.vName);
        maler.drawText(breite - 100, hoehe - 20 + fm.ascent(), inhalt.hName);
    }

    maler.setRenderHint(QPainter::Antialiasing, glatt);
    maler.setPen(QPen(ks.GraphFarbe(), 1));
    maler.setBrush(Qt::NoBrush);
    for (const auto& [mx, my] : inhalt.messpunkte) {
        QPointF p;
        if (Ort(ks, mx, my, p) && p.x() > -4 && p.y() > -4 && p.x() < breite + 4 &&
            p.y() < hoehe + 4)
            maler.drawRect(QRectF(std::round(p.x()) - 2, std::round(p.y()) - 2, 4, 4));
    }
    if (inhalt.kurven) {
        MaleKurven(maler, ks, *inhalt.kurven);
        maler.setRenderHint(QPainter::Antialiasing, false);
        if (inhalt.kurven->Aktuell().Punkte() > 0 || !inhalt.kurven->Behaltene().empty())
            inhalt.kurven->MaleLegende(maler, ks, inhalt.kurvennamen, inhalt.legendenStart);
    }
    maler.restore();
}

QSize Bildgroesse(const Graphinhalt& inhalt, int breite) {
    const double w = std::max(inhalt.ks->width(), 1), h = std::max(inhalt.ks->height(), 1);
    double b = std::clamp(breite, 1, kBildHoechstens);
    double hb = std::max(1.0, std::round(b * h / w));
    if (hb > kBildHoechstens) {
        hb = kBildHoechstens;
        b = std::max(1.0, std::round(hb * w / h));
    }
    return {static_cast<int>(b), static_cast<int>(hb)};
}

QImage Graphbild(const Graphinhalt& inhalt, int breite) {
    const QSize groesse = Bildgroesse(inhalt, breite);
    QImage bild(groesse, QImage::Format_RGB32);
    if (bild.isNull() || inhalt.ks->width() <= 0 || inhalt.ks->height() <= 0) return {};
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.scale(static_cast<double>(groesse.width()) / inhalt.ks->width(),
                static_cast<double>(groesse.height()) / inhalt.ks->height());
    MaleGraph(maler, inhalt);
    return bild;
}

bool SpeichereGraphbild(const QString& pfad, const Graphinhalt& inhalt, int breite,
                        QString& fehler) {
    const QString ort = QDir::toNativeSeparators(pfad);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (pfad.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const QSize groesse = Bildgroesse(inhalt, breite);
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setResolution(96);  // one pixel of the window is one CSS pixel
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setTitle(QStringLiteral("Graph"));
        if (!inhalt.hName.isEmpty())
            svg.setDescription(inhalt.vName + QStringLiteral(" über ") + inhalt.hName);
        QPainter maler;
        if (!maler.begin(&svg)) {
            fehler = QStringLiteral("Das Bild %1 konnte nicht erzeugt werden.").arg(ort);
            return false;
        }
        maler.scale(static_cast<double>(groesse.width()) / std::max(inhalt.ks->width(), 1),
                    static_cast<double>(groesse.height()) / std::max(inhalt.ks->height(), 1));
        MaleGraph(maler, inhalt);
        maler.end();
    } else {
        const QImage bild = Graphbild(inhalt, breite);
        if (bild.isNull() || !bild.save(&puffer, "PNG")) {
            const QSize g = Bildgroesse(inhalt, breite);
            fehler = QStringLiteral(
                         "Das Bild von %1 × %2 Pixeln konnte nicht erzeugt werden.\n"
                         "Bitte wählen Sie eine kleinere Breite.")
                         .arg(g.width())
                         .arg(g.height());
            return false;
        }
    }
    // Written whole or not at all: an existing file stays as it was when writing fails.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size() ||
        !datei.commit()) {
        fehler = QStringLiteral("Das Bild konnte nicht gespeichert werden: %1\n%2")
                     .arg(ort, datei.errorString());
        return false;
    }
    return true;
}

QStringList Graphkopf(const QString& dateiname, const Graphinhalt& inhalt, const QDate& datum) {
    QStringList senkrecht;
    for (const QString& n : inhalt.kurvennamen) senkrecht << n;
    if (senkrecht.isEmpty() && !inhalt.vName.isEmpty()) senkrecht << inhalt.vName;
    QString zeile = QStringLiteral("Graph");
    if (!senkrecht.isEmpty() && !inhalt.hName.isEmpty())
        zeile += QStringLiteral(" von ") + Aufzaehlung(senkrecht) + QStringLiteral(" über ") +
                 inhalt.hName;
    zeile += QStringLiteral(", ausgedruckt am ") +
             QLocale(QLocale::German).toString(datum, QLocale::ShortFormat) +
             QStringLiteral(" von Quintor");
    return {dateiname.isEmpty() ? QStringLiteral("Unbenanntes Modell") : dateiname, zeile};
}

void MaleGraphseite(QPainter& maler, const QRect& seite, const Graphinhalt& inhalt,
                    const QStringList& kopf, const QFont& kopfschrift) {
    maler.save();
    maler.setFont(kopfschrift);
    maler.setPen(Qt::black);
    const QFontMetrics fm(kopfschrift, maler.device());
    int y = seite.top();
    for (const QString& zeile : kopf) {
        // A long path loses its middle rather than running off the page.
        maler.drawText(seite.left(), y + fm.ascent(),
                       fm.elidedText(zeile, Qt::ElideMiddle, seite.width()));
        y += fm.lineSpacing();
    }
    y += fm.lineSpacing();
    const int w = inhalt.ks->width(), h = inhalt.ks->height();
    const double frei = seite.bottom() + 1 - y;
    const double faktor =
        std::min(static_cast<double>(seite.width()) / std::max(w, 1), frei / std::max(h, 1));
    if (w > 0 && h > 0 && faktor > 0) {
        maler.translate(seite.left() + (seite.width() - w * faktor) / 2, y);
        maler.scale(faktor, faktor);
        MaleGraph(maler, inhalt);
        maler.setRenderHint(QPainter::Antialiasing, false);
        maler.setPen(QPen(QColor(160, 160, 160), 0));
        maler.setBrush(Qt::NoBrush);
        maler.drawRect(QRectF(0, 0, w, h));
    }
    maler.restore();
}

bool DruckeGraph(QPagedPaintDevice& geraet, const Graphinhalt& inhalt, const QStringList& kopf,
                 QString& fehler) {
    QPainter maler;
    if (!maler.begin(&geraet)) {
        fehler = QStringLiteral("Der Druckauftrag konnte nicht begonnen werden.");
        return false;
    }
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPointSize(11);
    MaleGraphseite(maler, QRect(0, 0, geraet.width(), geraet.height()), inhalt, kopf, schrift);
    if (!maler.end()) {
        fehler = QStringLiteral("Beim Drucken ist ein Fehler aufgetreten.");
        return false;
    }
    return true;
}

}  // namespace quintor
