// A proposal of the demo dealer for the salesperson to reject: 5201, pending,
// for a vehicle still to be chosen (none of the stock vehicles, whose
// listings stay as they are), with one negotiation, its payment, the
// contact's first action (a showroom visit) and the delivery booked.
//
//   proposal  dealer  vehicle  situation     contact  customer  salesperson
//   5201      1       (none)   "1" pending   8201     30201     11 (user 2)

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/format/date_time.h"

namespace veiculo::demo {
namespace {

Value Moment(int year, int month, int day, int hour, int minute) {
  return Value::DateTime(platform::EncodeDateTime(year, month, day, hour, minute, 0));
}

}  // namespace

void LoadRejectionDemo(Connection& connection) {
  TableWriter(connection, "FAT_CLIENTE", {"CLIENTE", "NOME", "FISJUR", "UF_ENTREGA"})
      .Insert({Int(30201), Txt("Paulo Henrique Teixeira"), Txt("F"), Txt("SP")});
  TableWriter(connection, "CAC_CONTATO",
              {"EMPRESA", "REVENDA", "CONTATO", "CLIENTE", "DTA_CONTATO", "SITUACAO",
               "STATUS_LEADS", "USUARIO_ENCAMINHADO_ORIGINAL"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(8201), Int(30201),
               Moment(2025, 3, 12, 9, 10), Txt("A"), Int(1), Int(2)});
  TableWriter(connection, "CAC_PROVIDENCIA",
              {"EMPRESA", "REVENDA", "CONTATO", "PROVIDENCIA", "USUARIO", "FORMA_CONTATO",
               "TIPO_PROVIDENCIA", "DTA_PROVIDENCIA", "DES_PROVIDENCIA"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(8201), Int(1), Int(2), Int(1), Txt("C"),
               Moment(2025, 3, 12, 9, 10), Txt("VISITA AO SHOWROOM")});
  TableWriter(connection, "VEI_PROPOSTA",
              {"EMPRESA", "REVENDA", "PROPOSTA", "SITUACAO", "VENDEDOR", "VEICULO",
               "EMPRESA_VEICULO", "CONTATO", "TIPO_VENDA", "DTA_EMISSAO"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5201), Txt("1"), Int(11), Null(), Null(),
               Int(8201), Txt("N"), Moment(2025, 3, 12, 9, 40)});
  TableWriter(connection, "VEI_NEGOCIACAO",
              {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "VAL_VEICULO", "VAL_DESCONTO",
               "STATUS", "DTA_NEGOCIACAO"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5201), Int(1), Num(64900), Num(900),
               Txt("N"), Date(2025, 3, 12)});
  // 64.900,00 - 900,00 = 64.000,00 in cash.
  TableWriter(connection, "VEI_PAGAMENTO",
              {"EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO", "NUMERO_PAGAMENTO", "VAL_PAGAMENTO",
               "DTA_VENCIMENTO", "SITUACAO", "IDENTIFICACAO", "DES_PAGAMENTO"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5201), Int(1), Int(1), Num(64000),
               Date(2025, 3, 20), Txt("N"), Txt("DINHEIRO"), Txt("À vista na entrega")});
  TableWriter(connection, "VEI_AGENDA_ENTREGA",
              {"EMPRESA", "REVENDA", "PROPOSTA", "VEICULO", "DTA_ENTREGA_REAL"})
      .Insert({Int(kEmpresa), Int(kRevendaMatriz), Int(5201), Null(), Moment(2025, 3, 20, 10, 0)});
}

}  // namespace veiculo::demo
