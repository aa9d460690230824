// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/fenetres.h"

#include "shared/libcalc.h"
#include "windows/common/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
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

// Where the compositor draws the title bar itself (Wayland), the frame is out of reach;
// the window then gets the client area it has under a thin desktop frame: 1 px borders and
// a 20 px title bar.
const QMargins cadreMince(1, 20, 1, 1);

QMargins cadreDe(const QWidget* fenetre) {
    const QRect e = fenetre->frameGeometry(), i = fenetre->geometry();
    return {i.left() - e.left(), i.top() - e.top(), e.right() - i.right(), e.bottom() - i.bottom()};
}

bool sansCadre(const QWidget* fenetre) {
    return fenetre->windowFlags().testFlag(Qt::FramelessWindowHint);
}

// Gives the window the client size that makes its outer size the designed one, and puts
// its outer top-left corner where the placement says, where the platform lets a program
// place its windows.
void appliquer(QWidget* fenetre, QSize exterieur, QPoint coin, QMargins cadre) {
    const QSize client(std::max(1, exterieur.width() - cadre.left() - cadre.right()),
                       std::max(1, exterieur.height() - cadre.top() - cadre.bottom()));
    if (fenetre->minimumSize() == fenetre->maximumSize() && fenetre->size() != client)
        fenetre->setFixedSize(client);
    else
        fenetre->resize(client);
    if (placementLibre())
        fenetre->move(coin);
    else
        fenetre->setAttribute(Qt::WA_Moved); // nor may Qt move it on its own
}

// The frame is only known once the window manager has framed the window, some time after
// it is shown; until then the size rests on the last frame seen. This watcher sets the size
// again from the real frame when it appears: the window manager's framing moves the window
// (X11), and Qt-drawn decorations are there once the window is shown (Wayland).
class Recadrage : public QObject {
public:
    explicit Recadrage(QWidget* fenetre) : QObject(fenetre), m_fenetre(fenetre) {
        setObjectName(QStringLiteral("recadrage"));
        fenetre->installEventFilter(this);
    }
    void viser(QSize exterieur, QPoint coin, QMargins cadre) {
        m_exterieur = exterieur;
        m_coin = coin;
        m_cadre = cadre;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Show:
            // Some platforms give the frame only once the show has been processed.
            QTimer::singleShot(0, this, &Recadrage::verifier);
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            verifier();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void verifier() {
        if (!m_fenetre->isVisible()) return;
        const QMargins cadre = cadreDe(m_fenetre);
        // Nothing measured (no frame yet, or one the compositor keeps to itself), or the
        // frame already allowed for: nothing to do.
        if (cadre.isNull() || cadre == m_cadre) return;
        m_cadre = cadre;
        g_cadreVu = cadre;
        appliquer(m_fenetre, m_exterieur, m_coin, cadre);
    }

    QWidget* m_fenetre;
    QSize m_exterieur;
    QPoint m_coin;
    QMargins m_cadre;
};
} // namespace

bool placementLibre() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

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
    if (cadre.isNull()) cadre = placementLibre() ? g_cadreVu : cadreMince;
    appliquer(fenetre, exterieur, coin, cadre);
    auto* recadrage =
        fenetre->findChild<Recadrage*>(QStringLiteral("recadrage"), Qt::FindDirectChildrenOnly);
    if (!recadrage) recadrage = new Recadrage(fenetre);
    recadrage->viser(exterieur, coin, cadre);
}

QWidget* fenetreAppelante(const QWidget* fenetre) {
    // A modal window of ours that is up opened this one; otherwise the main window did.
    if (QWidget* modale = QApplication::activeModalWidget(); modale && modale != fenetre)
        return modale->window();
    const QWidgetList fenetres = QApplication::topLevelWidgets();
    for (QWidget* w : fenetres)
        if (w != fenetre && w->isVisible() && w->objectName() == QLatin1String("main")) return w;
    return nullptr;
}

void lierAAppelante(QWidget* fenetre) {
    if (!fenetre) return;
    QWidget* appelante = fenetreAppelante(fenetre);
    fenetre->winId(); // the native window must exist to carry its parent
    QWindow* native = fenetre->windowHandle();
    if (!native) return;
    QWindow* parent = appelante ? appelante->windowHandle() : nullptr;
    if (native->transientParent() != parent) native->setTransientParent(parent);
}

namespace {
bool g_sablier = false;
} // namespace

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
