#pragma once
// A throw-away dealer database for benchmarks: an embedded Firebird file in a
// temporary folder, forced writes off, with the dealer schema loaded.

#include <memory>
#include <string>

#include "veiculo/connection.h"

namespace veiculo::bench {

class BenchDatabase {
 public:
  // `forced_writes`: each commit waits for the disk, as on a dealer's own
  // database (off by default: most benchmarks measure statements, not commits).
  explicit BenchDatabase(bool forced_writes = false);
  ~BenchDatabase();
  Connection& connection() { return *connection_; }
  const std::string& path() const { return path_; }

 private:
  std::string folder_;
  std::string path_;
  std::unique_ptr<Connection> connection_;
};

}  // namespace veiculo::bench
