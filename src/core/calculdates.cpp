// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculdates.h"

#include "core/ecartsdates.h"
#include "core/nombres.h"
#include "core/textesdates.h"
#include "core/unitesdate.h"

namespace orvaline {

namespace {

constexpr QChar saut = u'\n'; // history boxes hold plain line feeds

QString ligne(const QString& entete, const QString& valeur) {
    return entete + valeur + saut;
}

// A difference in words, or a long count of working days, is wider than the history box: it goes on
// as many lines as it needs, each no wider than the designed lines, under the first one's value. A
// number stays with its unit and "et" with what follows.
QString lignesEnColonne(const QString& entete, const QString& valeur) {
    constexpr qsizetype largeur = 15; // what the box shows after a 6-character heading
    QStringList morceaux;
    bool attache = false; // the next word joins the last piece
    for (const QString& mot : valeur.split(u' ', Qt::SkipEmptyParts)) {
        if (attache && !morceaux.isEmpty())
            morceaux.last() += u' ' + mot;
        else
            morceaux << mot;
        attache = mot == u"et" || mot.back().isDigit();
    }
    QString texte;
    QString courante;
    for (const QString& m : morceaux) {
        if (!courante.isEmpty() && courante.size() + 1 + m.size() > largeur) {
            texte += (texte.isEmpty() ? entete : QString(entete.size(), u' ')) + courante + saut;
            courante.clear();
        }
        courante += (courante.isEmpty() ? QString() : QStringLiteral(" ")) + m;
    }
    return texte + (texte.isEmpty() ? entete : QString(entete.size(), u' ')) + courante + saut;
}

// The start moved by n units, in normal form (the start is normalised in place).
std::optional<QString> ajouterUnites(QString& depart, const DescriptionUnite& unite, qint32 n,
                                     bool alsacemoselle) {
    const auto sorte = sorteJours(unite.unite);
    if (!sorte) return ajouterdate(depart, unite.code, n);
    const auto debut = lireDateNormale(depart);
    const auto fin =
        debut ? ajouterJoursOuvres(*debut, n, {*sorte, alsacemoselle}) : std::optional<QDate>();
    if (!fin) return std::nullopt;
    return ecrireDate(*fin);
}

// An exact difference in its row's form.
QString texteEcart(QDate debut, QDate fin, UniteDate unite) {
    if (unite == UniteDate::SemainesJours)
        return texteSemainesJours(ecartSemainesJours(debut, fin));
    return texteAnsMoisJours(ecartMoisJours(debut, fin));
}

// An exact difference added to the start or counted up to the end: the result, the end date
// and the history lines; false on a date out of range.
bool calculerEcart(ResultatCalculDates& r, QString& historique, const QString& depart,
                   const QString& fin, SensCalcul sens, const DescriptionUnite& unite,
                   const std::optional<IncrementExact>& incrementExact) {
    const auto debut = lireDateNormale(depart);
    const auto terme = lireDateNormale(fin);
    std::optional<QDate> arrivee;
    if (sens == SensCalcul::Ajout) {
        r.dateFin = QString();
        if (debut) arrivee = ajouterIncrementExact(*debut, *incrementExact);
    } else if (debut && terme) {
        arrivee = terme;
    }
    if (!arrivee) {
        r.erreur = erreurs::argumentIncorrect();
        return false;
    }
    historique += ligne(QStringLiteral(" DD : "), depart);
    if (sens == SensCalcul::Ajout) {
        r.dateFin = ecrireDate(*arrivee);
        r.calcul = r.dateFin;
        const bool semaines = unite.unite == UniteDate::SemainesJours;
        historique += lignesEnColonne(QStringLiteral(" Inc: "),
                                      texteIncrementExact(*incrementExact, semaines));
        historique += ligne(QStringLiteral(" DF : "), *r.dateFin);
    } else {
        const QString texte = texteEcart(*debut, *arrivee, unite.unite);
        r.calcul = texte;
        // The total in days, unless the text already says just that.
        const QString total = texteJours(debut->daysTo(*arrivee));
        historique += ligne(QStringLiteral(" DF : "), fin);
        historique +=
            lignesEnColonne(QStringLiteral(" Int: "),
                            texte == total ? texte : texte + QStringLiteral(" (") + total + u')');
    }
    return true;
}

} // namespace

SensCalcul choisirSens(bool incrementVide, bool dateFinVide) {
    if (!incrementVide) return SensCalcul::Ajout;
    if (!dateFinVide) return SensCalcul::Intervalle;
    return SensCalcul::Aucun;
}

std::optional<qint32> lireIncrement(QStringView texte) {
    return versEntier32(lireNombre(texte));
}

ResultatCalculDates calculdates(const EntreeCalculDates& entree) {
    ResultatCalculDates r;
    auto arret = [&r](QString message, ChampDates champ) {
        r.message = std::move(message);
        r.focus = champ;
        return r;
    };

    QString depart = entree.dateDepart.trimmed();
    if (depart.isEmpty())
        return arret(QStringLiteral("Vous devez saisir une Date ... "), ChampDates::DateDepart);
    if (!validerdate(depart))
        return arret(QStringLiteral("La Date est invalide ... "), ChampDates::DateDepart);
    r.dateDepart = depart;

    const QString increment = entree.increment.trimmed();
    QString fin = entree.dateFin.trimmed();
    const SensCalcul sens = choisirSens(increment.isEmpty(), fin.isEmpty());
    if (sens == SensCalcul::Aucun)
        return arret(QStringLiteral("Vous devez saisir un Incrément ... "), ChampDates::Increment);
    if (sens == SensCalcul::Intervalle) {
        if (!validerdate(fin))
            return arret(QStringLiteral("La Date de Fin est invalide ... "), ChampDates::DateFin);
        r.dateFin = fin;
    }

    // From here every outcome ends on the unit list, and a failure goes to the error report
    // with whatever was already cleared or written left as it is.
    r.focus = ChampDates::ListeUnites;
    const DescriptionUnite* unite = uniteDeLigne(entree.ligneUnite);
    const bool exact = unite && estEcartExact(unite->unite);
    // An exact increment that does not read is the user's to correct, before anything changes.
    std::optional<IncrementExact> incrementExact;
    bool horsCalendrier = false;
    if (exact && sens == SensCalcul::Ajout) {
        const LectureIncrement lu = lectureIncrementExact(increment);
        horsCalendrier = !lu.increment && lu.refus == RefusIncrement::HorsCalendrier;
        if (!lu.increment && !horsCalendrier)
            return arret(messageIncrementIllisible(), ChampDates::Increment);
        incrementExact = lu.increment;
    }
    QString historique(saut);
    r.calcul = QString();
    // Longer than the calendar: the end date goes as for any increment that leaves it.
    if (horsCalendrier) {
        r.dateFin = QString();
        r.erreur = erreurs::argumentIncorrect();
        return r;
    }

    if (exact) {
        if (!calculerEcart(r, historique, depart, fin, sens, *unite, incrementExact)) return r;
    } else if (sens == SensCalcul::Ajout) {
        r.dateFin = QString();
        const auto n = lireIncrement(increment);
        if (!n) {
            r.erreur = erreurs::depassement();
            return r;
        }
        const auto resultat = unite ? ajouterUnites(depart, *unite, *n, entree.alsacemoselle)
                                    : std::optional<QString>();
        if (!resultat) {
            r.erreur = erreurs::argumentIncorrect();
            return r;
        }
        r.dateFin = *resultat;
        r.calcul = *resultat;
        historique += ligne(QStringLiteral(" DD : "), depart);
        historique +=
            lignesEnColonne(QStringLiteral(" Inc: "), texteEntier(*n) + u' ' + unite->libelle);
        historique += ligne(QStringLiteral(" DF : "), *resultat);
    } else {
        const auto debut = lireDateNormale(depart);
        const auto terme = lireDateNormale(fin);
        if (!unite || !debut || !terme) {
            r.erreur = erreurs::argumentIncorrect();
            return r;
        }
        const QString texte =
            texteEntier(compterIntervalle(*debut, *terme, unite->unite, entree.alsacemoselle)) +
            u' ' + unite->libelle;
        r.calcul = texte;
        historique += ligne(QStringLiteral(" DD : "), depart);
        historique += ligne(QStringLiteral(" DF : "), fin);
        historique += lignesEnColonne(QStringLiteral(" Int: "), texte);
    }
    r.ajoutHistorique = historique;
    return r;
}

bool viderFinAvantCalcul(const QString& dateDepart, const QString& increment) {
    return !dateDepart.trimmed().isEmpty() && !increment.trimmed().isEmpty();
}

bool incrementEnMots(int ligneUnite) {
    const DescriptionUnite* unite = uniteDeLigne(ligneUnite);
    return unite && estEcartExact(unite->unite);
}

std::optional<int> ligneExacteDuTexte(QStringView increment, int ligneUnite) {
    if (!uniteDeLigne(ligneUnite) || incrementEnMots(ligneUnite)) return std::nullopt;
    const auto sorte = sorteDuPremierMot(increment);
    if (!sorte) return std::nullopt;
    const UniteDate voulue = *sorte == SorteIncrement::SemainesJours ? UniteDate::SemainesJours
                                                                     : UniteDate::AnsMoisJours;
    const auto& table = tableUnites();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].unite == voulue) return int(i);
    return std::nullopt;
}

bool incrementExactAttendu(const EntreeCalculDates& entree) {
    return incrementEnMots(entree.ligneUnite) && !entree.dateDepart.trimmed().isEmpty() &&
           entree.increment.trimmed().isEmpty() && entree.dateFin.trimmed().isEmpty();
}

ResultatPasJour pasjour(const QString& texte, SensPas sens) {
    QString date = texte.trimmed();
    if (date.isEmpty()) return {std::nullopt, true};
    const auto resultat = ajouterdate(date, u"d", sens == SensPas::Arriere ? -1 : 1);
    if (!resultat) return {};
    return {*resultat, true};
}

} // namespace orvaline
