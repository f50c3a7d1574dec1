#include "vehicle_batch.h"

#include <vector>

#include "interrupts.h"
#include "platform/db/connection_impl.h"
#include "veiculo/connection.h"

namespace veiculo::cli {
namespace {

struct SavepointSql {
  std::string set, undo;
};

SavepointSql SavepointFor(const std::string& dialect) {
  if (dialect == "SQLSERVER")
    return {"SAVE TRANSACTION VEICULO_LOTE", "ROLLBACK TRANSACTION VEICULO_LOTE"};
  if (dialect == "ORACLE") return {"SAVEPOINT VEICULO_LOTE", "ROLLBACK TO VEICULO_LOTE"};
  return {"SAVEPOINT VEICULO_LOTE", "ROLLBACK TO SAVEPOINT VEICULO_LOTE"};
}

class Runner {
 public:
  Runner(Connection& connection, const VehicleBatch& batch)
      : connection_(connection), batch_(batch), sql_(SavepointFor(batch.dialect)) {}

  // Runs `vehicles` committing every `every`; returns false once interrupted.
  bool Run(const std::vector<size_t>& vehicles, size_t every) {
    std::vector<size_t> pending;  // done since the last commit, not failed
    size_t since_commit = 0;
    for (size_t i : vehicles) {
      if (!connection_.InTransaction()) connection_.Begin();
      if (!One(i, every > 1, pending)) {
        CommitOrRedo(pending, every);
        return false;
      }
      if (every > 1 && ++since_commit >= every) {
        since_commit = 0;
        if (!CommitOrRedo(pending, every)) return false;
      }
    }
    return CommitOrRedo(pending, every);
  }

  BatchOutcome outcome;

 private:
  // One vehicle under a savepoint (or in a transaction of its own when
  // `savepoint` is false). False when the run was interrupted.
  bool One(size_t i, bool savepoint, std::vector<size_t>& pending) {
    bool set = false;  // this vehicle's savepoint exists
    try {
      CheckInterrupt();
      if (savepoint) {
        platform::ImplOf(connection_).RunControl(sql_.set);
        set = true;
      }
      batch_.work(i);
      CheckInterrupt();  // a signal during the last statement keeps nothing of this vehicle
      pending.push_back(i);
      if (!savepoint) {
        connection_.Commit();
        pending.clear();
      }
      ++outcome.done;
    } catch (const Interrupted& e) {
      Undo(savepoint, set);
      outcome.interrupted = e.signal();
      return false;
    } catch (const Error& e) {
      Undo(savepoint, set);
      // An error the interrupt caused is not a failure of the vehicle.
      if ((outcome.interrupted = InterruptSignal()) != 0) return false;
      ++outcome.done;
      ++outcome.failed;
      if (batch_.failed) batch_.failed(i, e);
    }
    if (batch_.step) batch_.step(i);
    return true;
  }

  // Undoes the vehicle in progress: back to its savepoint, or the whole
  // transaction when it has one of its own.
  void Undo(bool savepoint, bool set) {
    if (!connection_.InTransaction()) return;
    if (!savepoint)
      connection_.Rollback();
    else if (set)
      platform::ImplOf(connection_).RunControl(sql_.undo);
  }

  // Commits the vehicles done since the last commit; when the commit fails,
  // rolls them back and does them again one per transaction.
  bool CommitOrRedo(std::vector<size_t>& pending, size_t every) {
    if (!connection_.InTransaction()) return true;
    try {
      connection_.Commit();
      pending.clear();
      return true;
    } catch (const Error&) {
      if (connection_.InTransaction()) connection_.Rollback();
      if (every == 1) throw;
    }
    std::vector<size_t> again;
    again.swap(pending);
    outcome.done -= again.size();
    return Run(again, 1);
  }

  Connection& connection_;
  const VehicleBatch& batch_;
  SavepointSql sql_;
};

}  // namespace

BatchOutcome RunVehicleBatch(Connection& connection, size_t count, const VehicleBatch& batch) {
  std::vector<size_t> vehicles(count);
  for (size_t i = 0; i < count; ++i) vehicles[i] = i;
  Runner runner(connection, batch);
  try {
    runner.Run(vehicles, batch.commit_every == 0 ? 1 : batch.commit_every);
  } catch (...) {
    if (connection.InTransaction()) connection.Rollback();
    throw;
  }
  return runner.outcome;
}

}  // namespace veiculo::cli
