// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/polices.h"

namespace orvaline {

void installerPolices() {
    const QString sans = QStringLiteral("DejaVu Sans");
    for (const char16_t* nom : {u"Verdana", u"Tahoma", u"MS Sans Serif"})
        QFont::insertSubstitution(QString::fromUtf16(nom), sans);
    QFont::insertSubstitution(QStringLiteral("Fixedsys"), QStringLiteral("DejaVu Sans Mono"));
}

QFont police(const QString& famille, double points, bool gras) {
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    if (famille == u"Fixedsys") f.setStyleHint(QFont::Monospace);
    return f;
}

} // namespace orvaline
