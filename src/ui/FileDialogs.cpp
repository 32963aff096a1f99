// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace ui {

QStringList FileDialogs::openFiles(QWidget* parent, const QString& title, const QString& folder,
                                   const QString& filter, const QString& defaultSuffix,
                                   bool multiple) {
    // An instance rather than the static helpers: only an instance takes a
    // default suffix, and it still shows the platform's own dialog where
    // there is one.
    QFileDialog dialog(parent, title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

QString FileDialogs::openFile(QWidget* parent, const QString& title, const QString& folder,
                              const QString& filter, const QString& defaultSuffix) {
    return openFiles(parent, title, folder, filter, defaultSuffix).value(0);
}

} // namespace ui
