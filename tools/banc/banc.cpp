// SPDX-License-Identifier: GPL-3.0-or-later
// Handler timings of the main window, for tools/mesurer-demarrage.sh: one tape operation
// ("+ ... =") after 10, 1,000 and 10,000 calculations, one date calculation after 10 and
// 10,000 history entries, and one key release in a date field and in a time field, with an
// empty tape and with a long one. Each figure is the median of several runs, in microseconds,
// and covers the handler and the repaint that follows it; the run's journal is kept as in use,
// in a folder of the bench's own. Last, what the journal alone adds to a calculation: one
// tape calculation's lines appended. Prints "name value" lines.
//   banc [calculations]     (default 10000)
#include "shared/initialisation.h"
#include "shared/journalseance.h"
#include "shared/libcalc.h"
#include "windows/common/polices.h"
#include "windows/main/fenetreprincipale.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace orvaline;

namespace {

FenetrePrincipale* fenetre = nullptr;

template <typename T> T* controle(const char* nom) {
    return fenetre->findChild<T*>(QLatin1String(nom));
}

// Median time of `fois` runs of `action`, each followed by the events it posted (repaint).
double mediane(int fois, const std::function<void()>& action) {
    std::vector<double> durees;
    for (int i = 0; i < fois; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        action();
        QApplication::processEvents();
        durees.push_back(double(chrono.nsecsElapsed()) / 1000.0);
    }
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2];
}

void publier(const char* nom, double microsecondes) {
    std::printf("%s %.1f\n", nom, microsecondes);
    std::fflush(stdout);
}

// One calculation of the time calculator: "+", one second, "=".
void operationBande() {
    controle<QAbstractButton>("com_oper(1)")->click();
    controle<QLineEdit>("sais_time(4)")->setText(QStringLiteral("1"));
    controle<QAbstractButton>("com_oper(5)")->click();
}

void calculDate() {
    controle<QLineEdit>("sais_date(1)")->setText(QStringLiteral("31/01/2024"));
    controle<QLineEdit>("sais_increment")->setText(QStringLiteral("1"));
    controle<QAbstractButton>("com_date")->click();
}

// The release of the last key typed into a field holding `avant`: the filter runs then.
double relachement(const char* nom, const QString& avant, Qt::Key touche, const QString& texte) {
    auto* champ = controle<QLineEdit>(nom);
    champ->setFocus();
    std::vector<double> durees;
    for (int i = 0; i < 21; ++i) {
        champ->setText(avant);
        QKeyEvent appui(QEvent::KeyPress, touche, Qt::NoModifier, texte);
        QApplication::sendEvent(champ, &appui);
        QApplication::processEvents();
        QKeyEvent relache(QEvent::KeyRelease, touche, Qt::NoModifier, texte);
        QElapsedTimer chrono;
        chrono.start();
        QApplication::sendEvent(champ, &relache);
        QApplication::processEvents();
        durees.push_back(double(chrono.nsecsElapsed()) / 1000.0);
    }
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2];
}

void touches(const char* suffixe) {
    fenetre->menuMode(3);
    const QByteArray date = QByteArray("touche_date_") + suffixe;
    publier(date.constData(), relachement("sais_date(1)", QStringLiteral("31/01/202"), Qt::Key_4,
                                          QStringLiteral("4")));
    fenetre->menuMode(1);
    const QByteArray temps = QByteArray("touche_temps_") + suffixe;
    publier(temps.constData(),
            relachement("sais_time(2)", QStringLiteral("12"), Qt::Key_3, QStringLiteral("3")));
}

// What a calculation waits for on the journal: its lines written, the sync only asked for.
double ajoutJournal(const QString& dossier) {
    JournalSeance journal(dossier + QStringLiteral("/banc/journal"));
    if (!journal.commencer({})) return -1;
    const QString lignes = QStringLiteral("\n 000 J  00:00:01 \n+ 000 J  00:00:01 \n= 000 J  "
                                          "00:00:02 \n");
    std::vector<double> durees;
    for (int i = 0; i < 1001; ++i) {
        QElapsedTimer chrono;
        chrono.start();
        journal.ajouter(Releve::Bande, lignes);
        durees.push_back(double(chrono.nsecsElapsed()) / 1000.0);
    }
    journal.terminer(false);
    std::sort(durees.begin(), durees.end());
    return durees[durees.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installerPolices();
    initialisation();
    const int total = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    // The user's own journal is neither asked about nor replaced.
    QTemporaryDir etat;
    qputenv("XDG_STATE_HOME", QFile::encodeName(etat.path()));

    FenetrePrincipale principale;
    fenetre = &principale;
    principale.charger();
    principale.show();
    // Every figure includes the repaint, which only happens once the window is on screen.
    QElapsedTimer attente;
    attente.start();
    while (!(principale.windowHandle() && principale.windowHandle()->isExposed()) &&
           attente.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
    touches("vide");

    // The date calculator first, while the tape is still empty.
    principale.menuMode(3);
    int entrees = 0;
    for (int cible : {10, total}) {
        for (; entrees < cible; ++entrees)
            calculDate();
        const QByteArray nom = "date_" + QByteArray::number(cible);
        publier(nom.constData(), mediane(9, calculDate));
        entrees += 9;
    }

    principale.menuMode(1);
    int calculs = 0;
    for (int cible : {10, 1000, total}) {
        if (cible > total) continue;
        for (; calculs < cible; ++calculs) {
            operationBande();
            QApplication::processEvents();
        }
        const QByteArray nom = "bande_" + QByteArray::number(cible);
        publier(nom.constData(), mediane(9, operationBande));
        calculs += 9;
    }
    touches("longue");
    publier("journal_ajout", ajoutJournal(etat.path()));
    return 0;
}
