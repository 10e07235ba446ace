#include "memotext.h"

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

}  // namespace quintor
