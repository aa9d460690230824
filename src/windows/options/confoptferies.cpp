// SPDX-License-Identifier: GPL-3.0-or-later
// The options page of the holidays that the working days leave out.
#include "core/joursouvres.h"
#include "core/textesdates.h"
#include "shared/libcalc.h"
#include "windows/common/couleurs.h"
#include "windows/common/images.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/options/confopt.h"

#include <QCheckBox>
#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>

namespace orvaline {

void ConfOpt::construirePageFeries() {
    QGroupBox* cadre = nouveauCadre(4, QStringLiteral("Jours fériés"));
    const QFont normale = police(QStringLiteral("Verdana"), 8.25);

    case_alsacemoselle = new QCheckBox(QStringLiteral("Jours fériés d’Alsace-Moselle"), cadre);
    case_alsacemoselle->setObjectName(QStringLiteral("case_alsacemoselle"));
    case_alsacemoselle->setGeometry(rectTwips(240, 360, 5200, 300));
    case_alsacemoselle->setFont(normale);
    contourVisible(case_alsacemoselle);
    connect(case_alsacemoselle, &QCheckBox::toggled, this, &ConfOpt::remplirFeries);

    // What the box adds, in sight and not only for screen readers.
    const QString ajout =
        QStringLiteral("Ajoute le Vendredi saint et la Saint-Étienne (26 décembre) aux jours "
                       "fériés.");
    lib_alsace = nouveauLibelle(cadre, ajout, 540, 660, 5020);
    lib_alsace->setObjectName(QStringLiteral("lib_alsace"));
    lib_alsace->setWordWrap(true);
    lib_alsace->resize(lib_alsace->width(), px(435));
    case_alsacemoselle->setAccessibleDescription(ajout);

    auto* ligne = new QFrame(cadre);
    ligne->setObjectName(QStringLiteral("ligne(4)"));
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    ligne->setGeometry(rectTwips(120, 1140, 5560, 30));
    auto* icone = new QLabel(cadre);
    icone->setObjectName(QStringLiteral("icones(4)"));
    icone->setGeometry(rectTwips(240, 1260, 480, 480));
    icone->setPixmap(imageSvg(QStringLiteral("calendrier"), QSize(px(480), px(480))));

    lib_annee = nouveauLibelle(cadre, QString(), 840, 1380, 4600);
    lib_annee->setFont(police(QStringLiteral("Verdana"), 8.25, true));

    list_feries = new QListWidget(cadre);
    list_feries->setObjectName(QStringLiteral("list_feries"));
    list_feries->setGeometry(rectTwips(240, 1800, 5320, 3120));
    list_feries->setFont(normale);
    list_feries->setSelectionMode(QAbstractItemView::NoSelection);
    lib_annee->setBuddy(list_feries);
}

void ConfOpt::remplirFeries() {
    bool lue = false;
    int annee = libcalc().annee_jour.toInt(&lue);
    if (!lue) annee = QDate::currentDate().year();
    const QString titre = QStringLiteral("Jours fériés de %1 :").arg(annee);
    lib_annee->setText(titre);
    list_feries->setAccessibleName(titre);
    list_feries->clear();
    for (const JourFerie& f : joursFeries(annee, case_alsacemoselle->isChecked()))
        list_feries->addItem(ligneFerie(f));
}

} // namespace orvaline
