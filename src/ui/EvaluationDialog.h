// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "app/EvaluationDialogPort.h"

class QLabel;
class QLineEdit;

namespace tips {
class EvaluationSheet;
}

namespace ui {

// "Auswertung und Gewinnberechnung": per hit count 1..10 the count (the hit
// tally the check keeps), the quota the user types and the row sum, with the
// grand total below. It stays open beside the main window, so a new check
// shows up in its counts at once.
class EvaluationDialog : public QDialog, public app::EvaluationDialogPort {
    Q_OBJECT
public:
    // A window of its own: its field names repeat names of the main window,
    // so it must not be found among the main window's children. The owner
    // only keeps it in front of the main window.
    explicit EvaluationDialog(QWidget* owner = nullptr);

    void showEvaluationSheet(tips::EvaluationSheet& sheet) override;
    // The counts changed outside (a check ran): recalculate and show again.
    void tallyChanged() override;

    // Field names per hit count, as the dialog has always named them.
    static QString countName(int hits);
    static QString quotaName(int hits);
    static QString sumName(int hits);

private:
    void fieldEdited(int hits, bool count, const QString& text);
    void averageQuotas();
    void showAll();
    void showComputed();

    QWidget* m_owner;
    tips::EvaluationSheet* m_sheet = nullptr;
    std::array<QLineEdit*, 10> m_counts{};
    std::array<QLineEdit*, 10> m_quotas{};
    std::array<QLabel*, 10> m_sums{};
    QLabel* m_total = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace ui
