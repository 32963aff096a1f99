// SPDX-License-Identifier: GPL-3.0-or-later
#include "prefs/ValueList.h"

#include <QStringList>

#include "common/FileError.h"
#include "common/TextFile.h"

namespace prefs {

namespace {

void setError(QString* error, const QString& path, const QString& reason) {
    if (error) {
        *error = common::fileError(path, reason);
    }
}

} // namespace

QString ValueList::proposedFileName(const QDate& today) {
    return today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".hlw");
}

bool ValueList::save(const QString& path, NumberGrid& grid, QString* error) {
    QStringList lines;
    for (int number = 1; number <= NumberGrid::kNumbers; ++number) {
        if (!grid.checked(number)) {
            lines << QString();
            continue;
        }
        if (grid.weightText(number).isEmpty()) {
            grid.setWeightText(number, QStringLiteral("1"));
        }
        lines << grid.weightText(number);
    }
    QString reason;
    if (!common::TextFile::writeLines(path, lines, &reason)) {
        setError(error, path, reason);
        return false;
    }
    return true;
}

bool ValueList::load(const QString& path, NumberGrid& grid, QString* error) {
    QStringList lines;
    QString reason;
    if (!common::TextFile::readLines(path, &lines, &reason)) {
        setError(error, path, reason);
        return false;
    }
    apply(lines, grid);
    return true;
}

void ValueList::apply(const QStringList& lines, NumberGrid& grid) {
    for (int number = 1; number <= NumberGrid::kNumbers; ++number) {
        const QString line = number <= lines.size() ? lines[number - 1] : QString();
        if (line.isEmpty()) {
            grid.setChecked(number, false);
            grid.setWeightText(number, QStringLiteral("1"));
        } else {
            // Checking first: the line's weight replaces what the click rule made.
            grid.setChecked(number, true);
            grid.setWeightText(number, line);
        }
    }
}

} // namespace prefs
