// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculexpression.h"

#include "core/calculatricetemps.h"
#include "core/calculdates.h"
#include "core/ecartsdates.h"
#include "core/historique.h"
#include "core/joursouvres.h"
#include "core/lectureexpression.h"
#include "core/nombres.h"
#include "core/textesdates.h"
#include "core/unitesdate.h"

#include <QStringList>

namespace orvaline {

namespace {

ReponseCalcul echec(QString raison) {
    return {std::nullopt, std::move(raison)};
}

ReponseCalcul reussite(QString texte) {
    return {std::move(texte), {}};
}

QString dateIso(QDate d) {
    return d.toString(Qt::ISODate);
}

// Singular up to one, as French counts: "0 jour", "1 jour", "2 jours".
QString compte(qint64 n, const UniteDate unite) {
    struct Noms {
        const char16_t* un;
        const char16_t* plusieurs;
    };
    static const Noms noms[] = {
        {u"heure", u"heures"},
        {u"jour", u"jours"},
        {u"semaine", u"semaines"},
        {u"mois", u"mois"},
        {u"trimestre", u"trimestres"},
        {u"année", u"années"},
        {u"jour ouvré", u"jours ouvrés"},
        {u"jour ouvrable", u"jours ouvrables"},
    };
    const Noms& nom = noms[int(unite)];
    return texteEntier(n) + u' ' + QString::fromUtf16(n >= -1 && n <= 1 ? nom.un : nom.plusieurs);
}

// ISO 8601 pieces, the zero ones left out: "P35Y11M22D", "-P1M2D", "P2DT8H30M".
QString dureeIso(bool negatif, std::initializer_list<std::pair<qint64, char>> date,
                 std::initializer_list<std::pair<qint64, char>> heure) {
    QString t = negatif ? QStringLiteral("-P") : QStringLiteral("P");
    bool vide = true;
    for (const auto& [n, lettre] : date)
        if (n != 0) {
            t += texteEntier(n) + QLatin1Char(lettre);
            vide = false;
        }
    bool temps = false;
    for (const auto& [n, lettre] : heure)
        if (n != 0) {
            if (!temps) t += u'T';
            temps = true;
            t += texteEntier(n) + QLatin1Char(lettre);
            vide = false;
        }
    if (vide) t += heure.size() ? QStringLiteral("T0S") : QStringLiteral("0D");
    return t;
}

QString ordinal(int n) {
    return n == 1 ? QStringLiteral("1er") : QString::number(n) + u'e';
}

ReponseCalcul direDate(QDate d, const ContexteCalcul& c) {
    int anneeSemaine = 0;
    const int semaine = d.weekNumber(&anneeSemaine);
    const QString ferie = nomFerie(d, c.alsacemoselle);
    if (c.iso)
        return reussite(dateIso(d) + u'\t' +
                        QStringLiteral("%1-W%2-%3")
                            .arg(anneeSemaine, 4, 10, QChar(u'0'))
                            .arg(semaine, 2, 10, QChar(u'0'))
                            .arg(d.dayOfWeek()) +
                        u'\t' +
                        QStringLiteral("%1-%2")
                            .arg(d.year(), 4, 10, QChar(u'0'))
                            .arg(d.dayOfYear(), 3, 10, QChar(u'0')) +
                        u'\t' + majusculeInitiale(ferie));
    QString t = nomJour(d.dayOfWeek()).toLower() + u' ' +
                (d.day() == 1 ? QStringLiteral("1er") : QString::number(d.day())) + u' ' +
                nomMois(d.month()).toLower() + u' ' + QString::number(d.year()) +
                QStringLiteral(" : semaine ") + QString::number(semaine) + QStringLiteral(", ") +
                ordinal(d.dayOfYear()) + QStringLiteral(" jour de l’année");
    if (!ferie.isEmpty()) t += QStringLiteral(", férié (") + ferie + u')';
    return reussite(t);
}

ReponseCalcul ajouter(const ExpressionLue& e, const ContexteCalcul& c) {
    const ResultatCalculDates r =
        calculdates({e.date, e.increment, QString(), e.ligneUnite, c.alsacemoselle});
    if (!r.message.isEmpty() || (r.erreur && *r.erreur == erreurs::depassement()))
        return echec(QStringLiteral("l'incrément « ") + e.increment +
                     QStringLiteral(" » est trop grand ou illisible"));
    const auto fin = r.dateFin ? lireDateNormale(*r.dateFin) : std::nullopt;
    if (r.erreur || !fin)
        return echec(QStringLiteral("le résultat sort des dates possibles (01/01/0100 à "
                                    "31/12/9999)"));
    if (!c.iso) return reussite(*r.dateFin);
    const DescriptionUnite* unite = uniteDeLigne(e.ligneUnite);
    if (unite && unite->unite == UniteDate::Heures) {
        // Hours count from midnight: the time of day is what is left over a whole day.
        const qint64 heures = lireIncrement(e.increment).value_or(0);
        return reussite(dateIso(*fin) +
                        QStringLiteral("T%1:00").arg((heures % 24 + 24) % 24, 2, 10, QChar(u'0')));
    }
    return reussite(dateIso(*fin));
}

ReponseCalcul intervalle(const ExpressionLue& e, const ContexteCalcul& c) {
    const auto debut = lireDateNormale(e.date);
    const auto fin = lireDateNormale(e.dateFin);
    const DescriptionUnite* unite = uniteDeLigne(e.ligneUnite);
    if (!debut || !fin || !unite) return echec(QStringLiteral("dates illisibles"));
    if (unite->unite == UniteDate::AnsMoisJours) {
        const EcartMoisJours ecart = ecartMoisJours(*debut, *fin);
        if (!c.iso) return reussite(texteAnsMoisJours(ecart));
        return reussite(
            dureeIso(ecart.negatif,
                     {{ecart.ans(), 'Y'}, {ecart.moisRestants(), 'M'}, {ecart.jours, 'D'}}, {}));
    }
    if (unite->unite == UniteDate::SemainesJours) {
        const EcartSemainesJours ecart = ecartSemainesJours(*debut, *fin);
        if (!c.iso) return reussite(texteSemainesJours(ecart));
        return reussite(dureeIso(ecart.negatif, {{ecart.semaines, 'W'}, {ecart.jours, 'D'}}, {}));
    }
    const qint32 n = compterIntervalle(*debut, *fin, unite->unite, c.alsacemoselle);
    return reussite(c.iso ? texteEntier(n) : compte(n, unite->unite));
}

ReponseCalcul feries(int annee, const ContexteCalcul& c) {
    QStringList lignes;
    for (const JourFerie& f : joursFeries(annee, c.alsacemoselle))
        lignes << (c.iso ? dateIso(f.date) + u'\t' + majusculeInitiale(f.nom) : ligneFerie(f));
    return reussite(lignes.join(u'\n'));
}

ReponseCalcul durees(const ExpressionLue& e, const ContexteCalcul& c) {
    // The time calculator itself, keyed in as a user would: the first duration, the
    // operator, the second duration or the number, then "=".
    constexpr QChar point = u'.';
    const auto indice = [](Operation o) {
        return o == Operation::Plus         ? 1
               : o == Operation::Moins      ? 2
               : o == Operation::Multiplier ? 3
                                            : 4;
    };
    CalculatriceTemps calculatrice;
    for (int i = 1; i <= 4; ++i)
        calculatrice.saisir(i, e.duree[std::size_t(i - 1)]);
    const QString depasse = QStringLiteral("la durée dépasse ce que la calculatrice compte "
                                           "(24855 jours environ)");
    if (calculatrice.com_oper(indice(e.operation), point).erreur) return echec(depasse);
    if (calculatrice.modeNombre())
        calculatrice.saisir(4, e.nombre);
    else
        for (int i = 1; i <= 4; ++i)
            calculatrice.saisir(i, e.duree2[std::size_t(i - 1)]);
    const Reponse r = calculatrice.com_oper(5, point);
    if (r.avis) return echec(QStringLiteral("division par zéro"));
    if (r.erreur) return echec(depasse);
    std::array<qint64, 4> v{};
    for (int i = 0; i < 4; ++i)
        v[std::size_t(i)] = calculatrice.sais_time(i + 1).toLongLong();
    if (c.iso)
        return reussite(dureeIso(false, {{v[0], 'D'}}, {{v[1], 'H'}, {v[2], 'M'}, {v[3], 'S'}}));
    return reussite(
        ligneHistorique(u"", double(v[0]), double(v[1]), double(v[2]), double(v[3]), point)
            .trimmed());
}

} // namespace

ReponseCalcul calculerExpression(QStringView expression, const ContexteCalcul& contexte) {
    const LectureExpression lue = lireExpression(expression, contexte.aujourdhui);
    if (!lue.expression) return echec(lue.erreur);
    const ExpressionLue& e = *lue.expression;
    switch (e.sorte) {
    case SorteExpression::Date:
        if (const auto date = lireDateNormale(e.date)) return direDate(*date, contexte);
        break;
    case SorteExpression::Ajout:
        return ajouter(e, contexte);
    case SorteExpression::Intervalle:
        return intervalle(e, contexte);
    case SorteExpression::Feries:
        return feries(e.annee, contexte);
    case SorteExpression::Duree:
        return durees(e, contexte);
    }
    return echec(QStringLiteral("expression illisible"));
}

} // namespace orvaline
