// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

namespace bench {

// Times a piece of work and its floor (a plain program doing the same job) in
// the same iterations, in CPU time of this thread: what the work costs,
// whatever else the machine runs. The counters give both and their ratio.
class BesideFloor {
public:
    using Duration = std::chrono::nanoseconds;
    static Duration now() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
    }

    template <typename Work, typename Floor> void time(Work work, Floor floor) {
        const Duration start = now();
        work();
        const Duration middle = now();
        floor();
        m_floor += now() - middle;
        m_work += middle - start;
    }

    void report(benchmark::State& state, const std::string& work) const {
        const auto ms = [&](Duration d) {
            return std::chrono::duration<double, std::milli>(d).count() /
                   static_cast<double>(state.iterations());
        };
        state.counters[work + " ms"] = ms(m_work);
        state.counters["floor ms"] = ms(m_floor);
        state.counters["ratio"] = ms(m_work) / ms(m_floor);
    }

private:
    Duration m_work{};
    Duration m_floor{};
};

} // namespace bench
