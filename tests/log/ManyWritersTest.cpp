#include "ConcurrentWriters.h"
#include "LogSizeLimit.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

namespace {

constexpr ConcurrentWriters kEightWriters{8, 160, 2000};
// Written bytes beyond twice the largest log force a second rotation at least.
static_assert(static_cast<long long>(kEightWriters.writers) * kEightWriters.recordsPerWriter *
                      (kEightWriters.messageSize + 2) >
                  2LL * (kLogSizeLimit + kEightWriters.messageSize + 100),
              "too few bytes for two rotations");

using ManyWritersTest = SampleInstallation;

// Eight processes write at once, enough for two rotations at least. Whatever
// order the lock is granted in, every record lands whole, none is lost
// between a copy and the emptying, and each crossing of the limit rotates
// exactly once.
TEST_F(ManyWritersTest, RecordsStayWholeAndInOrderAcrossRotations) {
    RunWritersAndCheckTheLog(kEightWriters, Root(), LogPath());
}

}  // namespace
