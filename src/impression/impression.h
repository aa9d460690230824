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
// The preview, from which the user prints on paper or to a PDF file (the travail's, proposed).
// What came of it goes to `resultat`: a C function returns no C++ type.
ORVALINE_IMPRESSION_EXPORT void orvaline_imprimer(QWidget* parent,
                                                  const orvaline::TravailImpression& travail,
                                                  orvaline::ResultatImpression& resultat);
// Straight into a PDF file, with the same pages.
ORVALINE_IMPRESSION_EXPORT void orvaline_imprimer_pdf(const orvaline::TravailImpression& travail,
                                                      const QString& chemin,
                                                      orvaline::ResultatImpression& resultat);
}

// The names the program looks the two entry points up by.
inline constexpr char orvaline_symbole_imprimer[] = "orvaline_imprimer";
inline constexpr char orvaline_symbole_imprimer_pdf[] = "orvaline_imprimer_pdf";
