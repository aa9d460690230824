#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what Orvaline needs to build on Debian 12 (only what is missing), then builds it
# into build/. Used by lancer.sh and tester.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/commun.sh

# xvfb, openbox and x11-utils let the tests show windows on a real X screen with a frame.
paquets=(g++ make cmake qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core
    xdg-utils locales xvfb openbox x11-utils libxcb1-dev)
# sway (headless), Qt's Wayland plugin and grim let the tests show windows under a Wayland
# compositor.
paquets+=(sway qt6-wayland grim)
# The Debian package and the checks of its metadata.
paquets+=(dpkg-dev file appstream desktop-file-utils lintian)
# pdftotext reads back the print-out test's PDF file.
paquets+=(poppler-utils)
# The style check of the test command: layout and lint.
paquets+=(clang-format clang-tidy)
# The screen-reader walk (tools/parcours-atspi.sh), only on request: it needs a virtual screen.
# The Orca test (tests/integration/lecteur_ecran.sh) needs Orca, its speech through
# speech-dispatcher and espeak-ng (to a null output), xdotool to type and openbox.
if [ -n "${ORVALINE_LECTEUR_ECRAN:-}" ]; then
    paquets+=(xauth dbus at-spi2-core python3-gi gir1.2-atspi-2.0)
    paquets+=(orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng xdotool)
fi
manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation de : ${manquants[*]}"
    en_root apt-get update -q
    en_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${manquants[@]}"
fi

# Run by root, the Wayland test starts sway (which refuses root) as this unprivileged user;
# made here so that the tests themselves change nothing on the machine.
if [ "$(id -u)" -eq 0 ] && ! id orvaline-essai >/dev/null 2>&1; then
    useradd --system --no-create-home --shell /usr/sbin/nologin orvaline-essai
fi

# The tests also run under the French locale, where the decimal mark is a comma.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8'; then
    echo "Génération de la locale fr_FR.UTF-8"
    en_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen ||
        echo 'fr_FR.UTF-8 UTF-8' | en_root tee -a /etc/locale.gen >/dev/null
    en_root locale-gen
fi

options=()
if [ -n "${CI:-}" ]; then options+=(-DORVALINE_WERROR=ON); fi
cmake --preset default "${options[@]}"
cmake --build --preset default -j "$(nproc)"
