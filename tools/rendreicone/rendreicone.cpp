// SPDX-License-Identifier: GPL-3.0-or-later
// rendreicone SVG SIZE PNG: draws a square picture of SIZE pixels from the SVG, for the
// bitmap icons of the package. Runs at build time, without a display.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int taille = args.size() == 4 ? args[2].toInt() : 0;
    QSvgRenderer rendu(args.value(1));
    if (taille <= 0 || !rendu.isValid()) {
        std::fprintf(stderr, "usage : rendreicone image.svg taille image.png\n");
        return 1;
    }
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter peintre(&image);
    rendu.render(&peintre);
    peintre.end();
    return image.save(args[3], "PNG") ? 0 : 1;
}
