#pragma once
// The dealer the vehicle cost tests cost V1 in (see SeedWorld), and readers
// for what the costing stored. PIS 1.65 + COFINS 7.6 = 9.25 %, the two-leg
// present value's first index UB = 2, no UF. V1: factory invoice 05/01/2024,
// correction from 15/01, bought back 15/02, costed on 15/03/2024 (D1).

#include <string>
#include <tuple>
#include <vector>

#include "costing/incidence_seed.h"

namespace veiculo::testing {

inline const double kD1 = Day(2024, 3, 15);
inline const Invoice kNotaEntrada{1, 100, "E01"};

// A vehicle line (FAT_MOVIMENTO_VEICULO) of V1 on an invoice of its own
// header, for the cost adjustments.
inline void SeedAjuste(Connection& c, int numero, const std::string& tipo,
                       const std::string& status, double dta_documento, double val_custo) {
  const Invoice nf{1, numero, tipo};
  AddInvoice(c, nf, {{"STATUS", T(status)}, {"DTA_DOCUMENTO", Value::DateTime(dta_documento)}});
  AddInvoiceVehicle(c, nf, "V1", {{"VAL_CUSTO", F(val_custo)}});
}

class VehicleCostTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    module().SetClock([] { return platform::EncodeDateTime(2024, 3, 20, 10, 30, 0); });
  }

  // The dealer, the model, V1 with its record, invoices, expenses, indices
  // and proposal; no formula lines. `parametros` add to dealer 1's row.
  void SeedWorld(const Columns& parametros = {}, const Columns& veiculo = {}) {
    Connection& c = connection();
    SeedDealer(c, 1, Value(), Columns{{"UB_PADRAO", I(2)}} + parametros);
    Insert(c, "VEI_MODELO", "EMPRESA MODELO PRECO_PUBLICO VAL_PINTURA_M FRETE_VENDA VAL_SEGURO",
           {I(1), T("M1"), F(80000), F(900), F(1200), F(300)});
    Insert(c, "VEI_MODELO_EDICAO", "EMPRESA MODELO EDICAO ANO_MODELO PRECO_PUBLICO VAL_PINTURA_M",
           {I(1), T("M1"), T("ED1"), I(2024), F(85000), F(1000)});
    Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO", {I(1), T("E1"), T("E")});
    // Metallic paint of edition ED1/2024.
    AddVehicle(
        c, "V1", "CH1",
        Overridden(Cols("REVENDA_ORIGEM SITUACAO NOVO_USADO DTA_FAT_FABRICA DTA_INICIO_CORRECAO "
                        "DTA_RECOMPRA VALOR_REVISAO",
                        {I(1), T("E1"), T("N"), D(Day(2024, 1, 5)), D(Day(2024, 1, 15)),
                         D(Day(2024, 2, 15)), F(2000)}) +
                       EntryInvoiceOf(kNotaEntrada),
                   veiculo),
        Cols("EDICAO ANO_MODELO TIPO_PINTURA", {T("ED1"), I(2024), T("M")}));
    // Entry invoice 100: 60,000.00 with a reserve fund of 500.00, IPI 3,000.00.
    AddInvoice(c, kNotaEntrada,
               Cols("TOT_NOTA_FISCAL VALDESCONTO VAL_FUNDO_RESERVA STATUS",
                    {F(60000), F(0), F(500), T("F")}));
    AddInvoiceVehicle(c, kNotaEntrada, "V1", {{"VAL_IPI", F(3000)}});

    // A cost of 1,000.00 on index 1 that makes up the accounting cost, and a
    // recovery of 200.00 without index that does not.
    for (const auto& [despesa, sinal, indice, data, valor] :
         {std::tuple{1, "+", 1, Day(2024, 2, 1), 1000.0},
          std::tuple{2, "-", 0, Day(2024, 2, 10), 200.0}}) {
      Insert(c, "VEI_DESPESA", "EMPRESA DESPESA SINAL INDICE",
             {I(1), I(despesa), T(sinal), I(indice)});
      Insert(c, "VEI_DESPESA_VEICULO",
             "EMPRESA VEICULO DESPESA DOCUMENTO CONTADOR DTA_DESPESA_VEICULO VAL_DESPESA_VEICULO",
             {I(1), T("V1"), I(despesa), I(despesa), I(1), Value::DateTime(data), F(valor)});
    }
    Exec("update VEI_DESPESA_VEICULO set COMPOE_CUSTO_CONTABIL = 'S' where DESPESA = 1");

    AddIndex(c, 1, "D",
             {{Day(2024, 1, 5), 100},
              {Day(2024, 1, 10), 101.5},
              {Day(2024, 2, 1), 100.5},
              {Day(2024, 2, 15), 101},
              {kD1, 102}});
    AddIndex(c, 2, "D", {{Day(2024, 1, 15), 200}, {Day(2024, 2, 15), 210}});

    SeedProposal(1, 7, 2);
  }

  // Proposal `proposta` of `revenda` holding V1: its final negotiation agreed
  // 88,000.00 + 1,500.00 freight + 500.00 insurance, paid 50,000.00 + 40,000.00,
  // with a financing return "R" of 1,000.00 less 100.00 commission and 15.00
  // withheld, paid by customer 4321.
  void SeedProposal(int revenda, int proposta, int negociacao) {
    Connection& c = connection();
    Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE", {I(1), I(revenda), I(5), I(77)});
    AddProposal(c, revenda, proposta,
                Cols("NEGOCIACAO_FINAL SITUACAO VEICULO CONTATO DTA_EMISSAO",
                     {I(negociacao), T("2"), T("V1"), I(5), D(Day(2024, 3, 1))}));
    AddNegotiation(c, revenda, proposta, negociacao,
                   Cols("VAL_VEICULO VAL_FRETE VAL_SEGURO", {F(88000), F(1500), F(500)}));
    AddPayment(c, revenda, proposta, negociacao, 1, {{"VAL_PAGAMENTO", F(50000)}});
    AddPayment(c, revenda, proposta, negociacao, 2, {{"VAL_PAGAMENTO", F(40000)}});
    Insert(c, "VEI_RETORNO",
           "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO VAL_RETORNO VAL_COMISSAO "
           "VAL_IRRF CLIENTE",
           {I(1), I(revenda), I(proposta), I(negociacao), I(1), T("R"), F(1000), F(100), F(15),
            I(4321)});
  }

  // Transactions AJE (adjustment in) and AJS (adjustment out).
  void SeedAdjustmentTypes() {
    for (const char* t : {"AJE", "AJS"})
      Insert(connection(), "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
             {T(t), T(t[2] == 'E' ? "E" : "S"), T("A")});
  }

  std::string Calcula(const std::string& veiculo = "V1", int proposta = 7, int negociacao = 2,
                      double data = kD1) {
    return module().CalculoCustoVeiculo(&connection(), "INTERBASE", veiculo, data, 1, 1, proposta,
                                        negociacao);
  }

  std::vector<std::string> Rows(const std::string& sql) { return QueryLines(connection(), sql); }

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
