#pragma once
// The statement that totals the internal sales billed against a chassis: parts
// and services sold to the dealer itself, less their returns, plus the
// internal work orders. One row, VAL_INTERNA (null when nothing matched).

#include <string>

namespace veiculo::value_sources {

struct InternalSaleQuery {
  // Company filter ("ATE.EMPRESA = ..."); empty when the dealer's settings
  // search the expenses of every company.
  std::string empresa;
  // The chassis, spliced with its quotes doubled.
  std::string chassi;
  // A checked list of transaction types (see transaction_list.h).
  std::string transacoes;
  // Date-time literals of the period, from 00:00 of its first day to 23:59 of its last.
  std::string inicio, fim;
  // Period on the invoice (or work-order closing) date; otherwise on the contact date.
  bool periodo_pela_nota = false;
  // Services sold and returned, and internal work orders, count too.
  bool soma_servicos = false;
  // Internal work orders are billed as services (so not counted as work orders).
  bool servico_interno = false;
};

std::string InternalSalesSql(const InternalSaleQuery& query);

}  // namespace veiculo::value_sources
