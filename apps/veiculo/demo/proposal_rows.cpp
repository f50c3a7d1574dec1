// The demo dealer's sales: customers, their contacts, the salespeople with
// their users, and proposals in several situations with negotiations,
// payments, a trade-in and accessories; plus the dealer parameters the
// proposal workflow reads.
//
//   proposal  dealer  vehicle  situation                 contact  customer
//   5001      1       V1002    "2" approved by manager    801      30001 (trade-in over-allowance)
//   5002      1       V1002    "8" cancelled              802      30002
//   5003      2       V1003    "1" pending                803      30003
//   5004      1       V1004    "0" open, front cashier    804      30004
//   5005      2       V1005    "5" approved by F&I        805      30005 (vehicle reserved)
//   5006      2       V1004    "1" pending (rival of 5004) 806     30006
//
// 5004 and 5006 want the same vehicle: approving one rejects the other. The
// sales manager (user 1) may approve below the minimum price (function 322).
//
// Salespeople: 11 Carlos Eduardo Souza (user 2, head office), 12 Mariana
// Costa Lima (user 3, branch). No payment carries a payment condition and no
// salesperson a commission, so the costing figures of the demo vehicles stay
// those of a vehicle without proposal.

#include <string>

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/format/date_time.h"

namespace veiculo::demo {
namespace {

// The expense code under which a trade-in over-allowance is booked.
constexpr int kDespesaSobreAvaliacao = 90;

Value Moment(int year, int month, int day, int hour, int minute) {
  return Value::DateTime(platform::EncodeDateTime(year, month, day, hour, minute, 0));
}

void Execute(Connection& connection, const std::string& sql) {
  platform::SqlDataSet statement("sdsDemoProposta", &connection);
  statement.SetCommandText(sql);
  statement.ExecSQL();
}

void LoadCustomers(Connection& connection) {
  TableWriter clientes(connection, "FAT_CLIENTE",
                       {"CLIENTE", "NOME", "FISJUR", "UF_ENTREGA", "UF_COBRANCA", "ENDERECO_MALA",
                        "DDD_CELULAR", "CELULAR", "E_MAIL_CASA"});
  clientes.Insert({Int(30001), Txt("Roberto Nunes Barbosa"), Txt("F"), Txt("SP"), Txt("SP"), Int(1),
                   Int(11), Int(987650001), Txt("roberto.barbosa@example.com")});
  clientes.Insert({Int(30002), Txt("Fernanda Alves Rocha"), Txt("F"), Txt("SP"), Txt("SP"), Int(1),
                   Int(11), Int(987650002), Txt("fernanda.rocha@example.com")});
  clientes.Insert({Int(30003), Txt("Transportes Vale Verde Ltda"), Txt("J"), Txt("SP"), Txt("SP"),
                   Int(1), Int(19), Int(987650003), Null()});
  clientes.Insert({Int(30004), Txt("Lucas Martins Pereira"), Txt("F"), Txt("MG"), Txt("SP"), Int(2),
                   Int(11), Int(987650004), Null()});
  clientes.Insert({Int(30005), Txt("Beatriz Souza Carvalho"), Txt("F"), Txt("SP"), Txt("SP"),
                   Int(1), Int(19), Int(987650005), Txt("beatriz.carvalho@example.com")});
  clientes.Insert({Int(30006), Txt("Rafael Teixeira Gomes"), Txt("F"), Txt("SP"), Txt("SP"), Int(1),
                   Int(19), Int(987650006), Null()});
  // The head office is a customer of its own (courtesies it supplies) and so
  // is salesperson Carlos, found through his CPF.
  clientes.Insert({Int(30090), Txt("Centro Automotivo Paulista"), Txt("J"), Txt("SP"), Txt("SP"),
                   Int(1), Null(), Null(), Null()});
  clientes.Insert({Int(30091), Txt("Carlos Eduardo Souza"), Txt("F"), Txt("SP"), Txt("SP"), Int(1),
                   Int(11), Int(987650091), Null()});
  TableWriter pessoas(connection, "FAT_PESSOA_FISICA", {"CLIENTE", "CPF", "SEXO"});
  pessoas.Insert({Int(30091), Int(31415926535), Txt("M")});
  Execute(connection, "update GER_REVENDA set CLIENTE = 30090 where EMPRESA = 1 and REVENDA = 1");
}

void LoadSalespeople(Connection& connection) {
  TableWriter vendedores(connection, "FAT_VENDEDOR",
                         {"EMPRESA", "REVENDA", "VENDEDOR", "NOME", "USUARIO", "CPF"});
  vendedores.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(11), Txt("Carlos Eduardo Souza"),
                     Int(2), Int(31415926535)});
  vendedores.Insert(
      {Int(kEmpresa), Int(kRevendaFilial), Int(12), Txt("Mariana Costa Lima"), Int(3), Null()});
}

void LoadContacts(Connection& connection) {
  TableWriter contatos(
      connection, "CAC_CONTATO",
      {"EMPRESA", "REVENDA", "CONTATO", "CLIENTE", "DTA_CONTATO", "SITUACAO", "RESULTADO",
       "STATUS_LEADS", "DTA_FECHAMENTO", "USUARIO_ENCAMINHADO_ORIGINAL"});
  contatos.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(801), Int(30001),
                   Moment(2025, 3, 3, 9, 40), Txt("A"), Null(), Int(2), Null(), Int(2)});
  contatos.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(802), Int(30002),
                   Moment(2025, 3, 4, 14, 5), Txt("F"), Txt("P"), Int(6),
                   Moment(2025, 3, 12, 16, 30), Int(2)});
  contatos.Insert({Int(kEmpresa), Int(kRevendaFilial), Int(803), Int(30003),
                   Moment(2025, 3, 10, 11, 0), Txt("A"), Null(), Int(1), Null(), Int(3)});
  contatos.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(804), Int(30004),
                   Moment(2025, 3, 11, 10, 15), Txt("A"), Null(), Int(1), Null(), Int(2)});
  contatos.Insert({Int(kEmpresa), Int(kRevendaFilial), Int(805), Int(30005),
                   Moment(2025, 3, 6, 15, 20), Txt("A"), Null(), Int(2), Null(), Int(3)});
  contatos.Insert({Int(kEmpresa), Int(kRevendaFilial), Int(806), Int(30006),
                   Moment(2025, 3, 10, 16, 0), Txt("A"), Null(), Int(1), Null(), Int(3)});
  // The contact of the open proposal has a sale pending at the front cashier.
  TableWriter caixa(connection, "FAT_FRENTE_CAIXA", {"EMPRESA", "REVENDA", "CONTATO", "SITUACAO"});
  caixa.Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(804), Txt("P")});
}

void LoadProposalRows(Connection& connection) {
  TableWriter propostas(
      connection, "VEI_PROPOSTA",
      {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO_FINAL", "SITUACAO", "OBSERVACAO", "VENDEDOR",
       "VEICULO", "EMPRESA_VEICULO", "CONTATO", "TIPO_VENDA", "DTA_EMISSAO"});
  auto proposta = [&](int32_t revenda, int numero, Value negociacao, const char* situacao,
                      Value observacao, int vendedor, const char* veiculo, int contato,
                      Value emissao) {
    propostas.Insert({Int(kEmpresa), Int(revenda), Int(numero), negociacao, Txt(situacao),
                      observacao, Int(vendedor), Txt(veiculo), Int(kEmpresa), Int(contato),
                      Txt("N"), emissao});
  };
  proposta(kRevendaMatriz, 5001, Int(1), "2", Txt("Cliente entrega o usado na retirada"), 11,
           "V1002", 801, Moment(2025, 3, 3, 10, 30));
  proposta(kRevendaMatriz, 5002, Null(), "8", Null(), 11, "V1002", 802, Moment(2025, 3, 4, 14, 40));
  proposta(kRevendaFilial, 5003, Null(), "1", Txt("Frota: aguarda aprovação da diretoria"), 12,
           "V1003", 803, Moment(2025, 3, 10, 11, 30));
  proposta(kRevendaMatriz, 5004, Null(), "0", Null(), 11, "V1004", 804,
           Moment(2025, 3, 11, 10, 45));
  proposta(kRevendaFilial, 5005, Int(1), "5", Null(), 12, "V1005", 805, Moment(2025, 3, 6, 16, 0));
  // Issued before 5004, so that 5004 stays the proposal that holds V1004.
  proposta(kRevendaFilial, 5006, Null(), "1", Txt("Cliente quer a cor vermelha"), 12, "V1004", 806,
           Moment(2025, 3, 10, 16, 30));
}

void LoadNegotiations(Connection& connection) {
  TableWriter negociacoes(
      connection, "VEI_NEGOCIACAO",
      {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "VAL_VEICULO", "VAL_FRETE", "VAL_SEGURO",
       "VAL_DESCONTO", "APR_GERENCIAL", "USU_GERENCIAL", "DTA_APR_GERENCIAL", "STATUS",
       "ACEITE_CLIENTE", "ALIENACAO", "VAL_FINANCIADO", "APR_FINANCIAMENTO", "DTA_NEGOCIACAO"});
  auto negociacao = [&](int32_t revenda, int proposta, int numero, double veiculo, double desconto,
                        Value apr_gerencial, Value usuario, Value aprovada, const char* alienacao,
                        double financiado, Value apr_financiamento, int dia) {
    negociacoes.Insert({Int(kEmpresa), Int(revenda), Int(proposta), Int(numero), Num(veiculo),
                        Num(0), Num(0), Num(desconto), apr_gerencial, usuario, aprovada, Txt("N"),
                        Txt("S"), Txt(alienacao), Num(financiado), apr_financiamento,
                        Date(2025, 3, dia)});
  };
  // 5001: the customer first asked for 3.000,00 off (rejected), then took
  // 1.990,00 off with his used car in trade and a financing.
  negociacao(kRevendaMatriz, 5001, 1, 151990, 1990, Txt("A"), Int(1), Moment(2025, 3, 5, 17, 12),
             "S", 85000, Txt("A"), 5);
  negociacao(kRevendaMatriz, 5001, 2, 151990, 3000, Txt("R"), Int(1), Null(), "N", 0, Null(), 3);
  negociacao(kRevendaMatriz, 5002, 1, 151990, 0, Txt("R"), Int(1), Null(), "N", 0, Null(), 4);
  negociacao(kRevendaFilial, 5003, 1, 99900, 2400, Null(), Null(), Null(), "N", 0, Null(), 10);
  negociacao(kRevendaMatriz, 5004, 1, 86900, 0, Null(), Null(), Null(), "N", 0, Null(), 11);
  negociacao(kRevendaFilial, 5006, 1, 86900, 1500, Null(), Null(), Null(), "N", 0, Null(), 10);
  negociacao(kRevendaFilial, 5005, 1, 242900, 4900, Txt("A"), Int(1), Moment(2025, 3, 7, 9, 30),
             "S", 150000, Txt("A"), 6);
}

void LoadPayments(Connection& connection) {
  TableWriter pagamentos(
      connection, "VEI_PAGAMENTO",
      {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "NUMERO_PAGAMENTO", "VAL_PAGAMENTO",
       "DTA_VENCIMENTO", "SITUACAO", "IDENTIFICACAO", "DES_PAGAMENTO"});
  auto pagamento = [&](int32_t revenda, int proposta, int numero, double valor, int dia,
                       const char* identificacao, const char* descricao) {
    pagamentos.Insert({Int(kEmpresa), Int(revenda), Int(proposta), Int(1), Int(numero), Num(valor),
                       Date(2025, 3, dia), Txt("N"), Txt(identificacao), Txt(descricao)});
  };
  // 5001: 151.990,00 - 1.990,00 = 150.000,00 = 45.000,00 + 20.000,00 + 85.000,00.
  // The used car appraised at 43.500,00 was taken for 45.000,00.
  pagamento(kRevendaMatriz, 5001, 1, 45000, 5, "AV.0000301", "Usado na troca");
  pagamento(kRevendaMatriz, 5001, 2, 20000, 5, "DINHEIRO", "Entrada");
  pagamento(kRevendaMatriz, 5001, 3, 85000, 20, "FINANCIAMENTO", "Financiamento 48x");
  // 5003: 99.900,00 - 2.400,00 = 97.500,00 by bank transfer.
  pagamento(kRevendaFilial, 5003, 1, 97500, 20, "TED", "Transferência bancária");
  // 5004: 86.900,00 in cash.
  pagamento(kRevendaMatriz, 5004, 1, 86900, 14, "DINHEIRO", "À vista");
  // 5005: 242.900,00 - 4.900,00 = 238.000,00 = 88.000,00 + 150.000,00.
  pagamento(kRevendaFilial, 5005, 1, 88000, 7, "DINHEIRO", "Entrada");
  pagamento(kRevendaFilial, 5005, 2, 150000, 21, "FINANCIAMENTO", "Financiamento 60x");

  TableWriter avaliacoes(connection, "VEI_AVALIACAO",
                         {"EMPRESA", "AVALIACAO", "SITUACAO", "DTA_VALIDADE", "VAL_AVALIACAO",
                          "ANO_FABRICACAO", "PLACA"});
  avaliacoes.Insert({Int(kEmpresa), Int(301), Txt("A"), Date(2025, 3, 31), Num(43500), Int(2020),
                     Txt("EZT4H21")});
}

void LoadAccessories(Connection& connection) {
  TableWriter acessorios(connection, "VEI_ACESSORIO", {"EMPRESA", "ACESSORIO", "DES_ACESSORIO"});
  acessorios.Insert({Int(kEmpresa), Int(1), Txt("Tapetes de borracha")});
  acessorios.Insert({Int(kEmpresa), Int(2), Txt("Película solar")});
  acessorios.Insert({Int(kEmpresa), Int(3), Txt("Engate reboque")});
  TableWriter escolhidos(
      connection, "VEI_ACESSORIO_NEGOCIACAO",
      {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "ACESSORIO", "VAL_ACESSORIO", "SOMAR"});
  // Mats are a courtesy (not added to the price); the film is charged.
  escolhidos.Insert(
      {Int(kEmpresa), Int(kRevendaMatriz), Int(5001), Int(1), Int(1), Num(350), Txt("N")});
  escolhidos.Insert(
      {Int(kEmpresa), Int(kRevendaMatriz), Int(5001), Int(1), Int(2), Num(890), Txt("S")});
  escolhidos.Insert(
      {Int(kEmpresa), Int(kRevendaFilial), Int(5005), Int(1), Int(3), Num(2150), Txt("S")});
}

// The vehicles' stock situations, the proposal workflow's parameters and the
// reservation of the vehicle approved by F&I.
void LoadWorkflowSettings(Connection& connection) {
  // Other parts of the demo may already know the situations: update or insert.
  Execute(connection,
          "update or insert into VEI_SITUACAO (EMPRESA, SITUACAO, LOCALIZACAO, DISP_VENDA) "
          "values (1, 'ESTOQUE', 'E', 'S') matching (EMPRESA, SITUACAO)");
  Execute(connection,
          "update or insert into VEI_SITUACAO (EMPRESA, SITUACAO, LOCALIZACAO, DISP_VENDA) "
          "values (1, 'VENDIDO', 'V', 'N') matching (EMPRESA, SITUACAO)");
  TableWriter despesas(connection, "VEI_DESPESA", {"EMPRESA", "DESPESA", "SINAL", "INDICE"});
  despesas.Insert({Int(kEmpresa), Int(kDespesaSobreAvaliacao), Txt("-"), Null()});
  // Contacts are logged as showroom visits (form 1); the head office books
  // over-allowances and extends reservations by 24 hours on F&I approval.
  Execute(connection, "update VEI_PARAMETRO set FORMA_CONTATO = 1, DIF_AVALIACAO_SAIDA = " +
                          std::to_string(kDespesaSobreAvaliacao) + " where EMPRESA = 1");
  Execute(connection,
          "update VEI_PARAMETRO set RESERVA_PROCESSOS = 'S', TEMPO_RESERVA_APROVOU_FI = 24 "
          "where EMPRESA = 1 and REVENDA = 1");
  Execute(connection,
          "update VEI_VEICULO set RESERVADO = 'S', CLIENTE_RESERVA = 30005, "
          "EMPRESA_VENDEDOR_RESERVA = 1, REVENDA_VENDEDOR_RESERVA = 2, VENDEDOR_RESERVA = 12, "
          "DTA_RESERVA = '2025-03-07', DTA_FIM_RESERVA = '2025-03-10 09:30:00' "
          "where EMPRESA = 1 and VEICULO = 'V1005'");
  TableWriter direitos(connection, "GER_FUNCAO_USUARIO", {"USUARIO", "FUNCAO"});
  direitos.Insert({Int(1), Int(322)});
}

}  // namespace

void LoadProposals(Connection& connection) {
  LoadCustomers(connection);
  LoadSalespeople(connection);
  LoadContacts(connection);
  LoadProposalRows(connection);
  LoadNegotiations(connection);
  LoadPayments(connection);
  LoadAccessories(connection);
  LoadWorkflowSettings(connection);
}

}  // namespace veiculo::demo
