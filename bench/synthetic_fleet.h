#pragma once
// What the per-vehicle benchmarks share: the demo dealer with 5,000 synthetic
// vehicles, built once per program, and the database's round-trip floor
// (a prepared single-row select re-executed) to compare them against.

#include <string>
#include <vector>

#include "bench_database.h"

namespace veiculo::bench {

struct Vehicle {
  std::string code;
  int32_t revenda = 0;  // the vehicle's origin dealer
};

struct Fleet {
  BenchDatabase database;
  std::vector<Vehicle> vehicles;  // the synthetic vehicles, in code order
};

// The demo dealer with kFleetVehicles synthetic vehicles, committed.
inline constexpr int kFleetVehicles = 5000;
Fleet& SyntheticFleet();

// Loads that fleet into `connection` and commits it; returns company 1's
// vehicles in code order (only the synthetic ones, coded "S...", when
// synthetic_only).
std::vector<Vehicle> LoadFleet(Connection& connection, bool synthetic_only);

double Median(std::vector<double> values);

// Microseconds of each re-execution of a prepared single-row select (a
// dealer's parameter row by key).
std::vector<double> FloorSamples(Connection& connection, int samples);

}  // namespace veiculo::bench
