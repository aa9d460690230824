// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filtressaisie.h"

#include "core/nombres.h"
#include "core/textesdates.h"

#include <algorithm>
#include <utility>

namespace orvaline {

namespace {

constexpr QChar separateur = u'/';
constexpr int longueurDate = 10;      // "dd/mm/yyyy"
constexpr int longueurMaxSaisie = 12; // what completion lets through

bool chiffre(QChar c) {
    return c >= u'0' && c <= u'9';
}

TexteCurseur aLaFin(QString texte) {
    const int n = int(texte.size());
    return {std::move(texte), n};
}

int borner(int curseur, const QString& texte) {
    return qBound(0, curseur, int(texte.size()));
}

bool parmi(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// "9" stands for a digit, anything else for itself.
bool selonModele(QStringView texte, QStringView modele) {
    if (texte.size() != modele.size()) return false;
    for (qsizetype i = 0; i < texte.size(); ++i)
        if (modele[i] == u'9' ? !chiffre(texte[i]) : texte[i] != modele[i]) return false;
    return true;
}

// "mm/yyyy" of a date, as the End and Home keys need it.
QString moisAnnee(QDate jour) {
    return ecrireDate(jour).mid(3);
}

// Count and unit of a stepping key in a date field; nothing for any other key.
std::optional<std::pair<QStringView, int>> pasDate(ToucheRelachee t) {
    switch (t.code) {
    case Qt::Key_PageUp:
        return std::pair{QStringView(u"m"), 1};
    case Qt::Key_PageDown:
        return std::pair{QStringView(u"m"), -1};
    case Qt::Key_Up:
        return std::pair{QStringView(u"d"), 1};
    case Qt::Key_Down:
        return std::pair{QStringView(u"d"), -1};
    case Qt::Key_Plus:
        if (t.paveNumerique) return std::pair{QStringView(u"d"), 1};
        break;
    case Qt::Key_Minus:
        if (t.paveNumerique) return std::pair{QStringView(u"d"), -1};
        break;
    default:
        break;
    }
    return std::nullopt;
}

QString garderDate(QStringView texte) {
    QString garde;
    for (QChar c : texte)
        if (chiffre(c) || (c == separateur && garde.size() < longueurDate)) garde += c;
    return garde;
}

TexteCurseur completer(QString garde, int curseur, QDate aujourdhui) {
    const qsizetype l = garde.size();
    if (l > longueurMaxSaisie) garde.truncate(longueurMaxSaisie);
    // Completion follows the two-digit layout "dd/mm/" only. A user who types separators
    // after one-digit fields ("1/2/") is left alone rather than given a second separator.
    switch (l) {
    case 2:
    case 5:
        if (selonModele(garde, l == 2 ? u"99" : u"99/99")) {
            garde += separateur;
            if (l == 5) garde += ecrireDate(aujourdhui).mid(6);
        }
        return aLaFin(garde);
    case 3:
    case 6:
        if (selonModele(garde, l == 3 ? u"999" : u"99/999")) {
            garde.insert(l - 1, separateur);
            return aLaFin(garde);
        }
        break;
    default:
        break;
    }
    return {garde, borner(curseur, garde)};
}

} // namespace

std::optional<TexteCurseur> filtredate(const TexteCurseur& champ, bool completion,
                                       ToucheRelachee touche, QDate aujourdhui) {
    if (touche.code == Qt::Key_End) {
        QString quinze = QStringLiteral("15/") + moisAnnee(aujourdhui);
        return aLaFin(dernierjourmois(quinze));
    }
    if (touche.code == Qt::Key_Home) return aLaFin(QStringLiteral("01/") + moisAnnee(aujourdhui));
    if (touche.code == Qt::Key_Insert) return aLaFin(ecrireDate(aujourdhui));

    QString texte = champ.texte.trimmed();
    if (texte.isEmpty()) return TexteCurseur{};
    if (parmi(touche.code,
              {Qt::Key_Backspace, Qt::Key_Left, Qt::Key_Right, Qt::Key_Print, Qt::Key_Delete}))
        return std::nullopt;

    if (const auto pas = pasDate(touche)) {
        // The key itself may have typed a sign into the text.
        texte.remove(u'+');
        texte.remove(u'-');
        if (texte.isEmpty()) return TexteCurseur{};
        if (validerdate(texte)) {
            // A step beyond the range of dates is refused; the date stays, cleaned.
            const auto resultat = ajouterdate(texte, pas->first, pas->second);
            return aLaFin(resultat.value_or(texte));
        }
    }

    QString garde = garderDate(texte);
    if (!completion) return aLaFin(garde);
    return completer(std::move(garde), champ.curseur, aujourdhui);
}

std::optional<TexteCurseur> filtrenombre(const TexteCurseur& champ, bool negatifs, bool pas,
                                         ToucheRelachee touche, qint16 symbole_decimal) {
    const QChar symbole = symbole_decimal == 2 ? u',' : u'.';
    const QChar autre = symbole == u',' ? u'.' : u',';
    QString texte = champ.texte.trimmed();

    if (parmi(touche.code, {Qt::Key_Backspace, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Print, Qt::Key_Delete}))
        return std::nullopt;

    if (pas && parmi(touche.code, {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down})) {
        const auto valeur =
            lireNombreRegional(texte.isEmpty() ? QStringView(u"0") : QStringView(texte), symbole);
        if (valeur) {
            const double ecart = touche.code == Qt::Key_PageUp     ? 10
                                 : touche.code == Qt::Key_PageDown ? -10
                                 : touche.code == Qt::Key_Up       ? 1
                                                                   : -1;
            double somme = *valeur + ecart;
            if (somme == 0 || (!negatifs && somme < 0)) somme = 0; // also drops a "-0"
            return aLaFin(formeGenerale(somme, symbole));
        }
    }

    if (touche.code == Qt::Key_Period || touche.code == Qt::Key_Comma) {
        const qsizetype i = texte.indexOf(autre);
        if (i >= 0) texte[i] = symbole;
    }

    QString garde;
    bool decimale = false;
    for (QChar c : texte) {
        if (chiffre(c)) {
            garde += c;
        } else if (c == symbole && !decimale) {
            garde += c;
            decimale = true;
        }
    }
    if (negatifs && texte.contains(u'-')) garde.prepend(u'-');
    return TexteCurseur{garde, borner(champ.curseur, garde)};
}

std::optional<double> lireNombreRegional(QStringView texte, QChar symbole) {
    texte = texte.trimmed();
    QString normal;
    qsizetype i = 0;
    if (i < texte.size() && (texte[i] == u'+' || texte[i] == u'-')) normal += texte[i++];
    bool chiffres = false, decimale = false;
    for (; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (chiffre(c)) {
            chiffres = true;
            normal += c;
        } else if (c == symbole && !decimale) {
            decimale = true;
            normal += u'.';
        } else {
            return std::nullopt;
        }
    }
    if (!chiffres) return std::nullopt;
    bool ok = false;
    const double valeur = normal.toDouble(&ok);
    if (!ok) return std::nullopt;
    return valeur;
}

} // namespace orvaline
