// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculexpression.h"
#include "core/lectureexpression.h"
#include "core/textesdates.h"
#include "entree.h"

using namespace orvaline;

// Any line: an answer or a reason, never both, never neither; what reads as a date moved by
// an increment answers with a date in normal form or an ISO date.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    const bool iso = f.ConsumeBool();
    const bool alsace = f.ConsumeBool();
    const QString texte = texteAuHasard(f, 120);
    const QDate jour(2026, 12, 7);
    const LectureExpression lue = lireExpression(texte, jour);
    EXIGER(lue.expression.has_value() == lue.erreur.isEmpty());
    const ReponseCalcul r = calculerExpression(texte, {jour, alsace, iso});
    EXIGER(r.texte.has_value() == r.erreur.isEmpty());
    if (!lue.expression) EXIGER(!r.texte);
    if (r.texte && lue.expression->sorte == SorteExpression::Ajout) {
        if (iso)
            EXIGER(QDate::fromString(r.texte->left(10), Qt::ISODate).isValid());
        else
            EXIGER(lireDateNormale(*r.texte).has_value());
    }
    return 0;
}
