// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/regionauxsysteme.h"

#include <QLocale>
#include <QStringList>

namespace orvaline {

bool RegionauxSysteme::estUnNombre(const QString& texte) const {
    bool ok = false;
    QLocale::system().toDouble(texte, &ok);
    return ok;
}

QString RegionauxSysteme::formaterDeuxDecimales(double valeur) const {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(valeur, 'f', 2);
}

std::optional<QDate> RegionauxSysteme::lireDateRegionale(const QString& texte) const {
    // The short date format tells which of day and month comes first; the three numeric
    // fields of the text are then read in that order.
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    const qsizetype posJour = format.indexOf(u'd'), posMois = format.indexOf(u'M');
    const qsizetype posAnnee = format.indexOf(u'y');
    if (posJour < 0 || posMois < 0 || posAnnee < 0) return std::nullopt;
    const QStringList champs = texte.split(u'/');
    if (champs.size() != 3) return std::nullopt;
    // Rank of each field in the format.
    auto rang = [&](qsizetype pos) {
        return int(pos > posJour) + int(pos > posMois) + int(pos > posAnnee);
    };
    bool okJ = false, okM = false, okA = false;
    const int jour = champs[rang(posJour)].toInt(&okJ);
    const int mois = champs[rang(posMois)].toInt(&okM);
    const int annee = champs[rang(posAnnee)].toInt(&okA);
    if (!okJ || !okM || !okA) return std::nullopt;
    const QDate d(annee, mois, jour);
    if (!d.isValid()) return std::nullopt;
    return d;
}

} // namespace orvaline
