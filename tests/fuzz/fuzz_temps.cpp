// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculatricetemps.h"
#include "entree.h"

#include <QRegularExpression>

using namespace orvaline;

// Any sequence of typed numbers and buttons: no crash, and after each button every field holds
// a number the number filter would let through.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static const QRegularExpression nombre(QStringLiteral("^-?[0-9]*([.,][0-9]*)?$"));
    FuzzedDataProvider f(donnees, taille);
    CalculatriceTemps c;
    for (int pas = 0; pas < 32 && f.remaining_bytes() > 0; ++pas) {
        const QChar symbole = f.ConsumeBool() ? u'.' : u',';
        switch (f.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            // What the number filter lets through: a sign, digits, one decimal symbol.
            QString texte = f.ConsumeBool() ? QStringLiteral("-") : QString();
            texte +=
                QString::number(f.ConsumeIntegral<quint32>() >> f.ConsumeIntegralInRange(0, 31));
            if (f.ConsumeBool()) texte += symbole + QString::number(f.ConsumeIntegral<quint16>());
            c.saisir(f.ConsumeIntegralInRange(1, 4), texte);
            continue;
        }
        case 1:
            c.com_oper(f.ConsumeIntegralInRange(1, 5), symbole);
            break;
        case 2:
            c.com_clear(f.ConsumeIntegralInRange(1, 2));
            break;
        default:
            c.quitterChamp();
        }
        for (int i = 1; i <= 4; ++i)
            EXIGER(nombre.match(c.sais_time(i)).hasMatch());
    }
    return 0;
}
