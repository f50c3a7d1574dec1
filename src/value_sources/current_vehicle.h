#pragma once
// Reading the vehicle the module is working on (the current row of
// cdsVeiculo) without tripping over a vehicle that is not loaded.
//
// The registry values read many columns of that row. When no vehicle is
// current (cdsVeiculo closed, or empty after a key that found nothing) every
// column reads as null, that is 0 or empty text: the sums then come out as
// those of a vehicle without prices, instead of failing half-way.

#include "platform/db/client_dataset.h"
#include "veiculo/value.h"

namespace veiculo::value_sources {

inline Value CurrentVehicleValue(platform::ClientDataSet& vehicles, const char* field) {
  if (!vehicles.Active() || vehicles.IsEmpty()) return Value();
  return vehicles.FieldByName(field).AsValue();
}

}  // namespace veiculo::value_sources
