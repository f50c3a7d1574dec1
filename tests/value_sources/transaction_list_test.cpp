// The transaction-type list checked before it is spliced into SQL.

#include "value_sources/transaction_list.h"

#include <gtest/gtest.h>

#include <string>

#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::value_sources {
namespace {

TEST(TransactionListTest, AcceptsCodesAsWrittenAndEmptyMatchesNothing) {
  for (const char* list : {"'S10'", "'S10','S99'", " 'S10' , 'S99' ", "51,52", "S10"})
    EXPECT_EQ(TransactionListForSql(list), list);
  EXPECT_EQ(TransactionListForSql("   "), "NULL");
}

TEST(TransactionListTest, RefusesAnythingElse) {
  for (const char* list :
       {"'S10'); delete from VEI_VEICULO; --", "'S10',,'S99'", "'S10',", ",'S10'", "'S10", "''",
        "'S-10'", "'S10' 'S99'", "S 10", "'S''10'", "(select 1)"}) {
    SCOPED_TRACE(list);
    EXPECT_VEICULO_ERROR(TransactionListForSql(list), ErrorCategory::Validation, list);
  }
}

}  // namespace
}  // namespace veiculo::value_sources
