// The initial loads as files: the dealer's stock and its customers, each a
// header line of the load record's property names joined by ",", then one
// comma-separated record per vehicle or customer (the fixed-layout exporter
// with width-0 columns; a comma inside a value becomes a blank).

#include <memory>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "module/maker_utils/export_file.h"
#include "platform/format/date_time.h"
#include "salesforce/sales_force_internal.h"

namespace veiculo {

using salesforce::Texto;

namespace {

using maker::TExportaArquivo;
using maker::TGravarData;
using maker::TGravarFloat;
using maker::TGravarString;

// An exporter of comma-separated records whose header is the names of the
// packet's fields, in order.
TExportaArquivo Exportador(const DataPacket& dados) {
  TExportaArquivo exporta;
  exporta.DefineSeparador(",");
  std::string cabecalho;
  for (const FieldDef& campo : dados.fields) {
    cabecalho += (cabecalho.empty() ? "" : ",") + campo.name;
    if (campo.type == FieldType::DateTime)
      exporta.Adiciona(std::make_unique<TGravarData>(
          campo.name, 0, campo.size == 1 ? "dd/mm/yyyy hh:nn:ss" : "dd/mm/yyyy"));
    else if (campo.type == FieldType::Float)
      exporta.Adiciona(std::make_unique<TGravarFloat>(campo.name, 0, "0.00"));
    else
      exporta.Adiciona(std::make_unique<TGravarString>(campo.name, 0));
  }
  exporta.IncluiCabecalho(cabecalho);
  return exporta;
}

// The first of January of a year as a date (0 without a year).
Value PrimeiroDeJaneiro(int32_t ano) {
  double data = 0;
  return ano > 0 && platform::TryEncodeDate(ano, 1, 1, data) ? Value::DateTime(data) : Value();
}

Value DataOuNulo(double data) {
  return salesforce::DataOuNulo(data);
}

// Identification with its leading zeros: 11 digits for a CPF, 14 for a CNPJ.
std::string Documento(int64_t numero, int digitos) {
  return numero > 0 ? fmt::format("{:0{}}", numero, digitos) : "";
}

}  // namespace

int TSalesForce::GeraCargaEstoque(const std::string& pArquivo, Connection* pConexao,
                                  bool pUsaPrecoEdicao, bool pUsaPrecoPacote, int32_t pEmpresa,
                                  int32_t pRevenda) {
  CriaDataSets(pConexao);
  salesforce::ParametrosCarga par;
  LeParametrosCarga(pEmpresa, pRevenda, par);
  std::vector<salesforce::LinhaCarga> linhas = LeEstoqueCarga(pEmpresa, pRevenda, par);
  PrecificaCarga(linhas, pEmpresa, pRevenda, pUsaPrecoEdicao, pUsaPrecoPacote);

  // TCargaVeiculoEstoque; a date-time field of size 1 carries its time of day.
  DataPacket dados;
  dados.fields = {{"Chassi", FieldType::Text},
                  {"Modelo", FieldType::Text},
                  {"AnoFabricacao", FieldType::DateTime},
                  {"AnoModelo", FieldType::DateTime},
                  {"Cor", FieldType::Text},
                  {"Opcionais", FieldType::Text},
                  {"DataEntradanoEstoque", FieldType::DateTime},
                  {"Preco", FieldType::Float},
                  {"Status", FieldType::Text},
                  {"DataUltimaAtualizacao", FieldType::DateTime, 1},
                  {"ValidadedaReserva", FieldType::DateTime, 1}};
  const double agora = Now();
  for (const auto& l : linhas) {
    if (l.NOME_MARCA != "RENA") continue;
    const TOperacaoEstoque operacao = salesforce::OperacaoDoStatus(
        MontaStatusVeiculo(l.DTA_FIM_RESERVA, l.SITUACAO, par.situacao_transito, par.bloq_qualidade,
                           par.bloq_comercial, l.PROPOSTA));
    dados.rows.push_back({Value::Text(l.CHASSI), Value::Text(l.MODELO),
                          PrimeiroDeJaneiro(l.ANO_FABRICACAO), PrimeiroDeJaneiro(l.ANO_MODELO),
                          Value::Text(l.COR), Value::Text(l.OPCIONAIS),
                          DataOuNulo(l.DATA_ENTRADA_ESTOQUE), Value::Float(l.PRECO),
                          Value::Text(salesforce::StatusEstoque(operacao, par.full)),
                          Value::DateTime(agora), DataOuNulo(l.DTA_FIM_RESERVA)});
  }
  Exportador(dados).GeraArquivo(pArquivo, dados);
  return static_cast<int>(dados.rows.size());
}

int TSalesForce::GeraCargaClientes(const std::string& pArquivo, Connection* pConexao,
                                   int32_t pEmpresa, int32_t pRevenda) {
  CriaDataSets(pConexao);
  auto& q = c_->sdsCarga;
  q.Close();
  q.SetCommandText(
      "select C.CLIENTE, C.NOME, C.FISJUR, F.CPF, J.CGC, C.DDD_CELULAR, C.CELULAR, "
      "C.DDD_TELEFONE, C.TELEFONE, C.ENDERECO_COBRANCA, C.LOGRADOURO_ENTREGA, "
      "C.MUNICIPIO_ENTREGA, C.UF_ENTREGA, C.CEP_ENTREGA, C.LOGRADOURO_COBRANCA, "
      "C.MUNICIPIO_COBRANCA, C.UF_COBRANCA, C.CEP_COBRANCA from FAT_CLIENTE C left outer join "
      "FAT_PESSOA_FISICA F on (F.CLIENTE = C.CLIENTE) left outer join FAT_PESSOA_JURIDICA J on "
      "(J.CLIENTE = C.CLIENTE) where C.EMPRESA_ORIGEM = :EMPRESA and C.REVENDA_ORIGEM = :REVENDA "
      "order by C.CLIENTE");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  // TCargaClientes.
  DataPacket dados;
  for (const char* nome :
       {"Nome", "Sobrenome", "CPF", "Telefone", "Endereco", "Cidade", "Estado", "CEP"})
    dados.fields.push_back({nome, FieldType::Text});
  for (q.First(); !q.Eof(); q.Next()) {
    std::string nome, sobrenome;
    SeparaNomeSobrenome(Texto(q, "NOME"), nome, sobrenome);
    const std::string documento = Texto(q, "FISJUR") == "F"
                                      ? Documento(q.FieldByName("CPF").AsInteger(), 11)
                                      : Documento(q.FieldByName("CGC").AsInteger(), 14);
    std::string telefone =
        Telefone(q.FieldByName("DDD_CELULAR").AsInteger(), q.FieldByName("CELULAR").AsInteger());
    if (telefone.empty())
      telefone = Telefone(q.FieldByName("DDD_TELEFONE").AsInteger(),
                          q.FieldByName("TELEFONE").AsInteger());
    const char* lado = Texto(q, "ENDERECO_COBRANCA") == "S" ? "COBRANCA" : "ENTREGA";
    auto endereco = [&q, lado](const char* coluna) {
      return Value::Text(Texto(q, (std::string(coluna) + "_" + lado).c_str()));
    };
    dados.rows.push_back({Value::Text(nome), Value::Text(sobrenome), Value::Text(documento),
                          Value::Text(telefone), endereco("LOGRADOURO"), endereco("MUNICIPIO"),
                          endereco("UF"), endereco("CEP")});
  }
  q.Close();
  Exportador(dados).GeraArquivo(pArquivo, dados);
  return static_cast<int>(dados.rows.size());
}

}  // namespace veiculo
