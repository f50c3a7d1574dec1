#pragma once
// Suggestions for a mistyped name: the registered names closest to it, so
// that "unknown operation 'LerVeiclo'" can go on with "did you mean
// LerVeiculo, LerVeiculoServer?".

#include <string>
#include <string_view>
#include <vector>

namespace veiculo::cli {

// The Levenshtein distance (insertions, deletions, substitutions) between two
// names, without regard to ASCII letter case.
size_t EditDistance(std::string_view a, std::string_view b);

// Up to `limit` candidates close to `name`, closest first (ties in name
// order). A candidate is close when its edit distance is at most a third of
// the name's length (at least 2), or when it contains the name (of 3
// characters or more) without regard to case. Empty when none is close.
std::vector<std::string> ClosestNames(std::string_view name,
                                      const std::vector<std::string>& candidates, size_t limit = 3);

}  // namespace veiculo::cli
