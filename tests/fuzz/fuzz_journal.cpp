// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal.h"
#include "entree.h"

#include <QByteArray>

using namespace orvaline;

// Any bytes: reading never fails badly; what is read is what a journal of it would give back,
// and a record appended to a whole journal is read once, after the rest.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    const bool entete = f.ConsumeBool();
    const QString ajout = texteAuHasard(f);
    const auto reste = f.ConsumeRemainingBytes<char>();
    QByteArray octets(reste.data(), qsizetype(reste.size()));
    if (entete) octets.prepend(enteteJournal());

    const LectureJournal l = lireJournal(octets);
    if (l.etat == EtatJournal::Illisible || l.etat == EtatJournal::AutreVersion) {
        EXIGER(l.contenu.vide());
        return 0;
    }
    EXIGER(entete || octets.startsWith(enteteJournal()));
    EXIGER(lireJournal(journalComplet(l.contenu)).contenu == l.contenu);
    if (l.etat == EtatJournal::Lu) {
        const LectureJournal plus = lireJournal(octets + enregistrementAjout(Releve::Bande, ajout));
        EXIGER(plus.etat == EtatJournal::Lu);
        EXIGER(plus.contenu.historique == l.contenu.historique);
        EXIGER(plus.contenu.bande == l.contenu.bande + QString::fromUtf8(ajout.toUtf8()));
    }
    return 0;
}
