// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/fichiers.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace orvaline {

namespace {

bool fichierNormal(const QFileInfo& info) {
    return info.isFile() && !info.isHidden();
}

// Only "*" and "?" are wildcards; brackets and the rest stand for themselves, as they may
// well appear in a real file name.
QRegularExpression expressionDuMotif(const QString& motif) {
    QString expression;
    QString litteral;
    for (const QChar c : motif) {
        if (c != u'*' && c != u'?') {
            litteral += c;
            continue;
        }
        expression += QRegularExpression::escape(litteral);
        litteral.clear();
        expression += c == u'*' ? QStringLiteral(".*") : QStringLiteral(".");
    }
    expression += QRegularExpression::escape(litteral);
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

bool testerfichier(QString& chemin) {
    chemin = chemin.trimmed();
    if (chemin.isEmpty()) return false;
    const QFileInfo info(chemin);
    const QString nom = info.fileName();
    if (nom.isEmpty()) return false;
    if (!nom.contains(u'*') && !nom.contains(u'?')) return fichierNormal(info);

    const QRegularExpression motif = expressionDuMotif(nom);
    const QFileInfoList entrees = info.dir().entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entree : entrees) {
        if (motif.match(entree.fileName()).hasMatch() && fichierNormal(entree)) return true;
    }
    return false;
}

} // namespace orvaline
