// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textesdates.h"
#include "entree.h"

using namespace orvaline;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    FuzzedDataProvider f(donnees, taille);
    static const char16_t* const unites[] = {u"h", u"d", u"ww", u"w", u"m", u"q", u"yyyy"};
    const QString unite =
        f.ConsumeBool() ? QString::fromUtf16(f.PickValueInArray(unites)) : texteAuHasard(f, 6);
    const auto nombre = f.ConsumeIntegral<qint64>();
    const QString texte = texteAuHasard(f);

    QString d = texte;
    if (validerdate(d) && !d.isEmpty()) {
        EXIGER(lireDateNormale(d).has_value());
        QString encore = d;
        EXIGER(validerdate(encore) && encore == d);
        QString l = d;
        EXIGER(!datelongue(l).isEmpty());
    }
    QString c = texte;
    corrigerjour(c);
    QString l = texte;
    datelongue(l);
    QString dj = texte;
    const QString fin = dernierjourmois(dj);
    EXIGER(fin.isEmpty() || lireDateNormale(fin).has_value());
    QString a = texte;
    if (const auto r = ajouterdate(a, unite, nombre)) EXIGER(lireDateNormale(*r).has_value());
    return 0;
}
