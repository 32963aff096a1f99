// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "tips/TipScorer.h"

namespace tips {

// The tip lines (ListBox1) and, line for line, each tip's hits in the current
// draw (ListBox2). Both lists share one selected index.
class TipList {
public:
    QStringList& lines() { return m_lines; }
    const QStringList& lines() const { return m_lines; }
    QStringList& hits() { return m_hits; }
    const QStringList& hits() const { return m_hits; }

    int count() const { return static_cast<int>(m_lines.size()); }
    int selected() const { return m_selected; }
    // Selecting an index outside the list clears the selection.
    void select(int index);
    void clear();
    void append(const QString& line) { m_lines << line; }
    // Removes the selected line; false when nothing is selected.
    bool removeSelected();

    // The lines parsed for the check of nFields numbers per tip. Parsed
    // again only when the lines or nFields changed since the last call.
    const TipScorer& scorer(int nFields) const;

    // Ticket number (1-based) and place within the ticket for a list index.
    static int ticketOf(int index, int tipsPerTicket) { return index / tipsPerTicket + 1; }
    static int placeOf(int index, int tipsPerTicket) { return index % tipsPerTicket + 1; }
    // The number of tickets a run of total tips makes, rounded up.
    static int ticketCount(int totalTips, int tipsPerTicket) {
        return (totalTips + tipsPerTicket - 1) / tipsPerTicket;
    }

private:
    QStringList m_lines;
    QStringList m_hits;
    int m_selected = -1;
    // The lines m_scorer was made from. Sharing their data keeps it from
    // being changed in place: any change to m_lines detaches it, and the
    // data pointers differ from then on.
    mutable QStringList m_scoredLines;
    mutable TipScorer m_scorer;
};

} // namespace tips
