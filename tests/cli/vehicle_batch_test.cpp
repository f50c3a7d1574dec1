// Batch commands over a real database: a vehicle that fails leaves nothing
// and touches no other one, the work is committed every N vehicles, and an
// interrupt keeps the vehicles done before it.

#include "vehicle_batch.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>

#include "interrupts.h"
#include "support/kit.h"

namespace veiculo::cli {
namespace {

using testing::I;
using testing::QueryRows;
using testing::QueryValue;
using testing::TestDatabase;

constexpr int kEmpresa = 977;  // a company no other test uses; its rows are removed after each case

class VehicleBatchTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Connection& c = connection();
    if (c.InTransaction()) c.Rollback();
    c.ExecuteDirect("delete from VEI_PARAMETRO where EMPRESA = " + std::to_string(kEmpresa));
    c.Commit();
  }
  Connection& connection() { return TestDatabase::Instance().connection(); }

  // The dealers (one row each) the batch left behind, as another attachment
  // sees them: only what was committed.
  std::string Committed() {
    auto other = TestDatabase::Instance().OpenAnother();
    std::string out;
    for (const auto& row : QueryRows(*other, "select REVENDA from VEI_PARAMETRO where EMPRESA = " +
                                                 std::to_string(kEmpresa) + " order by REVENDA"))
      out += (out.empty() ? "" : ",") + row[0];
    other->Rollback();
    return out;
  }
};

TEST_F(VehicleBatchTest, AFailedVehicleIsUndoneAloneAndBatchesAreCommittedEveryN) {
  struct Case {
    size_t every;
    std::set<size_t> failing;
    size_t interrupt_at;  // 99: none
    std::string committed;
    size_t done, failed;
    // What another attachment sees while vehicle 4 runs: with a commit every
    // 3, vehicles 0-2 (those of the first batch that did not fail).
    std::string seen_at_4;
  };
  const Case cases[] = {
      {3, {2, 5}, 99, "0,1,3,4,6", 7, 2, "0,1"},
      {1, {2, 5}, 99, "0,1,3,4,6", 7, 2, "0,1,3"},
      {100, {}, 99, "0,1,2,3,4,5,6", 7, 0, ""},
      // SIGINT while vehicle 4 runs: 0-3 kept, 4 undone, nothing after it.
      {3, {1}, 4, "0,2,3", 4, 1, "0,2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("every " + std::to_string(c.every));
    std::set<size_t> reported;
    std::string seen;
    VehicleBatch batch;
    batch.dialect = "INTERBASE";
    batch.commit_every = c.every;
    batch.work = [&](size_t i) {
      testing::Insert(connection(), "VEI_PARAMETRO", "EMPRESA REVENDA",
                      {I(kEmpresa), I(static_cast<int64_t>(i))});
      if (i == 4) seen = Committed();
      if (i == c.interrupt_at) throw Interrupted(SIGINT);
      if (c.failing.count(i)) throw Error(ErrorCategory::Validation, "vehicle fails");
    };
    batch.failed = [&](size_t i, const Error& e) {
      EXPECT_STREQ(e.what(), "vehicle fails");
      reported.insert(i);
    };
    const BatchOutcome outcome = RunVehicleBatch(connection(), 7, batch);
    EXPECT_FALSE(connection().InTransaction());
    EXPECT_EQ(Committed(), c.committed);
    EXPECT_EQ(seen, c.seen_at_4);
    EXPECT_EQ(outcome.done, c.done);
    EXPECT_EQ(outcome.failed, c.failed);
    EXPECT_EQ(reported, c.failing);
    EXPECT_EQ(outcome.interrupted, c.interrupt_at == 99 ? 0 : SIGINT);
    TearDown();
  }
}

}  // namespace
}  // namespace veiculo::cli
