// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/main/fenetreprincipale.h"

#include "core/textesdates.h"
#include "shared/attente.h"
#include "shared/journalseance.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "shared/sortie.h"
#include "shared/verifications.h"
#include "windows/common/fenetres.h"
#include "windows/common/labeldegrade.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/help/afficheraide.h"
#include "windows/main/cadredates.h"
#include "windows/main/cadretemps.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QTimer>

namespace orvaline {

FenetrePrincipale::FenetrePrincipale(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("  Orvaline"));
    setFont(police(QStringLiteral("Verdana"), 8.25));
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("client"));
    setCentralWidget(centre);

    construireMenus();
    construireOutils();
    m_cadreTemps = new CadreTemps(centre);
    m_cadreDates = new CadreDates(centre);
    construirePied();
    suivreReleves();
    suivreSeance();

    minuterie = new QTimer(this);
    minuterie->setObjectName(QStringLiteral("minuterie"));
    connect(minuterie, &QTimer::timeout, this, &FenetrePrincipale::tic);

    // Kept out of sight: the focus is parked here after some modal windows.
    img_focus = new QWidget(centre);
    img_focus->setObjectName(QStringLiteral("img_focus"));
    img_focus->setFocusPolicy(Qt::ClickFocus); // a parking spot, never a Tab stop
    img_focus->setAccessibleName(QStringLiteral(" "));
    img_focus->setGeometry(0, 0, 1, 1);

    definirRetourModal([this] { activation(); });
    installerToucheAide();
}

FenetrePrincipale::~FenetrePrincipale() {
    // Modal windows must not call back into a window that is gone.
    definirRetourModal({});
    // A window taken down in order ends its run as a normal exit does.
    terminerSeance();
}

void FenetrePrincipale::charger() {
    m_chargement = 1;
    libcalc().style_xp = 0; // no visual style here asks for a taller caption
    dimensionnerfenetre(this, 8500, 5950);
    setFixedSize(size());
    minuterie->stop();
    minuterie->setInterval(3000);
    img_focus->move(0, height() + px(1000));

    m_cadreDates->suspendre(true);

    if (!chargerReglages()) return;

    m_cadreTemps->charger();
    m_cadreDates->charger();
    reprendreSeance();

    menuMode(1);
    pause(0.3);
    tic();
    minuterie->start();
    m_chargement = 0;
    m_cadreDates->suspendre(false);
}

bool FenetrePrincipale::enChargement() const {
    return m_chargement != 0 || m_cadreDates->suspendu();
}

QString FenetrePrincipale::ligneHorloge(const QDateTime& maintenant) {
    QString aujourdhui = ecrireDate(maintenant.date());
    return datelongue(aujourdhui) + QStringLiteral("      ") +
           maintenant.time().toString(QStringLiteral("HH:mm"));
}

void FenetrePrincipale::tic() {
    verifierordredate();
    verifiersymboledecimal();
    libcalc().style_xp = 0;
    lib_date->setText(ligneHorloge(QDateTime::currentDateTime()));
}

void FenetrePrincipale::activation() {
    // Both checks run, so the date calculator wins if both frames were ever shown.
    if (m_cadreTemps->isVisibleTo(this)) donnerfocus(m_cadreTemps->premierChamp());
    if (m_cadreDates->isVisibleTo(this)) donnerfocus(m_cadreDates->premierChamp());
}

bool FenetrePrincipale::event(QEvent* e) {
    // The desktop restores the focus where it was when the user comes back from another
    // program; our own modal windows call the activation through retourModal().
    if (e->type() == QEvent::WindowActivate && !m_dejaActivee) {
        m_dejaActivee = true;
        activation();
    }
    return QMainWindow::event(e);
}

void FenetrePrincipale::closeEvent(QCloseEvent* e) {
    e->ignore();
    fermerappli();
}

} // namespace orvaline
