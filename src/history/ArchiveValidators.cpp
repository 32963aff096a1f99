// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/ArchiveValidators.h"

#include <QFile>
#include <QSaveFile>

namespace history {

ArchiveValidators ArchiveValidators::read(const QString& path) {
    ArchiveValidators validators;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > 64 * 1024) {
        return validators;
    }
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            continue;
        }
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (key == "address") {
            validators.address = QString::fromUtf8(value);
        } else if (key == "etag") {
            validators.etag = value;
        } else if (key == "last-modified") {
            validators.lastModified = value;
        } else if (key == "newest") {
            const QList<QByteArray> parts = value.split(' ');
            validators.newestDay = parts.value(0).toDouble();
            validators.newestSoir = parts.value(1) == "1" ? 1 : 0;
        }
    }
    return validators;
}

bool ArchiveValidators::write(const QString& path, QString* error) const {
    // Header values never hold a line end (the network layer refuses them),
    // but a value is cut at one all the same so the file stays readable.
    auto clean = [](QByteArray value) {
        const qsizetype end = value.indexOf('\n');
        return end < 0 ? value : value.left(end);
    };
    QByteArray text;
    text += "address=" + clean(address.toUtf8()) + '\n';
    text += "etag=" + clean(etag) + '\n';
    text += "last-modified=" + clean(lastModified) + '\n';
    text += "newest=" + QByteArray::number(newestDay, 'f', 0) + ' ' +
            QByteArray::number(newestSoir) + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        if (error) {
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        }
        return false;
    }
    return true;
}

} // namespace history
