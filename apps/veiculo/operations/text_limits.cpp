#include "operations/text_limits.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "input_error.h"

namespace veiculo::cli {
namespace {

struct Entry {
  const char* param;  // lower case; "Operation.param" for one operation's own
  TextLimit limit;
};

constexpr TextLimit kVeiculo{"VEI_VEICULO.VEICULO", 20};
constexpr TextLimit kChassi{"VEI_VEICULO.CHASSI", 30};
constexpr TextLimit kModelo{"VEI_MODELO.MODELO", 20};
constexpr TextLimit kFormula{"VEI_FORMULA_LINHA.FORMULA", 20};
constexpr TextLimit kPacote{"VEI_PACOTE.PACOTE", 20};
constexpr TextLimit kEdicao{"VEI_MODELO_EDICAO.EDICAO", 20};
constexpr TextLimit kAssunto{"GER_MENSAGEM.ASSUNTO", 200};
constexpr TextLimit kMensagem{"GER_MENSAGEM.MENSAGEM", 2000};
constexpr TextLimit kLista{"a list filter of the stock list", 4000};

// By parameter name: the module names a parameter after what it holds.
constexpr Entry kLimits[] = {
    {"pfveiculo", kVeiculo},
    {"pveiculo", kVeiculo},
    {"veiculo", kVeiculo},
    {"spfveiculo", kVeiculo},
    {"pv", kVeiculo},
    {"pfchassi", kChassi},
    {"chassi", kChassi},
    {"pfmodelo", kModelo},
    {"pmodelo", kModelo},
    {"modelo", kModelo},
    {"pfformula", kFormula},
    {"pformula", kFormula},
    {"pf", kFormula},
    {"pfpacote", kPacote},
    {"ppacote", kPacote},
    {"pfedicao", kEdicao},
    {"pedicao", kEdicao},
    {"ptipopintura", {"OFI_FICHA_SEGUIMENTO.TIPO_PINTURA", 1}},
    {"pfsubsidio", {"VEI_SUBSIDIO.SUBSIDIO", 10}},
    {"pftiporetorno", {"VEI_RETORNO.TIPO_RETORNO", 20}},
    {"pfassunto", kAssunto},
    {"pfmensagem", kMensagem},
    {"pfmotivo", {"CAC_PROVIDENCIA.MOTIVO", 500}},
    {"pfconcessionaria", {"CAC_PROVIDENCIA.CONCESSIONARIA", 100}},
    {"pfdescricaofi", {"VEI_RETORNO.OBSERVACAO", 200}},
    // The stock list's filters: one vehicle, part of a chassis, and lists of
    // keys spliced into the statement, which the engine takes up to 64 KB.
    {"BuscaEstoqueIntermediario.pfCodigoVeiculo", kVeiculo},
    {"BuscaEstoqueIntermediario.pfChassi", kChassi},
    {"BuscaEstoqueIntermediario.pfRevenda", kLista},
    {"BuscaEstoqueIntermediario.pfFamilia", kLista},
    {"BuscaEstoqueIntermediario.pfModelo", kLista},
    {"BuscaEstoqueIntermediario.pfAnoModelo", kLista},
    {"BuscaEstoqueIntermediario.pfTransDevolucaoVenda", kLista},
    {"BuscaEstoqueIntermediario.pfPacotes", kLista},
    {"BuscaEstoqueIntermediario.pfDepartamento", kLista},
    {"BuscaEstoqueIntermediario.pfSituacao", kLista},
    {"BuscaEstoqueIntermediario.pfRevendaVendas", kLista},
    // The vehicles `veiculo custo` costs and shows.
    {"custo.--veiculo", kVeiculo},
    {"custo.--mostra", kVeiculo},
    // The message holders AtualizaContato writes.
    {"SetMens_Assunto.value", kAssunto},
    {"SetMens_Mensagem.value", kMensagem},
};

// The stock list's other texts are dates the module parses and checks.
bool ParsesItsTexts(std::string_view operation) {
  return operation == "BuscaEstoqueIntermediario";
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

size_t Characters(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

const TextLimit* TextLimitOf(std::string_view operation, std::string_view param) {
  const std::string own = std::string(operation) + "." + std::string(param);
  const std::string name = Lower(param);
  for (const Entry& entry : kLimits)
    if (own == entry.param) return &entry.limit;
  if (ParsesItsTexts(operation)) return nullptr;
  for (const Entry& entry : kLimits)
    if (name == entry.param) return &entry.limit;
  return nullptr;
}

std::vector<TextLimit> AllTextLimits() {
  std::vector<TextLimit> limits;
  for (const Entry& entry : kLimits) limits.push_back(entry.limit);
  return limits;
}

void CheckTextLimit(std::string_view operation, std::string_view param, std::string_view text) {
  const TextLimit* limit = TextLimitOf(operation, param);
  if (limit == nullptr) return;
  const size_t characters = Characters(text);
  if (characters <= limit->length) return;
  throw InputError(ErrorCategory::Validation,
                   std::to_string(characters) + " characters, more than the " +
                       std::to_string(limit->length) + " of " + limit->column);
}

void CheckOptionLimit(std::string_view command, std::string_view option, std::string_view text) {
  try {
    CheckTextLimit(command, option, text);
  } catch (const InputError& e) {
    throw InputError(e.category(), std::string(option) + ": " + e.message());
  }
}

void CheckPacketTexts(const DataPacket& packet) {
  for (size_t f = 0; f < packet.fields.size(); ++f) {
    const FieldDef& field = packet.fields[f];
    if (field.type != FieldType::Text) continue;
    const TextLimit* named = TextLimitOf("", field.name);
    for (size_t r = 0; r < packet.rows.size(); ++r) {
      if (f >= packet.rows[r].size() || packet.rows[r][f].IsNull()) continue;
      const size_t characters = Characters(packet.rows[r][f].AsText());
      std::string over;
      if (field.size > 0 && characters > static_cast<size_t>(field.size))
        over = "its size " + std::to_string(field.size);
      else if (named != nullptr && characters > named->length)
        over = "the " + std::to_string(named->length) + " of " + named->column;
      if (!over.empty())
        throw InputError(ErrorCategory::Validation,
                         "row " + std::to_string(r + 1) + ", field " + field.name + ": " +
                             std::to_string(characters) + " characters, more than " + over);
    }
  }
}

}  // namespace veiculo::cli
