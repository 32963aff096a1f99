// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/OddsDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <map>

#include "backtest/StrategyReport.h"
#include "common/Formats.h"
#include "tips/Odds.h"

namespace ui {

OddsDialog::OddsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OddsDialog"));
    setWindowTitle(QStringLiteral("Cotes et espérance de gain"));
    auto* layout = new QVBoxLayout(this);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Numéros par grille")));
    m_size = new QComboBox;
    m_size->setObjectName(QStringLiteral("OddsTipSize"));
    for (int k = 2; k <= 10; ++k) {
        m_size->addItem(QString::number(k), k);
    }
    sizeRow->addWidget(m_size);
    sizeRow->addStretch();
    layout->addLayout(sizeRow);
    m_table = new QTableWidget(0, 4);
    m_table->setObjectName(QStringLiteral("OddsTable"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("correctement"), QStringLiteral("probabilité"),
         QStringLiteral("gain x mise"), QStringLiteral("retour moyen")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_table, 1);
    m_expected = new QLabel;
    m_expected->setObjectName(QStringLiteral("OddsExpected"));
    m_expected->setWordWrap(true);
    layout->addWidget(m_expected);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(m_size, &QComboBox::currentIndexChanged, this,
            [this](int index) { showTipSize(m_size->itemData(index).toInt()); });
    resize(460, 480);
    showTipSize(10);
}

void OddsDialog::showTipSize(int tipSize) {
    const int index = m_size->findData(tipSize);
    if (index >= 0 && index != m_size->currentIndex()) {
        m_size->setCurrentIndex(index); // shows it through the change
        return;
    }
    m_table->setRowCount(tipSize + 1);
    for (int hits = 0; hits <= tipSize; ++hits) {
        const double p = tips::Odds::probability(tipSize, hits);
        const qint64 factor = tips::Odds::factor(tipSize, hits);
        const QStringList cells = {QString::number(hits), common::formatDecimal(p, 8),
                                   QString::number(factor),
                                   common::formatDecimal(p * static_cast<double>(factor), 4)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(hits, column, item);
        }
    }
    m_expected->setText(
        QStringLiteral("Retour attendu : %1 de la mise. En moyenne %2 numéros corrects par "
                       "grille. Les tirages sont indépendants : aucune stratégie fondée sur les "
                       "tirages passés ne fait mieux, en moyenne.")
            .arg(common::formatDecimal(tips::Odds::expectedReturn(tipSize) * 100, 2) +
                 QStringLiteral(" %"))
            .arg(common::formatDecimal(tips::Odds::expectedHits(tipSize), 4)) +
        QLatin1Char(' ') + seasonText(tipSize));
}

QString OddsDialog::seasonText(int tipSize) {
    // A year of play, one tip on each of the two daily draws. Simulated once
    // per tip size: the dialog shows it again at every change of size.
    constexpr int kSeason = 730;
    static std::map<int, backtest::StrategyReport::Band> known;
    auto found = known.find(tipSize);
    if (found == known.end()) {
        found = known
                    .emplace(tipSize,
                             backtest::StrategyReport::oneTipPerDraw(tipSize, kSeason).returnRate)
                    .first;
    }
    const auto percent = [](double rate) {
        return common::formatDecimal(rate * 100, 0) + QStringLiteral(" %");
    };
    return QStringLiteral("Sur un an, une grille par tirage (%1 grilles), le retour se situe "
                          "entre %2 et %3 dans 95 % des cas : une bonne saison ne prouve rien.")
        .arg(kSeason)
        .arg(percent(found->second.low), percent(found->second.high));
}

} // namespace ui
