#pragma once

#include <QString>

namespace app {

class Session;

// The operations that run for a while and let pending input run meanwhile.
// Only one runs at a time: while one does, what would change the history,
// the current draw or the tip list under it is refused.
enum class LongOperation { None, Update, Import, Generation, Backtest, TipSearch };

// Marks a long operation for the length of a scope. A scope opened while
// another operation runs is a part of that one (a backtest's generations, the
// activation's update) and changes nothing.
class OperationScope {
public:
    OperationScope(Session& session, LongOperation operation);
    ~OperationScope();
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    Session& m_session;
    bool m_owner;
};

} // namespace app
