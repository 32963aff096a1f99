// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QTranslator>

namespace ui {

// What every window of the program shares: the window font, and Qt's own
// texts (standard buttons, file dialogs) in French like the rest. Window
// titles get no suffix: the program sets no display name.
class ApplicationLook {
public:
    // Applies the look to the running application for the object's life.
    ApplicationLook();
    ~ApplicationLook();
    ApplicationLook(const ApplicationLook&) = delete;
    ApplicationLook& operator=(const ApplicationLook&) = delete;

    // Arial 13 px: the font the window is laid out for.
    static QFont windowFont();

    // False when Qt's French catalogue is not installed.
    bool speaksFrench() const { return m_installed; }

private:
    QTranslator m_qtTexts;
    bool m_installed = false;
};

} // namespace ui
