// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window: the yardstick for Orvaline's start-up time and memory.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.resize(260, 173);
    fenetre.show();
    return app.exec();
}
