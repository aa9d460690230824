// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/help/fenetreaide.h"

#include "windows/common/boutonxp.h"
#include "windows/common/couleurs.h"
#include "windows/common/fenetres.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace orvaline {

namespace {
QUrl sommaire() {
    return QUrl(QStringLiteral("qrc:/help/sommaire.html"));
}

// The pages' style sheet is written for a white page. On a dark desktop its rules are
// followed by the page's colours taken from the palette, which win as the later ones.
class PageAide : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& nom) override {
        QVariant ressource = QTextBrowser::loadResource(type, nom);
        if (type != QTextDocument::StyleSheetResource || !paletteSombre()) return ressource;
        const QPalette p = palette();
        const QColor fond = p.color(QPalette::Base);
        auto nomCouleur = [](const QColor& c) { return c.name(); };
        const QString sombre =
            QStringLiteral("\nbody { color: %1; background-color: %2; }\n"
                           "h1 { color: %3; }\nh2 { color: %4; }\na { color: %5; }\n"
                           "pre { color: #000000; }\n"
                           "td.encadre { background-color: %2; border-color: %3; }\n"
                           "pre.bande { color: %1; background-color: %2; }\n")
                .arg(nomCouleur(p.color(QPalette::Text)), nomCouleur(fond),
                     nomCouleur(texteLisible(0x0000C0, fond)),
                     nomCouleur(texteLisible(0x000080, fond)),
                     nomCouleur(texteLisible(p.color(QPalette::Link).rgb(), fond)));
        return QVariant(QString::fromUtf8(ressource.toByteArray()) + sombre);
    }
};
} // namespace

FenetreAide& FenetreAide::instance() {
    static QPointer<FenetreAide> fenetre;
    if (!fenetre) fenetre = new FenetreAide;
    return *fenetre;
}

FenetreAide::FenetreAide() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("aide"));
    setWindowTitle(QStringLiteral("  Aide d'Orvaline"));
    setFont(police(QStringLiteral("Verdana"), 8.25));

    auto bouton = [this](const QString& texte, const QString& nom, const QString& bulle) {
        auto* b = new BoutonXp(texte, this);
        b->setObjectName(nom);
        b->setToolTip(bulle);
        b->setMinimumSize(px(1335), px(375));
        return b;
    };
    // The mnemonics reach the buttons while the page keeps the focus (Tab walks its links).
    com_sommaire = bouton(QStringLiteral("&Sommaire"), QStringLiteral("com_sommaire"),
                          QStringLiteral(" Sommaire de l'Aide "));
    com_precedent = bouton(QStringLiteral("&Précédent"), QStringLiteral("com_precedent"),
                           QStringLiteral(" Page précédente (Alt+Gauche) "));
    com_suivant = bouton(QStringLiteral("S&uivant"), QStringLiteral("com_suivant"),
                         QStringLiteral(" Page suivante (Alt+Droite) "));
    com_precedent->setEnabled(false);
    com_suivant->setEnabled(false);

    sais_aide = new PageAide(this);
    sais_aide->setObjectName(QStringLiteral("sais_aide"));
    sais_aide->setAccessibleName(QStringLiteral("Page d'aide"));
    // Every page lives in the program; nothing is ever fetched from outside.
    sais_aide->setOpenExternalLinks(false);

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(com_sommaire);
    boutons->addWidget(com_precedent);
    boutons->addWidget(com_suivant);
    boutons->addStretch();
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(px(120), px(120), px(120), px(120));
    disposition->addLayout(boutons);
    disposition->addWidget(sais_aide, 1);
    setMinimumSize(px(4500), px(3600));

    connect(com_sommaire, &QPushButton::clicked, this,
            [this] { sais_aide->setSource(sommaire()); });
    connect(com_precedent, &QPushButton::clicked, sais_aide, &QTextBrowser::backward);
    connect(com_suivant, &QPushButton::clicked, sais_aide, &QTextBrowser::forward);
    connect(sais_aide, &QTextBrowser::backwardAvailable, com_precedent, &QWidget::setEnabled);
    connect(sais_aide, &QTextBrowser::forwardAvailable, com_suivant, &QWidget::setEnabled);
    // A screen reader names the page being read along with the window.
    connect(sais_aide, &QTextBrowser::sourceChanged, this,
            [this] { setAccessibleDescription(sais_aide->documentTitle()); });
}

std::optional<Erreur> FenetreAide::afficher(const QUrl& page) {
    if (page.scheme() != u"qrc" || !QFile::exists(u':' + page.path()))
        return erreurs::fichierIntrouvable();
    sais_aide->setSource(page);
    if (!m_dimensionnee) {
        // The first time only: afterwards the window stays where the user put it.
        dimensionnerfenetre(this, 8400, 7200);
        m_dimensionnee = true;
    }
    choisirModalite();
    lierAAppelante(this);
    show();
    raise();
    activateWindow();
    sais_aide->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

void FenetreAide::choisirModalite() {
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality voulue = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() == voulue) return;
    // Qt takes a new modality only on the next showing.
    if (isVisible()) hide();
    setWindowModality(voulue);
}

void FenetreAide::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace orvaline
