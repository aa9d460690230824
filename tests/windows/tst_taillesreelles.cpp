// SPDX-License-Identifier: GPL-3.0-or-later
// On a real X screen under a window manager: each window's outer size, frame included, is
// the designed one, and the window stands in the middle of the screen. Measured from the X
// server, not from what the toolkit believes. Also: the main window, once drawn, has brought in
// neither an image-format plugin nor the style-sheet machinery (each costs memory at start).
#include "faux.h"
#include "lignes.h"
#include "shared/fenetres.h"
#include "shared/libcalc.h"
#include "shared/twips.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/styleorvaline.h"
#include "windows/main/fenetreprincipale.h"
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

// The outer rectangle of a window as the X server has it: the client's place and size,
// widened by the frame the window manager announces. Empty until the window is framed.
QRect exterieurSelonX(const QWidget* fenetre) {
    const QString id = QString::number(fenetre->winId());
    const QString extents = sortie(
        QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QRegularExpressionMatch c =
        QRegularExpression(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)")).match(extents);
    if (!c.hasMatch()) return {};
    const QString info = sortie(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    auto valeur = [&](const char* cle) {
        return QRegularExpression(QString::fromLatin1(cle) + QStringLiteral(":\\s+(-?\\d+)"))
            .match(info)
            .captured(1)
            .toInt();
    };
    const int gauche = c.captured(1).toInt(), droite = c.captured(2).toInt();
    const int haut = c.captured(3).toInt(), bas = c.captured(4).toInt();
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
        libcalc().chemin_appli = m_dossier.path();
    }

    // Runs first: the other windows may load what the main window must not.
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
    void tailles() {
        QFETCH(QString, fenetre);
        QFETCH(int, largeur);
        QFETCH(int, hauteur);
        const QSize attendu(px(largeur), px(hauteur));
        QRect r;
        if (fenetre == u"main") {
            FenetrePrincipale f;
            f.charger();
            f.show();
            r = mesurer(&f, attendu);
        } else {
            test::quandModal(fenetre, [&](QWidget* w) {
                r = mesurer(w, attendu);
                w->close();
            });
            if (fenetre == u"calend")
                FenetreCalendrier::instance().executer();
            else
                ConfOpt::instance().executer();
        }
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        const QString vu = QStringLiteral("%1 x %2 en %3, %4")
                               .arg(r.width())
                               .arg(r.height())
                               .arg(r.x())
                               .arg(r.y());
        QVERIFY2(qAbs(r.width() - attendu.width()) <= 1, qPrintable(vu));
        QVERIFY2(qAbs(r.height() - attendu.height()) <= 1, qPrintable(vu));
        // Centred: as much room on the left as on the right, above as below.
        QVERIFY2(qAbs(r.left() - ecran.left() - (ecran.right() - r.right())) <= 2, qPrintable(vu));
        QVERIFY2(qAbs(r.top() - ecran.top() - (ecran.bottom() - r.bottom())) <= 2, qPrintable(vu));
    }
};

QTEST_MAIN(TestTaillesReelles)
#include "tst_taillesreelles.moc"
