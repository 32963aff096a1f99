// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace common {

// How many characters of a foreign text a message shows at most.
inline constexpr qsizetype kShownTextMax = 200;

// A text from outside the program (a server's answer, its reason phrase or
// error text) made fit for a message, a status line or a terminal: it is
// shown, never acted upon. Control characters (C0, DEL, C1) and the
// invisible format characters that reorder or hide text become visible
// escapes ("\r", "\n", "\t", "\x1b", "\u202e"); a longer text is cut to
// maxChars characters, the last of them "…". An escape is never cut in two.
QString shownText(const QString& text, qsizetype maxChars = kShownTextMax);

} // namespace common
