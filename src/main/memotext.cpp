#include "memotext.h"

#include <QTextCursor>

namespace quintor {

QString MemoText::Text(const QPlainTextEdit* memo) {
    QString t = memo->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return t;
}

std::vector<std::string> MemoText::Zeilen() const {
    std::vector<std::string> zeilen;
    for (const QString& z : Text(memo_).split(QLatin1Char('\n'))) zeilen.push_back(z.toStdString());
    // An empty last line is where the caret can stand after a final line break, not a line.
    if (zeilen.back().empty()) zeilen.pop_back();
    return zeilen;
}

void MemoText::SetzeZeilen(const std::vector<std::string>& zeilen) {
    QStringList liste;
    for (const std::string& z : zeilen) liste << QString::fromStdString(z);
    memo_->setPlainText(liste.join(QLatin1Char('\n')));
}

void MemoText::Zeige(const std::vector<std::string>& zeilen) {
    if (Zeilen() == zeilen) return;
    QStringList liste;
    for (const std::string& z : zeilen) liste << QString::fromStdString(z);
    QTextCursor c(memo_->document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    c.insertText(liste.join(QLatin1Char('\n')));
    c.endEditBlock();
}

}  // namespace quintor
