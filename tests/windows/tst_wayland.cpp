// SPDX-License-Identifier: GPL-3.0-or-later
// Under a Wayland compositor that draws the title bars itself (sway, run by ecran_wayland.sh):
// each window gets the client area it has under a thin X11 frame, as the compositor measures
// it; each dialog is tied to the window that opened it; and the compositor keeps an open
// calendar shown over its full-screen parent.
#include "faux.h"
#include "lignes.h"
#include "shared/initialisation.h"
#include "shared/libcalc.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/styleorvaline.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace orvaline;
using test::ligne;

namespace {
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
            for (const QJsonValue& v : n.value(QLatin1String(cle)).toArray())
                aVoir << v.toObject();
    }
    return {};
}

// The client area the compositor gives the window: `attendue` once it has settled within two
// pixels of it, else the last size it reported.
QSize zoneClient(const QWidget* fenetre, QSize attendue) {
    QSize vu;
    const bool proche = QTest::qWaitFor(
        [&] {
            const QJsonObject r =
                vue(fenetre->windowTitle()).value(QStringLiteral("window_rect")).toObject();
            vu = QSize(r.value(QStringLiteral("width")).toInt(),
                       r.value(QStringLiteral("height")).toInt());
            return qAbs(vu.width() - attendue.width()) <= 2 &&
                   qAbs(vu.height() - attendue.height()) <= 2;
        },
        8000);
    return proche ? attendue : vu;
}
} // namespace

class TestWayland : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;

private slots:
    void initTestCase() {
        if (!QGuiApplication::platformName().startsWith(u"wayland"))
            QSKIP("needs a Wayland compositor (run through ecran_wayland.sh)");
        QApplication::setStyle(new StyleOrvaline);
        test::installerFaux();
        initialisation();
        libcalc().chemin_appli = m_dossier.path();
    }

    // The client areas that the same windows get under openbox.
    void zonesClient_data() {
        test::colonnes<QString, QSize>({"fenetre", "attendue"});
        ligne("fenêtre principale", "main", QSize(565, 376));
        ligne("calendrier", "calend", QSize(611, 386));
        ligne("options", "confopt", QSize(585, 392));
    }
    void zonesClient() {
        QFETCH(QString, fenetre);
        QFETCH(QSize, attendue);
        FenetrePrincipale f;
        f.charger();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QSize vu;
        QWindow* parent = nullptr;
        if (fenetre == u"main") {
            vu = zoneClient(&f, attendue);
        } else {
            test::quandModal(fenetre, [&](QWidget* w) {
                vu = zoneClient(w, attendue);
                parent = w->windowHandle()->transientParent();
                const QByteArray capture = qgetenv("ORVALINE_CAPTURE");
                if (fenetre == u"calend" && !capture.isEmpty()) {
                    // Our windows keep answering the compositor while it draws them.
                    QTest::qWait(500);
                    QProcess grim;
                    grim.start(QStringLiteral("grim"), {QFile::decodeName(capture)});
                    static_cast<void>(QTest::qWaitFor(
                        [&] { return grim.state() == QProcess::NotRunning; }, 5000));
                }
                w->close();
            });
            if (fenetre == u"calend")
                FenetreCalendrier::instance().ouvrir();
            else
                ConfOpt::instance().ouvrir();
            QCOMPARE(parent, f.windowHandle());
        }
        QCOMPARE(vu, attendue);
    }

    // sway keeps a dialog over a full-screen window only when the dialog belongs to it;
    // any other window is hidden behind, or ends the full screen.
    void calendrierResteDevant() {
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

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
