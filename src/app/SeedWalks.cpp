// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SeedWalks.h"

#include <QThread>
#include <QThreadPool>
#include <atomic>
#include <memory>

#include "app/BacktestCommands.h"
#include "app/HeadlessPort.h"
#include "app/Session.h"

namespace app {

namespace {

// How often the calling thread adds up the walks' progress.
constexpr int kPollMs = 100;

// The window port of a walk on a worker thread: it shows nothing, answers
// with the defaults, keeps the messages for the calling thread, counts the
// cycles done and turns the stop asked for on the calling thread into a stop
// of its own session when the walk next lets input run.
class WorkerPort : public HeadlessPort {
public:
    WorkerPort(const std::atomic<bool>& stop, QDate today) : m_stop(stop), m_today(today) {}

    void setSession(Session* session) { m_session = session; }
    int cycles() const { return m_cycles.load(std::memory_order_relaxed); }
    const QStringList& messages() const { return m_messages; }

    void showMessage(const QString& text) override { m_messages << text; }
    void processEvents() override {
        if (m_stop.load() && m_session) {
            m_session->stopOperation();
        }
    }
    void progressChanged(int done, int total) override {
        if (total > 0) {
            m_cycles.store(done, std::memory_order_relaxed);
        }
    }
    QDate today() override { return m_today; }

private:
    const std::atomic<bool>& m_stop;
    QDate m_today;
    Session* m_session = nullptr;
    std::atomic<int> m_cycles{0};
    QStringList m_messages;
};

// One seed: its port, its copy of the session and what its walk gave.
struct Worker {
    Worker(const std::atomic<bool>& stop, QDate today) : port(stop, today) {}
    WorkerPort port;
    std::unique_ptr<Session> session;
    SeedWalks::Result result;
};

} // namespace

std::vector<SeedWalks::Result> SeedWalks::run(const std::vector<qint32>& seeds,
                                              const Progress& progress) {
    std::atomic<bool> stop{false};
    std::vector<std::unique_ptr<Worker>> workers;
    // Every copy is made here, before any walk starts, from the same state.
    const QDate today = m_host.port().today();
    for (qint32 seed : seeds) {
        auto worker = std::make_unique<Worker>(stop, today);
        worker->session = m_host.detachedCopy(worker->port);
        worker->port.setSession(worker->session.get());
        worker->result.seed = seed;
        worker->result.report =
            backtest::StrategyReport(worker->session->numbersPerTip(), worker->session->stake());
        workers.push_back(std::move(worker));
    }
    QThreadPool pool;
    pool.setMaxThreadCount(QThread::idealThreadCount());
    for (const std::unique_ptr<Worker>& worker : workers) {
        Worker* w = worker.get();
        pool.start([w, &stop, this] {
            Result& result = w->result;
            // A walk not yet begun when a stop came has nothing to show.
            if (stop.load()) {
                result.outcome = backtest::RunOutcome::Stopped;
                result.report.setStopped(true);
                return;
            }
            result.outcome =
                w->session->backtests().strategyWalk(result.seed, m_history, &result.report);
            if (result.outcome == backtest::RunOutcome::Failed) {
                stop.store(true);
                return;
            }
            // The report's bands of chance are simulated here, beside the
            // other walks, rather than afterwards one seed after another.
            result.report.chanceBands();
        });
    }
    const auto done = [&workers] {
        int cycles = 0;
        for (const std::unique_ptr<Worker>& worker : workers) {
            cycles += worker->port.cycles();
        }
        return cycles;
    };
    // The first look comes at once, so a stop already asked for is seen.
    do {
        if (!progress(done())) {
            stop.store(true);
        }
    } while (!pool.waitForDone(kPollMs));
    std::vector<Result> results;
    for (const std::unique_ptr<Worker>& worker : workers) {
        worker->result.messages = worker->port.messages();
        results.push_back(std::move(worker->result));
    }
    return results;
}

} // namespace app
