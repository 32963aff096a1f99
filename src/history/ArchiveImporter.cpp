#include "history/ArchiveImporter.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <set>

#include "common/DayNumber.h"
#include "history/ArchiveSource.h"
#include "history/ArchiveText.h"
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

bool findColumns(const QList<QByteArray>& header, Columns* columns, QString* missing) {
    auto indexOf = [&](const QByteArray& name) { return static_cast<int>(header.indexOf(name)); };
    columns->date = indexOf("date_de_tirage");
    columns->period = indexOf("heure_de_tirage");
    columns->multiplier = indexOf("multiplicateur");
    columns->jokerPlus = indexOf("numero_jokerplus");
    if (columns->date < 0 || columns->period < 0) {
        *missing = columns->date < 0 ? QStringLiteral("date_de_tirage")
                                     : QStringLiteral("heure_de_tirage");
        return false;
    }
    for (int i = 0; i < 20; ++i) {
        columns->balls[static_cast<std::size_t>(i)] = indexOf("boule" + QByteArray::number(i + 1));
        if (columns->balls[static_cast<std::size_t>(i)] < 0) {
            *missing = QStringLiteral("boule%1").arg(i + 1);
            return false;
        }
    }
    return true;
}

// What to fix when the first line is no header the import can read.
QString headerMessage(const QString& missing, const QByteArray& bytes) {
    return QStringLiteral("no column %1 in the header line: the first line must name the columns "
                          "date_de_tirage, heure_de_tirage and boule1 to boule20, separated by "
                          "\";\" (this file reads as %2)")
        .arg(missing, ArchiveText::encoding(bytes));
}

// The columns the import reads: a row cut inside one of them would give a
// wrong draw that looks right.
bool isReadColumn(const Columns& columns, int index) {
    return index == columns.date || index == columns.period || index == columns.multiplier ||
           index == columns.jokerPlus ||
           std::find(columns.balls.begin(), columns.balls.end(), index) != columns.balls.end();
}

bool parseRow(const QList<QByteArray>& fields, const Columns& columns, const QDate& today,
              TZiehung* record, QString* reason) {
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
    // A draw before the game began or after today is a damaged row; stored, it
    // would end every update.
    if (HistoryFile::damagedDate(common::toDayNumber(date), common::toDayNumber(today))) {
        *reason = QStringLiteral("date %1 is not a draw's: draws lie from 16/09/1993 to today (%2)")
                      .arg(QString::fromLatin1(field(columns.date)),
                           today.toString(QStringLiteral("dd/MM/yyyy")));
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
                            QString* reason, std::vector<int>* rowLines, const QDate& today) {
    const std::vector<ArchiveText::Line> lines = ArchiveText::lines(bytes);
    if (lines.empty()) {
        *errorLine = 1;
        *reason = QStringLiteral("no header line");
        return false;
    }
    Columns columns;
    QString missing;
    *errorLine = lines.front().number;
    if (!findColumns(lines.front().fields, &columns, &missing)) {
        *reason = headerMessage(missing, bytes);
        return false;
    }
    const qsizetype width = lines.front().fields.size();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const ArchiveText::Line& line = lines[i];
        *errorLine = line.number;
        // A row with another count of fields than the header is cut or shifted:
        // its fields would be read from the wrong columns.
        if (line.fields.size() != width) {
            *reason = QStringLiteral("%1 fields where the header has %2 (separated by \";\")")
                          .arg(line.fields.size())
                          .arg(width);
            return false;
        }
        // A last row without its line end may be cut inside its last field.
        if (!line.ended && isReadColumn(columns, static_cast<int>(width - 1))) {
            *reason = QStringLiteral("the last row has no line end and may be cut in column %1")
                          .arg(QString::fromLatin1(lines.front().fields.last()));
            return false;
        }
        TZiehung record;
        if (!parseRow(line.fields, columns, today, &record, reason)) {
            return false;
        }
        records->push_back(record);
        if (rowLines) {
            rowLines->push_back(line.number);
        }
    }
    return true;
}

bool ArchiveImporter::collect(const QByteArray& bytes, const QString& name, DrawMerge* merge,
                              QString* error, const QDate& today) {
    std::vector<TZiehung> records;
    std::vector<int> lines;
    int line = 0;
    QString reason;
    if (!parse(bytes, &records, &line, &reason, &lines, today)) {
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
                                                     const QString& tempPath, const QDate& today) {
    std::vector<ArchiveSource::Content> contents;
    Result result;
    if (!ArchiveSource::read(files, &contents, &result.error)) {
        return result;
    }
    return importContents(contents, historyPath, tempPath, today);
}

ArchiveImporter::Result
ArchiveImporter::importContents(const std::vector<ArchiveSource::Content>& contents,
                                const QString& historyPath, const QString& tempPath,
                                const QDate& today) {
    Result result;
    DrawMerge incoming;
    for (const ArchiveSource::Content& content : contents) {
        if (!collect(content.bytes, content.name, &incoming, &result.error, today)) {
            return result;
        }
    }
    // Records with a damaged date are skipped as every reader skips them
    // (by the clock's today), and counted for the report.
    std::vector<TZiehung> records;
    QString error;
    if (HistoryFile::readRaw(historyPath, &records, &error) == HistoryFile::Status::Error) {
        result.error = error;
        return result;
    }
    result.damaged = HistoryFile::dropDamaged(&records, common::toDayNumber(QDate::currentDate()));
    int completed = 0;
    result.imported = incoming.mergeInto(&records, &completed, &result.differing);
    result.alreadyPresent = incoming.size() - result.imported;
    result.rewritten = result.imported > 0 || completed > 0;
    if (result.rewritten && !HistoryFile::replace(historyPath, tempPath, records, &error)) {
        result.error = error;
        return result;
    }
    result.ok = true;
    return result;
}

QString ArchiveImporter::Result::summary() const {
    QString text =
        QStringLiteral("imported %1 draws, %2 already present").arg(imported).arg(alreadyPresent);
    if (damaged > 0) {
        text += QStringLiteral("\n%1 records of the history have a damaged date (not a day from "
                               "16.09.1993 to today): %2")
                    .arg(damaged)
                    .arg(rewritten ? QStringLiteral("left out of the rewritten history")
                                   : QStringLiteral("skipped, still in the file"));
    }
    const QString differing = differenceText(this->differing);
    if (!differing.isEmpty()) {
        text += QLatin1Char('\n') + differing;
    }
    return text;
}

QString ArchiveImporter::differenceText(const std::vector<DrawMerge::Difference>& differing) {
    if (differing.empty()) {
        return {};
    }
    // A long list would push everything else out of the status line.
    constexpr std::size_t kNamed = 5;
    QStringList names;
    for (std::size_t i = 0; i < differing.size() && i < kNamed; ++i) {
        names << DrawMerge::drawName(differing[i].stored);
    }
    if (differing.size() > kNamed) {
        names << QStringLiteral("…");
    }
    const QString head =
        differing.size() == 1
            ? QStringLiteral("1 tirage enregistré diffère")
            : QStringLiteral("%1 tirages enregistrés diffèrent").arg(differing.size());
    return head + QStringLiteral(" des résultats FDJ : ") + names.join(QStringLiteral(", "));
}

} // namespace history
