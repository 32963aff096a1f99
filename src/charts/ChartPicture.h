// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include "stats/PairMap.h"
#include "stats/StatResult.h"

class QWidget;

namespace charts {

// A chart as a picture to keep or share: drawn at a size that reads well,
// with its verdict beside chance under it. Needs a QApplication (the
// offscreen platform will do) but no window on screen.
class ChartPicture {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 760;

    static QImage of(const stats::StatResult& result);
    static QImage of(const stats::PairMap& map);
    // A chart as a dialog shows it.
    static QImage of(QWidget* shown, const QString& verdict);

    // Writes a PNG; a failure names the file and the reason.
    static bool save(const QImage& picture, const QString& path, QString* error);
    // A name typed in a file dialog, with ".png" added when it lacks it.
    static QString pngPath(const QString& typed) {
        return typed.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
                   ? typed
                   : typed + QLatin1String(".png");
    }

private:
    static QImage withVerdict(const QImage& picture, const QString& verdict);
};

} // namespace charts
