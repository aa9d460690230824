// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QListWidget;

namespace orvaline {

// Fills a list with the years from `premiere` to `derniere`, one per line, and selects the
// last one. The list never starts after the current year; reversed bounds are swapped.
void remplirannees(QListWidget* liste, qint16 premiere, qint16 derniere);

} // namespace orvaline
