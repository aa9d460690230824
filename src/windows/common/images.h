// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace orvaline {

// A picture of the program (":/pictures/<nom>.svg") drawn at the given size in pixels,
// sharp on high-density screens.
QPixmap imageSvg(const QString& nom, const QSize& taille);

} // namespace orvaline
