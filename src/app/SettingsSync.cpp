// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SettingsSync.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/FileWriter.h"
#include "common/TextFile.h"

namespace app {

namespace {

std::optional<QByteArray> fileBytes(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll();
}

std::filesystem::path native(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

} // namespace

QString SettingsSync::failureReason(const QString& path) {
    constexpr qsizetype kProbeBytes = 64 * 1024;
    QTemporaryFile probe(path + QStringLiteral(".XXXXXX"));
    if (!probe.open()) {
        return probe.errorString();
    }
    probe.close();
    // Unbuffered, so the write meets the disk's answer itself.
    QFile file(probe.fileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (!common::FileWriter::writeAll(file, QByteArray(kProbeBytes, ' '))) {
        return file.errorString();
    }
    return QStringLiteral("le fichier écrit est incomplet");
}

bool SettingsSync::sync(QSettings& settings) {
    return QFileInfo(settings.fileName()).isFile() ? replaceKeepingOld(settings)
                                                   : writeFirst(settings);
}

bool SettingsSync::writeFirst(QSettings& settings) {
    // The registry, or a first save: nothing old to keep.
    const QString path = settings.fileName();
    settings.sync();
    if (settings.status() != QSettings::AccessError &&
        (!QFileInfo(path).isFile() || readsBack(settings))) {
        return true;
    }
    if (QFileInfo(path).isFile()) {
        QFile::remove(path); // a cut file is worse than none
    }
    return false;
}

bool SettingsSync::replaceKeepingOld(QSettings& settings) {
    // A second name for the old file keeps its contents without taking any
    // room on the disk, and puts it back in one step when the new one is cut.
    const QString path = settings.fileName();
    const QString backup = path + QStringLiteral(".old");
    QFile::remove(backup);
    std::error_code code;
    std::filesystem::create_hard_link(native(path), native(backup), code);
    const bool linked = !code;
    const std::optional<QByteArray> before = linked ? std::nullopt : fileBytes(path);

    settings.sync();
    // An access error means that nothing was put in place.
    const bool written = settings.status() != QSettings::AccessError;
    const bool whole = written && readsBack(settings);
    if (linked && (whole || !written)) {
        QFile::remove(backup);
    } else if (linked) {
        std::filesystem::rename(native(backup), native(path), code);
    } else if (written && !whole && before) {
        common::TextFile::writeBytes(path, *before);
    }
    return whole;
}

bool SettingsSync::readsBack(const QSettings& settings) {
    // Another QSettings on the same file would answer from the process's
    // cache, not from the disk: the file is checked as text. The INI writer
    // puts one "key=value" line per key and ends every line, and a failed
    // write leaves only a first part of the file.
    const std::optional<QByteArray> bytes = fileBytes(settings.fileName());
    if (!bytes) {
        return false;
    }
    qsizetype lines = 0;
    for (const QByteArray& line : bytes->split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && !text.startsWith('[')) {
            ++lines;
        }
    }
    const qsizetype keys = settings.allKeys().size();
    return lines == keys && (keys == 0 || bytes->endsWith('\n'));
}

} // namespace app
