#pragma once

#include <vector>

// The sample at the given fraction (0.5 for the median) by nearest rank;
// 0 for no samples. Reorders the samples.
double percentile(std::vector<double>& samples, double fraction);
