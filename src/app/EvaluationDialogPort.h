// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tips {
class EvaluationSheet;
}

namespace app {

// The evaluation dialog: shows the sheet whose count fields are the hit tally
// and lets the user type the real quotas.
class EvaluationDialogPort {
public:
    virtual ~EvaluationDialogPort() = default;
    virtual void showEvaluationSheet(tips::EvaluationSheet& sheet) = 0;
    // A check rewrote the counts; an open dialog shows them.
    virtual void tallyChanged() = 0;
};

} // namespace app
