// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/historique.h"

#include "core/nombres.h"

#include <cmath>

namespace orvaline {

namespace {

// A tape piece: rounded half away from zero, zero-padded to a minimum width, with the minus
// sign in front of the padded digits (-1 hour prints -01).
QString piece(double valeur, int largeur) {
    const double arrondi = arrondiLoin(valeur);
    QString chiffres = QString::number(std::fabs(arrondi), 'f', 0);
    if (chiffres.size() < largeur) chiffres.prepend(QString(largeur - chiffres.size(), u'0'));
    return arrondi < 0 ? u'-' + chiffres : chiffres;
}

constexpr qsizetype largeurNombre = 16;

} // namespace

QString ligneHistorique(QStringView oper, double jo, double hr, double mn, double se,
                        QChar symboleDecimal) {
    QString ligne = oper.toString();
    if (oper == u"x" || oper == u"/") {
        const QString nombre = formeGenerale(se, symboleDecimal).trimmed();
        if (nombre.size() < largeurNombre) ligne += QString(largeurNombre - nombre.size(), u' ');
        ligne += nombre;
    } else {
        ligne += u' ' + piece(jo, 3) + QStringLiteral(" J  ") + piece(hr, 2) + u':' + piece(mn, 2) +
                 u':' + piece(se, 2);
    }
    ligne += u' ';
    return ligne;
}

void historique(QString& bande, QStringView oper, double jo, double hr, double mn, double se,
                QChar symboleDecimal) {
    bande += u'\n';
    bande += ligneHistorique(oper, jo, hr, mn, se, symboleDecimal);
    if (oper == u"=") bande += u'\n';
}

} // namespace orvaline
