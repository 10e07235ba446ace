#include "anwendung_einrichten.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QTranslator>

namespace quintor {

namespace {

// Tool tips appear only after the mouse has rested for five seconds.
class Stil : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* rueckgabe) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 5000;
        return QProxyStyle::styleHint(hint, option, widget, rueckgabe);
    }
};

}  // namespace

void RichteAnwendungEin(QApplication& app) {
    // No display name: Qt would append " — Quintor" to every caption the window system shows.
    QApplication::setApplicationName(QStringLiteral("Quintor"));
    QApplication::setApplicationVersion(QStringLiteral("1.4"));
    // The desktop entry's name, so that the desktop shows the right icon for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.quintor.Quintor"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* uebersetzung = new QTranslator(&app);
    if (uebersetzung->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(uebersetzung);

    // The fonts the windows ask for: metric twins where the system has them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QString::fromUtf8(kSansSerif));
    QFont::insertSubstitution(QStringLiteral("System"), QString::fromUtf8(kSansSerif));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                              QStringLiteral("Liberation Serif"));

    app.setStyle(new Stil);
}

}  // namespace quintor
