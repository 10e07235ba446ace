// The help viewer: German HTML pages compiled into the resources under qrc:/hilfe/, shown in a
// window of its own with contents, history, keyword search and topics by context number.
#pragma once

#include <QDialog>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "hilfe.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace quintor {

// One line of the keyword index: the keyword and its page, possibly with an anchor
// ("graph.html#einstellungen").
struct Stichwort {
    QString wort;
    QString ziel;
};

// The keyword search. The list shows the entries that start with the typed text, followed by
// those that contain it further inside; with an empty text it shows every entry. Case and the
// spelling of umlauts do not matter ("ä", "Ä" and "ae" are the same letter).
class THilfeSuche : public QDialog {
    Q_OBJECT

  public:
    THilfeSuche(QList<Stichwort> eintraege, QWidget* parent);

    // Empties the keyword and lists every entry, as each search begins.
    void Beginne();
    // The targets of the listed entries, in list order.
    QStringList Ziele() const;

    QLineEdit* StichwortEdit = nullptr;
    QListWidget* Liste = nullptr;
    QPushButton *AnzeigenKnopf = nullptr, *SchliessenKnopf = nullptr;

  signals:
    void Gewaehlt(const QString& ziel);

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    void Filtere(const QString& text);
    void Oeffne();

    QList<Stichwort> eintraege_;
};

class THilfeFenster : public QMainWindow, public Hilfe {
    Q_OBJECT

  public:
    explicit THilfeFenster(QWidget* parent = nullptr);

    void Inhalt() override;
    void Suche() override;
    void Benutzung() override;
    void Kontext(int nummer) override;

    // Shows a page of the help ("seite.html" or "seite.html#anker") and brings the window up.
    void Zeige(const QString& ziel);
    // The page's <title>.
    QString Seitentitel() const;

    static QString KontextSeite(int nummer);
    // The folded form in which keywords are compared.
    static QString Suchform(const QString& text);
    // The keyword index, sorted the German way.
    static QList<Stichwort> LadeStichwoerter(const QString& datei);

    static constexpr const char* kBasis = "qrc:/hilfe/";
    static constexpr const char* kStichwoerter = ":/hilfe/stichwoerter.txt";

    QTextBrowser* Browser = nullptr;
    QAction *InhaltAktion = nullptr, *ZurueckAktion = nullptr, *VorAktion = nullptr,
            *SuchenAktion = nullptr;
    QLabel* TitelLabel = nullptr;
    THilfeSuche* SuchDialog = nullptr;

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void Vorholen();
    void BindeAnModalesFenster(const QWidget* ausser = nullptr);

    QPointer<QWidget> gebunden_;
};

}  // namespace quintor
