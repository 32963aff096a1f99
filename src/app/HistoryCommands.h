// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include "app/DrawEntryPort.h"
#include "history/InternetUpdate.h"

namespace app {

// Keeping the history: the internet update, manual entry and deletion of a
// draw. Every command ends by loading the draw at DateTimePicker1, which
// reruns the tip check.
class HistoryCommands : public history::UpdateHost {
public:
    explicit HistoryCommands(HistoryHost& host);

    // The dialog of the manual entry; without one an entry counts as cancelled.
    void setDrawEntryPort(DrawEntryPort* port) { m_entryPort = port; }
    // Time-outs of each request of the update, in milliseconds.
    void setTimeouts(int connectMs, int requestMs);

    // The internet update (BitBtn1, SpeedButton10 and the activation).
    // False when it ended with a message (bad proxy port, unreadable
    // history, a body line it could not process).
    bool VellumatClick();
    // Manual entry "insert/edit" (BitBtn8). False when the file could not be
    // changed or while the update runs.
    bool BitBtn8Click();
    // Deletes the current draw ("effacer", BitBtn6). False when the file
    // could not be changed or while the update runs.
    bool BitBtn4Click();

    // While the update runs its buttons and the history edits are disabled.
    bool updateRunning() const;
    // The status text of the last update's request that got no response at
    // all; empty when the service answered every request.
    const QString& lastUnanswered() const { return m_unanswered; }
    // What the last update ended with.
    const history::UpdateResult& lastResult() const { return m_lastResult; }
    // "dernier tirage connu : 04.06.2025, il y a 553 jours" when the update
    // failed and the newest draw it left is more than two days old; empty
    // otherwise.
    QString staleNotice(const history::UpdateResult& result);

    // The entry dialog's contents for the current draw.
    history::DrawEntry currentEntry() const;

    // history::UpdateHost
    void setRunning(bool running) override;
    bool stopRequested() override;
    void processEvents() override;
    void setStatusText(int panel, const QString& text) override;
    void setDrawLine(const QString& text) override;
    void setCrossSumLine(const QString& text) override;
    void setPickerDate(common::DayNumber day) override;
    void showMessage(const QString& text) override;
    QDate today() override;
    bool takeOperatorDraws(const std::vector<history::DrawMerge::Difference>& differing) override;

private:
    history::UpdateSettings updateSettings() const;
    // True when an entry may replace the stored draw of its date and flag:
    // at once when the numbers are the same, else when the player says so.
    bool confirmReplacement(const history::TZiehung& stored, const history::TZiehung& entered);

    HistoryHost& m_host;
    DrawEntryPort* m_entryPort = nullptr;
    int m_connectTimeoutMs = 10000;
    int m_requestTimeoutMs = 30000;
    bool m_messageShown = false;
    QString m_unanswered;
    history::UpdateResult m_lastResult;
};

} // namespace app
