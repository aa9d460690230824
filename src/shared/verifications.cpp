// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/verifications.h"

#include "platform/boitesysteme.h"
#include "platform/services.h"
#include "platform/servicesregionaux.h"
#include "shared/libcalc.h"

#include <utility>

namespace orvaline {

namespace {
qint16 deja_averti = 0;
}

QString texteAvertissementDecimal() {
    const QString& nl = libcalc().saut_ligne;
    const std::pair<const char16_t*, int> morceaux[] = {
        {u"Attention ! ", 2},
        {u"Le programme n'est pas arrivé à détecter le symbole décimal défini ", 1},
        {u"dans les paramètres de configuration de Windows. ", 1},
        {u"Les deux symboles décimaux pris en compte par le programme sont : ", 2},
        {u"    - Le point ", 1},
        {u"    - La virgule ", 2},
        {u"Vous devez donc modifier vos Paramètres Régionaux de manière à ", 1},
        {u"définir comme symbole décimal le point ou la virgule dans les deux ", 1},
        {u"onglets [Nombres] et [Symbole Monétaire]. ", 0},
    };
    QString texte;
    for (const auto& [morceau, sauts] : morceaux) {
        texte += QString::fromUtf16(morceau);
        for (int i = 0; i < sauts; ++i)
            texte += nl;
    }
    return texte;
}

void oublierAvertissementDecimal() {
    deja_averti = 0;
}

void verifiersymboledecimal() {
    Libcalc& e = libcalc();
    const ServicesRegionaux& r = plateforme::regionaux();
    e.symbole_decimal = 0;
    int compte = 0;
    if (r.estUnNombre(QStringLiteral("123.45"))) {
        compte = 1;
        e.symbole_decimal = 1;
    }
    if (r.estUnNombre(QStringLiteral("123,45"))) {
        ++compte;
        e.symbole_decimal = 2;
    }
    if (compte > 1) {
        const QString t = r.formaterDeuxDecimales(123.45);
        if (t.size() >= 4) {
            if (t[3] == u'.')
                e.symbole_decimal = 1;
            else if (t[3] == u',')
                e.symbole_decimal = 2;
        }
    }
    if (e.symbole_decimal == 0) {
        if (deja_averti == 0) {
            plateforme::boiteSysteme().afficher(BoiteSysteme::Icone::Information,
                                                QStringLiteral("Symbole Décimal"),
                                                texteAvertissementDecimal());
            deja_averti = 1;
        }
        e.symbole_decimal = 1;
    }
}

void verifierordredate() {
    const ServicesRegionaux& r = plateforme::regionaux();
    const auto a = r.lireDateRegionale(QStringLiteral("02/01/1990"));
    const auto b = r.lireDateRegionale(QStringLiteral("01/02/1990"));
    if (!a || !b) return;
    if (*a < *b)
        libcalc().ordre_date = 1;
    else if (*a > *b)
        libcalc().ordre_date = 2;
}

void verifierwindows() {
    libcalc().windows_xp = 0;
}

} // namespace orvaline
