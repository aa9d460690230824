// SPDX-License-Identifier: GPL-3.0-or-later
// The date calculator's frame: start date, increment and unit, end date, the result and
// the history.
#include "windows/main/cadredates.h"

#include "core/unitesdate.h"
#include "shared/reglages.h"
#include "windows/common/accessibilite.h"
#include "windows/common/anneaufocus.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"
#include "windows/common/couleurs.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/main/boitehistorique.h"
#include "windows/main/habillagecadre.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <utility>

namespace orvaline {

namespace {
// The result: dark blue on pale yellow inside a thin olive border.
class ResultatEncadre : public QLabel {
public:
    explicit ResultatEncadre(QWidget* parent) : QLabel(parent) {
        colorer(this, 0xFFFFC0, 0x000080);
        setContentsMargins(1, 1, 1, 1);
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QLabel::paintEvent(e);
        QPainter peintre(this);
        peintre.setPen(QColor(0xB8, 0xB8, 0x90));
        peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
} // namespace

CadreDates::CadreDates(QWidget* parent)
    : CadreTitre(QStringLiteral("Calculatrice de Dates"), parent) {
    habillerCadre(this, QStringLiteral("cadres(2)"));
    hide();
    construire();
    connecter();
}

CadreDates::~CadreDates() {
    detacherChamps(this);
}

QWidget* CadreDates::premierChamp() const {
    return sais_date[1];
}

namespace {
QFont normale() {
    return police(QStringLiteral("Verdana"), 8.25);
}
} // namespace

void CadreDates::construire() {
    construireLibelle(5, QStringLiteral("Date de Départ :"), 495);
    sais_date[1] =
        construireChamp(QStringLiteral("sais_date(1)"), 480, QStringLiteral("Date de Départ"));
    libelles[5]->setBuddy(sais_date[1]);
    construireBoutonsDate(1, 480);

    construireLibelle(6, QStringLiteral("Incrément :"), 975);
    sais_increment =
        construireChamp(QStringLiteral("sais_increment"), 960, QStringLiteral("Incrément"));
    libelles[6]->setBuddy(sais_increment);
    construireLibelle(7, QStringLiteral("(en + ou en -)"), 1275);
    libelles[7]->setGeometry(rectTwips(1800, 1275, 1335, 255));
    libelles[7]->setAlignment(Qt::AlignCenter);
    construireListeUnites();

    construireLibelle(8, QStringLiteral("Date de Fin :"), 2055);
    sais_date[2] =
        construireChamp(QStringLiteral("sais_date(2)"), 2040, QStringLiteral("Date de Fin"));
    libelles[8]->setBuddy(sais_date[2]);
    construireBoutonsDate(2, 2040);

    construireBas();
    sais_histo =
        creerHistorique(this, QStringLiteral("sais_histo(2)"), rectTwips(5040, 360, 2655, 3255),
                        QStringLiteral("Historique des dates"));

    // Tab reads the frame as the eye does: each row from left to right, the rows from top to
    // bottom, then the history beside them.
    ordreTabulation({sais_date[1], com_calendrier[1], com_incdate[1], com_incdate[2],
                     sais_increment, list_increment, sais_date[2], com_calendrier[2],
                     com_incdate[3], com_incdate[4], com_date, com_clear, sais_histo});
}

void CadreDates::construireLibelle(int index, const QString& texte, int haut) {
    auto* l = new QLabel(texte, this);
    l->setObjectName(nomIndexe(u"libelles", index));
    l->setGeometry(rectTwips(240, haut, 1500, 255));
    l->setFont(normale());
    libelles[std::size_t(index)] = l;
}

ChampSaisie* CadreDates::construireChamp(const QString& nom, int haut,
                                         const QString& nomAccessible) {
    auto* c = new ChampSaisie(this);
    c->setObjectName(nom);
    c->setGeometry(rectTwips(1800, haut, 1335, 285));
    c->setFont(normale());
    c->setAccessibleName(nomAccessible);
    return c;
}

void CadreDates::construireBoutonsDate(int champ, int haut) {
    const QString nomChamp =
        champ == 1 ? QStringLiteral("Date de Départ") : QStringLiteral("Date de Fin");
    auto* cal = new BoutonXp(QString(), this);
    cal->setObjectName(nomIndexe(u"com_calendrier", champ));
    cal->setGeometry(rectTwips(3210, haut - 30, 345, 345));
    cal->definirImage(QStringLiteral("calendrier"), QSize(px(345) - 6, px(345) - 6));
    cal->setToolTip(QStringLiteral(" Calendrier "));
    cal->setAccessibleName(QStringLiteral("Calendrier"));
    cal->setAccessibleDescription(nomChamp);
    com_calendrier[std::size_t(champ)] = cal;
    for (int sens = 0; sens < 2; ++sens) {
        const int index = (champ - 1) * 2 + sens + 1;
        auto* b = new BoutonXp(QString(), this);
        b->setObjectName(nomIndexe(u"com_incdate", index));
        b->setGeometry(rectTwips(3630 + sens * 390, haut - 30, 345, 345));
        b->definirImage(sens == 0 ? QStringLiteral("precedent") : QStringLiteral("suivant"),
                        QSize(px(345) - 10, px(345) - 10));
        const QString nom =
            sens == 0 ? QStringLiteral("Jour précédent") : QStringLiteral("Jour suivant");
        b->setToolTip(QStringLiteral(" ") + nom + QStringLiteral(" "));
        b->setAccessibleName(nom);
        b->setAccessibleDescription(nomChamp);
        com_incdate[std::size_t(index)] = b;
    }
}

void CadreDates::construireListeUnites() {
    list_increment = new QListWidget(this);
    list_increment->setObjectName(QStringLiteral("list_increment"));
    list_increment->setGeometry(rectTwips(3240, 960, 1455, 840));
    list_increment->setFont(normale());
    annoncerLigneAuFocus(list_increment);
    list_increment->setAccessibleName(QStringLiteral("Unité"));
    for (const DescriptionUnite& unite : tableUnites()) {
        list_increment->addItem(unite.texteLigne);
        // Rows shown short give their full name on hover and to a screen reader.
        QListWidgetItem* ligne = list_increment->item(list_increment->count() - 1);
        ligne->setToolTip(texteLong(unite));
        if (texteLong(unite) != unite.texteLigne)
            ligne->setData(Qt::AccessibleTextRole, texteLong(unite));
    }
    // The working-day rows say whether the Alsace-Moselle holidays count, as the options
    // stand now.
    const auto majOuvres = [this] {
        const auto& unites = tableUnites();
        for (int i = 0; i < list_increment->count() && std::size_t(i) < unites.size(); ++i) {
            if (!sorteJours(unites[std::size_t(i)].unite)) continue;
            QString texte = texteLong(unites[std::size_t(i)]);
            if (reglages().alsacemoselle())
                texte += QStringLiteral(", fériés d’Alsace-Moselle compris");
            list_increment->item(i)->setToolTip(texte);
            list_increment->item(i)->setData(Qt::AccessibleTextRole, texte);
        }
    };
    connect(&reglages(), &Reglages::modifie, this, majOuvres);
    majOuvres();
    // A horizontal scroll bar would hide a row.
    list_increment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_increment->setTextElideMode(Qt::ElideRight);
    // Whole rows only, as a desktop list box shows them: no sliver of a row at the bottom.
    if (const int rangee = list_increment->sizeHintForRow(0); rangee > 0) {
        const int bords = 2 * list_increment->frameWidth();
        list_increment->resize(list_increment->width(),
                               bords + (list_increment->height() - bords) / rangee * rangee);
    }
    montrerFocus(list_increment);
}

void CadreDates::construireBas() {
    icone = new QLabel(this);
    icone->setObjectName(QStringLiteral("icones(1)"));
    icone->setGeometry(rectTwips(720, 2640, 480, 480));
    icone->setPixmap(imageSvg(QStringLiteral("calcdates"), QSize(px(480), px(480))));

    com_date = new BoutonXp(QStringLiteral("Calculer"), this);
    com_date->setObjectName(QStringLiteral("com_date"));
    com_date->setGeometry(rectTwips(1800, 2640, 1215, 435));
    com_date->setFont(normale());

    com_clear = new BoutonXp(QStringLiteral("Reset"), this);
    com_clear->setObjectName(QStringLiteral("com_clear(3)"));
    com_clear->setGeometry(rectTwips(3240, 2640, 1215, 435));
    com_clear->setFont(normale());
    com_clear->setAccessibleDescription(QStringLiteral("Effacer la calculatrice de dates"));

    lib_calcul = new ResultatEncadre(this);
    lib_calcul->setObjectName(QStringLiteral("lib_calcul"));
    lib_calcul->setGeometry(rectTwips(1800, 3240, 2895, 405));
    lib_calcul->setFont(police(QStringLiteral("Verdana"), 12, true));
    lib_calcul->setAlignment(Qt::AlignCenter);
    lib_calcul->setAccessibleDescription(QStringLiteral("Résultat"));
}

void CadreDates::afficherResultat(const QString& texte) {
    // The designed results fit at the designed size; a long exact difference ("35 ans, 11 mois
    // et 21 jours") is set smaller rather than cut.
    QFont f = police(QStringLiteral("Verdana"), 12, true);
    const int place = lib_calcul->contentsRect().width() - 2 * lib_calcul->margin() - 4;
    while (f.pointSizeF() > 7 && QFontMetrics(f).horizontalAdvance(texte) > place)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    lib_calcul->setFont(f);
    lib_calcul->setText(texte);
}

void CadreDates::charger() {
    // The unit list must not start a calculation meanwhile.
    const bool suspendu = std::exchange(m_suspendu, true);
    list_increment->setCurrentRow(3);
    move(px(240), px(840));
    sais_histo->clear();
    verrouillerHistorique(sais_histo);
    sais_date[1]->clear();
    sais_date[2]->clear();
    sais_increment->clear();
    lib_calcul->clear();
    m_suspendu = suspendu;
}

} // namespace orvaline
