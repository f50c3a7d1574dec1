#pragma once
// The host's exit statuses and the two outcomes that are not errors of the
// database: an operation that reports failure, and an interrupt.
//
//   0    done (committed, or rolled back on request)
//   1    the database refused something; rolled back
//   2    bad input, found before the database was touched
//   3    the operation reported failure (false from an operation that
//        writes, a status text starting with "NOK|"); rolled back
//   130  interrupted by SIGINT (Ctrl-C), 143 by SIGTERM; the work in flight
//        rolled back

#include <stdexcept>
#include <string>

namespace veiculo::cli {

constexpr int kExitDone = 0;
constexpr int kExitDatabase = 1;
constexpr int kExitBadInput = 2;
constexpr int kExitReportedFailure = 3;

// An operation reported failure; its result has been printed and the
// transaction rolled back.
class ReportedFailure : public std::runtime_error {
 public:
  explicit ReportedFailure(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace veiculo::cli
