// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

namespace app {

// Writes settings out whole or not at all. QSettings puts its file in place
// even when the last bytes could not be written (a full disk) and reports no
// error then, so a settings file is checked after writing; when it is cut
// short, its previous contents are put back.
class SettingsSync {
public:
    // False when the settings could not be written; the file is then as it
    // was before (the registry, which is no file, is only synced).
    static bool sync(QSettings& settings);
    // Why the settings file at path could not be written. QSettings keeps
    // the system's reason to itself; a write of a few blocks beside the file
    // meets what stopped it ("No space left on device").
    static QString failureReason(const QString& path);

private:
    static bool writeFirst(QSettings& settings);
    static bool replaceKeepingOld(QSettings& settings);
    static bool readsBack(const QSettings& settings);
};

} // namespace app
