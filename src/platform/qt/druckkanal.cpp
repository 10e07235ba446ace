#include "druckkanal.h"

#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QScreen>
#include <algorithm>

namespace quintor {

QFont Punktschrift(const QFont& schrift) {
    QFont f = schrift;
    if (f.pointSizeF() <= 0 && f.pixelSize() > 0) {
        double dpi = 96;
        if (const QScreen* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInchY();
        f.setPointSizeF(std::max(1, qRound(f.pixelSize() * 72.0 / dpi)));
    }
    return f;
}

// ---- Seite ----

Seite::Seite(const QFont& schrift, const QPaintDevice& geraet)
    : schrift_(Punktschrift(schrift)), metrik_(schrift_, &geraet) {}

int Seite::TextBreite(const QString& text) const {
    return metrik_.horizontalAdvance(text);
}
int Seite::Zeichenhoehe() const {
    return metrik_.height();
}
int Seite::MittlereZeichenbreite() const {
    return metrik_.averageCharWidth();
}
int Seite::Oberlaenge() const {
    return metrik_.ascent();
}

// ---- GeraeteSeite ----

GeraeteSeite::GeraeteSeite(QPagedPaintDevice& geraet, const QFont& schrift)
    : Seite(schrift, geraet), geraet_(geraet) {
    if (maler_.begin(&geraet_)) {
        maler_.setFont(Schriftart());
        maler_.setPen(Qt::black);
    }
}

int GeraeteSeite::Breite() const {
    return geraet_.width();
}
int GeraeteSeite::Hoehe() const {
    return geraet_.height();
}

bool GeraeteSeite::NeueSeite() {
    return maler_.isActive() && geraet_.newPage();
}

bool GeraeteSeite::Text(int x, int y, const QString& text) {
    if (!maler_.isActive()) return false;
    maler_.drawText(QPoint(x, y + Oberlaenge()), text);
    return true;
}

bool GeraeteSeite::Schliessen() {
    return maler_.isActive() && maler_.end();
}

// ---- BildSeiten ----

namespace {

QImage Bild(QSize groesse, int dpi) {
    QImage b(groesse, QImage::Format_RGB32);
    const int proMeter = qRound(dpi / 0.0254);
    b.setDotsPerMeterX(proMeter);
    b.setDotsPerMeterY(proMeter);
    b.fill(Qt::white);
    return b;
}

}  // namespace

// The metrics come from an image of the same resolution as the pages.
BildSeiten::BildSeiten(QSize groesse, int dpi, const QFont& schrift)
    : Seite(schrift, Bild(QSize(1, 1), dpi)), groesse_(groesse), dpi_(dpi) {
    bilder_.append(LeereSeite());
}

QImage BildSeiten::LeereSeite() const {
    return Bild(groesse_, dpi_);
}

int BildSeiten::Breite() const {
    return groesse_.width();
}
int BildSeiten::Hoehe() const {
    return groesse_.height();
}

bool BildSeiten::NeueSeite() {
    bilder_.append(LeereSeite());
    return true;
}

bool BildSeiten::Text(int x, int y, const QString& text) {
    QPainter p(&bilder_.last());
    p.setFont(Schriftart());
    p.setPen(Qt::black);
    p.drawText(QPoint(x, y + Oberlaenge()), text);
    return true;
}

// ---- Druckkanal ----

Druckkanal::Druckkanal(Seite& seite) : seite_(seite) {}

Druckkanal::~Druckkanal() {
    Ende();
}

bool Druckkanal::Schreibe(const QString& text) {
    if (fehler_ || beendet_) return false;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const QChar c = i < text.size() ? text[i] : QChar();
        const bool steuer = c == u'\t' || c == u'\f' || c == u'\n' || c == u'\r';
        if (i < text.size() && !steuer) continue;
        if (i > anfang && !Lauf(text.mid(anfang, i - anfang))) return false;
        anfang = i + 1;
        bool ok = true;
        if (c == u'\t')
            ok = Tabulator();
        else if (c == u'\f')
            ok = Seitenvorschub();
        else if (c == u'\n')
            ok = Umbruch();
        // A carriage return only accompanies a line feed; it does nothing of its own.
        if (!ok) return false;
    }
    return true;
}

bool Druckkanal::Zeilenumbruch() {
    if (fehler_ || beendet_) return false;
    return Umbruch();
}

bool Druckkanal::Ende() {
    if (beendet_) return false;
    beendet_ = true;
    // A page that was only announced by the last line break stays blank paper: it is not started.
    return seite_.Schliessen() && !fehler_;
}

// How many characters of `lauf` fit between the current position and the right edge.
int Druckkanal::Passend(const QString& lauf) const {
    const int platz = seite_.Breite() - x_;
    int unten = 0, oben = int(lauf.size());
    if (seite_.TextBreite(lauf) <= platz) return oben;
    while (unten + 1 < oben) {  // fits(unten) holds, fits(oben) does not
        const int mitte = (unten + oben) / 2;
        if (seite_.TextBreite(lauf.left(mitte)) <= platz)
            unten = mitte;
        else
            oben = mitte;
    }
    if (unten > 0 && lauf[unten - 1].isHighSurrogate()) --unten;  // keep a pair together
    return unten;
}

bool Druckkanal::Lauf(QString lauf) {
    while (!lauf.isEmpty()) {
        int n = Passend(lauf);
        // At the left edge at least one character goes on the line, or a page narrower than a
        // character would never be done.
        if (n == 0 && x_ == 0) n = lauf.size() > 1 && lauf[0].isHighSurrogate() ? 2 : 1;
        if (n > 0) {
            const QString teil = lauf.left(n);
            if (!SeiteBereit() || !seite_.Text(x_, y_, teil)) {
                fehler_ = true;
                return false;
            }
            x_ += seite_.TextBreite(teil);
            zeilenhoehe_ = std::max(zeilenhoehe_, seite_.Zeichenhoehe() + 2);
            lauf.remove(0, n);
        }
        if (!lauf.isEmpty() && !Umbruch()) return false;
    }
    return true;
}

bool Druckkanal::Tabulator() {
    const int abstand = std::max(1, 8 * seite_.MittlereZeichenbreite());
    const int stopp = (x_ / abstand + 1) * abstand;
    if (stopp > seite_.Breite()) return Umbruch();
    x_ = stopp;
    return true;
}

bool Druckkanal::Umbruch() {
    x_ = 0;
    y_ += zeilenhoehe_ > 0 ? zeilenhoehe_ : seite_.Zeichenhoehe();
    if (y_ > seite_.Hoehe() - 2 * zeilenhoehe_) {
        y_ = 0;
        seiteFaellig_ = true;
    }
    zeilenhoehe_ = 0;
    return true;
}

bool Druckkanal::Seitenvorschub() {
    if (!SeiteBereit() || !seite_.NeueSeite()) {
        fehler_ = true;
        return false;
    }
    x_ = y_ = 0;
    zeilenhoehe_ = 0;
    return true;
}

// Starts the page that a line break announced, now that something goes on it.
bool Druckkanal::SeiteBereit() {
    if (!seiteFaellig_) return true;
    seiteFaellig_ = false;
    return seite_.NeueSeite();
}

}  // namespace quintor
