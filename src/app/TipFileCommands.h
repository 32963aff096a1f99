// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/CommandHosts.h"
#include <QString>

namespace app {

// Moving the tip list in and out of the program and fixing its random
// sequence: tip files, the ticket sheet and the lucky number.
class TipFileCommands {
public:
    explicit TipFileCommands(TipFileHost& host) : m_host(host) {}

    // Saves the tip list to a tip file the user chooses; false when cancelled
    // or not written.
    bool SpeedButton15Click();
    // Replaces the tip list by a tip file and reloads the current draw;
    // false when a chosen file could not be read.
    bool SpeedButton16Click();
    // Replaces the tip list by the tip file at path (a file handed to the
    // program at its start), as SpeedButton16Click does with a chosen one.
    bool openTipFile(const QString& path);
    // Writes the ticket sheet "Tipp.txt" in Home and has the desktop open it.
    bool BitBtn7Click();
    // Asks for the lucky number and seeds the random generator with it.
    void SpeedButton13Click();

    // The file dialogs' filter in the toolkit's notation.
    static QString fileFilter() { return QStringLiteral("Tipfile (*.hlt)"); }

private:
    TipFileHost& m_host;
};

} // namespace app
