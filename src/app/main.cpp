// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/polices.h"
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
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/orvaline.svg")));
    installerPolices();
    // Qt's own dialogs (the file chooser) speak French like the rest of the program.
    QTranslator traductionQt;
    if (traductionQt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traductionQt);

    // Both windows live as long as the program; the main window is created when the
    // start-up window hands over.
    QPointer<FenetrePrincipale> principale;
    NumVer* demarrage = nullptr;
    demarrage = new NumVer([&] {
        principale = new FenetrePrincipale;
        principale->afficherVersion = [&] { demarrage->afficherVersion(); };
        principale->charger();
        principale->show();
        principale->activateWindow();
    });
    demarrage->show();
    return app.exec();
}
