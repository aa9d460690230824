// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QTest>
#include <QWidget>
#include <algorithm>

namespace orvaline::test {

// The controls of `fenetre` that Tab can reach, in the order the eye reads them: the part left
// of `coupure` (window coordinates; 0 for a window read as one column) before the part right of
// it, each from top to bottom, and left to right along a row. Controls whose middles lie within a
// few pixels of each other stand on one row.
inline QList<QWidget*> ordreALEcran(QWidget* fenetre, int coupure = 0) {
    struct Place {
        QWidget* w;
        int colonne;
        QRect r;
    };
    QList<Place> places;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (w->isVisibleTo(fenetre) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy()) {
            const QRect r(w->mapTo(fenetre, QPoint(0, 0)), w->size());
            places.append({w, coupure > 0 && r.left() >= coupure ? 1 : 0, r});
        }
    std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        if (a.colonne != b.colonne) return a.colonne < b.colonne;
        return a.r.center().y() < b.r.center().y();
    });
    // Rows: a control joins the row of the one before when their middles nearly meet.
    for (qsizetype debut = 0; debut < places.size();) {
        qsizetype fin = debut + 1;
        while (fin < places.size() && places[fin].colonne == places[debut].colonne &&
               places[fin].r.center().y() - places[debut].r.center().y() <= 6)
            ++fin;
        std::sort(places.begin() + debut, places.begin() + fin,
                  [](const Place& a, const Place& b) { return a.r.left() < b.r.left(); });
        debut = fin;
    }
    QList<QWidget*> ordre;
    for (const Place& p : places)
        ordre.append(p.w);
    return ordre;
}

// The controls that Tab visits from `premier` until it comes back to it, `premier` first, as a
// user pressing Tab sees them. Stops after 60 steps in case the chain never closes.
inline QList<QWidget*> suiteDeTab(QWidget* premier) {
    QWidget* fenetre = premier->window();
    premier->setFocus(Qt::TabFocusReason);
    QList<QWidget*> suite{premier};
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(fenetre->focusWidget(), Qt::Key_Tab);
        QWidget* w = fenetre->focusWidget();
        if (!w || w == premier) break;
        suite.append(w);
    }
    return suite;
}

// Names, so that a failing comparison shows which control is out of place.
inline QStringList noms(const QList<QWidget*>& controles) {
    QStringList n;
    for (QWidget* w : controles)
        n.append(w->objectName());
    return n;
}

} // namespace orvaline::test
