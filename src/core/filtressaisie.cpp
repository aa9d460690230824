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

// Keys that only move the caret or select when Shift is held.
bool selectionne(ToucheRelachee t) {
    return t.majuscule &&
           parmi(t.code, {Qt::Key_Home, Qt::Key_End, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                          Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown});
}

// Modifiers and Tab change no text: filtering on their release could only disturb a
// selection the user is making (Shift+End, Ctrl+A) or the one Tab made.
bool sansEffet(int code) {
    return parmi(code, {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Meta, Qt::Key_Alt, Qt::Key_AltGr,
                        Qt::Key_Tab, Qt::Key_Backtab});
}

// The caret of a trimmed text.
int curseurSansBlancs(const TexteCurseur& champ) {
    qsizetype blancs = 0;
    while (blancs < champ.texte.size() && champ.texte[blancs].isSpace())
        ++blancs;
    return qMax(0, champ.curseur - int(blancs));
}

// What a filter keeps, the caret following the characters before it that went.
struct Garde {
    QString texte;
    int curseur = 0;
};

Garde garderDate(QStringView texte, int curseur, bool completion) {
    Garde g{{}, curseur};
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        // With completion a separator may just have been put where the user types one.
        const bool garder = chiffre(c) || (c == separateur && g.texte.size() < longueurDate &&
                                           !(completion && g.texte.endsWith(separateur)));
        if (garder)
            g.texte += c;
        else if (i < curseur)
            --g.curseur;
    }
    g.curseur = borner(g.curseur, g.texte);
    return g;
}

TexteCurseur completer(Garde g, QDate aujourdhui) {
    QString& garde = g.texte;
    const qsizetype l = garde.size();
    if (l > longueurMaxSaisie) garde.truncate(longueurMaxSaisie);
    // Completion follows the two-digit layout "dd/mm/" only. A user who types separators
    // after one-digit fields ("1/2/") is left alone rather than given a second separator.
    switch (l) {
    case 2:
        if (selonModele(garde, u"99")) garde += separateur;
        return aLaFin(garde);
    case 5:
        if (selonModele(garde, u"99/99")) {
            // The year is a guess: left selected, the year typed next replaces it.
            const QString annee = ecrireDate(aujourdhui).mid(6);
            garde += separateur + annee;
            return {garde, int(l) + 1, int(annee.size())};
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
    return {garde, borner(g.curseur, garde)};
}

} // namespace

std::optional<TexteCurseur> filtredate(const TexteCurseur& champ, bool completion,
                                       ToucheRelachee touche, QDate aujourdhui) {
    if (selectionne(touche) || sansEffet(touche.code)) return std::nullopt;
    if (touche.code == Qt::Key_End) {
        QString quinze = QStringLiteral("15/") + moisAnnee(aujourdhui);
        return aLaFin(dernierjourmois(quinze));
    }
    if (touche.code == Qt::Key_Home) return aLaFin(QStringLiteral("01/") + moisAnnee(aujourdhui));
    // Ctrl+; too: a screen reader such as Orca keeps Insert for itself.
    if (touche.code == Qt::Key_Insert || (touche.controle && touche.code == Qt::Key_Semicolon))
        return aLaFin(ecrireDate(aujourdhui));

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

    Garde garde = garderDate(texte, curseurSansBlancs(champ), completion);
    if (!completion) return aLaFin(garde.texte);
    return completer(std::move(garde), aujourdhui);
}

std::optional<TexteCurseur> filtrenombre(const TexteCurseur& champ, bool negatifs, bool pas,
                                         ToucheRelachee touche, qint16 symbole_decimal) {
    const QChar symbole = symbole_decimal == 2 ? u',' : u'.';
    const QChar autre = symbole == u',' ? u'.' : u',';
    QString texte = champ.texte.trimmed();

    if (selectionne(touche) || sansEffet(touche.code) ||
        parmi(touche.code, {Qt::Key_Backspace, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Print, Qt::Key_Delete}))
        return std::nullopt;

    if (pas && parmi(touche.code, {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Up, Qt::Key_Down})) {
        const int ecart = touche.code == Qt::Key_PageUp     ? 10
                          : touche.code == Qt::Key_PageDown ? -10
                          : touche.code == Qt::Key_Up       ? 1
                                                            : -1;
        if (auto somme = ajouterEntier(texte.isEmpty() ? QStringView(u"0") : QStringView(texte),
                                       ecart, symbole)) {
            if (!negatifs && somme->startsWith(u'-')) *somme = QStringLiteral("0");
            return aLaFin(*somme);
        }
    }

    if (touche.code == Qt::Key_Period || touche.code == Qt::Key_Comma) {
        const qsizetype i = texte.indexOf(autre);
        if (i >= 0) texte[i] = symbole;
    }

    const int curseur = curseurSansBlancs(champ);
    Garde garde{{}, curseur};
    bool decimale = false;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (chiffre(c) || (c == symbole && !decimale)) {
            decimale = decimale || c == symbole;
            garde.texte += c;
        } else if (i < curseur) {
            --garde.curseur;
        }
    }
    if (negatifs && texte.contains(u'-')) {
        garde.texte.prepend(u'-');
        ++garde.curseur;
    }
    return TexteCurseur{garde.texte, borner(garde.curseur, garde.texte)};
}

} // namespace orvaline
