// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/fichierini.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <algorithm>

namespace orvaline {

namespace {

// Lines are kept as bytes so that a write gives back untouched lines exactly, even in a file
// that is not valid UTF-8.
struct Ligne {
    QByteArray texte; // without its line end
    QByteArray fin;   // "\r\n", "\n", or empty for a last line that has none
};

enum class Genre { Autre, Section, Cle };

struct Analyse {
    Genre genre = Genre::Autre;
    QString nom;
    QString valeur;
};

// Where the reader finds things: the first occurrence of the section, its last entry (where
// a new key goes) and the first matching key among all occurrences of the section.
struct Position {
    qsizetype section = -1;
    qsizetype derniere = -1;
    qsizetype cle = -1;
};

const QByteArray marqueUtf8("\xEF\xBB\xBF");

QList<Ligne> decouper(const QByteArray& contenu) {
    QList<Ligne> lignes;
    qsizetype debut = 0;
    while (debut < contenu.size()) {
        const qsizetype saut = contenu.indexOf('\n', debut);
        if (saut < 0) {
            lignes.append({contenu.mid(debut), {}});
            break;
        }
        qsizetype fin = saut;
        if (fin > debut && contenu[fin - 1] == '\r') --fin;
        lignes.append({contenu.mid(debut, fin - debut), contenu.mid(fin, saut + 1 - fin)});
        debut = saut + 1;
    }
    return lignes;
}

QByteArray assembler(const QList<Ligne>& lignes) {
    QByteArray contenu;
    for (const Ligne& l : lignes)
        contenu += l.texte + l.fin;
    return contenu;
}

Analyse analyser(const QByteArray& brut, bool premiere) {
    const QByteArray octets = premiere && brut.startsWith(marqueUtf8) ? brut.mid(3) : brut;
    const QString t = QString::fromUtf8(octets).trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype fermeture = t.indexOf(u']');
        if (fermeture < 0) return {};
        return {Genre::Section, t.mid(1, fermeture - 1).trimmed(), {}};
    }
    if (t.startsWith(u';') || t.startsWith(u'#')) return {};
    const qsizetype egal = t.indexOf(u'=');
    if (egal < 0) return {};
    const QString nom = t.left(egal).trimmed();
    if (nom.isEmpty()) return {};
    QString valeur = t.mid(egal + 1).trimmed();
    // A value in double quotes reads without them, as the platform's profile reader gives it.
    if (valeur.size() >= 2 && valeur.front() == u'"' && valeur.back() == u'"')
        valeur = valeur.mid(1, valeur.size() - 2);
    return {Genre::Cle, nom, valeur};
}

bool memeNom(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

Position chercher(const QList<Ligne>& lignes, const QString& section, const QString& cle,
                  QString* valeur = nullptr) {
    Position p;
    bool dedans = false;
    bool premiereSection = false;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const Analyse a = analyser(lignes[i].texte, i == 0);
        if (a.genre == Genre::Section) {
            dedans = memeNom(a.nom, section);
            premiereSection = dedans && p.section < 0;
            if (premiereSection) p.section = i;
            continue;
        }
        if (!dedans) continue;
        // Blank and comment lines after the last entry stay with whatever follows them.
        const QString t = QString::fromUtf8(lignes[i].texte).trimmed();
        const bool entree = !t.isEmpty() && !t.startsWith(u';') && !t.startsWith(u'#');
        if (premiereSection && entree) p.derniere = i;
        if (p.cle < 0 && a.genre == Genre::Cle && memeNom(a.nom, cle)) {
            p.cle = i;
            if (valeur) *valeur = a.valeur;
        }
    }
    return p;
}

bool contientSaut(const QString& t) {
    return t.contains(u'\n') || t.contains(u'\r');
}

// Names are compared after trimming and read from UTF-8: anything that does not come back
// the same way (controls, a byte-order mark, lone surrogates) is refused.
bool nomLisible(const QString& nom) {
    if (nom.trimmed().isEmpty() || !nom.isValidUtf16()) return false;
    return std::none_of(nom.begin(), nom.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar(0xFEFF);
    });
}

bool echec(QString* erreur, const QString& raison) {
    if (erreur) *erreur = raison;
    return false;
}

} // namespace

bool nomSectionValide(const QString& section) {
    const QString nom = section.trimmed();
    return nomLisible(nom) && !nom.contains(u']');
}

bool nomCleValide(const QString& cle) {
    const QString nom = cle.trimmed();
    return nomLisible(nom) && !nom.contains(u'=') && !nom.startsWith(u'[') &&
           !nom.startsWith(u';') && !nom.startsWith(u'#');
}

std::optional<QString> lireiniContenu(const QByteArray& contenu, const QString& section,
                                      const QString& cle, qint16 taille) {
    if (taille <= 0 || section.trimmed().isEmpty() || cle.trimmed().isEmpty()) return std::nullopt;
    QString valeur;
    if (chercher(decouper(contenu), section.trimmed(), cle.trimmed(), &valeur).cle < 0)
        return std::nullopt;
    if (valeur.isEmpty()) return std::nullopt;
    QString coupee = valeur.left(taille - 1);
    if (!coupee.isEmpty() && coupee.back().isHighSurrogate()) coupee.chop(1);
    coupee = coupee.trimmed();
    if (coupee.isEmpty()) return std::nullopt;
    return coupee;
}

std::optional<QString> lireini(const QString& fichier, const QString& section, const QString& cle,
                               qint16 taille) {
    if (fichier.isEmpty() || taille <= 0) return std::nullopt;
    QFile f(fichier);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return lireiniContenu(f.readAll(), section, cle, taille);
}

bool ecrireiniContenu(QByteArray& contenu, const QString& section, const QString& cle,
                      const QString& valeur, QString* erreur) {
    const QString nomSection = section.trimmed();
    const QString nomCle = cle.trimmed();
    // A name or value that would break the line layout could plant other keys in the file.
    if (!nomSectionValide(nomSection))
        return echec(erreur, QStringLiteral("Nom de section invalide : « %1 »").arg(section));
    if (!nomCleValide(nomCle))
        return echec(erreur, QStringLiteral("Nom de clé invalide : « %1 »").arg(cle));
    if (contientSaut(valeur) || valeur.contains(QChar(0)) || !valeur.isValidUtf16())
        return echec(erreur, QStringLiteral("Valeur impossible à écrire sur une ligne pour la "
                                            "clé « %1 »")
                                 .arg(nomCle));

    QList<Ligne> lignes = decouper(contenu);
    QByteArray fin("\r\n");
    for (const Ligne& l : lignes) {
        if (!l.fin.isEmpty()) {
            fin = l.fin;
            break;
        }
    }
    const QByteArray ligneCle = (nomCle + u'=' + valeur).toUtf8();
    const Position p = chercher(lignes, nomSection, nomCle);
    if (p.cle >= 0) {
        lignes[p.cle].texte = ligneCle;
    } else if (p.section >= 0) {
        const qsizetype apres = p.derniere >= 0 ? p.derniere : p.section;
        if (lignes[apres].fin.isEmpty()) lignes[apres].fin = fin;
        lignes.insert(apres + 1, {ligneCle, fin});
    } else {
        if (!lignes.isEmpty() && lignes.last().fin.isEmpty()) lignes.last().fin = fin;
        lignes.append({(u'[' + nomSection + u']').toUtf8(), fin});
        lignes.append({ligneCle, fin});
    }
    contenu = assembler(lignes);
    return true;
}

bool ecrireini(const QString& section, const QString& cle, const QString& valeur,
               const QString& fichier, QString* erreur) {
    if (fichier.isEmpty()) return echec(erreur, QStringLiteral("Aucun fichier indiqué"));
    QByteArray avant;
    if (QFileInfo::exists(fichier)) {
        // Never rebuild a file that could not be read: its content would be lost.
        QFile f(fichier);
        if (!f.open(QIODevice::ReadOnly)) return echec(erreur, f.errorString());
        avant = f.readAll();
    }
    QByteArray apres = avant;
    if (!ecrireiniContenu(apres, section, cle, valeur, erreur)) return false;
    if (apres == avant && QFileInfo::exists(fichier)) return true;
    QSaveFile sortie(fichier);
    // A writable file in a folder that refuses new files is written in place.
    sortie.setDirectWriteFallback(true);
    if (!sortie.open(QIODevice::WriteOnly)) return echec(erreur, sortie.errorString());
    if (sortie.write(apres) != apres.size()) return echec(erreur, sortie.errorString());
    if (!sortie.commit()) return echec(erreur, sortie.errorString());
    return true;
}

} // namespace orvaline
