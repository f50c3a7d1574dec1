// AprovacaoGerencialProposta's refusals and warnings, each on the proposal of
// approval_builders.h changed only as the case says: uniqueness, acceptance,
// lien, financing, minimum price (permission 322), similar vehicles,
// appraisals and discount (permission 91). A refusal writes nothing.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/approval_builders.h"
#include "support/kit.h"

namespace veiculo::testing {
namespace {

constexpr const char* kMinimoTotal =
    "Veículo [V1] possui preço mínimo superior ao valor total do veículo na proposta.\r\n";
constexpr const char* kMinimoBase =
    "Veículo [V1] possui preço mínimo superior ao valor base do veículo na proposta.\r\n";
constexpr const char* kSemPermissao322 =
    "A proposta não pode ser aprovada, pois o usuário não tem a função 322.;";
constexpr const char* kComPermissao322 =
    "A proposta pode ser aprovada, pois o usuário tem a função 322.;";
constexpr const char* kDesconto = "Desconto concedido [12,50%] maior que o permitido [10,00%].;";
const std::string kSemelhante =
    "] com as mesmas características(Modelo, Catálogo, Cor, Opcionais, Ano Fabricação e Ano "
    "Modelo) e que ";
const std::string kConfirma = ". Confirma a aprovação da proposta mesmo assim?;";
const std::string kPagoV2 =
    "Existe um outro veículo [V2" + kSemelhante + "foi pago à montadora" + kConfirma;
const std::string kAntigoV3 =
    "Existe um outro veículo [V3" + kSemelhante + "está há mais tempo em estoque" + kConfirma;

class ApprovalChecksTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    module().SetClock([] { return Moment(2025, 3, 10, 15, 45, 30); });
  }
  std::string Aprova(int negociacao = 1, int integracao_fi = 0, int proposta = 30) {
    return module().AprovacaoGerencialProposta(&connection(), "INTERBASE", 1, 1, proposta,
                                               negociacao, 9, Day(2025, 3, 12), integracao_fi);
  }
  void Funcao(int funcao) {
    Insert(connection(), "GER_FUNCAO_USUARIO", "USUARIO FUNCAO", {I(9), I(funcao)});
  }
  // A vehicle like V1 in stock (bought on `compra`); `cor` changes its colour.
  void Semelhante(const std::string& veiculo, double compra, const std::string& cor = "BRANCO") {
    AddVehicle(
        connection(), veiculo, "CH" + veiculo,
        Cols("NOVO_USADO SITUACAO COR DTA_COMPRA_FABRICA", {T("N"), T("EST"), T(cor), D(compra)}),
        Cols("ANO_FABRICACAO ANO_MODELO", {I(2024), I(2025)}));
  }
  // V2's entry invoice (operation 777) and its payable, paid ("PT") or not.
  void EntradaPaga(const std::string& status) {
    Insert(connection(), "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
           {T("E01"), T("E"), T("N")});
    const Invoice nf{1, 700, "E01"};
    AddInvoice(connection(), nf, Cols("OPERACAO STATUS", {I(777), T("F")}));
    AddInvoiceVehicle(connection(), nf, "V2");
    Insert(connection(), "FIN_TITULO",
           "EMPRESA REVENDA TITULO DUPLICATA CLIENTE TIPO STATUS OPERACAO",
           {I(1), I(1), I(1), I(1), I(900), T("CP"), T(status), I(777)});
  }
  void Appraisal(int avaliacao, const std::string& situacao, double validade) {
    Insert(connection(), "VEI_AVALIACAO", "EMPRESA AVALIACAO SITUACAO DTA_VALIDADE",
           {I(1), I(avaliacao), T(situacao), D(validade)});
    Insert(connection(), "VEI_AVALIACAO_PROPOSTA", "EMPRESA REVENDA PROPOSTA AVALIACAO",
           {I(1), I(1), I(30), I(avaliacao)});
  }
};

TEST_F(ApprovalChecksTest, RefusalsAndWarningsInTheirOrder) {
  struct Caso {
    const char* nome;
    std::vector<std::string> sql;  // changes to the proposal of approval_builders.h
    std::function<void()> mais;    // and rows added
    std::string esperado;
    int negociacao = 1;
    int integracao_fi = 0;
    int proposta = 30;
  };
  const std::string neg = "update VEI_NEGOCIACAO set ", minimo =
                                                            "update VEI_VEICULO set "
                                                            "PRECO_MINIMO_COMERCIALIZACAO = ";
  // V2 bought after V1 (20/01/2025) with its entry paid or not; V3 before it.
  const auto pago = [this](const std::string& status) {
    return [this, status] {
      Semelhante("V2", Day(2025, 1, 25));
      EntradaPaga(status);
    };
  };
  const auto antigo = [this](const std::string& cor = "BRANCO") {
    return [this, cor] { Semelhante("V3", Day(2025, 1, 10), cor); };
  };
  // clang-format off
  const std::vector<Caso> casos = {
      {"no such proposal", {}, {}, "NOK|Proposta de compra de veículo inexistente.;", 1, 0, 99},
      {"no such negotiation", {}, {}, "NOK|Negociação não encontrada.;", 2},
      {"its own negotiation already approved", {neg + "APR_GERENCIAL = 'A'"}, {},
       "NOK|Já existe uma proposta aprovada para este veículo.[30];"},
      {"a rival invoiced with an exit invoice",
       {"update VEI_VEICULO set NUMERO_NOTA_NFSAIDA = 4400"},
       [this] { AddRivalProposal(connection(), 2, 31, 12, 21, "7"); },
       "NOK|Já existe uma proposta aprovada para este veículo.[31];"},
      {"a rival closed without an exit invoice does not block", {},
       [this] { AddRivalProposal(connection(), 2, 31, 12, 21, "9"); }, "OK|"},
      {"a cancelled proposal is not approved", {"update VEI_PROPOSTA set SITUACAO = '8'"}, {},
       "NOK|Proposta [30] cancelada ou encerrada não pode ser aprovada.;"},
      {"refused by the customer without acceptance", {neg + "STATUS = 'R', ACEITE_CLIENTE = 'N'"},
       {}, "NOK|Proposta [30] Sem o Aceite do Cliente.;"},
      {"refused with acceptance passes", {neg + "STATUS = 'R', ACEITE_CLIENTE = 'S'"}, {}, "OK|"},
      {"lien without a financing company", {neg + "ALIENACAO = 'S'"}, {},
       "NOK|Veículo com Alienação Necessita uma Financeira.;"},
      {"financing not approved, F&I on", {neg + "VAL_FINANCIADO = 50000, APR_FINANCIAMENTO = 'P'"},
       {}, "NOK|O Financiamento ainda não foi aprovado.;", 1, 1},
      {"financing not approved, F&I off", {neg + "VAL_FINANCIADO = 50000, APR_FINANCIAMENTO = 'P'"},
       {}, "OK|"},
      // The minimum price against the payments' 100.000,00.
      {"vehicle's minimum above the sale, no right 322", {minimo + "100000.01"}, {},
       std::string("NOK|") + kMinimoTotal + kSemPermissao322},
      {"vehicle's minimum above the sale, right 322", {minimo + "100000.01"},
       [this] { Funcao(322); },
       std::string("OK|") + kMinimoTotal + kComPermissao322},
      {"minimum exactly equal to the sale passes", {minimo + "100000"}, {}, "OK|"},
      {"model's minimum of a new vehicle, against the base value",
       {"update VEI_MODELO set PRECO_MINIMO_COMERCIALIZACAO = 100000",
        neg + "VAL_VEICULO = 99999.99",
        "update VEI_PARAMETRO set VALIDA_VALVEICULO_PRECO_MINIMO = 'S'"}, {},
       std::string("NOK|") + kMinimoBase + kSemPermissao322},
      {"model's minimum does not hold for a used vehicle",
       {"update VEI_MODELO set PRECO_MINIMO_COMERCIALIZACAO = 120000",
        "update VEI_VEICULO set NOVO_USADO = 'U'"}, {}, "OK|"},
      // Similar vehicles.
      {"a similar vehicle paid to the maker", {}, pago("PT"), "OK|" + kPagoV2},
      {"its payable still open: no warning", {}, pago("AB"), "OK|"},
      {"an older one wins over the paid one", {},
       [&] { pago("PT")(), antigo()(); }, "OK|" + kAntigoV3},
      {"bought the same day is not older", {}, [this] { Semelhante("V3", Moment(2025, 1, 20, 8)); },
       "OK|"},
      {"an older one of another colour", {}, antigo("PRETO"), "OK|"},
      {"an older one held by a live proposal of the dealer", {},
       [&] {
         antigo()();
         AddProposal(connection(), 1, 40, Cols("VEICULO SITUACAO", {T("V3"), T("1")}));
       },
       "OK|"},
      {"the minimum-price warning stays before the similar vehicle",
       {minimo + "100000.01 where VEICULO = 'V1'"}, [&] { Funcao(322), antigo()(); },
       std::string("OK|") + kMinimoTotal + kComPermissao322 + kAntigoV3},
      // Appraisals on the processing date 12/03/2025.
      {"appraisals not approved or expired", {},
       [this] {
         Appraisal(301, "A", Day(2025, 3, 12));  // valid through the day
         Appraisal(302, "P", Day(2025, 3, 31));
         Appraisal(303, "A", Day(2025, 3, 11));
       },
       "NOK|Avaliação(ões) com data de validade vencida ou não aprovada: 302, 303;"},
      // 12.500,00 off 100.000,00 is 12,50 %, the model allows 10 %.
      {"discount above the maximum, no right 91", {neg + "VAL_DESCONTO = 12500"}, {},
       std::string("NOK|") + kDesconto +
           "Usuário não possui permissão para esta função.\r\nFunção [91].;"},
      {"discount above the maximum, right 91", {neg + "VAL_DESCONTO = 12500"},
       [this] { Funcao(91); },
       std::string("OK|") + kDesconto},
      {"discount of exactly the maximum", {neg + "VAL_DESCONTO = 10000"}, {}, "OK|"},
      {"no maximum discount on the model: up to 100 %",
       {neg + "VAL_DESCONTO = 100000", "update VEI_MODELO set DESCONTO_MAXIMO = NULL"}, {}, "OK|"},
      {"the first failing check answers", {neg + "VAL_DESCONTO = 12500, ALIENACAO = 'S'"}, {},
       "NOK|Veículo com Alienação Necessita uma Financeira.;"},
  };
  // clang-format on
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    connection().Rollback();
    connection().Begin();
    AddApprovalWorld(connection());
    for (const std::string& sql : c.sql) Exec(sql);
    if (c.mais) c.mais();
    const TextRows antes = Rows(
        "select APR_GERENCIAL, SITUACAO from VEI_NEGOCIACAO N join "
        "VEI_PROPOSTA P on P.PROPOSTA = N.PROPOSTA order by N.PROPOSTA");
    EXPECT_EQ(Aprova(c.negociacao, c.integracao_fi, c.proposta), c.esperado);
    if (c.esperado.rfind("NOK|", 0) == 0) {
      EXPECT_EQ(Rows("select APR_GERENCIAL, SITUACAO from VEI_NEGOCIACAO N join VEI_PROPOSTA P "
                     "on P.PROPOSTA = N.PROPOSTA order by N.PROPOSTA"),
                antes);
      EXPECT_EQ(One("select count(*) from GER_MENSAGEM"), "0");
    } else {
      EXPECT_EQ(One("select APR_GERENCIAL from VEI_NEGOCIACAO where PROPOSTA = 30"), "A");
    }
  }
}

}  // namespace
}  // namespace veiculo::testing
