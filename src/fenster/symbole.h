// The program's glyphs for menus, tool buttons and the window icon. They are drawn in code on a
// 16x16 grid and scaled, so every size comes out sharp without image files.
#pragma once

#include <QIcon>

namespace quintor {

enum class Symbol {
    // File commands
    Neu,
    Oeffnen,
    Speichern,
    SpeichernUnter,
    Drucken,
    Druckereinrichtung,
    Beenden,
    // Edit commands
    Ausschneiden,
    Kopieren,
    Einfuegen,
    // Views and help
    Graph,
    Tabelle,
    Taschenrechner,
    Konstanten,
    Hilfeinhalt,
    Suche,
    Info,
    // The main window's run buttons
    Startwerte,
    Einzelschritt,
    Zeilenschritt,
    Iteration,
    Abbruch,
    // The graph window's tool bar; Kopieren, Abbruch and Hilfeinhalt serve there as well
    Achsenwahl,
    Skala,
    Radieren,
    Zeichnen,
    Anhalten,
    // The window icon
    Programm,
};

// Pixmaps for 16, 24, 32 and 48 px, each also at device pixel ratio 2, in the normal and the
// disabled mode (a mid-grey drawing of the same glyph, darker than Qt's generated one).
QIcon SymbolIcon(Symbol s);

}  // namespace quintor
