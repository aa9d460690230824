// SPDX-License-Identifier: GPL-3.0-or-later
// The exact increment's reader and writer: whatever is typed, a text that reads writes back to a
// text that reads as the same increment, and adding it gives a date in range or nothing.
#include "core/ecartsdates.h"
#include "core/textesdates.h"
#include "entree.h"

using namespace orvaline;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    const bool semaines = f.ConsumeBool();
    const qint64 jour = f.ConsumeIntegralInRange<qint64>(QDate(anneeMin, 1, 1).toJulianDay(),
                                                         QDate(anneeMax, 12, 31).toJulianDay());
    const QString texte = texteAuHasard(f, 80);

    const LectureIncrement lu = lectureIncrementExact(texte);
    if (!lu.increment) return 0;
    const QString ecrit = texteIncrementExact(*lu.increment, semaines);
    EXIGER(lireIncrementExact(ecrit) == lu.increment);
    if (const auto d = ajouterIncrementExact(QDate::fromJulianDay(jour), *lu.increment))
        EXIGER(d->year() >= anneeMin && d->year() <= anneeMax);
    // The difference to any date reads back and leads there.
    const QDate a = QDate::fromJulianDay(jour);
    if (const auto b = ajouterIncrementExact(a, *lu.increment)) {
        const EcartMoisJours e = ecartMoisJours(a, *b);
        const auto retour = lireIncrementExact(texteAnsMoisJours(e));
        EXIGER(retour && ajouterIncrementExact(a, *retour) == b);
    }
    return 0;
}
