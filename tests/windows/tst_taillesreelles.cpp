// SPDX-License-Identifier: GPL-3.0-or-later
// Our windows on a real X screen under a window manager, measured from the X server rather
// than from what the toolkit believes.
#include "faux.h"
#include "lignes.h"
#include "platform/lanceurprocessus.h"
#include "platform/services.h"
#include "shared/initialisation.h"
#include "shared/lanceurs.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/fenetres.h"
#include "windows/common/styleorvaline.h"
#include "windows/common/twips.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/msgbox/affichermessage.h"
#include "windows/options/confopt.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace orvaline;
using test::ligne;

namespace {
QString sortie(const QString& programme, const QStringList& arguments) {
    QProcess p;
    p.start(programme, arguments);
    p.waitForFinished(3000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// A window property as xprop prints it after its "=" or "#", "" when it is not set.
// The root window is named "root".
QString propriete(const QString& fenetre, const QString& nom) {
    const QStringList cible = fenetre == u"root" ? QStringList{QStringLiteral("-root")}
                                                 : QStringList{QStringLiteral("-id"), fenetre};
    const QString ligne = sortie(QStringLiteral("xprop"), cible + QStringList{nom});
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("[=#] (.*)$")).match(ligne.trimmed());
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

// The window the window manager has made active, in xprop's 0x... notation.
QString fenetreActive() {
    return propriete(QStringLiteral("root"), QStringLiteral("_NET_ACTIVE_WINDOW"));
}

// The managed window titled `titre`, "" when there is none.
QString fenetreTitree(const QString& titre) {
    const QString liste = propriete(QStringLiteral("root"), QStringLiteral("_NET_CLIENT_LIST"));
    for (const QString& id : liste.split(QStringLiteral(", "), Qt::SkipEmptyParts))
        if (propriete(id, QStringLiteral("WM_NAME")) == titre) return id;
    return {};
}

QString hexa(WId id) {
    return QStringLiteral("0x") + QString::number(id, 16);
}

// The outer rectangle of a window as the X server has it: the client's place and size,
// widened by the frame the window manager announces. Empty until the window is framed.
QRect exterieurSelonX(const QWidget* fenetre) {
    const QString id = hexa(fenetre->winId());
    const QStringList c = propriete(id, QStringLiteral("_NET_FRAME_EXTENTS")).split(u',');
    if (c.size() != 4) return {};
    const QString info = sortie(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    auto valeur = [&](const char* cle) {
        return QRegularExpression(QString::fromLatin1(cle) + QStringLiteral(":\\s+(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    const int gauche = c[0].toInt(), droite = c[1].toInt(), haut = c[2].toInt(), bas = c[3].toInt();
    return QRect(valeur("Absolute upper-left X") - gauche, valeur("Absolute upper-left Y") - haut,
                 valeur("Width") + gauche + droite, valeur("Height") + haut + bas);
}

// Waits for the window to settle on the designed outer size, then says where it is.
QRect mesurer(const QWidget* fenetre, QSize attendu) {
    QRect r;
    // On time-out the last measure stands, and the caller's checks say what it was.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            r = exterieurSelonX(fenetre);
            return qAbs(r.width() - attendu.width()) <= 1 &&
                   qAbs(r.height() - attendu.height()) <= 1;
        },
        8000));
    return r;
}

} // namespace

class TestTaillesReelles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != u"xcb")
            QSKIP("needs an X screen with a window manager (run through ecran_reel.sh)");
        QApplication::setStyle(new StyleOrvaline);
        test::installerFaux();
        initialisation();
        libcalc().saut_ligne = QStringLiteral("\r\n");
        libcalc().chemin_appli = m_dossier.path();
    }

    // The main window, once drawn, has brought in neither an image-format plugin nor the
    // style-sheet machinery: each costs memory at start. Runs first: the other windows may.
    void premiereFenetreLegere() {
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.grab(); // everything painted, the hidden frame included
        QFile cartes(QStringLiteral("/proc/self/maps"));
        QVERIFY(cartes.open(QIODevice::ReadOnly));
        const QByteArray chargees = cartes.readAll();
        QVERIFY2(!chargees.contains("/imageformats/"), "extension d'images chargée");
        for (const QWidget* w : f.findChildren<QWidget*>())
            QVERIFY2(qstrcmp(w->style()->metaObject()->className(), "QStyleSheetStyle") != 0,
                     qPrintable(w->objectName()));
    }

    void tailles_data() {
        test::colonnes<QString, int, int>({"fenetre", "largeur", "hauteur"});
        ligne("fenêtre principale", "main", 8500, 5950);
        ligne("calendrier", "calend", 9200, 6100);
        ligne("options", "confopt", 8800, 6200);
    }
    // A dialog also tells the window manager, in WM_TRANSIENT_FOR, that it belongs to the
    // window that opened it, not to a hidden stand-in.
    void tailles() {
        QFETCH(QString, fenetre);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        const QSize attendu(px(largeur), px(hauteur));
        FenetrePrincipale f;
        f.charger();
        f.show();
        QRect r;
        if (fenetre == u"main") {
            r = mesurer(&f, attendu);
        } else {
            QString parent;
            test::quandModal(fenetre, [&](QWidget* w) {
                r = mesurer(w, attendu);
                parent = propriete(hexa(w->winId()), QStringLiteral("WM_TRANSIENT_FOR"));
                w->close();
            });
            if (fenetre == u"calend")
                FenetreCalendrier::instance().ouvrir();
            else
                ConfOpt::instance().ouvrir();
            QVERIFY2(parent.contains(hexa(f.winId())), qPrintable(parent));
        }
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QString vu;
        QDebug(&vu) << r;
        QVERIFY2(qAbs(r.width() - attendu.width()) <= 1, qPrintable(vu));
        QVERIFY2(qAbs(r.height() - attendu.height()) <= 1, qPrintable(vu));
        // Centred: as much room on the left as on the right, above as below.
        QVERIFY2(qAbs(r.left() - ecran.left() - (ecran.right() - r.right())) <= 2, qPrintable(vu));
        QVERIFY2(qAbs(r.top() - ecran.top() - (ecran.bottom() - r.bottom())) <= 2, qPrintable(vu));
    }

    // A message opened from the calendar belongs to the calendar.
    void messageDuCalendrier() {
        QString attendu, vu;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* calendrier) {
            attendu = hexa(calendrier->winId());
            test::quandModal(QStringLiteral("usermsgbox"), [&](QWidget* w) {
                QVERIFY(QTest::qWaitForWindowExposed(w));
                vu = propriete(hexa(w->winId()), QStringLiteral("WM_TRANSIENT_FOR"));
                w->close();
            });
            affichermessage(QStringLiteral("Essai"), 4, 1, QStringLiteral("Essai"), 0);
            calendrier->close();
        });
        FenetreCalendrier::instance().ouvrir();
        QVERIFY2(vu.contains(attendu), qPrintable(vu + QStringLiteral(" / ") + attendu));
    }

    // The calculator started earlier comes back to the front rather than a second copy.
    void calculatriceRamenee() {
        // Every name the launcher looks for stands for the test's calculator, so that one
        // installed on the machine is never found first.
        QTemporaryDir chemin;
        for (const QString& nom : calculatrices())
            QVERIFY(QFile::link(QStringLiteral(CALCULETTE), chemin.filePath(nom)));
        const QByteArray ancienChemin = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(chemin.path()) + ':' + ancienChemin);
        plateforme::installer(std::make_unique<LanceurProcessus>());
        const QString titre = QStringLiteral("\"Calculette d'essai\"");

        lancercalculatrice(1);
        QString calculette;
        QTRY_VERIFY_WITH_TIMEOUT(!(calculette = fenetreTitree(titre)).isEmpty(), 8000);
        const QString pid = propriete(calculette, QStringLiteral("_NET_WM_PID"));

        QWidget devant;
        devant.setWindowTitle(QStringLiteral("Devant"));
        devant.resize(400, 300);
        devant.show();
        devant.activateWindow();
        QTRY_COMPARE_WITH_TIMEOUT(fenetreActive(), hexa(devant.winId()), 8000);

        lancercalculatrice(1);
        const bool ramenee = QTest::qWaitFor([&] { return fenetreActive() == calculette; }, 8000);
        const QString pidDevant = propriete(fenetreActive(), QStringLiteral("_NET_WM_PID"));
        fermerCalculatrice();
        qputenv("PATH", ancienChemin);
        test::installerFaux();
        QVERIFY2(ramenee, qPrintable(propriete(fenetreActive(), QStringLiteral("WM_NAME"))));
        QCOMPARE(pidDevant, pid); // the same copy, not a second one
    }
};

QTEST_MAIN(TestTaillesReelles)
#include "tst_taillesreelles.moc"
