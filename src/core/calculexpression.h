// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace orvaline {

// A calculation line computed by the calculators' own routines and written for a terminal:
// in French as the windows show it, or, with `iso`, in the forms scripts read (ISO 8601 dates
// and durations, bare counts, tab-separated fields).
struct ContexteCalcul {
    QDate aujourdhui;
    bool alsacemoselle = false;
    bool iso = false;
};

// The answer (one line, or one line per holiday for "fériés"), or the French reason there is
// none.
struct ReponseCalcul {
    std::optional<QString> texte;
    QString erreur;
};

ReponseCalcul calculerExpression(QStringView expression, const ContexteCalcul& contexte);

} // namespace orvaline
