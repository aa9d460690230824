// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textebande.h"

#include <QStringTokenizer>
#include <algorithm>

namespace orvaline {

QString alignerADroite(QStringView texte) {
    qsizetype largeur = 0;
    for (QStringView ligne : QStringTokenizer(texte, u'\n'))
        largeur = std::max(largeur, ligne.size());
    QString aligne;
    aligne.reserve(texte.size() + 64);
    bool premiere = true;
    for (QStringView ligne : QStringTokenizer(texte, u'\n')) {
        if (!premiere) aligne += u'\n';
        premiere = false;
        // An empty line stays empty: blanks alone would only add trailing spaces to the file.
        if (ligne.isEmpty()) continue;
        aligne += QString(largeur - ligne.size(), u' ');
        aligne += ligne;
    }
    return aligne;
}

QString texteAffiche(Releve releve, QStringView texte) {
    return releve == Releve::Bande ? alignerADroite(texte) : texte.toString();
}

QString nomReleve(Releve releve, QDate jour, QStringView extension) {
    const QString quoi =
        releve == Releve::Bande ? QStringLiteral("bande") : QStringLiteral("historique");
    return QStringLiteral("Orvaline-") + quoi + u'-' + jour.toString(Qt::ISODate) + u'.' +
           extension.toString();
}

QString titreReleve(Releve releve, const QDateTime& moment) {
    const QString quoi = releve == Releve::Bande
                             ? QStringLiteral("Calculatrice de Temps, bande du ")
                             : QStringLiteral("Calculatrice de Dates, historique du ");
    return QStringLiteral("Orvaline - ") + quoi +
           moment.date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" à ") +
           moment.time().toString(QStringLiteral("HH:mm:ss"));
}

QString texteReleve(Releve releve, const QDateTime& moment, QStringView affiche) {
    QString texte = titreReleve(releve, moment) + u'\n';
    texte += texteAffiche(releve, affiche);
    if (!texte.endsWith(u'\n')) texte += u'\n';
    return texte;
}

} // namespace orvaline
