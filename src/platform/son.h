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

// Hands the file to the desktop's sound player (PipeWire/PulseAudio or ALSA), if any.
class SonSysteme : public Son {
public:
    void jouer(const QString& chemin) override;
};

} // namespace orvaline
