// Synthetic stock for benchmarks: many new vehicles over the demo models.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/db/sql_dataset.h"
#include "veiculo/error.h"

namespace veiculo::demo {
namespace {

// Synthetic vehicles already in the database, so that a second load goes on numbering.
int SyntheticCount(Connection& connection) {
  platform::SqlDataSet count("sdsDemoContagem", &connection);
  count.SetCommandText(
      "select count(*) N from VEI_VEICULO where EMPRESA = :Empresa and VEICULO starting with 'S'");
  count.ParamByName("Empresa").SetAsInteger(kEmpresa);
  count.Open();
  return static_cast<int>(count.FieldByName("N").AsInteger());
}

}  // namespace

void LoadSyntheticVehicles(Connection& connection, int count) {
  if (count < 0)
    throw Error(ErrorCategory::Validation,
                "the number of synthetic vehicles cannot be negative: " + std::to_string(count));
  static const char kPaints[] = {'S', 'M', 'P', 'E'};
  static const char* kColours[] = {"Branco", "Prata", "Preto", "Cinza", "Vermelho", "Azul"};
  const std::vector<DemoModel>& models = DemoModels();
  const int first = SyntheticCount(connection) + 1;
  VehicleWriter writer(connection);
  for (int n = first; n < first + count; ++n) {
    const DemoModel& model = models[static_cast<size_t>(n) % models.size()];
    std::string code = std::to_string(n);
    code.insert(0, code.size() < 6 ? 6 - code.size() : 0, '0');
    VehicleSpec v;
    v.veiculo = "S" + code;
    v.modelo = model.modelo;
    // Plant 'S' keeps the serials apart from the fixed demo vehicles'.
    v.chassi = Chassis(model.vds, 2025, 'S', n);
    v.revenda_origem = n % 2 == 0 ? kRevendaMatriz : kRevendaFilial;
    v.tipo_pintura = kPaints[n % 4];
    v.cor = kColours[n % 6];
    v.portas = model.portas;
    v.edicao = model.edicao;
    v.val_compra = 60000 + (n % 50) * 1000;
    v.dta_fat_fabrica = Date(2025, 1 + n % 6, 1 + n % 28);
    v.dta_entrada = Date(2025, 1 + n % 6, 1 + n % 28);
    writer.Write(v);
  }
  LoadSyntheticValueSources(connection);
}

}  // namespace veiculo::demo
