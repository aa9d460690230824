// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filtressaisie.h"
#include "entree.h"

using namespace orvaline;

namespace {
// The key after which a filter only filters.
const ToucheRelachee neutre{Qt::Key_A, false};

bool accepte(const std::optional<TexteCurseur>& sortie,
             const std::function<std::optional<TexteCurseur>(const TexteCurseur&)>& filtre) {
    if (!sortie) return true;
    if (sortie->curseur < 0 || sortie->curseur > sortie->texte.size()) return false;
    const auto encore = filtre(*sortie);
    return !encore || encore->texte == sortie->texte;
}
} // namespace

// Any field text, caret, key and option: no crash, a caret inside the text, and a text that
// the same filter leaves as it is.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    static const int touches[] = {
        Qt::Key_Backspace, Qt::Key_Delete,   Qt::Key_End,   Qt::Key_Home, Qt::Key_Insert,
        Qt::Key_PageUp,    Qt::Key_PageDown, Qt::Key_Up,    Qt::Key_Down, Qt::Key_Plus,
        Qt::Key_Minus,     Qt::Key_Period,   Qt::Key_Comma, Qt::Key_0,    Qt::Key_Slash};
    const ToucheRelachee touche{
        f.ConsumeBool() ? f.PickValueInArray(touches) : f.ConsumeIntegral<int>(), f.ConsumeBool()};
    const bool option = f.ConsumeBool(), negatifs = f.ConsumeBool();
    const auto symbole = f.ConsumeIntegral<qint16>();
    const QDate jour = QDate::fromJulianDay(f.ConsumeIntegralInRange<qint64>(
        QDate(100, 1, 1).toJulianDay(), QDate(9999, 12, 31).toJulianDay()));
    const int curseur = f.ConsumeIntegralInRange(-2, 60);
    const TexteCurseur champ{texteAuHasard(f), curseur};

    EXIGER(accepte(filtredate(champ, option, touche, jour),
                   [&](const TexteCurseur& c) { return filtredate(c, option, neutre, jour); }));
    const auto nombre = filtrenombre(champ, negatifs, option, touche, symbole);
    EXIGER(accepte(nombre, [&](const TexteCurseur& c) {
        return filtrenombre(c, negatifs, option, neutre, symbole);
    }));
    return 0;
}
