// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

class QuaZip;

namespace history {

// The contents of the files given to the archive import, each by a name that
// the import's messages use. A results file is taken as it is; a ZIP archive
// (the form in which the operator publishes its results) as the CSV files it
// holds, each named "archive.zip/inner.csv".
class ArchiveSource {
public:
    struct Content {
        QString name;
        QByteArray bytes;
    };

    // Receives the contents piece by piece as they are read, so that none
    // needs to be held whole: begin, the bytes in order, end.
    class Sink {
    public:
        virtual ~Sink() = default;
        virtual void begin(const QString& name) = 0;
        virtual void take(QByteArrayView bytes) = 0;
        virtual void end() = 0;
    };

    // Reads every path in order. On the first that cannot be read returns
    // false with *error naming it; a damaged ZIP archive, or one without a
    // CSV file, cannot be read.
    static bool read(const QStringList& paths, std::vector<Content>* contents, QString* error);
    // The same, handing the contents to sink as they are read. A content
    // found damaged after some of its bytes went to the sink gets no end.
    static bool stream(const QStringList& paths, Sink* sink, QString* error);

    // The CSV files of a ZIP archive held in memory (a download), named
    // "name/inner.csv". An entry that unpacks to more than maxEntryBytes is
    // refused before it is read whole.
    static bool readZipBytes(const QByteArray& zipBytes, const QString& name, qint64 maxEntryBytes,
                             std::vector<Content>* contents, QString* error);

    // The operator's files are a few MB; an entry that inflates beyond this is
    // no results file but a ZIP bomb, and is not read into memory.
    static constexpr qint64 kMaxEntryBytes = qint64(256) * 1024 * 1024;

private:
    static bool readZip(QuaZip& zip, const QString& name, qint64 maxEntryBytes, Sink* sink,
                        QString* error);
};

} // namespace history
