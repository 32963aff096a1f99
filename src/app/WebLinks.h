// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "app/WindowPort.h"

namespace app {

// The clickable web addresses of the window: the product title on the tip
// page and the address labels of the page "Options Internet".
class WebLinks {
public:
    explicit WebLinks(ShellPort* shell) : m_shell(shell) {}

    // Opens the product's page on the maker's site.
    void Label43Click();
    // Opens the address a label shows; one handler serves every address label.
    void Label52Click(const QString& caption);

    // The address a caption stands for: trimmed, "https://" added when it
    // names no scheme (a bare "www..." would otherwise open as a file).
    static QString addressOf(const QString& caption);

private:
    ShellPort* m_shell;
};

} // namespace app
