// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup/numver.h"

#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "shared/attente.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "shared/sortie.h"
#include "windows/common/boutonxp.h"
#include "windows/common/couleurs.h"
#include "windows/common/fenetres.h"
#include "windows/common/images.h"
#include "windows/common/labeldegrade.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace orvaline {

NumVer::NumVer(std::function<void()> montrerPrincipale, QString cheminVerrou)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_montrerPrincipale(std::move(montrerPrincipale)), m_verrou(std::move(cheminVerrou)) {
    setObjectName(QStringLiteral("numver"));
    setWindowTitle(QStringLiteral("Orvaline"));
    setFont(police(QStringLiteral("Verdana"), 8.25));
    colorerFond(this, 0xFFFFFF);

    // The way out hides every window of the program before it ends.
    inscrireMasquage([] {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
    });

    // Load.
    afficherSablier();
    dimensionnerfenetre(this, 3900, 2600);
    // Borderless: the designed outer size is the whole window, and it never changes.
    setFixedSize(px(3900), px(2600));
    initialisation();
    m_demarrageFait = 0;

    auto* haut = new LabelDegrade(QString(), this);
    haut->setObjectName(QStringLiteral("libdegrade(0)"));
    haut->setGeometry(0, 0, px(3900), px(240));
    auto* bas = new LabelDegrade(QString(), this);
    bas->setObjectName(QStringLiteral("libdegrade(1)"));
    bas->setGeometry(0, px(2600) - px(240), px(3900), px(240));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(imageSvg(QStringLiteral("orvaline"), QSize(px(960), px(960))));
    logo->setGeometry(rectTwips(360, 600, 960, 960));

    auto* nom = new QLabel(QStringLiteral("Orvaline"), this);
    nom->setObjectName(QStringLiteral("libelles(0)"));
    nom->setFont(police(QStringLiteral("Verdana"), 16, true));
    colorerTexte(nom, 0x1d3f8f);
    nom->setGeometry(rectTwips(1500, 600, 2280, 480));

    m_version = new QLabel(QStringLiteral("Version ") + versionTexte(), this);
    m_version->setObjectName(QStringLiteral("libelles(1)"));
    m_version->setFont(police(QStringLiteral("Verdana"), 9));
    colorerTexte(m_version, 0x404040);
    m_version->setGeometry(rectTwips(1500, 1140, 2280, 300));

    m_ok = new BoutonXp(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("com_ok"));
    m_ok->setGeometry(rectTwips(1500, 1740, 1215, 405));
    m_ok->hide();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
}

bool NumVer::event(QEvent* e) {
    // The first showing runs the start-up sequence; showing it again as the version window
    // runs the copy check only.
    if (e->type() == QEvent::Show && !m_activationEnCours)
        QTimer::singleShot(0, this, &NumVer::activation);
    return QWidget::event(e);
}

void NumVer::activation() {
    if (m_activationEnCours) return;
    m_activationEnCours = true;
    const QString titre = QStringLiteral("Orvaline ") + versionTexte();
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    if (!m_verrou.acquerir()) {
        retablirCurseur();
        // The box stands alone: this copy has no window the desktop should keep it over.
        plateforme::boiteSysteme().afficherSeule(BoiteSysteme::Icone::Information, titre,
                                                 QStringLiteral("L'application [Orvaline]") +
                                                     libcalc().saut_ligne +
                                                     QStringLiteral("est déjà active."));
        // This copy has touched nothing: leave at once, never showing the main window.
        hide();
        QCoreApplication::exit(0);
        return;
    }
    if (m_demarrageFait == 1) {
        m_activationEnCours = false;
        return;
    }
    // The exit routine ends the process at once: the lock file goes with it.
    ajouterAvantSortie([this] { m_verrou.liberer(); });
    pause(1.0);
    if (m_montrerPrincipale) m_montrerPrincipale();
    hide();
    retablirCurseur();
    m_demarrageFait = 1;
    m_activationEnCours = false;
}

// A thin border stands in for the frame: the window has no caption.
void NumVer::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.setPen(QColor(0x7f, 0x8f, 0xa8));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

void NumVer::keyPressEvent(QKeyEvent* e) {
    if ((e->key() == Qt::Key_Escape || e->key() == Qt::Key_Return) && m_ok->isVisible()) {
        m_ok->click();
        return;
    }
    QWidget::keyPressEvent(e);
}

void NumVer::afficherVersion() {
    m_ok->show();
    lierAAppelante(this);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    donnerfocus(m_ok);
    QEventLoop boucle;
    connect(m_ok, &QPushButton::clicked, &boucle, &QEventLoop::quit);
    boucle.exec();
    setWindowModality(Qt::NonModal);
    m_ok->hide();
    retourModal();
}

} // namespace orvaline
