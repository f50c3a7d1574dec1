// What the intermediate stock list needs of the demo dealer: the model
// families with their stock-age colour bands, and one maker order in the
// pipeline of the head office.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"

namespace veiculo::demo {

void LoadStockList(Connection& connection) {
  TableWriter familias(connection, "VEI_FAMILIA",
                       {"EMPRESA", "FAMILIA", "MARCA", "DES_FAMILIA", "QTD_DIAS_INI_VERDE",
                        "QTD_DIAS_FIM_VERDE", "QTD_DIAS_INI_AZUL", "QTD_DIAS_FIM_AZUL",
                        "QTD_DIAS_INI_CINZA", "QTD_DIAS_FIM_CINZA", "QTD_DIAS_INI_VERMELHO",
                        "QTD_DIAS_FIM_VERMELHO", "QTD_DIAS_INI_PRETO", "QTD_DIAS_FIM_PRETO"});
  // Days in stock: green up to a month, blue up to two, grey up to three,
  // red up to half a year, black beyond; the pick-ups turn over more slowly.
  const struct {
    int familia;
    const char* descricao;
    int verde, azul, cinza, vermelho;
  } kFamilias[] = {{1, "Hatch", 30, 60, 90, 180},
                   {2, "Sedã", 30, 60, 90, 180},
                   {3, "SUV", 30, 60, 90, 180},
                   {4, "Picape", 45, 90, 120, 240}};
  for (const auto& f : kFamilias)
    familias.Insert({Int(kEmpresa), Int(f.familia), Txt("RENA"), Txt(f.descricao), Int(0),
                     Int(f.verde), Int(f.verde + 1), Int(f.azul), Int(f.azul + 1), Int(f.cinza),
                     Int(f.cinza + 1), Int(f.vermelho), Int(f.vermelho + 1), Int(99999)});
  TableWriter pedidos(connection, "VEI_PEDIDO",
                      {"PEDIDO", "EMPRESA", "REVENDA", "MODELO", "SITUACAO", "TIPO_PEDIDO",
                       "CHASSI", "PEDIDO_FABRICA", "DTA_PROVAVEL"});
  pedidos.Insert({Int(7001), Int(kEmpresa), Int(kRevendaMatriz), Txt("HATCH16"), Int(1), Txt("N"),
                  Txt(Chassis("HB16N", 2025, 'B', 160001)), Txt("FP-2025-0311"),
                  Date(2025, 4, 10)});
}

}  // namespace veiculo::demo
