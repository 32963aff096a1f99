// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace online {

// Brings a click-script template up to date from the script service:
// GET <service>/scripts/<file name>.txt. The body replaces the local file
// only when the local file exists and is older than the answer's
// Last-Modified time, and only when it is text under 1 MiB: a script is a
// small text file, anything else is no update. Any failure leaves the local
// file alone.
class ScriptUpdater {
public:
    enum class Result { Updated, UpToDate, Failed };

    static constexpr int kTimeoutMs = 30000;
    static constexpr qint64 kMaxBytes = 1024 * 1024;

    // serviceUrl is the service's base address; empty means no service.
    static Result update(const QString& serviceUrl, const QString& templatePath,
                         QString* reason = nullptr);
    static QString requestUrl(const QString& serviceUrl, const QString& templatePath);
    // Text as a script holds it: no control characters but tab, line ends and
    // form feed (which rules out binary files).
    static bool isText(const QByteArray& bytes);
};

} // namespace online
