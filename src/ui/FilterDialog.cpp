// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FilterDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "generator/TipGenerator.h"

namespace ui {

FilterDialog::FilterDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FilterDialog"));
    setWindowTitle(QStringLiteral("Filtres du dernier calcul"));
    auto* layout = new QVBoxLayout(this);
    m_table = new QTableWidget(generator::AcceptanceTests::kTests, 3);
    m_table->setObjectName(QStringLiteral("FilterTable"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("test"), QStringLiteral("ce qu'il demande"), QStringLiteral("refusés")});
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_table, 1);
    m_totals = new QLabel;
    m_totals->setObjectName(QStringLiteral("FilterTotals"));
    m_totals->setWordWrap(true);
    layout->addWidget(m_totals);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(480, 460);
}

void FilterDialog::showRun(const generator::RunResult& result) {
    for (int test = 1; test <= generator::AcceptanceTests::kTests; ++test) {
        const QStringList cells = {
            QString::number(test), generator::AcceptanceTests::description(test),
            QString::number(result.rejectedBy[static_cast<std::size_t>(test)])};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column != 1) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            m_table->setItem(test - 1, column, item);
        }
    }
    QStringList perTip;
    for (long long attempts : result.attemptsPerTip) {
        perTip << QString::number(attempts);
    }
    m_totals->setText(
        QStringLiteral("acceptés : %1 sur %2 essais. Essais par grille : %3")
            .arg(result.passed)
            .arg(result.attempts)
            .arg(perTip.isEmpty() ? QStringLiteral("aucun") : perTip.join(QStringLiteral(", "))));
}

} // namespace ui
