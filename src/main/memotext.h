// The equation editor's text as the document keeps it: one entry per line, UTF-8.
#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <string>
#include <vector>

namespace quintor {

class MemoText {
  public:
    explicit MemoText(QPlainTextEdit* memo) : memo_(memo) {}
    std::vector<std::string> Zeilen() const;
    // Setting the text is an edit: the editor's change handling runs.
    void SetzeZeilen(const std::vector<std::string>& zeilen);
    // Shows these lines, as one edit step the user can undo; nothing when they are shown.
    void Zeige(const std::vector<std::string>& zeilen);

    // The whole text with "\n" between lines; raw, so that no character is changed.
    static QString Text(const QPlainTextEdit* memo);

  private:
    QPlainTextEdit* memo_;
};

}  // namespace quintor
