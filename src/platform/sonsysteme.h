// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/son.h"

#include <functional>

namespace orvaline {

class Lanceur;

// Hands the file to the desktop's sound player (PipeWire/PulseAudio or ALSA), if any.
// The player is started through the launcher in force when the sound plays.
class SonSysteme : public Son {
public:
    explicit SonSysteme(std::function<Lanceur&()> lanceur) : m_lanceur(std::move(lanceur)) {}
    void jouer(const QString& chemin) override;

private:
    std::function<Lanceur&()> m_lanceur;
};

} // namespace orvaline
