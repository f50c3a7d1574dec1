// The open-time hook of every SQL dataset: adapts the common SQL form of the
// module's texts to the bound dialect. On SQL Server, parameters that sit
// inside sub-selects are replaced by quoted literals tagged with a comment
// that carries the parameter's name ("/*Empresa*/'1'"), so that the next open
// of the same text can put new values behind the same tags. Every place a
// parameter stands in gets its value, on the first open and on every later one.

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/compat_banco.h"
#include "platform/db/sql_dataset.h"
#include "platform/db/sql_markers.h"
#include "platform/text.h"

namespace veiculo {
namespace {

using platform::ReplaceAll;
using platform::UpperCase;

// True when the text holds a select inside the first one.
bool HasSubSelect(const std::string& text) {
  const std::string upper = UpperCase(text);
  const size_t first = upper.find("SELECT");
  const std::string rest = first == std::string::npos ? (upper.size() > 6 ? upper.substr(6) : "")
                                                      : upper.substr(first + 6);
  return rest.find("SELECT", 1) != std::string::npos;
}

// End (one past) of the quoted literal that starts at `open`, doubled quotes
// inside it included; npos when it does not close.
size_t LiteralEnd(const std::string& text, size_t open) {
  for (size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] != '\'') continue;
    if (i + 1 < text.size() && text[i + 1] == '\'') {
      ++i;
      continue;
    }
    return i + 1;
  }
  return std::string::npos;
}

// Puts a new literal behind every tag an earlier open left in the text (a
// parameter used twice carries two tags).
std::string Retag(const std::string& text, const std::string& tag, const std::string& literal) {
  std::string out = text;
  size_t from = 0;
  while (true) {
    const size_t at = UpperCase(out).find(UpperCase(tag), from);
    if (at == std::string::npos) return out;
    const size_t blank = out.find(' ', at);
    const size_t word_end = blank == std::string::npos ? out.size() : blank + 1;
    const size_t quote = out.find('\'', at);
    size_t end = word_end;
    if (quote != std::string::npos && quote < word_end) {
      // The old value is quoted: replace up to its closing quote.
      const size_t closing = LiteralEnd(out, quote);
      end = closing == std::string::npos ? out.size() : closing;
    }
    const std::string replacement = tag + literal + " ";
    out = out.substr(0, at) + replacement + out.substr(end);
    from = at + replacement.size();
  }
}

// Sets the adapted text the way a dataset takes a new command text: when it
// differs, the parameter list is rebuilt from its markers, keeping the values
// of parameters whose names remain (a marker left without a value binds NULL).
void SetAdaptedText(platform::SqlDataSet& dataset, const std::string& text) {
  if (text != dataset.CommandText()) dataset.SetCommandText(text);
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::sdsPadraoBeforeOpen(platform::DataSet& DataSet) {
  auto* dataset = dynamic_cast<platform::SqlDataSet*>(&DataSet);
  if (dataset == nullptr) return;
  const std::string& dialect = sPvBancoDados;
  if (dialect != "SQLSERVER") {
    SetAdaptedText(*dataset, maker::CompatBanco(dataset->CommandText(), dialect, 1, false));
    return;
  }

  std::string text = ReplaceAll(dataset->CommandText(), "\n", " ", false) + " ";
  bool substituted = false;
  if (HasSubSelect(text)) {
    for (const platform::Param& param : dataset->GetParams()) {
      const std::string value = param.value.AsText();
      if (value.empty()) continue;
      substituted = true;
      // Quotes inside the value are doubled: a value never ends its literal early.
      const std::string literal = "'" + platform::QuoteDoubled(value) + "'";
      const std::string tag = "/*" + param.name + "*/";
      // Every marker of the parameter takes the value, whatever follows it
      // (a blank, ")", ",", an operator); tags an earlier open left take the
      // new value. (Markers are looked for outside literals and comments: a
      // date-time value put in by an earlier open has colons of its own.)
      if (UpperCase(text).find(UpperCase(tag)) != std::string::npos)
        text = Retag(text, tag, literal);
      text = platform::ReplaceMarker(text, param.name, tag + literal);
    }
    if (substituted) dataset->GetParams().Clear();
  }
  if (dataset->GetParams().Empty() || substituted)
    SetAdaptedText(*dataset, platform::Trim(maker::CompatBanco(text, dialect, 1, false)));
}

}  // namespace veiculo
