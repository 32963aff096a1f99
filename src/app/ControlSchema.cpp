// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlSchema.h"

#include <QDate>
#include <QHash>

#include "common/DayNumber.h"
#include "common/Formats.h"
#include "common/WebAddresses.h"

namespace app {

namespace {

const QString kFirstDrawText = common::formatShortDate(common::toDate(common::kFirstDrawDay));

// clang-format off
#define TIRVEX_CONTROL_ROW(id, kind, minimum, maximum, defaultValue, caption, hint, page, hidden, buddy, settingsName, storedAs, ...) \
    ControlSpec{Control::id, QStringLiteral(#id), ControlKind::kind, minimum, maximum, defaultValue, caption, hint, page, hidden, buddy, settingsName, StoredAs::storedAs, QStringList{__VA_ARGS__}},
const std::vector<ControlSpec> kControls = {TIRVEX_CONTROLS(TIRVEX_CONTROL_ROW)};
#undef TIRVEX_CONTROL_ROW
// clang-format on

const QHash<QString, ControlName>& names() {
    static const QHash<QString, ControlName> table = [] {
        QHash<QString, ControlName> byName;
        for (const ControlSpec& control : kControls) {
            byName.insert(control.name, {control.id, false});
            if (!control.buddy.isEmpty()) {
                byName.insert(control.buddy, {control.id, true});
            }
        }
        return byName;
    }();
    return table;
}

} // namespace

const std::vector<ControlSpec>& ControlSchema::controls() {
    return kControls;
}

const ControlSpec& ControlSchema::row(Control id) {
    return kControls[static_cast<std::size_t>(id)];
}

std::optional<Control> ControlSchema::find(const QString& name) {
    const auto it = names().constFind(name);
    if (it == names().constEnd() || it->buddy) {
        return std::nullopt;
    }
    return it->id;
}

std::optional<ControlName> ControlSchema::resolve(const QString& name) {
    const auto it = names().constFind(name);
    return it == names().constEnd() ? std::nullopt : std::optional<ControlName>(*it);
}

const ControlSpec* ControlSchema::rowOf(const QString& name) {
    const std::optional<Control> id = find(name);
    return id ? &row(*id) : nullptr;
}

QString ControlSchema::unknownMessage(const QString& name) {
    return QStringLiteral("unknown control \"%1\"").arg(name);
}

int ControlSchema::stake(int item) {
    return row(Control::ComboBox1).items.value(item).toInt();
}

QDate ControlSchema::firstDrawDate() {
    return common::toDate(common::kFirstDrawDay);
}

} // namespace app
