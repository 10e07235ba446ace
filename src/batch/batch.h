// quintor-batch: a model's run without windows, on the same core as the windows.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace quintor {

enum Batchstatus : int {
    kGerechnet = 0,     // the run was made (warnings allowed)
    kModellFehler = 1,  // the scan stopped; nothing on standard output
    kAufrufFehler = 2,  // usage error, a file that cannot be read, output that cannot be written
    kUeberlauf = 3,     // a value beyond the single range ended the run
};

// argumente without the program name. Writes the table (or results) to `aus` and every
// message as "Titel: Text" lines to `fehler`. Standard output is flushed and checked.
int Batchlauf(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

}  // namespace quintor
