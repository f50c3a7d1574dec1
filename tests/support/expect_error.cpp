#include "support/expect_error.h"

namespace veiculo::testing {

::testing::AssertionResult ThrowsVeiculoError(const std::function<void()>& statement,
                                              ErrorCategory category, const std::string& text) {
  try {
    statement();
  } catch (const Error& error) {
    const std::string what = error.what();
    if (error.category() != category)
      return ::testing::AssertionFailure() << "threw a " << ToString(error.category())
                                           << " error, not " << ToString(category) << ": " << what;
    if (what.find(text) == std::string::npos)
      return ::testing::AssertionFailure() << "the error '" << what << "' lacks '" << text << "'";
    return ::testing::AssertionSuccess();
  } catch (const std::exception& other) {
    return ::testing::AssertionFailure() << "threw another exception: " << other.what();
  }
  return ::testing::AssertionFailure()
         << "threw nothing (expected a " << ToString(category) << " error with '" << text << "')";
}

}  // namespace veiculo::testing
