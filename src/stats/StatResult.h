// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace stats {

// Colours of the chart points as the chart stores them (0x00BBGGRR).
constexpr std::uint32_t kPrimeColor = 255;           // red
constexpr std::uint32_t kOtherColor = 32768;         // green
constexpr std::uint32_t kSeriesDefault = 0x1FFFFFFF; // "use the series' own colour"

// The per-number charts colour the numbers of the program's prime set red
// (1 counts as one of them) and every other number green.
bool isPrimeColored(int number);
inline std::uint32_t numberColor(int number) {
    return isPrimeColored(number) ? kPrimeColor : kOtherColor;
}

struct StatPoint {
    double x = 0;
    double y = 0;
    std::uint32_t color = kSeriesDefault;
};

// A line of what chance gives beside the bars: one value per point, named in
// the chart's legend (an unnamed line shares the legend entry of the one
// before it, as the upper edge of a band does).
struct ChanceLine {
    QString name;
    std::vector<double> y;
    bool band = false; // an edge of the 95 % band, drawn dashed
};

// What a statistic publishes: the ordered points of the bar series, the
// value range of the left axis and the caption of the bottom axis. The
// generator reads the y values by point index and the range; the chart draws
// the same table.
struct StatResult {
    std::vector<StatPoint> points;
    bool fixedRange = false; // false: the axis scales itself to the points
    double minimum = 0;
    double maximum = 0;
    QString caption;
    bool marks = false;
    // Whether the counts stand out from chance, shown under the chart; empty
    // for a chart that does not count draws. The generator never reads it.
    QString verdict;
    // What chance gives for the same window; the generator never reads it.
    std::vector<ChanceLine> chance;

    // The range as the chart reports it back: the fixed one, or, when the axis
    // scales itself, from the bars' origin 0 to the largest y.
    double rangeMinimum() const;
    double rangeMaximum() const;
    double yAt(int index) const {
        return index >= 0 && index < static_cast<int>(points.size())
                   ? points[static_cast<std::size_t>(index)].y
                   : 0;
    }

    // The range the chart shows: the range above, widened to hold the chance
    // lines, with room below the least count so that its bar keeps a height.
    double shownMinimum() const;
    double shownMaximum() const;

    // Fixes the range to the smallest and largest y of the points.
    void fixRangeToPoints();
};

} // namespace stats
