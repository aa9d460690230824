// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal.h"

namespace orvaline {

namespace {

constexpr QByteArrayView prefixeEntete = "Orvaline journal ";
constexpr QByteArrayView versionCourante = "1";
// A record's length field: enough digits for any text a run can hold, few enough that it
// never overflows.
constexpr int chiffresLongueurMax = 9;

char lettre(Releve releve) {
    return releve == Releve::Bande ? 'B' : 'H';
}

QByteArray controle(QByteArrayView octets) {
    return QByteArray::number(qChecksum(octets), 16).rightJustified(4, '0');
}

QByteArray enregistrement(char op, Releve releve, QByteArrayView octets) {
    QByteArray r;
    r.reserve(octets.size() + 24);
    r += op;
    r += lettre(releve);
    r += ' ';
    r += QByteArray::number(octets.size());
    r += ' ';
    r += controle(octets);
    r += ':';
    r += octets;
    r += '\n';
    return r;
}

bool hex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

// Reads one record at `pos`; false when it is not whole and sound.
bool lireEnregistrement(QByteArrayView octets, qsizetype& pos, ContenuJournal& contenu) {
    const qsizetype reste = octets.size() - pos;
    if (reste < 10) return false; // "+B 0 0000:\n" is the shortest
    const char op = octets[pos];
    const char quoi = octets[pos + 1];
    if ((op != '+' && op != '0') || (quoi != 'B' && quoi != 'H') || octets[pos + 2] != ' ')
        return false;
    qsizetype i = pos + 3;
    qint64 longueur = 0;
    int chiffres = 0;
    while (i < octets.size() && octets[i] >= '0' && octets[i] <= '9') {
        if (++chiffres > chiffresLongueurMax) return false;
        longueur = longueur * 10 + (octets[i] - '0');
        ++i;
    }
    if (chiffres == 0 || i + 6 > octets.size() || octets[i] != ' ') return false;
    const QByteArrayView verif = octets.sliced(i + 1, 4);
    for (char c : verif)
        if (!hex(c)) return false;
    if (octets[i + 5] != ':') return false;
    const qsizetype debut = i + 6;
    if (longueur > octets.size() - debut - 1) return false;
    const QByteArrayView texte = octets.sliced(debut, qsizetype(longueur));
    if (octets[debut + qsizetype(longueur)] != '\n' || controle(texte) != verif) return false;
    if (op == '0' && longueur != 0) return false;

    QString& cible = quoi == 'B' ? contenu.bande : contenu.historique;
    if (op == '0')
        cible.clear();
    else
        cible += QString::fromUtf8(texte);
    pos = debut + qsizetype(longueur) + 1;
    return true;
}

} // namespace

QByteArray enteteJournal() {
    return prefixeEntete.toByteArray() + versionCourante.toByteArray() + '\n';
}

QByteArray enregistrementAjout(Releve releve, QStringView texte) {
    return enregistrement('+', releve, texte.toUtf8());
}

QByteArray enregistrementEffacement(Releve releve) {
    return enregistrement('0', releve, {});
}

QByteArray journalComplet(const ContenuJournal& contenu) {
    QByteArray j = enteteJournal();
    if (!contenu.bande.isEmpty()) j += enregistrementAjout(Releve::Bande, contenu.bande);
    if (!contenu.historique.isEmpty())
        j += enregistrementAjout(Releve::Historique, contenu.historique);
    return j;
}

LectureJournal lireJournal(QByteArrayView octets) {
    LectureJournal lecture;
    const qsizetype finLigne = octets.indexOf('\n');
    if (finLigne < 0 || !octets.startsWith(prefixeEntete)) return lecture;
    const QByteArrayView version =
        octets.sliced(prefixeEntete.size(), finLigne - prefixeEntete.size());
    if (version != versionCourante) {
        bool nombre = !version.isEmpty() && version.size() <= chiffresLongueurMax;
        for (char c : version)
            nombre = nombre && c >= '0' && c <= '9';
        if (nombre) lecture.etat = EtatJournal::AutreVersion;
        return lecture;
    }
    qsizetype pos = finLigne + 1;
    lecture.etat = EtatJournal::Lu;
    while (pos < octets.size()) {
        if (!lireEnregistrement(octets, pos, lecture.contenu)) {
            lecture.etat = EtatJournal::FinAbimee;
            break;
        }
    }
    return lecture;
}

} // namespace orvaline
