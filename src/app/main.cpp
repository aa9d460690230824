// SPDX-License-Identifier: GPL-3.0-or-later
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

const char* const essayez = "Essayez « orvaline --help ».\n";

struct LigneDeCommande {
    QCommandLineParser parseur;
    LigneDeCommande() {
        parseur.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                             QStringLiteral("Affiche cette aide et quitte.")));
        parseur.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                                             QStringLiteral("Affiche la version et quitte.")));
    }
};

// --help and --version answer on the terminal, with no display needed, before any window or
// the single-copy lock. -1 means: start the program.
int repondreSansFenetre(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTranslator traduction;
    traduireQt(traduction);
    LigneDeCommande ligne;
    // Qt's own options (-platform ...) are only known to the window system's application, so
    // single-dash errors wait for the second reading; a long option is ours or wrong.
    const QStringList arguments = QCoreApplication::arguments();
    ligne.parseur.parse(arguments);
    for (const QString& a : arguments.mid(1))
        if (a.startsWith(u"--") && a != u"--" && a != u"--help" && a != u"--version") {
            std::fprintf(stderr, "orvaline : option inconnue « %s ».\n%s", qPrintable(a), essayez);
            return 2;
        }
    if (ligne.parseur.isSet(QStringLiteral("help"))) {
        std::fputs("Utilisation : orvaline [options]\n"
                   "Orvaline, calculatrice de dates et de durées.\n\n"
                   "Options :\n"
                   "  -h, --help     Affiche cette aide et quitte.\n"
                   "  -v, --version  Affiche la version et quitte.\n",
                   stdout);
        return 0;
    }
    if (ligne.parseur.isSet(QStringLiteral("version"))) {
        std::printf("Orvaline %s\n", qPrintable(versionTexte()));
        return 0;
    }
    return -1;
}
} // namespace

int main(int argc, char* argv[]) {
    if (const int code = repondreSansFenetre(argc, argv); code >= 0) return code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvaline"));
    QApplication::setApplicationVersion(versionTexte());
    LigneDeCommande ligne;
    if (!ligne.parseur.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "orvaline : %s\n%s", qPrintable(ligne.parseur.errorText()), essayez);
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
