// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DrawEntryDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cstdlib>

#include "common/DayNumber.h"

namespace ui {

namespace {
const int kMultiplierValues[] = {2, 3, 5};
// How far apart two colours must be (sum of the channel differences) for the
// eye to tell a marked box from an unmarked one at a glance.
constexpr int kVisibleDistance = 60;

int distance(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
           std::abs(a.blue() - b.blue());
}

// Number n is box 70 + n: the boxes 1..70 belong to the number choice.
QString boxName(int number) {
    return QStringLiteral("CheckBox%1").arg(number + prefs::DrawEntryGrid::kNumbers);
}
} // namespace

DrawEntryDialog::DrawEntryDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ZiehungEingabe"));
    setWindowTitle(QStringLiteral("Welche Zahlen für die Berechnung"));
    paintBackground();
    auto* layout = new QVBoxLayout(this);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel3"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(buildNumberBoxes());
    panelLayout->addWidget(buildDrawFields());
    layout->addWidget(panel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn1"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BitBtn2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DrawEntryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DrawEntryDialog::reject);
    layout->addWidget(buttons);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_status);
}

QWidget* DrawEntryDialog::buildNumberBoxes() {
    auto* boxes = new QWidget;
    auto* grid = new QGridLayout(boxes);
    grid->setSpacing(2);
    for (int number = 1; number <= prefs::DrawEntryGrid::kNumbers; ++number) {
        auto* box = new QCheckBox(QString::number(number));
        box->setObjectName(boxName(number));
        box->setMouseTracking(true);
        // A button fills with its Button colour; the box shows the window's
        // (cream, or the highlight) instead.
        box->setBackgroundRole(QPalette::Window);
        box->setAutoFillBackground(true);
        box->installEventFilter(this);
        // A weight of 0 lets the first check raise it to 1; an empty weight
        // would uncheck the box at once.
        m_grid.setWeightText(number, QStringLiteral("0"));
        box->setToolTip(m_grid.weightText(number));
        connect(box, &QCheckBox::toggled, this,
                [this, number](bool checked) { boxToggled(number, checked); });
        m_boxes[static_cast<std::size_t>(number - 1)] = box;
        grid->addWidget(box, (number - 1) / 10, (number - 1) % 10);
    }
    return boxes;
}

QWidget* DrawEntryDialog::buildDrawFields() {
    auto* fields = new QWidget;
    auto* row = new QHBoxLayout(fields);
    m_date = new QDateEdit;
    m_date->setObjectName(QStringLiteral("DateTimePicker1"));
    m_date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_date->setCalendarPopup(true);
    m_date->setMinimumDate(common::toDate(common::kFirstDrawDay));
    row->addWidget(m_date);

    row->addWidget(new QLabel(QStringLiteral("JOKER+®")));
    for (std::size_t i = 0; i < m_digits.size(); ++i) {
        auto* digit = new QSpinBox;
        digit->setObjectName(QStringLiteral("UpDown%1").arg(i + 3));
        digit->setRange(0, 9);
        m_digits[i] = digit;
        row->addWidget(digit);
    }

    m_soir = new QCheckBox(QStringLiteral("Soir"));
    m_soir->setObjectName(QStringLiteral("CheckSoir"));
    row->addWidget(m_soir);

    auto* group = new QGroupBox(QStringLiteral("Multiplicateur"));
    group->setObjectName(QStringLiteral("Multiplicateur"));
    auto* groupLayout = new QHBoxLayout(group);
    for (std::size_t i = 0; i < m_multipliers.size(); ++i) {
        m_multipliers[i] = new QRadioButton(QString::number(kMultiplierValues[i]));
        groupLayout->addWidget(m_multipliers[i]);
    }
    m_multipliers[0]->setChecked(true);
    row->addWidget(group);
    return fields;
}

// ---- number boxes -------------------------------------------------------------

int DrawEntryDialog::numberOf(QObject* box) const {
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i] == box) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

void DrawEntryDialog::showBox(int number) {
    QCheckBox* box = m_boxes[static_cast<std::size_t>(number - 1)];
    const QSignalBlocker block(box);
    box->setChecked(m_grid.checked(number));
    box->setToolTip(m_grid.weightText(number));
}

void DrawEntryDialog::boxToggled(int number, bool checked) {
    // The weighting rule may take the check back at once.
    m_grid.setChecked(number, checked);
    showBox(number);
    m_status->setText(m_grid.statusText());
}

QColor DrawEntryDialog::background() {
    return QColor(255, 251, 240);
}

void DrawEntryDialog::paintBackground() {
    QPalette cream = palette();
    cream.setColor(QPalette::Window, background());
    setPalette(cream);
    setAutoFillBackground(true);
}

QColor DrawEntryDialog::highlightColour() const {
    // The tooltip background, the system's colour for a note, is a pale
    // yellow on most desktops and all but vanishes on cream: deepen it until
    // it stands out.
    QColor colour = palette().color(QPalette::ToolTipBase);
    for (int step = 0; step < 20 && distance(colour, background()) < kVisibleDistance; ++step) {
        colour = colour.darker(110);
    }
    return colour;
}

void DrawEntryDialog::highlight(int number, bool on) {
    QCheckBox* box = m_boxes[static_cast<std::size_t>(number - 1)];
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window, on ? highlightColour() : palette().color(QPalette::Window));
    colours.setColor(QPalette::WindowText, on ? palette().color(QPalette::ToolTipText)
                                              : palette().color(QPalette::WindowText));
    box->setPalette(colours);
}

bool DrawEntryDialog::eventFilter(QObject* watched, QEvent* event) {
    const int number = numberOf(watched);
    if (number == 0) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const bool right = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        m_grid.mousePress(number, right);
        if (right) {
            // The right button counts down without toggling the box.
            showBox(number);
            m_status->setText(m_grid.statusText());
            return true;
        }
    } else if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        m_grid.mouseMove(number);
        m_status->setText(m_grid.statusText());
    }
    return QDialog::eventFilter(watched, event);
}

// ---- the draw -----------------------------------------------------------------

void DrawEntryDialog::showDraw(const history::DrawEntry& draw) {
    m_date->setDate(draw.date);
    m_lastDay = draw.lastDay;
    for (std::size_t i = 0; i < m_digits.size(); ++i) {
        m_digits[i]->setValue(draw.jokerPlus[i]);
    }
    const int item = draw.multiplier == 2 ? 0 : draw.multiplier == 3 ? 1 : 2;
    m_multipliers[static_cast<std::size_t>(item)]->setChecked(true);
    m_soir->setChecked(draw.soir);
    for (int number = 1; number <= prefs::DrawEntryGrid::kNumbers; ++number) {
        m_grid.setChecked(number, false);
        highlight(number, false);
    }
    for (int number : draw.numbers) {
        if (number >= 1 && number <= prefs::DrawEntryGrid::kNumbers) {
            m_grid.setChecked(number, true);
            highlight(number, true);
        }
    }
    for (int number = 1; number <= prefs::DrawEntryGrid::kNumbers; ++number) {
        showBox(number);
    }
    m_status->clear();
}

int DrawEntryDialog::checkedCount() const {
    int count = 0;
    for (int number = 1; number <= prefs::DrawEntryGrid::kNumbers; ++number) {
        count += m_grid.checked(number) ? 1 : 0;
    }
    return count;
}

history::DrawEntry DrawEntryDialog::entry() const {
    history::DrawEntry draw;
    draw.date = m_date->date();
    draw.lastDay = m_lastDay;
    draw.soir = m_soir->isChecked();
    for (std::size_t i = 0; i < m_multipliers.size(); ++i) {
        if (m_multipliers[i]->isChecked()) {
            draw.multiplier = kMultiplierValues[i];
        }
    }
    for (std::size_t i = 0; i < m_digits.size(); ++i) {
        draw.jokerPlus[i] = m_digits[i]->value();
    }
    for (int number = 1; number <= prefs::DrawEntryGrid::kNumbers; ++number) {
        if (m_grid.checked(number)) {
            draw.numbers.push_back(number);
        }
    }
    return draw;
}

QString DrawEntryDialog::statusText() const {
    return m_status->text();
}

void DrawEntryDialog::accept() {
    const int count = checkedCount();
    if (count != kDrawSize) {
        // A draw has 20 numbers; a record cannot hold more, and fewer would
        // store zeros as numbers.
        m_status->setText(
            QStringLiteral("Un tirage compte exactement 20 numéros : %1 cochés.").arg(count));
        return;
    }
    if (const QString future = history::DrawEditor::futureDateError(m_date->date(), m_lastDay);
        !future.isEmpty()) {
        m_status->setText(future);
        return;
    }
    QDialog::accept();
}

std::optional<history::DrawEntry> DrawEntryDialog::editDraw(const history::DrawEntry& shown) {
    showDraw(shown);
    setWindowTitle(QStringLiteral("Dates de tirage "));
    const int result = exec();
    setWindowTitle(QStringLiteral("Sélectionnez chiffres pour le calcul"));
    if (result != QDialog::Accepted) {
        return std::nullopt;
    }
    return entry();
}

} // namespace ui
