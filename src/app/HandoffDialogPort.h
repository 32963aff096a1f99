// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace online {
class QKSForm;
}

namespace app {

// The dialogs of the online hand-off beyond the window port: the script
// choice dialog and a question with its own caption.
class HandoffDialogPort {
public:
    virtual ~HandoffDialogPort() = default;
    // Shows the script choice dialog on the form's values; true on OK.
    virtual bool chooseScript(online::QKSForm* form, const QString& home) = 0;
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
};

} // namespace app
