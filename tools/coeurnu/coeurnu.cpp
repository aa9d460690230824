// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt Core program that writes one date: the yardstick for the time of one calculation
// in the terminal (tools/mesurer-terminal.sh).
#include <QDate>
#include <cstdio>

int main() {
    std::puts(qPrintable(QDate(2024, 1, 31).addMonths(1).toString(Qt::ISODate)));
}
