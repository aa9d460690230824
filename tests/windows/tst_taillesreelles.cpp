// SPDX-License-Identifier: GPL-3.0-or-later
// Our windows on real screens, measured by the display server rather than by what the toolkit
// believes: on X under openbox (ecran_reel.sh), and under sway, a Wayland compositor that draws
// the title bars itself (ecran_wayland.sh).
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

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

// The window a dialog tells the display server it belongs to.
QString parentDe(const QWidget* w) {
    if (QGuiApplication::platformName() == u"xcb")
        return propriete(hexa(w->winId()), QStringLiteral("WM_TRANSIENT_FOR"));
    const QWindow* p = w->windowHandle()->transientParent();
    return p ? hexa(p->winId()) : QString();
}

// The compositor's view of the window titled `titre`, from sway's tree; empty when absent.
QJsonObject vue(const QString& titre) {
    QProcess p;
    p.start(QStringLiteral("swaymsg"),
            {QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_tree")});
    if (!p.waitForFinished(3000)) return {};
    QList<QJsonObject> aVoir{QJsonDocument::fromJson(p.readAllStandardOutput()).object()};
    while (!aVoir.isEmpty()) {
        const QJsonObject n = aVoir.takeLast();
        if (n.value(QStringLiteral("name")).toString() == titre &&
            n.contains(QStringLiteral("app_id")))
            return n;
        for (const char* cle : {"nodes", "floating_nodes"})
            for (const auto& v : n.value(QLatin1String(cle)).toArray())
                aVoir << v.toObject();
    }
    return {};
}

// Waits for the window to settle within `marge` pixels of the size `attendu`, then says where
// it is: under X its outer rectangle, under sway its client area. On time-out the last measure
// stands, and the caller's checks say what it was.
QRect mesurer(const QWidget* fenetre, QSize attendu, int marge) {
    QRect r;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            if (QGuiApplication::platformName() == u"xcb") {
                r = exterieurSelonX(fenetre);
            } else {
                const QJsonObject c =
                    vue(fenetre->windowTitle()).value(QStringLiteral("window_rect")).toObject();
                r.setSize({c.value(QStringLiteral("width")).toInt(),
                           c.value(QStringLiteral("height")).toInt()});
            }
            return qAbs(r.width() - attendu.width()) <= marge &&
                   qAbs(r.height() - attendu.height()) <= marge;
        },
        8000));
    return r;
}

} // namespace

class TestTaillesReelles : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;
    bool m_x = false;

private slots:
    void initTestCase() {
        m_x = QGuiApplication::platformName() == u"xcb";
        if (!m_x && !QGuiApplication::platformName().startsWith(u"wayland"))
            QSKIP("needs a real screen (run through ecran_reel.sh or ecran_wayland.sh)");
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

    // Under X the designed outer size, centred; under Wayland the client area the window has
    // under openbox's thin frame. A dialog, and a message from the calendar, also tell the
    // server (WM_TRANSIENT_FOR, the toplevel's parent) that they belong to the window that
    // opened them, not to a hidden stand-in.
    void tailles_data() {
        test::colonnes<QString, int, int, QSize>({"fenetre", "largeur", "hauteur", "client"});
        ligne("fenêtre principale", "main", 8500, 5950, QSize(565, 376));
        ligne("calendrier", "calend", 9200, 6100, QSize(611, 386));
        ligne("options", "confopt", 8800, 6200, QSize(585, 392));
    }
    void tailles() {
        QFETCH(QString, fenetre);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        QFETCH(QSize, client);
        const QSize attendu = m_x ? QSize(px(largeur), px(hauteur)) : client;
        const int marge = m_x ? 1 : 2;
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QRect r;
        if (fenetre == u"main") {
            r = mesurer(&f, attendu, marge);
        } else {
            QString parent, calendrier, message;
            test::quandModal(fenetre, [&](QWidget* w) {
                r = mesurer(w, attendu, marge);
                parent = parentDe(w);
                if (fenetre == u"calend") {
                    const QString capture = qEnvironmentVariable("ORVALINE_CAPTURE");
                    if (!capture.isEmpty()) {
                        // Our windows keep answering the compositor while it draws them.
                        QTest::qWait(500);
                        QProcess grim;
                        grim.start(QStringLiteral("grim"), {capture});
                        static_cast<void>(QTest::qWaitFor(
                            [&] { return grim.state() == QProcess::NotRunning; }, 5000));
                    }
                    // A message opened from the calendar belongs to the calendar.
                    calendrier = hexa(w->winId());
                    test::quandModal(QStringLiteral("usermsgbox"), [&](QWidget* m) {
                        QVERIFY(QTest::qWaitForWindowExposed(m));
                        message = parentDe(m);
                        m->close();
                    });
                    affichermessage(QStringLiteral("Essai"), 4, 1, QStringLiteral("Essai"), 0);
                }
                w->close();
            });
            if (fenetre == u"calend")
                FenetreCalendrier::instance().ouvrir();
            else
                ConfOpt::instance().ouvrir();
            QVERIFY2(parent.contains(hexa(f.winId())), qPrintable(parent));
            QVERIFY2(message.contains(calendrier),
                     qPrintable(message + QStringLiteral(" / ") + calendrier));
        }
        QString vu;
        QDebug(&vu) << r;
        QVERIFY2(qAbs(r.width() - attendu.width()) <= marge, qPrintable(vu));
        QVERIFY2(qAbs(r.height() - attendu.height()) <= marge, qPrintable(vu));
        if (!m_x) return;
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        // Centred: as much room on the left as on the right, above as below.
        QVERIFY2(qAbs(r.left() - ecran.left() - (ecran.right() - r.right())) <= 2, qPrintable(vu));
        QVERIFY2(qAbs(r.top() - ecran.top() - (ecran.bottom() - r.bottom())) <= 2, qPrintable(vu));
    }

    // The calculator started earlier comes back to the front rather than a second copy.
    void calculatriceRamenee() {
        if (!m_x) QSKIP("the window manager's view of the active window is X's");
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

    // sway keeps a dialog over a full-screen window only when the dialog belongs to it;
    // any other window is hidden behind, or ends the full screen.
    void calendrierResteDevant() {
        if (m_x) QSKIP("the compositor's tree is sway's");
        FenetrePrincipale f;
        f.charger();
        f.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_COMPARE_WITH_TIMEOUT(
            vue(f.windowTitle()).value(QStringLiteral("fullscreen_mode")).toInt(), 1, 8000);
        bool montre = false, pleinEcran = false;
        test::quandModal(QStringLiteral("calend"), [&](QWidget* w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            // The user goes back to the main window.
            f.raise();
            f.activateWindow();
            QTest::qWait(300);
            montre = QTest::qWaitFor(
                [&] { return vue(w->windowTitle()).value(QStringLiteral("visible")).toBool(); },
                5000);
            pleinEcran = vue(f.windowTitle()).value(QStringLiteral("fullscreen_mode")).toInt() == 1;
            w->close();
        });
        FenetreCalendrier::instance().ouvrir();
        QVERIFY(montre);
        QVERIFY(pleinEcran);
    }
};

QTEST_MAIN(TestTaillesReelles)
#include "tst_taillesreelles.moc"
