// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include "common/DayNumber.h"

namespace history {

// What the last answer of the operator's results archive said about itself
// (ETag, Last-Modified) and the newest draw it held, kept in a small file
// beside the history so that an unchanged archive is not downloaded again,
// also by a command line run that saves no settings.
struct ArchiveValidators {
    static constexpr const char* kFileName = "ResultatsFDJ.cache";

    QString address;
    QByteArray etag;
    QByteArray lastModified;
    common::DayNumber newestDay = 0;
    int newestSoir = 0;

    // Empty validators when the file is missing or unreadable: the next
    // request is then unconditional, which costs a download and nothing else.
    static ArchiveValidators read(const QString& path);
    bool write(const QString& path, QString* error) const;
};

} // namespace history
