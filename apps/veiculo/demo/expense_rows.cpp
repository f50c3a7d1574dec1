// The demo expense types and the expenses booked on the fixed vehicles:
// delivery inspections, washing, fuel, the used hatch's paperwork and
// repairs, and a warranty reimbursement that lowers V1001's expenses. Every
// type is corrected by the daily index when a present value is asked for.

#include "demo/demo_rows.h"
#include "demo/value_source_rows.h"

namespace veiculo::demo {
namespace {

void LoadExpenseTypes(Connection& connection) {
  TableWriter tipos(connection, "VEI_DESPESA", {"EMPRESA", "DESPESA", "SINAL", "INDICE"});
  for (int despesa : {kDespesaRevisao, kDespesaLavagem, kDespesaCombustivel, kDespesaDocumentacao,
                      kDespesaReparo})
    tipos.Insert({Int(kEmpresa), Int(despesa), Txt("-"), Int(kIndiceDiario)});
  tipos.Insert({Int(kEmpresa), Int(kDespesaReembolso), Txt("+"), Int(kIndiceDiario)});
}

struct ExpenseRow {
  const char* veiculo;
  int despesa;
  int documento;     // the workshop order or the supplier's invoice
  const char* tipo;  // OS workshop order, NF supplier invoice
  DemoDate data;
  double valor;
  bool contabil;  // part of the accounting cost
};

// V1001: 480,00 + 150,00 + 120,00 - 200,00 = 550,00 in all; the fuel is not
// part of the accounting cost: 480,00 + 150,00 - 200,00 = 430,00 there.
const ExpenseRow kExpenses[] = {
    {"V1001", kDespesaRevisao, 31205, "OS", {2025, 1, 17}, 480.00, true},
    {"V1001", kDespesaLavagem, 31206, "OS", {2025, 1, 20}, 150.00, true},
    {"V1001", kDespesaCombustivel, 5512, "NF", {2025, 1, 20}, 120.00, false},
    {"V1001", kDespesaReembolso, 31280, "OS", {2025, 2, 10}, 200.00, true},
    {"V1002", kDespesaRevisao, 31231, "OS", {2025, 1, 22}, 620.00, true},
    {"V1002", kDespesaLavagem, 31232, "OS", {2025, 1, 23}, 150.00, true},
    {"V1003", kDespesaRevisao, 7140, "OS", {2025, 1, 24}, 520.00, true},
    {"V1004", kDespesaRevisao, 31266, "OS", {2025, 1, 29}, 480.00, true},
    {"V1005", kDespesaRevisao, 7162, "OS", {2025, 1, 31}, 780.00, true},
    {"V1005", kDespesaCombustivel, 5540, "NF", {2025, 1, 31}, 250.00, false},
    {"V1006", kDespesaDocumentacao, 9031, "NF", {2025, 2, 12}, 850.00, true},
    {"V1006", kDespesaLavagem, 31290, "OS", {2025, 2, 13}, 150.00, true},
    {"V1006", kDespesaReparo, 31291, "OS", {2025, 2, 18}, 1320.00, true},
};

}  // namespace

void LoadExpenses(Connection& connection) {
  LoadExpenseTypes(connection);
  TableWriter despesas(connection, "VEI_DESPESA_VEICULO",
                       {"EMPRESA", "VEICULO", "DESPESA", "DOCUMENTO", "CONTADOR", "TIPO",
                        "DTA_DESPESA_VEICULO", "VAL_DESPESA_VEICULO", "COMPOE_CUSTO_CONTABIL"});
  for (const ExpenseRow& e : kExpenses)
    despesas.Insert({Int(kEmpresa), Txt(e.veiculo), Int(e.despesa), Int(e.documento), Int(1),
                     Txt(e.tipo), Date(e.data.year, e.data.month, e.data.day), Num(e.valor),
                     Txt(e.contabil ? "S" : "N")});
}

}  // namespace veiculo::demo
