// SPDX-License-Identifier: GPL-3.0-or-later
// The time calculator's frame: four duration fields, the stored operand, the operator
// buttons and the tape.
#include "windows/main/cadretemps.h"

#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"
#include "windows/common/couleurs.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/main/boitehistorique.h"
#include "windows/main/habillagecadre.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace orvaline {

CadreTemps::CadreTemps(QWidget* parent)
    : CadreTitre(QStringLiteral("Calculatrice de Temps "), parent) {
    habillerCadre(this, QStringLiteral("cadres(1)"));
    construire();
    connecter();
}

CadreTemps::~CadreTemps() {
    detacherChamps(this);
}

QWidget* CadreTemps::premierChamp() const {
    return sais_time[1];
}

namespace {
const char16_t* const noms[4] = {u"Jours", u"Heures", u"Minutes", u"Secondes"};
const int gauches[4] = {480, 1560, 2520, 3480};
} // namespace

void CadreTemps::construire() {
    QGroupBox* cadre = this;
    for (int i = 1; i <= 4; ++i)
        construireColonne(i);

    lib_oper = new QLabel(cadre);
    lib_oper->setObjectName(QStringLiteral("lib_oper"));
    lib_oper->setGeometry(rectTwips(120, 960, 255, 375));
    lib_oper->setFont(police(QStringLiteral("MS Sans Serif"), 9.75, true));
    lib_oper->setAlignment(Qt::AlignCenter);
    colorer(lib_oper, 0xEDEDED, 0x000080);
    lib_oper->setAccessibleDescription(QStringLiteral("Opération en cours"));

    construireBoutons();

    icone = new QLabel(cadre);
    icone->setObjectName(QStringLiteral("icones(0)"));
    icone->setGeometry(rectTwips(600, 2160, 480, 480));
    icone->setPixmap(imageSvg(QStringLiteral("horloge"), QSize(px(480), px(480))));

    auto* bande =
        creerHistorique(cadre, QStringLiteral("sais_histo(1)"), rectTwips(4800, 360, 2895, 3255),
                        QStringLiteral("Bande de calcul"));
    QTextOption option = bande->document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    bande->document()->setDefaultTextOption(option);
    sais_histo = bande;

    // Tab reads the buttons as they stand: + - Effacer, then x / =, then Reset.
    ordreTabulation({sais_time[1], sais_time[2], sais_time[3], sais_time[4], com_oper[1],
                     com_oper[2], com_clear[1], com_oper[3], com_oper[4], com_oper[5], com_clear[2],
                     sais_histo});
}

void CadreTemps::construireColonne(int i) {
    QGroupBox* cadre = this;
    const int g = gauches[i - 1];
    auto* libelle = new QLabel(QString::fromUtf16(noms[i - 1]), cadre);
    libelle->setObjectName(nomIndexe(u"libelles", i));
    libelle->setGeometry(rectTwips(g, 360, 975, 255));
    libelle->setFont(police(QStringLiteral("Verdana"), 8.25));
    libelle->setAlignment(Qt::AlignCenter);
    colorer(libelle, 0xEDEDED, 0x000080);
    libelles[std::size_t(i)] = libelle;

    auto* memoire = new QLabel(cadre);
    memoire->setObjectName(nomIndexe(u"lib_mem", i));
    memoire->setGeometry(rectTwips(g, 600, 975, 255));
    memoire->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    memoire->setAlignment(Qt::AlignCenter);
    colorer(memoire, 0xFFFFC0, 0x000080);
    static const char16_t* const memoires[4] = {u"Mémoire Jours", u"Mémoire Heures",
                                                u"Mémoire Minutes", u"Mémoire Secondes"};
    memoire->setAccessibleDescription(QString::fromUtf16(memoires[i - 1]));
    lib_mem[std::size_t(i)] = memoire;

    auto* champ = new ChampSaisie(cadre);
    champ->setObjectName(nomIndexe(u"sais_time", i));
    champ->setGeometry(rectTwips(g, 960, 975, 405));
    champ->setFont(police(QStringLiteral("Verdana"), 12, true));
    champ->setAlignment(Qt::AlignCenter);
    colorer(champ, 0xFFFFC0, 0x000000);
    champ->setAccessibleName(QString::fromUtf16(noms[i - 1]));
    champ->remplacerZero = true;
    libelle->setBuddy(champ);
    sais_time[std::size_t(i)] = champ;
}

void CadreTemps::construireBoutons() {
    QGroupBox* cadre = this;
    // Picture buttons: the picture shows the operator, the accessible name says it.
    struct Bouton {
        const char16_t* nomAccessible;
        const char16_t* image;
        int gauche, haut;
    };
    static const Bouton operateurs[5] = {{u"Plus", u"oper_plus", 1560, 1680},
                                         {u"Moins", u"oper_moins", 2520, 1680},
                                         {u"Multiplier", u"oper_multiplier", 1560, 2400},
                                         {u"Diviser", u"oper_diviser", 2520, 2400},
                                         {u"Égal", u"oper_egal", 3600, 2400}};
    for (int i = 1; i <= 5; ++i) {
        const Bouton& o = operateurs[i - 1];
        auto* b = new BoutonXp(QString(), cadre);
        b->setObjectName(nomIndexe(u"com_oper", i));
        b->setGeometry(rectTwips(o.gauche, o.haut, 855, 495));
        b->definirImage(QString::fromUtf16(o.image), QSize(px(330), px(330)));
        b->setAccessibleName(QString::fromUtf16(o.nomAccessible));
        com_oper[std::size_t(i)] = b;
    }

    // The frame's caption is bold; its buttons' captions are not.
    const QFont normale = police(QStringLiteral("Verdana"), 8.25);
    com_clear[1] = new BoutonXp(QStringLiteral("Effacer"), cadre);
    com_clear[1]->setFont(normale);
    com_clear[1]->setObjectName(QStringLiteral("com_clear(1)"));
    com_clear[1]->setGeometry(rectTwips(3600, 1680, 855, 495));
    com_clear[2] = new BoutonXp(QStringLiteral("Reset"), cadre);
    com_clear[2]->setFont(normale);
    com_clear[2]->setObjectName(QStringLiteral("com_clear(2)"));
    com_clear[2]->setGeometry(rectTwips(3600, 3120, 855, 495));
    com_clear[2]->setAccessibleDescription(
        QStringLiteral("Remise à zéro de la calculatrice de temps"));
}

void CadreTemps::charger() {
    move(px(240), px(840));
    sais_histo->clear();
    verrouillerHistorique(sais_histo);
    m_temps = CalculatriceTemps();
    afficherCadreTemps();
}

} // namespace orvaline
