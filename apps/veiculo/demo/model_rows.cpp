// The demo models: registry prices and paint surcharges, the head office's
// and the branch's own price rows, and the editions of the current model year.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"

namespace veiculo::demo {
namespace {

struct ModelRow {
  const char* modelo;
  const char* descricao;
  int familia;
  double preco_publico;
  double pintura_s, pintura_m, pintura_p, pintura_e;  // solid, metallic, pearl, special
  double frete_venda, val_seguro, custo, preco_minimo, per_preco_minimo, desconto_maximo;
};

// Price rows of a dealer; a null paint value falls back to the model's.
struct PriceRow {
  const char* modelo;
  int32_t revenda;
  double preco_publico;
  Value pintura_s, pintura_m, pintura_p, pintura_e;
};

const ModelRow kModels[] = {
    {"HATCH10", "Hatch 1.0 Life Manual", 1, 79990, 0, 1890, 2490, 3200, 1450, 380, 68500, 76000,
     3.5, 5},
    {"HATCH16", "Hatch 1.6 Intense CVT", 1, 98490, 0, 1890, 2490, 3200, 1450, 420, 84200, 93500,
     3.5, 5},
    {"SEDAN16", "Sedã 1.6 Zen CVT", 2, 112900, 0, 2100, 2690, 3400, 1590, 460, 96800, 107000, 4, 5},
    {"SUV13T", "SUV 1.3 Turbo Iconic", 3, 149990, 0, 2390, 2990, 3900, 1790, 560, 128900, 142500, 4,
     4},
    {"PICK22", "Picape 2.2 Diesel 4x4", 4, 239900, 0, 2690, 3390, 4500, 2190, 780, 205300, 228000,
     4.5, 3},
};

void LoadModelRows(Connection& connection) {
  TableWriter modelos(
      connection, "VEI_MODELO",
      {"EMPRESA", "MODELO", "DES_MODELO", "FAMILIA", "PRECO_PUBLICO", "VAL_PINTURA_S",
       "VAL_PINTURA_M", "VAL_PINTURA_P", "VAL_PINTURA_E", "FRETE_VENDA", "VAL_SEGURO", "CUSTO",
       "PRECO_MINIMO_COMERCIALIZACAO", "PER_PRECO_MINIMO", "DESCONTO_MAXIMO"});
  for (const ModelRow& m : kModels)
    modelos.Insert({Int(kEmpresa), Txt(m.modelo), Txt(m.descricao), Int(m.familia),
                    Num(m.preco_publico), Num(m.pintura_s), Num(m.pintura_m), Num(m.pintura_p),
                    Num(m.pintura_e), Num(m.frete_venda), Num(m.val_seguro), Num(m.custo),
                    Num(m.preco_minimo), Num(m.per_preco_minimo), Num(m.desconto_maximo)});
}

void LoadPriceRows(Connection& connection) {
  const PriceRow rows[] = {
      {"HATCH10", kRevendaMatriz, 81290, Num(0), Num(1950), Num(2590), Num(3290)},
      {"SUV13T", kRevendaMatriz, 152490, Num(0), Num(2390), Num(3090), Num(3990)},
      {"SEDAN16", kRevendaFilial, 114400, Num(0), Num(2100), Num(2690), Null()},
  };
  TableWriter precos(connection, "VEI_MODELO_PRECO",
                     {"EMPRESA", "MODELO", "REVENDA", "PRECO_PUBLICO", "VAL_PINTURA_S",
                      "VAL_PINTURA_M", "VAL_PINTURA_P", "VAL_PINTURA_E"});
  for (const PriceRow& p : rows)
    precos.Insert({Int(kEmpresa), Txt(p.modelo), Int(p.revenda), Num(p.preco_publico), p.pintura_s,
                   p.pintura_m, p.pintura_p, p.pintura_e});
}

void LoadEditions(Connection& connection) {
  TableWriter edicoes(connection, "VEI_MODELO_EDICAO",
                      {"EMPRESA", "MODELO", "EDICAO", "ANO_MODELO", "PRECO_PUBLICO",
                       "VAL_PINTURA_S", "VAL_PINTURA_M", "VAL_PINTURA_P", "VAL_PINTURA_E"});
  edicoes.Insert({Int(kEmpresa), Txt("HATCH10"), Txt("2025"), Int(2025), Num(81990), Null(), Null(),
                  Null(), Null()});
  edicoes.Insert({Int(kEmpresa), Txt("SUV13T"), Txt("2025"), Int(2025), Num(151990), Null(), Null(),
                  Null(), Null()});
  edicoes.Insert({Int(kEmpresa), Txt("SUV13T"), Txt("OUTDOOR"), Int(2025), Num(158990), Num(0),
                  Num(2490), Num(3190), Num(4200)});
  edicoes.Insert({Int(kEmpresa), Txt("PICK22"), Txt("2025"), Int(2025), Num(242900), Null(), Null(),
                  Null(), Null()});
}

}  // namespace

const std::vector<DemoModel>& DemoModels() {
  static const std::vector<DemoModel> models = {
      {"HATCH10", "HB10L", 4, "2025"}, {"HATCH16", "HB16N", 4, ""},    {"SEDAN16", "SD16Z", 4, ""},
      {"SUV13T", "SV13T", 4, "2025"},  {"PICK22", "PK22D", 4, "2025"},
  };
  return models;
}

void LoadModels(Connection& connection) {
  LoadModelRows(connection);
  LoadPriceRows(connection);
  LoadEditions(connection);
}

}  // namespace veiculo::demo
