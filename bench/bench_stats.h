#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <numeric>
#include <vector>

namespace tintavo::bench {

struct Summary {
    double mean = 0.0;
    double median = 0.0;
    double p10 = 0.0;
    double p90 = 0.0;
    double min = 0.0;
    double max = 0.0;
    std::size_t count = 0;
};

// Percentiles by the nearest rank; the median of an even count is the mean of the middle two.
inline Summary Summarise(std::vector<double> samples) {
    Summary summary;
    if (samples.empty()) return summary;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const auto rank = [&](double fraction) {
        return samples[static_cast<std::size_t>(fraction * static_cast<double>(n - 1) + 0.5)];
    };
    summary.count = n;
    summary.mean = std::accumulate(samples.begin(), samples.end(), 0.0) / static_cast<double>(n);
    summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2.0;
    summary.p10 = rank(0.10);
    summary.p90 = rank(0.90);
    summary.min = samples.front();
    summary.max = samples.back();
    return summary;
}

// One line of a table the benchmark script reads back by its first word.
inline void PrintHeader() {
    std::printf("%-26s %9s %9s %9s %9s %9s %9s %6s\n", "key", "mean_ms", "median_ms", "min_ms", "p10_ms", "p90_ms",
                "max_ms", "n");
}

inline void PrintRow(const char* key, const Summary& summary) {
    std::printf("%-26s %9.4f %9.4f %9.4f %9.4f %9.4f %9.4f %6zu\n", key, summary.mean, summary.median, summary.min,
                summary.p10, summary.p90, summary.max, summary.count);
}

}  // namespace tintavo::bench
