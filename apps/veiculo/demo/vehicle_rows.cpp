// The fixed demo vehicles with their workshop follow-up records, and the
// writer that the synthetic vehicles share.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"

namespace veiculo::demo {

std::string Chassis(const std::string& vds, int ano_modelo, char plant, int serial) {
  // Model-year letters from 2010 on (I, O, Q, U and Z are not used).
  static const char kYears[] = "ABCDEFGHJKLMNPRSTVWXY";
  const int index = ano_modelo - 2010;
  const char year = index >= 0 && index < 21 ? kYears[index] : '0';
  std::string serial_text = std::to_string(serial % 1000000);
  serial_text.insert(0, 6 - serial_text.size(), '0');
  return "9ZX" + vds.substr(0, 5) + "0" + year + plant + serial_text;
}

VehicleWriter::VehicleWriter(Connection& connection)
    : vehicles_(connection, "VEI_VEICULO",
                {"EMPRESA", "VEICULO", "FORMULA", "MODELO", "CHASSI", "REVENDA_ORIGEM", "SITUACAO",
                 "NOVO_USADO", "COR", "DTA_ENTRADA", "DTA_FAT_FABRICA", "DTA_INICIO_CORRECAO",
                 "VAL_COMPRA", "PRECO_CONCESSIONARIA"}),
      records_(connection, "OFI_FICHA_SEGUIMENTO",
               {"CHASSI", "EMPRESA", "MODELO", "ANO_FABRICACAO", "ANO_MODELO", "PORTAS",
                "TIPO_PINTURA", "EDICAO", "PLACA", "COMBUSTIVEL"}) {}

void VehicleWriter::Write(const VehicleSpec& v) {
  vehicles_.Insert({Int(kEmpresa), Txt(v.veiculo), Txt(v.formula), Txt(v.modelo), Txt(v.chassi),
                    Int(v.revenda_origem), Txt("ESTOQUE"), Txt(std::string(1, v.novo_usado)),
                    Txt(v.cor), v.dta_entrada, v.dta_fat_fabrica, v.dta_fat_fabrica,
                    Num(v.val_compra),
                    v.preco_concessionaria > 0 ? Num(v.preco_concessionaria) : Null()});
  records_.Insert({Txt(v.chassi), Int(kEmpresa), Txt(v.modelo), Int(v.ano_fabricacao),
                   Int(v.ano_modelo), Int(v.portas), Txt(std::string(1, v.tipo_pintura)),
                   v.edicao.empty() ? Null() : Txt(v.edicao),
                   v.placa.empty() ? Null() : Txt(v.placa), Txt("F")});
}

void LoadVehicles(Connection& connection) {
  VehicleWriter writer(connection);
  auto vehicle = [](const char* code, const char* modelo, const char* vds, int serial,
                    int32_t revenda, char pintura, const char* cor, const char* edicao,
                    double val_compra, int entry_day) {
    VehicleSpec v;
    v.veiculo = code;
    v.modelo = modelo;
    v.chassi = Chassis(vds, 2025, 'B', serial);
    v.revenda_origem = revenda;
    v.tipo_pintura = pintura;
    v.cor = cor;
    v.edicao = edicao;
    v.val_compra = val_compra;
    v.dta_fat_fabrica = Date(2025, 1, entry_day - 3);
    v.dta_entrada = Date(2025, 1, entry_day);
    return v;
  };
  // V1001: the head office's price row (81.290,00) with its metallic paint
  // (1.950,00), not the model's (79.990,00 and 1.890,00).
  writer.Write(vehicle(kDemoVehicle, "HATCH10", "HB10L", 104311, kRevendaMatriz, 'M',
                       "Prata Metálico", "2025", 68900, 15));
  writer.Write(vehicle("V1002", "SUV13T", "SV13T", 208544, kRevendaMatriz, 'P', "Branco Perolizado",
                       "2025", 129400, 20));
  writer.Write(vehicle("V1003", "SEDAN16", "SD16Z", 311207, kRevendaFilial, 'S', "Branco Sólido",
                       "", 97300, 22));
  writer.Write(vehicle("V1004", "HATCH16", "HB16N", 155873, kRevendaMatriz, 'E',
                       "Vermelho Especial", "", 84700, 27));
  writer.Write(vehicle("V1005", "PICK22", "PK22D", 402118, kRevendaFilial, 'M', "Cinza Grafite",
                       "2025", 206100, 29));
  // A used hatch taken in trade: its own formula, a plate, the dealer's price.
  VehicleSpec used = vehicle("V1006", "HATCH10", "HB10L", 1587, kRevendaMatriz, 'S', "Preto Sólido",
                             "", 52000, 10);
  used.chassi = Chassis("HB10L", 2022, 'B', 1587);
  used.novo_usado = 'U';
  used.formula = "USADOS";
  used.ano_fabricacao = 2021;
  used.ano_modelo = 2022;
  used.placa = "FQA2C31";
  used.preco_concessionaria = 61900;
  used.dta_fat_fabrica = Date(2021, 9, 14);
  used.dta_entrada = Date(2025, 2, 10);
  writer.Write(used);
}

}  // namespace veiculo::demo
