// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/dossierappli.h"

#include <QFileInfo>
#include <QStringList>
#include <unistd.h>

namespace orvaline {

DossierAppli examinerDossier(const QString& dossier) {
    if (dossier.isEmpty()) return {};
    const QFileInfo info(dossier);
    const QString chemin = info.canonicalFilePath();
    if (chemin.isEmpty() || !info.isDir()) return {};
    const bool installe =
        QFileInfo::exists(chemin + QStringLiteral("/../share/applications/orvaline.desktop"));
    return {chemin, info.ownerId() == ::geteuid(), info.isWritable(), installe};
}

bool dossierSysteme(const QString& chemin) {
    if (!chemin.startsWith(u'/')) return false;
    const QString tete = chemin.section(u'/', 1, 1);
    static const QStringList systeme = {QStringLiteral("usr"),  QStringLiteral("bin"),
                                        QStringLiteral("sbin"), QStringLiteral("opt"),
                                        QStringLiteral("etc"),  QStringLiteral("var")};
    return tete.isEmpty() || systeme.contains(tete) || tete.startsWith(u"lib");
}

} // namespace orvaline
