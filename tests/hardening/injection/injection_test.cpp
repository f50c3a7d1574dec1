// Hostile text through the host: every operation that takes text, called with
// quotes, comment markers, SQL keywords, `:Name` markers, non-ASCII and
// control characters and 100 KB strings in each of its text parameters, on
// the demo dealer. No statement may fail because of a value's characters; a
// value its field cannot hold is refused before the database is touched
// (exit 2, naming the parameter); nothing outside the operation's scope
// changes; and a free text the operation stores is stored as given.
//
// The matrix runs in this process through the host's own path (the
// NAME=VALUE binding of `veiculo call`, HostSession, the registry's
// invokers): a process per case would not fit the time a CI run can give.
// Each case's transaction is rolled back after its changes were read, so
// every case starts from the same seeded database.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "exit_codes.h"
#include "hardening/injection/injection_support.h"
#include "operations/text_limits.h"

namespace veiculo::cli {
namespace {

using veiculo::testing::HostileValues;
using veiculo::testing::InjectionBed;
using veiculo::testing::InjectionOutcome;

// The tables each operation that writes is meant to write (a call that is
// accepted); every other operation writes nothing.
const std::map<std::string, std::set<std::string>>& Scope() {
  static const std::map<std::string, std::set<std::string>> scope = {
      {"GravaMensagem", {"GER_MENSAGEM", "VEI_MENSAGEM_PROPOSTA"}},
      // Proposal 5004 approved: its rival 5006 rejected, both salespeople told,
      // the vehicle reserved and its optionals' values frozen.
      {"AprovacaoGerencialProposta",
       {"CAC_CONTATO", "CAC_PROVIDENCIA", "GER_MENSAGEM", "OFI_FICHA_OPCIONAL",
        "VEI_MENSAGEM_PROPOSTA", "VEI_NEGOCIACAO", "VEI_PROPOSTA", "VEI_PROPOSTA_OPCIONAL",
        "VEI_VEICULO"}},
      {"AtualizaPrecoMinimo", {"VEI_VEICULO"}},
      {"CalculoCustoVeiculo", {"VEI_VEICULO", "VEI_VEICULO_CUSTEIO"}},
      // Proposal 5201 cancelled with its negotiation, payment, contact action
      // and the salesperson's message.
      {"RejeitarProposta",
       {"CAC_PROVIDENCIA", "GER_MENSAGEM", "VEI_MENSAGEM_PROPOSTA", "VEI_NEGOCIACAO",
        "VEI_PAGAMENTO", "VEI_PROPOSTA"}},
      {"RejeitarPropostaStr",
       {"CAC_PROVIDENCIA", "GER_MENSAGEM", "VEI_MENSAGEM_PROPOSTA", "VEI_NEGOCIACAO",
        "VEI_PAGAMENTO", "VEI_PROPOSTA"}},
      {"ProcessaSalesForce", {"REN_SALES_ESTOQUE"}},
      {"SalesAtualizaEstoque", {"REN_SALES_ESTOQUE"}},
      {"SalesGeraCargaEstoqueOnline", {"REN_SALES_ESTOQUE"}},
      {"SalesAtualizaReserva", {"REN_SALES_FULL_RESERVA"}},
  };
  return scope;
}

// Free texts an accepted call stores: the query that reads them back from
// the rows the call's transaction wrote.
const std::map<std::string, std::string>& Stored() {
  static const std::map<std::string, std::string> stored = {
      {"GravaMensagem.pfAssunto",
       "select ASSUNTO from GER_MENSAGEM where RDB$RECORD_VERSION = CURRENT_TRANSACTION"},
      {"GravaMensagem.pfMensagem",
       "select MENSAGEM from GER_MENSAGEM where RDB$RECORD_VERSION = CURRENT_TRANSACTION"},
      {"RejeitarProposta.pfMotivo",
       "select MOTIVO from CAC_PROVIDENCIA where RDB$RECORD_VERSION = CURRENT_TRANSACTION"},
      {"RejeitarPropostaStr.pfConcessionaria",
       "select CONCESSIONARIA from CAC_PROVIDENCIA where RDB$RECORD_VERSION = CURRENT_TRANSACTION"},
  };
  return stored;
}

// Texts an engine's refusal leaves in a message, also when an operation turns
// it into a status text.
bool EngineText(const std::string& text) {
  for (const char* marker : {"SQL error", "Dynamic SQL", "truncation", "is too long",
                             "Token unknown", "SQLCODE", "numeric overflow", "conversion error"})
    if (text.find(marker) != std::string::npos) return true;
  return false;
}

size_t Characters(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  const size_t last = text.find_last_not_of(" \t\r\n");
  return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

TEST(Injection, EveryTextParameterOfEveryOperation) {
  InjectionBed& bed = InjectionBed::Instance();
  int tried = 0;
  std::set<std::string> wrote;  // operations that wrote in at least one case
  for (const Operation& operation : HostOperations().Operations()) {
    if (bed.Skipped(operation)) continue;
    const auto scope = Scope().find(operation.name);
    for (const ParamSpec& param : operation.params) {
      if (param.type != ParamType::Text || param.direction == Direction::Out) continue;
      const std::string key = operation.name + "." + param.name;
      const auto stored = Stored().find(key);
      const TextLimit* limit = TextLimitOf(operation.name, param.name);
      for (const auto& [label, value] : HostileValues()) {
        const InjectionOutcome out = bed.Call(operation, bed.Words(operation, param.name, value),
                                              stored == Stored().end() ? "" : stored->second);
        ++tried;
        const std::string what = key + " = " + label + ": exit " + std::to_string(out.exit) + " " +
                                 out.text.substr(0, 400);
        EXPECT_FALSE(out.database || EngineText(out.text)) << what;
        if (limit != nullptr && Characters(value) > limit->length) {
          EXPECT_EQ(out.exit, kExitBadInput) << what;
          EXPECT_NE(out.text.find("parameter " + param.name + ": "), std::string::npos) << what;
          EXPECT_NE(out.text.find(limit->column), std::string::npos) << what;
        }
        if (!out.changed.empty()) wrote.insert(operation.name);
        for (const std::string& table : out.changed)
          EXPECT_TRUE(scope != Scope().end() && scope->second.count(table))
              << what << " wrote " << table;
        if (stored != Stored().end() && out.exit == kExitDone) {
          ASSERT_EQ(out.probed.size(), 1u) << what;
          EXPECT_EQ(out.probed[0], Trimmed(value)) << what;
        }
      }
    }
  }
  std::printf("hostile inputs tried: %d\n", tried);
  EXPECT_GT(tried, 1000);
  // The good values around each hostile one let every writing operation do
  // its work: the scope checks above are not vacuous.
  for (const auto& [name, tables] : Scope()) EXPECT_TRUE(wrote.count(name)) << name;
}

// The stock packets a client sends back for valuation: hostile texts in the
// fields the module looks rows up by.
TEST(Injection, TextFieldsOfTheStockPackets) {
  InjectionBed& bed = InjectionBed::Instance();
  const Operation& list = *HostOperations().Find("BuscaEstoqueIntermediario");
  std::vector<std::string> words = {"pfBancoDados=INTERBASE", "pfDataRef=14/03/2025",
                                    "pfNovoUsadoTodos=2"};
  for (const char* unset :
       {"pfDataInicioVenda", "pfDataFimVenda", "pfChassi", "pfCodigoVeiculo", "pfAnoModelo",
        "pfRevenda", "pfFamilia", "pfTransDevolucaoVenda", "pfPacotes", "pfDepartamento",
        "pfSituacao", "pfRevendaVendas", "pfModelo"})
    words.push_back(std::string(unset) + "=");
  for (const char* no :
       {"pfConsiderarRevenda=0", "pfListarVenda=false", "pfListarBonus=false",
        "pfUsaPrecoEdicao=false", "pfUsaPrecoPacote=false", "pfAtualizaEstMedio=false",
        "pfListarPedido=false", "pCalcEstoque=false", "pICarros=false"})
    words.push_back(no);
  const InjectionOutcome listed = bed.Call(list, words);
  ASSERT_EQ(listed.exit, kExitDone) << listed.text;
  const nlohmann::json packet = nlohmann::json::parse(listed.text)["result"];
  ASSERT_EQ(packet["rows"].size(), 6u);  // V1001 to V1006
  int tried = 0;
  for (const char* name : {"CalculaEstoqueIntermediario", "CalculaVenda", "CalculaVendaDiasEstoque",
                           "AtualizaEstMedio"}) {
    const Operation& operation = *HostOperations().Find(name);
    for (const char* field : {"VEICULO", "CHASSI", "MODELO", "EDICAO", "PACOTE", "TIPO_PINTURA"}) {
      size_t size = 0;
      for (const auto& f : packet["fields"])
        if (f["name"] == field) size = f["size"].get<size_t>();
      ASSERT_GT(size, 0u) << field;
      for (const auto& [label, value] : HostileValues()) {
        nlohmann::json hostile = packet;
        for (auto& row : hostile["rows"]) row[field] = value;
        const InjectionOutcome out =
            bed.Call(operation, bed.Words(operation, "pData", hostile.dump()));
        ++tried;
        const std::string what = std::string(name) + " " + field + " = " + label + ": exit " +
                                 std::to_string(out.exit) + " " + out.text.substr(0, 400);
        EXPECT_FALSE(out.database || EngineText(out.text)) << what;
        EXPECT_TRUE(out.changed.empty()) << what << " wrote " << *out.changed.begin();
        if (Characters(value) > size) {
          EXPECT_EQ(out.exit, kExitBadInput) << what;
          EXPECT_NE(out.text.find("field " + std::string(field) + ": "), std::string::npos) << what;
        }
      }
    }
  }
  std::printf("hostile packets tried: %d\n", tried);
}

}  // namespace
}  // namespace veiculo::cli
