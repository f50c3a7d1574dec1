#include "operations/closest_names.h"

#include <algorithm>
#include <numeric>

#include "platform/text.h"

namespace veiculo::cli {

size_t EditDistance(std::string_view a, std::string_view b) {
  const std::string x = platform::LowerCase(a);
  const std::string y = platform::LowerCase(b);
  // One row of the dynamic-programming table at a time.
  std::vector<size_t> row(y.size() + 1);
  std::iota(row.begin(), row.end(), size_t{0});
  for (size_t i = 1; i <= x.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= y.size(); ++j) {
      const size_t above = row[j];
      const size_t substitution = diagonal + (x[i - 1] == y[j - 1] ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[y.size()];
}

std::vector<std::string> ClosestNames(std::string_view name,
                                      const std::vector<std::string>& candidates, size_t limit) {
  const size_t tolerance = std::max<size_t>(2, name.size() / 3);
  const std::string lowered = platform::LowerCase(name);
  std::vector<std::pair<size_t, std::string>> close;
  for (const std::string& candidate : candidates) {
    const size_t distance = EditDistance(name, candidate);
    const bool contains =
        name.size() >= 3 && platform::LowerCase(candidate).find(lowered) != std::string::npos;
    if (distance <= tolerance || contains) close.emplace_back(distance, candidate);
  }
  std::sort(close.begin(), close.end());
  std::vector<std::string> names;
  for (size_t i = 0; i < close.size() && i < limit; ++i) names.push_back(close[i].second);
  return names;
}

}  // namespace veiculo::cli
