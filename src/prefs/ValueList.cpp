#include "prefs/ValueList.h"

#include <QStringList>

#include "common/TextFile.h"

namespace prefs {

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
    return common::TextFile::writeLines(path, lines, error);
}

bool ValueList::load(const QString& path, NumberGrid& grid, QString* error) {
    QStringList lines;
    if (!common::TextFile::readLines(path, &lines, error)) {
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
