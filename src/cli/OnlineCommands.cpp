// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HandoffCommands.h"
#include "cli/CommandTable.h"

namespace cli {

void addOnlineCommands(CommandTable& table) {
    table
        .add(QStringLiteral("handoff"),
             {0, 0, nullptr,
              [](CommandContext& c) {
                  app::HandoffCommands& handoff = c.session.handoff();
                  handoff.setStartListener(
                      [&c](const QString& commandLine) { c.out << commandLine << Qt::endl; });
                  const online::AutoWebScript::Outcome outcome = handoff.SpeedButton12Click();
                  handoff.setStartListener(nullptr);
                  return !outcome.failed;
              }})
        .windowCommand = app::WindowCommand::Handoff;
}

} // namespace cli
