// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include "prefs/NumberGrid.h"

namespace prefs {

// Value list files ("*.hlw"): 70 text lines, line i the weight of number i
// when it is checked, an empty line when it is not.
class ValueList {
public:
    static constexpr const char* kFilter = "Werteliste|*.hlw";

    // Today's date as "yyyymmdd.hlw".
    static QString proposedFileName(const QDate& today);

    // Writes the grid; a checked box without weight text is given "1" first.
    // False with the file and the reason in *error when it cannot be written.
    static bool save(const QString& path, NumberGrid& grid, QString* error = nullptr);
    // Reads up to 70 lines into the grid; missing lines count as empty. False
    // with the file and the reason in *error when it cannot be read.
    static bool load(const QString& path, NumberGrid& grid, QString* error = nullptr);
    // The lines of a value list put into the grid, as load does.
    static void apply(const QStringList& lines, NumberGrid& grid);
};

} // namespace prefs
