// The model on disk: NAME.sim (the equation text), NAME.ini ([Startwerte], [Koordinatensystem],
// and in sections of their own the graph's step limit and further curves and the stop condition)
// and NAME.doc (the comment). The one reader and writer of these files, for
// the windows and the batch runner alike. Every file is checked for its size before it is read;
// messages go to `meldungen` with the texts the windows show.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dokument.h"
#include "meldungen.h"
#include "win1252.h"

namespace quintor {

struct Modelltext {
    std::vector<std::string> zeilen;  // UTF-8, one entry per line
    Dateikodierung kodierung = Dateikodierung::Win1252;
};

// The equation text of a model file, or nullopt after a message (missing, unreadable, too
// large, no text).
std::optional<Modelltext> LeseModelldatei(const std::string& pfad, Meldungen& meldungen);

enum class Einstellungen { Keine, Gelesen, Fehlerhaft };

// Reads the companion NAME.ini of the document's file into the scanned document: each variable's
// start-value text by its name ("0" when the file has none), the graph settings (axes that
// name no variable count as not chosen; a pair of limits that cannot be mapped keeps the
// document's; further curves that name no variable are left out) and the stop condition (none when
// the file has none). Keine when there is no such file; Fehlerhaft after a message. A document that
// was unchanged stays unchanged: the values are those of its files.
Einstellungen LeseEinstellungen(Dokument& dokument, Meldungen& meldungen);

// The comment of the companion NAME.doc, one entry per line; nullopt when there is none, or
// after a message when it cannot be read.
std::optional<std::vector<std::string>> LeseKommentar(const std::string& simPfad,
                                                      Meldungen& meldungen);

// Saves the document under its file name: the model file, then the comment when there is one,
// then (when the model has variables) the settings file, which keeps every key it has and gets
// the start-value texts, once axes were chosen the graph settings (step limit and further curves
// only where they are not the defaults or the file has them), and the stop condition. A
// companion file that is no text file of its kind is never written over. Marks the document saved
// once the model file is written; false when it could not be.
bool SpeichereModell(Dokument& dokument, Dateikodierung kodierung, Meldungen& meldungen);

}  // namespace quintor
