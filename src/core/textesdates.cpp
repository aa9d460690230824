// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textesdates.h"

#include "core/nombres.h"

#include <QStringList>
#include <array>

namespace orvaline {

namespace {

constexpr QChar separateur = u'/';

bool queDesChiffres(QStringView t) {
    if (t.isEmpty()) return false;
    for (QChar c : t)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// Text positions are counted from 1 as a user would count them; out of range gives "".
QString caracteres(const QString& t, int premier, int nombre) {
    return t.mid(premier - 1, nombre);
}

QString deuxChiffres(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'));
}

bool dansLesLimites(QDate d) {
    return d.isValid() && d.year() >= anneeMin && d.year() <= anneeMax;
}

// The day-first reader: the separators must already be "/".
std::optional<QDate> lireJourMoisAnnee(QStringView texte, QString* anneeTexte) {
    const auto champs = texte.split(separateur);
    if (champs.size() != 3) return std::nullopt;
    const QStringView jour = champs[0], mois = champs[1], annee = champs[2];
    if (!queDesChiffres(jour) || jour.size() > 2 || !queDesChiffres(mois) || mois.size() > 2)
        return std::nullopt;
    if (!queDesChiffres(annee) || (annee.size() != 2 && annee.size() != 4)) return std::nullopt;
    QString an = annee.toString();
    if (an.size() == 2) an.prepend(an.toInt() < 80 ? u"20" : u"19");
    const QDate d(an.toInt(), mois.toInt(), jour.toInt());
    if (!dansLesLimites(d)) return std::nullopt;
    if (anneeTexte) *anneeTexte = an;
    return d;
}

} // namespace

void remplacerseparateurs(QString& date) {
    date = date.trimmed();
    for (QChar& c : date)
        if (c == u'-' || c == u'.' || c == u'\'') c = separateur;
}

void inverserjourmois(QString& date) {
    date = date.trimmed();
    if (date.isEmpty()) return;
    QString heure;
    const qsizetype blanc = date.indexOf(u' ');
    if (blanc >= 0) heure = date.mid(blanc).trimmed();
    const QString a = caracteres(date, 1, 2), b = caracteres(date, 4, 2),
                  c = caracteres(date, 7, 4);
    date = b + separateur + a + separateur + c;
    if (!heure.isEmpty()) date += u' ' + heure;
}

void corrigerjour(QString& date) {
    date = date.trimmed();
    if (date.isEmpty()) return;
    const int jour = lireEntier16(caracteres(date, 1, 2));
    const int mois = lireEntier16(caracteres(date, 4, 2));
    const QString annee = caracteres(date, 7, 4);
    if (jour < 29) return;
    const bool corriger = (mois == 2 && jour <= 31) ||
                          (jour == 31 && (mois == 4 || mois == 6 || mois == 9 || mois == 11));
    if (!corriger) return;
    QString quinze = QStringLiteral("15/") + deuxChiffres(mois) + separateur + annee;
    const QString dernier = dernierjourmois(quinze);
    // A year that does not read leaves the text for the date check to refuse, rather than
    // building a text with no day in it.
    if (dernier.isEmpty()) return;
    date = dernier.left(2) + separateur + deuxChiffres(mois) + separateur + annee;
}

QString dernierjourmois(QString& date) {
    date = date.trimmed();
    if (date.isEmpty() || !validerdate(date)) return {};
    const auto d = lireDateNormale(date);
    if (!d) return {};
    return ecrireDate(QDate(d->year(), d->month(), d->daysInMonth()));
}

bool validerdate(QString& date) {
    date = date.trimmed();
    if (date.isEmpty()) return true;
    QString copie = date;
    corrigerjour(copie);
    if (copie != date) date = copie;
    remplacerseparateurs(copie);
    QString annee;
    const auto d = lireJourMoisAnnee(copie, &annee);
    if (!d) return false;
    date = deuxChiffres(d->day()) + separateur + deuxChiffres(d->month()) + separateur + annee;
    return true;
}

std::optional<QString> ajouterdate(QString& date, QStringView unite, qint64 nombre) {
    date = date.trimmed();
    if (date.isEmpty() || !validerdate(date)) return std::nullopt;
    const auto depart = lireDateNormale(date);
    if (!depart) return std::nullopt;
    // Beyond this many months every result is out of range anyway; it keeps QDate's int
    // arithmetic safe.
    constexpr qint64 moisMax = 12 * (anneeMax + 1);
    // The count is checked before it is multiplied, so that no count overflows.
    auto enMois = [&](qint64 facteur) -> QDate {
        if (nombre > moisMax / facteur || nombre < -moisMax / facteur) return {};
        return depart->addMonths(int(nombre * facteur));
    };
    constexpr qint64 joursMax = 366LL * (anneeMax + 1);
    auto enJours = [&](qint64 jours, qint64 facteur) -> QDate {
        if (jours > joursMax / facteur || jours < -joursMax / facteur) return {};
        return depart->addDays(jours * facteur);
    };
    QDate resultat;
    if (unite == u"d")
        resultat = enJours(nombre, 1);
    else if (unite == u"ww" || unite == u"w")
        resultat = enJours(nombre, 7);
    else if (unite == u"m")
        resultat = enMois(1);
    else if (unite == u"q")
        resultat = enMois(3);
    else if (unite == u"yyyy")
        resultat = enMois(12);
    else if (unite == u"h") {
        // Hours are added to midnight; only the date is kept.
        qint64 jours = nombre / 24;
        if (nombre % 24 != 0 && nombre < 0) --jours;
        resultat = enJours(jours, 1);
    } else
        return std::nullopt;
    if (!dansLesLimites(resultat)) return std::nullopt;
    return ecrireDate(resultat);
}

std::optional<QDate> lireDateNormale(QStringView texte) {
    if (texte.size() != 10 || texte[2] != separateur || texte[5] != separateur) return std::nullopt;
    const QStringView j = texte.mid(0, 2), m = texte.mid(3, 2), a = texte.mid(6, 4);
    if (!queDesChiffres(j) || !queDesChiffres(m) || !queDesChiffres(a)) return std::nullopt;
    const QDate d(a.toInt(), m.toInt(), j.toInt());
    if (!dansLesLimites(d)) return std::nullopt;
    return d;
}

QString ecrireDate(QDate date) {
    return deuxChiffres(date.day()) + separateur + deuxChiffres(date.month()) + separateur +
           QStringLiteral("%1").arg(date.year(), 4, 10, QChar(u'0'));
}

QString datelongue(QString& date) {
    date = date.trimmed();
    if (date.isEmpty()) return {};
    QString copie = date;
    if (!validerdate(copie)) return {};
    const auto d = lireDateNormale(copie);
    if (!d) return {};
    return nomJour(d->dayOfWeek()) + u' ' + QString::number(d->day()) + u' ' + nomMois(d->month()) +
           u' ' + QString::number(d->year());
}

const QString& nomMois(int index) {
    static const std::array<QString, 13> noms = {
        QStringLiteral("Tous"),      QStringLiteral("Janvier"), QStringLiteral("Février"),
        QStringLiteral("Mars"),      QStringLiteral("Avril"),   QStringLiteral("Mai"),
        QStringLiteral("Juin"),      QStringLiteral("Juillet"), QStringLiteral("Août"),
        QStringLiteral("Septembre"), QStringLiteral("Octobre"), QStringLiteral("Novembre"),
        QStringLiteral("Décembre")};
    return noms[std::size_t(qBound(0, index, 12))];
}

const QString& nomJour(int jourDeSemaine) {
    static const std::array<QString, 7> noms = {
        QStringLiteral("Lundi"),   QStringLiteral("Mardi"),    QStringLiteral("Mercredi"),
        QStringLiteral("Jeudi"),   QStringLiteral("Vendredi"), QStringLiteral("Samedi"),
        QStringLiteral("Dimanche")};
    return noms[std::size_t(qBound(1, jourDeSemaine, 7) - 1)];
}

} // namespace orvaline
