// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textesdates.h"
#include "core/unitesdate.h"
#include "entree.h"

using namespace orvaline;

// For any two dates: the count in days (and hours) equals QDate::daysTo, and adding it to
// the start gives the end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    const qint64 premier = QDate(anneeMin, 1, 1).toJulianDay();
    const qint64 dernier = QDate(anneeMax, 12, 31).toJulianDay();
    const QDate debut = QDate::fromJulianDay(f.ConsumeIntegralInRange(premier, dernier));
    const QDate fin = QDate::fromJulianDay(f.ConsumeIntegralInRange(premier, dernier));
    const qint64 jours = debut.daysTo(fin);
    EXIGER(compterIntervalle(debut, fin, UniteDate::Jours) == jours);
    EXIGER(compterIntervalle(debut, fin, UniteDate::Heures) == 24 * jours);
    QString texte = ecrireDate(debut);
    EXIGER(ajouterdate(texte, u"d", jours) == ecrireDate(fin));
    EXIGER(ajouterdate(texte, u"h", 24 * jours) == ecrireDate(fin));
    return 0;
}
