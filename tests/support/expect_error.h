#pragma once
// EXPECT_VEICULO_ERROR(statement, category, text): the statement throws a
// veiculo::Error of that category whose full text (the message and the
// context gathered on its way up, as what() gives it) contains `text`.
// Containment rather than equality, so that a case can name the part that
// matters (the bad value, the table, the line) without restating the context;
// give the whole message where every word of it matters.
//
//   EXPECT_VEICULO_ERROR(Value::Text("12,5").AsInteger(), ErrorCategory::Validation,
//                        "'12,5' is not a valid integer value");

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "veiculo/error.h"

namespace veiculo::testing {

::testing::AssertionResult ThrowsVeiculoError(const std::function<void()>& statement,
                                              ErrorCategory category, const std::string& text);

}  // namespace veiculo::testing

#define EXPECT_VEICULO_ERROR(statement, category, text) \
  EXPECT_TRUE(                                          \
      ::veiculo::testing::ThrowsVeiculoError([&]() { (void)(statement); }, (category), (text)))
