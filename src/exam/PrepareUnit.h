#pragma once

#include <QtGlobal>

#include <vector>

namespace dorvale {

// Fill the current exam set of the test window in a new random order, and size and clear the
// answer sheet for it.
void PrepareFullSet();
void PrepareRandomSet();
void PrepareUserSet();
void ResetAnswerSheet();

// A uniformly random arrangement of count distinct values of pool (count <= pool size).
std::vector<qint32> DrawOrder(std::vector<qint32> pool, size_t count, quint64 seed);
// A seed from the clock, different for preparations that follow each other closely.
quint64 ClockSeed();

} // namespace dorvale
