#include "ConcurrentWriters.h"
#include "LogSizeLimit.h"
#include "SampleInstallation.h"

#include <gtest/gtest.h>

namespace {

constexpr ConcurrentWriters kSixteenWriters{16, 110, 2000};
// Each rotation lets the log grow to the limit and one record more; written
// bytes beyond three times that force a third rotation at least.
static_assert(static_cast<long long>(kSixteenWriters.writers) * kSixteenWriters.recordsPerWriter *
                      (kSixteenWriters.messageSize + 2) >
                  3LL * (kLogSizeLimit + kSixteenWriters.messageSize + 100),
              "too few bytes for three rotations");

using SharedLogStressTest = SampleInstallation;

TEST_F(SharedLogStressTest, SixteenWritersThroughThreeRotations) {
    RunWritersAndCheckTheLog(kSixteenWriters, Root(), LogPath());
}

}  // namespace
