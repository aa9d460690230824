// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichierstest.h"

#include "shared/libcalc.h"

#include <QDir>
#include <QFile>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvaline::test {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

bool ecrire(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

bool commeUtilisateurOrdinaire(const QString& dossier, const std::function<bool()>& essai) {
    if (::geteuid() != 0) return essai();
    // The folder and its files go to "nobody", who then runs the check in a child process.
    constexpr uid_t personne = 65534;
    QStringList chemins{dossier};
    for (const QString& nom : QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                      QDir::Hidden | QDir::System))
        chemins << QDir(dossier).filePath(nom);
    for (const QString& chemin : chemins)
        if (::chown(QFile::encodeName(chemin).constData(), personne, personne) != 0) return false;
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const bool ok = ::setgroups(0, nullptr) == 0 && ::setgid(personne) == 0 &&
                        ::setuid(personne) == 0 && essai();
        ::_exit(ok ? 0 : 1);
    }
    int statut = 0;
    return enfant > 0 && ::waitpid(enfant, &statut, 0) == enfant && WIFEXITED(statut) &&
           WEXITSTATUS(statut) == 0;
}

bool preparerNavigateur(const QString& dossier, const QString& navigateur) {
    libcalc() = Libcalc{};
    libcalc().saut_ligne = QStringLiteral("\r\n");
    libcalc().chemin_appli = dossier;
    libcalc().fichier_ini = QDir(dossier).filePath(QStringLiteral("Orvaline.ini"));
    return ecrire(navigateur, "#!/bin/sh\n") &&
           QFile::setPermissions(navigateur,
                                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) &&
           ecrire(libcalc().fichier_ini, "[Options]\r\nNavigateur=" + navigateur.toUtf8() + "\r\n");
}

} // namespace orvaline::test
