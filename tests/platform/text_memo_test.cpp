#include "platform/text_memo.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace veiculo::platform {
namespace {

// Looks `text` up in a memo of texts' lengths, counting the calls that made a value.
size_t LengthOf(TextMemo<size_t>& memo, const std::string& text, int& made) {
  return *memo.Get(text, [&made](const std::string& t) {
    ++made;
    return t.size();
  });
}

TEST(TextMemo, KeepsTheMostRecentlyUsedTextsUpToItsBound) {
  TextMemo<size_t> memo(2);
  int made = 0;
  // Each step: the text looked up and whether it must be made afresh.
  struct Step {
    const char* text;
    bool made;
  };
  const Step steps[] = {
      {"a", true},   {"bb", true},   {"a", false},  // "a" used last, "bb" least recently
      {"ccc", true},                                // evicts "bb", not "a"
      {"a", false},  {"ccc", false}, {"bb", true},  // "bb" made again, evicts "a"
      {"a", true},
  };
  for (const Step& step : steps) {
    const int before = made;
    EXPECT_EQ(LengthOf(memo, step.text, made), std::string(step.text).size()) << step.text;
    EXPECT_EQ(made - before, step.made ? 1 : 0) << step.text;
    EXPECT_LE(memo.Size(), 2u);
  }
}

TEST(TextMemo, AFailedComputationOrADisabledMemoKeepsNothing) {
  TextMemo<size_t> memo(4);
  EXPECT_THROW(memo.Get("x", [](const std::string&) -> size_t { throw std::runtime_error("no"); }),
               std::runtime_error);
  EXPECT_EQ(memo.Size(), 0u);

  SetTextMemosEnabled(false);
  int made = 0;
  LengthOf(memo, "x", made);
  LengthOf(memo, "x", made);
  SetTextMemosEnabled(true);
  EXPECT_EQ(made, 2);
  EXPECT_EQ(memo.Size(), 0u);
}

}  // namespace
}  // namespace veiculo::platform
