// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/terminal.h"

#include "app/modulefenetres.h"
#include "core/calculexpression.h"
#include "core/lectureexpression.h"
#include "shared/fabricant.h"
#include "shared/lecturereglages.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QStringList>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace orvaline {

namespace {

constexpr int sansErreur = 0;
constexpr int calculImpossible = 1;
constexpr int erreurUtilisation = 2;

const char* const aide =
    "Utilisation : orvaline [options]\n"
    "       orvaline [--iso] [--alsace-moselle | --metropole] --calcul \"EXPRESSION\"\n"
    "       orvaline [--iso] [--alsace-moselle | --metropole] --calcul -\n"
    "Orvaline, calculatrice de dates et de durées.\n\n"
    "Options :\n"
    "  -h, --help        Affiche cette aide et quitte.\n"
    "  -v, --version     Affiche la version et quitte.\n"
    "  -c, --calcul EXPRESSION\n"
    "                    Calcule l'expression, écrit le résultat sur une ligne et quitte,\n"
    "                    sans ouvrir de fenêtre ni rien écrire sur le disque.\n"
    "  -c -, --calcul -  Lit une expression par ligne sur l'entrée standard et écrit un\n"
    "                    résultat par ligne, dans l'ordre (une ligne vide pour un échec).\n"
    "  --iso             Écrit les résultats pour les scripts : dates et durées ISO 8601,\n"
    "                    nombres seuls, champs séparés par une tabulation.\n"
    "  --alsace-moselle  Compte aussi les jours fériés d'Alsace-Moselle (Vendredi saint,\n"
    "                    Saint-Étienne).\n"
    "  --metropole       Ne les compte pas. Sans ces deux options, le choix des Options\n"
    "                    d'Orvaline s'applique.\n\n"
    "Expressions :\n"
    "  DATE                       la date en toutes lettres, sa semaine, son jour de l'année\n"
    "                             et son nom si elle est fériée\n"
    "  DATE + N UNITÉ             la date avancée (DATE - N UNITÉ : reculée)\n"
    "  DATE + INCRÉMENT EXACT     « 1 an 2 mois 3 jours », « 38 sem 3 j »\n"
    "  DATE .. DATE               l'écart exact en années, mois et jours\n"
    "  DATE .. DATE en UNITÉ      le compte dans l'unité, ou « en semaines et jours »\n"
    "  DURÉE + DURÉE, DURÉE - DURÉE, DURÉE x NOMBRE, DURÉE / NOMBRE\n"
    "  fériés ANNÉE               les jours fériés de l'année, un par ligne\n\n"
    "  DATE   15/12/1990, 15/12/90, 1/5/2026, 1990-12-15 ou aujourd'hui\n"
    "  UNITÉ  heures (h), jours (j), semaines (sem), mois, trimestres (trim), années (ans),\n"
    "         jours ouvrés, jours ouvrables\n"
    "  DURÉE  [J j] HH:MM[:SS] ou « 2 j 3 h 20 min 5 s »\n\n"
    "Exemples :\n"
    "  orvaline -c \"31/01/2024 + 1 mois\"                    29/02/2024\n"
    "  orvaline -c \"04/05/2026 + 10 jours ouvrés\"           20/05/2026\n"
    "  orvaline -c \"15/12/1990 .. 06/12/2026\"               35 ans, 11 mois et 21 jours\n"
    "  orvaline -c \"01/05/2026 .. 31/05/2026 en jours ouvrés\" 17 jours ouvrés\n"
    "  orvaline -c \"2 j 03:20 x 3\"                          006 J  10:00:00\n"
    "  orvaline --iso -c \"15/12/1990 .. 06/12/2026\"         P35Y11M21D\n"
    "  orvaline -c \"fériés 2026\"\n\n"
    "Code de sortie : 0 quand tout a été calculé, 1 quand une expression ne l'a pas été\n"
    "(la raison est écrite sur la sortie d'erreur), 2 pour une erreur d'utilisation.\n";

const char* const essayez = "Essayez « orvaline --help ».\n";

void ecrire(std::FILE* flux, const QString& texte) {
    const QByteArray octets = texte.toUtf8();
    std::fwrite(octets.constData(), 1, std::size_t(octets.size()), flux);
}

int refuser(const QString& raison) {
    ecrire(stderr, QStringLiteral("orvaline : ") + raison + u'\n');
    std::fputs(essayez, stderr);
    return erreurUtilisation;
}

// The expression as a message names it: a long one is cut.
QString nommer(const QString& expression) {
    constexpr qsizetype longueur = 60;
    const QString t = expression.size() > longueur ? expression.left(longueur) + u'…' : expression;
    return QStringLiteral("« ") + t + QStringLiteral(" »");
}

struct Demande {
    bool aide = false;
    bool version = false;
    bool iso = false;
    bool alsacemoselle = false;
    bool metropole = false;
    std::optional<QString> calcul;
    QStringList autres; // left to the windows (Qt's own options), refused with --calcul
};

// The options in force: the command line's, else the user's settings file, read only.
ContexteCalcul contexte(const Demande& d) {
    ContexteCalcul c;
    c.aujourdhui = QDate::currentDate();
    c.iso = d.iso;
    if (d.alsacemoselle || d.metropole) {
        c.alsacemoselle = d.alsacemoselle;
        return c;
    }
    QCoreApplication::setApplicationName(QStringLiteral("Orvaline"));
    const QString fichier =
        cheminFichierIni(examinerDossier(QString::fromLocal8Bit(dossierProgramme())),
                         QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    c.alsacemoselle = alsaceMoselleLue(fichier);
    return c;
}

int calculerUne(const QString& expression, const ContexteCalcul& c) {
    const ReponseCalcul r = calculerExpression(expression, c);
    if (!r.texte) {
        ecrire(stderr, QStringLiteral("orvaline : ") + nommer(expression) + QStringLiteral(" : ") +
                           r.erreur + QStringLiteral(".\n"));
        return calculImpossible;
    }
    ecrire(stdout, *r.texte + u'\n');
    return sansErreur;
}

// The answers of a run of lines, in order: their results, one a line, and the messages of
// those that failed.
struct Reponses {
    QByteArray sortie;
    QByteArray erreurs;
    bool echec = false;
};

void repondre(const std::vector<QByteArrayView>& lignes, std::size_t premiere, std::size_t fin,
              qint64 numero, const ContexteCalcul& c, Reponses& r) {
    for (std::size_t i = premiere; i < fin; ++i, ++numero) {
        const QString expression = QString::fromUtf8(lignes[i]);
        const ReponseCalcul calcul = calculerExpression(expression, c);
        if (calcul.texte) {
            r.sortie += calcul.texte->toUtf8();
        } else {
            r.echec = true;
            r.erreurs +=
                (QStringLiteral("orvaline : ligne %1 : ").arg(numero) + nommer(expression) +
                 QStringLiteral(" : ") + calcul.erreur + QStringLiteral(".\n"))
                    .toUtf8();
        }
        r.sortie += '\n';
    }
}

void ecrireOctets(std::FILE* flux, const QByteArray& octets) {
    std::fwrite(octets.constData(), 1, std::size_t(octets.size()), flux);
}

// One result per line of standard input, written as each block of lines arrives, so that a
// script may talk to the program line by line. A long block is shared with a second thread:
// the calculations keep no state between lines, and each half keeps its own order.
int calculerFlux(const ContexteCalcul& c) {
    constexpr std::size_t lignesParFil = 256;
    int code = sansErreur;
    qint64 numero = 1;
    QByteArray entree;
    std::vector<QByteArrayView> lignes;
    std::array<char, 65536> bloc{};
    // Enough bytes for more characters than an expression may have, whatever their UTF-8 size.
    constexpr qsizetype garde = 4 * (longueurExpressionMax + 1);
    bool coupee = false;
    bool fin = false;
    while (!fin) {
        const ssize_t lus = ::read(STDIN_FILENO, bloc.data(), bloc.size());
        if (lus < 0 && errno == EINTR) continue;
        fin = lus <= 0;
        const char* lu = bloc.data();
        std::size_t taille = fin ? 0 : std::size_t(lus);
        if (coupee && taille > 0) {
            // The rest of a line already cut: dropped up to its end.
            const auto* saut = static_cast<const char*>(std::memchr(lu, '\n', taille));
            if (!saut) continue;
            taille -= std::size_t(saut - lu);
            lu = saut;
            coupee = false;
        }
        entree.append(lu, qsizetype(taille));
        if (fin && !entree.isEmpty() && !entree.endsWith('\n')) entree.append('\n');
        lignes.clear();
        qsizetype debut = 0;
        for (qsizetype saut = entree.indexOf('\n'); saut >= 0; saut = entree.indexOf('\n', debut)) {
            QByteArrayView ligne(entree.constData() + debut, saut - debut);
            if (ligne.endsWith('\r')) ligne.chop(1);
            lignes.push_back(ligne);
            debut = saut + 1;
        }
        std::array<Reponses, 2> moities;
        const std::size_t milieu =
            lignes.size() >= 2 * lignesParFil ? lignes.size() / 2 : lignes.size();
        std::thread second;
        if (milieu < lignes.size())
            second = std::thread(repondre, std::cref(lignes), milieu, lignes.size(),
                                 numero + qint64(milieu), std::cref(c), std::ref(moities[1]));
        repondre(lignes, 0, milieu, numero, c, moities[0]);
        if (second.joinable()) second.join();
        for (const Reponses& r : moities) {
            ecrireOctets(stderr, r.erreurs);
            ecrireOctets(stdout, r.sortie);
            if (r.echec) code = calculImpossible;
        }
        std::fflush(stdout);
        numero += qint64(lignes.size());
        entree.remove(0, debut);
        // A line that never ends is kept only as far as it takes to refuse it as too long,
        // so that no input, however large, fills the memory.
        if (entree.size() > garde) {
            entree.truncate(garde);
            coupee = true;
        }
    }
    return code;
}

} // namespace

std::optional<int> repondreDansTerminal(int argc, char* argv[]) {
    Demande d;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == u"-h" || a == u"--help") {
            d.aide = true;
        } else if (a == u"-v" || a == u"--version") {
            d.version = true;
        } else if (a == u"--iso") {
            d.iso = true;
        } else if (a == u"--alsace-moselle") {
            d.alsacemoselle = true;
        } else if (a == u"--metropole") {
            d.metropole = true;
        } else if (a == u"-c" || a == u"--calcul" || a.startsWith(u"--calcul=")) {
            if (d.calcul) return refuser(QStringLiteral("une seule option --calcul à la fois."));
            if (a.startsWith(u"--calcul=")) {
                d.calcul = a.mid(9);
            } else if (i + 1 < argc) {
                d.calcul = QString::fromLocal8Bit(argv[++i]);
            } else {
                return refuser(QStringLiteral("l'option %1 attend une expression.").arg(a));
            }
        } else if (a.startsWith(u"--") && a != u"--") {
            std::fprintf(stderr, "orvaline : option inconnue « %s ».\n%s", argv[i], essayez);
            return erreurUtilisation;
        } else {
            d.autres << a;
        }
    }
    if (d.aide) {
        std::fputs(aide, stdout);
        return sansErreur;
    }
    if (d.version) {
        ecrire(stdout, QStringLiteral("Orvaline ") + fabricant::version.toString() + u'\n');
        return sansErreur;
    }
    if (d.alsacemoselle && d.metropole)
        return refuser(QStringLiteral("--alsace-moselle et --metropole s'excluent."));
    if (!d.calcul) {
        if (d.iso || d.alsacemoselle || d.metropole)
            return refuser(QStringLiteral("--iso, --alsace-moselle et --metropole ne servent "
                                          "qu'avec --calcul."));
        return std::nullopt;
    }
    if (!d.autres.isEmpty())
        return refuser(QStringLiteral("argument inattendu ") + nommer(d.autres.first()) +
                       QStringLiteral(" ; mettez l'expression entre guillemets."));
    const ContexteCalcul c = contexte(d);
    if (*d.calcul == u"-") return calculerFlux(c);
    // Compiling the patterns to machine code pays for itself over many lines, not over one.
    qputenv("QT_ENABLE_REGEXP_JIT", "0");
    return calculerUne(*d.calcul, c);
}

} // namespace orvaline
