// The graph as a picture of any size or on a printed page, drawn afresh from what the window
// recorded (grid, axes, names, measured points, curves, kept runs, legend), never by enlarging
// the window's pixels.
#pragma once

#include <QDate>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace quintor {

class Kurvenbuch;
class TKoordinatensystem;

// What the picture shows. The coordinate system gives the layout, limits, colours and font;
// the picture keeps its proportions at any size.
struct Graphinhalt {
    const TKoordinatensystem* ks = nullptr;
    const Kurvenbuch* kurven = nullptr;
    QString hName, vName;              // empty while no axes are chosen
    std::vector<QString> kurvennamen;  // the vertical variables, for the legend
    QPoint legendenStart;              // the pixel the legend keeps away from
    std::vector<std::pair<float, float>> messpunkte;
};

// The picture is never wider or taller than this many pixels.
inline constexpr int kBildHoechstens = 8000;

// Draws the graph with a painter whose coordinates are the control's pixels.
void MaleGraph(QPainter& maler, const Graphinhalt& inhalt);

// The picture `breite` pixels wide (at least 1), its height in the control's proportion.
QSize Bildgroesse(const Graphinhalt& inhalt, int breite);
// The picture as an image; null when it cannot be had at that size.
QImage Graphbild(const Graphinhalt& inhalt, int breite);
// Saves the picture: SVG for a name ending in ".svg", PNG otherwise. The file is replaced only
// when the whole picture was written; otherwise false and `fehler` says why, in German.
bool SpeichereGraphbild(const QString& pfad, const Graphinhalt& inhalt, int breite,
                        QString& fehler);

// The page head: the model's file name, then the axes and the date.
QStringList Graphkopf(const QString& dateiname, const Graphinhalt& inhalt, const QDate& datum);
// A page: the head at the top, below it the picture as large as the rest of `seite` allows.
void MaleGraphseite(QPainter& maler, const QRect& seite, const Graphinhalt& inhalt,
                    const QStringList& kopf, const QFont& kopfschrift);
// Prints that page; false and `fehler` when the job could not be begun or finished.
bool DruckeGraph(QPagedPaintDevice& geraet, const Graphinhalt& inhalt, const QStringList& kopf,
                 QString& fehler);

}  // namespace quintor
