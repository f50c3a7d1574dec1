// The closing import's customer registry: what the F&I desk learnt about the
// person or the company goes into FAT_CLIENTE, FAT_PESSOA_FISICA or
// FAT_PESSOA_JURIDICA, and the bank and personal references the customer
// does not have yet are added.

#include "fi_brasil/closing/importacao_fechamento.h"
#include "fi_brasil/closing/valores_servico.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/text_utils.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo::fi_brasil {
namespace {

// One assignment " COL = value," when the value is present.
void Atribui(std::string& campos, const char* coluna, const std::string& valor) {
  campos += std::string(" ") + coluna + " = " + valor + ",";
}
void AtribuiTexto(std::string& campos, const char* coluna, const std::string& texto) {
  if (!platform::Trim(texto).empty()) Atribui(campos, coluna, TextoSql(texto));
}
void AtribuiInteiro(std::string& campos, const char* coluna, int64_t valor) {
  if (valor > 0) Atribui(campos, coluna, std::to_string(valor));
}
void AtribuiTelefone(std::string& campos, const char* ddd, const char* numero,
                     const std::string& texto) {
  const Telefone telefone = SeparaTelefone(texto);
  AtribuiInteiro(campos, ddd, telefone.ddd);
  AtribuiInteiro(campos, numero, telefone.numero);
}

}  // namespace

void ImportacaoFechamento::AtualizaCliente() {
  // A proposal without a customer has no registry to complete.
  if (cliente_ == 0) return;
  if (venda_->fichaPF != nullptr)
    AtualizaPessoaFisica(*venda_->fichaPF);
  else if (venda_->fichaPJ != nullptr)
    AtualizaPessoaJuridica(*venda_->fichaPJ);
}

void ImportacaoFechamento::EnderecoEntrega(const EnderecoOut& e, std::string& campos) {
  // Only an address whose postal code and state the dealer knows is taken.
  platform::SqlDataSet& cep = Consulta("select CEP  from FAT_CEP where CEP = " + TextoSql(e.cep));
  const bool cep_existe = !cep.IsEmpty();
  cep.Close();
  platform::SqlDataSet& uf = Consulta("select UF  from GER_ESTADO where UF = " + TextoSql(e.uf));
  const bool uf_existe = !uf.IsEmpty();
  uf.Close();
  if (!cep_existe || !uf_existe) return;
  AtribuiTexto(campos, "LOGRADOURO_ENTREGA", e.logradouro);
  AtribuiTexto(campos, "BAIRRO_ENTREGA", e.bairro);
  AtribuiTexto(campos, "MUNICIPIO_ENTREGA", e.municipio);
  AtribuiTexto(campos, "UF_ENTREGA", e.uf);
  AtribuiTexto(campos, "COMPLEMENTO_ENTREGA", e.complemento);
  AtribuiTexto(campos, "CEP_ENTREGA", e.cep);
}

void ImportacaoFechamento::AtualizaPessoaFisica(const FichaCadastralPFOut& f) {
  std::string cliente;
  AtribuiTexto(cliente, "E_MAIL_CASA", f.email);
  AtribuiTelefone(cliente, "DDD_TELEFONE", "TELEFONE", f.telefoneResidencial);
  AtribuiTelefone(cliente, "DDD_CELULAR", "CELULAR", f.telefoneCelular);
  if (!f.enderecos.empty()) EnderecoEntrega(f.enderecos.front(), cliente);

  std::string pessoa;
  if (!platform::Trim(f.dataNascimento).empty())
    Atribui(pessoa, "DTA_NASCIMENTO", maker::FiltroVirgula(dm_.AddSQL(f.dataNascimento, "T")));
  AtribuiTexto(pessoa, "CARTEIRA_HABILITACAO", f.CNH);
  AtribuiInteiro(pessoa, "QTD_DEPENDENTES", f.quantidadeDependentes);
  if (auto estado = EstadoCivilDealer(f.estadoCivil))
    Atribui(pessoa, "ESTADO_CIVIL", std::to_string(*estado));
  if (auto formacao = FormacaoDealer(f.grauInstrucao))
    Atribui(pessoa, "FORMACAO_ACADEMICA", std::to_string(*formacao));
  AtribuiTexto(pessoa, "NOME_MAE", f.nomeMae);
  AtribuiTexto(pessoa, "NOME_PAI", f.nomePai);
  AtribuiTexto(pessoa, "IDENTIDADE", f.rg);
  AtribuiTexto(pessoa, "ORGAO_EXPEDIDOR_ID", f.rgOrgaoEmissor);
  if (f.sexo == "M" || f.sexo == "F") Atribui(pessoa, "SEXO", TextoSql(f.sexo));

  const std::string onde = " WHERE CLIENTE = " + std::to_string(cliente_);
  if (!cliente.empty()) Executa("UPDATE FAT_CLIENTE SET " + maker::FiltroVirgula(cliente) + onde);
  if (!pessoa.empty())
    Executa("UPDATE FAT_PESSOA_FISICA SET " + maker::FiltroVirgula(pessoa) + onde);
  ReferenciasBancarias(f.referenciasBancarias);
  ReferenciasPessoais(f.referenciasPessoais);
}

void ImportacaoFechamento::AtualizaPessoaJuridica(const FichaCadastralPJOut& f) {
  std::string cliente;
  AtribuiTexto(cliente, "E_MAIL_TRABALHO", f.email);
  if (f.endereco != nullptr) EnderecoEntrega(*f.endereco, cliente);
  AtribuiTelefone(cliente, "DDD_TELEFONE", "TELEFONE", f.telefone);

  std::string empresa;
  if (!platform::Trim(f.dataFundacao).empty())
    Atribui(empresa, "DTA_FUNDACAO", maker::FiltroVirgula(dm_.AddSQL(f.dataFundacao, "T")));
  AtribuiTexto(empresa, "REGISTRO_JUNTA", f.registroJuntaComercial);
  if (f.quantidadeEmpregados < 100000)
    AtribuiInteiro(empresa, "NUMERO_EMPREGADOS", f.quantidadeEmpregados);

  const std::string onde = " WHERE CLIENTE = " + std::to_string(cliente_);
  if (!cliente.empty()) Executa("UPDATE FAT_CLIENTE SET " + maker::FiltroVirgula(cliente) + onde);
  if (!empresa.empty())
    Executa("UPDATE FAT_PESSOA_JURIDICA SET " + maker::FiltroVirgula(empresa) + onde);
  ReferenciasBancarias(f.referenciasBancarias);
}

void ImportacaoFechamento::ReferenciasBancarias(const std::vector<ReferenciaBancariaOut>& refs) {
  const std::string cliente = std::to_string(cliente_);
  for (const ReferenciaBancariaOut& r : refs) {
    // The account is the reference's key: without one there is nothing to register.
    const std::string conta = platform::Trim(r.numeroConta);
    if (conta.empty()) continue;
    platform::SqlDataSet& ds =
        Consulta("select CONTA_CORRENTE  from FAT_CLIENTE_BANCO where CLIENTE = " + cliente +
                 "   and CONTA_CORRENTE = " + TextoSql(conta));
    const bool existe = !ds.IsEmpty();
    ds.Close();
    if (existe) continue;
    Executa(
        "INSERT INTO FAT_CLIENTE_BANCO (CLIENTE, CONTA_CORRENTE, NRO_BANCO, NRO_AGENCIA) VALUES(" +
        maker::FiltroVirgula(cliente + "," + dm_.AddSQL(conta, "A") +
                             dm_.AddSQL(platform::Trim(r.banco), "A") +
                             dm_.AddSQL(platform::Trim(r.agencia), "A")) +
        ")");
  }
}

void ImportacaoFechamento::ReferenciasPessoais(const std::vector<ReferenciaPessoalOut>& refs) {
  const std::string cliente = std::to_string(cliente_);
  for (const ReferenciaPessoalOut& r : refs) {
    // References are known by name: a nameless one could never be found again.
    const std::string nome = platform::Trim(r.nome);
    if (nome.empty()) continue;
    platform::SqlDataSet& ds =
        Consulta("select NOME  from FAT_CLIENTE_REFERENCIA where CLIENTE = " + cliente +
                 "   and NOME = " + TextoSql(nome));
    const bool existe = !ds.IsEmpty();
    ds.Close();
    if (existe) continue;
    platform::SqlDataSet& seq = Consulta(
        "select max(SEQUENCIA) SEQ  from FAT_CLIENTE_REFERENCIA where CLIENTE = " + cliente);
    const int64_t sequencia = seq.FieldByName("SEQ").AsInteger() + 1;
    seq.Close();
    const Telefone telefone = SeparaTelefone(r.telefone);
    Executa(
        "INSERT INTO FAT_CLIENTE_REFERENCIA (CLIENTE, SEQUENCIA, NOME, DDD, TELEFONE, TIPO) "
        "VALUES(" +
        cliente + "," + std::to_string(sequencia) + "," + TextoSql(nome) + "," +
        std::to_string(telefone.ddd) + "," + std::to_string(telefone.numero) + ",'P')");
  }
}

}  // namespace veiculo::fi_brasil
