// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ScriptChoiceDialog.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "online/QKSForm.h"
#include "ui/FileDialogs.h"

namespace ui {

ScriptChoiceDialog::ScriptChoiceDialog(QWidget* owner) : m_owner(owner) {
    setObjectName(QStringLiteral("QKSForm"));
    setWindowTitle(online::QKSForm::caption());
    auto* layout = new QVBoxLayout(this);
    auto* label1 = new QLabel(online::QKSForm::fileLabel());
    label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label1);

    auto* scriptRow = new QHBoxLayout;
    m_script = new QComboBox;
    m_script->setObjectName(QStringLiteral("LabeledEdit1"));
    m_script->setEditable(true);
    m_script->setMinimumWidth(380);
    auto* browseButton = new QPushButton(QStringLiteral("..."));
    browseButton->setObjectName(QStringLiteral("BitBtn1"));
    connect(browseButton, &QPushButton::clicked, this, &ScriptChoiceDialog::browse);
    scriptRow->addWidget(m_script, 1);
    scriptRow->addWidget(browseButton);
    layout->addLayout(scriptRow);

    auto* label2 = new QLabel(online::QKSForm::parameterLabel());
    label2->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(label2);
    auto* parameters = new QFormLayout;
    m_zahl1 = parameter(QStringLiteral("LabeledEdit2"), QStringLiteral("ZAHL1"), parameters);
    m_text1 = parameter(QStringLiteral("LabeledEdit4"), QStringLiteral("TEXT1"), parameters);
    m_zahl2 = parameter(QStringLiteral("LabeledEdit3"), QStringLiteral("ZAHL2"), parameters);
    m_text2 = parameter(QStringLiteral("LabeledEdit5"), QStringLiteral("TEXT2"), parameters);
    layout->addLayout(parameters);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("BitBtn2"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"));
    cancel->setObjectName(QStringLiteral("BitBtn3"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

QLineEdit* ScriptChoiceDialog::parameter(const QString& name, const QString& label,
                                         QLayout* layout) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    static_cast<QFormLayout*>(layout)->addRow(label, edit);
    return edit;
}

void ScriptChoiceDialog::showForm(const online::QKSForm& form, const QString& home) {
    m_home = home;
    m_script->clear();
    m_script->addItems(form.scriptItems());
    m_script->setEditText(form.scriptText());
    m_zahl1->setText(form.zahl1());
    m_text1->setText(form.text1());
    m_zahl2->setText(form.zahl2());
    m_text2->setText(form.text2());
}

void ScriptChoiceDialog::takeInto(online::QKSForm* form) const {
    form->setScriptText(m_script->currentText());
    form->setZahl1(m_zahl1->text());
    form->setText1(m_text1->text());
    form->setZahl2(m_zahl2->text());
    form->setText2(m_text2->text());
}

bool ScriptChoiceDialog::chooseScript(online::QKSForm* form, const QString& home) {
    showForm(*form, home);
    if (m_owner && m_owner->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(m_owner->windowHandle());
    }
    const bool accepted = exec() == QDialog::Accepted;
    // The texts stay with the form either way, as the dialog keeps them.
    takeInto(form);
    return accepted;
}

bool ScriptChoiceDialog::askYesNo(const QString& caption, const QString& text) {
    return QMessageBox::question(m_owner, caption, text) == QMessageBox::Yes;
}

void ScriptChoiceDialog::browse() {
    const QString file = FileDialogs::openFile(
        this, online::QKSForm::caption(), online::QKSForm::scriptFolder(m_home),
        QStringLiteral("Quorvanes Click Script (*.qks)"), online::QKSForm::browseSuffix());
    if (!file.isEmpty()) {
        m_script->setEditText(QDir::toNativeSeparators(file));
    }
}

} // namespace ui
