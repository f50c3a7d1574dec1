#pragma once
// The SQL texts of the entry-invoice values: the vehicle's entry dealer with
// the date of its freight invoice, and the purchase invoices (modality 'C') of
// the vehicle whose amounts add to those of the entry invoice.
//
// The vehicle code is spliced between quotes with its quotes doubled.

#include <cstdint>
#include <string>

namespace veiculo::value_sources {

// One row: REVENDA_NFENTRADA and DTA_FRETE (null without a freight invoice).
std::string EntryDealerAndFreightDateSql(const std::string& veiculo, int32_t empresa);

// The purchase invoices of the vehicle at `revenda` (status 'F' or 'A'); when
// the vehicle entered through another dealer, also its final ('F') purchase
// invoices there. Every row is kept, even two with equal amounts.
std::string PurchaseInvoicesSql(const std::string& veiculo, int32_t empresa, int32_t revenda,
                                int32_t revenda_nfentrada);

}  // namespace veiculo::value_sources
