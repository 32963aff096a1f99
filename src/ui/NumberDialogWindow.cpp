// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberDialogWindow.h"

#include "ui/NumberDialog.h"

namespace ui {

app::NumberDialogPort::Answer NumberDialogWindow::showNumberDialog(app::NumberDialogState& state,
                                                                   common::Random& random) {
    NumberDialog dialog(state, random, m_today(), m_window);
    dialog.exec();
    return dialog.answer();
}

} // namespace ui
