#include "module/maker_utils/column_writers.h"

#include "module/maker_utils/text_utils.h"
#include "platform/format/convert.h"
#include "platform/format/format_float.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return text;
}

}  // namespace

TGravarCampo::TGravarCampo(std::string campo, int tamanho, Alinhamento alinhamento)
    : campo_(std::move(campo)), tamanho_(tamanho), alinhamento_(alinhamento) {
  if (campo_.empty()) throw Error(ErrorCategory::Validation, "export column without a field name");
  if (tamanho_ < 0)
    throw Error(ErrorCategory::Validation,
                "export column " + campo_ + ": negative size " + std::to_string(tamanho_));
}

std::string TGravarCampo::Gravar(const Value& value) const {
  const std::string text = OneLine(Formatar(value));
  if (tamanho_ == 0) return text;
  if (!PodeCortar() && CharacterCount(text) > static_cast<size_t>(tamanho_))
    throw Error(ErrorCategory::Validation, "field " + campo_ + ": value \"" + text +
                                               "\" does not fit in " + std::to_string(tamanho_) +
                                               " characters");
  return alinhamento_ == Alinhamento::Esquerda ? AlinhaEsq(text, tamanho_)
                                               : AlinhaDir(text, tamanho_);
}

TGravarString::TGravarString(std::string campo, int tamanho, Alinhamento alinhamento)
    : TGravarCampo(std::move(campo), tamanho, alinhamento) {}

std::string TGravarString::Formatar(const Value& value) const {
  return value.AsText();
}

TGravarFloat::TGravarFloat(std::string campo, int tamanho, std::string formato,
                           Alinhamento alinhamento, char separador_decimal)
    : TGravarCampo(std::move(campo), tamanho, alinhamento),
      formato_(std::move(formato)),
      separador_decimal_(separador_decimal) {}

std::string TGravarFloat::Formatar(const Value& value) const {
  if (value.IsNull()) return {};
  platform::FormatSettings settings = platform::SqlFormatSettings();
  settings.decimal_separator = separador_decimal_;
  return platform::FormatFloat(formato_, value.AsFloat(), settings);
}

TGravarData::TGravarData(std::string campo, int tamanho, std::string formato,
                         Alinhamento alinhamento)
    : TGravarCampo(std::move(campo), tamanho, alinhamento), formato_(std::move(formato)) {}

std::string TGravarData::Formatar(const Value& value) const {
  const double date = value.IsNull() ? 0 : value.AsDateTime();
  if (date == 0) return {};
  return platform::FormatDateTime(formato_, date);
}

}  // namespace veiculo::maker
