// GravaMensagem keeps two messages of one instance a second apart within a
// day; a message of an earlier processing date keeps its own day.

#include <gtest/gtest.h>

#include "support/kit.h"

namespace veiculo::testing {
namespace {

using MessageStampTest = ModuleTest;

TEST_F(MessageStampTest, AnEarlierProcessingDateKeepsItsOwnDay) {
  module().SetClock([] { return Moment(2025, 3, 10, 9, 30, 15); });
  for (double dia : {Moment(2025, 3, 14), Moment(2025, 3, 13), Moment(2025, 3, 13)})
    module().GravaMensagem(dia, 1, 1, 1, 5, 0, "Lote", "a");
  // The clock stands still at 09:30:15: the 13th's first message is not
  // pushed to the 14th's 09:30:16, its second one is a second after it.
  EXPECT_EQ(Rows("select DTA_MENSAGEM from GER_MENSAGEM order by 1"),
            (TextRows{{"2025-03-13T09:30:15"}, {"2025-03-13T09:30:16"}, {"2025-03-14T09:30:15"}}));
}

}  // namespace
}  // namespace veiculo::testing
