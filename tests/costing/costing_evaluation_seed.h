#pragma once
// The packets a costing evaluation receives, built row by row, and a fixture
// that calls CalculaCusteio with all its variables starting at 0.
//
// Dates of the evaluation unless a test gives others: D1 = D5 = 10/03/2024,
// D2 = D3 = D4 = 0.

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "costing/costing_evaluation.h"
#include "costing/incidence_seed.h"

namespace veiculo::testing {

// One row of the costing packet.
struct CusteioRow {
  int linha = 1;
  std::string incidencia;
  std::optional<double> percentual;
  std::string custo_total;
  std::string lucro_bruto;
  std::string margem;
  std::string tipo = "N";
  std::string referencia;
  std::string deflacao;
  int indice = 0;
  int dias = 0;
  double valor_fixo = 0;
  std::string alterar;
  double val_historico = 0;
  int sequencia = 0;

  // Builders: Linha(1, "C").Pct(10).Custo("+") ...
  CusteioRow Pct(double v) const { return With(&CusteioRow::percentual, v); }
  CusteioRow Custo(const char* v) const { return With(&CusteioRow::custo_total, v); }
  CusteioRow Lucro(const char* v) const { return With(&CusteioRow::lucro_bruto, v); }
  CusteioRow Margem(const char* v) const { return With(&CusteioRow::margem, v); }
  CusteioRow Tipo(const char* v) const { return With(&CusteioRow::tipo, v); }
  CusteioRow Ref(const char* v) const { return With(&CusteioRow::referencia, v); }
  CusteioRow Deflacao(const char* v) const { return With(&CusteioRow::deflacao, v); }
  CusteioRow Indice(int v) const { return With(&CusteioRow::indice, v); }
  CusteioRow Dias(int v) const { return With(&CusteioRow::dias, v); }
  CusteioRow Fixo(double v) const { return With(&CusteioRow::valor_fixo, v); }
  CusteioRow Alterar(const char* v) const { return With(&CusteioRow::alterar, v); }
  CusteioRow Historico(double v) const { return With(&CusteioRow::val_historico, v); }
  CusteioRow Seq(int v) const { return With(&CusteioRow::sequencia, v); }

 private:
  template <class M, class V>
  CusteioRow With(M CusteioRow::*member, V value) const {
    CusteioRow copy = *this;
    copy.*member = value;
    return copy;
  }
};

inline CusteioRow Linha(int linha, const std::string& incidencia) {
  CusteioRow row;
  row.linha = linha;
  row.incidencia = incidencia;
  return row;
}

inline DataPacket CusteioPacket(const std::vector<CusteioRow>& rows) {
  DataPacket p;
  p.fields = Fields(
      "LINHA_FORMULA:i INCIDENCIA:t TIPO:t CONSIDERAR_DEFLACAO:t PERCENTUAL:f REFERENCIA:t "
      "ALTERAR:t VALOR_FIXO:f INDICE:i DIAS_ADICIONAIS_VENDA:i VAL_HISTORICO:f VAL_PRESENTE:f "
      "LUCRO_BRUTO:t MARGEM_CONTRIBUICAO:t CUSTO_TOTAL:t SEQUENCIA:i");
  for (const CusteioRow& r : rows) {
    p.rows.push_back({Value::Integer(r.linha), Value::Text(r.incidencia), Value::Text(r.tipo),
                      Value::Text(r.deflacao), r.percentual ? Value::Float(*r.percentual) : Value(),
                      Value::Text(r.referencia), Value::Text(r.alterar), Value::Float(r.valor_fixo),
                      Value::Integer(r.indice), Value::Integer(r.dias),
                      Value::Float(r.val_historico), Value(), Value::Text(r.lucro_bruto),
                      Value::Text(r.margem), Value::Text(r.custo_total),
                      Value::Integer(r.sequencia)});
  }
  return p;
}

struct Datas {
  double d1 = Day(2024, 3, 10), d2 = 0, d3 = 0, d4 = 0, d5 = Day(2024, 3, 10);
};

inline DataPacket DatasPacket(const Datas& d) {
  DataPacket p;
  p.fields = {{"DATA", FieldType::DateTime}};
  for (double day : {d.d1, d.d2, d.d3, d.d4, d.d5})
    p.rows.push_back({day == 0 ? Value() : Value::DateTime(day)});
  return p;
}

// The registry packet: one row with the columns given (VALOR_VENDA always).
inline DataPacket CadastroPacket(double valor_venda, const std::map<std::string, double>& outros) {
  DataPacket p;
  DataPacket::Row row;
  p.fields.push_back({"VALOR_VENDA", FieldType::Float});
  row.push_back(Value::Float(valor_venda));
  for (const auto& [name, value] : outros) {
    p.fields.push_back({name, FieldType::Float});
    row.push_back(Value::Float(value));
  }
  p.rows.push_back(row);
  return p;
}

// The caller's variables of CalculaCusteio (and CalculaResultados).
struct Variaveis {
  double ControleNovo = 0, Valor_PV = 0, LucroHistorico = 0, LucroPresente = 0, ValorPresente = 0,
         PercHistoricoPV = 0, PercPresentePV = 0, PercLucroBrutoP = 0, PercLucroBrutoH = 0,
         PercMargemP = 0, PercMargemH = 0, PercPresente = 0, PercHistorico = 0, CustoPresente = 0,
         CustoHistorico = 0, MargemP = 0, MargemH = 0, LucroBrutoP = 0, LucroBrutoH = 0;
  costing::VariaveisCusteio Vars() {
    return {ControleNovo,    Valor_PV,       LucroHistorico,  LucroPresente,   ValorPresente,
            PercHistoricoPV, PercPresentePV, PercLucroBrutoP, PercLucroBrutoH, PercMargemP,
            PercMargemH,     PercPresente,   PercHistorico,   CustoPresente,   CustoHistorico,
            MargemP,         MargemH,        LucroBrutoP,     LucroBrutoH};
  }
  // The figures named, each to within a billionth of its size:
  // v.Expect({{"CustoHistorico", 1500}, {"PercPresente", 25}}).
  void Expect(const std::vector<std::pair<std::string, double>>& expected) const {
#define VEICULO_FIGURE(name) \
  { #name, &name }
    const std::map<std::string, const double*> figures = {
        VEICULO_FIGURE(ControleNovo),    VEICULO_FIGURE(Valor_PV),
        VEICULO_FIGURE(LucroHistorico),  VEICULO_FIGURE(LucroPresente),
        VEICULO_FIGURE(ValorPresente),   VEICULO_FIGURE(PercHistoricoPV),
        VEICULO_FIGURE(PercPresentePV),  VEICULO_FIGURE(PercLucroBrutoP),
        VEICULO_FIGURE(PercLucroBrutoH), VEICULO_FIGURE(PercMargemP),
        VEICULO_FIGURE(PercMargemH),     VEICULO_FIGURE(PercPresente),
        VEICULO_FIGURE(PercHistorico),   VEICULO_FIGURE(CustoPresente),
        VEICULO_FIGURE(CustoHistorico),  VEICULO_FIGURE(MargemP),
        VEICULO_FIGURE(MargemH),         VEICULO_FIGURE(LucroBrutoP),
        VEICULO_FIGURE(LucroBrutoH)};
#undef VEICULO_FIGURE
    for (const auto& [name, value] : expected) {
      ASSERT_TRUE(figures.count(name)) << "no figure " << name;
      EXPECT_NEAR(*figures.at(name), value, 1e-9 * std::max(1.0, std::abs(value))) << name;
    }
  }
};

// One evaluated row of the returned packet.
struct Avaliada {
  double historico;
  double presente;
  Value percentual;
};

class CusteioTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    SeedDealer(connection(), 1, Value(), {});
    module().LerParametro(1, 1);
  }

  // Evaluates `rows` of formula F1 (pV empty: local evaluation).
  DataPacket Custeio(const std::vector<CusteioRow>& rows, const DataPacket& cadastro,
                     const Datas& datas = {}, const std::string& veiculo = "") {
    return Evaluate(CusteioPacket(rows), DatasPacket(datas), cadastro, veiculo);
  }
  DataPacket Evaluate(const DataPacket& custeio, const DataPacket& datas,
                      const DataPacket& cadastro, const std::string& veiculo = "") {
    return module().CalculaCusteio(
        1, 1, 1, veiculo, "F1", v.ControleNovo, v.Valor_PV, v.LucroHistorico, v.LucroPresente,
        v.ValorPresente, v.PercHistoricoPV, v.PercPresentePV, v.PercLucroBrutoP, v.PercLucroBrutoH,
        v.PercMargemP, v.PercMargemH, v.PercPresente, v.PercHistorico, v.CustoPresente,
        v.CustoHistorico, v.MargemP, v.MargemH, v.LucroBrutoP, v.LucroBrutoH, custeio, datas,
        cadastro);
  }

  // The historic and present amounts of every row of `p`, in order.
  static void ExpectAmounts(const DataPacket& p,
                            const std::vector<std::pair<double, double>>& expected) {
    ASSERT_EQ(p.rows.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_NEAR(Row(p, i).historico, expected[i].first, 1e-9) << "row " << i;
      EXPECT_NEAR(Row(p, i).presente, expected[i].second, 1e-9) << "row " << i;
    }
  }
  static Avaliada Row(const DataPacket& p, size_t i) {
    const DataPacket::Row& r = p.rows.at(i);
    return {r.at(p.FieldIndex("VAL_HISTORICO")).AsFloat(),
            r.at(p.FieldIndex("VAL_PRESENTE")).AsFloat(), r.at(p.FieldIndex("PERCENTUAL"))};
  }

  // Makes a vehicle of formula F1 current, so that cdsFormulaLinha holds F1's lines.
  void LoadFormulaF1() {
    AddModel(connection(), "M1");
    AddVehicle(connection(), "V1", "CH1", {});
    Load("V1");
  }

  // PERCENTUAL of a line as cdsFormulaLinha holds it now.
  Value PercentualEmMemoria(int linha) {
    EXPECT_TRUE(module().cdsFormulaLinha->Locate("LINHA_FORMULA", {Value::Integer(linha)}));
    return module().cdsFormulaLinha->FieldByName("PERCENTUAL").AsValue();
  }

  Variaveis v;
};

}  // namespace veiculo::testing
