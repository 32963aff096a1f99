// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/HistoryFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "common/FileError.h"
#include "common/FileWriter.h"

namespace history {

namespace {

// The bytes of the temporary file are on the disk before it replaces the
// history: after a crash right behind the rename the history is the new
// file, never an empty one.
bool syncToDisk(QFile& file, QString* reason) {
#ifdef Q_OS_WIN
    const bool synced = _commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced) {
        *reason = QString::fromStdString(std::generic_category().message(errno));
    }
    return synced;
}

// The replacement gets the history's permissions, not the default ones of a
// new file.
bool keepPermissions(const QString& path, QFile& temp, QString* reason) {
#ifdef Q_OS_WIN
    if (!temp.setPermissions(QFile::permissions(path))) {
        *reason = temp.errorString();
        return false;
    }
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 ||
        ::fchmod(temp.handle(), status.st_mode & 07777) != 0) {
        *reason = QString::fromStdString(std::generic_category().message(errno));
        return false;
    }
#endif
    return true;
}

} // namespace

std::vector<TZiehung> HistoryFile::decode(const QByteArray& bytes) {
    const qsizetype count = bytes.size() / TZiehung::kSize;
    std::vector<TZiehung> records;
    records.reserve(static_cast<std::size_t>(count));
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (qsizetype i = 0; i < count; ++i) {
        TZiehung record = TZiehung::fromBytes(data + i * TZiehung::kSize);
        // A file written elsewhere may carry a time of day; the draw belongs
        // to the day itself (18:00 on the 1st is the 1st, not the 2nd).
        if (std::isfinite(record.datum)) {
            record.datum = std::trunc(record.datum);
        }
        records.push_back(record);
    }
    return records;
}

QByteArray HistoryFile::encode(const std::vector<TZiehung>& records) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size()) * TZiehung::kSize);
    for (const TZiehung& record : records) {
        const TZiehung::Bytes raw = record.toBytes();
        bytes.append(reinterpret_cast<const char*>(raw.data()), TZiehung::kSize);
    }
    return bytes;
}

bool HistoryFile::damagedDate(common::DayNumber day, common::DayNumber lastDay) {
    // A fraction within a day still counts as that day.
    return !std::isfinite(day) || day < common::kFirstDrawDay || day >= lastDay + 1;
}

int HistoryFile::dropDamaged(std::vector<TZiehung>* records, common::DayNumber lastDay) {
    return static_cast<int>(std::erase_if(
        *records, [lastDay](const TZiehung& r) { return damagedDate(r.datum, lastDay); }));
}

HistoryFile::Status HistoryFile::readAll(const QString& path, std::vector<TZiehung>* records,
                                         QString* error) {
    const Status status = readRaw(path, records, error);
    if (status == Status::Ok) {
        dropDamaged(records, common::toDayNumber(QDate::currentDate()));
    }
    return status;
}

HistoryFile::Status HistoryFile::readRaw(const QString& path, std::vector<TZiehung>* records,
                                         QString* error) {
    QFile file(path);
    if (!file.exists()) {
        if (error) {
            *error = common::fileError(path, QStringLiteral("No such file or directory"));
        }
        return Status::Missing;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = common::fileError(path, file.errorString());
        }
        return Status::Error;
    }
    *records = decode(file.readAll());
    return Status::Ok;
}

bool HistoryFile::append(const QString& path, const std::vector<TZiehung>& records,
                         QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        if (error) {
            *error = common::fileError(path, file.errorString());
        }
        return false;
    }
    // Appending after a trailing fragment would shift every new record; the
    // fragment is never read, so new records start on the next whole record.
    const qint64 size = file.size();
    const qint64 whole = (size / TZiehung::kSize) * TZiehung::kSize;
    const QByteArray bytes = encode(records);
    if (!file.seek(whole) || !common::FileWriter::writeAll(file, bytes)) {
        if (error) {
            *error = common::fileError(path, file.errorString());
        }
        // Records the disk took only in part are cut off again (which needs
        // no room): the history stays as it was.
        file.resize(size);
        return false;
    }
    return true;
}

bool HistoryFile::replace(const QString& path, const QString& tempPath,
                          const std::vector<TZiehung>& records, QString* error) {
    auto fail = [&](const QString& reason) {
        QFile::remove(tempPath);
        if (error) {
            *error = reason;
        }
        return false;
    };
    // A history its owner made read-only is refused as an append would
    // refuse it, instead of being replaced by a writable file.
    QFile current(path);
    const bool existing = QFileInfo(path).isFile();
    if (existing && !current.open(QIODevice::ReadWrite)) {
        if (error) {
            *error = common::fileError(path, current.errorString());
        }
        return false;
    }
    current.close();
    {
        QFile temp(tempPath);
        if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
            const QString reason = common::fileError(tempPath, temp.errorString());
            // Do not remove what we could not open: it may be someone else's.
            if (error) {
                *error = reason;
            }
            return false;
        }
        const QByteArray bytes = encode(records);
        if (!common::FileWriter::writeAll(temp, bytes)) {
            const QString reason = common::fileError(tempPath, temp.errorString());
            temp.close();
            return fail(reason);
        }
        QString reason;
        if (existing && !keepPermissions(path, temp, &reason)) {
            temp.close();
            return fail(common::fileError(tempPath, reason));
        }
        if (!syncToDisk(temp, &reason)) {
            temp.close();
            return fail(common::fileError(tempPath, reason));
        }
        temp.close();
        if (temp.error() != QFileDevice::NoError) {
            return fail(common::fileError(tempPath, temp.errorString()));
        }
    }
    // std::filesystem::rename replaces the target in one step on every platform.
    std::error_code code;
    std::filesystem::rename(std::filesystem::path(tempPath.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), code);
    if (code) {
        return fail(common::fileError(path, QString::fromStdString(code.message())));
    }
    return true;
}

} // namespace history
