// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

namespace orvaline {

class Lanceur;

// Plays a sound file without waiting for it.
class Son {
public:
    virtual ~Son() = default;
    virtual void jouer(const QString& chemin) = 0;
};

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
