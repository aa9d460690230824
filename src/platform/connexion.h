// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvaline {

// Whether the computer can reach the Internet, as far as the system knows. One yes or no per
// call; the caller decides how often to ask.
class Connexion {
public:
    virtual ~Connexion() = default;
    virtual bool connecte() = 0;
};

} // namespace orvaline
