// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NumberDialog.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/DefaultSuffix.h"
#include "prefs/ValueList.h"
#include "ui/FileDialogs.h"

namespace ui {

namespace {
constexpr int kColumns = 10;
constexpr int kTickMs = 25;
const QString kHighlight = QStringLiteral("QCheckBox { color: #c00000; font-weight: bold; }");
const QString kFileFilter = QStringLiteral("Werteliste (*.hlw)");
const QString kSuffix = QStringLiteral("hlw");
} // namespace

NumberDialog::NumberDialog(app::NumberDialogState& state, common::Random& random,
                           const QDate& today, QWidget* parent)
    : QDialog(parent), m_state(state), m_pick(state.grid, random), m_today(today) {
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(state.caption);
    m_pick.setMaxtipp(state.maxtipp);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGrid());
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    QPushButton* save = addButton(QStringLiteral("SpeedButton1"), QStringLiteral("Enregistrer"),
                                  QStringLiteral("Speichern der Liste"));
    QPushButton* load = addButton(QStringLiteral("SpeedButton2"), QStringLiteral("Charger"),
                                  QStringLiteral("Laden der Liste"));
    m_random = addButton(QStringLiteral("BitBtn4"), state.randomCaption, QString());
    QPushButton* calculate =
        addButton(QStringLiteral("BitBtn3"), QStringLiteral("Calculate"), QString());
    QPushButton* ok = addButton(QStringLiteral("BitBtn1"), QStringLiteral("OK"), QString());
    QPushButton* abort =
        addButton(QStringLiteral("BitBtn2"), QStringLiteral("&Abandonner"), QString());
    for (QPushButton* button : {save, load}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    for (QPushButton* button : {m_random, calculate, ok, abort}) {
        buttons->addWidget(button);
    }
    m_random->setVisible(state.randomVisible);
    calculate->setVisible(state.calculateVisible);
    ok->setDefault(true);

    connect(save, &QPushButton::clicked, this, &NumberDialog::saveList);
    connect(load, &QPushButton::clicked, this, &NumberDialog::loadList);
    connect(m_random, &QPushButton::clicked, this, &NumberDialog::randomPressed);
    connect(calculate, &QPushButton::clicked, this, [this] { done(kCalculate); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &NumberDialog::tick);

    showBoxes();
    setFixedSize(sizeHint());
}

QWidget* NumberDialog::buildGrid() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    for (int number = 1; number <= prefs::NumberGrid::kNumbers; ++number) {
        auto* box = new QCheckBox(QString::number(number));
        box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
        // Only a person's toggle comes through `clicked`; the program's own
        // changes go through the grid, which runs the click rule itself.
        connect(box, &QCheckBox::clicked, this,
                [this, number](bool checked) { boxClicked(number, checked); });
        grid->addWidget(box, (number - 1) / kColumns, (number - 1) % kColumns);
        m_boxes[static_cast<std::size_t>(number - 1)] = box;
    }
    return panel;
}

QPushButton* NumberDialog::addButton(const QString& name, const QString& caption,
                                     const QString& hint) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

void NumberDialog::showBoxes() {
    const prefs::NumberGrid& grid = m_state.grid;
    for (int number = 1; number <= prefs::NumberGrid::kNumbers; ++number) {
        QCheckBox* box = m_boxes[static_cast<std::size_t>(number - 1)];
        const QSignalBlocker block(box);
        box->setChecked(grid.checked(number));
        box->setToolTip(grid.weightText(number));
        box->setStyleSheet(grid.highlighted(number) ? kHighlight : QString());
    }
}

void NumberDialog::boxClicked(int number, bool checked) {
    m_state.grid.setChecked(number, checked);
    showBoxes();
}

void NumberDialog::randomPressed() {
    m_pick.press();
    if (m_pick.timerActive() && !m_timer->isActive()) {
        m_timer->start();
    } else if (!m_pick.timerActive()) {
        m_timer->stop();
        m_random->setText(m_pick.caption());
    }
    showBoxes();
}

void NumberDialog::tick() {
    m_pick.tick();
    m_random->setText(m_pick.caption());
    showBoxes();
}

QString NumberDialog::chooseFile(bool save) {
    const QString proposed = prefs::ValueList::proposedFileName(m_today);
    if (m_chooseFile) {
        return m_chooseFile(save, proposed);
    }
    return save ? QFileDialog::getSaveFileName(this, QString(), proposed, kFileFilter)
                : FileDialogs::openFile(this, QString(), QString(), kFileFilter, kSuffix);
}

void NumberDialog::saveList() {
    const QString path = common::withDefaultSuffix(chooseFile(true), kSuffix);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!prefs::ValueList::save(path, m_state.grid, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
    }
    showBoxes();
}

void NumberDialog::loadList() {
    const QString path = chooseFile(false);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!prefs::ValueList::load(path, m_state.grid, &error)) {
        QMessageBox::warning(this, windowTitle(), error);
    }
    showBoxes();
}

app::NumberDialogPort::Answer NumberDialog::answer() const {
    if (result() == QDialog::Accepted) {
        return app::NumberDialogPort::Answer::Ok;
    }
    return result() == kCalculate ? app::NumberDialogPort::Answer::Calculate
                                  : app::NumberDialogPort::Answer::Cancel;
}

void NumberDialog::done(int result) {
    // However the dialog closes, the spinning pick ends with it, and the
    // button keeps the stopped pick's caption for the next showing.
    m_timer->stop();
    m_pick.close();
    m_state.randomCaption = m_pick.caption();
    m_random->setText(m_state.randomCaption);
    QDialog::done(result);
}

} // namespace ui
