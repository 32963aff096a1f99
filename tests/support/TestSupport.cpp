// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <csignal>
#include <stdexcept>
#include <sys/resource.h>

#include "common/DayNumber.h"
#include "history/BundledArchive.h"
#include "history/HistoryFile.h"

namespace testsupport {

history::TZiehung makeRecord(const QDate& date, int soir, std::vector<int> numbers,
                             int multiplier) {
    history::TZiehung record;
    record.datum = common::toDayNumber(date);
    record.soir = static_cast<std::uint8_t>(soir);
    record.multiplicateur = static_cast<std::uint8_t>(multiplier);
    for (std::size_t i = 0; i < numbers.size() && i < 20; ++i) {
        record.zahlen[i] = static_cast<std::uint8_t>(numbers[i]);
    }
    return record;
}

FileSizeLimit::FileSizeLimit(long long bytes) {
    // Without this the process would be killed by SIGXFSZ instead of seeing
    // the write fail.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_previous = static_cast<long long>(limit.rlim_cur);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        throw std::runtime_error("cannot limit the file size");
    }
}

FileSizeLimit::~FileSizeLimit() {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(m_previous);
    setrlimit(RLIMIT_FSIZE, &limit);
}

QStringList filesIn(const QString& directory) {
    return QDir(directory).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

std::vector<int> twentyNumbers(int start, int step) {
    std::vector<int> numbers;
    int value = start;
    while (numbers.size() < 20) {
        const int wrapped = (value - 1) % 70 + 1;
        if (std::find(numbers.begin(), numbers.end(), wrapped) == numbers.end()) {
            numbers.push_back(wrapped);
        } else {
            ++value;
            continue;
        }
        value += step;
    }
    return numbers;
}

TempHome::TempHome() {
    if (!m_dir.isValid()) {
        throw std::runtime_error("no temporary directory");
    }
}

void TempHome::writeHistory(const std::vector<history::TZiehung>& records) const {
    QFile file(historyPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw std::runtime_error("cannot write history");
    }
    file.write(history::HistoryFile::encode(records));
}

QStringList archiveFiles() {
    const QDir dir(QStringLiteral(TIRVEX_ARCHIVE_DATA));
    QStringList files;
    for (const QString& name : history::BundledArchive::fileNames()) {
        files << dir.filePath(name);
    }
    return files;
}

namespace {

std::vector<history::TZiehung> readHistory(const QString& path) {
    std::vector<history::TZiehung> records;
    if (history::HistoryFile::readAll(path, &records) != history::HistoryFile::Status::Ok ||
        records.empty()) {
        throw std::runtime_error("no history at " + path.toStdString());
    }
    return records;
}

} // namespace

QString realHistoryFile() {
    return QStringLiteral(TIRVEX_REAL_HISTORY);
}

const std::vector<history::TZiehung>& realHistory() {
    static const std::vector<history::TZiehung> records = readHistory(realHistoryFile());
    return records;
}

QString frozenSliceFile() {
    return QStringLiteral(TIRVEX_FROZEN_SLICE);
}

const std::vector<history::TZiehung>& frozenHistory() {
    static const std::vector<history::TZiehung> records =
        readHistory(QStringLiteral(TIRVEX_FROZEN_HISTORY));
    return records;
}

QString dataFile(const QString& name) {
    return QDir(QStringLiteral(TIRVEX_TEST_DATA)).filePath(name);
}

std::unique_ptr<QSettings> localSettings(const QString& path, const QString& group) {
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    const QString key =
        (group.isEmpty() ? QString() : group + QLatin1Char('/')) + QStringLiteral("ResultsURL");
    if (!settings->contains(key)) {
        settings->setValue(key, kRefusedResults);
        settings->sync();
    }
    return settings;
}

} // namespace testsupport
