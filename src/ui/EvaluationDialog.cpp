// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EvaluationDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWindow>

#include "tips/EvaluationSheet.h"

namespace ui {

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

void setTextKeepingCursor(QLineEdit* edit, const QString& text) {
    // Rewriting the same text would move the cursor of a field being typed in.
    if (edit->text() != text) {
        edit->setText(text);
    }
}

} // namespace

QString EvaluationDialog::countName(int hits) {
    static const char* names[] = {"Edit1", "Edit2", "Edit3", "Edit4",  "Edit5",
                                  "Edit6", "Edit7", "Edit8", "Edit17", "Edit20"};
    return QLatin1String(names[hits - 1]);
}

QString EvaluationDialog::quotaName(int hits) {
    static const char* names[] = {"Edit9",  "Edit10", "Edit11", "Edit12", "Edit13",
                                  "Edit14", "Edit15", "Edit16", "Edit19", "Edit18"};
    return QLatin1String(names[hits - 1]);
}

QString EvaluationDialog::sumName(int hits) {
    // Rows 9 and 10 got their sums later than the others, hence the gap.
    static const char* names[] = {"Label12", "Label13", "Label14", "Label15", "Label16",
                                  "Label17", "Label18", "Label19", "Label21", "Label22"};
    return QLatin1String(names[hits - 1]);
}

EvaluationDialog::EvaluationDialog(QWidget* owner) : m_owner(owner) {
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Auswertung und Gewinnberechnung"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const QStringList headers = {QStringLiteral("Anzahl"), QStringLiteral("Richtig"),
                                 QStringLiteral("Gewinnquoten"), QStringLiteral("Summe")};
    for (int column = 0; column < headers.size(); ++column) {
        grid->addWidget(new QLabel(headers[column]), 0, column);
    }
    for (int hits = 1; hits <= 10; ++hits) {
        const std::size_t i = static_cast<std::size_t>(hits - 1);
        m_counts[i] = named(new QLineEdit(QStringLiteral("0")), countName(hits));
        m_quotas[i] = named(new QLineEdit(QStringLiteral("0")), quotaName(hits));
        m_sums[i] = named(new QLabel, sumName(hits));
        m_sums[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_sums[i]->setMinimumWidth(110);
        grid->addWidget(m_counts[i], hits, 0);
        grid->addWidget(new QLabel(QString::number(hits)), hits, 1, Qt::AlignCenter);
        grid->addWidget(m_quotas[i], hits, 2);
        grid->addWidget(m_sums[i], hits, 3);
        connect(m_counts[i], &QLineEdit::textEdited, this,
                [this, hits](const QString& text) { fieldEdited(hits, true, text); });
        connect(m_quotas[i], &QLineEdit::textEdited, this,
                [this, hits](const QString& text) { fieldEdited(hits, false, text); });
    }
    m_total = named(new QLabel(QStringLiteral("Summe")), QStringLiteral("Label20"));
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_total, 11, 3);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* average =
        named(new QPushButton(QStringLiteral("Ø cotes")), QStringLiteral("SpeedButton1"));
    average->setToolTip(QStringLiteral("inscrire les cotes moyennes"));
    connect(average, &QPushButton::clicked, this, &EvaluationDialog::averageQuotas);
    auto* close = named(new QPushButton(QStringLiteral("&Fermer")), QStringLiteral("BitBtn1"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(average);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // Panel 0 tells which field is no number, since the sums skip that row.
    auto* statusBar = named(new QStatusBar, QStringLiteral("StatusBar1"));
    m_status = named(new QLabel, QStringLiteral("StatusBar1Panel0"));
    statusBar->addWidget(m_status, 1);
    statusBar->addWidget(named(new QLabel, QStringLiteral("StatusBar1Panel1")));
    layout->addWidget(statusBar);
}

void EvaluationDialog::showEvaluationSheet(tips::EvaluationSheet& sheet) {
    m_sheet = &sheet;
    showAll();
    if (m_owner && m_owner->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(m_owner->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

void EvaluationDialog::tallyChanged() {
    if (m_sheet && isVisible()) {
        m_sheet->recalculate();
        showAll();
    }
}

void EvaluationDialog::fieldEdited(int hits, bool count, const QString& text) {
    if (!m_sheet) {
        return;
    }
    if (count) {
        m_sheet->setCountText(hits, text);
    } else {
        m_sheet->setQuotaText(hits, text);
    }
    showComputed();
}

void EvaluationDialog::averageQuotas() {
    if (!m_sheet) {
        return;
    }
    const QString message = m_sheet->setAverageQuotas();
    showAll();
    QMessageBox::information(this, windowTitle(), message);
}

void EvaluationDialog::showAll() {
    for (int hits = 1; hits <= 10; ++hits) {
        const std::size_t i = static_cast<std::size_t>(hits - 1);
        setTextKeepingCursor(m_counts[i], m_sheet->countText(hits));
        setTextKeepingCursor(m_quotas[i], m_sheet->quotaText(hits));
    }
    showComputed();
}

void EvaluationDialog::showComputed() {
    for (int hits = 1; hits <= 10; ++hits) {
        const std::size_t i = static_cast<std::size_t>(hits - 1);
        m_quotas[i]->setEnabled(m_sheet->quotaEnabled(hits));
        m_sums[i]->setText(m_sheet->rowSum(hits));
    }
    m_total->setText(m_sheet->total());
    m_status->setText(m_sheet->errors().value(0));
}

} // namespace ui
