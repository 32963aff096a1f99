// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/WindowPort.h"

namespace platform {

// Opens documents and web addresses with the desktop's associated program.
class DesktopShell : public app::ShellPort {
public:
    bool open(const QString& target) override;
};

} // namespace platform
