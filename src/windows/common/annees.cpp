// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/annees.h"

#include "core/reglescalendrier.h"

#include <QDate>
#include <QListWidget>

namespace orvaline {

void remplirannees(QListWidget* liste, qint16 premiere, qint16 derniere) {
    if (!liste) return;
    liste->clear();
    const PlageAnnees p = ordonnerAnnees(premiere, derniere, QDate::currentDate().year());
    for (int annee = p.premiere; annee <= p.derniere; ++annee)
        // Four digits, as dates write their year, so that 0800 finds its line.
        liste->addItem(QStringLiteral("%1").arg(annee, 4, 10, QChar(u'0')));
    if (liste->count() > 0) liste->setCurrentRow(liste->count() - 1);
}

} // namespace orvaline
