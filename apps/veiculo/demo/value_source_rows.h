#pragma once
// The demo rows the cost value sources read, one function per table group.
// Private to the demo library; LoadValueSources (value_source_rows.cpp) calls
// them in order after the vehicles exist.

#include <vector>

#include "demo/demo_dealer.h"
#include "demo/table_writer.h"

namespace veiculo::demo {

void LoadInvoices(Connection& connection);        // entry, freight, complement and exit invoices
void LoadExpenses(Connection& connection);        // expense types and the fixed vehicles' expenses
void LoadIndexValues(Connection& connection);     // a year of daily levels and monthly rates
void LoadCalendar(Connection& connection);        // holidays and the customer-care settings
void LoadConditions(Connection& connection);      // payment conditions and their days
void LoadRegistryValues(Connection& connection);  // editions, packages, optionals

// Expense types (VEI_DESPESA). A sign "-" is a cost the vehicle carries; "+"
// a credit that lowers it.
inline constexpr int kDespesaRevisao = 10;       // delivery inspection
inline constexpr int kDespesaLavagem = 11;       // washing and preparation
inline constexpr int kDespesaCombustivel = 12;   // fuel
inline constexpr int kDespesaDocumentacao = 13;  // registration and transfer of used vehicles
inline constexpr int kDespesaReparo = 14;        // body and mechanical repairs of used vehicles
inline constexpr int kDespesaReembolso = 20;     // warranty reimbursement from the maker (credit)

// The national holidays of 2025 (bank holidays): the daily index does not
// move on them and both dealers' calendars hold them.
const std::vector<DemoDate>& NationalHolidays2025();

}  // namespace veiculo::demo
