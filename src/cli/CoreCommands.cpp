// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlSchema.h"
#include "cli/CommandTable.h"
#include "common/Formats.h"

namespace cli {

namespace {

QString checkControlValue(const QStringList& args) {
    const QString& name = args[0];
    const QString& value = args.value(1);
    const std::optional<app::ControlName> named = app::ControlSchema::resolve(name);
    if (!named) {
        return app::ControlSchema::unknownMessage(name);
    }
    if (named->buddy) {
        // Edit boxes of up-downs take any text; Edit1 normalises what it gets.
        return named->id == app::Control::UpDown9 ? QString() : checkInteger(value);
    }
    const app::ControlSpec& control = app::ControlSchema::row(named->id);
    switch (control.kind) {
    case app::ControlKind::Field:
    case app::ControlKind::Label:
        return app::ControlSchema::unknownMessage(name); // shown, never set
    case app::ControlKind::UpDown:
        return checkInteger(value);
    case app::ControlKind::CheckBox:
        return value == QLatin1String("0") || value == QLatin1String("1")
                   ? QString()
                   : QStringLiteral("a check box takes 0 or 1, not \"%1\"").arg(value);
    case app::ControlKind::ComboBox: {
        qint64 index = 0;
        if (!common::parseInteger(value, &index) || index < -1 || index >= control.items.size()) {
            return QStringLiteral("no item %1 in %2").arg(value, name);
        }
        return QString();
    }
    case app::ControlKind::DatePicker:
        return checkDate(value);
    case app::ControlKind::Edit:
        return QString();
    }
    return QString();
}

QString checkKnownControl(const QStringList& args) {
    return app::ControlSchema::resolve(args[0]) ? QString()
                                                : app::ControlSchema::unknownMessage(args[0]);
}

bool printCheck(CommandContext& c) {
    c.session.Komplettcheck();
    printTips(c);
    c.out << c.session.statusText(0) << Qt::endl;
    return true;
}

Command cursorCommand(bool (app::Session::*move)()) {
    return {0, 0, nullptr, [move](CommandContext& c) {
                if (!(c.session.*move)()) {
                    return false;
                }
                printDrawLines(c);
                return true;
            }};
}

} // namespace

void printDrawLines(CommandContext& c) {
    c.out << c.session.controls().text(app::Control::Label29) << Qt::endl;
    c.out << c.session.controls().text(app::Control::Label13) << Qt::endl;
}

void printTips(CommandContext& c) {
    const tips::TipList& list = c.session.tipList();
    for (int i = 0; i < list.count(); ++i) {
        c.out << list.lines()[i] << '\t' << list.hits().value(i) << Qt::endl;
    }
}

void addCoreCommands(CommandTable& table) {
    table.add(QStringLiteral("date"), {1, 1, [](const QStringList& a) { return checkDate(a[0]); },
                                       [](CommandContext& c) {
                                           c.session.setControlByUser(app::Control::DateTimePicker1,
                                                                      c.args[0]);
                                           return true;
                                       }});
    table.add(QStringLiteral("from"), {1, 1, [](const QStringList& a) { return checkDate(a[0]); },
                                       [](CommandContext& c) {
                                           c.session.setControlByUser(app::Control::DateTimePicker2,
                                                                      c.args[0]);
                                           return true;
                                       }});
    table.add(QStringLiteral("set"), {2, 2, checkControlValue, [](CommandContext& c) {
                                          c.session.setControlByUser(c.args[0], c.args[1]);
                                          return true;
                                      }});
    table.add(QStringLiteral("get"), {1, 1, checkKnownControl, [](CommandContext& c) {
                                          c.out << c.session.controlValue(c.args[0]) << Qt::endl;
                                          return true;
                                      }});
    table.add(QStringLiteral("activate"), {0, 0, nullptr, [](CommandContext& c) {
                                               c.session.FormActivate();
                                               // The window shows it on every page.
                                               if (!c.session.staleNotice().isEmpty()) {
                                                   c.err << c.session.staleNotice() << Qt::endl;
                                               }
                                               return true;
                                           }});
    table.add(QStringLiteral("load"), cursorCommand(&app::Session::SpeedButton5Click))
        .windowCommand = app::WindowCommand::Load;
    table.add(QStringLiteral("back"), cursorCommand(&app::Session::SpeedButton6Click))
        .windowCommand = app::WindowCommand::StepBack;
    table.add(QStringLiteral("forward"), cursorCommand(&app::Session::SpeedButton7Click))
        .windowCommand = app::WindowCommand::StepForward;
    table
        .add(QStringLiteral("import"), {1, -1, nullptr,
                                        [](CommandContext& c) {
                                            const auto result = c.session.importArchive(c.args);
                                            if (!result.ok) {
                                                c.err << result.error << Qt::endl;
                                                return false;
                                            }
                                            c.out << result.summary() << Qt::endl;
                                            return true;
                                        }})
        .windowCommand = app::WindowCommand::Import;
    table.add(QStringLiteral("tips"), {0, 0, nullptr, [](CommandContext& c) {
                                           printTips(c);
                                           return true;
                                       }});
    table
        .add(QStringLiteral("add"), {1, 1, nullptr,
                                     [](CommandContext& c) {
                                         c.session.tipList().append(c.args[0]);
                                         c.session.port().tipListsChanged();
                                         return true;
                                     }})
        .windowCommand = app::WindowCommand::EditTip;
    table
        .add(QStringLiteral("remove"), {1, 1, checkTipIndex,
                                        [](CommandContext& c) {
                                            c.session.selectTip(c.args[0].toInt() - 1);
                                            c.session.SpeedButton11Click();
                                            return printCheck(c);
                                        }})
        .windowCommand = app::WindowCommand::DeleteTip;
    table
        .add(QStringLiteral("clear"), {0, 0, nullptr,
                                       [](CommandContext& c) {
                                           c.session.tipList().clear();
                                           c.session.port().tipListsChanged();
                                           return true;
                                       }})
        .windowCommand = app::WindowCommand::DeleteTip;
    table.add(QStringLiteral("check"), {0, 0, nullptr, printCheck});
}

} // namespace cli
