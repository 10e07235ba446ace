#include "meldungsboxen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quintor {

namespace {

QMessageBox::Icon Symbol(Meldungsart art) {
    switch (art) {
        case Meldungsart::Warnung:
            return QMessageBox::Warning;
        case Meldungsart::Fehler:
            return QMessageBox::Critical;
        case Meldungsart::Information:
            return QMessageBox::Information;
        case Meldungsart::Bestaetigung:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The box belongs to the window the user is working in.
QWidget* Elternfenster() {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    return QApplication::activeWindow();
}

}  // namespace

void Meldungsboxen::Melde(Meldungsart art, const std::string& text) {
    QMessageBox box(Symbol(art), QString::fromUtf8(Titel(art)), QString::fromStdString(text),
                    QMessageBox::NoButton, Elternfenster());
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool Meldungsboxen::Frage(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(Titel(Meldungsart::Bestaetigung)),
                    QString::fromStdString(text), QMessageBox::NoButton, Elternfenster());
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(nein);  // closing the box counts as "Nein"; there is no cancel
    box.exec();
    return box.clickedButton() == ja;
}

Dialoge::Antwort Meldungsboxen::FrageMitAbbruch(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(Titel(Meldungsart::Bestaetigung)),
                    QString::fromStdString(text), QMessageBox::NoButton, Elternfenster());
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(ja);
    box.setEscapeButton(abbrechen);  // closing the box changes nothing
    box.exec();
    if (box.clickedButton() == ja) return Antwort::Ja;
    if (box.clickedButton() == nein) return Antwort::Nein;
    return Antwort::Abbrechen;
}

}  // namespace quintor
