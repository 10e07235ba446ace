// Measurement files of the video measurement tool: records of two little-endian single values
// (horizontal, vertical), no header. Also measured data as text: two columns, as a spreadsheet
// or a video-analysis tool writes or copies them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quintor {

struct Messdaten {
    std::vector<std::pair<float, float>> punkte;  // every whole record, in file order
    bool vollstaendig = true;                     // false when the file ends inside a record
};

Messdaten LeseMessdaten(std::string_view bytes);

// Whether a file's bytes are the binary records above or text. Text is what decodes (UTF-8,
// UTF-16 with or without byte-order mark, Windows-1252) to nearly only printable characters,
// mostly ASCII; binary records of real measurements hold zero and control bytes in nearly every
// record. An empty file counts as text, so that it is reported as holding no numbers.
enum class Messformat { Binaer, Text };
Messformat ErkenneMessformat(std::string_view bytes);

// More points than a teaching graph can use; the rest of a longer text is counted, not kept.
inline constexpr std::size_t kHoechsteMesstextpunkte = 100'000;

enum class Messtextfehler {
    Keiner,
    UnbekannteKodierung,  // UTF-32, or zero bytes that are no UTF-16
    KeineZahlen,          // not one line with two numbers
};

// Measured data read from text.
//
// Lines end with LF, CR LF or CR. A line gives a point when its first two fields are numbers;
// fields are separated by tabs if the line has one, else by semicolons if it has one, else by
// commas if the text writes its numbers with a decimal point (some number line holds both "."
// and ","), else by runs of blanks. A number has an optional sign, digits with one decimal point
// or comma, and an optional exponent ("1,5E-3"); no thousands separators. Blanks and one pair of
// double quotes around a field are dropped. Further columns are ignored: the first column is
// horizontal, the second vertical, and `mehrSpalten` says that more were there. Empty lines are
// no lines; the first other line, when it is no data and does not start with a number, names the
// columns; every other line that gives no point is counted as skipped. A number beyond the
// single range makes its line a skipped one; one too small for it becomes zero.
struct Messtext {
    std::vector<std::pair<float, float>> punkte;  // at most `hoechstens`, in text order
    std::string kopfX, kopfY;  // the column names of the header line (UTF-8), or empty
    std::size_t gefunden = 0;  // lines that gave a point, kept or not
    std::size_t uebersprungen = 0;
    bool mehrSpalten = false;  // some data line had a third column
    Messtextfehler fehler = Messtextfehler::Keiner;
    bool gekappt() const { return gefunden > punkte.size(); }
};

Messtext LeseMesstext(std::string_view bytes, std::size_t hoechstens = kHoechsteMesstextpunkte);

// The message for text that gives no points (empty when it gave some).
std::string MesstextFehlermeldung(const Messtext& m);

// The notes for text that gave points: skipped lines ("3 Zeilen übersprungen."), too many
// points, more than two columns; one sentence each, joined by blanks; empty when all is well.
std::string MesstextHinweis(const Messtext& m);

}  // namespace quintor
