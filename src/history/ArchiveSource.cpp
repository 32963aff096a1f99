#include "history/ArchiveSource.h"

#include <QFile>
#include <QFileInfo>
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

} // namespace

bool ArchiveSource::read(const QStringList& paths, std::vector<Content>* contents, QString* error) {
    for (const QString& path : paths) {
        if (looksLikeZip(path)) {
            if (!readZip(path, contents, error)) {
                return false;
            }
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
            return false;
        }
        contents->push_back({path, file.readAll()});
    }
    return true;
}

bool ArchiveSource::readZip(const QString& path, std::vector<Content>* contents, QString* error) {
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        *error =
            QFileInfo::exists(path) ? damaged(path) : QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    const std::size_t before = contents->size();
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
        const QByteArray bytes = entry.read(kMaxEntrySize + 1);
        if (bytes.size() > kMaxEntrySize) {
            *error = QStringLiteral("%1: %2 is larger than 256 MB").arg(path, inner);
            return false;
        }
        // Closing checks the entry's CRC: a damaged entry fails here.
        entry.close();
        if (entry.getZipError() != UNZ_OK) {
            *error = damaged(path);
            return false;
        }
        contents->push_back({path + QLatin1Char('/') + inner, bytes});
    }
    if (zip.getZipError() != UNZ_OK) {
        *error = damaged(path);
        return false;
    }
    if (contents->size() == before) {
        *error = QStringLiteral("%1: the ZIP archive holds no CSV file").arg(path);
        return false;
    }
    return true;
}

} // namespace history
