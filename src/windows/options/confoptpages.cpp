// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the options dialog: the page buttons on the left and the three pages.
#include "windows/options/confopt.h"

#include "windows/common/boutonxp.h"
#include "windows/common/cadretitre.h"
#include "windows/common/champsaisie.h"
#include "windows/common/couleurs.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace orvaline {

namespace {
QFont normale() {
    return police(QStringLiteral("Verdana"), 8.25);
}

// Every page stands at the same place; its size fills the client area to the right of the
// page buttons.
constexpr int gaucheCadres = 2640;
constexpr int hautCadres = 240;
constexpr int largeurCadres = 5800;
constexpr int hauteurCadres = 5160;

// The picture beside a page's title, and a line under its check box.
void decorer(QGroupBox* cadre, int index, const QString& image, int hautImage) {
    auto* icone = new QLabel(cadre);
    icone->setObjectName(nomIndexe(u"icones", index));
    icone->setGeometry(rectTwips(240, hautImage, 480, 480));
    icone->setPixmap(imageSvg(image, QSize(px(480), px(480))));
}

void tracerLigne(QGroupBox* cadre, int index, int haut) {
    auto* ligne = new QFrame(cadre);
    ligne->setObjectName(nomIndexe(u"ligne", index));
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    ligne->setGeometry(rectTwips(120, haut, largeurCadres - 240, 30));
}
} // namespace

QLabel* ConfOpt::nouveauLibelle(QWidget* parent, const QString& texte, int gauche, int haut,
                                int largeur) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nomIndexe(u"libelles", m_libelles++));
    l->setGeometry(rectTwips(gauche, haut, largeur, 255));
    l->setFont(normale());
    return l;
}

QGroupBox* ConfOpt::nouveauCadre(int index, const QString& titre) {
    auto* cadre = new CadreTitre(titre, this);
    cadre->setObjectName(nomIndexe(u"cadres", index));
    cadre->setGeometry(rectTwips(gaucheCadres, hautCadres, largeurCadres, hauteurCadres));
    cadre->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    cadre->hide();
    cadres[std::size_t(index)] = cadre;
    return cadre;
}

void ConfOpt::construireGauche() {
    QLabel* rubriques = nouveauLibelle(this, QStringLiteral("Rubriques :"), 240, 300, 2280);
    rubriques->setFont(police(QStringLiteral("Verdana"), 8.25, true));

    const QSize tailleLed(px(240), px(240));
    for (int i = 0; i <= 1; ++i) {
        auto* led = new QLabel(this);
        led->setObjectName(nomIndexe(u"img_ledon", i));
        led->setPixmap(imageSvg(
            i == 1 ? QStringLiteral("ledallumee") : QStringLiteral("ledeteinte"), tailleLed));
        led->setGeometry(rectTwips(0, 0, 240, 240));
        led->hide();
        img_ledon[std::size_t(i)] = led;
    }

    static const char16_t* const legendes[4] = {u"Saisie des Dates", u"Saisie des Nombres",
                                                u"Navigateur Internet", u"Jours fériés"};
    for (int i = 1; i <= 4; ++i) {
        const int haut = 720 + (i - 1) * 600;
        auto* led = new QLabel(this);
        led->setObjectName(nomIndexe(u"img_led", i));
        led->setGeometry(rectTwips(210, haut + 128, 240, 240));
        img_led[std::size_t(i)] = led;

        auto* b = new BoutonXp(QString::fromUtf16(legendes[i - 1]), this);
        b->setObjectName(nomIndexe(u"com_options", i));
        b->setGeometry(rectTwips(540, haut, 1980, 495));
        b->setFont(normale());
        // Checked while its page is shown: a screen reader says which page is open, where the
        // eye has the green light.
        b->setCheckable(true);
        connect(b, &QPushButton::clicked, this, [this, i] { comOptions(i); });
        com_options[std::size_t(i)] = b;
    }

    com_ok = new BoutonXp(QStringLiteral("Ok"), this);
    com_ok->setObjectName(QStringLiteral("com_ok"));
    com_ok->setGeometry(rectTwips(540, 4320, 1980, 435));
    com_ok->setFont(normale());
    connect(com_ok, &QPushButton::clicked, this, &ConfOpt::comOk);

    com_annul = new BoutonXp(QStringLiteral("Annuler"), this);
    com_annul->setObjectName(QStringLiteral("com_annul"));
    com_annul->setGeometry(rectTwips(540, 4920, 1980, 435));
    com_annul->setFont(normale());
    connect(com_annul, &QPushButton::clicked, this, [this] {
        m_annule = 1;
        done(QDialog::Rejected);
    });
}

void ConfOpt::construirePageDates() {
    QGroupBox* cadre = nouveauCadre(1, QStringLiteral("Saisie des Dates"));

    case_saisdate = new QCheckBox(QStringLiteral("Saisie Rapide des Dates"), cadre);
    case_saisdate->setObjectName(QStringLiteral("case_saisdate"));
    case_saisdate->setGeometry(rectTwips(240, 360, 4200, 300));
    case_saisdate->setFont(normale());
    contourVisible(case_saisdate);
    tracerLigne(cadre, 1, 840);
    decorer(cadre, 1, QStringLiteral("astuce"), 1020);

    nouveauLibelle(cadre, QStringLiteral("Astuces"), 840, 1140, 2400)
        ->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    nouveauLibelle(cadre, QStringLiteral("Vous pouvez également utiliser les touches suivantes :"),
                   240, 1620, 5440);
    static const char16_t* const touches[7] = {
        u"[Page Av] et [Page Ar] pour décrémenter ou incrémenter",
        u"la Date d'un mois,",
        u"[-] , [+] , [Flèche Bas] et [Flèche Haut] pour décrémenter ou",
        u"incrémenter la Date d'une journée,",
        u"[Pos1]  sélectionne le 1er jour du mois,",
        u"[Fin]     sélectionne le dernier jour du mois.",
        u"[Inser]  sélectionne la Date du Jour."};
    // A hint that runs over two lines keeps its lines together.
    static const int hauts[7] = {1920, 2160, 2460, 2700, 3000, 3240, 3480};
    // The hints keep their wording; the bubbles name the keys as French keyboards print them.
    static const char16_t* const bulles[7] = {
        u" Page suiv. : un mois de moins ; Page préc. : un mois de plus ",
        u" Page suiv. : un mois de moins ; Page préc. : un mois de plus ",
        u" Flèche Bas ou - du pavé numérique : un jour de moins ; Flèche Haut ou + : un jour de "
        u"plus ",
        u" Flèche Bas ou - du pavé numérique : un jour de moins ; Flèche Haut ou + : un jour de "
        u"plus ",
        u" Origine : le premier jour du mois en cours ",
        u" Fin : le dernier jour du mois en cours ",
        u" Inser : la date du jour "};
    for (int i = 0; i < 7; ++i)
        nouveauLibelle(cadre, QString::fromUtf16(touches[i]), 360, hauts[i], 5320)
            ->setToolTip(QString::fromUtf16(bulles[i]));
    m_astuces[1] = QStringLiteral("Astuces. Vous pouvez également utiliser les touches suivantes : "
                                  "Page préc. et Page suiv. pour incrémenter ou décrémenter la "
                                  "Date d'un mois, Flèche Haut, Flèche Bas, + et - pour "
                                  "l'incrémenter ou la décrémenter d'une journée, Origine pour le "
                                  "1er jour du mois, Fin pour le dernier jour du mois, Inser ou "
                                  "Ctrl+; pour la Date du Jour.");
    nouveauLibelle(cadre, QStringLiteral("Vous pouvez tester le résultat avec la Zone de Test :"),
                   240, 3900, 5440);
    QLabel* zone = nouveauLibelle(cadre, QStringLiteral("Zone de Test :"), 360, 4455, 1320);

    sais_date = new ChampSaisie(cadre);
    sais_date->setObjectName(QStringLiteral("sais_date"));
    sais_date->setGeometry(rectTwips(1680, 4440, 1335, 285));
    sais_date->setFont(normale());
    sais_date->setAccessibleName(QStringLiteral("Zone de Test"));
    sais_date->setAccessibleDescription(QStringLiteral("Saisie des Dates"));
    zone->setBuddy(sais_date);

    for (int i = 1; i <= 2; ++i) {
        auto* b = new BoutonXp(i == 1 ? QStringLiteral("<") : QStringLiteral(">"), cadre);
        b->setObjectName(nomIndexe(u"com_incdate", i));
        b->setGeometry(rectTwips(3090 + (i - 1) * 390, 4410, 345, 345));
        b->setFont(police(QStringLiteral("Verdana"), 8.25, true));
        const QString nom =
            i == 1 ? QStringLiteral("Jour précédent") : QStringLiteral("Jour suivant");
        b->setToolTip(QStringLiteral(" ") + nom + QStringLiteral(" "));
        b->setAccessibleName(nom);
        b->setAccessibleDescription(QStringLiteral("Zone de Test"));
        connect(b, &QPushButton::clicked, this, [this, i] { comIncdate(i); });
        com_incdate[std::size_t(i)] = b;
    }

    com_calendrier = new BoutonXp(QString(), cadre);
    com_calendrier->setObjectName(QStringLiteral("com_calendrier"));
    com_calendrier->setGeometry(rectTwips(3900, 4410, 345, 345));
    com_calendrier->definirImage(QStringLiteral("calendrier"), QSize(px(345) - 6, px(345) - 6));
    com_calendrier->setToolTip(QStringLiteral(" Calendrier "));
    com_calendrier->setAccessibleName(QStringLiteral("Calendrier"));
    com_calendrier->setAccessibleDescription(QStringLiteral("Zone de Test"));
    connect(com_calendrier, &QPushButton::clicked, this, &ConfOpt::comCalendrier);
}

void ConfOpt::construirePageNombres() {
    QGroupBox* cadre = nouveauCadre(2, QStringLiteral("Saisie des Nombres"));

    case_saisnombre = new QCheckBox(QStringLiteral("Saisie Rapide des Nombres"), cadre);
    case_saisnombre->setObjectName(QStringLiteral("case_saisnombre"));
    case_saisnombre->setGeometry(rectTwips(240, 360, 4200, 300));
    case_saisnombre->setFont(normale());
    contourVisible(case_saisnombre);
    tracerLigne(cadre, 2, 840);
    decorer(cadre, 2, QStringLiteral("astuce"), 1020);

    nouveauLibelle(cadre, QStringLiteral("Utilisation"), 840, 1140, 2400)
        ->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    nouveauLibelle(cadre, QStringLiteral("Utilisez les touches suivantes :"), 240, 1620, 5440);
    static const char16_t* const touches[4] = {
        u"[Page Av] et [Page Ar] pour décrémenter ou incrémenter", u"la valeur de 10 unités.",
        u"[Flèche Bas] et [Flèche Haut] pour décrémenter ou incrémenter",
        u"la valeur d'une unité."};
    static const int hauts[4] = {1920, 2160, 2460, 2700};
    static const char16_t* const bulles[4] = {
        u" Page suiv. : 10 de moins ; Page préc. : 10 de plus ",
        u" Page suiv. : 10 de moins ; Page préc. : 10 de plus ",
        u" Flèche Bas : 1 de moins ; Flèche Haut : 1 de plus ",
        u" Flèche Bas : 1 de moins ; Flèche Haut : 1 de plus "};
    for (int i = 0; i < 4; ++i)
        nouveauLibelle(cadre, QString::fromUtf16(touches[i]), 360, hauts[i], 5320)
            ->setToolTip(QString::fromUtf16(bulles[i]));
    m_astuces[2] = QStringLiteral("Utilisation. Page préc. et Page suiv. pour incrémenter ou "
                                  "décrémenter la valeur de 10 unités, Flèche Haut et Flèche Bas "
                                  "pour l'incrémenter ou la décrémenter d'une unité.");
    nouveauLibelle(cadre, QStringLiteral("Vous pouvez tester le résultat avec la Zone de Test :"),
                   240, 3120, 5440);
    QLabel* zone = nouveauLibelle(cadre, QStringLiteral("Zone de Test :"), 360, 3675, 1320);

    sais_nombre = new ChampSaisie(cadre);
    sais_nombre->setObjectName(QStringLiteral("sais_nombre"));
    sais_nombre->setGeometry(rectTwips(1680, 3660, 1335, 285));
    sais_nombre->setFont(normale());
    sais_nombre->setAccessibleName(QStringLiteral("Zone de Test"));
    sais_nombre->setAccessibleDescription(QStringLiteral("Saisie des Nombres"));
    zone->setBuddy(sais_nombre);

    // The tape is what numbers are typed for; keeping it belongs beside them.
    tracerLigne(cadre, 5, 4200);
    case_garderseance = new QCheckBox(
        QStringLiteral("Garder la bande et l'historique d'une séance à l'autre"), cadre);
    case_garderseance->setObjectName(QStringLiteral("case_garderseance"));
    case_garderseance->setGeometry(rectTwips(240, 4380, 5440, 300));
    case_garderseance->setFont(normale());
}

void ConfOpt::construirePageNavigateur() {
    QGroupBox* cadre = nouveauCadre(3, QStringLiteral("Navigateur Internet"));
    decorer(cadre, 3, QStringLiteral("navigateur"), 480);
    QLabel* libelle =
        nouveauLibelle(cadre, QStringLiteral("Programme de Navigation :"), 840, 600, 4600);

    lib_navig = new QLineEdit(cadre);
    lib_navig->setObjectName(QStringLiteral("lib_navig"));
    lib_navig->setGeometry(rectTwips(240, 1200, 5320, 315));
    lib_navig->setFont(normale());
    // Read-only, but it still takes the focus so the path can be read and copied.
    lib_navig->setReadOnly(true);
    // Grey, the style drawing its border from the window colour: both roles take the grey.
    QPalette gris = lib_navig->palette();
    gris.setColor(QPalette::Base, fondLisible(0xEDEDED));
    gris.setColor(QPalette::Window, fondLisible(0xEDEDED));
    lib_navig->setPalette(gris);
    lib_navig->setAccessibleName(QStringLiteral("Programme de Navigation"));
    libelle->setBuddy(lib_navig);

    com_selfich = new BoutonXp(QStringLiteral("Sélection du Programme ..."), cadre);
    com_selfich->setObjectName(QStringLiteral("com_selfich"));
    com_selfich->setGeometry(rectTwips(2760, 1680, 2800, 435));
    com_selfich->setFont(normale());
    connect(com_selfich, &QPushButton::clicked, this, &ConfOpt::comSelfich);
}

} // namespace orvaline
