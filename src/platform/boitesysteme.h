// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// The desktop's standard message box, used for start-up, environment, settings-file,
// launcher messages and the error report.
class BoiteSysteme {
public:
    enum class Icone { Aucune, Information, Exclamation, Question, Critique };
    enum class Boutons { Ok, OuiNon, OkAnnuler };
    enum class Reponse { Ok, Oui, Non, Annuler };

    virtual ~BoiteSysteme() = default;
    virtual Reponse afficher(Icone icone, const QString& titre, const QString& texte,
                             Boutons boutons = Boutons::Ok) = 0;
    // The same box, tied to no window of ours: for a copy that ends before its windows
    // matter, so that the desktop shows the box on its own.
    virtual void afficherSeule(Icone icone, const QString& titre, const QString& texte) {
        afficher(icone, titre, texte);
    }
};

} // namespace orvaline
