// Everything the application sets once at start: title, German texts in the standard dialogs,
// fonts, tool tip delay.
#pragma once

class QApplication;

namespace quintor {

// The sans serif that stands in for the design's "MS Sans Serif".
inline constexpr const char* kSansSerif = "Liberation Sans";

void RichteAnwendungEin(QApplication& app);

}  // namespace quintor
