// The maker's bonuses a vehicle qualifies for (BuscaDadosBonus).
//
// The bonuses of the model whose purchase, sale and production windows hold
// the vehicle's dates come from cdsBonus, ordered by bonus group and, when a
// group is asked for, restricted to it. Each one is checked against the
// vehicle (bonus_criteria.h); every bonus that applies counts, the group only
// orders and selects. The answer depends on pfTipo:
//   1  the total of their values, as number text ("1500,5"; "0" for none);
//   2  the notice number of the first one;
//   3  their notice numbers, one a line (CR LF between them), skipping the
//      bonuses without one;
//   4  "bonus;group;notice;value§" per bonus, the value as "#0.00".

#include <optional>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "value_sources/bonus_criteria.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

constexpr char kLineBreak[] = "\r\n";
constexpr char kEntryEnd[] = "\xC2\xA7";  // "§"

double ParseDate(const std::string& text, const char* parameter) {
  double date = 0;
  if (!platform::TryStrToDate(text, date))
    throw Error(ErrorCategory::Validation,
                std::string("BuscaDadosBonus: ") + parameter + " '" + text + "' is not a date");
  return date;
}

// The production date of the chassis, without its time; absent when the
// chassis has no follow-up record or the record no date.
std::optional<double> ProductionDate(platform::SqlDataSet& query, const std::string& chassi) {
  query.Close();
  query.SetCommandText("select DTA_PRODUCAO from OFI_FICHA_SEGUIMENTO where CHASSI = '" +
                       platform::QuoteDoubled(chassi) + "'");
  query.Open();
  std::optional<double> date;
  if (!query.IsEmpty() && !query.FieldByName("DTA_PRODUCAO").IsNull())
    date = platform::DateOf(query.FieldByName("DTA_PRODUCAO").AsDateTime());
  query.Close();
  return date;
}

// Collects the answer of one result type from the bonuses that apply.
class BonusAnswer {
 public:
  explicit BonusAnswer(int32_t tipo) : tipo_(tipo) {}

  // Takes a bonus that applies; false when the answer is complete.
  bool Take(platform::ClientDataSet& bonus) {
    const platform::Field comunicado = bonus.FieldByName("NRO_COMUNICADO");
    switch (tipo_) {
      case 1:
        total_ += bonus.FieldByName("VAL_BONUS").AsFloat();
        return true;
      case 2:
        text_ = comunicado.AsText();
        return false;
      case 3:
        if (!comunicado.IsNull()) {
          if (any_notice_) text_ += kLineBreak;
          text_ += comunicado.AsText();
          any_notice_ = true;
        }
        return true;
      default:
        text_ += bonus.FieldByName("BONUS").AsText() + ";" +
                 bonus.FieldByName("GRUPO_BONUS").AsText() + ";" + comunicado.AsText() + ";" +
                 platform::FormatFloat("#0.00", bonus.FieldByName("VAL_BONUS").AsFloat()) +
                 kEntryEnd;
        return true;
    }
  }

  std::string Text() const { return tipo_ == 1 ? platform::FloatToStr(total_) : text_; }

 private:
  int32_t tipo_;
  double total_ = 0;
  std::string text_;
  bool any_notice_ = false;
};

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::BuscaDadosBonus(
    const std::string& pfVeiculo, const std::string& pfChassi, const std::string& pfModelo,
    const std::string& pfEdicao, const std::string& pfPacote, const std::string& pfDataCompra,
    const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab, int32_t pfAnoMod,
    int32_t pfPortas, const std::string& pfBonus, int32_t pfTipo) {
  if (pfTipo < 1 || pfTipo > 4)
    throw Error(ErrorCategory::Validation,
                "BuscaDadosBonus: pfTipo " + std::to_string(pfTipo) + " is not 1, 2, 3 or 4");
  value_sources::BonusVehicle vehicle;
  vehicle.empresa = pfEmpresa;
  vehicle.veiculo = pfVeiculo;
  vehicle.chassi = pfChassi;
  vehicle.modelo = pfModelo;
  vehicle.edicao = pfEdicao;
  vehicle.pacote = pfPacote;
  vehicle.ano_fabricacao = pfAnoFab;
  vehicle.ano_modelo = pfAnoMod;
  vehicle.portas = pfPortas;
  vehicle.compra = ParseDate(pfDataCompra, "pfDataCompra");
  vehicle.venda = ParseDate(pfDataVenda, "pfDataVenda");
  vehicle.producao = ProductionDate(*sdsAux, pfChassi);

  platform::ClientDataSet& bonus = *cdsBonus;
  bonus.Close();
  bonus.ParamByName("Empresa").SetAsInteger(pfEmpresa);
  bonus.ParamByName("Modelo").SetAsText(pfModelo);
  bonus.ParamByName("DataCompra").SetAsDateTime(vehicle.compra);
  bonus.ParamByName("DataVenda").SetAsDateTime(vehicle.venda);
  if (vehicle.producao)
    bonus.ParamByName("DataProducao").SetAsDateTime(*vehicle.producao);
  else
    bonus.ParamByName("DataProducao").Clear();
  bonus.Open();
  // Set on every call: a group asked for earlier must not restrict this call.
  bonus.SetFiltered(false);
  if (!pfBonus.empty()) {
    bonus.SetFilter("GRUPO_BONUS='" + platform::QuoteDoubled(pfBonus) + "'");
    bonus.SetFiltered(true);
  }

  value_sources::BonusCriteria criteria(*this, std::move(vehicle));
  BonusAnswer answer(pfTipo);
  for (bonus.First(); !bonus.Eof(); bonus.Next()) {
    if (criteria.Applies(bonus) && !answer.Take(bonus)) break;
  }
  return answer.Text();
}

}  // namespace veiculo
