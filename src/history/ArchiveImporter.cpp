#include "history/ArchiveImporter.h"

#include <optional>

#include "common/DayNumber.h"
#include "history/ArchiveParser.h"
#include "history/ArchiveSource.h"
#include "history/HistoryFile.h"

namespace history {

namespace {

QString fileError(const QString& name, int line, const QString& reason) {
    return QStringLiteral("%1, line %2: %3").arg(name).arg(line).arg(reason);
}

// Parses each content as it is read and adds its draws to the merge. The
// first content found malformed or in conflict gives the error; the rest is
// still read through, so that a file or entry that cannot be read is named
// as the error instead, as when every content was read before any parsing.
class ImportSink : public ArchiveSource::Sink {
public:
    ImportSink(DrawMerge* merge, const QDate& today) : m_merge(merge), m_today(today) {}

    void begin(const QString& name) override {
        if (!m_error.isEmpty()) {
            return;
        }
        m_name = name;
        m_parser.emplace(m_today, [this](const TZiehung& record, int line) {
            // After a conflict the file is still parsed: a malformed row
            // later in it is the error that stands.
            if (m_conflict.isEmpty()) {
                m_merge->add(record, {m_name, line}, &m_conflict);
            }
        });
    }
    void take(QByteArrayView bytes) override {
        if (m_parser && m_parser->wantsBytes()) {
            m_parser->feed(bytes);
        }
    }
    void end() override {
        if (!m_parser) {
            return;
        }
        if (!m_parser->finish()) {
            m_error = fileError(m_name, m_parser->errorLine(), m_parser->reason());
        } else if (!m_conflict.isEmpty()) {
            m_error = m_conflict;
        }
        m_parser.reset();
    }
    const QString& error() const { return m_error; }

private:
    DrawMerge* m_merge;
    QDate m_today;
    QString m_name;
    std::optional<ArchiveParser> m_parser;
    QString m_conflict;
    QString m_error;
};

} // namespace

bool ArchiveImporter::parse(const QByteArray& bytes, std::vector<TZiehung>* records, int* errorLine,
                            QString* reason, std::vector<int>* rowLines, const QDate& today) {
    ArchiveParser parser(today, [&](const TZiehung& record, int line) {
        records->push_back(record);
        if (rowLines) {
            rowLines->push_back(line);
        }
    });
    parser.feed(bytes);
    if (!parser.finish()) {
        *errorLine = parser.errorLine();
        *reason = parser.reason();
        return false;
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
        *error = fileError(name, line, reason);
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
    Result result;
    DrawMerge incoming;
    // Each file is parsed as it is read: the import holds the draws, never a
    // whole file.
    ImportSink sink(&incoming, today);
    if (!ArchiveSource::stream(files, &sink, &result.error)) {
        return result;
    }
    if (!sink.error().isEmpty()) {
        result.error = sink.error();
        return result;
    }
    mergeIntoHistory(incoming, historyPath, tempPath, &result);
    return result;
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
    mergeIntoHistory(incoming, historyPath, tempPath, &result);
    return result;
}

void ArchiveImporter::mergeIntoHistory(const DrawMerge& incoming, const QString& historyPath,
                                       const QString& tempPath, Result* result) {
    // Records with a damaged date are skipped as every reader skips them
    // (by the clock's today), and counted for the report.
    std::vector<TZiehung> records;
    QString error;
    if (HistoryFile::readRaw(historyPath, &records, &error) == HistoryFile::Status::Error) {
        result->error = error;
        return;
    }
    result->damaged = HistoryFile::dropDamaged(&records, common::toDayNumber(QDate::currentDate()));
    int completed = 0;
    result->imported = incoming.mergeInto(&records, &completed, &result->differing);
    result->alreadyPresent = incoming.size() - result->imported;
    result->rewritten = result->imported > 0 || completed > 0;
    if (result->rewritten && !HistoryFile::replace(historyPath, tempPath, records, &error)) {
        result->error = error;
        return;
    }
    result->ok = true;
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
