// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Printing lives in a module of its own, loaded the first time the user prints, so that the
// program does not load Qt's print support at every start.

#include "impression/travailimpression.h"

#include <QString>
#include <QtGlobal>

class QWidget;

#if defined(ORVALINE_IMPRESSION_MODULE)
#define ORVALINE_IMPRESSION_EXPORT Q_DECL_EXPORT
#else
#define ORVALINE_IMPRESSION_EXPORT Q_DECL_IMPORT
#endif

extern "C" {
// The preview, from which the user prints on paper or to a PDF file. True when printed.
ORVALINE_IMPRESSION_EXPORT bool orvaline_imprimer(QWidget* parent,
                                                  const orvaline::TravailImpression& travail);
// Straight into a PDF file, with the same pages. True when written.
ORVALINE_IMPRESSION_EXPORT bool orvaline_imprimer_pdf(const orvaline::TravailImpression& travail,
                                                      const QString& chemin);
}

// The names the program looks the two entry points up by.
inline constexpr char orvaline_symbole_imprimer[] = "orvaline_imprimer";
inline constexpr char orvaline_symbole_imprimer_pdf[] = "orvaline_imprimer_pdf";
