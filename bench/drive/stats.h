// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Order statistics of a set of measurements.

#include <cstddef>
#include <vector>

namespace vargo::bench {

struct Summary {
  std::size_t count = 0;
  double median = 0;
  double p99 = 0;
  double max = 0;
};

// Nearest-rank percentiles; all zero for no samples.
Summary summarize(std::vector<double> samples);

}  // namespace vargo::bench
