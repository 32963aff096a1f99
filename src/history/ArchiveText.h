#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <vector>

namespace history {

// The text of an archive file: lines ended by CR LF, LF or CR alone (as
// editors on three systems save them), fields separated by ";", a UTF-8
// byte-order mark at the start skipped.
class ArchiveText {
public:
    struct Line {
        int number = 0; // 1-based
        QList<QByteArray> fields;
        bool ended = true; // false for a last line without its line end
    };

    // The lines that are not blank.
    static std::vector<Line> lines(const QByteArray& bytes);
    // How the bytes read, for a message when no header is found: "ASCII",
    // "UTF-8", "UTF-8 with a byte-order mark", "UTF-16" or "8-bit, not UTF-8".
    static QString encoding(const QByteArray& bytes);
};

} // namespace history
