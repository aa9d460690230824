// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/calendar/casejour.h"

#include "core/joursouvres.h"
#include "windows/common/couleurs.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvaline {

namespace {
struct Couleurs {
    QColor repos;
    QColor appui;  // while the mouse button is down
    QColor survol; // under the mouse
    bool gras;
};

const QColor grisClair(237, 237, 237);
const QColor blanc(255, 255, 255);
const QColor peche(255, 224, 192);
const QColor jauneClair(255, 255, 192);

const Couleurs& couleurs(CaseJour::Jeu jeu) {
    static const Couleurs vide{grisClair, grisClair, grisClair, false};
    static const Couleurs jour{blanc, peche, jauneClair, false};
    static const Couleurs selection{peche, peche, peche, true};
    switch (jeu) {
    case CaseJour::Jeu::Jour:
        return jour;
    case CaseJour::Jeu::Selection:
        return selection;
    case CaseJour::Jeu::Vide:
        break;
    }
    return vide;
}

// The gradient runs from a paler shade at the top to the set's colour at the bottom.
QColor plusPale(const QColor& c) {
    return QColor((c.red() + 255) / 2, (c.green() + 255) / 2, (c.blue() + 255) / 2);
}
} // namespace

QColor couleurFerie() {
    return QColor(192, 0, 0);
}

CaseJour::CaseJour(QWidget* parent) : LabelDegrade(QString(), parent) {
    setAccessibleDescription(QStringLiteral("Jour"));
    appliquer();
}

void CaseJour::definirJeu(Jeu jeu) {
    m_jeu = jeu;
    appliquer();
}

QColor CaseJour::couleurRepos() const {
    return couleurs(m_jeu).repos;
}

void CaseJour::definirRepere(bool repere) {
    if (m_repere == repere) return;
    m_repere = repere;
    update();
}

void CaseJour::definirFerie(const QString& nom) {
    m_ferie = !nom.isEmpty();
    setToolTip(majusculeInitiale(nom));
    setAccessibleDescription(m_ferie ? majusculeInitiale(nom) : QStringLiteral("Jour"));
    appliquer();
}

void CaseJour::appliquer() {
    const Couleurs& c = couleurs(m_jeu);
    const QColor fond = fondLisible((m_appui ? c.appui : (m_survol ? c.survol : c.repos)).rgb());
    // On a dark desktop a paler top would be a light band over a dark cell.
    definirCouleurs(paletteSombre() ? fond.lighter(115) : plusPale(fond), fond,
                    texteLisible(m_ferie ? couleurFerie().rgb() : 0x000000, fond));
    // Under the mouse and while pressed the day is written in bold, as when selected.
    QFont f = font();
    f.setBold(c.gras || ((m_survol || m_appui) && m_jeu != Jeu::Vide));
    setFont(f);
}

void CaseJour::paintEvent(QPaintEvent* event) {
    LabelDegrade::paintEvent(event);
    QPainter peintre(this);
    peintre.setPen(QColor(176, 176, 192));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_repere) {
        peintre.setPen(QPen(Qt::black, 1, Qt::DotLine));
        peintre.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void CaseJour::enterEvent(QEnterEvent* event) {
    LabelDegrade::enterEvent(event);
    m_survol = true;
    appliquer();
}

void CaseJour::leaveEvent(QEvent* event) {
    LabelDegrade::leaveEvent(event);
    m_survol = false;
    m_appui = false;
    appliquer();
}

void CaseJour::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_appui = true;
        appliquer();
    }
    LabelDegrade::mousePressEvent(event);
}

void CaseJour::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_appui = false;
        appliquer();
    }
    LabelDegrade::mouseReleaseEvent(event);
}

} // namespace orvaline
