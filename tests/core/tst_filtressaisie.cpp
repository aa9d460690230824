// SPDX-License-Identifier: GPL-3.0-or-later
// The filters of the date and number fields, and the numbers they read and step.
#include "core/filtressaisie.h"
#include "core/nombres.h"
#include "lignes.h"

#include <QTest>
#include <limits>

using namespace orvaline;
using namespace Qt::StringLiterals;

namespace {

const QDate aujourdhui(2026, 6, 15);

// Stands for "the field is left alone".
const char* const inchange = "<inchangé>";

QString u8(const char* texte) {
    return QString::fromUtf8(texte);
}

// The key a character is typed with, as a key release reports it.
int toucheDe(QChar c) {
    if (c.isDigit()) return Qt::Key_0 + c.digitValue();
    if (c.isLetter()) return Qt::Key_A + (c.toUpper().unicode() - u'A');
    return c == u'/' ? Qt::Key_Slash : c == u' ' ? Qt::Key_Space : Qt::Key_unknown;
}

// Types each character at the caret, over the selection if there is one, and runs the date
// filter on its release, like a user typing into an empty field; gives the text after each
// release.
QStringList taperDate(const QString& frappes, bool completion) {
    TexteCurseur champ;
    QStringList apres;
    for (QChar c : frappes) {
        champ.texte.replace(champ.curseur, champ.selection, c);
        ++champ.curseur;
        champ.selection = 0;
        if (const auto r = filtredate(champ, completion, {toucheDe(c), false}, aujourdhui))
            champ = *r;
        apres << champ.texte;
    }
    return apres;
}

// Columns shared by the two filter tables: the field before, the key, the field after.
void colonnes() {
    test::colonnes<QString, int, int, int, QString, int>(
        {"texte", "curseur", "touche", "modificateurs", "apres", "curseurApres"});
}

QTestData& ligne(const char* nom, const char* texte, int curseur, int touche, int modificateurs,
                 const char* apres, int curseurApres) {
    return QTest::newRow(nom) << u8(texte) << curseur << touche << modificateurs << u8(apres)
                              << curseurApres;
}

ToucheRelachee relachee() {
    QFETCH(int, touche);
    QFETCH(int, modificateurs);
    return ToucheRelachee::depuis(touche, Qt::KeyboardModifiers(modificateurs));
}

void verifier(const std::optional<TexteCurseur>& r) {
    QFETCH(QString, apres);
    QFETCH(int, curseurApres);
    if (apres == u8(inchange)) {
        QVERIFY(!r);
        return;
    }
    QVERIFY(r);
    QCOMPARE(r->texte, apres);
    QCOMPARE(r->curseur, curseurApres);
}

} // namespace

class TestFiltresSaisie : public QObject {
    Q_OBJECT
private slots:
    void frappeDate_data() {
        // apres: the text after each release, "|" between them
        test::colonnes<bool, QString, QString>({"completion", "frappes", "apres"});
        // The year added is selected: typed digits replace it, a typed "/" is not doubled.
        test::ligne("année tapée sur celle complétée", true, "25032024",
                    "2|25/|25/0|25/03/2026|25/03/2|25/03/20|25/03/202|25/03/2024");
        test::ligne("date tapée avec ses séparateurs", true, "25/03/24",
                    "2|25/|25/|25/0|25/03/2026|25/03/|25/03/2|25/03/24");
        test::ligne("champs d'un chiffre sans doublon", true, "1/2/2024",
                    "1|1/|1/2|1/2/|1/2/2|1/2/20|1/2/202|1/2/2024");
        test::ligne("lettre et blanc effacés", true, "2a5 ", "2|2|25/|25/");
        test::ligne("sans complétion, lettre effacée, séparateurs gardés", false, "1//x2",
                    "1|1/|1//|1//|1//2");
    }
    void frappeDate() {
        QFETCH(bool, completion);
        QFETCH(QString, frappes);
        QFETCH(QString, apres);
        QCOMPARE(taperDate(frappes, completion), apres.split(u'|'));
    }

    // One release on a field in a given state, with completion on or off. The keys the help
    // lists are also played on the real fields, by tst_aide.
    void filtreDate_data() {
        colonnes();
        QTest::addColumn<bool>("completion");
        const int k0 = Qt::Key_0, haut = Qt::Key_Up, bas = Qt::Key_Down;
        const int pave = Qt::KeypadModifier, maj = Qt::ShiftModifier;
        const bool oui = true, non = false;
        ligne("trois chiffres d'un coup", "123", 3, k0, non, "12/3", 4) << oui;
        ligne("curseur gardé ailleurs", "25/0", 2, k0, non, "25/0", 2) << oui;
        ligne("lettre au milieu", "25/a03/2024", 4, Qt::Key_A, non, "25/03/2024", 3) << oui;
        ligne("blancs de tête", "  25/03/2024", 7, k0, non, "25/03/2024", 5) << oui;
        ligne("séparateur refusé à 10", "25/03/2024/", 11, Qt::Key_Slash, non, "25/03/2024", 10)
            << oui;
        ligne("coupé à 12", "25/03/2024123", 13, k0, non, "25/03/202412", 12) << oui;
        ligne("sans complétion pas de coupe", "25/03/2024123", 13, k0, non, "25/03/2024123", 13)
            << non;
        ligne("champ en blancs vidé", "   ", 3, k0, non, "", 0) << oui;
        ligne("retour arrière laissé", "25/0", 4, Qt::Key_Backspace, non, inchange, 0) << oui;
        ligne("maj+début sélectionne", "25", 0, Qt::Key_Home, maj, inchange, 0) << oui;

        ligne("page bas", "31/03/2024", 0, Qt::Key_PageDown, non, "29/02/2024", 10) << non;
        ligne("- du pavé au milieu", "01/0-3/2024", 5, Qt::Key_Minus, pave, "29/02/2024", 10)
            << oui;
        ligne("pas sur non-date: filtre seul", "45/45/2024", 4, bas, non, "45/45/2024", 4) << oui;
        ligne("signe seul vidé", "+", 1, Qt::Key_Plus, pave, "", 0) << oui;
        ligne("pas hors limites refusé", "31/12/9999", 10, haut, non, "31/12/9999", 10) << oui;

        ligne("début: premier jour du mois", "abc", 1, Qt::Key_Home, non, "01/06/2026", 10) << oui;
        ligne("insertion: aujourd'hui", "", 0, Qt::Key_Insert, non, "15/06/2026", 10) << oui;
        ligne("; sans ctrl filtré", "01/01;", 6, Qt::Key_Semicolon, non, "01/01", 5) << non;
    }
    void filtreDate() {
        QFETCH(QString, texte);
        QFETCH(int, curseur);
        QFETCH(bool, completion);
        verifier(filtredate({texte, curseur}, completion, relachee(), aujourdhui));
    }

    // Negatives allowed, stepping on, decimal symbol 1 (".") unless a row says otherwise.
    void filtreNombre_data() {
        colonnes();
        test::colonnes<bool, bool, int>({"negatifs", "pas", "symbole"});
        const int k0 = Qt::Key_0, pgBas = Qt::Key_PageDown, haut = Qt::Key_Up, bas = Qt::Key_Down,
                  n = 0;
        ligne("vide haut", "", 0, haut, n, "1", 1) << true << true << 1;
        ligne("moins un demi vers zéro", "-0.5", 0, haut, n, "0.5", 3) << true << true << 1;
        ligne("décimale exacte", "0,7", 3, bas, n, "-0,3", 4) << true << true << 2;
        ligne("zéros inutiles ôtés", "007.50", 6, haut, n, "8.5", 3) << true << true << 1;
        ligne("10^20 + 1 exact", "100000000000000000000", 0, haut, n, "100000000000000000001", 21)
            << true << true << 1;
        ligne("point refusé sous la virgule", "1.5", 3, haut, n, "15", 2) << true << true << 2;
        ligne("sans pas: filtre seul", "5", 1, pgBas, n, "5", 1) << true << false << 1;
        ligne("maj+haut sélectionne", "5", 0, haut, int(Qt::ShiftModifier), inchange, 0)
            << true << true << 1;
        ligne("non-nombre: filtre seul", "1a", 2, haut, n, "1", 1) << true << true << 1;
        ligne("moins refusé", "12-3", 3, k0, n, "123", 2) << false << true << 1;
        ligne("point du pavé sous la virgule", "1.", 2, Qt::Key_Period, Qt::KeypadModifier, "1,", 2)
            << true << true << 2;
        ligne("virgule tapée sous le point", "1,", 2, Qt::Key_Comma, n, "1.", 2)
            << true << true << 1;
        ligne("seule la première marque", "1,5,2", 5, Qt::Key_Comma, n, "1.52", 4)
            << true << true << 1;
    }
    void filtreNombre() {
        QFETCH(QString, texte);
        QFETCH(int, curseur);
        QFETCH(bool, negatifs);
        QFETCH(bool, pas);
        QFETCH(int, symbole);
        const auto r = filtrenombre({texte, curseur}, negatifs, pas, relachee(), qint16(symbole));
        verifier(r);
        // What the filter writes, it keeps as it is.
        if (r)
            QCOMPARE(filtrenombre(*r, negatifs, pas, {Qt::Key_0}, qint16(symbole))->texte,
                     r->texte);
    }

    void lecture_data() {
        test::colonnes<QString, double>({"texte", "attendu"});
        test::ligne("vide", "", 0.0);
        test::ligne("blancs dedans", "1 2 3", 123.0);
        test::ligne("point décimal", "2.5", 2.5);
        test::ligne("second point arrête", "1.2.3", 1.2);
        test::ligne("signe seul", "-", 0.0);
        test::ligne("très long", "12345678901234567890", 12345678901234567890.0);
        test::ligne("au-delà d'un double", QString(400, u'9'),
                    std::numeric_limits<double>::infinity());
        test::ligne("sous le plus petit double", u"0."_s + QString(400, u'0') + u'1', 0.0);
    }
    void lecture() {
        QFETCH(QString, texte);
        QTEST(lireNombre(texte), "attendu");
    }

    void arrondi_data() {
        test::colonnes<double, double, double>({"valeur", "pair", "loin"});
        test::ligne("0.5", 0.5, 0.0, 1.0);
        test::ligne("2.5", 2.5, 2.0, 3.0);
        test::ligne("-2.5", -2.5, -2.0, -3.0);
        test::ligne("2.5001", 2.5001, 3.0, 3.0);
    }
    void arrondi() {
        QFETCH(double, valeur);
        QTEST(arrondiPair(valeur), "pair");
        QTEST(arrondiLoin(valeur) + 0.0, "loin");
    }

    void entiers_data() {
        test::colonnes<double, bool, int, bool, qint64>({"valeur", "ok16", "v16", "ok32", "v32"});
        test::ligne("max 16", 32767.0, true, 32767, true, qint64(32767));
        test::ligne("max 16 + demi arrondi pair", 32767.5, false, 0, true, qint64(32768));
        test::ligne("min 16 - 0.5 reste", -32768.5, true, -32768, true, qint64(-32768));
        test::ligne("max 32", 2147483647.0, false, 0, true, qint64(2147483647));
        test::ligne("max 32 + 1", 2147483648.0, false, 0, false, qint64(0));
        test::ligne("min 32", -2147483648.0, false, 0, true, qint64(-2147483648LL));
        test::ligne("infini", std::numeric_limits<double>::infinity(), false, 0, false, qint64(0));
    }
    void entiers() {
        QFETCH(double, valeur);
        const auto a = versEntier16(valeur);
        QTEST(a.has_value(), "ok16");
        QTEST(int(a.value_or(0)), "v16");
        const auto b = versEntier32(valeur);
        QTEST(b.has_value(), "ok32");
        QTEST(qint64(b.value_or(0)), "v32");
    }

    // The step added to a typed number, whatever its size (the filter's rows cover the
    // shortest text it is written back as).
    void pas_data() {
        test::colonnes<QString, int, QString>({"texte", "pas", "attendu"});
        test::ligne("moins zéro virgule vers zéro", "-1.0", 1, "0");
        test::ligne("pas le plus bas", "9", std::numeric_limits<int>::min(), "-2147483639");
        test::ligne("pas le plus haut", "-9", std::numeric_limits<int>::max(), "2147483638");
        test::ligne("pas le plus bas sur un négatif", "-1", std::numeric_limits<int>::min(),
                    "-2147483649");
    }
    void pas() {
        QFETCH(QString, texte);
        QFETCH(int, pas);
        const auto r = ajouterEntier(texte, pas, u'.');
        QVERIFY(r);
        QTEST(*r, "attendu");
    }
};

QTEST_GUILESS_MAIN(TestFiltresSaisie)
#include "tst_filtressaisie.moc"
