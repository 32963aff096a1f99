// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>
#include <map>

#include "generator/GeneratorHost.h"
#include "generator/StatisticsProvider.h"

// Records what a run shows and answers with preset values.
class FakeHost : public generator::GeneratorHost {
public:
    void showStatus(int panel, const QString& text) override { status[panel] << text; }
    void processEvents() override { ++pumps; }
    bool stillRunning() override {
        ++runningQueries;
        return stopAfterQueries < 0 || runningQueries <= stopAfterQueries;
    }
    ReviewAnswer reviewPool(prefs::NumberGrid& grid) override {
        reviewed = true;
        if (editReview) {
            editReview(grid);
        }
        return reviewAnswer;
    }
    void message(const QString& text) override { messages << text; }
    void parametersChanged() override {
        ++parameterChanges;
        if (onParametersChanged) {
            onParametersChanged();
        }
    }
    void statisticShown(generator::Statistic) override { ++chartsShown; }
    void tipListCleared() override { cleared = true; }
    void tipAccepted(const QString& line) override { accepted << line; }

    std::map<int, QStringList> status;
    QStringList messages;
    QStringList accepted;
    int pumps = 0;
    int runningQueries = 0;
    int stopAfterQueries = -1; // -1: never stop
    int parameterChanges = 0;
    int chartsShown = 0;
    bool cleared = false;
    bool reviewed = false;
    ReviewAnswer reviewAnswer = ReviewAnswer::Ok;
    std::function<void(prefs::NumberGrid&)> editReview;
    std::function<void()> onParametersChanged;
};

// Hands out hand-made statistic results and counts how often each is asked for.
class FakeStatistics : public generator::StatisticsProvider {
public:
    bool compute(generator::Statistic statistic, const generator::Parameters&,
                 stats::StatResult* result, QString* error) override {
        ++calls[statistic];
        if (fail) {
            *error = QStringLiteral("Tirvex.dat: unreadable");
            return false;
        }
        *result = results[statistic];
        return true;
    }

    // A fixed-range result with the given values for points 0, 1, ...
    static stats::StatResult make(const std::vector<double>& values) {
        stats::StatResult result;
        result.fixedRange = true;
        result.minimum = values.empty() ? 0 : values.front();
        result.maximum = result.minimum;
        for (std::size_t i = 0; i < values.size(); ++i) {
            result.points.push_back({static_cast<double>(i + 1), values[i]});
            result.minimum = std::min(result.minimum, values[i]);
            result.maximum = std::max(result.maximum, values[i]);
        }
        return result;
    }

    std::map<generator::Statistic, stats::StatResult> results;
    std::map<generator::Statistic, int> calls;
    bool fail = false;
};
