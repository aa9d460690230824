// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/startup/demarrerfenetres.h"

#include "shared/libcalc.h"
#include "windows/common/accessibilite.h"
#include "windows/common/images.h"
#include "windows/common/polices.h"
#include "windows/common/styleorvaline.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/startup/numver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <cstdio>

using namespace orvaline;

namespace {
void traduireQt(QTranslator& traduction) {
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction);
}
} // namespace

int orvaline_demarrer_fenetres(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvaline"));
    QApplication::setApplicationVersion(versionTexte());
    // The terminal's options were read before the module was loaded; what is left to refuse
    // is a single-dash option that Qt's window system does not know either.
    QCommandLineParser parseur;
    parseur.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    parseur.addOption(
        QCommandLineOption(QStringList{QStringLiteral("v"), QStringLiteral("version")}));
    if (!parseur.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "orvaline : %s\nEssayez « orvaline --help ».\n",
                     qPrintable(parseur.errorText()));
        return 2;
    }
    installerAccessibilite();
    QApplication::setStyle(new StyleOrvaline);

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
        traduireQt(traductionQt);
        principale = new FenetrePrincipale;
        principale->afficherVersion = [&] { demarrage->afficherVersion(); };
        principale->charger();
        principale->show();
        principale->activateWindow();
    });
    demarrage->show();
    return app.exec();
}
