// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modulefenetres.h"
#include "app/terminal.h"

// The program answers in the terminal with Qt Core alone; only the windows load Qt Widgets.
int main(int argc, char* argv[]) {
    if (const auto code = orvaline::repondreDansTerminal(argc, argv)) return *code;
    return orvaline::ouvrirFenetres(argc, argv);
}
