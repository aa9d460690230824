// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window: the yardstick for Orvaline's start-up time and memory.
//   fenetrenue            an empty window of the start-up window's size
//   fenetrenue --texte    a window of the main window's size showing one line of text
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("Fenêtre nue"));
    fenetre.resize(260, 173);
    if (argc > 1 && std::strcmp(argv[1], "--texte") == 0) {
        fenetre.resize(567, 397);
        auto* texte = new QLabel(QStringLiteral("Calculatrice de Temps"), &fenetre);
        texte->move(20, 20);
    }
    fenetre.show();
    return app.exec();
}
