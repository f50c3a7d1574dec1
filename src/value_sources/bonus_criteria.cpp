// The criteria of one bonus checked against a vehicle; see bonus_criteria.h.

#include "value_sources/bonus_criteria.h"

#include <algorithm>
#include <string>

#include "platform/db/client_dataset.h"
#include "platform/format/date_time.h"

namespace veiculo::value_sources {
namespace {

// The non-null values of `column` in a criteria list of one bonus, and
// whether the list has rows at all (a row with a null value still makes a
// list, one that nothing matches).
struct CriteriaList {
  bool empty = true;
  std::set<std::string> values;
};

CriteriaList ReadList(platform::ClientDataSet& list, int32_t empresa, int64_t bonus,
                      const std::string* modelo, const char* column) {
  list.Close();
  list.ParamByName("Empresa").SetAsInteger(empresa);
  list.ParamByName("Bonus").SetAsInteger(bonus);
  if (modelo) list.ParamByName("Modelo").SetAsText(*modelo);
  list.Open();
  CriteriaList result;
  result.empty = list.IsEmpty();
  for (list.First(); !list.Eof(); list.Next()) {
    const platform::Field field = list.FieldByName(column);
    if (!field.IsNull()) result.values.insert(field.AsText());
  }
  list.Close();
  return result;
}

// A criterion column that is null restricts nothing.
bool EqualsWhenSet(platform::ClientDataSet& bonus, const char* column, int32_t value) {
  const platform::Field field = bonus.FieldByName(column);
  return field.IsNull() || field.AsInteger() == value;
}

// A window bound that is null restricts nothing; a set bound needs a date.
bool WithinWhenSet(platform::ClientDataSet& bonus, const char* inicio, const char* fim,
                   std::optional<double> date) {
  const platform::Field from = bonus.FieldByName(inicio);
  const platform::Field to = bonus.FieldByName(fim);
  if (from.IsNull() && to.IsNull()) return true;
  if (!date) return false;
  if (!from.IsNull() && platform::DateOf(from.AsDateTime()) > *date) return false;
  if (!to.IsNull() && *date > platform::DateOf(to.AsDateTime())) return false;
  return true;
}

}  // namespace

bool BonusCriteria::Applies(platform::ClientDataSet& bonus) {
  if (!ColumnsMatch(bonus)) return false;
  const int64_t code = bonus.FieldByName("BONUS").AsInteger();
  const std::string valida_todos = bonus.FieldByName("VALIDA_TOD_OPC").AsText();
  const bool exact_set = !(valida_todos.empty() || valida_todos == "N");
  // A vehicle that does not exist qualifies for nothing.
  return VehicleOrigin().exists && RequiredOptionalsPresent(code, exact_set) &&
         ExcludedOptionalsAbsent(code) && PackageListed(code) && EditionListed(code) &&
         OriginDealerListed(code);
}

bool BonusCriteria::ColumnsMatch(platform::ClientDataSet& bonus) const {
  return EqualsWhenSet(bonus, "ANO_FABRICACAO", vehicle_.ano_fabricacao) &&
         EqualsWhenSet(bonus, "ANO_MODELO", vehicle_.ano_modelo) &&
         EqualsWhenSet(bonus, "PORTAS", vehicle_.portas) &&
         WithinWhenSet(bonus, "DTA_COMPRA_INICIO", "DTA_COMPRA_FIM", vehicle_.compra) &&
         WithinWhenSet(bonus, "DTA_VENDA_INICIO", "DTA_VENDA_FIM", vehicle_.venda) &&
         WithinWhenSet(bonus, "DTA_PRODUCAO_INICIO", "DTA_PRODUCAO_FIM", vehicle_.producao);
}

// Optionals are compared as sets: an optional listed twice (on the vehicle or
// on the bonus) is still one optional.
bool BonusCriteria::RequiredOptionalsPresent(int64_t bonus, bool exact_set) {
  const CriteriaList required =
      ReadList(*dm_.cdsBonusOpcional, vehicle_.empresa, bonus, &vehicle_.modelo, "OPCIONAL");
  if (!exact_set && required.values.empty()) return true;
  const std::set<std::string>& fitted = VehicleOptionals();
  if (exact_set) return !fitted.empty() && fitted == required.values;
  return std::includes(fitted.begin(), fitted.end(), required.values.begin(),
                       required.values.end());
}

bool BonusCriteria::ExcludedOptionalsAbsent(int64_t bonus) {
  const CriteriaList excluded =
      ReadList(*dm_.cdsBonusOpcionalSem, vehicle_.empresa, bonus, &vehicle_.modelo, "OPCIONAL");
  if (excluded.empty) return true;
  const std::set<std::string>& fitted = VehicleOptionals();
  return std::none_of(excluded.values.begin(), excluded.values.end(),
                      [&](const std::string& opcional) { return fitted.count(opcional) > 0; });
}

bool BonusCriteria::PackageListed(int64_t bonus) {
  const CriteriaList pacotes =
      ReadList(*dm_.cdsBonusPacote, vehicle_.empresa, bonus, nullptr, "PACOTE");
  return pacotes.empty || pacotes.values.count(vehicle_.pacote) > 0;
}

bool BonusCriteria::EditionListed(int64_t bonus) {
  const CriteriaList edicoes =
      ReadList(*dm_.cdsBonusEdicao, vehicle_.empresa, bonus, nullptr, "EDICAO");
  return edicoes.empty || edicoes.values.count(vehicle_.edicao) > 0;
}

bool BonusCriteria::OriginDealerListed(int64_t bonus) {
  const CriteriaList revendas =
      ReadList(*dm_.cdsBonusRevenda, vehicle_.empresa, bonus, nullptr, "REVENDA");
  if (revendas.empty) return true;
  const Origin& origin = VehicleOrigin();
  return origin.revenda && revendas.values.count(std::to_string(*origin.revenda)) > 0;
}

const std::set<std::string>& BonusCriteria::VehicleOptionals() {
  if (!optionals_) {
    platform::ClientDataSet& opcionais = *dm_.cdsBonusOpcVei;
    opcionais.Close();
    opcionais.ParamByName("chassi").SetAsText(vehicle_.chassi);
    opcionais.ParamByName("modelo").SetAsText(vehicle_.modelo);
    opcionais.Open();
    optionals_.emplace();
    for (opcionais.First(); !opcionais.Eof(); opcionais.Next()) {
      const platform::Field field = opcionais.FieldByName("OPCIONAL");
      if (!field.IsNull()) optionals_->insert(field.AsText());
    }
    opcionais.Close();
  }
  return *optionals_;
}

const BonusCriteria::Origin& BonusCriteria::VehicleOrigin() {
  if (!origin_) {
    platform::ClientDataSet& veiculo = *dm_.cdsRevendaOrigem;
    veiculo.Close();
    veiculo.ParamByName("Empresa").SetAsInteger(vehicle_.empresa);
    veiculo.ParamByName("Veiculo").SetAsText(vehicle_.veiculo);
    veiculo.Open();
    origin_.emplace();
    origin_->exists = !veiculo.IsEmpty();
    if (origin_->exists && !veiculo.FieldByName("REVENDA_ORIGEM").IsNull())
      origin_->revenda = veiculo.FieldByName("REVENDA_ORIGEM").AsInteger();
    veiculo.Close();
  }
  return *origin_;
}

}  // namespace veiculo::value_sources
