// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichierini.h"
#include "entree.h"

#include <QByteArray>

using namespace orvaline;

namespace {
// What a reader gives back for a value written as is.
std::optional<QString> valeurLue(QString v) {
    v = v.trimmed();
    if (v.size() >= 2 && v.front() == u'"' && v.back() == u'"') v = v.mid(1, v.size() - 2);
    v = v.trimmed();
    if (v.isEmpty()) return std::nullopt;
    return v;
}
} // namespace

// Any file: reading never fails badly; writing a key changes no byte outside one line and
// reads back as written.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    const QString section = f.ConsumeBool() ? QStringLiteral("Options") : texteAuHasard(f, 12);
    const QString cle = f.ConsumeBool() ? QStringLiteral("Saisdate") : texteAuHasard(f, 12);
    const QString valeur = texteAuHasard(f);
    const auto octets = f.ConsumeRemainingBytes<char>();
    const QByteArray avant(octets.data(), qsizetype(octets.size()));

    lireiniContenu(avant, section, cle, 5);
    QByteArray apres = avant;
    if (!ecrireiniContenu(apres, section, cle, valeur)) {
        EXIGER(apres == avant);
        return 0;
    }
    EXIGER(nomSectionValide(section) && nomCleValide(cle));
    qsizetype debut = 0;
    while (debut < avant.size() && debut < apres.size() && avant[debut] == apres[debut])
        ++debut;
    qsizetype fin = 0;
    while (fin < avant.size() - debut && fin < apres.size() - debut &&
           avant[avant.size() - 1 - fin] == apres[apres.size() - 1 - fin])
        ++fin;
    EXIGER(!avant.mid(debut, avant.size() - debut - fin).contains('\n'));
    EXIGER(lireiniContenu(apres, section, cle, std::numeric_limits<qint16>::max()) ==
           valeurLue(valeur));
    return 0;
}
