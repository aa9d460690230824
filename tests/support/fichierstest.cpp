// SPDX-License-Identifier: GPL-3.0-or-later
#include "fichierstest.h"

#include "shared/libcalc.h"

#include <QDir>
#include <QFile>

namespace orvaline::test {

QByteArray lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

bool ecrire(const QString& chemin, const QByteArray& contenu) {
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(contenu) == contenu.size();
}

bool droitsIgnores(const QString& dossier) {
    const QString sonde = QDir(dossier).filePath(QStringLiteral("sonde-droits"));
    ecrire(sonde, "x");
    QFile::setPermissions(sonde, QFile::ReadOwner);
    QFile f(sonde);
    const bool ignores = f.open(QIODevice::WriteOnly | QIODevice::Append);
    f.close();
    QFile::setPermissions(sonde, QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(sonde);
    return ignores;
}

bool preparerNavigateur(const QString& dossier, const QString& navigateur) {
    libcalc() = Libcalc{};
    libcalc().saut_ligne = QStringLiteral("\r\n");
    libcalc().chemin_appli = dossier;
    libcalc().fichier_ini = QDir(dossier).filePath(QStringLiteral("Orvaline.ini"));
    return ecrire(navigateur, "#!/bin/sh\n") &&
           ecrire(libcalc().fichier_ini, "[Options]\r\nNavigateur=" + navigateur.toUtf8() + "\r\n");
}

} // namespace orvaline::test
