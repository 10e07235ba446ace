// Starting a desktop calculator without waiting for it.
#pragma once

#include <QString>
#include <QStringList>

namespace quintor {

// The calculators tried, in this order.
QStringList Rechnerprogramme();

// Starts the first calculator found on the PATH. Returns a launcher code: above 32 when one was
// started, 2 ("file not found") when none could be.
int StarteRechner(const QStringList& programme = Rechnerprogramme());

}  // namespace quintor
