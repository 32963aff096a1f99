// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FileWriter.h"

namespace common {

bool FileWriter::writeAll(QFileDevice& file, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            return false;
        }
        done += written;
    }
    return file.flush();
}

} // namespace common
