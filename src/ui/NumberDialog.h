// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDialog>
#include <array>
#include <functional>

#include "app/NumberDialogPort.h"
#include "prefs/RandomPick.h"

class QCheckBox;
class QPushButton;
class QTimer;

namespace ui {

// The number choice dialog (Form6): the 70 numbers as check boxes whose
// tooltips show their weights, value lists to save and load, the animated
// random pick, and the three ways out: OK, "Calculate" and abort.
class NumberDialog : public QDialog {
    Q_OBJECT
public:
    // Dialog results beside Accepted (OK) and Rejected (abort or closed).
    static constexpr int kCalculate = 2;

    // Asks for a value-list file name: save is true for saving; an empty
    // answer means the dialog was cancelled.
    using FileChooser = std::function<QString(bool save, const QString& proposedName)>;

    NumberDialog(app::NumberDialogState& state, common::Random& random, const QDate& today,
                 QWidget* parent = nullptr);

    app::NumberDialogPort::Answer answer() const;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    void done(int result) override;

private:
    QWidget* buildGrid();
    QPushButton* addButton(const QString& name, const QString& caption, const QString& hint);
    void showBoxes();
    void boxClicked(int number, bool checked);
    void randomPressed();
    void tick();
    void saveList();
    void loadList();
    QString chooseFile(bool save);

    app::NumberDialogState& m_state;
    prefs::RandomPick m_pick;
    QDate m_today;
    std::array<QCheckBox*, prefs::NumberGrid::kNumbers> m_boxes{};
    QPushButton* m_random = nullptr;
    QTimer* m_timer = nullptr;
    FileChooser m_chooseFile;
};

} // namespace ui
