// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QTableWidget;
class QLabel;

namespace generator {
struct RunResult;
}

namespace ui {

// What each acceptance test refused in the last generation, and how many
// attempts each tip took: where the parameters make the search hard.
class FilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit FilterDialog(QWidget* parent = nullptr);
    void showRun(const generator::RunResult& result);

private:
    QTableWidget* m_table = nullptr;
    QLabel* m_totals = nullptr;
};

} // namespace ui
