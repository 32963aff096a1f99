#include "history/ArchiveSource.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <limits>
#include <quazip.h>
#include <quazipfile.h>

namespace history {

namespace {

// The operator's files are a few MB; an entry that inflates beyond this is
// no results file but a ZIP bomb, and is not read into memory.
constexpr qint64 kMaxEntrySize = qint64(256) * 1024 * 1024;

bool looksLikeZip(const QString& path) {
    if (QFileInfo(path).suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == QByteArray("PK\x03\x04", 4);
}

QString damaged(const QString& path) {
    return QStringLiteral("%1: damaged or incomplete ZIP archive").arg(path);
}

// Reads a device to its end in pieces of this size.
constexpr qint64 kPiece = 64 * 1024;

// Hands the device's bytes to the sink, at most limit of them; returns how
// many there were, or limit + 1 when there were more.
qint64 pass(QIODevice* device, ArchiveSource::Sink* sink, qint64 limit) {
    std::vector<char> piece(kPiece);
    qint64 total = 0;
    while (total <= limit) {
        const qint64 size = device->read(piece.data(), std::min(kPiece, limit + 1 - total));
        if (size <= 0) {
            break;
        }
        total += size;
        if (total <= limit) {
            sink->take(QByteArrayView(piece.data(), size));
        }
    }
    return total;
}

// Keeps what a sink is given, for the callers that want every content whole.
class Collect : public ArchiveSource::Sink {
public:
    explicit Collect(std::vector<ArchiveSource::Content>* contents) : m_contents(contents) {}
    void begin(const QString& name) override { m_current = {name, QByteArray()}; }
    void take(QByteArrayView bytes) override { m_current.bytes.append(bytes); }
    void end() override { m_contents->push_back(std::move(m_current)); }

private:
    std::vector<ArchiveSource::Content>* m_contents;
    ArchiveSource::Content m_current;
};

} // namespace

bool ArchiveSource::read(const QStringList& paths, std::vector<Content>* contents, QString* error) {
    Collect collect(contents);
    return stream(paths, &collect, error);
}

bool ArchiveSource::stream(const QStringList& paths, Sink* sink, QString* error) {
    for (const QString& path : paths) {
        if (looksLikeZip(path)) {
            if (!readZip(path, sink, error)) {
                return false;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
            return false;
        }
        sink->begin(path);
        pass(&file, sink, std::numeric_limits<qint64>::max() - 1);
        sink->end();
    }
    return true;
}

bool ArchiveSource::readZip(const QString& path, Sink* sink, QString* error) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        *error =
            QFileInfo::exists(path) ? damaged(path) : QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    bool found = false;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString inner = zip.getCurrentFileName();
        if (!inner.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            continue; // a read-me or a folder beside the results
        }
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly)) {
            *error = damaged(path);
            return false;
        }
        sink->begin(path + QLatin1Char('/') + inner);
        if (pass(&entry, sink, kMaxEntrySize) > kMaxEntrySize) {
            *error = QStringLiteral("%1: %2 is larger than 256 MB").arg(path, inner);
            return false;
        }
        // Closing checks the entry's CRC: a damaged entry fails here.
        entry.close();
        if (entry.getZipError() != UNZ_OK) {
            *error = damaged(path);
            return false;
        }
        sink->end();
        found = true;
    }
    if (zip.getZipError() != UNZ_OK) {
        *error = damaged(path);
        return false;
    }
    if (!found) {
        *error = QStringLiteral("%1: the ZIP archive holds no CSV file").arg(path);
        return false;
    }
    return true;
}

} // namespace history
