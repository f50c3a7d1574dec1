// IniciaVendaFIB: starts the F&I Brasil sale of a proposal from its vehicle
// and its customer's records, listing the required data the records lack.

#include <string>

#include "fi_brasil/commands/inicia_venda.h"
#include "fi_brasil/fi_credentials.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/format_float.h"
#include "platform/soap/soap_client.h"
#include "platform/text.h"

namespace veiculo {
namespace {

using fi_brasil::ListaResultado;
using platform::SqlDataSet;
using platform::Trim;

std::string Num(int64_t value) {
  return std::to_string(value);
}

std::string Texto(SqlDataSet& ds, const char* campo) {
  return ds.FieldByName(campo).AsText();
}
int32_t Inteiro(SqlDataSet& ds, const char* campo) {
  return static_cast<int32_t>(ds.FieldByName(campo).AsInteger());
}
bool Nulo(SqlDataSet& ds, const char* campo) {
  return ds.FieldByName(campo).IsNull();
}

// A number written with eleven digits, zeros in front (CPF).
std::string Onze(SqlDataSet& ds, const char* campo) {
  return platform::FormatFloat("00000000000", ds.FieldByName(campo).AsFloat());
}

// A code of the dealer's read as an integer; 0 when it is not one.
int32_t Codigo(SqlDataSet& ds, const char* campo) {
  int64_t valor = 0;
  return platform::TryStrToInt(Trim(Texto(ds, campo)), valor) ? static_cast<int32_t>(valor) : 0;
}

// "11-1234.5678": the area code in two digits, a hyphen, the number in at
// least eight digits with a point before the last four.
std::string Telefone(SqlDataSet& ds, const char* ddd, const char* numero) {
  std::string digitos = Num(ds.FieldByName(numero).AsInteger());
  if (digitos.size() < 8) digitos.insert(0, 8 - digitos.size(), '0');
  digitos.insert(digitos.size() - 4, ".");
  return platform::FormatFloat("00", static_cast<double>(ds.FieldByName(ddd).AsInteger())) + "-" +
         digitos;
}

void Endereco(SqlDataSet& ds, fi_brasil::TEndereco& e) {
  e.cep = Texto(ds, "CEP_ENTREGA");
  e.complemento = Trim(Texto(ds, "COMPLEMENTO_ENTREGA").substr(0, 10));
  e.rua = Trim(Texto(ds, "LOGRADOURO_ENTREGA"));
  e.bairro = Trim(Texto(ds, "BAIRRO_ENTREGA"));
  e.logradouro = Trim(Texto(ds, "TIPOVIA_ENTREGA"));
  e.cidade = Trim(Texto(ds, "MUNICIPIO_ENTREGA"));
  e.numero = "1";
}

void Veiculo(SqlDataSet& ds, fi_brasil::TVeiculoIn& v, int32_t proposta, double valor) {
  v.tipo = Texto(ds, "NOVO_USADO");
  v.chassi = Texto(ds, "CHASSI");
  v.codigoModelo = Texto(ds, "MODELO");
  v.descricaoModelo = Texto(ds, "DES_MODELO");
  v.codigoCor = Texto(ds, "COR");
  v.descricaoCor = Texto(ds, "DES_COR");
  v.anoFabricacao = Inteiro(ds, "ANO_FABRICACAO");
  v.anoModelo = Inteiro(ds, "ANO_MODELO");
  v.quantidadePortas = Inteiro(ds, "PORTAS");
  v.pacoteBasico = Texto(ds, "PACOTE");
  v.pacoteOpcionais = Texto(ds, "OPCIONAIS");
  v.origemVeiculo = 0;
  v.placa = Texto(ds, "PLACA");
  v.renavam = Texto(ds, "RENAVAM");
  v.valorVeiculo = valor;
  v.numeroPropostaDMS = proposta;
  const std::string combustivel = Trim(Texto(ds, "COMBUSTIVEL"));
  v.combustivel = combustivel == "A" || combustivel == "D" ? combustivel : "G";
  v.cpfVendedor = Onze(ds, "CPF");
}

// The bank references of the customer; the person's carry the agency phone.
template <class Ficha>
void ReferenciasBancarias(SqlDataSet& ds, const std::string& cliente, Ficha& ficha,
                          ListaResultado& faltas, bool com_telefone) {
  ds.Close();
  ds.SetCommandText(
      "select CONTA_CORRENTE,       DES_BANCO,       NRO_AGENCIA  from FAT_CLIENTE_BANCO where "
      "CLIENTE = " +
      cliente);
  ds.Open();
  for (; !ds.Eof(); ds.Next()) {
    if (Nulo(ds, "DES_BANCO")) faltas.Adiciona("Referências Bancárias [Descrição do banco], ");
    if (Nulo(ds, "NRO_AGENCIA")) faltas.Adiciona("Referências Bancárias [Número da agência], ");
    if (Nulo(ds, "CONTA_CORRENTE")) faltas.Adiciona("Referências Bancárias [Conta corrente], ");
    fi_brasil::TReferenciaBancariaIn& r = ficha.referenciasBancarias.Add();
    r.agencia = Texto(ds, "NRO_AGENCIA");
    r.banco = Texto(ds, "DES_BANCO");
    r.numeroConta = Texto(ds, "CONTA_CORRENTE");
    if (com_telefone) r.telefoneAgencia = "00-0000.0000";
    r.tipoConta = "C";
  }
}

void PessoaFisica(SqlDataSet& ds, const std::string& cliente, fi_brasil::TFichaCadastralPFIn& p,
                  ListaResultado& faltas) {
  if (Nulo(ds, "DTA_NASCIMENTO")) faltas.Adiciona("Data de nascimento, ");
  if (Nulo(ds, "CEP_ENTREGA")) faltas.Adiciona("CEP Entrega, ");
  p.CNH = Texto(ds, "CARTEIRA_HABILITACAO");
  p.cpf = Onze(ds, "CPF");
  p.dataNascimento = ds.FieldByName("DTA_NASCIMENTO").AsDateTime();
  p.email = Texto(ds, "E_MAIL");
  p.estadoCivil = Codigo(ds, "ESTADO_CIVIL");
  p.grauInstrucao = Codigo(ds, "FORMACAO_ACADEMICA");
  p.nome = Texto(ds, "NOME");
  p.rg = Texto(ds, "IDENTIDADE");
  p.sexo = Texto(ds, "SEXO");
  p.telefoneCelular = Telefone(ds, "DDD_CELULAR", "CELULAR");
  p.telefoneResidencial = Telefone(ds, "DDD_TELEFONE", "TELEFONE");
  Endereco(ds, p.endereco);

  ds.Close();
  ds.SetCommandText(
      "select C.NOME,       F.CPF,       F.DTA_NASCIMENTO  from FAT_CLIENTE C  left outer join "
      "FAT_PESSOA_FISICA F    on (F.CLIENTE = C.CLIENTE) where C.CLIENTE_TITULAR = " +
      cliente + "   and C.TIPO_DEPENDENTE = 'C'");
  ds.Open();
  if (!ds.IsEmpty()) {
    p.conjuge.cpf = Texto(ds, "CPF");
    p.conjuge.dataNascimento = ds.FieldByName("DTA_NASCIMENTO").AsDateTime();
    p.conjuge.nome = Texto(ds, "NOME");
  }

  ReferenciasBancarias(ds, cliente, p, faltas, true);

  ds.Close();
  ds.SetCommandText(
      "select NOME,       DDD,       TELEFONE  from FAT_CLIENTE_REFERENCIA where CLIENTE = " +
      cliente + "   and TIPO='P'");
  ds.Open();
  for (; !ds.Eof(); ds.Next()) {
    if (Nulo(ds, "NOME")) faltas.Adiciona("Referências Pessoais [Nome], ");
    fi_brasil::TReferenciaPessoalIn& r = p.referenciasPessoais.Add();
    r.nome = Texto(ds, "NOME");
    r.telefone = Telefone(ds, "DDD", "TELEFONE");
  }
}

void PessoaJuridica(SqlDataSet& ds, const std::string& cliente, fi_brasil::TFichaCadastralPJIn& j,
                    ListaResultado& faltas) {
  if (Nulo(ds, "CGC")) faltas.Adiciona("CNPJ, ");
  if (Nulo(ds, "NOME")) faltas.Adiciona("Razão Social, ");
  std::string cnpj = Texto(ds, "CGC");
  if (cnpj.size() < 14) cnpj.insert(0, 14 - cnpj.size(), '0');
  j.cnpj = cnpj;
  j.dataFundacao = ds.FieldByName("DTA_FUNDACAO").AsDateTime();
  j.email = Texto(ds, "E_MAIL");
  j.razaoSocial = Texto(ds, "NOME");
  j.telefone = Telefone(ds, "DDD_TELEFONE", "TELEFONE");
  Endereco(ds, j.endereco);
  j.registroJuntaComercial = Texto(ds, "REGISTRO_JUNTA");
  ReferenciasBancarias(ds, cliente, j, faltas, false);
}

const char* const kVeiculoEstoque =
    "select V.NOVO_USADO, V.CHASSI, V.MODELO, M.DES_MODELO,       V.COR, C.DES_COR, "
    "F.ANO_FABRICACAO, F.ANO_MODELO,       F.PORTAS, F.PACOTE, V.OPCIONAIS, F.PLACA, F.RENAVAM,  "
    "     F.COMBUSTIVEL, E.CPF, O.CLIENTE  from VEI_PROPOSTA P, CAC_CONTATO O, FAT_VENDEDOR E, "
    "VEI_VEICULO V,        OFI_FICHA_SEGUIMENTO F,       VEI_MODELO M, VEI_COR C where "
    "P.EMPRESA  = O.EMPRESA   and P.REVENDA  = O.REVENDA   and P.CONTATO  = O.CONTATO   and "
    "P.EMPRESA  = E.EMPRESA   and P.REVENDA  = E.REVENDA   and P.VENDEDOR = E.VENDEDOR   and "
    "P.EMPRESA  = V.EMPRESA   and P.VEICULO  = V.VEICULO   and V.CHASSI   = F.CHASSI   and "
    "V.EMPRESA  = M.EMPRESA   and V.MODELO   = M.MODELO   and V.EMPRESA  = C.EMPRESA   and V.COR "
    "     = C.COR   and P.EMPRESA  = ";

const char* const kVeiculoDesejado =
    "select V.NOVO_USADO, NULL CHASSI,       V.MODELO, M.DES_MODELO,       V.COR, C.DES_COR,     "
    "  V.ANO_FABRICA ANO_FABRICACAO,        V.ANO_MODELO, 0 PORTAS,       V.CATALOGO PACOTE, "
    "NULL OPCIONAIS,       NULL PLACA, NULL RENAVAM,       V.COMBUSTIVEL, E.CPF, O.CLIENTE  from "
    "VEI_PROPOSTA P, CAC_CONTATO O, VEI_PROPOSTA_VEICULO V,        FAT_VENDEDOR E, VEI_MODELO M, "
    "VEI_COR C where P.EMPRESA  = O.EMPRESA   and P.REVENDA  = O.REVENDA   and P.CONTATO  = "
    "O.CONTATO   and P.EMPRESA  = V.EMPRESA   and P.REVENDA  = V.REVENDA   and P.PROPOSTA = "
    "V.PROPOSTA   and P.EMPRESA  = E.EMPRESA   and P.REVENDA  = E.REVENDA   and P.VENDEDOR = "
    "E.VENDEDOR   and V.EMPRESA  = M.EMPRESA   and V.MODELO   = M.MODELO   and V.EMPRESA  = "
    "C.EMPRESA   and V.COR      = C.COR   and P.EMPRESA  = ";

const char* const kCliente =
    "select C.NOME, F.CARTEIRA_HABILITACAO, F.CPF, F.DTA_NASCIMENTO,       "
    "COALESCE(C.E_MAIL_TRABALHO, C.E_MAIL_CASA) E_MAIL, C.FISJUR,       F.IDENTIDADE, "
    "F.ORGAO_EXPEDIDOR_ID, F.SEXO, C.DDD_CELULAR,       C.CELULAR, C.DDD_TELEFONE, C.TELEFONE, "
    "C.CEP_ENTREGA,       C.COMPLEMENTO_ENTREGA, C.LOGRADOURO_ENTREGA, C.BAIRRO_ENTREGA,       "
    "C.TIPOVIA_ENTREGA, C.MUNICIPIO_ENTREGA, C.UF_ENTREGA,       CASE F.ESTADO_CIVIL         "
    "WHEN 1 THEN 1         WHEN 2 THEN 2         WHEN 3 THEN 2         WHEN 4 THEN 2         "
    "WHEN 5 THEN 5         WHEN 6 THEN 3         WHEN 7 THEN 4         WHEN 8 THEN 3         "
    "WHEN 9 THEN 7         ELSE 7       END ESTADO_CIVIL,       CASE F.FORMACAO_ACADEMICA     "
    "    WHEN 1 THEN 1         WHEN 2 THEN 2         WHEN 3 THEN 2         WHEN 4 THEN 3       "
    "  WHEN 5 THEN 4         WHEN 6 THEN 5         WHEN 7 THEN 6         WHEN 8 THEN 7         "
    "ELSE 0       END FORMACAO_ACADEMICA,       J.CGC, J.DTA_FUNDACAO, J.REGISTRO_JUNTA  from "
    "FAT_CLIENTE C  left outer join FAT_PESSOA_FISICA F    on (F.CLIENTE = C.CLIENTE)  left "
    "outer join FAT_PESSOA_JURIDICA J    on (J.CLIENTE = C.CLIENTE) where C.CLIENTE = ";

// Closes the dataset however the start ends.
struct FechaAoSair {
  SqlDataSet& ds;
  ~FechaAoSair() { ds.Close(); }
};

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::IniciaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                                           int32_t pfProposta,
                                                           const std::string& pfVeiculo,
                                                           double pfValor) {
  platform::ComponentRuntimeScope runtime;
  SqlDataSet& ds = *sdsConsulta;
  FechaAoSair fecha{ds};
  ds.Close();
  ds.SetCommandText(std::string(Trim(pfVeiculo).empty() ? kVeiculoDesejado : kVeiculoEstoque) +
                    Num(pfEmpresa) + "   and P.REVENDA  = " + Num(pfRevenda) +
                    "   and P.PROPOSTA = " + Num(pfProposta));
  ds.Open();
  if (ds.IsEmpty()) return "Proposta/Negociação não possui veículo vinculado.";

  fi_brasil::TIniciaVenda comando;
  ListaResultado faltas;
  faltas.Adiciona("Informações Obrigatórias:");
  CredenciaFIB(comando, pfEmpresa, pfRevenda, fi_brasil::kSufixoVenda);

  Veiculo(ds, comando.Veiculo(), pfProposta, pfValor);
  const std::string cliente = Num(ds.FieldByName("CLIENTE").AsInteger());

  ds.Close();
  ds.SetCommandText(kCliente + cliente);
  ds.Open();
  if (!ds.IsEmpty()) {
    if (Trim(Texto(ds, "FISJUR")) != "J")
      PessoaFisica(ds, cliente, comando.PessoaFisica(), faltas);
    else
      PessoaJuridica(ds, cliente, comando.PessoaJuridica(), faltas);
  }

  if (comando.Executar()) return "OK";
  if (faltas.Linhas() == 1)
    return fi_brasil::TextoRecusa(comando) + " - " + "Tempo: " + std::to_string(comando.Tempo) +
           "s";
  return faltas.Texto();
}

}  // namespace veiculo
