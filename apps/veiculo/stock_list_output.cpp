#include "stock_list_output.h"

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

#include <fmt/format.h>

#include "platform/format/format_float.h"
#include "veiculo/value.h"

namespace veiculo::cli {
namespace {

const Value& Campo(const DataPacket& data, const DataPacket::Row& row, const char* nome) {
  static const Value kNulo;
  const int indice = data.FieldIndex(nome);
  return indice < 0 ? kNulo : row[static_cast<size_t>(indice)];
}

std::string Valor(const Value& value) {
  return value.IsNull() ? "" : platform::FormatFloat("#,##0.00", value.AsFloat());
}

// Cuts a text to `width` characters (UTF-8 aware) and pads it on the right.
std::string Coluna(const std::string& text, size_t width) {
  std::string out;
  size_t chars = 0;
  for (size_t i = 0; i < text.size() && chars < width; ++chars) {
    size_t len = 1;
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0xF0)
      len = 4;
    else if (c >= 0xE0)
      len = 3;
    else if (c >= 0xC0)
      len = 2;
    out += text.substr(i, len);
    i += len;
  }
  return out + std::string(width - chars, ' ');
}

struct Faixa {
  const char* nome;
  const char* cor;  // ANSI
};
const Faixa kFaixas[] = {{"preto", "\033[1;30m"},
                         {"cinza", "\033[37m"},
                         {"verde", "\033[32m"},
                         {"azul", "\033[34m"},
                         {"vermelho", "\033[31m"}};

const char* CorDaFaixa(const std::string& faixa) {
  for (const Faixa& f : kFaixas)
    if (faixa == f.nome) return f.cor;
  return "";
}

}  // namespace

std::string FaixaDias(const DataPacket& data, const DataPacket::Row& row, int64_t dias) {
  for (const Faixa& f : kFaixas) {
    std::string sufixo = f.nome;
    for (char& c : sufixo) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const Value& ini = Campo(data, row, ("QTD_DIAS_INI_" + sufixo).c_str());
    const Value& fim = Campo(data, row, ("QTD_DIAS_FIM_" + sufixo).c_str());
    if (!ini.IsNull() && !fim.IsNull() && dias >= ini.AsInteger() && dias <= fim.AsInteger())
      return f.nome;
  }
  return "";
}

std::string Situacoes(const DataPacket& data, const DataPacket::Row& row) {
  static const std::pair<const char*, const char*> kLetras[] = {
      {"CONTABIL", "C"},     {"TRANSITO", "T"},   {"RESERVADO", "R"},    {"NEGOCIADO", "N"},
      {"TEM_PROPOSTA", "P"}, {"DISPONIVEL", "D"}, {"VENDIDO", "V"},      {"VENDADIR", "VD"},
      {"DEVOLUCOES", "DV"},  {"PEDIDO", "PD"},    {"PLANO_MENSAL", "PM"}};
  std::string out;
  for (const auto& [coluna, letra] : kLetras)
    if (Campo(data, row, coluna).AsInteger() == 1)
      out += (out.empty() ? "" : " ") + std::string(letra);
  return out;
}

void ImprimeTabela(std::ostream& out, const DataPacket& data, bool valorizada, bool cores) {
  std::vector<size_t> ordem(data.rows.size());
  std::iota(ordem.begin(), ordem.end(), 0);
  auto chave = [&](size_t i) {
    const auto& r = data.rows[i];
    return std::make_tuple(
        Campo(data, r, "EMPRESA").AsInteger(), Campo(data, r, "REVENDA").AsInteger(),
        Campo(data, r, "DES_MODELO").AsText(), Campo(data, r, "CHASSI").AsText());
  };
  std::stable_sort(ordem.begin(), ordem.end(),
                   [&](size_t a, size_t b) { return chave(a) < chave(b); });

  out << fmt::format("{:<3} {:<28} {:<17} {:>5} {:<9} {:>14} {:>14} {:>14} {:>12}  {}\n", "Rev",
                     "Modelo", "Chassi", "Dias", "Faixa", "Custo", "Tabela", "Venda", "Bônus",
                     "Situação");
  for (size_t i : ordem) {
    const DataPacket::Row& r = data.rows[i];
    const bool em_estoque =
        Campo(data, r, "CONTABIL").AsInteger() == 1 || Campo(data, r, "TRANSITO").AsInteger() == 1;
    const int64_t dias = Campo(data, r, "EST_MEDIO").AsInteger();
    const bool mostra_dias = valorizada && em_estoque;
    const std::string faixa = mostra_dias ? FaixaDias(data, r, dias) : "";
    std::string dias_texto = mostra_dias ? fmt::format("{:>5}", dias) : std::string(5, ' ');
    if (cores && !faixa.empty()) dias_texto = CorDaFaixa(faixa) + dias_texto + "\033[0m";
    out << fmt::format(
        "{:<3} {} {} {} {} {:>14} {:>14} {:>14} {:>12}  {}\n", Campo(data, r, "REVENDA").AsText(),
        Coluna(Campo(data, r, "DES_MODELO").AsText(), 28),
        Coluna(Campo(data, r, "CHASSI").AsText(), 17), dias_texto, Coluna(faixa, 9),
        Valor(Campo(data, r, "CUSTO")), Valor(Campo(data, r, "PRECO_TABELA")),
        Valor(Campo(data, r, "VENDA")), Valor(Campo(data, r, "BONUS")), Situacoes(data, r));
  }
}

void EscreveCsv(std::ostream& out, const DataPacket& data) {
  auto celula = [](const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
  };
  for (size_t i = 0; i < data.fields.size(); ++i)
    out << (i > 0 ? ";" : "") << celula(data.fields[i].name);
  out << '\n';
  for (const DataPacket::Row& row : data.rows) {
    for (size_t i = 0; i < row.size(); ++i) out << (i > 0 ? ";" : "") << celula(row[i].AsText());
    out << '\n';
  }
}

}  // namespace veiculo::cli
