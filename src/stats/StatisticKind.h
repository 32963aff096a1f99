// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stats {

// Every statistic the program computes and charts: the number distribution,
// the overdue numbers, the cross sums, the tips of the list, and the runs of
// consecutive numbers drawn together (pairs, triples, quadruples).
enum class StatisticKind { Numbers, Overdue, CrossSums, Tips, Pairs, Triples, Quadruples };

} // namespace stats
