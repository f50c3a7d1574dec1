#pragma once
// Ordering of field values, as client-dataset indexes and searches use it:
// null first; integers, floats and date-times by number; text byte by byte.

#include "veiculo/value.h"

namespace veiculo::platform {

// <0, 0 or >0. Values of different kinds compare as numbers when one of them
// is a number or a date-time, as text otherwise.
int CompareValues(const Value& a, const Value& b, bool case_insensitive = false);

}  // namespace veiculo::platform
