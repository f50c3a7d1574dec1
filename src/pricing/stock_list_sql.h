#pragma once
// The intermediate stock list as one SQL text: up to five branches joined by
// UNION ALL (sold, direct sales, returns, maker orders, stock), each with the
// same columns, restricted by the caller's filters.
//
// Every caller text that reaches the SQL is either checked or quoted:
// department lists and the model year must be integers, dealer, family and
// model lists go through the key-list condition builders (numbers checked,
// texts quoted), situation, return-type and package lists become quoted
// literals, and the vehicle code and chassis are quoted with their quotes
// doubled. Bad input raises veiculo::Error (validation) naming the parameter.

#include <cstdint>
#include <string>

#include "platform/format/date_time.h"

namespace veiculo::pricing {

struct FiltrosEstoque {
  std::string banco_dados;           // dialect of the bound database
  platform::TDateTime data_ref = 0;  // reservations count while they end after it
  platform::TDateTime inicio_venda = 0;
  platform::TDateTime fim_venda = 0;
  std::string chassi;  // part of the chassis (LIKE '%...%')
  std::string codigo_veiculo;
  std::string ano_modelo;       // integer text
  std::string revendas;         // "company.dealer" keys
  std::string familias;         // "company.family" keys
  std::string trans_devolucao;  // return transaction types
  std::string pacotes;
  std::string departamentos;  // integers
  std::string situacoes;
  std::string revendas_vendas;     // "company.dealer" keys of the selling dealers
  std::string modelos;             // "company.model" keys
  int32_t novo_usado_todos = 2;    // 0 new, 1 used, other all
  int32_t considerar_revenda = 0;  // sales by origin dealer (not 0) or invoicing dealer
  bool listar_venda = false;
  bool listar_pedido = false;
  bool icarros = false;  // only vehicles advertised on the web
};

// The whole statement, ending in " ORDER BY 1,2", in the module's common SQL
// form (the dataset adapts it to the dialect when it opens).
std::string SqlEstoqueIntermediario(const FiltrosEstoque& filtros);

// The select list of one branch. `ramo` is 'A' sold, 'B' direct sales,
// 'C' returns, 'D' maker orders, 'E' stock.
std::string ColunasEstoque(char ramo, const FiltrosEstoque& filtros);

}  // namespace veiculo::pricing
