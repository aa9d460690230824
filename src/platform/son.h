// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// Plays a sound file without waiting for it.
class Son {
public:
    virtual ~Son() = default;
    virtual void jouer(const QString& chemin) = 0;
};

} // namespace orvaline
