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
};

class BoiteSystemeQt : public BoiteSysteme {
public:
    Reponse afficher(Icone icone, const QString& titre, const QString& texte,
                     Boutons boutons) override;
};

} // namespace orvaline
