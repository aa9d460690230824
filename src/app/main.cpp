// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/polices.h"
#include "windows/common/images.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/startup/numver.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

using namespace orvaline;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvaline"));
    QApplication::setApplicationVersion(QStringLiteral("1.3"));
    // Drawn once here: an icon read from the SVG file would load every image-format plugin.
    QIcon icone;
    for (int cote : {32, 64})
        icone.addPixmap(imageSvg(QStringLiteral("orvaline"), QSize(cote, cote)));
    QApplication::setWindowIcon(icone);
    installerPolices();
    QTranslator traductionQt;

    // Both windows live as long as the program; the main window is created when the
    // start-up window hands over.
    QPointer<FenetrePrincipale> principale;
    NumVer* demarrage = nullptr;
    demarrage = new NumVer([&] {
        // Qt's own texts (field menus, the file chooser) speak French like the rest of the
        // program; the start-up window shows none of them, so they are read only now.
        if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"),
                              QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&traductionQt);
        principale = new FenetrePrincipale;
        principale->afficherVersion = [&] { demarrage->afficherVersion(); };
        principale->charger();
        principale->show();
        principale->activateWindow();
    });
    demarrage->show();
    return app.exec();
}
