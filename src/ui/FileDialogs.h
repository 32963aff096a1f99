// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The program's open dialogs. A name typed without an extension is completed
// with the dialog's default one, so "tips" finds "tips.hlt" on disk instead
// of being refused as a file that does not exist.
class FileDialogs {
public:
    // The chosen files, or none when the dialog was cancelled. An empty
    // default suffix leaves typed names as they are.
    static QStringList openFiles(QWidget* parent, const QString& title, const QString& folder,
                                 const QString& filter, const QString& defaultSuffix,
                                 bool multiple = false);
    static QString openFile(QWidget* parent, const QString& title, const QString& folder,
                            const QString& filter, const QString& defaultSuffix);
};

} // namespace ui
