// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/services.h"

#include "platform/boitesystemeqt.h"
#include "platform/connexionsysteme.h"
#include "platform/dialoguefichierqt.h"
#include "platform/imprimantemodule.h"
#include "platform/lanceurprocessus.h"
#include "platform/regionauxsysteme.h"
#include "platform/sonsysteme.h"

namespace orvaline::plateforme {

namespace {
template <typename Interface, typename Reel> Interface& service(std::unique_ptr<Interface>& p) {
    if (!p) p = std::make_unique<Reel>();
    return *p;
}
std::unique_ptr<ServicesRegionaux> g_regionaux;
std::unique_ptr<BoiteSysteme> g_boite;
std::unique_ptr<Lanceur> g_lanceur;
std::unique_ptr<Son> g_son;
std::unique_ptr<DialogueFichier> g_dialogueFichier;
std::unique_ptr<Connexion> g_connexion;
std::unique_ptr<Imprimante> g_imprimante;
} // namespace

ServicesRegionaux& regionaux() {
    return service<ServicesRegionaux, RegionauxSysteme>(g_regionaux);
}
BoiteSysteme& boiteSysteme() {
    return service<BoiteSysteme, BoiteSystemeQt>(g_boite);
}
Lanceur& lanceur() {
    return service<Lanceur, LanceurProcessus>(g_lanceur);
}
Son& son() {
    if (!g_son) g_son = std::make_unique<SonSysteme>([]() -> Lanceur& { return lanceur(); });
    return *g_son;
}
DialogueFichier& dialogueFichier() {
    return service<DialogueFichier, DialogueFichierQt>(g_dialogueFichier);
}
Connexion& connexion() {
    return service<Connexion, ConnexionSysteme>(g_connexion);
}
Imprimante& imprimante() {
    return service<Imprimante, ImprimanteModule>(g_imprimante);
}

void installer(std::unique_ptr<ServicesRegionaux> s) {
    g_regionaux = std::move(s);
}
void installer(std::unique_ptr<BoiteSysteme> s) {
    g_boite = std::move(s);
}
void installer(std::unique_ptr<Lanceur> s) {
    g_lanceur = std::move(s);
}
void installer(std::unique_ptr<Son> s) {
    g_son = std::move(s);
}
void installer(std::unique_ptr<DialogueFichier> s) {
    g_dialogueFichier = std::move(s);
}
void installer(std::unique_ptr<Imprimante> s) {
    g_imprimante = std::move(s);
}
void installer(std::unique_ptr<Connexion> s) {
    g_connexion = std::move(s);
}

} // namespace orvaline::plateforme
