#pragma once
// A throw-away embedded Firebird database for database tests: created once per
// test binary in a temporary folder (forced writes off), with the dealer
// schema loaded. DbTest runs each test inside a transaction that is rolled
// back, so tests seed only the rows they need and leave nothing behind.

#include <gtest/gtest.h>

#include <string>

#include "platform/db/sql_dataset.h"
#include "veiculo/connection.h"

namespace veiculo::testing {

class TestDatabase {
 public:
  // The binary's database, created on first use.
  static TestDatabase& Instance();

  Connection& connection() { return *connection_; }
  const std::string& path() const { return path_; }
  const std::string& folder() const { return folder_; }

  // A second connection to the same database (for checks across attachments).
  std::unique_ptr<Connection> OpenAnother() const;

 private:
  TestDatabase();
  std::string folder_;
  std::string path_;
  std::unique_ptr<Connection> connection_;
};

// Creates a fresh temporary folder (removed at exit) and points the embedded
// engine's lock and temporary files there. Safe to call more than once.
std::string TemporaryFolder();

class DbTest : public ::testing::Test {
 protected:
  void SetUp() override { connection().Begin(); }
  void TearDown() override {
    if (connection().InTransaction()) connection().Rollback();
  }
  Connection& connection() { return TestDatabase::Instance().connection(); }
  // Runs a statement through a dataset, as the module runs its own: the
  // connection's kept rows see which table it writes (a statement run as it
  // stands drops them all).
  void Write(const std::string& sql) {
    platform::SqlDataSet ds("sdsExecuta", &connection());
    ds.SetCommandText(sql);
    ds.ExecSQL();
  }
};

}  // namespace veiculo::testing
