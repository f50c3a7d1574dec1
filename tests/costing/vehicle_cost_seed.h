#pragma once
// The dealer the vehicle cost tests cost V1 in, and readers for what the
// costing stored.
//
// Company 1, dealer 1 (PIS 1.65 + COFINS 7.6 = 9.25 %, first index of the
// two-leg present value UB = 2, no UF). Model M1 of edition ED1/2024 in
// metallic paint. V1 was invoiced by the factory on 05/01/2024, its
// correction starts on 15/01/2024 and it was bought back on 15/02/2024; it is
// costed on 15/03/2024 (D1). Its entry invoice 100 totals 60,000.00 with a
// reserve fund of 500.00 and IPI of 3,000.00 on its vehicle line.
//
// Daily index 1: 100 on 05/01, 101.5 on 10/01, 100.5 on 01/02, 101 on 15/02
// and 102 on 15/03/2024. Daily index 2 (the dealer's UB): 200 on 15/01 and
// 210 on 15/02/2024.
//
// Proposal 7 of dealer 1 holds V1; its final negotiation 2 agreed 88,000.00
// for the vehicle, 1,500.00 freight and 500.00 insurance, paid in two
// payments of 50,000.00 and 40,000.00, and carries a financing return of type
// "R" of 1,000.00 less 100.00 commission and 15.00 withheld, paid by customer
// 4321.

#include <string>
#include <vector>

#include "costing/incidence_seed.h"
#include "platform/db/sql_dataset.h"
#include "value_sources/present_value_seed.h"

namespace veiculo::testing {

inline const double kD1 = Day(2024, 3, 15);
inline const Invoice kNotaEntrada{1, 100, "E01"};

// VEI_FORMULA_LINHA_PER: a band of the line on the historic profit ("L", "H").
inline void SeedFaixaLucro(Connection& c, int linha, double inicial, double final,
                           double percentual) {
  InsertRow(c, "VEI_FORMULA_LINHA_PER",
            {{"EMPRESA", I(1)},
             {"FORMULA", T("F1")},
             {"LINHA_FORMULA", I(linha)},
             {"LIMITE_INICIAL", F(inicial)},
             {"LIMITE_FINAL", F(final)},
             {"BASE_REFERENCIA", T("L")},
             {"HISTORICO_PRESENTE", T("H")},
             {"PERCENTUAL_FORMULA", F(percentual)}});
}

// A vehicle line (FAT_MOVIMENTO_VEICULO) of V1 on an invoice of its own
// header, for the cost adjustments.
inline void SeedAjuste(Connection& c, int numero, const std::string& tipo,
                       const std::string& status, double dta_documento, double val_custo) {
  const Invoice nf{1, numero, tipo};
  SeedHeader(c, nf, {{"STATUS", T(status)}, {"DTA_DOCUMENTO", Value::DateTime(dta_documento)}});
  SeedVehicleLine(c, nf, "V1", {{"VAL_CUSTO", F(val_custo)}});
}

class VehicleCostTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    dm.SetClock([] { return platform::EncodeDateTime(2024, 3, 20, 10, 30, 0); });
  }

  // The dealer, the model, V1 with its record, invoices, expenses, indices
  // and proposal; no formula lines. `parametros` add to dealer 1's row.
  void SeedWorld(const Columns& parametros = {}, const Columns& veiculo = {}) {
    Connection& c = connection();
    SeedDealer(c, 1, Value(), Columns{{"UB_PADRAO", I(2)}} + parametros);
    InsertRow(c, "VEI_MODELO",
              {{"EMPRESA", I(1)},
               {"MODELO", T("M1")},
               {"PRECO_PUBLICO", F(80000)},
               {"VAL_PINTURA_M", F(900)},
               {"FRETE_VENDA", F(1200)},
               {"VAL_SEGURO", F(300)}});
    InsertRow(c, "VEI_MODELO_EDICAO",
              {{"EMPRESA", I(1)},
               {"MODELO", T("M1")},
               {"EDICAO", T("ED1")},
               {"ANO_MODELO", I(2024)},
               {"PRECO_PUBLICO", F(85000)},
               {"VAL_PINTURA_M", F(1000)}});
    InsertRow(c, "VEI_SITUACAO",
              {{"EMPRESA", I(1)}, {"SITUACAO", T("E1")}, {"LOCALIZACAO", T("E")}});
    SeedVehicleWithRecord(
        c, "V1", "CH1",
        Overridden(Columns{{"REVENDA_ORIGEM", I(1)},
                           {"SITUACAO", T("E1")},
                           {"NOVO_USADO", T("N")},
                           {"DTA_FAT_FABRICA", DateValue(2024, 1, 5)},
                           {"DTA_INICIO_CORRECAO", DateValue(2024, 1, 15)},
                           {"DTA_RECOMPRA", DateValue(2024, 2, 15)},
                           {"VALOR_REVISAO", F(2000)}} +
                       EntryInvoiceOf(kNotaEntrada),
                   veiculo),
        {{"EDICAO", T("ED1")}, {"ANO_MODELO", I(2024)}, {"TIPO_PINTURA", T("M")}});
    SeedHeader(c, kNotaEntrada,
               {{"TOT_NOTA_FISCAL", F(60000)},
                {"VALDESCONTO", F(0)},
                {"VAL_FUNDO_RESERVA", F(500)},
                {"STATUS", T("F")}});
    SeedVehicleLine(c, kNotaEntrada, "V1", {{"VAL_IPI", F(3000)}});

    // A cost of 1,000.00 on index 1 that makes up the accounting cost, and a
    // recovery of 200.00 without index that does not.
    SeedDespesa(c, "V1", 1, "+", 1, Day(2024, 2, 1), 1000);
    SeedDespesa(c, "V1", 2, "-", 0, Day(2024, 2, 10), 200);
    Exec("update VEI_DESPESA_VEICULO set COMPOE_CUSTO_CONTABIL = 'S' where DESPESA = 1");

    SeedIndice(c, 1, "D");
    SeedValorIndice(c, 1, Day(2024, 1, 5), 100);
    SeedValorIndice(c, 1, Day(2024, 1, 10), 101.5);
    SeedValorIndice(c, 1, Day(2024, 2, 1), 100.5);
    SeedValorIndice(c, 1, Day(2024, 2, 15), 101);
    SeedValorIndice(c, 1, Day(2024, 3, 15), 102);
    SeedIndice(c, 2, "D");
    SeedValorIndice(c, 2, Day(2024, 1, 15), 200);
    SeedValorIndice(c, 2, Day(2024, 2, 15), 210);

    SeedProposal(1, 7, 2);
  }

  // Proposal `proposta` of `revenda` holding V1, with its final negotiation,
  // payments and return.
  void SeedProposal(int revenda, int proposta, int negociacao) {
    Connection& c = connection();
    InsertRow(c, "CAC_CONTATO",
              {{"EMPRESA", I(1)}, {"REVENDA", I(revenda)}, {"CONTATO", I(5)}, {"CLIENTE", I(77)}});
    InsertRow(c, "VEI_PROPOSTA",
              {{"EMPRESA", I(1)},
               {"REVENDA", I(revenda)},
               {"PROPOSTA", I(proposta)},
               {"NEGOCIACAO_FINAL", I(negociacao)},
               {"SITUACAO", T("2")},
               {"VEICULO", T("V1")},
               {"CONTATO", I(5)},
               {"DTA_EMISSAO", DateValue(2024, 3, 1)}});
    const Columns chave = {{"EMPRESA", I(1)},
                           {"REVENDA", I(revenda)},
                           {"PROPOSTA", I(proposta)},
                           {"NEGOCIACAO", I(negociacao)}};
    InsertRow(
        c, "VEI_NEGOCIACAO",
        chave + Columns{{"VAL_VEICULO", F(88000)}, {"VAL_FRETE", F(1500)}, {"VAL_SEGURO", F(500)}});
    InsertRow(c, "VEI_PAGAMENTO",
              chave + Columns{{"NUMERO_PAGAMENTO", I(1)}, {"VAL_PAGAMENTO", F(50000)}});
    InsertRow(c, "VEI_PAGAMENTO",
              chave + Columns{{"NUMERO_PAGAMENTO", I(2)}, {"VAL_PAGAMENTO", F(40000)}});
    InsertRow(c, "VEI_RETORNO",
              chave + Columns{{"SEQUENCIA", I(1)},
                              {"TIPO_RETORNO", T("R")},
                              {"VAL_RETORNO", F(1000)},
                              {"VAL_COMISSAO", F(100)},
                              {"VAL_IRRF", F(15)},
                              {"CLIENTE", I(4321)}});
  }

  std::string Calcula(const std::string& veiculo = "V1", int proposta = 7, int negociacao = 2,
                      double data = kD1) {
    return dm.CalculoCustoVeiculo(&connection(), "INTERBASE", veiculo, data, 1, 1, proposta,
                                  negociacao);
  }

  // The rows of a query, one text per row with its columns joined by "|";
  // NULL for a null column.
  std::vector<std::string> Rows(const std::string& sql) {
    platform::SqlDataSet query("sdsVerifica", &connection());
    query.SetCommandText(sql);
    query.Open();
    std::vector<std::string> rows;
    for (; !query.Eof(); query.Next()) {
      std::string row;
      for (int i = 0; i < query.FieldCount(); ++i) {
        const Value& v = query.Fields(i).AsValue();
        row += (i ? "|" : "") + (v.IsNull() ? std::string("NULL") : v.AsText());
      }
      rows.push_back(row);
    }
    return rows;
  }

  // The stored costing lines of a vehicle, numbers as the database holds
  // them: "line|percentage|historic|present|F&I customer".
  std::vector<std::string> Custeio(const std::string& veiculo = "V1") {
    return Rows(
        "select LINHA_FORMULA, cast(PERCENTUAL as varchar(20)), cast(VAL_HISTORICO as "
        "varchar(20)), cast(VAL_PRESENTE as varchar(20)), CLIENTE_FI from VEI_VEICULO_CUSTEIO "
        "where EMPRESA = 1 and VEICULO = '" +
        veiculo + "' order by LINHA_FORMULA");
  }

  // "dealer|proposal|line|percentage|historic|present|F&I customer|cost date"
  std::vector<std::string> Historico(int proposta = 7) {
    return Rows(
        "select REVENDA, PROPOSTA, LINHA_FORMULA, cast(PERCENTUAL as varchar(20)), "
        "cast(VAL_HISTORICO as varchar(20)), cast(VAL_PRESENTE as varchar(20)), CLIENTE_FI, "
        "cast(DTA_CUSTO as varchar(30)) from VEI_VEICULO_CUSTEIO_HISTORICO where EMPRESA = 1 "
        "and PROPOSTA = " +
        std::to_string(proposta) + " order by REVENDA, LINHA_FORMULA");
  }

  // A column of V1 as the database holds it.
  std::string Veiculo(const std::string& coluna, const std::string& veiculo = "V1") {
    const std::vector<std::string> rows =
        Rows("select cast(" + coluna +
             " as varchar(20)) from VEI_VEICULO where EMPRESA = 1 and "
             "VEICULO = '" +
             veiculo + "'");
    return rows.empty() ? "(no vehicle)" : rows.front();
  }
};

}  // namespace veiculo::testing
