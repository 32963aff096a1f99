#pragma once

#include <QDate>
#include <array>
#include <vector>

namespace statstest {

// A draw as the archive rows give it, read straight from the CSV files so the
// tests can recount without the program's importer.
struct ArchiveDraw {
    QDate date;
    int soir = 0;
    std::array<int, 20> numbers{};

    bool has(int number) const;
    int crossSum() const;
};

// Every distinct draw of the bundled archive, oldest first, midi before soir.
const std::vector<ArchiveDraw>& archiveDraws();

} // namespace statstest
