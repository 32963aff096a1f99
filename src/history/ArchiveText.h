// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <functional>

namespace history {

// The text of an archive file: lines ended by CR LF, LF or CR alone (as
// editors on three systems save them), fields separated by ";", a UTF-8
// byte-order mark at the start skipped. The bytes may come piece by piece,
// cut anywhere: only the start of a line whose end has not come yet is held.
class ArchiveText {
public:
    struct Line {
        int number = 0;      // 1-based
        QByteArrayView text; // valid during the call that hands the line over
        bool ended = true;   // false for a last line without its line end
    };
    using LineTaker = std::function<void(const Line&)>;

    // Hands each line that is not blank to take, in order.
    explicit ArchiveText(LineTaker take) : m_take(std::move(take)) {}
    void feed(QByteArrayView bytes);
    // The end of the bytes: a last line without its line end is handed over.
    void finish();

    // How the bytes of a file read, for a message when no header is found:
    // "ASCII", "UTF-8", "UTF-8 with a byte-order mark", "UTF-16" or
    // "8-bit, not UTF-8". Also given piece by piece.
    class Encoding {
    public:
        void feed(QByteArrayView bytes);
        QString name() const;

    private:
        QByteArray m_start; // the first bytes, which carry a byte-order mark
        bool m_ascii = true;
        QStringDecoder m_utf8{QStringConverter::Utf8};
    };
    static QString encoding(const QByteArray& bytes);

    // Blanks as QByteArray::trimmed() knows them; a line of them only is blank.
    static bool isBlank(QByteArrayView text);
    static bool isBlank(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }
    static QByteArrayView trimmed(QByteArrayView text);

private:
    void cut(QByteArrayView bytes);
    void hand(QByteArrayView text, bool ended);

    LineTaker m_take;
    QByteArray m_pending;   // bytes of a line whose end has not come
    bool m_started = false; // the byte-order mark has been looked for
    bool m_afterCr = false; // the last line ended with a CR: an LF next is part of that end
    int m_number = 1;
};

} // namespace history
