#include "ks.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "dokument.h"
#include "zahltext.h"

namespace quintor {

namespace {

// 2^63: the first magnitude that no longer rounds to a 64-bit integer.
constexpr long double kGrenze63 = 9223372036854775808.0L;
// Far enough outside any picture, and far from the int range, so sums with margins never wrap.
constexpr std::int64_t kxGrenze = std::int64_t{1} << 30;

std::int64_t Runden(long double p) {
    if (!(std::fabs(p) < kGrenze63)) throw Pixelfehler();  // also NaN and inf
    return std::llrint(p);  // ties to even in the default rounding mode
}

// The pen modes as bit operations on the 24 RGB bits; the alpha byte stays opaque.
struct Kopie {
    static QRgb f(QRgb s, QRgb) { return s; }
};
struct Xor {
    static QRgb f(QRgb s, QRgb d) { return s ^ d; }
};
struct NichtXor {
    static QRgb f(QRgb s, QRgb d) { return ~(s ^ d); }
};
struct NichtQuelle {
    static QRgb f(QRgb s, QRgb) { return ~s; }
};
struct Oder {
    static QRgb f(QRgb s, QRgb d) { return s | d; }
};
struct Und {
    static QRgb f(QRgb s, QRgb d) { return s & d; }
};
struct NichtQuelleUndNichtZiel {
    static QRgb f(QRgb s, QRgb d) { return ~s & ~d; }
};
struct NichtQuelleOderNichtZiel {
    static QRgb f(QRgb s, QRgb d) { return ~s | ~d; }
};
struct NichtQuelleUndZiel {
    static QRgb f(QRgb s, QRgb d) { return ~s & d; }
};
struct QuelleUndNichtZiel {
    static QRgb f(QRgb s, QRgb d) { return s & ~d; }
};
struct NichtQuelleOderZiel {
    static QRgb f(QRgb s, QRgb d) { return ~s | d; }
};
struct QuelleOderNichtZiel {
    static QRgb f(QRgb s, QRgb d) { return s | ~d; }
};
struct NichtZiel {
    static QRgb f(QRgb, QRgb d) { return ~d; }
};
struct Schwarz {
    static QRgb f(QRgb, QRgb) { return 0; }
};
struct Weiss {
    static QRgb f(QRgb, QRgb) { return 0xffffff; }
};

// Integer Bresenham from (xa, ya) towards (xe, ye), the end pixel left out. Pixels outside the
// picture are skipped; the caller has clipped the ends to near the picture.
template <class Op>
void Rastern(uchar* bits, qsizetype zeile, int breite, int hoehe, int xa, int ya, int xe, int ye,
             QRgb farbe) {
    const int ddx = std::abs(xe - xa), sx = xa < xe ? 1 : -1;
    const int ddy = -std::abs(ye - ya), sy = ya < ye ? 1 : -1;
    int fehler = ddx + ddy;
    while (xa != xe || ya != ye) {
        if (static_cast<unsigned>(xa) < static_cast<unsigned>(breite) &&
            static_cast<unsigned>(ya) < static_cast<unsigned>(hoehe)) {
            QRgb* p = reinterpret_cast<QRgb*>(bits + ya * zeile) + xa;
            *p = 0xff000000u | (Op::f(farbe, *p) & 0xffffffu);
        }
        const int f2 = 2 * fehler;
        if (f2 >= ddy) {
            fehler += ddy;
            xa += sx;
        }
        if (f2 <= ddx) {
            fehler += ddx;
            ya += sy;
        }
    }
}

// Liang-Barsky: cuts the segment to the rectangle; false when nothing of it lies inside.
bool Klippen(double& xa, double& ya, double& xe, double& ye, double xmin, double ymin, double xmax,
             double ymax) {
    const double ddx = xe - xa, ddy = ye - ya;
    const double p[4] = {-ddx, ddx, -ddy, ddy};
    const double q[4] = {xa - xmin, xmax - xa, ya - ymin, ymax - ya};
    double t0 = 0, t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
        } else {
            const double r = q[i] / p[i];
            if (p[i] < 0) {
                if (r > t1) return false;
                t0 = std::max(t0, r);
            } else {
                if (r < t0) return false;
                t1 = std::min(t1, r);
            }
        }
    }
    const double x0 = xa, y0 = ya;
    if (t1 < 1) {
        xe = x0 + t1 * ddx;
        ye = y0 + t1 * ddy;
    }
    if (t0 > 0) {
        xa = x0 + t0 * ddx;
        ya = y0 + t0 * ddy;
    }
    return true;
}

}  // namespace

TKoordinatensystem::TKoordinatensystem(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
    // The paint event covers its whole rectangle from the picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    bild_ = QImage(size(), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    zeichenbreite_ = width() - 2 * xRand - Skalenbreite;
    zeichenhoehe_ = height() - 2 * yRand;
    try {
        xint_ = xPixel(xNorm(x_));
    } catch (const Pixelfehler&) {
    }
    try {
        yint_ = yPixel(yNorm(y_));
    } catch (const Pixelfehler&) {
    }
    bildwechsel_.setSingleShot(true);
    bildwechsel_.setInterval(16);
    connect(&bildwechsel_, &QTimer::timeout, this, [this] {
        const QRect r = schmutzig_;
        schmutzig_ = QRect();
        if (!r.isEmpty()) update(r);
    });
}

// ---- Properties ----

bool TKoordinatensystem::SpanneEndlich(float a, float b) {
    // The document's rule for a pair, which also wants the limits distinct; an equal pair of
    // finite limits has the finite range 0.
    return GrenzenGueltig(a, b) || (a == b && std::isfinite(a));
}

void TKoordinatensystem::setx1(float v) {
    if (!SpanneEndlich(v, x2_)) return;
    x1_ = v;
    Skalieren();
}

void TKoordinatensystem::setx2(float v) {
    if (!SpanneEndlich(x1_, v)) return;
    x2_ = v;
    Skalieren();
}

void TKoordinatensystem::sety1(float v) {
    if (!SpanneEndlich(v, y2_)) return;
    y1_ = v;
    Skalieren();
}

void TKoordinatensystem::sety2(float v) {
    if (!SpanneEndlich(y1_, v)) return;
    y2_ = v;
    Skalieren();
}

void TKoordinatensystem::setx(float v) {
    x_ = v;
    try {
        xint_ = xPixel(xNorm(v));
    } catch (const Pixelfehler&) {
    }
}

void TKoordinatensystem::sety(float v) {
    y_ = v;
    try {
        yint_ = yPixel(yNorm(v));
    } catch (const Pixelfehler&) {
    }
}

void TKoordinatensystem::setRasteranzahl(int n) {
    rasteranzahl_ = n;
    Skalieren();
    RasterZeichnen();
}

// A plot area of no width gives no world value; x then keeps its last one.
void TKoordinatensystem::setxint(int pixel) {
    const float w = xWert(xNormAusPixel(pixel));
    if (std::isfinite(w)) x_ = w;
}

void TKoordinatensystem::setyint(int pixel) {
    const float w = yWert(yNormAusPixel(pixel));
    if (std::isfinite(w)) y_ = w;
}

// ---- Conversions ----

float TKoordinatensystem::xNorm(float x) const {
    return static_cast<float>((static_cast<long double>(x) - x1_) / dx_);
}

float TKoordinatensystem::yNorm(float y) const {
    return static_cast<float>((static_cast<long double>(y) - y1_) / dy_);
}

int TKoordinatensystem::xPixel(float u) const {
    // Clamped once before the sum so that it cannot overflow, once after it for the result.
    std::int64_t p = Runden(static_cast<long double>(zeichenbreite_) * u);
    p = std::clamp(p, -2 * kxGrenze, 2 * kxGrenze) + xRand + Skalenbreite;
    return static_cast<int>(std::clamp(p, -kxGrenze, kxGrenze));
}

int TKoordinatensystem::yPixel(float v) const {
    const std::int64_t h = height();
    const std::int64_t r =
        std::clamp(Runden(static_cast<long double>(zeichenhoehe_) * v), -kxGrenze, kxGrenze);
    const std::int64_t p = h - (r + yRand);
    if (p < 0) return -10;
    if (p > h) return static_cast<int>(h);
    return static_cast<int>(p);
}

float TKoordinatensystem::xNormAusPixel(int p) const {
    return static_cast<float>((static_cast<long double>(p) - xRand - Skalenbreite) /
                              zeichenbreite_);
}

float TKoordinatensystem::yNormAusPixel(int p) const {
    return static_cast<float>((static_cast<long double>(height()) - p - yRand) / zeichenhoehe_);
}

float TKoordinatensystem::xWert(float u) const {
    return static_cast<float>(static_cast<long double>(u) * dx_ + x1_);
}

float TKoordinatensystem::yWert(float v) const {
    return static_cast<float>(static_cast<long double>(v) * dy_ + y1_);
}

// ---- Drawing in world coordinates ----

void TKoordinatensystem::GeheZu(float x, float y) {
    xint_ = xPixel(xNorm(x));
    yint_ = yPixel(yNorm(y));
    stiftX_ = xint_;
    stiftY_ = yint_;
}

void TKoordinatensystem::LinieZu(float x, float y) {
    xint_ = xPixel(xNorm(x));
    yint_ = yPixel(yNorm(y));
    Linie(stiftX_, stiftY_, xint_, yint_, graphFarbe_);
    stiftX_ = xint_;
    stiftY_ = yint_;
}

void TKoordinatensystem::PunktZeichnen(float x, float y) {
    GeheZu(x, y);
    Linie(xint_, yint_, xint_ + 1, yint_ + 1, graphFarbe_);
    stiftX_ = xint_ + 1;
    stiftY_ = yint_ + 1;
}

void TKoordinatensystem::KaestchenZeichnen(float x, float y) {
    GeheZu(x, y);
    const int l = xint_ - 2, r = xint_ + 2, o = yint_ - 2, u = yint_ + 2;
    Linie(l, o, r, o, graphFarbe_);
    Linie(r, o, r, u, graphFarbe_);
    Linie(r, u, l, u, graphFarbe_);
    Linie(l, u, l, o, graphFarbe_);
    stiftX_ = l;
    stiftY_ = o;
}

void TKoordinatensystem::Linie(int xa, int ya, int xe, int ye, const QColor& farbe) {
    BildAnpassen();
    const int b = bild_.width(), h = bild_.height();
    if (b <= 0 || h <= 0 || (xa == xe && ya == ye)) return;
    // Ends may lie far outside (up to 2^30 columns, or row -10): cut the segment to the picture
    // enlarged by two pixels, so that a cut end rounds to a pixel outside and leaving it out
    // changes nothing.
    double fxa = xa, fya = ya, fxe = xe, fye = ye;
    const bool innen = xa >= -2 && xa <= b + 1 && ya >= -2 && ya <= h + 1 && xe >= -2 &&
                       xe <= b + 1 && ye >= -2 && ye <= h + 1;
    if (!innen) {
        if (!Klippen(fxa, fya, fxe, fye, -2, -2, b + 1, h + 1)) return;
        xa = static_cast<int>(std::lrint(fxa));
        ya = static_cast<int>(std::lrint(fya));
        xe = static_cast<int>(std::lrint(fxe));
        ye = static_cast<int>(std::lrint(fye));
    }
    const QRgb s = farbe.rgb();
    uchar* bits = bild_.bits();
    const qsizetype zeile = bild_.bytesPerLine();
    switch (stiftart_) {
        case QPainter::RasterOp_SourceXorDestination:
            Rastern<Xor>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSourceXorDestination:
            Rastern<NichtXor>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSource:
            Rastern<NichtQuelle>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_SourceOrDestination:
            Rastern<Oder>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_SourceAndDestination:
            Rastern<Und>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSourceAndNotDestination:
            Rastern<NichtQuelleUndNichtZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSourceOrNotDestination:
            Rastern<NichtQuelleOderNichtZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSourceAndDestination:
            Rastern<NichtQuelleUndZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_SourceAndNotDestination:
            Rastern<QuelleUndNichtZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotSourceOrDestination:
            Rastern<NichtQuelleOderZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_SourceOrNotDestination:
            Rastern<QuelleOderNichtZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_NotDestination:
            Rastern<NichtZiel>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_ClearDestination:
            Rastern<Schwarz>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        case QPainter::RasterOp_SetDestination:
            Rastern<Weiss>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
        default:  // copy, and the composition modes that have no meaning for an opaque pen
            Rastern<Kopie>(bits, zeile, b, h, xa, ya, xe, ye, s);
            break;
    }
    Geaendert(QRect(QPoint(std::min(xa, xe), std::min(ya, ye)),
                    QPoint(std::max(xa, xe), std::max(ya, ye))));
}

// ---- Operations on the whole control ----

void TKoordinatensystem::Skalieren() {
    zeichenbreite_ = width() - 2 * xRand - Skalenbreite;
    zeichenhoehe_ = height() - 2 * yRand;
    dx_ = static_cast<float>(std::fabs(static_cast<long double>(x2_) - x1_));
    dy_ = static_cast<float>(std::fabs(static_cast<long double>(y2_) - y1_));
    if (x1_ > x2_) std::swap(x1_, x2_);
    if (y1_ > y2_) std::swap(y1_, y2_);
    // A point that has no pixel under the new limits leaves the last one.
    try {
        xint_ = xPixel(xNorm(x_));
    } catch (const Pixelfehler&) {
    }
    try {
        yint_ = yPixel(yNorm(y_));
    } catch (const Pixelfehler&) {
    }
}

void TKoordinatensystem::RasterZeichnen() {
    BildAnpassen();
    if (rasteranzahl_ <= 0 || bild_.isNull()) return;
    QPainter maler(&bild_);
    maler.setRenderHint(QPainter::Antialiasing, false);
    MaleRaster(maler);
    maler.end();
    Geaendert(bild_.rect());
}

void TKoordinatensystem::MaleRaster(QPainter& maler) const {
    const int n = rasteranzahl_;
    if (n <= 0) return;
    maler.save();
    maler.setFont(font());
    const QPen raster(ksFarbe_, 1, Qt::DotLine);
    const QFontMetrics fm(font());
    const auto beschriftet = [&](int i) {
        return skalenart_ != TSkala::keine && (skalenart_ == TSkala::ganz || i == 0 || i == n);
    };
    const auto text = [](long double wert) {
        return QString::fromStdString(Zahltext(static_cast<float>(wert), kSkalenformat));
    };
    const auto anteil = [n](int i) { return static_cast<float>(static_cast<long double>(i) / n); };
    // The text is drawn in the same colour, with the solid pen the painter needs for text.
    const auto schreibe = [&](int links, int oben, const QString& t) {
        maler.setPen(ksFarbe_);
        maler.drawText(links, oben + fm.ascent(), t);
        maler.setPen(raster);
    };
    maler.setPen(raster);

    const int yUnten = yPixel(0), yOben = yPixel(1);
    for (int i = 0; i <= n; ++i) {
        const int p = xPixel(anteil(i));
        maler.drawLine(p, yUnten, p, yOben);
        if (beschriftet(i)) {
            const QString t = text(static_cast<long double>(i) * dx_ / n + x1_);
            schreibe(p - fm.horizontalAdvance(t) / 2, yUnten + yRand / 3, t);
        }
    }
    const int xLinks = xPixel(0), xRechts = xPixel(1);
    for (int i = 0; i <= n; ++i) {
        const int q = yPixel(anteil(i));
        maler.drawLine(xLinks, q, xRechts, q);
        if (beschriftet(i)) {
            const QString t = text(static_cast<long double>(i) * dy_ / n + y1_);
            schreibe(2, q - fm.height() / 2, t);
        }
    }
    maler.restore();
}

void TKoordinatensystem::Kopieren() {
    BildAnpassen();
    QApplication::clipboard()->setImage(bild_.copy());
}

void TKoordinatensystem::Leeren() {
    BildAnpassen();
    bild_.fill(Qt::white);
    Geaendert(bild_.rect());
}

void TKoordinatensystem::Textausgabe(int x, int y, const QString& text) {
    BildAnpassen();
    if (bild_.isNull()) return;
    const QFontMetrics fm(font());
    QPainter maler(&bild_);
    maler.setFont(font());
    maler.setPen(ksFarbe_);
    maler.drawText(x, y + fm.ascent(), text);
    maler.end();
    // Glyphs may reach a little beyond their advance (italics, overhangs).
    const QRect r = fm.boundingRect(text).translated(x, y + fm.ascent()) |
                    QRect(x, y, fm.horizontalAdvance(text), fm.height());
    Geaendert(r.adjusted(-2, -2, 2, 2));
}

void TKoordinatensystem::Gummiband(int xa, int ya, int xe, int ye) {
    BildAnpassen();
    if (bild_.isNull()) return;
    // Built from the ordered corners: the same rectangle whichever way it was dragged.
    const QRect r(QPoint(std::min(xa, xe), std::min(ya, ye)),
                  QPoint(std::max(xa, xe), std::max(ya, ye)));
    QPainter maler(&bild_);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    maler.setPen(QPen(Qt::red, 1, Qt::DashLine));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
    maler.end();
    Geaendert(r.adjusted(-1, -1, 1, 1));
}

void TKoordinatensystem::Uebermalen(const QRect& bereich,
                                    const std::function<void(QPainter&)>& malen) {
    BildAnpassen();
    if (bild_.isNull()) return;
    QPainter maler(&bild_);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setFont(font());
    malen(maler);
    maler.end();
    Geaendert(bereich);
}

void TKoordinatensystem::ZeigeSofort() {
    bildwechsel_.stop();
    const QRect r = schmutzig_;
    schmutzig_ = QRect();
    if (!r.isEmpty()) repaint(r);
}

// ---- Screen ----

void TKoordinatensystem::paintEvent(QPaintEvent* e) {
    QPainter maler(this);
    maler.setCompositionMode(QPainter::CompositionMode_Source);
    maler.drawImage(e->rect(), bild_, e->rect());
}

void TKoordinatensystem::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    BildAnpassen();
}

void TKoordinatensystem::BildAnpassen() {
    if (bild_.size() == size()) return;
    bild_ = QImage(size(), QImage::Format_RGB32);
    bild_.fill(Qt::white);
    schmutzig_ &= bild_.rect();
}

void TKoordinatensystem::Geaendert(const QRect& r) {
    const QRect sichtbar = r & bild_.rect();
    if (sichtbar.isEmpty()) return;
    schmutzig_ |= sichtbar;
    if (!bildwechsel_.isActive()) bildwechsel_.start();
}

}  // namespace quintor
