// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/lectureexpression.h"

#include "core/ecartsdates.h"
#include "core/textesdates.h"
#include "core/unitesdate.h"

#include <QRegularExpression>

namespace orvaline {

namespace {

bool aRemplacer(char16_t c) {
    switch (c) {
    case 0x2019:
    case 0x2018:
    case 0x2212:
    case 0x2013:
    case 0x00D7:
    case 0x00F7:
        return true;
    default:
        return QChar::isSpace(c);
    }
}

// Typed or pasted variants brought to one form: typographic apostrophes and minus, the
// multiplication and division signs, no-break spaces; runs of blanks become one.
QString simplifier(QStringView texte) {
    // Single blanks between words and none of the variants, the usual case: kept as it is.
    bool simple = !texte.isEmpty() && texte.front() != u' ' && texte.back() != u' ';
    for (qsizetype i = 0; simple && i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        simple = c == u' ' ? texte[i - 1] != u' ' : !aRemplacer(c);
    }
    if (simple) return texte.toString();
    QString t;
    t.reserve(texte.size());
    for (QChar c : texte) {
        switch (c.unicode()) {
        case 0x2019:
        case 0x2018:
            t += u'\'';
            break;
        case 0x2212:
        case 0x2013:
            t += u'-';
            break;
        case 0x00D7:
            t += u'x';
            break;
        case 0x00F7:
            t += u'/';
            break;
        case 0x00A0:
        case 0x202F:
            t += u' ';
            break;
        default:
            t += c;
        }
    }
    return t.simplified();
}

// Lower case without accents, dots or commas, "et" left out: "J. ouvrés" and "jours ouvres"
// read alike, "ans, mois et jours" as "ans mois jours".
QString motNormal(QStringView mot) {
    QString t;
    for (QChar c : mot.toString().toLower()) {
        switch (c.unicode()) {
        case u'é':
        case u'è':
        case u'ê':
        case u'ë':
            t += u'e';
            break;
        case u'à':
        case u'â':
            t += u'a';
            break;
        case u'î':
        case u'ï':
            t += u'i';
            break;
        case u'ô':
            t += u'o';
            break;
        case u'ù':
        case u'û':
            t += u'u';
            break;
        case u'.':
        case u',':
            t += u' ';
            break;
        default:
            t += c;
        }
    }
    QStringList mots = t.split(u' ', Qt::SkipEmptyParts);
    mots.removeAll(QStringLiteral("et"));
    return mots.join(u' ');
}

struct MotUnite {
    const char16_t* mot;
    UniteDate unite;
};

constexpr MotUnite motsUnites[] = {
    {u"h", UniteDate::Heures},
    {u"heure", UniteDate::Heures},
    {u"heures", UniteDate::Heures},
    {u"j", UniteDate::Jours},
    {u"jour", UniteDate::Jours},
    {u"jours", UniteDate::Jours},
    {u"sem", UniteDate::Semaines},
    {u"semaine", UniteDate::Semaines},
    {u"semaines", UniteDate::Semaines},
    {u"mois", UniteDate::Mois},
    {u"trim", UniteDate::Trimestres},
    {u"trimestre", UniteDate::Trimestres},
    {u"trimestres", UniteDate::Trimestres},
    {u"an", UniteDate::Annees},
    {u"ans", UniteDate::Annees},
    {u"annee", UniteDate::Annees},
    {u"annees", UniteDate::Annees},
    {u"jours ouvres", UniteDate::JoursOuvres},
    {u"jour ouvre", UniteDate::JoursOuvres},
    {u"j ouvres", UniteDate::JoursOuvres},
    {u"j ouvre", UniteDate::JoursOuvres},
    {u"ouvres", UniteDate::JoursOuvres},
    {u"jours ouvrables", UniteDate::JoursOuvrables},
    {u"jour ouvrable", UniteDate::JoursOuvrables},
    {u"j ouvrables", UniteDate::JoursOuvrables},
    {u"j ouvrable", UniteDate::JoursOuvrables},
    {u"ouvrables", UniteDate::JoursOuvrables},
    // The exact differences, named after "en" only.
    {u"ans mois jours", UniteDate::AnsMoisJours},
    {u"ans mois j", UniteDate::AnsMoisJours},
    {u"annees mois jours", UniteDate::AnsMoisJours},
    {u"semaines jours", UniteDate::SemainesJours},
    {u"semaines j", UniteDate::SemainesJours},
    {u"sem jours", UniteDate::SemainesJours},
    {u"sem j", UniteDate::SemainesJours},
};

int ligneDeUnite(UniteDate unite) {
    const auto& table = tableUnites();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].unite == unite) return int(i);
    return -1;
}

// Any row of the unit list, the exact differences included.
int ligneDeTexte(QStringView texte) {
    // Most words are written as the table has them: no need to normalise those.
    for (const MotUnite& m : motsUnites)
        if (texte.compare(QStringView(m.mot), Qt::CaseInsensitive) == 0)
            return ligneDeUnite(m.unite);
    const QString normal = motNormal(texte);
    for (const MotUnite& m : motsUnites)
        if (normal == QStringView(m.mot)) return ligneDeUnite(m.unite);
    return -1;
}

QString guillemets(const QString& texte) {
    return QStringLiteral("« ") + texte + QStringLiteral(" »");
}

LectureExpression echec(QString raison) {
    return {std::nullopt, std::move(raison)};
}

const QString aujourdhuiTexte = QStringLiteral("aujourd'hui");

// A word that has the shape of a date: three groups of digits, or "aujourd'hui".
const QRegularExpression& formeDate() {
    static const QRegularExpression motif(
        QStringLiteral(R"(^(?:aujourd'hui|\d+[/.\-']\d+[/.\-']\d+)(?=$|\s|\+|-|\.\.))"),
        QRegularExpression::CaseInsensitiveOption);
    return motif;
}

// A date word in normal form; the reason in `erreur` when it is no date.
std::optional<QString> lireDate(const QString& mot, QDate aujourdhui, QString& erreur) {
    if (mot.compare(aujourdhuiTexte, Qt::CaseInsensitive) == 0) {
        if (!aujourdhui.isValid() || aujourdhui.year() < anneeMin || aujourdhui.year() > anneeMax) {
            erreur = QStringLiteral("la date du jour sort des années 0100 à 9999");
            return std::nullopt;
        }
        return ecrireDate(aujourdhui);
    }
    static const QRegularExpression iso(QStringLiteral(R"(^(\d{4})-(\d{1,2})-(\d{1,2})$)"));
    QString texte = mot;
    QString annee;
    if (const auto m = iso.match(mot); m.hasMatch()) {
        annee = m.captured(1);
        texte = m.captured(3) + u'/' + m.captured(2) + u'/' + annee;
    } else {
        static const QRegularExpression jourDabord(
            QStringLiteral(R"(^\d+[/.\-']\d+[/.\-'](\d+)$)"));
        const auto j = jourDabord.match(mot);
        if (!j.hasMatch()) {
            erreur = guillemets(mot) + QStringLiteral(" n'est pas une date");
            return std::nullopt;
        }
        annee = j.captured(1);
    }
    if (validerdate(texte)) return texte;
    if (annee.size() == 4 && (annee.toInt() < anneeMin || annee.toInt() > anneeMax))
        erreur = QStringLiteral("la date ") + mot + QStringLiteral(" sort des années 0100 à 9999");
    else
        erreur = QStringLiteral("la date ") + mot + QStringLiteral(" n'existe pas");
    return std::nullopt;
}

LectureExpression lireIntervalle(const QString& gauche, const QString& droite, QDate aujourdhui) {
    ExpressionLue e;
    e.sorte = SorteExpression::Intervalle;
    QString erreur;
    const auto debut = lireDate(gauche, aujourdhui, erreur);
    if (!debut)
        return echec(gauche.isEmpty() ? QStringLiteral("il manque la date avant « .. »") : erreur);
    static const QRegularExpression motif(QStringLiteral(R"(^(\S+)(?:\s+en\s+(.+))?$)"),
                                          QRegularExpression::CaseInsensitiveOption);
    const auto m = motif.match(droite);
    if (!m.hasMatch()) return echec(QStringLiteral("il manque la date après « .. »"));
    const auto fin = lireDate(m.captured(1), aujourdhui, erreur);
    if (!fin) return echec(erreur);
    e.date = *debut;
    e.dateFin = *fin;
    e.ligneUnite = ligneDeUnite(UniteDate::AnsMoisJours);
    if (m.hasCaptured(2)) {
        e.ligneUnite = ligneDeTexte(m.captured(2));
        if (e.ligneUnite < 0)
            return echec(QStringLiteral("l'unité ") + guillemets(m.captured(2)) +
                         QStringLiteral(" est inconnue"));
    }
    return {e, {}};
}

LectureExpression lireAjout(ExpressionLue e, QChar signe, const QString& texte) {
    e.sorte = SorteExpression::Ajout;
    const QString sens = signe == u'-' ? QStringLiteral("-") : QString();
    static const QRegularExpression motif(QStringLiteral(R"(^(\d+(?:[.,]\d+)?)\s*(.*)$)"));
    const auto m = motif.match(texte);
    if (texte.isEmpty())
        return echec(QStringLiteral("il manque l'incrément après « ") + signe +
                     QStringLiteral(" »"));
    if (!m.hasMatch())
        return echec(QStringLiteral("l'incrément ") + guillemets(texte) +
                     QStringLiteral(" est illisible"));
    if (m.captured(2).isEmpty())
        return echec(QStringLiteral("il manque l'unité après ") + guillemets(m.captured(1)));
    const int ligne = ligneDeMot(m.captured(2));
    if (ligne >= 0) {
        e.ligneUnite = ligne;
        e.increment = sens + m.captured(1);
        return {e, {}};
    }
    // Several parts, or a unit the exact rows read ("1 an 2 mois 3 jours", "38 sem 3 j").
    const QString exact = sens + texte;
    if (lireIncrementExact(exact)) {
        e.ligneUnite = ligneDeUnite(UniteDate::AnsMoisJours);
        e.increment = exact;
        return {e, {}};
    }
    static const QRegularExpression unMot(QStringLiteral(R"(^[^\d\s]+$)"));
    if (unMot.match(m.captured(2)).hasMatch())
        return echec(QStringLiteral("l'unité ") + guillemets(m.captured(2)) +
                     QStringLiteral(" est inconnue"));
    return echec(QStringLiteral("l'incrément ") + guillemets(texte) +
                 QStringLiteral(" est illisible"));
}

// "[J j] HH:MM[:SS]" or "2 j 3 h 20 min 5 s".
std::optional<ChampsDuree> lireDuree(const QString& texte, QString& erreur) {
    static const QRegularExpression horloge(
        QStringLiteral(R"(^(?:(\d+)\s*j(?:ours?)?\s*)?(\d+):(\d+)(?::(\d+))?$)"),
        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = horloge.match(texte); m.hasMatch()) {
        for (int i : {3, 4})
            if (m.captured(i).size() > 2 || m.captured(i).toInt() > 59) {
                erreur = QStringLiteral("la durée ") + guillemets(texte) +
                         QStringLiteral(" a plus de 59 minutes ou secondes");
                return std::nullopt;
            }
        ChampsDuree d;
        for (int i = 0; i < 4; ++i)
            d[std::size_t(i)] = m.hasCaptured(i + 1) ? m.captured(i + 1) : QStringLiteral("0");
        return d;
    }
    static const QRegularExpression partie(
        QStringLiteral(R"(\G\s*(\d+)\s*(jours?|j|heures?|h|minutes?|min|mn|secondes?|sec|s)\b)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    ChampsDuree d{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                  QStringLiteral("0")};
    std::array<bool, 4> vus{};
    qsizetype position = 0;
    bool une = false;
    while (position < texte.size()) {
        const auto m = partie.match(texte, position);
        if (!m.hasMatch()) {
            une = false;
            break;
        }
        const QChar u = m.captured(2).at(0).toLower();
        const QString mot = m.captured(2).toLower();
        const std::size_t champ = u == u'j' ? 0 : u == u'h' ? 1 : (mot.startsWith(u"m")) ? 2 : 3;
        if (vus[champ]) {
            une = false;
            break;
        }
        vus[champ] = true;
        d[champ] = m.captured(1);
        position = m.capturedEnd(0);
        une = true;
    }
    if (une) return d;
    erreur = QStringLiteral("la durée ") + guillemets(texte) + QStringLiteral(" est illisible");
    return std::nullopt;
}

LectureExpression lireDurees(const QString& t) {
    static const QRegularExpression operateur(QStringLiteral(R"([-+x*/])"),
                                              QRegularExpression::CaseInsensitiveOption);
    const auto m = operateur.match(t);
    if (!m.hasMatch() || m.capturedStart() == 0)
        return echec(QStringLiteral("expression illisible ; écrivez par exemple "
                                    "« 15/12/1990 + 3 mois » ou « 2 j 03:20 x 3 »"));
    ExpressionLue e;
    e.sorte = SorteExpression::Duree;
    switch (m.captured().at(0).toLower().unicode()) {
    case u'+':
        e.operation = Operation::Plus;
        break;
    case u'-':
        e.operation = Operation::Moins;
        break;
    case u'/':
        e.operation = Operation::Diviser;
        break;
    default:
        e.operation = Operation::Multiplier;
    }
    const QString gauche = t.left(m.capturedStart()).trimmed();
    const QString droite = t.mid(m.capturedEnd()).trimmed();
    QString erreur;
    const auto premiere = lireDuree(gauche, erreur);
    if (!premiere) return echec(erreur);
    e.duree = *premiere;
    if (e.operation == Operation::Multiplier || e.operation == Operation::Diviser) {
        static const QRegularExpression nombre(QStringLiteral(R"(^\d+(?:[.,]\d+)?$)"));
        if (droite.isEmpty())
            return echec(QStringLiteral("il manque le nombre après « ") + m.captured() +
                         QStringLiteral(" »"));
        if (!nombre.match(droite).hasMatch())
            return echec(guillemets(droite) + QStringLiteral(" n'est pas un nombre"));
        e.nombre = droite;
        return {e, {}};
    }
    const auto seconde = lireDuree(droite, erreur);
    if (!seconde) return echec(erreur);
    e.duree2 = *seconde;
    return {e, {}};
}

} // namespace

int ligneDeMot(QStringView mot) {
    const int ligne = ligneDeTexte(mot);
    const DescriptionUnite* unite = uniteDeLigne(ligne);
    return unite && !estEcartExact(unite->unite) ? ligne : -1;
}

LectureExpression lireExpression(QStringView texte, QDate aujourdhui) {
    if (texte.size() > longueurExpressionMax)
        return echec(QStringLiteral("l'expression est trop longue (plus de %1 caractères)")
                         .arg(longueurExpressionMax));
    const QString t = simplifier(texte);
    if (t.isEmpty()) return echec(QStringLiteral("l'expression est vide"));

    static const QRegularExpression feries(QStringLiteral(R"(^f[eé]ri[eé]s\s+(\d+)$)"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const auto m =
            t.startsWith(u'f', Qt::CaseInsensitive) ? feries.match(t) : QRegularExpressionMatch();
        m.hasMatch()) {
        const QString annee = m.captured(1);
        if (annee.size() > 4 || annee.toInt() < anneeMin || annee.toInt() > anneeMax)
            return echec(QStringLiteral("l'année ") + annee +
                         QStringLiteral(" sort des années 0100 à 9999"));
        ExpressionLue e;
        e.sorte = SorteExpression::Feries;
        e.annee = annee.toInt();
        return {e, {}};
    }

    if (const qsizetype points = t.indexOf(u".."); points >= 0)
        return lireIntervalle(t.left(points).trimmed(), t.mid(points + 2).trimmed(), aujourdhui);

    const auto m = formeDate().match(t);
    if (!m.hasMatch()) return lireDurees(t);
    ExpressionLue e;
    QString erreur;
    const auto date = lireDate(m.captured(), aujourdhui, erreur);
    if (!date) return echec(erreur);
    e.date = *date;
    const QString reste = t.mid(m.capturedEnd()).trimmed();
    if (reste.isEmpty()) return {e, {}};
    if (reste.front() != u'+' && reste.front() != u'-')
        return echec(QStringLiteral("après la date, écrivez « + », « - » ou « .. », pas ") +
                     guillemets(reste));
    return lireAjout(e, reste.front(), reste.mid(1).trimmed());
}

} // namespace orvaline
