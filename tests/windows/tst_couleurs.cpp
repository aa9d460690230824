// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' colours under the desktop's palette. Under a light one they are the designed
// colours, pixel for pixel the pictures in references/. Under a dark one, and under a black
// high-contrast one, every text the windows draw keeps 4.5:1 against what is drawn behind it.
// ORVALINE_PALETTE (claire, sombre, noire) chooses the palette of the run, since the windows
// take their colours when they are built.
#include "core/journal.h"
#include "faux.h"
#include "fichierstest.h"
#include "shared/initialisation.h"
#include "shared/journalseance.h"
#include "shared/libcalc.h"
#include "windows/about/pelandor.h"
#include "windows/calendar/fenetrecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/common/polices.h"
#include "windows/common/styleorvaline.h"
#include "windows/help/afficheraide.h"
#include "windows/help/fenetreaide.h"
#include "windows/main/fenetreprincipale.h"
#include "windows/options/confopt.h"
#include "windows/update/telemaj.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

using namespace orvaline;

namespace {
QString palette() {
    const QString p = qEnvironmentVariable("ORVALINE_PALETTE");
    return p.isEmpty() ? QStringLiteral("claire") : p;
}

QPalette paletteDuBureau(const QString& nom) {
    if (nom == u"claire") return QApplication::palette();
    // Adwaita's dark colours, or white on black with a yellow selection.
    const bool noire = nom == u"noire";
    const QColor fenetre = noire ? QColor(0, 0, 0) : QColor(0x35, 0x35, 0x35);
    const QColor texte = noire ? QColor(255, 255, 255) : QColor(0xee, 0xee, 0xec);
    const QColor base = noire ? QColor(0, 0, 0) : QColor(0x2d, 0x2d, 0x2d);
    QPalette p(texte, fenetre, fenetre.lighter(150), fenetre.darker(150), fenetre.lighter(120),
               texte, texte, base, fenetre);
    p.setColor(QPalette::Highlight, noire ? QColor(255, 255, 0) : QColor(0x15, 0x53, 0x9e));
    p.setColor(QPalette::HighlightedText, noire ? QColor(0, 0, 0) : QColor(255, 255, 255));
    p.setColor(QPalette::AlternateBase, base.lighter(130));
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, texte);
    p.setColor(QPalette::PlaceholderText, texte.darker(140));
    p.setColor(QPalette::Link, noire ? QColor(0, 255, 255) : QColor(0x8a, 0xb4, 0xf8));
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, QColor(0x91, 0x91, 0x91));
    return p;
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double luminance(QRgb c) {
    auto canal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(qRed(c)) + 0.7152 * canal(qGreen(c)) + 0.0722 * canal(qBlue(c));
}
double contraste(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In a piece of the window's picture that holds one text: the background is the median
// colour (the glyphs cover less than half of it, and a gradient or a border does not fool a
// median), the text the colour that stands out most from it (its glyphs' cores; the smoothed
// edges stand out less).
double contrasteTexte(const QImage& image, const QRect& zone) {
    QList<QRgb> pixels;
    const QRect r = zone.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            pixels << image.pixel(x, y);
    if (pixels.isEmpty()) return 21;
    std::sort(pixels.begin(), pixels.end(),
              [](QRgb a, QRgb b) { return luminance(a) < luminance(b); });
    const QRgb fond = pixels[pixels.size() / 2];
    double meilleur = 1;
    for (QRgb p : pixels)
        meilleur = std::max(meilleur, contraste(p, fond));
    return meilleur;
}

struct Fenetre {
    QString nom;
    QImage image;
    QStringList sousLeSeuil; // the texts below 4.5:1, with where they are
};

// Every text of the window, where it is drawn: labels, captions, check boxes, buttons, the
// rows of lists and the text of fields and boxes.
QList<std::pair<QString, QRect>> textes(QWidget* fenetre) {
    QList<std::pair<QString, QRect>> zones;
    auto ajouter = [&](QWidget* w, QRect r, const QString& quoi) {
        zones.append(
            {w->objectName() + u' ' + quoi, QRect(w->mapTo(fenetre, r.topLeft()), r.size())});
    };
    for (QWidget* w : fenetre->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenetre) || !w->isEnabled() || w->window() != fenetre) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (!l->text().trimmed().isEmpty()) ajouter(l, l->contentsRect(), l->text());
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            if (g->title().trimmed().isEmpty()) continue;
            QStyleOptionGroupBox o;
            o.initFrom(g);
            o.text = g->title();
            o.subControls = QStyle::SC_GroupBoxLabel;
            ajouter(
                g, g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g),
                g->title());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (!b->text().trimmed().isEmpty())
                ajouter(b, b->rect().adjusted(2, 2, -2, -2), b->text());
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (!e->text().isEmpty()) ajouter(e, e->rect().adjusted(3, 3, -3, -3), e->text());
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            if (!c->currentText().isEmpty())
                ajouter(c, c->rect().adjusted(3, 3, -3, -3), c->currentText());
        } else if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
            if (qobject_cast<QComboBox*>(v->parentWidget())) continue;
            const QAbstractItemModel* m = v->model();
            for (int i = 0; m && i < m->rowCount(); ++i) {
                const QRect r = v->visualRect(m->index(i, 0)).intersected(v->viewport()->rect());
                if (r.height() < 6 || m->index(i, 0).data().toString().isEmpty()) continue;
                ajouter(v->viewport(), r.adjusted(1, 1, -1, -1), m->index(i, 0).data().toString());
            }
        } else if (auto* t = qobject_cast<QAbstractScrollArea*>(w)) {
            // Plain and rich text boxes alike.
            if (!t->property("plainText").toString().isEmpty())
                ajouter(t->viewport(), t->viewport()->rect(), QStringLiteral("texte"));
        } else if (auto* barre = qobject_cast<QMenuBar*>(w)) {
            for (QAction* a : barre->actions())
                ajouter(barre, barre->actionGeometry(a), a->text());
        }
    }
    return zones;
}

Fenetre capturer(const QString& nom, QWidget* fenetre) {
    Fenetre f{nom, fenetre->grab().toImage().convertToFormat(QImage::Format_RGB32), {}};
    for (const auto& [quoi, zone] : textes(fenetre)) {
        const double c = contrasteTexte(f.image, zone);
        if (c < 4.5) f.sousLeSeuil << QStringLiteral("%1 %2 : %3").arg(nom, quoi).arg(c, 0, 'f', 1);
    }
    return f;
}
} // namespace

class TestCouleurs : public QObject {
    Q_OBJECT
    QTemporaryDir m_dossier;
    QList<Fenetre> m_fenetres;

    void prendre(const QString& nom, QWidget* fenetre) {
        QVERIFY(QTest::qWaitForWindowExposed(fenetre));
        m_fenetres << capturer(nom, fenetre);
    }
    // The modal window `nom` that `ouvrir` opens, pictured as `image` once it is up (or by
    // `action`), then closed.
    void modale(const QString& nom, const QString& image, const std::function<void()>& ouvrir,
                const std::function<void(QWidget*)>& action = {}) {
        test::quandModal(nom, [&](QWidget* w) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            action ? action(w) : void(m_fenetres << capturer(image, w));
            w->close();
        });
        ouvrir();
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(new StyleOrvaline);
        QApplication::setPalette(paletteDuBureau(palette()));
        // A caret drawn at all times: a blinking one would make two pictures differ.
        QApplication::setCursorFlashTime(0);
        installerPolices();
        installerAccessibilite();
        test::installerFaux();
        initialisation();
        auto& e = libcalc();
        e.saut_ligne = QStringLiteral("\r\n");
        e.chemin_appli = m_dossier.path();
        e.annee_jour = QStringLiteral("2026");
        e.date_jour = QStringLiteral("15/08/2026");
        QCursor::setPos(0, 0);

        // On a dark desktop, first the question a crash leaves for the next start, in the
        // program's own box; closing it starts empty, as the pictures below expect.
        if (palette() != u"claire") {
            const QString journal = JournalSeance::cheminParDefaut();
            QVERIFY(QDir().mkpath(QFileInfo(journal).absolutePath()));
            QVERIFY(test::ecrire(
                journal, journalComplet({QStringLiteral("\n  001 J  00:00:00 "), QString()})));
            test::quandModal(QStringLiteral("usermsgbox"), [this](QWidget* w) {
                if (QTest::qWaitForWindowExposed(w))
                    m_fenetres << capturer(QStringLiteral("reprise"), w);
                w->close();
            });
        }
        // Each window as a user meets it, some text in its fields and boxes.
        FenetrePrincipale principale;
        principale.charger();
        if (palette() != u"claire")
            QVERIFY(std::any_of(m_fenetres.cbegin(), m_fenetres.cend(),
                                [](const Fenetre& f) { return f.nom == u"reprise"; }));
        principale.show();
        // The clock stands still on a chosen minute.
        for (QTimer* t : principale.findChildren<QTimer*>(Qt::FindDirectChildrenOnly))
            t->stop();
        auto* horloge = principale.findChild<QLabel*>(QStringLiteral("lib_date"));
        horloge->setText(
            FenetrePrincipale::ligneHorloge(QDateTime(QDate(2026, 8, 15), QTime(9, 30))));
        principale.menuMode(3);
        QTest::keyClicks(principale.findChild<QWidget*>(QStringLiteral("sais_date(1)")),
                         QStringLiteral("01052026"));
        prendre(QStringLiteral("principale-dates"), &principale);
        principale.menuMode(1);
        prendre(QStringLiteral("principale-temps"), &principale);

        modale(QStringLiteral("calend"), QStringLiteral("calendrier"), [&] {
            auto& p = libcalc().param_msg;
            p[1] = QStringLiteral("01/05/2026");
            p[2] = QStringLiteral("25");
            p[3].clear();
            FenetreCalendrier::instance().ouvrir();
        });
        modale(
            QStringLiteral("confopt"), QString(), [] { ConfOpt::instance().ouvrir(); },
            [&](QWidget* d) {
                for (int page = 1; page <= 4; ++page) {
                    d->findChild<QPushButton*>(QStringLiteral("com_options(%1)").arg(page))
                        ->click();
                    m_fenetres << capturer(QStringLiteral("options-%1").arg(page), d);
                }
            });
        if (palette() == u"claire") return;
        // The other windows: only their contrast is watched. (The message box is the
        // recovery question's above.)
        QVERIFY(afficherAide(0));
        prendre(QStringLiteral("aide"), &FenetreAide::instance());
        FenetreAide::instance().hide();
        modale(QStringLiteral("telemaj"), QStringLiteral("mise-a-jour"),
               [] { TeleMaj::instance().ouvrir(); });
        modale(QStringLiteral("Pelandor"), QStringLiteral("contact"), [] { afficherPelandor(1); });
    }

    // ORVALINE_CAPTURES names a folder where every picture goes, as palette-window.png: to
    // look at them, or to draw the references again after a designed colour has changed.
    void garderCaptures() {
        const QString dossier = qEnvironmentVariable("ORVALINE_CAPTURES");
        if (dossier.isEmpty()) QSKIP("ORVALINE_CAPTURES absent");
        for (const Fenetre& f : m_fenetres)
            QVERIFY(f.image.save(QStringLiteral("%1/%2-%3.png").arg(dossier, palette(), f.nom)));
    }

    // Under a light palette, the windows are drawn exactly as designed; under a dark or black
    // one, no text falls below 4.5:1.
    void couleurs_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < m_fenetres.size(); ++i)
            QTest::newRow(qPrintable(m_fenetres[i].nom)) << i;
    }
    void couleurs() {
        QFETCH(int, index);
        const Fenetre& f = m_fenetres[index];
        if (palette() != u"claire") {
            QVERIFY2(f.sousLeSeuil.isEmpty(), qPrintable(f.sousLeSeuil.join(u'\n')));
            return;
        }
        const QString fichier = QStringLiteral(REFERENCES "/%1.png").arg(f.nom);
        const QImage attendue = QImage(fichier).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!attendue.isNull(), qPrintable(fichier));
        QCOMPARE(f.image.size(), attendue.size());
        int differents = 0;
        QPoint premier;
        for (int y = 0; y < attendue.height(); ++y)
            for (int x = 0; x < attendue.width(); ++x)
                if (f.image.pixel(x, y) != attendue.pixel(x, y) && differents++ == 0)
                    premier = QPoint(x, y);
        QVERIFY2(differents == 0,
                 qPrintable(QStringLiteral("%1 pixels changés, le premier en %2,%3")
                                .arg(differents)
                                .arg(premier.x())
                                .arg(premier.y())));
    }
};

QTEST_MAIN(TestCouleurs)
#include "tst_couleurs.moc"
