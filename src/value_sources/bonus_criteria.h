#pragma once
// Whether one of the maker's bonuses (a row of cdsBonus) applies to a vehicle.
//
// A bonus row restricts the vehicle by its own columns (years, doors, the
// purchase, sale and production windows; a null column restricts nothing) and
// by its criteria tables: the optionals it requires (or, with VALIDA_TOD_OPC
// "S", the exact set of optionals the vehicle must have), the optionals it
// excludes, and the packages, editions and origin dealers it is limited to
// (an empty list limits nothing). The vehicle itself must exist.
//
// What the vehicle has (its optionals, its origin dealer) is read once per
// check run and only when a bonus gets as far as needing it; each criteria
// table is read only when the checks before it have passed.

#include <cstdint>
#include <optional>
#include <set>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo::platform {
class ClientDataSet;
}

namespace veiculo::value_sources {

// The vehicle as the caller describes it; dates are day serials without time.
struct BonusVehicle {
  int32_t empresa = 0;
  std::string veiculo;
  std::string chassi;
  std::string modelo;
  std::string edicao;
  std::string pacote;
  int32_t ano_fabricacao = 0;
  int32_t ano_modelo = 0;
  int32_t portas = 0;
  double compra = 0;
  double venda = 0;
  std::optional<double> producao;  // absent when the follow-up record has none
};

class BonusCriteria {
 public:
  BonusCriteria(TddmVeiculoCompartilhadoBDImpl& dm, BonusVehicle vehicle)
      : dm_(dm), vehicle_(std::move(vehicle)) {}

  // Whether the current row of `bonus` applies to the vehicle.
  bool Applies(platform::ClientDataSet& bonus);

 private:
  struct Origin {
    bool exists = false;
    std::optional<int64_t> revenda;
  };

  bool ColumnsMatch(platform::ClientDataSet& bonus) const;
  bool RequiredOptionalsPresent(int64_t bonus, bool exact_set);
  bool ExcludedOptionalsAbsent(int64_t bonus);
  bool PackageListed(int64_t bonus);
  bool EditionListed(int64_t bonus);
  bool OriginDealerListed(int64_t bonus);

  const std::set<std::string>& VehicleOptionals();
  const Origin& VehicleOrigin();

  TddmVeiculoCompartilhadoBDImpl& dm_;
  const BonusVehicle vehicle_;
  std::optional<std::set<std::string>> optionals_;
  std::optional<Origin> origin_;
};

}  // namespace veiculo::value_sources
