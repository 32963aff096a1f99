// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/ChartPicture.h"

#include <QGraphicsScene>
#include <QWidget>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>

#include "charts/PairMapPainter.h"
#include "charts/StatChart.h"

namespace charts {

namespace {

constexpr int kMargin = 16;

QFont verdictFont() {
    QFont font;
    font.setPointSize(12);
    return font;
}

} // namespace

QImage ChartPicture::of(const stats::StatResult& result) {
    // A scene of its own, without a view: nothing is shown, not even on the
    // offscreen platform.
    QGraphicsScene scene;
    auto* chart = new StatChart; // the scene owns it
    scene.addItem(chart);
    chart->show(result);
    chart->resize(kWidth, kHeight);
    // The chart lays itself out on the events it posted.
    QCoreApplication::processEvents();
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(0, 0, kWidth, kHeight), QRectF(0, 0, kWidth, kHeight));
    painter.end();
    return withVerdict(picture, result.verdict);
}

QImage ChartPicture::of(QWidget* shown, const QString& verdict) {
    return withVerdict(shown->grab().toImage(), verdict);
}

QImage ChartPicture::of(const stats::PairMap& map) {
    QImage picture(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PairMapPainter(QRectF(kMargin, kMargin, kWidth - 2 * kMargin, kHeight - 2 * kMargin))
        .paint(painter, map);
    painter.end();
    return withVerdict(picture, map.verdict().text);
}

QImage ChartPicture::withVerdict(const QImage& picture, const QString& verdict) {
    if (verdict.isEmpty()) {
        return picture;
    }
    const QFont font = verdictFont();
    const QFontMetrics metrics(font);
    const QRect text = metrics.boundingRect(QRect(0, 0, picture.width() - 2 * kMargin, 10000),
                                            Qt::TextWordWrap, verdict);
    QImage whole(picture.width(), picture.height() + text.height() + 2 * kMargin,
                 QImage::Format_ARGB32_Premultiplied);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.drawImage(0, 0, picture);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(
        QRect(kMargin, picture.height() + kMargin, picture.width() - 2 * kMargin, text.height()),
        Qt::TextWordWrap, verdict);
    return whole;
}

bool ChartPicture::save(const QImage& picture, const QString& path, QString* error) {
    QImageWriter writer(path, "png");
    if (writer.write(picture)) {
        return true;
    }
    if (error) {
        *error = QStringLiteral("Impossible d'enregistrer l'image %1 : %2")
                     .arg(path, writer.errorString());
    }
    return false;
}

} // namespace charts
