#include "StepStats.h"

#include <algorithm>
#include <cmath>

double percentile(std::vector<double>& samples, double fraction) {
    if (samples.empty()) return 0.0;
    const double rank = std::ceil(fraction * static_cast<double>(samples.size()));
    const std::size_t index = rank < 1.0 ? 0 : static_cast<std::size_t>(rank) - 1;
    std::nth_element(samples.begin(), samples.begin() + index, samples.end());
    return samples[index];
}
