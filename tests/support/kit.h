#pragma once
// The test kit: everything a test of this project includes.
//   values.h        I(5) F(1.5) T("V1") D(Day(2024, 3, 10)) Null() Money(...)
//   rows.h          Insert(connection, "TABLE", "COL1 COL2", {values...})
//   builders.h      AddDealer, AddModel, AddVehicle, AddInvoice, AddIndex, ...
//   query.h         QueryRows / QueryValue: what a test reads back, as text
//   expect_error.h  EXPECT_VEICULO_ERROR(statement, category, text)
//   module_test.h   ModuleTest: the module bound to the test's transaction
//   packets.h       Fields("EMPRESA:i VEICULO:t20 PRECO:f"): a packet's field list

#include "support/builders.h"
#include "support/expect_error.h"
#include "support/module_test.h"
#include "support/packets.h"
#include "support/query.h"
#include "support/rows.h"
#include "support/test_database.h"
#include "support/values.h"
