// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/fenetres.h"

#include "shared/libcalc.h"
#include "shared/twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
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

namespace {
// The frame the window manager draws, once one of our windows has been framed: the next
// windows are sized right from the start. Until then, a usual title bar and border.
QMargins g_cadreVu(4, 27, 4, 4);

QMargins cadreDe(const QWidget* fenetre) {
    const QRect e = fenetre->frameGeometry(), i = fenetre->geometry();
    return {i.left() - e.left(), i.top() - e.top(), e.right() - i.right(), e.bottom() - i.bottom()};
}

bool sansCadre(const QWidget* fenetre) {
    return fenetre->windowFlags().testFlag(Qt::FramelessWindowHint);
}

// Gives the window the client size that makes its outer size the designed one, and puts
// its outer top-left corner where the placement says.
void appliquer(QWidget* fenetre, QSize exterieur, QPoint coin, QMargins cadre) {
    const QSize client(std::max(1, exterieur.width() - cadre.left() - cadre.right()),
                       std::max(1, exterieur.height() - cadre.top() - cadre.bottom()));
    if (fenetre->minimumSize() == fenetre->maximumSize() && fenetre->size() != client)
        fenetre->setFixedSize(client);
    else
        fenetre->resize(client);
    fenetre->move(coin);
}

// The frame is only known once the window manager has framed the window, some time after
// it is shown; until then the size rests on the last frame seen. This watcher sets the size
// again from the real frame as soon as it appears.
class Recadrage : public QObject {
public:
    explicit Recadrage(QWidget* fenetre) : QObject(fenetre), m_fenetre(fenetre) {
        setObjectName(QStringLiteral("recadrage"));
        m_minuteur.setInterval(10);
        connect(&m_minuteur, &QTimer::timeout, this, &Recadrage::verifier);
        fenetre->installEventFilter(this);
    }
    void viser(QSize exterieur, QPoint coin) {
        m_exterieur = exterieur;
        m_coin = coin;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            m_essais = 0;
            m_minuteur.start();
        } else if (e->type() == QEvent::Hide) {
            m_minuteur.stop();
        }
        return false;
    }

private:
    void verifier() {
        const QMargins cadre = cadreDe(m_fenetre);
        if (cadre.isNull()) {
            // No window manager frames it (or not yet): wait a little, then leave it.
            if (++m_essais > 300) m_minuteur.stop();
            return;
        }
        m_minuteur.stop();
        g_cadreVu = cadre;
        if (m_fenetre->frameGeometry() != QRect(m_coin, m_exterieur))
            appliquer(m_fenetre, m_exterieur, m_coin, cadre);
    }

    QWidget* m_fenetre;
    QTimer m_minuteur;
    QSize m_exterieur;
    QPoint m_coin;
    int m_essais = 0;
};
} // namespace

void dimensionnerfenetre(QWidget* fenetre, int largeur, int hauteur) {
    if (!fenetre) return;
    QRect ecran(0, 0, 1024, 768);
    if (const QScreen* s = QGuiApplication::primaryScreen()) ecran = s->availableGeometry();
    // Screen and window alike in twips, so the comparison and the centring agree.
    const Placement p = calculerPlacement(largeur, hauteur, ecran.width() * twipsParPixel,
                                          ecran.height() * twipsParPixel);
    const QSize exterieur(px(p.largeur), px(p.hauteur));
    const QPoint coin(ecran.left() + int(std::lround(p.gauche / twipsParPixel)),
                      ecran.top() + int(std::lround(p.haut / twipsParPixel)));
    if (sansCadre(fenetre)) {
        appliquer(fenetre, exterieur, coin, {});
        return;
    }
    QMargins cadre = cadreDe(fenetre);
    if (cadre.isNull()) cadre = g_cadreVu;
    appliquer(fenetre, exterieur, coin, cadre);
    auto* recadrage =
        fenetre->findChild<Recadrage*>(QStringLiteral("recadrage"), Qt::FindDirectChildrenOnly);
    if (!recadrage) recadrage = new Recadrage(fenetre);
    recadrage->viser(exterieur, coin);
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
