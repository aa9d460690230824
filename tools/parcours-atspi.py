#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in Orvaline: opens every window of the running program through
AT-SPI actions (main window with both calculators, message box, calendar, options, update,
contact, version) and walks each window's tree.

Fails when a control the keyboard can reach has no name, when a label or a picture is named
after the frame or window around it instead of by itself, or when a picture that is shown has
no name (decoration must be hidden from the reader). Prints one line per window.

Usage: tools/parcours-atspi.sh build/orvaline   (starts Xvfb and the accessibility bus)
"""
import os
import glob
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

R = Atspi.Role
S = Atspi.StateType
FENETRES = (R.FRAME, R.DIALOG, R.WINDOW, R.ALERT)


def etats(o):
    return o.get_state_set()


def enfants(o):
    for i in range(o.get_child_count()):
        try:
            c = o.get_child_at_index(i)
        except GLib.Error:
            continue
        if c is not None:
            yield c


def trouver(racine, role, nom):
    """The first shown object of that role and name under racine."""
    pile = [racine]
    while pile:
        o = pile.pop(0)
        try:
            if o.get_role() == role and o.get_name().strip() == nom and \
                    etats(o).contains(S.SHOWING):
                return o
            pile.extend(enfants(o))
        except GLib.Error:
            pass
    return None


def actionner(o):
    # An action that opens a modal window answers only when it closes: the call times out
    # while the window is up, which is what we want.
    try:
        o.do_action(0)
    except GLib.Error:
        pass


class Parcours:
    def __init__(self, programme):
        self.dossier = tempfile.mkdtemp()
        copie = os.path.join(self.dossier, "orvaline")
        shutil.copy(programme, copie)
        # The windows and printing are modules the program loads from beside itself.
        for module in glob.glob(os.path.join(os.path.dirname(programme), "liborvaline_*.so")):
            shutil.copy(module, self.dossier)
        self.env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", LANG="fr_FR.UTF-8",
                        HOME=self.dossier, XDG_RUNTIME_DIR=self.dossier,
                        XDG_CONFIG_HOME=os.path.join(self.dossier, ".config"),
                        XDG_STATE_HOME=os.path.join(self.dossier, ".local", "state"))
        self.env.pop("QT_QPA_PLATFORM", None)
        self.copie = copie
        self.erreurs = []
        self.lancer()

    def lancer(self):
        self.processus = subprocess.Popen([self.copie], env=self.env)
        self.app = self.attendre(self.application, "l'application")

    def tuer_et_relancer(self):
        """Ends the program as a crash would, and starts it again in the same home."""
        self.processus.kill()
        self.processus.wait(5)
        self.lancer()

    def attendre(self, fonction, quoi, delai=15.0):
        fin = time.monotonic() + delai
        while time.monotonic() < fin:
            r = fonction()
            if r is not None:
                return r
            time.sleep(0.2)
        raise SystemExit(f"parcours-atspi : {quoi} n'apparaît pas")

    def application(self):
        bureau = Atspi.get_desktop(0)
        for a in enfants(bureau):
            try:
                if a.get_process_id() == self.processus.pid:
                    return a
            except GLib.Error:
                pass
        return None

    def fenetre(self, titre):
        def cherche():
            for f in enfants(self.app):
                try:
                    if f.get_role() in FENETRES and etats(f).contains(S.SHOWING) and \
                            f.get_name().strip() == titre:
                        return f
                except GLib.Error:
                    pass
            return None
        return self.attendre(cherche, f"la fenêtre « {titre} »")

    def verifier(self, titre, libelle=None):
        """Walks the window; returns it."""
        f = self.fenetre(titre)
        time.sleep(0.3)
        vus, manquants = 0, []
        cadre = f.get_extents(Atspi.CoordType.SCREEN)

        def chemin(o):
            return f"{o.get_role_name()} « {o.get_name()} »"

        def visiter(o, ancetres):
            nonlocal vus
            e = etats(o)
            if not e.contains(S.SHOWING):
                return
            role, nom = o.get_role(), o.get_name().strip()
            # A control parked outside its window is seen by nobody; the reader skips it too.
            x = o.get_extents(Atspi.CoordType.SCREEN)
            if x.y >= cadre.y + cadre.height or x.x >= cadre.x + cadre.width or \
                    x.x + x.width <= cadre.x or x.y + x.height <= cadre.y:
                return
            if e.contains(S.FOCUSABLE) and e.contains(S.SENSITIVE):
                vus += 1
                if not nom:
                    manquants.append(f"{o.get_role_name()} sans nom, dans {ancetres_noms(o)}")
            if role in (R.LABEL, R.IMAGE, R.ICON) and nom and nom in ancetres:
                self.erreurs.append(f"{titre} : {chemin(o)} porte le nom de son cadre")
                print("  ERREUR", chemin(o), "porte le nom de son cadre")
            if role in (R.IMAGE, R.ICON) and not nom:
                manquants.append("image affichée sans nom")
            for c in enfants(o):
                visiter(c, ancetres | {nom} if nom else ancetres)

        visiter(f, set())
        for m in manquants:
            self.erreurs.append(f"{titre} : {m}")
            print("  ERREUR", m)
        print(f"{libelle or titre.strip()} : {vus} contrôles vus, {len(manquants)} noms manquants")
        return f

    def bouton(self, racine, nom):
        b = trouver(racine, R.PUSH_BUTTON, nom)
        if b is None:
            raise SystemExit(f"parcours-atspi : pas de bouton « {nom} »")
        actionner(b)

    def fermer(self, fenetre, nom):
        self.bouton(fenetre, nom)
        self.attendre(lambda: None if etats(fenetre).contains(S.SHOWING) else True,
                      "la fermeture de la fenêtre")

    def nouvelle(self, principale, quoi):
        """The window shown now, other than the main window."""
        autre = principale.get_index_in_parent()
        return self.attendre(lambda: next((f for f in enfants(self.app)
                                           if f.get_role() in FENETRES and
                                           etats(f).contains(S.SHOWING) and
                                           f.get_index_in_parent() != autre), None), quoi)

    def menu(self, racine, nom):
        m = trouver_article(racine, nom)
        if m is None:
            raise SystemExit(f"parcours-atspi : pas d'article de menu « {nom} »")
        actionner(m)

    def fin(self):
        self.processus.terminate()
        try:
            self.processus.wait(5)
        except subprocess.TimeoutExpired:
            self.processus.kill()
        shutil.rmtree(self.dossier, ignore_errors=True)


def ancetres_noms(o):
    noms = []
    while o is not None and o.get_role() not in FENETRES:
        o = o.get_parent()
        if o is not None:
            noms.append(f"{o.get_role_name()} « {o.get_name().strip()} »")
    return " < ".join(noms)


def trouver_article(racine, nom):
    pile = [racine]
    while pile:
        o = pile.pop(0)
        try:
            if o.get_role() == R.MENU_ITEM and o.get_name().replace("&", "").strip() == nom:
                return o
            pile.extend(enfants(o))
        except GLib.Error:
            pass
    return None


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    Atspi.set_timeout(1500, 15000)
    p = Parcours(sys.argv[1])
    try:
        principale = p.attendre(lambda: next((f for f in enfants(p.app)
                                              if f.get_role() == R.FRAME and
                                              trouver(f, R.MENU_BAR, "") is not None),
                                             None),
                                "la fenêtre principale")
        titre = principale.get_name().strip()
        p.verifier(titre, "Principale, Calculatrice de Temps")
        p.bouton(principale, "Calculatrice de Dates")
        time.sleep(0.5)
        p.verifier(titre, "Principale, Calculatrice de Dates")

        p.bouton(principale, "Calculer")  # empty dates: the message box explains
        boite = p.nouvelle(principale, "la boîte de message")
        p.verifier(boite.get_name().strip(), "Boîte de message")
        p.fermer(boite, "Ok")

        p.bouton(principale, "Calendrier")
        calendrier = p.nouvelle(principale, "le calendrier")
        p.verifier(calendrier.get_name().strip(), "Calendrier")
        p.fermer(calendrier, "Ok")  # opened to look only: no Annuler

        p.bouton(principale, "Options")
        options = p.nouvelle(principale, "les options")
        for page in ("Saisie des Dates", "Saisie des Nombres", "Navigateur Internet",
                     "Jours fériés"):
            p.bouton(options, page)
            time.sleep(0.3)
            p.verifier(options.get_name().strip(), f"Options, {page}")
        p.fermer(options, "Annuler")

        for article, bouton, libelle in (
                ("Télécharger la Dernière Version", "Quitter", "Mise à jour"),
                ("Contacter l'Auteur", "Ok", "Contact")):
            p.menu(principale, article)
            autre = p.nouvelle(principale, libelle)
            p.verifier(autre.get_name().strip(), libelle)
            p.fermer(autre, bouton)

        # A line on the tape, then a crash: the next start asks whether to reopen the run.
        p.bouton(principale, "Calculatrice de Temps")
        p.bouton(principale, "Plus")
        time.sleep(0.5)
        p.tuer_et_relancer()
        question = p.attendre(lambda: next((f for f in enfants(p.app)
                                            if f.get_role() in FENETRES and
                                            etats(f).contains(S.SHOWING) and
                                            trouver(f, R.PUSH_BUTTON, "Oui") is not None),
                                           None),
                              "la question de reprise")
        p.verifier(question.get_name().strip(), "Question de reprise")
        p.fermer(question, "Oui")
    finally:
        p.fin()
    for e in p.erreurs:
        print("ERREUR", e)
    sys.exit(1 if p.erreurs else 0)


if __name__ == "__main__":
    main()
