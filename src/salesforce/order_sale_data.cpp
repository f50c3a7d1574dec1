// The sale data an invoiced order sends: the used vehicle taken in payment,
// the values of the final negotiation and the customer's data.

#include <string>

#include "salesforce/sales_force_internal.h"
#include "salesforce/staging_insert.h"

namespace veiculo {

using salesforce::Colunas;
using salesforce::Inteiro;
using salesforce::Texto;
using salesforce::TextoOuNulo;

namespace {

// Sets columns of one order row, addressed by dealer number and proposal.
void AtualizaLinhaPedido(platform::SqlDataSet& x, const Colunas& colunas, const std::string& dn,
                         int32_t proposta) {
  std::string sets;
  for (const auto& [nome, valor] : colunas)
    sets += (sets.empty() ? "" : ", ") + std::string(nome) + " = :" + nome;
  x.Close();
  x.SetCommandText("update REN_SALES_PEDIDO set " + sets +
                   " where NUMERO_DN = :NUMERO_DN and NUMERO_PEDIDO_DMS = :NUMERO_PEDIDO_DMS");
  for (const auto& [nome, valor] : colunas) x.ParamByName(nome).value = valor;
  x.ParamByName("NUMERO_DN").value = salesforce::NumeroDNValor(dn);
  x.ParamByName("NUMERO_PEDIDO_DMS").SetAsInteger(proposta);
  x.ExecSQL();
  x.Close();
}

// The dealer's monthly income as the CRM's salary band; none without income.
std::string FaixaSalarial(double renda) {
  if (renda <= 0) return "";
  if (renda <= 3000) return "ATE 3000";
  if (renda <= 6000) return "3001 A 6000";
  if (renda <= 10000) return "6001 A 10000";
  if (renda <= 20000) return "10001 A 20000";
  return "ACIMA DE 20000";
}

void Consulta(platform::SqlDataSet& q, const std::string& sql, int32_t empresa, int32_t revenda,
              int32_t proposta) {
  q.Close();
  q.SetCommandText(sql);
  q.ParamByName("EMPRESA").SetAsInteger(empresa);
  q.ParamByName("REVENDA").SetAsInteger(revenda);
  q.ParamByName("PROPOSTA").SetAsInteger(proposta);
  q.Open();
}

}  // namespace

void TSalesForce::GravaDadosVenda(int32_t pEmpresa, int32_t pRevenda, int32_t pProposta,
                                  const std::string& pNumeroDN, int32_t pCliente) {
  auto& q = c_->sdsConsulta;
  auto& x = c_->sdsExecuta;

  Consulta(q,
           "select AV.DES_VEICULO, AV.ANO_FABRICACAO, AV.VAL_AVALIACAO, AV.PLACA from "
           "VEI_AVALIACAO_PROPOSTA AP inner join VEI_AVALIACAO AV on (AV.EMPRESA = AP.EMPRESA and "
           "AV.AVALIACAO = AP.AVALIACAO) where AP.EMPRESA = :EMPRESA and AP.REVENDA = :REVENDA and "
           "AP.PROPOSTA = :PROPOSTA order by AP.AVALIACAO",
           pEmpresa, pRevenda, pProposta);
  if (!q.IsEmpty()) {
    const Colunas usado{{"VEICULO_USADO", TextoOuNulo(Texto(q, "DES_VEICULO"))},
                        {"ANO_VEICULO_USADO", q.FieldByName("ANO_FABRICACAO").AsValue()},
                        {"VALOR_VEICULO_USADO", q.FieldByName("VAL_AVALIACAO").AsValue()},
                        {"PLACA_USADO", TextoOuNulo(Texto(q, "PLACA"))}};
    q.Close();
    AtualizaLinhaPedido(x, usado, pNumeroDN, pProposta);
  }
  q.Close();

  Consulta(q,
           "select N.VAL_VEICULO, N.VAL_FRETE, N.VAL_SEGURO, N.VAL_IPI, N.VAL_DESCONTO, "
           "N.VAL_BONUS, N.ICMS_DESONERADO, N.ICMSDESONERADO_DESCONTADONOTA, N.QTD_PARCELAS, "
           "N.VAL_PARCELAS, N.VAL_FINANCIADO, (select coalesce(sum(O.VAL_OPCIONAL), 0) from "
           "VEI_PROPOSTA_OPC_VEIC O where O.EMPRESA = P.EMPRESA and O.REVENDA = P.REVENDA and "
           "O.PROPOSTA = P.PROPOSTA) OPCIONAIS, (select coalesce(sum(ACE.VAL_ACESSORIO), 0) from "
           "VEI_ACESSORIO_NEGOCIACAO ACE where ACE.EMPRESA = N.EMPRESA and ACE.REVENDA = "
           "N.REVENDA and ACE.PROPOSTA = N.PROPOSTA and ACE.NEGOCIACAO = N.NEGOCIACAO and "
           "ACE.SOMAR = 'S') ACESSORIOS from VEI_PROPOSTA P inner join VEI_NEGOCIACAO N on "
           "(N.EMPRESA = P.EMPRESA and N.REVENDA = P.REVENDA and N.PROPOSTA = P.PROPOSTA and "
           "N.NEGOCIACAO = P.NEGOCIACAO_FINAL) where P.EMPRESA = :EMPRESA and P.REVENDA = "
           ":REVENDA and P.PROPOSTA = :PROPOSTA",
           pEmpresa, pRevenda, pProposta);
  if (!q.IsEmpty()) {
    auto valor = [&q](const char* campo) { return q.FieldByName(campo).AsFloat(); };
    double total = valor("VAL_VEICULO") + valor("OPCIONAIS") + valor("VAL_FRETE") +
                   valor("VAL_SEGURO") + valor("ACESSORIOS") + valor("VAL_IPI") -
                   valor("VAL_DESCONTO") - valor("VAL_BONUS");
    if (Texto(q, "ICMSDESONERADO_DESCONTADONOTA") == "S") total -= valor("ICMS_DESONERADO");
    const Colunas valores{{"VALOR", Value::Float(total)},
                          {"NUMERO_PARCELAS", q.FieldByName("QTD_PARCELAS").AsValue()},
                          {"VALOR_PARCELAS", q.FieldByName("VAL_PARCELAS").AsValue()},
                          {"VALOR_FINANCIAMENTO", q.FieldByName("VAL_FINANCIADO").AsValue()}};
    q.Close();
    AtualizaLinhaPedido(x, valores, pNumeroDN, pProposta);
  }
  q.Close();

  q.SetCommandText(
      "select C.NOME, C.FISJUR, C.TIPOVIA_ENTREGA, C.LOGRADOURO_ENTREGA, C.COMPLEMENTO_ENTREGA, "
      "C.BAIRRO_ENTREGA, C.MUNICIPIO_ENTREGA, C.CEP_ENTREGA, C.UF_ENTREGA, C.PAIS, "
      "coalesce(C.E_MAIL_CASA, C.E_MAIL_TRABALHO) E_MAIL, C.DDD_TELEFONE, C.TELEFONE, "
      "C.DDD_CELULAR, C.CELULAR, F.IDENTIDADE, F.SEXO, F.DTA_NASCIMENTO, F.ESTADO_CIVIL, "
      "F.PROFISSAO, F.RENDA, F.QTD_DEPENDENTES, F.CLUBE, J.INSCRICAO_ESTADUAL, J.DTA_FUNDACAO "
      "from FAT_CLIENTE C left outer join FAT_PESSOA_FISICA F on (F.CLIENTE = C.CLIENTE) left "
      "outer join FAT_PESSOA_JURIDICA J on (J.CLIENTE = C.CLIENTE) where C.CLIENTE = :CLIENTE");
  q.ParamByName("CLIENTE").SetAsInteger(pCliente);
  q.Open();
  if (q.IsEmpty()) {
    q.Close();
    return;
  }
  const bool juridica = Texto(q, "FISJUR") == "J";
  std::string rua;
  const std::string numero = BuscaNroVia(Texto(q, "LOGRADOURO_ENTREGA"), rua);
  const std::string bairro = Texto(q, "BAIRRO_ENTREGA");
  const std::string pais = Texto(q, "PAIS");
  Colunas cliente{
      {"NOME_CLIENTE", TextoOuNulo(Texto(q, "NOME"))},
      {"LOGRADOURO", TextoOuNulo(Texto(q, "TIPOVIA_ENTREGA"))},
      {"RUA", TextoOuNulo(rua)},
      {"NUMERO", TextoOuNulo(numero)},
      {"COMPLEMENTO", TextoOuNulo(Texto(q, "COMPLEMENTO_ENTREGA"))},
      {"BAIRRO_F", TextoOuNulo(bairro)},
      {"BAIRRO", TextoOuNulo(bairro)},
      {"CIDADE", TextoOuNulo(Texto(q, "MUNICIPIO_ENTREGA"))},
      {"CEP", TextoOuNulo(Texto(q, "CEP_ENTREGA"))},
      {"ESTADO", TextoOuNulo(Texto(q, "UF_ENTREGA"))},
      {"PAIS", TextoOuNulo(pais)},
      {"EMAIL_CLIENTE", TextoOuNulo(Texto(q, "E_MAIL"))},
      {"PAIS_RESIDENCIA", TextoOuNulo(pais)},
      {"DATA_NASCIMENTO", q.FieldByName(juridica ? "DTA_FUNDACAO" : "DTA_NASCIMENTO").AsValue()},
      {"RG_INSCRICAO_ESTADUAL",
       TextoOuNulo(Texto(q, juridica ? "INSCRICAO_ESTADUAL" : "IDENTIDADE"))},
      {"TELEFONE_RESIDENCIAL", TextoOuNulo(Telefone(q.FieldByName("DDD_TELEFONE").AsInteger(),
                                                    q.FieldByName("TELEFONE").AsInteger()))},
      {"TELEFONE_CELULAR", TextoOuNulo(Telefone(q.FieldByName("DDD_CELULAR").AsInteger(),
                                                q.FieldByName("CELULAR").AsInteger()))}};
  if (!juridica) {
    cliente.push_back({"SEXO", TextoOuNulo(Texto(q, "SEXO"))});
    cliente.push_back(
        {"ESTADO_CIVIL", Value::Text(ConverteEstadoCivil(Inteiro(q, "ESTADO_CIVIL")))});
    cliente.push_back({"OCUPACAO", TextoOuNulo(Texto(q, "PROFISSAO"))});
    cliente.push_back(
        {"FAIXA_SALARIAL", TextoOuNulo(FaixaSalarial(q.FieldByName("RENDA").AsFloat()))});
    cliente.push_back({"NUMERO_FILHOS", q.FieldByName("QTD_DEPENDENTES").AsValue()});
    cliente.push_back({"IDENTIFICACAO_HOBBY", TextoOuNulo(Texto(q, "CLUBE"))});
  }
  q.Close();
  AtualizaLinhaPedido(x, cliente, pNumeroDN, pProposta);
}

}  // namespace veiculo
