// Wall-clock timing for the benchmarks.
#pragma once

#include <vector>

// Seconds since an arbitrary origin, from the performance counter.
double NowSeconds();

// The median of the samples (the mean of the middle two for an even count);
// one slow outlier on a busy machine does not move it.
double Median(std::vector<double> samples);
