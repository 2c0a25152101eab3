// SPDX-License-Identifier: GPL-3.0-or-later
#include "drive/stats.h"

#include <algorithm>
#include <cmath>

namespace vargo::bench {

namespace {

double rank(const std::vector<double>& sorted, double fraction) {
  const auto n = static_cast<double>(sorted.size());
  const auto index = static_cast<std::size_t>(std::max(1.0, std::ceil(fraction * n))) - 1;
  return sorted[index];
}

}  // namespace

Summary summarize(std::vector<double> samples) {
  if (samples.empty())
    return {};
  std::ranges::sort(samples);
  return {samples.size(), rank(samples, 0.5), rank(samples, 0.99), samples.back()};
}

}  // namespace vargo::bench
