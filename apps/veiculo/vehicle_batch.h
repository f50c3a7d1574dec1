#pragma once
// Work on many vehicles in few transactions: each vehicle's work runs under a
// savepoint of its own, so a vehicle that fails is undone alone and the next
// one goes on, and the transaction is committed every `commit_every`
// vehicles instead of after each one (a commit with forced writes costs more
// than costing a vehicle).
//
// The promise stays that of a transaction per vehicle: a failed vehicle
// leaves nothing behind and touches no other vehicle. When a commit itself
// fails, its batch is rolled back and done again one vehicle per transaction,
// so that only the vehicles that fail alone are lost.
//
// An interrupt (Interrupted, or an Error thrown while a signal is pending)
// undoes the vehicle in progress, commits the vehicles done before it and
// ends the run.

#include <cstddef>
#include <functional>
#include <string>

#include "veiculo/error.h"

namespace veiculo {
class Connection;
}

namespace veiculo::cli {

// Vehicles per commit of `veiculo custo --todos`.
inline constexpr size_t kVehiclesPerCommit = 100;

struct VehicleBatch {
  // The dialect of the connection ("INTERBASE", "ORACLE", "SQLSERVER"): the
  // savepoint statements differ.
  std::string dialect;
  size_t commit_every = kVehiclesPerCommit;
  // The work of vehicle i; a veiculo::Error fails that vehicle only.
  std::function<void(size_t)> work;
  // Called once per vehicle that failed, after its work was undone.
  std::function<void(size_t, const Error&)> failed;
  // Called after each vehicle, done or failed (progress).
  std::function<void(size_t)> step;
};

struct BatchOutcome {
  size_t done = 0;      // vehicles whose work ran, failed or not
  size_t failed = 0;    // of those, the ones that failed
  int interrupted = 0;  // the signal that stopped the run, or 0
};

// Runs the work of vehicles [0, count) on `connection`, which has no
// transaction open. Database errors of the savepoint statements themselves
// propagate (after rolling back the batch in progress).
BatchOutcome RunVehicleBatch(Connection& connection, size_t count, const VehicleBatch& batch);

}  // namespace veiculo::cli
