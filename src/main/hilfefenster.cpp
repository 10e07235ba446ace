#include "hilfefenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCollator>
#include <QDialogButtonBox>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "symbole.h"

// The pages live in a static library, whose resources are not registered by themselves.
static void LadeHilfeRessourcen() {
    Q_INIT_RESOURCE(hilfe);
}

namespace quintor {

// ---- Keyword search ----

THilfeSuche::THilfeSuche(QList<Stichwort> eintraege, QWidget* parent)
    : QDialog(parent), eintraege_(std::move(eintraege)) {
    setWindowTitle(QStringLiteral("Hilfe durchsuchen"));
    auto* label =
        new QLabel(QStringLiteral("&Stichwort eingeben oder aus der Liste wählen:"), this);
    StichwortEdit = new QLineEdit(this);
    label->setBuddy(StichwortEdit);
    Liste = new QListWidget(this);
    auto* knoepfe = new QDialogButtonBox(this);
    AnzeigenKnopf = knoepfe->addButton(QStringLiteral("&Anzeigen"), QDialogButtonBox::AcceptRole);
    SchliessenKnopf = knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    AnzeigenKnopf->setDefault(true);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(label);
    spalte->addWidget(StichwortEdit);
    spalte->addWidget(Liste, 1);
    spalte->addWidget(knoepfe);
    resize(340, 420);

    connect(StichwortEdit, &QLineEdit::textChanged, this, &THilfeSuche::Filtere);
    // Enter in the edit or the list reaches the default button, so only the double click needs
    // a connection of its own.
    connect(AnzeigenKnopf, &QPushButton::clicked, this, &THilfeSuche::Oeffne);
    connect(SchliessenKnopf, &QPushButton::clicked, this, &QDialog::reject);
    connect(Liste, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        Liste->setCurrentItem(item);
        Oeffne();
    });
    // The arrow keys in the edit walk the list, so that the hands can stay on the keyboard.
    StichwortEdit->installEventFilter(this);
    Filtere({});
}

void THilfeSuche::Beginne() {
    StichwortEdit->clear();
    Filtere({});
    StichwortEdit->setFocus();
}

QStringList THilfeSuche::Ziele() const {
    QStringList ziele;
    for (int i = 0; i < Liste->count(); ++i) ziele << Liste->item(i)->data(Qt::UserRole).toString();
    return ziele;
}

void THilfeSuche::Filtere(const QString& text) {
    const QString gesucht = THilfeFenster::Suchform(text);
    QList<const Stichwort*> vorn, innen;
    for (const Stichwort& s : eintraege_) {
        const QString wort = THilfeFenster::Suchform(s.wort);
        if (wort.startsWith(gesucht))
            vorn << &s;
        else if (wort.contains(gesucht))
            innen << &s;
    }
    Liste->clear();
    for (const Stichwort* s : vorn + innen) {
        auto* item = new QListWidgetItem(s->wort, Liste);
        item->setData(Qt::UserRole, s->ziel);
    }
    Liste->setCurrentRow(Liste->count() > 0 ? 0 : -1);
    AnzeigenKnopf->setEnabled(Liste->count() > 0);
}

void THilfeSuche::Oeffne() {
    const QListWidgetItem* item = Liste->currentItem();
    if (!item) return;
    const QString ziel = item->data(Qt::UserRole).toString();
    accept();
    emit Gewaehlt(ziel);
}

bool THilfeSuche::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == StichwortEdit && e->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(Liste, e);
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(objekt, e);
}

// ---- The viewer ----

THilfeFenster::THilfeFenster(QWidget* parent) : QMainWindow(parent) {
    static const bool geladen = (LadeHilfeRessourcen(), true);
    (void)geladen;
    setWindowTitle(QStringLiteral("Quintor-Hilfe"));
    // Reading the help must not keep the program alive after the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(700, 550);

    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);  // internal links stay here, http… goes to the browser
    Browser->document()->setDocumentMargin(10);
    setCentralWidget(Browser);
    Browser->setFocus();  // the arrow and page keys scroll the page

    auto* leiste = addToolBar(QStringLiteral("Navigation"));
    leiste->setMovable(false);
    leiste->setContextMenuPolicy(Qt::PreventContextMenu);
    leiste->setIconSize(QSize(16, 16));
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    InhaltAktion = leiste->addAction(SymbolIcon(Symbol::Hilfeinhalt), QStringLiteral("&Inhalt"),
                                     this, &THilfeFenster::Inhalt);
    ZurueckAktion = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                      QStringLiteral("&Zurück"), Browser, &QTextBrowser::backward);
    VorAktion = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                  QStringLiteral("&Vor"), Browser, &QTextBrowser::forward);
    SuchenAktion = leiste->addAction(SymbolIcon(Symbol::Suche), QStringLiteral("&Suchen…"), this,
                                     &THilfeFenster::Suche);
    ZurueckAktion->setShortcut(QKeySequence::Back);
    VorAktion->setShortcut(QKeySequence::Forward);
    SuchenAktion->setShortcut(QKeySequence::Find);
    ZurueckAktion->setEnabled(false);
    VorAktion->setEnabled(false);
    connect(Browser, &QTextBrowser::backwardAvailable, ZurueckAktion, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, VorAktion, &QAction::setEnabled);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, &THilfeFenster::Benutzung);

    TitelLabel = new QLabel(this);
    statusBar()->addWidget(TitelLabel, 1);
    connect(Browser, &QTextBrowser::sourceChanged, this,
            [this] { TitelLabel->setText(Seitentitel()); });
    connect(Browser, qOverload<const QUrl&>(&QTextBrowser::highlighted), this,
            [this](const QUrl& link) {
                if (link.isEmpty())
                    statusBar()->clearMessage();
                else
                    statusBar()->showMessage(link.toString());
            });

    SuchDialog = new THilfeSuche(LadeStichwoerter(QString::fromUtf8(kStichwoerter)), this);
    connect(SuchDialog, &THilfeSuche::Gewaehlt, this, &THilfeFenster::Zeige);

    // A help window opened before a modal dialog stays usable when the dialog takes the focus.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        if (isVisible()) BindeAnModalesFenster();
    });
}

void THilfeFenster::Inhalt() {
    Zeige(QStringLiteral("inhalt.html"));
}

void THilfeFenster::Benutzung() {
    Zeige(QStringLiteral("hilfe_benutzen.html"));
}

void THilfeFenster::Kontext(int nummer) {
    Zeige(KontextSeite(nummer));
}

void THilfeFenster::Suche() {
    if (Browser->source().isEmpty())
        Browser->setSource(QUrl(QString::fromUtf8(kBasis) + "inhalt.html"));
    Vorholen();
    SuchDialog->Beginne();
    SuchDialog->show();
    SuchDialog->raise();
    SuchDialog->activateWindow();
}

void THilfeFenster::Zeige(const QString& ziel) {
    Browser->setSource(QUrl(QString::fromUtf8(kBasis)).resolved(QUrl(ziel)));
    Vorholen();
}

QString THilfeFenster::Seitentitel() const {
    return Browser->documentTitle();
}

QString THilfeFenster::KontextSeite(int nummer) {
    switch (nummer) {
        case 1:
            return QStringLiteral("graph.html");
        case 2:
            return QStringLiteral("tabelle.html");
        case 3:
            return QStringLiteral("konstanten.html");
        default:
            return QStringLiteral("inhalt.html");
    }
}

QString THilfeFenster::Suchform(const QString& text) {
    QString s = text.normalized(QString::NormalizationForm_C).simplified().toCaseFolded();
    s.replace(QChar(u'ä'), QStringLiteral("ae"));
    s.replace(QChar(u'ö'), QStringLiteral("oe"));
    s.replace(QChar(u'ü'), QStringLiteral("ue"));
    s.replace(QChar(u'ß'), QStringLiteral("ss"));
    return s;
}

QList<Stichwort> THilfeFenster::LadeStichwoerter(const QString& datei) {
    QList<Stichwort> liste;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return liste;
    QString text = QString::fromUtf8(f.readAll());
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    for (const QString& zeile : text.split(u'\n')) {
        const qsizetype tab = zeile.indexOf(u'\t');
        if (tab < 0) continue;
        Stichwort s{zeile.left(tab).trimmed(), zeile.mid(tab + 1).trimmed()};
        if (!s.wort.isEmpty() && !s.ziel.isEmpty()) liste << s;
    }
    QCollator deutsch(QLocale(QLocale::German, QLocale::Germany));
    deutsch.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(liste.begin(), liste.end(), [&](const Stichwort& a, const Stichwort& b) {
        return deutsch.compare(a.wort, b.wort) < 0;
    });
    return liste;
}

void THilfeFenster::Vorholen() {
    BindeAnModalesFenster();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

// An application-modal dialog blocks every window except its own transient children. While one
// is open, the help window therefore becomes a transient child of it (and the search dialog, a
// child of the help window, follows), so that it takes input; without a modal dialog it is free
// again.
void THilfeFenster::BindeAnModalesFenster(const QWidget* ausser) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == ausser || (modal && !modal->isVisible())) modal = nullptr;
    if (!windowHandle()) create();
    // Never under a dialog of our own: the transient chain must not become a loop.
    for (QWindow* w = modal ? modal->windowHandle() : nullptr; w; w = w->transientParent()) {
        if (w == windowHandle()) {
            modal = nullptr;
            break;
        }
    }
    if (gebunden_ && gebunden_ != modal) gebunden_->removeEventFilter(this);
    if (modal && gebunden_ != modal) modal->installEventFilter(this);
    gebunden_ = modal;
    windowHandle()->setTransientParent(modal ? modal->windowHandle() : nullptr);
}

bool THilfeFenster::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == gebunden_ && e->type() == QEvent::Hide) {
        // The dialog below, if any, may become the active modal one only after this event.
        BindeAnModalesFenster(gebunden_);
        QTimer::singleShot(0, this, [this] { BindeAnModalesFenster(); });
    }
    return QMainWindow::eventFilter(objekt, e);
}

void THilfeFenster::closeEvent(QCloseEvent* e) {
    SuchDialog->hide();
    QMainWindow::closeEvent(e);
}

}  // namespace quintor
