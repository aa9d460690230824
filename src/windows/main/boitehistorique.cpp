// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/main/boitehistorique.h"

#include "windows/common/anneaufocus.h"
#include "windows/common/couleurs.h"
#include "windows/common/polices.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace orvaline {

void verrouillerHistorique(QPlainTextEdit* boite) {
    boite->setReadOnly(true);
    boite->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
}

QPlainTextEdit* creerHistorique(QWidget* cadre, const QString& nom, const QRect& place,
                                const QString& nomAccessible) {
    auto* boite = new QPlainTextEdit(cadre);
    boite->setObjectName(nom);
    boite->setGeometry(place);
    boite->setFont(police(QStringLiteral("Fixedsys"), 9));
    verrouillerHistorique(boite);
    // Lines are only ever added: an undo history would hold a second copy of them.
    boite->document()->setUndoRedoEnabled(false);
    // The lines are laid out to the box's width; one that still overflows goes on below rather
    // than behind a horizontal scroll bar.
    boite->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    boite->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    boite->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Colours through the palette: a style sheet here would reach the scroll bar too and
    // draw it as a bare line.
    QPalette couleurs = boite->palette();
    const QColor fond = fondLisible(0xFFFFFF);
    couleurs.setColor(QPalette::Base, fond);
    couleurs.setColor(QPalette::Text, texteLisible(0x000000, fond));
    boite->setPalette(couleurs);
    boite->setAccessibleName(nomAccessible);
    montrerFocus(boite);
    return boite;
}

} // namespace orvaline
