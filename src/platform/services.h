// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace orvaline {

class ServicesRegionaux;
class BoiteSysteme;
class Lanceur;
class Son;
class DialogueFichier;
class Connexion;
class Imprimante;

// The operating-system services the program uses. Each has a real implementation installed
// by default; tests install fakes so that nothing outside the process is touched.
namespace plateforme {
ServicesRegionaux& regionaux();
BoiteSysteme& boiteSysteme();
Lanceur& lanceur();
Son& son();
DialogueFichier& dialogueFichier();
Connexion& connexion();
Imprimante& imprimante();

void installer(std::unique_ptr<ServicesRegionaux> service);
void installer(std::unique_ptr<BoiteSysteme> service);
void installer(std::unique_ptr<Lanceur> service);
void installer(std::unique_ptr<Son> service);
void installer(std::unique_ptr<DialogueFichier> service);
void installer(std::unique_ptr<Connexion> service);
void installer(std::unique_ptr<Imprimante> service);
} // namespace plateforme

} // namespace orvaline
