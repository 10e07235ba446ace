// The graph window: runs the model on its own and plots one variable against another after
// every step, as a line or as points, until the horizontal variable reaches the right limit or
// the user halts it; shows measured data, coordinates under the mouse, zooms to a dragged
// rectangle and copies, saves and prints its picture.
#pragma once

#include <QPoint>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "dialogfenster.h"
#include "dokument.h"
#include "kurven.h"
#include "lauf.h"

class QAction;
class QFrame;
class QLabel;
class QPrinter;
class QToolButton;

namespace quintor {

class Dialoge;
class Dokumentobjekt;
class Hilfe;
class TGrenzenForm;
class TKoordinatensystem;
class TKurvenWahlForm;
class TVarWahlForm;
struct Graphinhalt;

class TGraphForm : public TDialogFenster {
    Q_OBJECT

  public:
    TGraphForm(Dokumentobjekt& dokument, Dialoge& dialoge, Hilfe& hilfe, QWidget* parent = nullptr);
    ~TGraphForm() override;

    // The windows this one works with, known once all are created.
    void SetzeFenster(TVarWahlForm* varwahl, TGrenzenForm* grenzen);
    // The labels of the coordinate system `faktor` times their designed size; an open window
    // draws afresh, as after a change of its size.
    void SetzeSchriftfaktor(double faktor);

    // The graph settings: the document's, read afresh wherever they are used.
    const Graphwerte& Graph() const;

    // Run state.
    bool Stopp = false;
    bool Abgebrochen = false;
    bool NeuerZug = false;
    bool Aufziehen = false;
    int xStart = 0, yStart = 0, xEnde = 0, yEnde = 0;

    QWidget* KnopfPanel = nullptr;
    QFrame* KSPanel = nullptr;
    TKoordinatensystem* Koordinatensystem1 = nullptr;
    QToolButton *VarWahlKnopf = nullptr, *GrenzenKnopf = nullptr, *LoeschKnopf = nullptr,
                *CopyKnopf = nullptr, *ZeigenKnopf = nullptr, *HaltKnopf = nullptr,
                *AbbruchKnopf = nullptr, *HilfeKnopf = nullptr;
    // At the right end of the bar: further curves, and keeping the curves of earlier runs.
    QToolButton *KurvenKnopf = nullptr, *BehaltenKnopf = nullptr;
    QLabel* Label1 = nullptr;       // coordinates under the mouse
    QLabel* Blinklabel1 = nullptr;  // "rechne" during a run
    // Why the last run ended, when the stop condition ended it; in Label1's place while the
    // mouse is not over the picture.
    QLabel* Meldungslabel = nullptr;
    TKurvenWahlForm* KurvenWahl = nullptr;
    // In the menu of the copy button: the picture into a file, and onto paper.
    QAction *BildSpeichernAktion = nullptr, *DruckenAktion = nullptr;

    // The choices of the picture and print commands; tests replace them. The file name (empty:
    // cancelled), the width of a PNG picture for a window of the given width (0: cancelled),
    // the print dialog on the kept printer.
    std::function<QString()> BildDateiDialog;
    std::function<int(int)> BildbreiteDialog;
    std::function<bool(QPrinter&)> DruckDialog;
    // In the same menu: measured points from a file or the clipboard, and none at all. Loaded
    // or pasted points replace the command line's file for every later run; tests replace the
    // file dialog (empty: cancelled).
    QAction *MessdatenLadenAktion = nullptr, *MessdatenEinfuegenAktion = nullptr,
            *MessdatenEntfernenAktion = nullptr;
    std::function<QString()> MessdateiDialog;
    // At most this many points come from a loaded file or a pasted text.
    static constexpr std::size_t kHoechsteEigenePunkte = 100'000;

    void InitVar();
    void Loeschen();
    void paint();
    void Messdaten();
    void MessdatenLaden();
    void MessdatenEinfuegen();
    void MessdatenEntfernen();
    // The four limits as a whole, into the document and the coordinate system. A pair that the
    // control cannot map (equal, or without a finite range in single precision) leaves that axis
    // as it was; false when an axis was kept.
    bool SetzeGrenzen(float x1, float x2, float y1, float y2);
    static QString Koordinatentext(float wert);

    // Both axis indices name variables of the model.
    bool AchsenGueltig() const;
    bool LaeuftGerade() const { return laeuft_; }
    // Steps made by the last run, and the number of runs ended so far.
    long long Schritte() const { return schritte_; }
    long long Laeufe() const { return laeufe_; }
    // The points of the current run and the kept runs.
    const Kurvenbuch& Kurven() const { return kurvenbuch_; }
    // Where the legend was drawn last (empty: none).
    QRect Legende() const { return legende_; }
    // What a saved or printed picture shows: the recorded runs, the measured points of the
    // last run, the axes as the window has them.
    Graphinhalt Bildinhalt() const;
    // The measured points drawn at the start of the last run.
    const std::vector<std::pair<float, float>>& Messpunkte() const { return messpunkte_; }

    // Called after every step of a run, before the pending events are handled: lets a test act
    // at a chosen step as a click between two steps would.
    std::function<void()> NachSchritt;

    // The largest measurement file that is read: 16 MB, 2,097,152 points.
    static constexpr qint64 kMessdateiHoechstens = qint64{16} * 1024 * 1024;
    qint64 MessdateiHoechstens = kMessdateiHoechstens;

  public slots:
    void VarWahlKnopfClick();
    void GrenzenKnopfClick();
    void LoeschKnopfClick();
    void CopyKnopfClick();
    void ZeigenKnopfClick();
    void HaltKnopfClick();
    void AbbruchKnopfClick();
    void HilfeKnopfClick();
    void KurvenKnopfClick();
    void BehaltenKnopfClick(bool an);
    void BildSpeichernClick();
    void GraphDruckenClick();
    void FormActivate();
    void done(int ergebnis) override;

  protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    // The document's limits to the coordinate system: widened first, so that no old limit is
    // exchanged with a new one.
    void UebernimmGrenzen();
    void AendereGraph(const std::function<void(Graphwerte&)>& aenderung);
    void Zeichne(const Graphwerte& g, int& punktzaehler);
    // The vertical variables of this run: the first pair's, then the valid further ones.
    void WaehleKurven();
    // The horizontal variable's name, then each curve's.
    std::vector<std::string> Kurvennamen() const;
    // The further curves at the values `werte` (horizontal, then each curve); `neu`: move there.
    void ZeichneWeitere(const float* werte, bool neu, bool linie);
    // The start of a run: the start point of every curve, recorded when the run is a new one.
    void Startpunkte(bool neuerLauf);
    void ZeichneLegende();
    // The pixel of the current run's first point, which the legend keeps away from.
    QPoint Legendenstart() const;
    void BaueBildbefehle();
    void BaueMessbefehle();
    void ZeichneMesspunkte();
    // Loaded or pasted points, with the note on them; they are drawn at once.
    void UebernimmMesspunkte(std::vector<std::pair<float, float>> punkte, const QString& hinweis);
    void ZeigeMeldung(bool zeigen);
    void FormResize();
    void Koordinatensystem1MouseDown(int x, int y);
    void Koordinatensystem1MouseMove(int x, int y);
    void Koordinatensystem1MouseUp();
    float h() const;
    float v() const;
    // Runs a drawing operation; a pixel that cannot be computed draws nothing.
    template <typename F>
    void Sicher(F&& zeichne);

    Dokumentobjekt& dokument_;
    Modell& modell_;
    Dialoge& dialoge_;
    Hilfe& hilfe_;
    Lauf lauf_;
    TVarWahlForm* varwahl_ = nullptr;
    TGrenzenForm* grenzen_ = nullptr;

    bool laeuft_ = false;
    bool schliesst_ = false;
    bool messfehlerGemeldet_ = false;
    long long schritte_ = 0;
    long long laeufe_ = 0;
    QTimer blinken_;

    // Halted: the next run continues the current one.
    bool angehalten_ = false;
    bool legendeFaellig_ = false;  // a clearing during a run draws the legend again
    QString meldung_;
    Kurvenbuch kurvenbuch_;
    QRect legende_;
    std::array<std::int32_t, kKurvenHoechstens> kurven_{};
    int kurvenzahl_ = 0;
    std::array<QColor, kKurvenHoechstens> farben_{};
    std::array<QPoint, kKurvenHoechstens> stift_{};  // the further curves' own pens
    std::array<bool, kKurvenHoechstens> stiftGueltig_{};
    std::vector<std::pair<float, float>> messpunkte_;
    // Loaded, pasted or removed in this window (removed: empty); none: the command line's file.
    std::optional<std::vector<std::pair<float, float>>> eigeneMesspunkte_;
    std::unique_ptr<QPrinter> drucker_;  // kept with its settings between printouts
};

}  // namespace quintor
