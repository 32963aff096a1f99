#include "history/ArchiveImporter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

#include "common/DayNumber.h"
#include "history/ArchiveSource.h"
#include "history/HistoryFile.h"

namespace history {

namespace {

struct Columns {
    int date = -1;
    int period = -1;
    int firstBall = -1; // boule1; boule2..20 are looked up one by one
    std::array<int, 20> balls{};
    int multiplier = -1;
    int jokerPlus = -1;
};

bool findColumns(const QList<QByteArray>& header, Columns* columns, QString* reason) {
    auto indexOf = [&](const QByteArray& name) { return static_cast<int>(header.indexOf(name)); };
    columns->date = indexOf("date_de_tirage");
    columns->period = indexOf("heure_de_tirage");
    columns->multiplier = indexOf("multiplicateur");
    columns->jokerPlus = indexOf("numero_jokerplus");
    for (int i = 0; i < 20; ++i) {
        columns->balls[static_cast<std::size_t>(i)] = indexOf("boule" + QByteArray::number(i + 1));
        if (columns->balls[static_cast<std::size_t>(i)] < 0) {
            *reason = QStringLiteral("column boule%1 missing").arg(i + 1);
            return false;
        }
    }
    if (columns->date < 0 || columns->period < 0) {
        *reason = QStringLiteral("column date_de_tirage or heure_de_tirage missing");
        return false;
    }
    return true;
}

bool parseRow(const QList<QByteArray>& fields, const Columns& columns, TZiehung* record,
              QString* reason) {
    auto field = [&](int index) -> QByteArray {
        return index >= 0 && index < fields.size() ? fields[index].trimmed() : QByteArray();
    };
    const QDate date =
        QDate::fromString(QString::fromLatin1(field(columns.date)), QStringLiteral("dd/MM/yyyy"));
    if (!date.isValid()) {
        *reason =
            QStringLiteral("invalid date \"%1\"").arg(QString::fromLatin1(field(columns.date)));
        return false;
    }
    record->datum = common::toDayNumber(date);
    const QByteArray period = field(columns.period);
    if (period == "midi") {
        record->soir = 0;
    } else if (period == "soir") {
        record->soir = 1;
    } else {
        *reason = QStringLiteral("invalid draw time \"%1\"").arg(QString::fromLatin1(period));
        return false;
    }
    std::set<int> seen;
    for (std::size_t i = 0; i < 20; ++i) {
        bool ok = false;
        const int number = field(columns.balls[i]).toInt(&ok);
        if (!ok || number < 1 || number > 70 || !seen.insert(number).second) {
            *reason = QStringLiteral("invalid number \"%1\" in boule%2")
                          .arg(QString::fromLatin1(field(columns.balls[i])))
                          .arg(i + 1);
            return false;
        }
        record->zahlen[i] = static_cast<std::uint8_t>(number);
    }
    const QByteArray multiplier = field(columns.multiplier);
    if (!multiplier.isEmpty()) {
        bool ok = false;
        const int value = multiplier.toInt(&ok);
        if (!ok || value < 0 || value > 255) {
            *reason =
                QStringLiteral("invalid multiplier \"%1\"").arg(QString::fromLatin1(multiplier));
            return false;
        }
        record->multiplicateur = static_cast<std::uint8_t>(value);
    }
    // Joker+ comes as "0 529 407", "6688011", empty or "Jokerplus indisponible";
    // anything but seven digits leaves the digits at 0.
    QByteArray digits = field(columns.jokerPlus);
    digits.replace(' ', QByteArray());
    const bool allDigits =
        !digits.isEmpty() &&
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (allDigits && digits.size() <= 7) {
        digits = QByteArray(7 - digits.size(), '0') + digits;
        for (std::size_t i = 0; i < 7; ++i) {
            record->jokerPlus[i] =
                static_cast<std::uint8_t>(digits[static_cast<qsizetype>(i)] - '0');
        }
    }
    return true;
}

} // namespace

bool ArchiveImporter::parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                            QString* reason, std::vector<int>* rowLines) {
    const QList<QByteArray> lines = bytes.split('\n');
    Columns columns;
    bool haveHeader = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (i == 0 && line.startsWith("\xEF\xBB\xBF")) {
            line.remove(0, 3);
        }
        if (line.trimmed().isEmpty()) {
            continue;
        }
        const QList<QByteArray> fields = line.split(';');
        *errorLine = static_cast<int>(i + 1);
        if (!haveHeader) {
            if (!findColumns(fields, &columns, reason)) {
                return false;
            }
            haveHeader = true;
            continue;
        }
        TZiehung record;
        if (!parseRow(fields, columns, &record, reason)) {
            return false;
        }
        records->push_back(record);
        if (rowLines) {
            rowLines->push_back(*errorLine);
        }
    }
    if (!haveHeader) {
        *errorLine = 1;
        *reason = QStringLiteral("no header line");
        return false;
    }
    return true;
}

bool ArchiveImporter::collect(const QByteArray& bytes, const QString& name, DrawMerge* merge,
                              QString* error) {
    std::vector<TZiehung> records;
    std::vector<int> lines;
    int line = 0;
    QString reason;
    if (!parse(bytes, &records, &line, &reason, &lines)) {
        *error = QStringLiteral("%1, line %2: %3").arg(name).arg(line).arg(reason);
        return false;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!merge->add(records[i], {name, lines[i]}, error)) {
            return false;
        }
    }
    return true;
}

ArchiveImporter::Result ArchiveImporter::importFiles(const QStringList& files,
                                                     const QString& historyPath,
                                                     const QString& tempPath) {
    Result result;
    DrawMerge incoming;
    std::vector<ArchiveSource::Content> contents;
    if (!ArchiveSource::read(files, &contents, &result.error)) {
        return result;
    }
    for (const ArchiveSource::Content& content : contents) {
        if (!collect(content.bytes, content.name, &incoming, &result.error)) {
            return result;
        }
    }
    std::vector<TZiehung> records;
    QString error;
    if (HistoryFile::readAll(historyPath, &records, &error) == HistoryFile::Status::Error) {
        result.error = error;
        return result;
    }
    int completed = 0;
    result.imported = incoming.mergeInto(&records, &completed);
    result.alreadyPresent = incoming.size() - result.imported;
    if ((result.imported > 0 || completed > 0) &&
        !HistoryFile::replace(historyPath, tempPath, records, &error)) {
        result.error = error;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace history
