// SPDX-License-Identifier: GPL-3.0-or-later
#include "faux.h"

#include "platform/services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace orvaline::test {

bool RegionauxFaux::estUnNombre(const QString& texte) const {
    // Accept digits with one decimal mark; the thousands mark may stand anywhere between
    // digits, as lenient regional parsers allow.
    bool vuDecimal = false;
    bool chiffre = false;
    for (QChar c : texte) {
        if (c.isDigit())
            chiffre = true;
        else if (QString(c) == decimal && !vuDecimal)
            vuDecimal = true;
        else if (QString(c) == milliers && !vuDecimal && chiffre)
            continue;
        else
            return false;
    }
    return chiffre;
}

QString RegionauxFaux::formaterDeuxDecimales(double valeur) const {
    QString t = QString::number(valeur, 'f', 2);
    t.replace(u'.', decimal);
    return t;
}

std::optional<QDate> RegionauxFaux::lireDateRegionale(const QString& texte) const {
    const QStringList c = texte.split(u'/');
    const QDate d = c.size() == 3 ? QDate(c[2].toInt(), c[1].toInt(), c[0].toInt()) : QDate();
    return d.isValid() ? std::optional(d) : std::nullopt;
}

BoiteSysteme::Reponse BoiteFausse::afficher(Icone, const QString&, const QString& texte, Boutons) {
    messages.append({texte});
    return reponse;
}

qint64 LanceurFaux::demarrer(const QString& programme, const QStringList& arguments) {
    lancements.append({programme, arguments});
    if (pid != 0) vivants << pid;
    return pid;
}

QString LanceurFaux::trouver(const QString& programme) const {
    return installes.contains(programme) ? QStringLiteral("/usr/bin/") + programme : QString();
}

Faux installerFaux() {
    // Each test program keeps its journals to itself: tests run side by side, and one's
    // journal must not make another's window ask to take a run up again.
    static QTemporaryDir etat;
    qputenv("XDG_STATE_HOME", QFile::encodeName(etat.path()));
    auto r = std::make_unique<RegionauxFaux>();
    auto b = std::make_unique<BoiteFausse>();
    auto l = std::make_unique<LanceurFaux>();
    auto d = std::make_unique<DialogueFichierFaux>();
    auto c = std::make_unique<ConnexionFausse>();
    auto i = std::make_unique<ImprimanteFausse>();
    Faux f{r.get(), b.get(), l.get(), d.get(), c.get(), i.get()};
    plateforme::installer(std::move(r));
    plateforme::installer(std::move(b));
    plateforme::installer(std::move(l));
    plateforme::installer(std::make_unique<SonFaux>());
    plateforme::installer(std::move(d));
    plateforme::installer(std::move(c));
    plateforme::installer(std::move(i));
    return f;
}

void quandModal(const QString& nom, std::function<void(QWidget*)> action, int delaiMs) {
    auto* minuteur = new QTimer(qApp);
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    minuteur->setInterval(5);
    QObject::connect(minuteur, &QTimer::timeout, minuteur, [=] {
        QWidget* w = QApplication::activeModalWidget();
        const bool pret = w && w->isVisible() && (nom.isEmpty() || w->objectName() == nom);
        if (!pret && chrono->elapsed() < delaiMs) return;
        minuteur->stop();
        minuteur->deleteLater();
        if (pret)
            action(w);
        else if (w)
            w->close();
    });
    minuteur->start();
}

void regler(bool Options::*option, bool valeur) {
    Options o = reglages().options();
    o.*option = valeur;
    reglages().appliquer(o);
}

void repondreAuProchainModal(const QString& texte, int delaiMs) {
    quandModal(
        QString(),
        [texte](QWidget* modal) {
            const auto boutons = modal->findChildren<QAbstractButton*>();
            for (QAbstractButton* b : boutons)
                if (b->isVisible() && b->text() == texte) return b->click();
            modal->close();
        },
        delaiMs);
}

void retaper(const QObject* parent, const QString& nom, const QString& texte) {
    auto* c = enfant<QLineEdit>(parent, nom);
    QTest::mouseClick(c, Qt::LeftButton);
    QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(c, Qt::Key_Delete);
    QTest::keyClicks(c, texte);
}

void cliquer(const QObject* parent, const QString& nom) {
    QTest::mouseClick(enfant<QAbstractButton>(parent, nom), Qt::LeftButton);
}

} // namespace orvaline::test
