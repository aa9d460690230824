// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/fenetres.h"

#include "shared/libcalc.h"
#include "shared/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace orvaline {

Placement calculerPlacement(int largeur, int hauteur, int largeurEcran, int hauteurEcran) {
    const Libcalc& e = libcalc();
    Placement p;
    p.largeur = largeur;
    p.hauteur = hauteur;
    if (e.windows_xp == 1 && e.style_xp != 5) p.hauteur += 120;
    p.gauche = (double(largeurEcran) - largeur) / 2.0;
    p.haut = (double(hauteurEcran) - p.hauteur) / 2.0;
    if (largeur > largeurEcran) p.gauche = 0;
    if (p.hauteur > hauteurEcran) p.haut = 0;
    return p;
}

void dimensionnerfenetre(QWidget* fenetre, int largeur, int hauteur) {
    if (!fenetre) return;
    QRect ecran(0, 0, 1024, 768);
    if (const QScreen* s = QGuiApplication::primaryScreen()) ecran = s->availableGeometry();
    const Placement p = calculerPlacement(largeur, hauteur, ecran.width() * twipsParPixel,
                                          ecran.height() * twipsParPixel);
    // Designed sizes are outer sizes; take the frame off to get the client size. Before the
    // window manager has framed the window, allow for a usual title bar and border.
    QSize cadre(8, 31);
    const QRect exterieur = fenetre->frameGeometry(), interieur = fenetre->geometry();
    if (fenetre->isVisible() && exterieur != interieur) cadre = exterieur.size() - interieur.size();
    const QSize client(std::max(1, px(p.largeur) - cadre.width()),
                       std::max(1, px(p.hauteur) - cadre.height()));
    fenetre->resize(client);
    fenetre->move(ecran.left() + int(std::lround(p.gauche / twipsParPixel)),
                  ecran.top() + int(std::lround(p.haut / twipsParPixel)));
}

namespace {
bool g_sablier = false;
std::function<void()> g_activation;
} // namespace

void definirRetourModal(std::function<void()> activation) {
    g_activation = std::move(activation);
}

void retourModal() {
    if (g_activation) g_activation();
}

void afficherSablier() {
    if (g_sablier) return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    g_sablier = true;
}

void retablirCurseur() {
    if (!g_sablier) return;
    QGuiApplication::restoreOverrideCursor();
    g_sablier = false;
}

void donnerfocus(QWidget* controle) {
    if (!controle) return;
    if (!controle->isVisibleTo(controle->window()) || !controle->isEnabled()) return;
    controle->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
}

} // namespace orvaline
