# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tools scripts.

# Runs a command as root: directly when we are root, through sudo otherwise.
en_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The compiler launcher option for cmake, when ccache is there.
lanceur_ccache=()
if command -v ccache >/dev/null; then lanceur_ccache=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
