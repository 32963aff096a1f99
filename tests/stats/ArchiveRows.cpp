#include "ArchiveRows.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <map>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "TestSupport.h"

namespace statstest {

bool ArchiveDraw::has(int number) const {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

int ArchiveDraw::crossSum() const {
    return std::accumulate(numbers.begin(), numbers.end(), 0);
}

namespace {

void readFile(const QString& path, std::map<std::pair<qint64, int>, ArchiveDraw>* draws) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("archive file missing");
    }
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    const QStringList header = lines.first().trimmed().split(QLatin1Char(';'));
    const qsizetype dateColumn = header.indexOf(QStringLiteral("date_de_tirage"));
    const qsizetype timeColumn = header.indexOf(QStringLiteral("heure_de_tirage"));
    const qsizetype firstBall = header.indexOf(QStringLiteral("boule1"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty()) {
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(';'));
        ArchiveDraw draw;
        draw.date = QDate::fromString(fields[dateColumn], QStringLiteral("dd/MM/yyyy"));
        draw.soir = fields[timeColumn].trimmed() == QLatin1String("soir") ? 1 : 0;
        for (int b = 0; b < 20; ++b) {
            draw.numbers[static_cast<std::size_t>(b)] = fields[firstBall + b].toInt();
        }
        // The files overlap; a draw is stored once, as first read.
        draws->try_emplace({draw.date.toJulianDay(), draw.soir}, draw);
    }
}

} // namespace

const std::vector<ArchiveDraw>& archiveDraws() {
    static const std::vector<ArchiveDraw> draws = [] {
        std::map<std::pair<qint64, int>, ArchiveDraw> byKey;
        for (const QString& path : testsupport::archiveFiles()) {
            readFile(path, &byKey);
        }
        std::vector<ArchiveDraw> sorted;
        for (const auto& entry : byKey) {
            sorted.push_back(entry.second);
        }
        return sorted;
    }();
    return draws;
}

} // namespace statstest
