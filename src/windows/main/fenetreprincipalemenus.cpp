// SPDX-License-Identifier: GPL-3.0-or-later
// The menus, the tool bar and the clock line of the main window, and what they open.
#include "windows/main/fenetreprincipale.h"

#include "core/textesdates.h"
#include "shared/lanceurs.h"
#include "shared/sortie.h"
#include "windows/about/pelandor.h"
#include "windows/calendar/echangecalendrier.h"
#include "windows/common/boutonxp.h"
#include "windows/common/fenetres.h"
#include "windows/common/labeldegrade.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/help/afficheraide.h"
#include "windows/main/cadredates.h"
#include "windows/main/cadretemps.h"
#include "windows/options/confopt.h"
#include "windows/update/telemaj.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QMenuBar>

namespace orvaline {

namespace {
// One menu item per row: caption (or "-" for a separator), and whether it works yet.
struct Article {
    const char16_t* legende;
    bool actif;
};
} // namespace

void FenetrePrincipale::construireMenus() {
    QMenuBar* barre = menuBar();

    auto remplir = [&](QMenu* menu, const char16_t* nom, auto& actions,
                       std::initializer_list<Article> articles, auto gestion) {
        int index = 1;
        for (const Article& a : articles) {
            QAction* action = nullptr;
            const QString legende = QString::fromUtf16(a.legende);
            if (legende == u"-")
                action = menu->addSeparator();
            else {
                action = menu->addAction(legende);
                action->setEnabled(a.actif);
                connect(action, &QAction::triggered, this,
                        [gestion, this, index] { (this->*gestion)(index); });
            }
            action->setObjectName(nomIndexe(nom, index));
            actions[std::size_t(index)] = action;
            ++index;
        }
    };

    // The mnemonics give keyboard access from Alt; the captions read as designed.
    QMenu* fichier = barre->addMenu(QStringLiteral("&Fichier"));
    fichier->setObjectName(QStringLiteral("menu_fichier"));
    remplir(fichier, u"menu_fich", menu_fich,
            {{u"Calendrier", true}, {u"Calculatrice", true}, {u"-", true}, {u"Quitter", true}},
            &FenetrePrincipale::menuFichier);
    construireConservation(fichier);
    construireSeance(fichier);

    QMenu* mode = barre->addMenu(QStringLiteral("&Mode"));
    mode->setObjectName(QStringLiteral("menu_modecalc"));
    remplir(mode, u"menu_mode", menu_mode,
            {{u"Calculatrice de Temps", true},
             {u"-", true},
             {u"Calculatrice de Dates", true},
             {u"-", true},
             {u"Options", true},
             {u"Paramètre de Windows", true}},
            &FenetrePrincipale::menuMode);
    menu_mode[1]->setCheckable(true);
    menu_mode[3]->setCheckable(true);
    menu_mode[1]->setShortcut(Qt::Key_F2);
    menu_mode[3]->setShortcut(Qt::Key_F3);

    QMenu* aide = barre->addMenu(QStringLiteral("&Aide"));
    aide->setObjectName(QStringLiteral("menu_aider"));
    remplir(aide, u"menu_aide", menu_aide,
            {{u"Sommaire", true},
             {u"-", true},
             {u"Télécharger la Dernière Version", true},
             {u"Contacter l'Auteur", true},
             {u"-", true},
             {u"A propos ...", true}},
            &FenetrePrincipale::menuAide);
}

void FenetrePrincipale::construireOutils() {
    struct Outil {
        const char16_t* infobulle;
        const char16_t* image;
        bool actif;
    };
    static const Outil outils[5] = {{u" Calendrier ", u"calendrier", true},
                                    {u" Calculatrice de Temps ", u"horloge", true},
                                    {u" Calculatrice de Dates ", u"calcdates", true},
                                    {u" Options ", u"options", true},
                                    {u" Quitter ", u"quitter", true}};
    static const int gauches[5] = {240, 960, 1680, 2400, 3120};
    for (int i = 1; i <= 5; ++i) {
        const Outil& o = outils[i - 1];
        auto* b = new BoutonXp(QString(), centralWidget());
        b->setObjectName(nomIndexe(u"com_outil", i));
        b->setGeometry(rectTwips(gauches[i - 1], 120, 615, 615));
        b->definirImage(QString::fromUtf16(o.image), QSize(px(615) - 12, px(615) - 12));
        const QString infobulle = QString::fromUtf16(o.infobulle);
        b->setToolTip(infobulle);
        b->setAccessibleName(infobulle.trimmed());
        b->setEnabled(o.actif);
        // Tool buttons act on a click; they take no keyboard focus, the menus cover them.
        b->setFocusPolicy(Qt::NoFocus);
        com_outil[std::size_t(i)] = b;
    }
    connect(com_outil[1], &QPushButton::clicked, this, [this] {
        menuFichier(1);
        donnerfocus(img_focus);
    });
    connect(com_outil[2], &QPushButton::clicked, this, [this] { menuMode(1); });
    connect(com_outil[3], &QPushButton::clicked, this, [this] { menuMode(3); });
    connect(com_outil[4], &QPushButton::clicked, this, [this] {
        menuMode(5);
        donnerfocus(img_focus);
    });
    connect(com_outil[5], &QPushButton::clicked, this, [] { fermerappli(); });
}

void FenetrePrincipale::construirePied() {
    lib_date = new LabelDegrade(QString(), centralWidget());
    lib_date->setObjectName(QStringLiteral("lib_date"));
    lib_date->setAccessibleDescription(QStringLiteral("Horloge"));
    lib_date->setGeometry(rectTwips(240, 4800, 4935, 315));
    lib_date->setFont(police(QStringLiteral("Verdana"), 8.25, true));

    lib_aide[0] = new LabelDegrade(QStringLiteral("[F1] : Aide"), centralWidget());
    lib_aide[0]->setObjectName(QStringLiteral("lib_aide(0)"));
    lib_aide[0]->setGeometry(rectTwips(5280, 4800, 1455, 315));
    lib_aide[1] = new LabelDegrade(QString(), centralWidget());
    lib_aide[1]->setObjectName(QStringLiteral("lib_aide(1)"));
    lib_aide[1]->setGeometry(rectTwips(6840, 4800, 1335, 315));
}

void FenetrePrincipale::menuMode(int index) {
    menu_mode[1]->setChecked(false);
    menu_mode[3]->setChecked(false);
    switch (index) {
    case 1:
        setProperty("aide", 103);
        menu_mode[1]->setChecked(true);
        m_cadreDates->hide();
        m_cadreTemps->show();
        donnerfocus(m_cadreTemps->premierChamp());
        break;
    case 3:
        setProperty("aide", 102);
        menu_mode[3]->setChecked(true);
        m_cadreTemps->hide();
        m_cadreDates->show();
        donnerfocus(m_cadreDates->premierChamp());
        break;
    case 5:
        afficherOptions();
        break;
    case 6:
        lancerpanneau(2);
        break;
    default:
        break;
    }
    // The calculator on show keeps its mark whatever item was chosen.
    menu_mode[1]->setChecked(m_cadreTemps->isVisibleTo(this));
    menu_mode[3]->setChecked(m_cadreDates->isVisibleTo(this));
    majConservation();
    majAnnulation();
}

void FenetrePrincipale::menuFichier(int index) {
    if (index == 1) afficherCalendrier();
    if (index == 2) lancercalculatrice(1);
    if (index == 4) fermerappli();
    if (index == 6) enregistrerReleve();
    if (index == 7) imprimerReleve();
    if (index == 8) copierReleve();
}

void FenetrePrincipale::afficherCalendrier() {
    afficherCalendrierVue(ecrireDate(QDate::currentDate()));
}

void FenetrePrincipale::menuAide(int index) {
    if (index == 1) afficherAide(0);
    if (index == 3) {
        TeleMaj::instance().ouvrir();
    }
    if (index == 4) {
        // The menu asks for the contact card rather than leaving it to the last hand-over.
        afficherPelandor(1);
    }
    if (index == 6 && afficherVersion) afficherVersion();
}

} // namespace orvaline
