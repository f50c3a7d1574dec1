// The sale-start envelope: which element is written when, and in what order.

#include "fi_brasil/commands/inicia_venda.h"

#include "fi_brasil/commands/fi_format.h"
#include "fi_brasil/contracts/fi_venda.h"
#include "platform/soap/xml_text.h"

namespace veiculo::fi_brasil {
namespace {

// Appends "<q2:name>...</q2:name>" pieces to one text.
class Elementos {
 public:
  // Text: present when not empty.
  void Texto(const char* name, const std::string& value) {
    if (!value.empty()) Escreve(name, platform::XmlEscape(value));
  }
  // Integer written when `presente`.
  void Inteiro(const char* name, int32_t value, bool presente) {
    if (presente) Escreve(name, std::to_string(value));
  }
  void Positivo(const char* name, int32_t value) { Inteiro(name, value, value > 0); }
  void NaoZero(const char* name, int32_t value) { Inteiro(name, value, value != 0); }
  // Amount with ValorMonetario, date as YYYY-MM-DD, written when `presente`.
  void Valor(const char* name, double value, bool presente) {
    if (presente) Escreve(name, ValorMonetario(value));
  }
  void Data(const char* name, double value, bool presente) {
    if (presente) Escreve(name, ValorData(value));
  }
  void Abre(const std::string& tag) { xml += "<" + tag + ">"; }
  void Fecha(const std::string& tag) { xml += "</" + tag + ">"; }

  std::string xml;

 private:
  void Escreve(const char* name, const std::string& text) {
    xml += std::string("<q2:") + name + ">" + text + "</q2:" + name + ">";
  }
};

void Endereco(Elementos& e, const char* tag, const TEndereco& a) {
  if (a.cep.empty()) return;
  e.Abre(std::string("q2:") + tag);
  e.Texto("numero", a.numero);
  e.Texto("complemento", a.complemento);
  e.Texto("cep", a.cep);
  e.Texto("rua", a.rua);
  e.Texto("bairro", a.bairro);
  e.Texto("logradouro", a.logradouro);
  e.Texto("cidade", a.cidade);
  e.Fecha(std::string("q2:") + tag);
}

void EscreveVeiculo(Elementos& e, const TVeiculoIn& v) {
  e.Abre("q0:veiculo");
  e.Texto("tipo", v.tipo);
  e.Texto("chassi", v.chassi);
  e.Texto("codigoModelo", v.codigoModelo);
  e.Texto("descricaoModelo", v.descricaoModelo);
  e.Texto("codigoCor", v.codigoCor);
  e.Texto("descricaoCor", v.descricaoCor);
  e.NaoZero("anoFabricacao", v.anoFabricacao);
  e.NaoZero("anoModelo", v.anoModelo);
  e.Positivo("quantidadePortas", v.quantidadePortas);
  e.Texto("pacoteBasico", v.pacoteBasico);
  e.Texto("pacoteOpcionais", v.pacoteOpcionais);
  e.NaoZero("origemVeiculo", v.origemVeiculo);
  e.Texto("placa", v.placa);
  e.Texto("renavam", v.renavam);
  e.Texto("cpfVendedor", v.cpfVendedor);
  e.Valor("valorVeiculo", v.valorVeiculo, v.valorVeiculo != 0);
  e.NaoZero("numeroPropostaDMS", v.numeroPropostaDMS);
  e.Texto("combustivel", v.combustivel);
  e.Texto("codigoFIPE", v.codigoFIPE);
  e.Fecha("q0:veiculo");
}

void Conjuge(Elementos& e, const TConjugeIn& c) {
  e.Abre("q2:conjuge");
  e.Texto("nome", c.nome);
  e.Texto("cpf", c.cpf);
  e.Texto("rg", c.rg);
  e.Texto("rgOrgaoEmissor", c.rgOrgaoEmissor);
  e.Texto("rgOrgaoEmissorUF", c.rgOrgaoEmissorUF);
  e.Data("rgDataEmissao", c.rgDataEmissao, c.rgDataEmissao != 0);
  e.Data("dataNascimento", c.dataNascimento, c.dataNascimento != 0);
  e.Texto("naturalidadeUF", c.naturalidadeUF);
  e.Texto("naturalidadeMunicipio", c.naturalidadeMunicipio);
  e.Positivo("nacionalidade", c.nacionalidade);
  e.Valor("renda", c.renda, c.renda > 0);
  e.Texto("empresaNome", c.empresaNome);
  e.Texto("empresaTelefone", c.empresaTelefone);
  e.Texto("empresaCNPJ", c.empresaCNPJ);
  e.Texto("ocupacao", c.ocupacao);
  e.Positivo("tempoServicoAnos", c.tempoServicoAnos);
  e.Positivo("tempoServicoMeses", c.tempoServicoMeses);
  Endereco(e, "enderecoComercial", c.enderecoComercial);
  e.Fecha("q2:conjuge");
}

void ReferenciasBancarias(Elementos& e, const TReferenciaBancariaIns& lista) {
  for (size_t i = 0; i < lista.Count(); ++i) {
    const TReferenciaBancariaIn& r = lista.GetItem(i);
    e.Abre("q2:referenciasBancarias");
    e.Texto("banco", r.banco);
    e.Texto("tipoConta", r.tipoConta);
    e.Texto("agencia", r.agencia);
    e.Texto("numeroConta", r.numeroConta);
    e.Valor("limiteChequeEspecial", r.limiteChequeEspecial, r.limiteChequeEspecial > 0);
    e.Texto("contatoAgencia", r.contatoAgencia);
    e.Texto("telefoneAgencia", r.telefoneAgencia);
    e.Positivo("clienteDesdeAno", r.clienteDesdeAno);
    e.Positivo("clienteDesdeMes", r.clienteDesdeMes);
    e.Fecha("q2:referenciasBancarias");
  }
}

void EscrevePessoaFisica(Elementos& e, const TFichaCadastralPFIn& p) {
  e.Abre("q0:fichaPF");
  e.Texto("CNH", p.CNH);
  if (!p.conjuge.nome.empty()) Conjuge(e, p.conjuge);
  e.Texto("cpf", p.cpf);
  e.Data("dataEmissaoCNH", p.dataEmissaoCNH, p.dataEmissaoCNH > 0);
  e.Data("dataNascimento", p.dataNascimento, p.dataNascimento > 0);
  e.Texto("email", p.email);
  Endereco(e, "enderecos", p.endereco);
  e.Positivo("estadoCivil", p.estadoCivil);
  e.Texto("fax", p.fax);
  e.Inteiro("grauInstrucao", p.grauInstrucao, p.grauInstrucao >= 0);
  e.Positivo("nacionalidade", p.nacionalidade);
  e.Texto("naturalidadeMunicipio", p.naturalidadeMunicipio);
  e.Texto("naturalidadeUF", p.naturalidadeUF);
  e.Texto("nome", p.nome);
  e.Texto("nomeMae", p.nomeMae);
  e.Texto("nomePai", p.nomePai);
  e.Texto("observacao", p.observacao);
  e.Positivo("quantidadeDependentes", p.quantidadeDependentes);
  ReferenciasBancarias(e, p.referenciasBancarias);
  for (size_t i = 0; i < p.referenciasPessoais.Count(); ++i) {
    const TReferenciaPessoalIn& r = p.referenciasPessoais.GetItem(i);
    e.Abre("q2:referenciasPessoais");
    e.Texto("nome", r.nome);
    e.Texto("telefone", r.telefone);
    e.Texto("ramal", r.ramal);
    e.Positivo("tipoRelacao", r.tipoRelacao);
    e.Fecha("q2:referenciasPessoais");
  }
  e.Texto("rg", p.rg);
  e.Data("rgDataEmissao", p.rgDataEmissao, p.rgDataEmissao != 0);
  e.Texto("rgOrgaoEmissorUF", p.rgOrgaoEmissorUF);
  e.Texto("sexo", p.sexo);
  e.Texto("telefoneCelular", p.telefoneCelular);
  e.Texto("telefoneResidencial", p.telefoneResidencial);
  e.NaoZero("tipoTelefonePrincipal", p.tipoTelefonePrincipal);
  e.Fecha("q0:fichaPF");
}

void EscrevePessoaJuridica(Elementos& e, const TFichaCadastralPJIn& p) {
  e.Abre("q0:fichaPJ");
  e.Valor("capitalSocial", p.capitalSocial, p.capitalSocial != 0);
  e.Texto("cnpj", p.cnpj);
  e.Data("dataFundacao", p.dataFundacao, p.dataFundacao != 0);
  e.Texto("email", p.email);
  Endereco(e, "endereco", p.endereco);
  e.NaoZero("formaConstituicao", p.formaConstituicao);
  for (size_t i = 0; i < p.fornecedores.Count(); ++i) {
    const TFornecedorIn& f = p.fornecedores.GetItem(i);
    e.Abre("q2:fornecedores");
    e.Texto("nome", f.nome);
    e.Texto("telefone", f.telefone);
    e.Texto("contato", f.contato);
    e.Texto("ramal", f.ramal);
    e.Fecha("q2:fornecedores");
  }
  e.Texto("nomeContador", p.nomeContador);
  e.Texto("observacao", p.observacao);
  e.NaoZero("origemCapital", p.origemCapital);
  e.NaoZero("quantidadeEmpregados", p.quantidadeEmpregados);
  e.Texto("ramoAtividade", p.ramoAtividade);
  e.Texto("razaoSocial", p.razaoSocial);
  ReferenciasBancarias(e, p.referenciasBancarias);
  e.Texto("registroJuntaComercial", p.registroJuntaComercial);
  e.Texto("telefone", p.telefone);
  e.Texto("telefoneContador", p.telefoneContador);
  e.Fecha("q0:fichaPJ");
}

}  // namespace

std::string TIniciaVenda::GeraXML() const {
  Elementos e;
  EscreveVeiculo(e, Veiculo_);
  if (!PessoaFisica_.cpf.empty())
    EscrevePessoaFisica(e, PessoaFisica_);
  else
    e.xml += "<q0:fichaPF isNull=\"true\" />";
  if (!PessoaJuridica_.cnpj.empty()) EscrevePessoaJuridica(e, PessoaJuridica_);
  const std::string envelope = Envelope("iniciaVenda", e.xml, true);
  SalvaArq(kArquivoFiBrasil, envelope, "N");
  return envelope;
}

bool TIniciaVenda::Executar() {
  FIResult r;
  return Executa(GeraXML(), [&](platform::SoapClient& c, const FIHeader& h) -> const FIResult& {
    return r = GetVendaPortType(false, Url(), &c)->iniciaVenda(h, {}, {}, {});
  });
}

}  // namespace veiculo::fi_brasil
