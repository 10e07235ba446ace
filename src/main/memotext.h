// The equation editor's text as the scan sees it: one entry per line, UTF-8.
#pragma once

#include <QPlainTextEdit>

#include "scan.h"

namespace quintor {

class MemoText : public Gleichungstext {
  public:
    explicit MemoText(QPlainTextEdit* memo) : memo_(memo) {}
    std::vector<std::string> Zeilen() const override;
    // Setting the text is an edit: the editor's change handling runs.
    void SetzeZeilen(const std::vector<std::string>& zeilen) override;
    // Shows these lines, as one edit step the user can undo; nothing when they are shown.
    void Zeige(const std::vector<std::string>& zeilen);

    // The whole text with "\n" between lines; raw, so that no character is changed.
    static QString Text(const QPlainTextEdit* memo);

  private:
    QPlainTextEdit* memo_;
};

}  // namespace quintor
