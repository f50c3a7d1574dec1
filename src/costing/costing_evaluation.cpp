// CalculaCusteio: a costing formula evaluated line by line for the rows the
// caller sends, on the historic and the present-value basis.
//
// The three packets are worked on in private client datasets, so the
// module's own datasets keep their state; only the band percentages posted
// into cdsFormulaLinha and the bases (Base_Financeiro, BaseComissaoVendedor,
// PrecoAVista) are left in the module. After each line the profits and
// percentages are recomputed from the totals so far, so that the bands of the
// next line see them; the gross-profit and margin totals, which that step
// turns into profits, are put back before the next line adds to them.

#include <string>
#include <vector>

#include "costing/costing_evaluation.h"
#include "veiculo/error.h"

namespace veiculo {

namespace costing {

DatasCusteio LeDatasCusteio(platform::ClientDataSet& datas) {
  if (datas.FieldCount() == 0 || datas.RecordCount() < 5) {
    throw Error(ErrorCategory::Validation,
                "costing dates: five rows (D1 to D5) with a date in their first field are "
                "needed, the packet has " +
                    std::to_string(datas.RecordCount()) + " rows and " +
                    std::to_string(datas.FieldCount()) + " fields");
  }
  DatasCusteio d;
  DateTime* const destinos[] = {&d.D1, &d.D2, &d.D3, &d.D4, &d.D5};
  datas.First();
  for (DateTime* destino : destinos) {
    *destino = datas.Fields(0).AsDateTime();
    datas.Next();
  }
  return d;
}

void VerificaCamposCusteio(const platform::ClientDataSet& custeio, bool local) {
  std::vector<const char*> campos = {
      "LINHA_FORMULA", "INCIDENCIA",   "TIPO",        "CONSIDERAR_DEFLACAO",
      "PERCENTUAL",    "REFERENCIA",   "INDICE",      "DIAS_ADICIONAIS_VENDA",
      "VAL_HISTORICO", "VAL_PRESENTE", "LUCRO_BRUTO", "MARGEM_CONTRIBUICAO",
      "CUSTO_TOTAL",   "SEQUENCIA"};
  if (local) {
    campos.push_back("ALTERAR");
    campos.push_back("VALOR_FIXO");
  }
  std::string faltam;
  for (const char* campo : campos) {
    if (custeio.HasField(campo)) continue;
    faltam += (faltam.empty() ? "" : ", ") + std::string(campo);
  }
  if (!faltam.empty())
    throw Error(ErrorCategory::Validation, "costing packet: missing fields " + faltam);
}

}  // namespace costing

DataPacket TddmVeiculoCompartilhadoBDImpl::CalculaCusteio(
    int32_t pEmpresa, int32_t pE, int32_t pR, const std::string& pV, const std::string& pF,
    double& pControleNovo, double& pValor_PV, double& pLucroHistorico, double& pLucroPresente,
    double& pValorPresente, double& pPercHistoricoPV, double& pPercPresentePV,
    double& pPercLucroBrutoP, double& pPercLucroBrutoH, double& pPercMargemP, double& pPercMargemH,
    double& pPercPresente, double& pPercHistorico, double& pCustoPresente, double& pCustoHistorico,
    double& pMargemP, double& pMargemH, double& pLucroBrutoP, double& pLucroBrutoH,
    const DataPacket& pcdsCusteio, const DataPacket& pcdsDatas,
    const DataPacket& pcdsLocalCadastro) {
  costing::VariaveisCusteio v{pControleNovo,    pValor_PV,        pLucroHistorico, pLucroPresente,
                              pValorPresente,   pPercHistoricoPV, pPercPresentePV, pPercLucroBrutoP,
                              pPercLucroBrutoH, pPercMargemP,     pPercMargemH,    pPercPresente,
                              pPercHistorico,   pCustoPresente,   pCustoHistorico, pMargemP,
                              pMargemH,         pLucroBrutoP,     pLucroBrutoH};
  costing::AvaliacaoCusteio av(v);
  av.empresa = pEmpresa;
  av.e = pE;
  av.r = pR;
  av.veiculo = pV;
  av.formula = pF;

  // Everything is checked before anything is evaluated or posted.
  av.custeio.SetData(pcdsCusteio);
  av.datas_pacote.SetData(pcdsDatas);
  av.local.SetData(pcdsLocalCadastro);
  costing::VerificaCamposCusteio(av.custeio, av.Local());
  if (!av.local.HasField("VALOR_VENDA"))
    throw Error(ErrorCategory::Validation, "registry packet: missing field VALOR_VENDA");
  av.datas = costing::LeDatasCusteio(av.datas_pacote);
  av.local.First();
  av.valor_venda = av.local.FieldByName("VALOR_VENDA").AsFloat();

  Base_Financeiro = CalculaBaseFinanceiro(pE, pR, pV, pF, av.datas.D5);

  platform::ClientDataSet& custeio = av.custeio;
  custeio.First();
  while (!custeio.Eof()) {
    custeio.Edit();
    costing::LinhaCusteio linha = costing::LeLinhaCusteio(custeio);
    const double percentual = PercentualLinhaCusteio(av, linha);
    ValoresLinhaCusteio(av, linha, percentual);
    custeio.FieldByName("VAL_HISTORICO").SetAsFloat(linha.VAL_HISTORICO);
    custeio.FieldByName("VAL_PRESENTE").SetAsFloat(linha.VAL_PRESENTE);

    costing::TotaisCusteio totais = v.Totais();
    costing::SomaTotaisLinha(linha, totais);
    pControleNovo += costing::ParcelaControle(linha, custeio.FieldByName("SEQUENCIA").AsFloat(),
                                              custeio.FieldByName("PERCENTUAL").AsFloat());
    custeio.Post();

    const double margem_h = pMargemH, margem_p = pMargemP;
    const double lucro_bruto_h = pLucroBrutoH, lucro_bruto_p = pLucroBrutoP;
    costing::CalculaResultados(v, av.valor_venda, PrecoAVista);

    custeio.Next();
    if (!custeio.Eof()) {
      // Only the percentages carry over; the totals go on accumulating.
      pMargemH = margem_h;
      pMargemP = margem_p;
      pLucroBrutoH = lucro_bruto_h;
      pLucroBrutoP = lucro_bruto_p;
    }
  }
  custeio.First();
  return custeio.Data();
}

}  // namespace veiculo
