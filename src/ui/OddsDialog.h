// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace ui {

// "Cotes": for a tip size 2..10 the chance of each hit count when 20 of 70
// are drawn, the prize table's factor, what each count returns on average,
// and the expected return of one unit of stake.
class OddsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OddsDialog(QWidget* parent = nullptr);
    void showTipSize(int tipSize);

private:
    // How far a year's return strays by luck alone.
    static QString seasonText(int tipSize);
    QComboBox* m_size = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_expected = nullptr;
};

} // namespace ui
