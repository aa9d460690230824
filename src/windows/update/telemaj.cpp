// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/update/telemaj.h"

#include "core/erreur.h"
#include "shared/internet.h"
#include "shared/libcalc.h"
#include "shared/rapporterreur.h"
#include "shared/sortie.h"
#include "windows/common/bandedegrade.h"
#include "windows/common/boutonxp.h"
#include "windows/common/couleurs.h"
#include "windows/common/fenetres.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/msgbox/affichermessage.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>

namespace orvaline {

TeleMaj& TeleMaj::instance() {
    static QPointer<TeleMaj> fenetre;
    if (!fenetre) fenetre = new TeleMaj;
    return *fenetre;
}

TeleMaj::TeleMaj() : FenetreModale(QStringLiteral("telemaj"), 12), sortie([] { fermerappli(); }) {
    setWindowTitle(QStringLiteral("  Téléchargement de la Dernière Version"));
    setFont(police(QStringLiteral("Verdana"), 8.25));

    auto* fond = new BandeDegrade(this);
    fond->setObjectName(QStringLiteral("fond"));
    fond->setGeometry(rectTwips(0, 0, 1560, 3600));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("img_logo"));
    logo->setPixmap(imageSvg(QStringLiteral("orvaline"), QSize(px(960), px(960))));
    logo->setGeometry(rectTwips(300, 360, 960, 960));

    static const char16_t* textes[3] = {u"Cet écran permet de Télécharger la dernière",
                                        u"version du programme disponible sur Internet.",
                                        u"Version Installée sur votre Ordinateur :"};
    static const int hauts[3] = {360, 615, 1200};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(QString::fromUtf16(textes[i]), this);
        l->setObjectName(nomIndexe(u"libelles", i));
        l->setGeometry(rectTwips(1800, hauts[i], 4700, 255));
    }
    lib_version = new QLabel(this);
    lib_version->setObjectName(QStringLiteral("lib_version"));
    lib_version->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    colorerTexte(lib_version, 0x1d3f8f);
    lib_version->setGeometry(rectTwips(5160, 1200, 1000, 255));

    auto* icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("icones(0)"));
    icone->setPixmap(imageSvg(QStringLiteral("telechargement"), QSize(px(480), px(480))));
    icone->setGeometry(rectTwips(1800, 1800, 480, 480));

    static const char16_t* legendes[3] = {u"", u"Télécharger la Dernière Version", u"Quitter"};
    static const int gauches[3] = {0, 2460, 2460};
    static const int hautsBoutons[3] = {0, 1800, 2460};
    for (int k = 1; k <= 2; ++k) {
        auto* b = new BoutonXp(QString::fromUtf16(legendes[k]), this);
        b->setObjectName(nomIndexe(u"com_commandes", k));
        b->setFont(police(QStringLiteral("Verdana"), 8.25));
        b->setGeometry(rectTwips(gauches[k], hautsBoutons[k], 3840, 480));
        connect(b, &QPushButton::clicked, this, [this, k] { commande(k); });
        com_commandes[std::size_t(k)] = b;
    }
    setTabOrder(com_commandes[1], com_commandes[2]);
}

void TeleMaj::charger() {
    dimensionner(6700, 4050);
    lib_version->setText(versionTexte());
    com_commandes[1]->setFocus();
}

void TeleMaj::commande(int k) {
    if (k == 2) {
        reject();
        return;
    }
    if (k != 1) return;

    QString chemin;
    qint16 trouve = 0;
    lirenavigateur(chemin, trouve);
    if (trouve == 0) return;

    const QString& nl = libcalc().saut_ligne;
    const QString texte = QStringLiteral("Confirmez-vous le Téléchargement ") + nl +
                          QStringLiteral("de la dernière version du programme ? ") + nl +
                          QStringLiteral("(si oui, le programme se terminera). ");
    if (affichermessage(texte, 2, 2, QStringLiteral("Téléchargement"), 0) == 0) return;

    if (const auto erreur = lancerNavigateur(chemin, adresses::installateur())) {
        // The program stays: without the browser there is nothing to update with.
        signalererreur(QStringLiteral("telemaj - com_commandes)"), *erreur);
        return;
    }
    if (sortie) sortie();
}

} // namespace orvaline
