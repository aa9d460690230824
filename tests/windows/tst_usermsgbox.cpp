// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own message box: layout, buttons, answers and Esc.
#include "faux.h"
#include "lignes.h"
#include "shared/libcalc.h"
#include "windows/common/twips.h"
#include "windows/msgbox/affichermessage.h"
#include "windows/msgbox/dispositionmessage.h"
#include "windows/msgbox/usermsgbox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>

using namespace orvaline;
using test::ligne;

namespace {
// Runs `action` on the box once it is up and active, in the box's own event loop.
void pendantLaBoite(const std::function<void(UserMsgBox&)>& action) {
    test::quandModal(QStringLiteral("usermsgbox"), [action](QWidget* boite) {
        static_cast<void>(QTest::qWaitForWindowActive(boite));
        action(*static_cast<UserMsgBox*>(boite));
    });
}

QPushButton* bouton(UserMsgBox& b, int i) {
    return b.findChild<QPushButton*>(QStringLiteral("com_bout(%1)").arg(i));
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
        ligne("un Ok, texte court", 1500, 2000, 1, 3255);
        ligne("Oui/Non plus larges que le texte", 1500, 2000, 3, 5430);
        ligne("titre impair", 1500, 7001, 2, 7001);
        ligne("texte replié à la largeur maximale", 20000, 2000, 2, 13560);
        ligne("titre plus large qu'un texte replié", 20000, 15001, 1, 15001);
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

    // The box is reused: each message is measured afresh, so a long one after a wrapped one
    // wraps too and shows whole, and a short one after it is as small as at first.
    void suiteDeMessages_data() {
        QString long_, autreLong;
        for (int i = 0; i < 40; ++i) {
            long_ += QStringLiteral("mot%1 ").arg(i);
            autreLong += QStringLiteral("autre%1 ").arg(i);
        }
        const QString court = QStringLiteral("Division par Zéro. ");
        test::colonnes<QStringList, QString>({"textes", "replies"});
        ligne("court, long, court", QStringList{court, long_, court}, "010");
        ligne("deux longs de suite", QStringList{long_, autreLong, court}, "110");
        ligne("long sur plusieurs lignes", QStringList{court, long_ + u'\n' + autreLong}, "01");
    }
    void suiteDeMessages() {
        QFETCH(QStringList, textes);
        QFETCH(QString, replies);
        QList<QSize> tailles;
        QString vus;
        for (const QString& texte : textes) {
            pendantLaBoite([&](UserMsgBox& b) {
                const bool replie = b.disposition().renvoiLigne;
                tailles << b.frameGeometry().size();
                auto* l = b.findChild<QLabel*>(QStringLiteral("libelles"));
                vus += QString::number(int(replie));
                // Shown whole: the label is as tall as its text needs and fits in the box.
                if (replie) {
                    QVERIFY(l->height() > 2 * l->fontMetrics().height());
                    QVERIFY(l->height() >= l->heightForWidth(l->width()));
                    QVERIFY(l->geometry().right() < b.width());
                    QVERIFY(l->geometry().bottom() < bouton(b, 1)->y());
                } else {
                    QCOMPARE(l->width(), l->sizeHint().width());
                }
                bouton(b, 1)->click();
            });
            affichermessage(texte, 3, 1, QStringLiteral("Orvaline"));
        }
        QCOMPARE(vus, replies);
        if (textes.first() == textes.last()) QCOMPARE(tailles.last(), tailles.first());
    }
};

QTEST_MAIN(TestUserMsgBox)
#include "tst_usermsgbox.moc"
