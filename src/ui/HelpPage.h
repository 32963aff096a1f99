// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace app {
class Session;
}

namespace ui {

// The short help that F1 opens: a page that comes with the program, written
// into Home as "Aide.html" and handed to the desktop's browser like the
// program's reports.
class HelpPage {
public:
    static constexpr const char* kFileName = "Aide.html";

    // Writes the page and opens it; false, after a message naming the file,
    // when it could not be written.
    static bool open(app::Session& session);
    static QString html();
};

} // namespace ui
