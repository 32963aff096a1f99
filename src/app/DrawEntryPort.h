// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "history/DrawEditor.h"

namespace app {

// The draw entry dialog: shows a draw for editing and gives back the draw
// the user confirmed, or nothing when the dialog was cancelled. The dialog
// accepts only a draw of exactly 20 numbers.
class DrawEntryPort {
public:
    virtual ~DrawEntryPort() = default;
    virtual std::optional<history::DrawEntry> editDraw(const history::DrawEntry& shown) = 0;
};

} // namespace app
