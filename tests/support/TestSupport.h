// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <initializer_list>
#include <memory>
#include <vector>

#include "history/TZiehung.h"

namespace testsupport {

// A record on the given day with the given numbers (the rest zero).
history::TZiehung makeRecord(const QDate& date, int soir, std::vector<int> numbers,
                             int multiplier = 2);
// Twenty numbers start, start+step, ... wrapped into 1..70.
std::vector<int> twentyNumbers(int start, int step = 3);

// A fresh program directory per test, removed afterwards.
// An address of the operator's results archive on this machine where nothing
// listens: a test that starts the window or the update never reaches the
// network, and its update fails at once.
inline const QString kRefusedResults = QStringLiteral("http://127.0.0.1:1/keno_202010.zip");
// Settings in an INI file at path (under group), with the update pointed at
// kRefusedResults unless the file names an address already.
std::unique_ptr<QSettings> localSettings(const QString& path, const QString& group = QString());

class TempHome {
public:
    TempHome();
    // Home with a trailing separator, as the program forms paths.
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    QString historyPath() const { return file(QStringLiteral("Tirvex.dat")); }
    void writeHistory(const std::vector<history::TZiehung>& records) const;

private:
    QTemporaryDir m_dir;
};

// Files written while this lives cannot grow beyond the given size: a write
// past it fails as on a full disk (with "File too large"), in this process
// only and without any privilege.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    long long m_previous = 0;
};

// The files in a directory, to see that a failed write left nothing behind.
QStringList filesIn(const QString& directory);
// A file's bytes; empty when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes bytes as the whole file at path; false when it cannot.
[[nodiscard]] bool writeFile(const QString& path, const QByteArray& bytes);

// The bundled real archive files, oldest first.
QStringList archiveFiles();
// The real history: the bundled archive as the program imports it, made once
// at build time (tests/real-history.dat in the build folder).
const std::vector<history::TZiehung>& realHistory();
QString realHistoryFile();
// The real draws up to 04.06.2025 midi, from a slice of the archive kept in
// tests/data (frozenSliceFile()), imported at build time as well: for tests
// whose expected values depend on the newest draw, so that they stay true
// when data/keno gains draws.
const std::vector<history::TZiehung>& frozenHistory();
QString frozenSliceFile();
// A small checked-in slice of the archive (tests/data).
QString dataFile(const QString& name);

} // namespace testsupport
