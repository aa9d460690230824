// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own message box: layout, buttons, answers and Esc.
#include "faux.h"
#include "lignes.h"
#include "shared/libcalc.h"
#include "windows/common/twips.h"
#include "windows/msgbox/affichermessage.h"
#include "windows/msgbox/disposition.h"
#include "windows/msgbox/usermsgbox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace orvaline;
using test::ligne;

namespace {
// Runs `action` on the box once it is up and active, in the box's own event loop. A box that
// does not come up is closed, so that the test fails on its checks instead of hanging.
void pendantLaBoite(std::function<void(UserMsgBox&)> action) {
    test::quandModal(QStringLiteral("usermsgbox"), [action](QWidget* boite) {
        static_cast<void>(QTest::qWaitForWindowActive(boite));
        action(*static_cast<UserMsgBox*>(boite));
    });
}

QPushButton* bouton(UserMsgBox& b, int i) {
    return b.findChild<QPushButton*>(QStringLiteral("com_bout(%1)").arg(i));
}
QLabel* label(UserMsgBox& b, const QString& nom) {
    return b.findChild<QLabel*>(nom);
}
} // namespace

class TestUserMsgBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::installerFaux(); }

    // The width follows the text, the title or the buttons; the buttons stand symmetric about
    // the middle (to a twip for an odd width).
    void disposition_data() {
        test::colonnes<int, int, int, int>({"texte", "titre", "jeu", "largeur"});
        ligne("un Ok", 1500, 2000, 1, 3255);
        ligne("Oui/Non", 1500, 2000, 3, 5430);
        ligne("titre impair", 1500, 7001, 2, 7001);
    }
    void disposition() {
        QFETCH(int, texte);
        QFETCH(int, titre);
        QFETCH(int, jeu);
        const DispositionMessage d = disposerMessage(texte, 300, titre, jeu);
        QTEST(d.largeur, "largeur");
        QCOMPARE(d.renvoiLigne, texte > 12000);
        const int gauche = jeu == 1 ? d.gaucheBouton1 : d.gaucheImage1;
        const int droite = (jeu == 1 ? d.gaucheBouton1 : d.gaucheBouton2) + msgLargeurBouton;
        QVERIFY(qAbs(gauche - (d.largeur - droite)) <= 1);
    }

    void reponses_data() {
        // legendes: of the buttons on show
        // clic: 1 or 2, 0 for Esc, 3 for Enter on the focused button
        test::colonnes<int, QString, int, int>({"jeu", "legendes", "clic", "reponse"});
        ligne("Ok par Échap", 1, "Ok", 0, 1);
        ligne("jeu 0 vaut 1", 0, "Ok", 1, 1);
        ligne("Ok/Annuler : Annuler", 2, "Ok|Annuler", 2, 0);
        ligne("Oui/Non : Échap", 3, "Oui|Non", 0, 0);
        ligne("Entrée sur Non", 3, "Oui|Non", 3, 0);
        ligne("jeu 9 vaut 5", 9, "Option 1|Option 2", 1, 1);
    }
    void reponses() {
        QFETCH(int, jeu);
        QFETCH(int, clic);
        QFETCH(int, reponse);
        QStringList vus;
        QString focus;
        pendantLaBoite([&](UserMsgBox& b) {
            for (int i : {1, 2})
                if (bouton(b, i)->isVisible()) vus << bouton(b, i)->text();
            focus =
                QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            if (clic == 0)
                QTest::keyClick(&b, Qt::Key_Escape);
            else if (clic == 3)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            else
                bouton(b, clic)->click();
        });
        const qint16 r = affichermessage(QStringLiteral("  Voulez-vous continuer ?  "), 2,
                                         qint16(jeu), QStringLiteral("Question"));
        QCOMPARE(int(r), reponse);
        QCOMPARE(libcalc().param_msg[1], QString::number(reponse));
        QTEST(vus.join(u'|'), "legendes");
        // The focus starts on the second button, or on the single "Ok".
        QCOMPARE(focus, QStringLiteral("com_bout(%1)").arg(vus.size()));
    }

    // The box is reused: a short message after a wrapped one is measured afresh.
    void texteRepliepuisCourt() {
        QString long_;
        for (int i = 0; i < 40; ++i)
            long_ += QStringLiteral("mot%1 ").arg(i);
        const QString court = QStringLiteral("Division par Zéro. ");
        QList<DispositionMessage> d;
        QList<QSize> tailles;
        int hauteurLabel = 0;
        for (const QString& texte : {court, long_, court}) {
            pendantLaBoite([&](UserMsgBox& b) {
                d << b.disposition();
                tailles << b.frameGeometry().size();
                if (texte == long_) hauteurLabel = label(b, QStringLiteral("libelles"))->height();
                bouton(b, 1)->click();
            });
            affichermessage(texte, 3, 1, QStringLiteral("Orvaline"));
        }
        QCOMPARE(d.size(), 3);
        QVERIFY(!d[0].renvoiLigne && d[1].renvoiLigne && !d[2].renvoiLigne);
        QVERIFY(hauteurLabel > QFontMetrics(QFont()).height()); // more than one line
        QCOMPARE(d[1].hauteur, hauteurLabel * twipsParPixel + 2000);
        QCOMPARE(d[2].largeur, d[0].largeur);
        QCOMPARE(d[2].hauteur, d[0].hauteur);
        QCOMPARE(tailles[2], tailles[0]);
        QVERIFY(tailles[1].width() > tailles[0].width());
    }
};

QTEST_MAIN(TestUserMsgBox)
#include "tst_usermsgbox.moc"
