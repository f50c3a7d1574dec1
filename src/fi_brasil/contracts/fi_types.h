#pragma once
// The remotable types of the F&I Brasil Status and Venda services: request
// structures (input params namespace), reply structures (output params
// namespace), the header (params namespace) and the results (result
// namespace). Elements in declaration order; see fi_fields.h for the form.

#include "fi_brasil/contracts/fi_fields.h"

namespace veiculo::fi_brasil {

// clang-format off

// ---- Request structures ----
#define FIB_ENDERECO_IN(T, I, O, A)                                        \
  T(bairro) T(cep) T(cidade) T(complemento) T(logradouro) T(numero) T(rua)
#define FIB_CONJUGE(T, I, O, A, Endereco)                                                    \
  T(cpf) T(dataNascimento) T(empresaCNPJ) T(empresaNome) T(empresaTelefone)                  \
  O(Endereco, enderecoComercial) I(nacionalidade) T(naturalidadeMunicipio) T(naturalidadeUF) \
  T(nome) T(ocupacao) T(renda) T(rg) T(rgDataEmissao) T(rgOrgaoEmissor) T(rgOrgaoEmissorUF)  \
  I(tempoServicoAnos) I(tempoServicoMeses)
#define FIB_REFERENCIA_BANCARIA(T, I, O, A)                                   \
  T(agencia) T(banco) I(clienteDesdeAno) I(clienteDesdeMes) T(contatoAgencia) \
  T(limiteChequeEspecial) T(numeroConta) T(telefoneAgencia) T(tipoConta)
#define FIB_REFERENCIA_PESSOAL(T, I, O, A) T(nome) T(ramal) T(telefone) T(tipoRelacao)
#define FIB_FORNECEDOR(T, I, O, A) T(contato) T(nome) T(ramal) T(telefone)
#define FIB_VEICULO_IN(T, I, O, A)                                                            \
  I(anoFabricacao) I(anoModelo) T(chassi) T(codigoCor) T(codigoFIPE) T(codigoModelo)          \
  T(combustivel) T(cpfVendedor) T(descricaoCor) T(descricaoModelo) T(numeroPropostaDMS)       \
  I(origemVeiculo) T(pacoteBasico) T(pacoteOpcionais) T(placa) I(quantidadePortas) T(renavam) \
  T(tipo) T(valorVeiculo)
#define FIB_FICHA_PF(T, I, O, A, Conjuge, Endereco, RefBancaria, RefPessoal)             \
  T(CNH) O(Conjuge, conjuge) T(cpf) T(dataEmissaoCNH) T(dataNascimento) T(email)         \
  A(Endereco, enderecos) I(estadoCivil) T(fax) I(grauInstrucao) I(nacionalidade)         \
  T(naturalidadeMunicipio) T(naturalidadeUF) T(nome) T(nomeMae) T(nomePai) T(observacao) \
  I(quantidadeDependentes) A(RefBancaria, referenciasBancarias)                          \
  A(RefPessoal, referenciasPessoais) T(rg) T(rgDataEmissao) T(rgOrgaoEmissor)            \
  T(rgOrgaoEmissorUF) T(sexo) T(telefoneCelular) T(telefoneResidencial)                  \
  I(tipoTelefonePrincipal)
#define FIB_FICHA_PJ(T, I, O, A, Endereco, Fornecedor, RefBancaria)              \
  T(capitalSocial) T(cnpj) T(dataFundacao) T(email) O(Endereco, endereco)        \
  I(formaConstituicao) A(Fornecedor, fornecedores) T(nomeContador) T(observacao) \
  I(origemCapital) I(quantidadeEmpregados) T(ramoAtividade) T(razaoSocial)       \
  A(RefBancaria, referenciasBancarias) T(registroJuntaComercial) T(telefone)     \
  T(telefoneContador)

#define FIB_CONJUGE_IN(T, I, O, A) FIB_CONJUGE(T, I, O, A, EnderecoIn)
#define FIB_FICHA_PF_IN(T, I, O, A)                                               \
  FIB_FICHA_PF(T, I, O, A, ConjugeIn, EnderecoIn, ReferenciaBancariaIn, ReferenciaPessoalIn)
#define FIB_FICHA_PJ_IN(T, I, O, A)                             \
  FIB_FICHA_PJ(T, I, O, A, EnderecoIn, FornecedorIn, ReferenciaBancariaIn)

struct EnderecoIn {
  FIB_DECLARE_FIELDS(FIB_ENDERECO_IN)
};
struct ConjugeIn {
  FIB_DECLARE_FIELDS(FIB_CONJUGE_IN)
};
struct ReferenciaBancariaIn {
  FIB_DECLARE_FIELDS(FIB_REFERENCIA_BANCARIA)
};
struct ReferenciaPessoalIn {
  FIB_DECLARE_FIELDS(FIB_REFERENCIA_PESSOAL)
};
struct FornecedorIn {
  FIB_DECLARE_FIELDS(FIB_FORNECEDOR)
};
struct VeiculoIn {
  FIB_DECLARE_FIELDS(FIB_VEICULO_IN)
};
struct FichaCadastralPFIn {
  FIB_DECLARE_FIELDS(FIB_FICHA_PF_IN)
};
struct FichaCadastralPJIn {
  FIB_DECLARE_FIELDS(FIB_FICHA_PJ_IN)
};

// ---- Reply structures ----
#define FIB_ENDERECO_OUT(T, I, O, A)                                                          \
  T(atual) T(bairro) T(cep) T(complemento) T(logradouro) T(municipio) T(numero) T(tipo) T(uf)
#define FIB_CONJUGE_OUT(T, I, O, A) FIB_CONJUGE(T, I, O, A, EnderecoOut)
#define FIB_FICHA_PF_OUT(T, I, O, A)                                                  \
  FIB_FICHA_PF(T, I, O, A, ConjugeOut, EnderecoOut, ReferenciaBancariaOut, ReferenciaPessoalOut)
#define FIB_FICHA_PJ_OUT(T, I, O, A)                               \
  FIB_FICHA_PJ(T, I, O, A, EnderecoOut, FornecedorOut, ReferenciaBancariaOut)
#define FIB_VEICULO_OUT(T, I, O, A)                                              \
  T(chassi) T(cpfVendedor) T(dataInicioVenda) T(numeroPropostaDMS) T(propostaId)
#define FIB_ITEM_AGREGADO_OUT(T, I, O, A)                                         \
  T(codigo) T(codigoFornecedor) T(cortesia) T(descricao) T(embutidoFinanciamento) \
  I(quantidade) I(tipo) T(valorRepasse) T(valorUnitario)
#define FIB_SIS_DIA_INCIDENCIA_OUT(T, I, O, A)                                    \
  T(brinde) T(embutidoFinanciamento) T(incidencia) T(tipoRetorno) T(valorRepasse) \
  T(valorVenda)
#define FIB_RECEITA_FINANCEIRA_OUT(T, I, O, A)                                           \
  T(dataPrevisaoRecebimento) T(dataRecebimento) I(tipo) T(valor) T(valorDescontosGerais) \
  T(valorRetencaoCSSL) T(valorRetencaoIR) T(valorRetencaoPISCOFINS)
#define FIB_PROPOSTA_CREDITO_OUT(T, I, O, A)                                         \
  I(calco) I(codigo) T(codigoBanco) T(codigoPlano) T(coeficiente) T(dataEnvio)       \
  T(dataPagamento) T(dataPrevisaoPagamento) T(dataRetorno) T(vestorionCodigoParcela) \
  T(vestorionCodigoPlano) I(fator) T(megaData) I(numeroParcelas) T(observacao)       \
  T(percentualComissaoCalco) T(percentualComissaoFator) T(plus) I(status) T(tab)     \
  T(tacRetorno) T(tacVenda) T(taxaMes) T(taxaRegistroCartorio) I(tipoFinanciamento)  \
  T(valorBonusFixo) T(valorEntrada) T(valorFinanciado) T(valorReceberBanco)
#define FIB_VENDA_COMPLETA_OUT(T, I, O, A)                                                  \
  I(anoFabricacao) I(anoModelo) T(chassi) T(codigoCor) T(codigoLojaDMS) T(codigoModelo)     \
  I(codigoProposta) I(codigoPropostaDMS) T(cpfCNPJ) T(cpfVendedor)                          \
  T(dataAutorizacaoFaturamento) T(dataCancelamento) T(dataFechamento) T(dataNotaVendaDMS)   \
  T(dataVenda) T(descricaoCor) T(descricaoModelo) O(FichaCadastralPFOut, fichaPF)           \
  O(FichaCadastralPJOut, fichaPJ) I(fonteFinanciamento) A(SisDiaIncidenciaOut, incidencias) \
  A(ItemAgregadoOut, itensAgregados) T(nomeCliente) T(observacao) I(origemVeiculo)          \
  T(pacoteBasico) T(pacoteOpcionais) T(placa) I(quantidadePortas)                           \
  A(ReceitaFinanceiraOut, receitasFinanceiras) T(telefoneCliente) T(tipoPessoa)             \
  T(tipoVeiculo) O(PropostaCreditoOut, ultimaPropostaCredito) T(valorEntradaEspecie)        \
  T(valorEntradaVU) T(valorNotaFiscal) T(valorTroco) T(valorVeiculo)

struct EnderecoOut {
  FIB_DECLARE_FIELDS(FIB_ENDERECO_OUT)
};
struct ConjugeOut {
  FIB_DECLARE_FIELDS(FIB_CONJUGE_OUT)
};
struct ReferenciaBancariaOut {
  FIB_DECLARE_FIELDS(FIB_REFERENCIA_BANCARIA)
};
struct ReferenciaPessoalOut {
  FIB_DECLARE_FIELDS(FIB_REFERENCIA_PESSOAL)
};
struct FornecedorOut {
  FIB_DECLARE_FIELDS(FIB_FORNECEDOR)
};
struct FichaCadastralPFOut {
  FIB_DECLARE_FIELDS(FIB_FICHA_PF_OUT)
};
struct FichaCadastralPJOut {
  FIB_DECLARE_FIELDS(FIB_FICHA_PJ_OUT)
};
struct VeiculoOut {
  FIB_DECLARE_FIELDS(FIB_VEICULO_OUT)
};
struct ItemAgregadoOut {
  FIB_DECLARE_FIELDS(FIB_ITEM_AGREGADO_OUT)
};
struct SisDiaIncidenciaOut {
  FIB_DECLARE_FIELDS(FIB_SIS_DIA_INCIDENCIA_OUT)
};
struct ReceitaFinanceiraOut {
  FIB_DECLARE_FIELDS(FIB_RECEITA_FINANCEIRA_OUT)
};
struct PropostaCreditoOut {
  FIB_DECLARE_FIELDS(FIB_PROPOSTA_CREDITO_OUT)
};
struct VendaCompletaOut {
  FIB_DECLARE_FIELDS(FIB_VENDA_COMPLETA_OUT)
};

// Arrays: sequences of the element type, one XML element per item.
using Array_Of_EnderecoIn = std::vector<EnderecoIn>;
using Array_Of_ReferenciaBancariaIn = std::vector<ReferenciaBancariaIn>;
using Array_Of_ReferenciaPessoalIn = std::vector<ReferenciaPessoalIn>;
using Array_Of_FornecedorIn = std::vector<FornecedorIn>;
using Array_Of_VeiculoOut = std::vector<VeiculoOut>;
using Array_Of_VendaCompletaOut = std::vector<VendaCompletaOut>;
using Array_Of_EnderecoOut = std::vector<EnderecoOut>;
using Array_Of_ReferenciaBancariaOut = std::vector<ReferenciaBancariaOut>;
using Array_Of_ReferenciaPessoalOut = std::vector<ReferenciaPessoalOut>;
using Array_Of_FornecedorOut = std::vector<FornecedorOut>;
using Array_Of_ItemAgregadoOut = std::vector<ItemAgregadoOut>;
using Array_Of_SisDiaIncidenciaOut = std::vector<SisDiaIncidenciaOut>;
using Array_Of_ReceitaFinanceiraOut = std::vector<ReceitaFinanceiraOut>;

// ---- Header and results ----
#define FIB_HEADER(T, I, O, A) T(dmsKey) T(idLoja) T(key)
struct FIHeader {
  FIB_DECLARE_FIELDS(FIB_HEADER)
};

// The element "message" is held in message_; statusCode 0 means success,
// any other value a refusal whose text is in message_.
#define FIB_RESULT(T, I, O, A) T(message_) I(statusCode)
struct FIResult {
  FIB_DECLARE_FIELDS(FIB_RESULT)
};

#define FIB_VENDAS_ABERTAS(T, I, O, A) A(VeiculoOut, vendas)
struct VendasAbertasResult : FIResult {
  FIB_DECLARE_FIELDS(FIB_VENDAS_ABERTAS)
};
#define FIB_FECHAMENTO_VENDA(T, I, O, A) A(VendaCompletaOut, vendas)
struct FechamentoVendaResult : FIResult {
  FIB_DECLARE_FIELDS(FIB_FECHAMENTO_VENDA)
};
#define FIB_STATUS_VENDA(T, I, O, A) I(statusVenda)
struct StatusVendaResult : FIResult {
  FIB_DECLARE_FIELDS(FIB_STATUS_VENDA)
};

// clang-format on

}  // namespace veiculo::fi_brasil
