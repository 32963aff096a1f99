// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "history/ArchiveText.h"
#include "history/TZiehung.h"

namespace history {

// Reads one file of the operator's results archive as its bytes arrive:
// semicolon-separated, a header line naming the columns, then one draw per
// row. Only the columns the import needs are cut out of a row, and only one
// row is held at a time, so a file of any size takes the memory of one row.
class ArchiveParser {
public:
    // Receives each draw with its 1-based line number.
    using DrawTaker = std::function<void(const TZiehung& record, int line)>;

    ArchiveParser(const QDate& today, DrawTaker take);

    // The next bytes of the file, cut anywhere.
    void feed(QByteArrayView bytes);
    // The end of the file; false when it is malformed, with errorLine() and
    // reason() saying where and why. No draw is handed over after the first
    // malformed row.
    bool finish();
    // False once the outcome is known: the rest of the file can be skipped.
    bool wantsBytes() const { return !m_failed || !m_missingColumn.isEmpty(); }

    int errorLine() const { return m_errorLine; }
    const QString& reason() const { return m_reason; }

private:
    struct Columns {
        int date = -1;
        int period = -1;
        std::array<int, 20> balls{};
        int multiplier = -1;
        int jokerPlus = -1;
    };
    // A read column's place among the cut fields.
    enum Slot : std::int8_t {
        kUnread = -1,
        kDate = 20,
        kPeriod,
        kMultiplier,
        kJokerPlus,
        kSlots,
    };

    void takeLine(const ArchiveText::Line& line);
    bool readHeader(const ArchiveText::Line& line);
    bool readRow(const ArchiveText::Line& line);
    bool parseRow(TZiehung* record);
    bool fail(int line, const QString& reason);

    QDate m_today;
    DrawTaker m_take;
    ArchiveText m_text;
    // How the file reads, learnt only when no header is found: the bytes
    // before the header's end are held until the header is read.
    ArchiveText::Encoding m_encoding;
    QByteArray m_beforeHeader;
    bool m_headerRead = false;
    bool m_failed = false;
    int m_errorLine = 0;
    QString m_reason;
    QString m_missingColumn; // the header lacks this column
    Columns m_columns;
    std::vector<std::int8_t> m_slotOf; // per column of the header
    qsizetype m_width = 0;
    QByteArray m_lastColumnName;
    std::array<QByteArrayView, kSlots> m_fields{};
};

} // namespace history
