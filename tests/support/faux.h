// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/boitesysteme.h"
#include "platform/connexion.h"
#include "platform/dialoguefichier.h"
#include "platform/imprimante.h"
#include "platform/lanceur.h"
#include "platform/servicesregionaux.h"
#include "platform/son.h"
#include "shared/reglages.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace orvaline::test {

// Regional settings chosen by the test.
class RegionauxFaux : public ServicesRegionaux {
public:
    QString decimal = QStringLiteral(".");
    QString milliers = QStringLiteral(",");

    bool estUnNombre(const QString& texte) const override;
    QString formaterDeuxDecimales(double valeur) const override;
    std::optional<QDate> lireDateRegionale(const QString& texte) const override;
};

// Records what would have been shown in the desktop's message box.
class BoiteFausse : public BoiteSysteme {
public:
    struct Message {
        QString texte;
    };
    QList<Message> messages;
    Reponse reponse = Reponse::Ok;

    Reponse afficher(Icone icone, const QString& titre, const QString& texte,
                     Boutons boutons) override;
};

// Records what would have been started.
class LanceurFaux : public Lanceur {
public:
    struct Lancement {
        QString programme;
        QStringList arguments;
    };
    QList<Lancement> lancements;
    QStringList installes; // programs that "exist" on PATH
    qint64 pid = 4242;     // 0 makes every start fail
    QList<qint64> vivants; // processes still running; a start adds its id
    QList<qint64> arretes; // ids asked to end
    QList<qint64> devant;  // ids whose window was asked to come to the front

    qint64 demarrer(const QString& programme, const QStringList& arguments) override;
    QString trouver(const QString& programme) const override;
    bool enCours(qint64 id) const override { return vivants.contains(id); }
    void arreter(qint64 id) override {
        arretes << id;
        vivants.removeAll(id);
    }
    void amenerDevant(qint64 id) override { devant << id; }
};

// Keeps the tests silent.
class SonFaux : public Son {
public:
    void jouer(const QString&) override {}
};

// Records each file dialog asked for and answers with `choix` (nothing: cancelled).
class DialogueFichierFaux : public DialogueFichier {
public:
    QList<DemandeFichier> demandes;
    QList<DemandeFichier> enregistrements;
    std::optional<QString> choix;
    std::optional<QString> ouvrir(QWidget*, const DemandeFichier& demande) override {
        demandes << demande;
        return choix;
    }
    std::optional<QString> enregistrer(QWidget*, const DemandeFichier& demande) override {
        enregistrements << demande;
        return choix;
    }
};

// Records what would have been printed and answers `resultat` (printed, unless a test plays
// a module that failed or could not load).
class ImprimanteFausse : public Imprimante {
public:
    QList<TravailImpression> travaux;
    ResultatImpression resultat{IssueImpression::Imprimee, {}, false, {}};
    ResultatImpression imprimer(QWidget*, const TravailImpression& travail) override {
        travaux << travail;
        return resultat;
    }
};

// Answers whether the computer is connected: `etat`, or the answers of `reponses` in turn
// while some are left. Counts the questions.
class ConnexionFausse : public Connexion {
public:
    bool etat = true;
    QList<bool> reponses;
    int questions = 0;
    bool connecte() override {
        ++questions;
        return reponses.isEmpty() ? etat : reponses.takeFirst();
    }
};

// Installs fresh fakes for every platform service and gives access to them; the run's
// journal goes to a state folder of the test program's own (XDG_STATE_HOME).
struct Faux {
    RegionauxFaux* regionaux;
    BoiteFausse* boite;
    LanceurFaux* lanceur;
    DialogueFichierFaux* dialogue;
    ConnexionFausse* connexion;
    ImprimanteFausse* imprimante;
};
Faux installerFaux();

// Runs `action` in the modal window named `nom` (any, when empty) once it is up, inside its
// own event loop. When none comes within the given time, the modal window then open is
// closed, so that a test fails on its checks instead of hanging.
void quandModal(const QString& nom, std::function<void(QWidget*)> action, int delaiMs = 5000);

// Puts one option into force for the run, as the options dialog's Ok would, without the
// settings file: test::regler(&Options::saisdate, false).
void regler(bool Options::*option, bool valeur);

// Clicks the button whose text is `texte` in the next modal dialog that opens, so that tests
// never wait for a human; closes the dialog when it has no such button.
void repondreAuProchainModal(const QString& texte, int delaiMs = 5000);

// Clicks into the field `nom` inside `parent`, as a user does, and types over its text.
void retaper(const QObject* parent, const QString& nom, const QString& texte);
// Clicks the button `nom` inside `parent`.
void cliquer(const QObject* parent, const QString& nom);

// The control `nom` inside `parent`; a missing one stops the run, since every check after it
// would be meaningless.
template <typename T> T* enfant(const QObject* parent, const QString& nom) {
    T* c = parent->findChild<T*>(nom);
    if (!c) qFatal("contrôle absent : %s", qPrintable(nom));
    return c;
}

} // namespace orvaline::test
