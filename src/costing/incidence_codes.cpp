// The incidence codes of a formula line: which amount each one draws on.
// Codes are compared exactly (one to three characters, case matters); a code
// outside the table draws on nothing (0), and the line's fixed amount may
// still give it a value.

#include <initializer_list>
#include <string>
#include <unordered_map>

#include "costing/incidence_line.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "value_sources/current_vehicle.h"

namespace veiculo {
namespace {

using Module = TddmVeiculoCompartilhadoBDImpl;

Value Vehicle(Module& m, const char* field) {
  return value_sources::CurrentVehicleValue(*m.cdsVeiculo, field);
}
double VehicleAmount(Module& m, const char* field) {
  return Vehicle(m, field).AsFloat();
}
int32_t VehicleInteger(Module& m, const char* field) {
  return static_cast<int32_t>(Vehicle(m, field).AsInteger());
}

}  // namespace

namespace costing {

bool IncidenciaDependeDaVenda(const std::string& codigo) {
  return codigo == "V" || codigo == "L" || codigo == "I" || codigo == "N";
}

}  // namespace costing

double TddmVeiculoCompartilhadoBDImpl::ValorCodigoIncidencia(const LinhaIncidencia& pfLinha) {
  // Built once; the rules are lambdas of this member, so they reach the
  // module's private value sources.
  using Rule = double (*)(Module&, const LinhaIncidencia&);
  static const std::unordered_map<std::string, Rule> rules = [] {
    std::unordered_map<std::string, Rule> r;
    auto add = [&r](std::initializer_list<const char*> codes, Rule rule) {
      for (const char* code : codes) r.emplace(code, rule);
    };

    // Holders the host or the costing evaluation set.
    add({"V"}, [](Module& m, const LinhaIncidencia&) { return m.dPbValorVenda; });
    add({"B", "6"}, [](Module& m, const LinhaIncidencia&) { return m.Base_Financeiro; });
    add({"Y"}, [](Module& m, const LinhaIncidencia&) { return m.PrecoAVista; });
    add({"E"}, [](Module& m, const LinhaIncidencia&) { return m.dPvFreteVenda; });

    // Columns of the vehicle.
    add({"P"},
        [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "PLANO_CAPITALIZACAO"); });
    add({"M"}, [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "VALOR_REVISAO"); });
    add({"4"}, [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "CUSTO"); });
    add({"H"}, [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "VAL_HOLDBACK"); });
    add({"G"},
        [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "VAL_CONTRIBUICAO"); });
    add({"Q"},
        [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "VAL_FLOOR_PLAN"); });
    add({"0"}, [](Module& m, const LinhaIncidencia&) { return VehicleAmount(m, "VAL_BONUS"); });

    // The entry invoice.
    add({"A"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorNotaEntrada(l.empresa, l.revenda, "A", 0);
    });
    add({"C"}, [](Module& m, const LinhaIncidencia& l) {
      const double custo = m.BuscaValorNotaEntrada(l.empresa, l.revenda, "C", 0);
      return l.tipo == "$" ? custo + m.ValorLinhasBase(l) : custo;
    });
    add({"S", "9", "1", "2", "]", "W", "&", "?", "!", "(", ")", "[", "IFP"},
        [](Module& m, const LinhaIncidencia& l) {
          return m.BuscaValorNotaEntrada(l.empresa, l.revenda, l.incidencia, 0);
        });
    add({"F", "\\"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorNotaEntrada(l.empresa, l.revenda, l.incidencia, l.data_processamento);
    });
    add({"3"}, [](Module& m, const LinhaIncidencia& l) {
      // Lines that leave the ICMS on freight and insurance out read nothing.
      if (l.nao_considerar_icms_seg_cont == "S") return 0.0;
      return m.BuscaValorNotaEntrada(l.empresa, l.revenda, "3", l.data_processamento);
    });
    add({"L"}, [](Module& m, const LinhaIncidencia& l) {
      // The margin over the entry cost; a loss beyond a tenth of a cent is no margin.
      const double d = m.dPbValorVenda - m.BuscaValorNotaEntrada(l.empresa, l.revenda, "C", 0);
      return d < -0.001 ? 0.0 : d;
    });
    add({"8"}, [](Module& m, const LinhaIncidencia& l) { return m.ValorRebateNotaEntrada(l); });

    // The exit invoice.
    add({"N", "Z", "$"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorNotaSaida(l.empresa, l.revenda, l.incidencia, "");
    });
    add({"D"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorNotaSaida(l.empresa, l.revenda, "D", l.soma_icms_partilha);
    });
    add({"I"}, [](Module& m, const LinhaIncidencia& l) { return m.ValorPisCofinsVenda(l); });

    // The sale's registry value: optionals, public price, freight and insurance.
    add({"T"}, [](Module& m, const LinhaIncidencia& l) {
      const std::string considera_opcionais =
          m.cdsParametro->Active() && !m.cdsParametro->IsEmpty()
              ? m.cdsParametro->FieldByName("IMPRIME_VALOR_OPCIONAIS_REL").AsText()
              : std::string();
      return m.SomaOpcionais(l.empresa, considera_opcionais, "") + m.dPvPrecoPublicoOri +
             m.dPvFreteVenda + m.dPvValorSeguro;
    });

    // Expenses, internal sales and the deflation of the proposal's payments.
    add({"O"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorDespesas(l.empresa, l.revenda, l.veiculo, "H", l.data_processamento,
                                  l.tipo);
    });
    add({"7"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaVendaInterna(m.sPvBancoDados, l.empresa, Vehicle(m, "CHASSI").AsText(),
                                 l.trans_venda_interna, l.data_fat_fabrica, l.data_venda);
    });
    add({"-"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorDeflacaoPagamento(l.empresa, l.revenda, m.iPvProposta, m.iPvNegociacao,
                                           l.indice, l.data_venda);
    });

    // Bonuses, subsidies, returns and the salesperson's commission.
    add({"U"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaValorBonus(
          l.veiculo, Vehicle(m, "CHASSI").AsText(), Vehicle(m, "MODELO").AsText(),
          Vehicle(m, "EDICAO_MODELO").AsText(), Vehicle(m, "PACOTE").AsText(),
          platform::DateToStr(l.data_fat_fabrica), platform::DateToStr(l.data_venda), l.empresa,
          VehicleInteger(m, "ANO_FABRICACAO"), VehicleInteger(m, "ANO_MODELO"),
          VehicleInteger(m, "PORTAS"), l.grupo_bonus);
    });
    add({"BP"}, [](Module& m, const LinhaIncidencia& l) { return m.ValorPlanilhaBonus(l); });
    add({"J"}, [](Module& m, const LinhaIncidencia& l) {
      const int32_t dias = platform::DaysBetween(l.data_fat_fabrica, l.data_venda);
      return m.BuscaSubsidios(l.empresa, dias, l.linha, l.indice, l.formula, l.veiculo,
                              Vehicle(m, "SUBSIDIO").AsText(), l.data_processamento);
    });
    add({"R"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaRetorno(l.empresa, l.revenda, l.veiculo);
    });
    add({"5"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaRetornoLinha(l.empresa, l.revenda, l.veiculo, l.tipo_retorno);
    });
    add({"X"}, [](Module& m, const LinhaIncidencia& l) {
      return m.BuscaComissaoVendedor(l.empresa, l.revenda, l.veiculo);
    });
    return r;
  }();

  const auto rule = rules.find(pfLinha.incidencia);
  return rule == rules.end() ? 0 : rule->second(*this, pfLinha);
}

}  // namespace veiculo
