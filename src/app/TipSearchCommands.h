// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QString>
#include <functional>

#include "tips/TipSearch.h"

namespace app {

// The search of the history for the draws on which the tip list would have
// reached a chosen number of hits.
class TipSearchCommands {
public:
    // Shown for each reported draw; returning false stops the search.
    using HitHandler = std::function<bool(const QString& message)>;

    explicit TipSearchCommands(TipSearchHost& host) : m_host(host) {}

    // Without a handler each hit is a question that offers to stop.
    void setHitHandler(HitHandler handler) { m_hitHandler = std::move(handler); }

    // Asks for the threshold and walks the range DateTimePicker2 ..
    // DateTimePicker1. False when the answer is no number or the history
    // cannot be read (nothing changed then), and for a click while a search
    // runs: the walk lets input through, and a second walk inside the first
    // would leave the draw fields to whichever ends last.
    bool SpeedButton4Click();
    const tips::TipSearch::Outcome& lastOutcome() const { return m_outcome; }

    static QString stopQuestion() { return QStringLiteral("Arrêter la recherche\u00a0?"); }
    static QString chartCaption() {
        return QStringLiteral("tirages par meilleur nombre de numéros corrects");
    }

private:
    bool askGoOn(const tips::TipSearch::Hit& hit);
    void showProgress(const tips::TipSearch::Progress& progress);
    void publishDistribution();

    TipSearchHost& m_host;
    HitHandler m_hitHandler;
    tips::TipSearch::Outcome m_outcome;
};

} // namespace app
