// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/couleurs.h"

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orvaline {

namespace {
double luminance(const QColor& c) {
    auto canal = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * canal(c.redF()) + 0.7152 * canal(c.greenF()) + 0.0722 * canal(c.blueF());
}

// A lightened text aims above the 4.5:1 it must reach: small type is drawn thinner and paler
// than its colour.
constexpr double contrasteVise = 6;

// White, the light greys and the near-white tints: the designed "boxes".
bool boiteClaire(const QColor& c) {
    return std::min({c.red(), c.green(), c.blue()}) >= 0xE0;
}
} // namespace

double contraste(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool paletteSombre(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

bool paletteSombre() {
    return paletteSombre(QGuiApplication::palette());
}

QColor fondLisible(QRgb fond) {
    const QColor dessine = QColor::fromRgb(fond);
    if (!paletteSombre() || !boiteClaire(dessine)) return dessine;
    const QPalette p = QGuiApplication::palette();
    // Pure white is a box to type or read in; a grey is the window's own surface.
    return p.color(dessine.lightness() == 255 ? QPalette::Base : QPalette::Window);
}

QColor texteLisible(QRgb texte, const QColor& fond) {
    const QColor dessine = QColor::fromRgb(texte);
    if (!paletteSombre() || contraste(dessine, fond) >= 4.5) return dessine;
    const QPalette p = QGuiApplication::palette();
    // Black and greys meant "the text colour"; a hue stays itself, only lighter.
    if (dessine.hslSaturation() < 40) return p.color(QPalette::WindowText);
    QColor clair = dessine.toHsl();
    for (int l = clair.lightness(); l <= 255; l += 5) {
        clair.setHsl(clair.hslHue(), clair.hslSaturation(), std::min(l, 255));
        if (contraste(clair, fond) >= contrasteVise) return clair.toRgb();
    }
    return p.color(QPalette::WindowText);
}

QColor texteLisible(const QWidget* w, QRgb texte) {
    return texteLisible(texte, w->palette().color(w->backgroundRole()));
}

void contourVisible(QWidget* caseACocher) {
    if (!paletteSombre()) return;
    QPalette couleurs = caseACocher->palette();
    // The box paints no background of its own: the window colour only serves the square.
    couleurs.setColor(QPalette::Window, couleurs.color(QPalette::WindowText).darker(110));
    caseACocher->setPalette(couleurs);
}

void colorerFond(QWidget* w, QRgb fond) {
    QPalette couleurs = w->palette();
    couleurs.setColor(w->backgroundRole(), fondLisible(fond));
    w->setPalette(couleurs);
    w->setAutoFillBackground(w->backgroundRole() == QPalette::Window);
}

void colorerTexte(QWidget* w, QRgb texte) {
    QPalette couleurs = w->palette();
    couleurs.setColor(w->foregroundRole(), texteLisible(w, texte));
    w->setPalette(couleurs);
}

void colorer(QWidget* w, QRgb fond, QRgb texte) {
    colorerFond(w, fond);
    colorerTexte(w, texte);
}

} // namespace orvaline
