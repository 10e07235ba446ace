// The coordinate system control: maps a rectangle of world coordinates onto its pixels, draws a
// dotted grid with scale labels and offers drawing in world coordinates. Every operation draws at
// once into a picture of the control's size; the paint event only shows that picture, and the
// screen is refreshed at most about 60 times a second, only where something changed.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <stdexcept>

namespace quintor {

enum class TSkala { ganz = 0, teilweise = 1, keine = 2 };

// A world value whose pixel cannot be computed (beyond the 64-bit range, not a number, or a
// range of zero): the drawing operation did not draw.
class Pixelfehler : public std::runtime_error {
  public:
    Pixelfehler() : std::runtime_error("Pixelfehler") {}
};

class TKoordinatensystem : public QWidget {
    Q_OBJECT

  public:
    explicit TKoordinatensystem(QWidget* parent = nullptr);

    static constexpr int xRand = 30, yRand = 30, Skalenbreite = 20;

    // Properties. Limit setters store, then Skalieren (which orders a reversed pair). A limit
    // that is not finite, or whose range to the other limit of its axis is not finite in single
    // precision, is not taken: the axis keeps its limits.
    TSkala Skalenart() const { return skalenart_; }
    void setSkalenart(TSkala s) { skalenart_ = s; }
    QColor GraphFarbe() const { return graphFarbe_; }
    void setGraphFarbe(const QColor& c) { graphFarbe_ = c; }
    QColor KSFarbe() const { return ksFarbe_; }
    void setKSFarbe(const QColor& c) { ksFarbe_ = c; }
    float x1() const { return x1_; }
    void setx1(float v);
    float x2() const { return x2_; }
    void setx2(float v);
    float y1() const { return y1_; }
    void sety1(float v);
    float y2() const { return y2_; }
    void sety2(float v);
    float x() const { return x_; }
    void setx(float v);  // also xint := xPixel(xNorm(v)) when it can be computed
    float y() const { return y_; }
    void sety(float v);
    // How graph lines, dots and squares combine with the picture: CompositionMode_Source (copy)
    // or one of the RasterOp_* modes.
    QPainter::CompositionMode Stiftart() const { return stiftart_; }
    void setStiftart(QPainter::CompositionMode m) { stiftart_ = m; }
    int Rasteranzahl() const { return rasteranzahl_; }
    void setRasteranzahl(int n);  // stores, Skalieren, RasterZeichnen
    int xint() const { return xint_; }
    void setxint(int pixel);  // x := xWert(xNormAusPixel(pixel)); the field stays
    int yint() const { return yint_; }
    void setyint(int pixel);

    // Both limits finite and the range between them finite in single precision; a pair the
    // control can map is one of these with distinct limits (GrenzenGueltig of the model).
    static bool SpanneEndlich(float a, float b);

    // Internal values, readable for the owner and the tests.
    float dx() const { return dx_; }
    float dy() const { return dy_; }
    int Zeichenbreite() const { return zeichenbreite_; }
    int Zeichenhoehe() const { return zeichenhoehe_; }

    // Conversions. The pixel conversions throw Pixelfehler when the value cannot be rounded.
    float xNorm(float x) const;
    float yNorm(float y) const;
    int xPixel(float u) const;
    int yPixel(float v) const;
    float xNormAusPixel(int p) const;
    float yNormAusPixel(int p) const;
    float xWert(float u) const;
    float yWert(float v) const;

    // Drawing in world coordinates (x first). Throw Pixelfehler and draw nothing when a pixel
    // cannot be computed.
    void GeheZu(float x, float y);
    void LinieZu(float x, float y);            // pen GraphFarbe, solid, Stiftart; end pixel not set
    void PunktZeichnen(float x, float y);      // exactly the pixel (xint, yint)
    void KaestchenZeichnen(float x, float y);  // outline of a 5 x 5 square

    void Skalieren();
    void RasterZeichnen();
    // The grid and its labels with any painter whose coordinates are this control's pixels (a
    // picture of another size scales the painter).
    void MaleRaster(QPainter& maler) const;
    void Kopieren();  // the picture onto the clipboard as an image

    // For the owner: the whole picture to white (the panel's colour), text in the control's
    // font and KSFarbe with its top-left corner at a pixel, and the zoom rectangle: dashed red,
    // not-exclusive-or, hollow, so that drawing it twice restores the picture exactly.
    void Leeren();
    void Textausgabe(int x, int y, const QString& text);
    void Gummiband(int xa, int ya, int xe, int ye);

    // Further curves keep pens of their own: the pixel of a world point (throws Pixelfehler), a
    // line between two pixels in Stiftart (end pixel not set) and a one-pixel dot, in a colour.
    QPoint Pixel(float x, float y) const { return {xPixel(xNorm(x)), yPixel(yNorm(y))}; }
    void Strecke(QPoint a, QPoint e, const QColor& farbe) {
        Linie(a.x(), a.y(), e.x(), e.y(), farbe);
    }
    void Punkt(QPoint p, const QColor& farbe) { Linie(p.x(), p.y(), p.x() + 1, p.y() + 1, farbe); }
    // Free drawing over the picture (the legend); `bereich` is shown at the next refresh.
    void Uebermalen(const QRect& bereich, const std::function<void(QPainter&)>& malen);

    const QImage& Bild() const { return bild_; }
    // The screen shows the picture now (tests; the graph window after clearing).
    void ZeigeSofort();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    void Geaendert(const QRect& r);
    void BildAnpassen();  // a hidden control learns its new size only when shown
    void Linie(int xa, int ya, int xe, int ye, const QColor& farbe);  // end pixel not set

    TSkala skalenart_ = TSkala::teilweise;
    QColor graphFarbe_ = Qt::black;
    QColor ksFarbe_ = QColor(255, 0, 0);
    float x1_ = -10, x2_ = 10, y1_ = -10, y2_ = 10;
    float x_ = 0, y_ = 0;
    QPainter::CompositionMode stiftart_ = QPainter::CompositionMode_Source;
    int rasteranzahl_ = 4;
    int xint_ = 0, yint_ = 0;
    float dx_ = 20, dy_ = 20;
    int zeichenbreite_ = 0, zeichenhoehe_ = 0;
    int stiftX_ = 0, stiftY_ = 0;  // the pen position of the drawing surface

    QImage bild_;
    QRect schmutzig_;
    QTimer bildwechsel_;
};

}  // namespace quintor
