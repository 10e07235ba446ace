// The printer text channel: writes lines of text onto pages, top-left first, without margins,
// wrapping by characters, with tab stops, line and page breaks. The pages are an abstract target so
// that the layout can be checked on images as well as printed.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>

class QPagedPaintDevice;

namespace quintor {

// A font sized in points, as the device needs it: a font sized in pixels (as the editor's is) is
// turned into whole points at the screen's resolution, so that it prints at the size it shows.
QFont Punktschrift(const QFont& schrift);

// Where the channel draws, in device units. Text and its measures use one font at the device's
// resolution.
class Seite {
  public:
    Seite(const QFont& schrift, const QPaintDevice& geraet);
    virtual ~Seite() = default;
    Seite(const Seite&) = delete;
    Seite& operator=(const Seite&) = delete;

    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
    virtual bool NeueSeite() = 0;
    // Draws `text` with its top-left corner at (x, y).
    virtual bool Text(int x, int y, const QString& text) = 0;
    // Ends the job; the default has nothing to end.
    virtual bool Schliessen() { return true; }

    int TextBreite(const QString& text) const;
    int Zeichenhoehe() const;
    int MittlereZeichenbreite() const;
    const QFont& Schriftart() const { return schrift_; }

  protected:
    int Oberlaenge() const;

  private:
    QFont schrift_;
    QFontMetrics metrik_;
};

// Pages of a printer or any other paged device. The painter begins on construction.
class GeraeteSeite : public Seite {
  public:
    GeraeteSeite(QPagedPaintDevice& geraet, const QFont& schrift);
    bool Begonnen() const { return maler_.isActive(); }

    int Breite() const override;
    int Hoehe() const override;
    bool NeueSeite() override;
    bool Text(int x, int y, const QString& text) override;
    bool Schliessen() override;

  private:
    QPagedPaintDevice& geraet_;
    QPainter maler_;
};

// Pages as white images of one size and resolution; one image exists from the start.
class BildSeiten : public Seite {
  public:
    BildSeiten(QSize groesse, int dpi, const QFont& schrift);

    int Breite() const override;
    int Hoehe() const override;
    bool NeueSeite() override;
    bool Text(int x, int y, const QString& text) override;

    const QList<QImage>& Bilder() const { return bilder_; }

  private:
    QImage LeereSeite() const;

    QSize groesse_;
    int dpi_;
    QList<QImage> bilder_;
};

// Lays text out on a Seite. Every call returns false once a page operation has failed; the
// channel then writes nothing more. The destructor ends the job if Ende() was not called.
class Druckkanal {
  public:
    explicit Druckkanal(Seite& seite);
    ~Druckkanal();
    Druckkanal(const Druckkanal&) = delete;
    Druckkanal& operator=(const Druckkanal&) = delete;

    // Text at the current position; tab, form feed and line feed act as in a text file.
    bool Schreibe(const QString& text);
    bool Zeilenumbruch();
    bool Ende();

    int X() const { return x_; }
    int Y() const { return y_; }

  private:
    bool Lauf(QString lauf);
    bool Tabulator();
    bool Umbruch();
    bool Seitenvorschub();
    bool SeiteBereit();
    int Passend(const QString& lauf) const;

    Seite& seite_;
    int x_ = 0, y_ = 0;
    int zeilenhoehe_ = 0;  // tallest text on the current line + 2; 0 while the line has no text
    bool seiteFaellig_ = false;
    bool fehler_ = false;
    bool beendet_ = false;
};

}  // namespace quintor
