// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QDate>
#include <QDialog>
#include <array>

#include "app/DrawEntryPort.h"
#include "prefs/DrawEntryGrid.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace ui {

// The draw entry dialog: the date, the 70 number boxes with their signed
// weighting rule, the seven Joker+ digits, "Soir" and the multiplier. It
// closes with OK only when exactly 20 numbers are checked and the date is
// not in the future.
class DrawEntryDialog : public QDialog, public app::DrawEntryPort {
    Q_OBJECT
public:
    static constexpr int kDrawSize = 20;

    explicit DrawEntryDialog(QWidget* parent = nullptr);

    // The dialog's cream background, also the normal colour of its boxes.
    static QColor background();
    // The colour that marks the current draw's numbers.
    QColor highlightColour() const;

    // app::DrawEntryPort: shows the draw modally.
    std::optional<history::DrawEntry> editDraw(const history::DrawEntry& shown) override;

    // Fills the dialog with a draw: its numbers checked and highlighted, the
    // highlight of any earlier draw removed.
    void showDraw(const history::DrawEntry& draw);
    // The draw as the dialog holds it now.
    history::DrawEntry entry() const;
    int checkedCount() const;
    QString statusText() const;

    // OK: refused with a message in the status line unless 20 are checked
    // and the date is not after the shown draw's lastDay (today).
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildNumberBoxes();
    QWidget* buildDrawFields();
    void boxToggled(int number, bool checked);
    void showBox(int number);
    void highlight(int number, bool on);
    void paintBackground();
    int numberOf(QObject* box) const;

    prefs::DrawEntryGrid m_grid;
    std::array<QCheckBox*, prefs::DrawEntryGrid::kNumbers> m_boxes{};
    std::array<QSpinBox*, 7> m_digits{};
    std::array<QRadioButton*, 3> m_multipliers{};
    QDateEdit* m_date = nullptr;
    QCheckBox* m_soir = nullptr;
    QLabel* m_status = nullptr;
    QDate m_lastDay;
};

} // namespace ui
