// The help viewer: contents, keyword search, help on help, and topics by context number
// (1 graph window and its dialogs, 2 table window, 3 constants dialog).
#pragma once

namespace quintor {

inline constexpr const char* kHilfedatei = "Quintor.hlp";

class Hilfe {
  public:
    virtual ~Hilfe() = default;
    virtual void Inhalt() = 0;
    virtual void Suche() = 0;  // keyword search with an empty keyword
    virtual void Benutzung() = 0;
    virtual void Kontext(int nummer) = 0;
};

// Until the help pages exist the commands do nothing.
class KeineHilfe : public Hilfe {
  public:
    void Inhalt() override;
    void Suche() override;
    void Benutzung() override;
    void Kontext(int nummer) override;
};

}  // namespace quintor
