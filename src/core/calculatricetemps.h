// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/erreur.h"

#include <QChar>
#include <QString>
#include <array>
#include <optional>
#include <utility>

namespace orvaline {

// Replaces the first "," by "." so that a number typed with the regional comma reads in full;
// later commas stay.
void remplacervirgule(QString& texte);

// The pending operation of the time calculator; lib_oper shows its sign.
enum class Operation { Aucune, Plus, Moins, Multiplier, Diviser };

// The sign written on the tape and in lib_oper: "", "+", "-", "x" or "/".
QString symbole(Operation operation);

// A notice for the program's own message box.
struct Avis {
    QString texte;
    int image = 0;
    int boutons = 1;
    QString titre;
    int aide = 0;

    friend bool operator==(const Avis&, const Avis&) = default;
};

// What the window has to do after an action: move the focus, show a notice, report an error.
struct Reponse {
    int focus = 0; // 1..4: give the focus to sais_time(focus); 0: leave it where it is
    std::optional<Avis> avis;
    std::optional<Erreur> erreur; // for the error report, placed at "main - com_oper"
};

// The time calculator: a pocket calculator for durations of days, hours, minutes and seconds,
// with one pending operation. It holds the texts of the four fields and of the labels around
// them, the stored first operand and the history tape; the window copies typed text in with
// saisir() and shows the rest after each action. Indices are the controls' own, 1 to 4.
//
// "+" and "-" work on two durations; "x" and "/" take a plain number in the fourth field
// (number mode, fields 1 to 3 hidden). All arithmetic is on whole seconds in 32 bits, which
// bounds a duration to about 24855 days.
class CalculatriceTemps {
public:
    CalculatriceTemps();

    // Controls of the frame.
    const QString& sais_time(int index) const { return m_sais_time.at(index - 1); }
    void saisir(int index, const QString& texte) { m_sais_time.at(index - 1) = texte; }
    double memoire(int index) const { return m_memoire.at(index - 1); }
    const QString& lib_mem(int index) const { return m_lib_mem.at(index - 1); }
    const QString& libelles(int index) const;
    // sais_time(index) and libelles(index) are shown; only 1 to 3 hide, in number mode.
    bool visible(int index) const { return index == 4 || !modeNombre(); }
    Operation operation() const { return m_operation; }
    QString lib_oper() const { return symbole(m_operation); }
    bool lib_operVisible() const { return m_operation != Operation::Aucune; }
    const QString& sais_histo() const { return m_sais_histo; }
    // A tape kept from an earlier run, to go on from.
    void reprendreBande(QString bande) { m_sais_histo = std::move(bande); }

    bool modeNombre() const;

    // com_oper(1..5): "+", "-", "x", "/", "=". The decimal symbol writes numbers on the tape.
    Reponse com_oper(int index, QChar symboleDecimal);
    // com_clear(1) "Effacer" and com_clear(2) "Reset"; the date frame's reset is not ours.
    Reponse com_clear(int index);
    // Any field lost the focus: empty fields become "0" and over-full units are carried.
    void quitterChamp();
    // Enter moves along the ring 1, 2, 3, 4, 1 (a hidden field simply does not take it).
    static int champSuivant(int index) { return index % 4 + 1; }

private:
    Reponse operateur(Operation operation, QChar symboleDecimal);
    Reponse egal(QChar symboleDecimal);
    // The result of the pending operation in seconds, std::nullopt on an overflow.
    std::optional<qint64> appliquer(double jo2, double hr2, double mn2, double se2,
                                    std::optional<qint32> diviseur) const;
    // Writes a result in seconds into the four fields and on the tape.
    void afficherResultat(qint32 secondes, QChar symboleDecimal);
    void retourRepos();

    std::array<QString, 4> m_sais_time;
    std::array<double, 4> m_memoire{};
    std::array<QString, 4> m_lib_mem;
    Operation m_operation = Operation::Aucune;
    QString m_sais_histo;
};

} // namespace orvaline
