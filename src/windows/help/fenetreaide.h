// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/erreur.h"

#include <QWidget>
#include <optional>

class QTextBrowser;
class QUrl;

namespace orvaline {

class BoutonXp;

// The help window "aide": the program's help pages in a browser with the contents, back and
// forward buttons. It is not modal, so the user can read it beside the calculators; opened
// while one of our modal windows is up, it goes in front of that window and takes the input
// until it is closed, since a window behind a modal one could not be used.
class FenetreAide : public QWidget {
    Q_OBJECT
public:
    // The single window, created on first use.
    static FenetreAide& instance();

    // Shows a page of the help resources ("qrc:/help/...") in front. The error when the page
    // is not there.
    std::optional<Erreur> afficher(const QUrl& page);

    QTextBrowser* navigateur() const { return sais_aide; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    FenetreAide();
    // In front of a modal window of ours when one is up, free of any otherwise.
    void choisirModalite();

    QTextBrowser* sais_aide = nullptr;
    BoutonXp* com_sommaire = nullptr;
    BoutonXp* com_precedent = nullptr;
    BoutonXp* com_suivant = nullptr;
    bool m_dimensionnee = false;
};

} // namespace orvaline
