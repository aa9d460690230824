// SPDX-License-Identifier: GPL-3.0-or-later
// A stand-in for the desktop calculator: one ordinary window, until it is told to end.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel fenetre(QStringLiteral("0"));
    fenetre.setWindowTitle(QStringLiteral("Calculette d'essai"));
    fenetre.resize(240, 160);
    fenetre.show();
    return app.exec();
}
