// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/retourmodal.h"

#include <utility>

namespace orvaline {

namespace {
std::function<void()> g_activation;
} // namespace

void definirRetourModal(std::function<void()> activation) {
    g_activation = std::move(activation);
}

void retourModal() {
    if (g_activation) g_activation();
}

} // namespace orvaline
