// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "app/HandoffDialogPort.h"

class QComboBox;
class QLineEdit;

namespace ui {

// "Script für Zahlenübergabe auswählen!": the click-script template and the
// four parameters handed to the form filler.
class ScriptChoiceDialog : public QDialog, public app::HandoffDialogPort {
    Q_OBJECT
public:
    // A window of its own, like the evaluation dialog: its control names
    // repeat names of the main window. The owner keeps it in front.
    explicit ScriptChoiceDialog(QWidget* owner = nullptr);

    bool chooseScript(online::QKSForm* form, const QString& home) override;
    bool askYesNo(const QString& caption, const QString& text) override;

    // Fills the widgets from the form's values and takes them back.
    void showForm(const online::QKSForm& form, const QString& home);
    void takeInto(online::QKSForm* form) const;

private:
    void browse();
    QLineEdit* parameter(const QString& name, const QString& label, QLayout* layout);

    QComboBox* m_script = nullptr;
    QLineEdit* m_zahl1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_zahl2 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QString m_home;
    QWidget* m_owner;
};

} // namespace ui
