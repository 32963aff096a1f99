// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

namespace ui {

// "À propos": what was built (the version), under which licence, where the
// bundled draws come from, and the folder the program keeps its files in.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // openFolder opens Home when its link is clicked.
    AboutDialog(const QString& home, std::function<void()> openFolder, QWidget* parent = nullptr);

    static QString version();
    // The dialog's text, rich text with the Home folder as a link.
    static QString text(const QString& home);
};

} // namespace ui
