// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/journal.h"

#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace orvaline {

// The journal file of the run, in the user's state folder. Each line of the tape or of the
// history is appended as it is shown, in one write, so that a killed program leaves it
// whole; a thread of its own then syncs it to the disk, so that no keystroke waits on the
// disk and a power cut loses at most the moment before.
class JournalSeance {
public:
    explicit JournalSeance(QString chemin = cheminParDefaut());
    ~JournalSeance();
    JournalSeance(const JournalSeance&) = delete;
    JournalSeance& operator=(const JournalSeance&) = delete;

    // $XDG_STATE_HOME/Orvaline/journal, or ~/.local/state/Orvaline/journal.
    static QString cheminParDefaut();
    const QString& chemin() const { return m_chemin; }

    // What the last run left: nothing when there is no journal; Illisible too for a journal
    // that cannot be opened, is not a file or is far too large to be one.
    std::optional<LectureJournal> examiner() const;
    // Moves an unreadable journal aside (journal.illisible, replacing an older one), so that
    // nothing is destroyed and the new run can keep its own. The new path, or empty.
    QString mettreDeCote() const;

    // Starts this run's journal holding `depart`: the folder is made private (0700), the file
    // (0600) replaces any journal there in one step. False when it cannot be written: the run
    // then goes on without a journal.
    bool commencer(const ContenuJournal& depart);
    bool actif() const { return m_fd >= 0 && !m_enPanne; }

    void ajouter(Releve releve, QStringView texte);
    void effacer(Releve releve);

    // The end of the run: synced and kept, or removed.
    void terminer(bool garder);

private:
    void ecrire(const QByteArray& octets);
    void synchroniser();
    void arreterSynchro();

    QString m_chemin;
    int m_fd = -1;
    bool m_enPanne = false;

    std::thread m_synchro;
    std::mutex m_verrou;
    std::condition_variable m_signal;
    bool m_aSynchroniser = false;
    bool m_arret = false;
};

} // namespace orvaline
