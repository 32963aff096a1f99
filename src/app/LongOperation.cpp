// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LongOperation.h"

#include <algorithm>

#include "app/Session.h"

namespace app {

std::span<const CommandRule> commandRules() {
    static const CommandRule kRules[] = {
        {WindowCommand::Load, kTouchesCurrentDraw, {"SpeedButton5"}},
        {WindowCommand::StepBack, kTouchesCurrentDraw, {"SpeedButton6"}},
        {WindowCommand::StepForward, kTouchesCurrentDraw, {"SpeedButton7"}},
        {WindowCommand::Update,
         kTouchesHistory | kTouchesCurrentDraw,
         {"SpeedButton10", "BitBtn1"}},
        {WindowCommand::EnterDraw, kTouchesHistory | kTouchesCurrentDraw, {"BitBtn8"}},
        {WindowCommand::DeleteDraw, kTouchesHistory | kTouchesCurrentDraw, {"BitBtn6"}},
        {WindowCommand::Import, kTouchesHistory | kTouchesCurrentDraw, {"ImportButton"}},
        {WindowCommand::DeleteTip, kTouchesTipList, {"SpeedButton11"}},
        {WindowCommand::EditTip, kTouchesTipList, {"SpeedEdit"}},
        {WindowCommand::OpenTips, kTouchesTipList | kTouchesCurrentDraw, {"SpeedButton16"}},
        // The generator draws from the random generator a lucky number reseeds.
        {WindowCommand::LuckyNumber, kTouchesTipList, {"SpeedButton13"}},
        {WindowCommand::TipSearch, kTouchesTipList | kTouchesCurrentDraw, {"SpeedButton4"}},
        // Hands the tip list on: a list still being made would go half done.
        {WindowCommand::Handoff, kTouchesTipList, {"SpeedButton12"}},
        {WindowCommand::Backtest,
         kTouchesTipList | kTouchesCurrentDraw,
         {"BitBtn9", "Erfolgstest", "Button7", "Button8", "Button9", "Button10", "Button11"}},
        {WindowCommand::StrategyReport, kTouchesTipList | kTouchesCurrentDraw, {"StrategyButton"}},
        // Its button is the generation's stop while it runs: the window keeps
        // it enabled then.
        {WindowCommand::Generate, kTouchesTipList | kTouchesCurrentDraw, {"BitBtn4"}},
    };
    return kRules;
}

const CommandRule& ruleOf(WindowCommand command) {
    const auto rules = commandRules();
    return *std::find_if(rules.begin(), rules.end(),
                         [command](const CommandRule& rule) { return rule.command == command; });
}

bool OperationController::isActive(LongOperation operation) const {
    return m_running == operation ||
           std::find(m_parts.begin(), m_parts.end(), operation) != m_parts.end();
}

void OperationController::requestStop() {
    if (isRunning() && !m_stopRequested) {
        m_stopRequested = true;
        m_changed();
    }
}

bool OperationController::refuses(WindowCommand command) const {
    return isRunning() && ruleOf(command).touches != 0;
}

bool OperationController::begin(LongOperation operation) {
    if (isRunning()) {
        m_parts.push_back(operation);
        return false;
    }
    m_running = operation;
    m_stopRequested = false;
    m_changed();
    return true;
}

void OperationController::end(LongOperation operation, bool owner) {
    if (!owner) {
        const auto part = std::find(m_parts.rbegin(), m_parts.rend(), operation);
        if (part != m_parts.rend()) {
            m_parts.erase(std::next(part).base());
        }
        return;
    }
    m_running = LongOperation::None;
    m_parts.clear();
    m_changed();
}

QString OperationController::busyMessage(LongOperation operation) {
    QString name;
    switch (operation) {
    case LongOperation::Update:
        name = QStringLiteral("mise à jour des tirages");
        break;
    case LongOperation::Import:
        name = QStringLiteral("importation des résultats");
        break;
    case LongOperation::Generation:
        name = QStringLiteral("calcul des grilles");
        break;
    case LongOperation::Backtest:
        name = QStringLiteral("analyse");
        break;
    case LongOperation::TipSearch:
        name = QStringLiteral("recherche de grilles");
        break;
    case LongOperation::None:
        break;
    }
    return QStringLiteral("Une opération est en cours (%1) : attendez qu'elle se termine ou "
                          "arrêtez-la avec Échap.")
        .arg(name);
}

OperationScope::OperationScope(OperationController& operations, LongOperation operation)
    : m_operations(operations), m_operation(operation), m_owner(m_operations.begin(operation)) {
}

OperationScope::OperationScope(Session& session, LongOperation operation)
    : OperationScope(session.operations(), operation) {
}

OperationScope::~OperationScope() {
    m_operations.end(m_operation, m_owner);
}

} // namespace app
