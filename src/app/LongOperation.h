// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <span>
#include <vector>

namespace app {

class Session;

// The operations that run for a while and let pending input run meanwhile.
// Only one runs at a time: while one does, what would change the history,
// the current draw or the tip list under it is refused.
enum class LongOperation { None, Update, Import, Generation, Backtest, TipSearch };

// The commands of the window that a long operation refuses, one per handler.
enum class WindowCommand {
    Load,
    StepBack,
    StepForward,
    Update,
    EnterDraw,
    DeleteDraw,
    Import,
    DeleteTip,
    EditTip,
    OpenTips,
    LuckyNumber,
    TipSearch,
    Handoff,
    Backtest,
    StrategyReport,
    Generate,
};

// What a command changes, or hands on as it stands.
enum Touches : unsigned {
    kTouchesHistory = 1u << 0,
    kTouchesCurrentDraw = 1u << 1,
    kTouchesTipList = 1u << 2,
};

// Each command states once what it touches and which buttons run it: the
// window disables those buttons during a long operation and the handler
// refuses the command, from this one table.
struct CommandRule {
    WindowCommand command;
    unsigned touches;
    std::vector<const char*> buttons;
};
std::span<const CommandRule> commandRules();
const CommandRule& ruleOf(WindowCommand command);

// Owns what runs for a while: the operation, the parts of it that open a
// scope of their own (a backtest's generations), the stop asked of it, and
// the rule that refuses a command meanwhile.
class OperationController {
public:
    // changed runs when an operation starts or ends and when a stop is asked.
    explicit OperationController(std::function<void()> changed) : m_changed(std::move(changed)) {}

    LongOperation running() const { return m_running; }
    bool isRunning() const { return m_running != LongOperation::None; }
    // The operation that runs, or one running as a part of it.
    bool isActive(LongOperation operation) const;

    // Asks the running operation (and all its parts) to stop; nothing when
    // none runs. Cleared when the next operation starts.
    void requestStop();
    bool stopRequested() const { return m_stopRequested; }

    // A command that touches anything waits for the operation to end.
    bool refuses(WindowCommand command) const;
    static QString busyMessage(LongOperation operation);

private:
    friend class OperationScope;
    bool begin(LongOperation operation);
    void end(LongOperation operation, bool owner);

    LongOperation m_running = LongOperation::None;
    std::vector<LongOperation> m_parts;
    bool m_stopRequested = false;
    std::function<void()> m_changed;
};

// Marks a long operation for the length of a scope. A scope opened while
// another operation runs is a part of that one (a backtest's generations, the
// activation's update): the stop asked of the operation reaches it, and it
// changes nothing else.
class OperationScope {
public:
    OperationScope(OperationController& operations, LongOperation operation);
    OperationScope(Session& session, LongOperation operation);
    ~OperationScope();
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    OperationController& m_operations;
    LongOperation m_operation;
    bool m_owner;
};

} // namespace app
