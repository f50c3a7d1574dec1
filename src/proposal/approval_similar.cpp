// The similar-vehicle warnings of a managerial approval: another vehicle in
// stock with the same model, colour, package, optionals and years that no
// other live proposal of the dealer holds, and that was already paid to the
// maker, or was bought from the factory before this one. The manager is
// asked to confirm; only the last such vehicle found is named.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/db/sql_dataset.h"
#include "platform/format/date_time.h"
#include "proposal/approval.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

using proposal::Quoted;

std::string Num(int64_t value) {
  return std::to_string(value);
}

// A text column equal to the value; an empty value matches NULL too.
std::string TextoIgual(const std::string& coluna, const std::string& valor) {
  if (valor.empty()) return "coalesce(" + coluna + ", '') = ''";
  return coluna + " = " + Quoted(valor);
}

// An integer column equal to the value as read (text); empty means NULL.
std::string InteiroIgual(const std::string& coluna, const std::string& valor) {
  if (valor.empty()) return coluna + " is null";
  return coluna + " = " + Num(std::stoll(valor));
}

std::string Confirmacao(const std::string& veiculo, const char* motivo) {
  return "Existe um outro veículo [" + veiculo +
         "] com as mesmas características(Modelo, Catálogo, Cor, Opcionais, Ano Fabricação e "
         "Ano Modelo) e que " +
         motivo + ". Confirma a aprovação da proposta mesmo assim?;";
}

struct Semelhante {
  std::string veiculo;
  double compra = 0;  // DTA_COMPRA_FABRICA; 0 when none
  bool tem_compra = false;
  int64_t operacao = 0;  // of its latest entry invoice; 0 when none
};

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::AvisaVeiculosSemelhantes(Aprovacao& a) {
  if (!a.veiculo_lido) return;
  const std::string e = Num(a.empresa);
  const std::string r = Num(a.revenda);
  // The other vehicles of the company in stock, alike on the six attributes,
  // that no other live proposal of the dealer holds.
  const std::string semelhantes =
      " from VEI_VEICULO V inner join VEI_SITUACAO S on (S.EMPRESA = V.EMPRESA and S.SITUACAO = "
      "V.SITUACAO) left join OFI_FICHA_SEGUIMENTO OFS on (OFS.CHASSI = V.CHASSI) where "
      "V.EMPRESA = " +
      e + " and V.VEICULO <> " + Quoted(a.veiculo) + " and S.LOCALIZACAO = 'E' and " +
      TextoIgual("V.MODELO", a.modelo) + " and " + TextoIgual("V.COR", a.cor) + " and " +
      TextoIgual("OFS.PACOTE", a.pacote) + " and " + TextoIgual("V.OPCIONAIS", a.opcionais) +
      " and " + InteiroIgual("OFS.ANO_FABRICACAO", a.ano_fabricacao) + " and " +
      InteiroIgual("OFS.ANO_MODELO", a.ano_modelo) +
      " and not exists (select P.PROPOSTA from VEI_PROPOSTA P where P.EMPRESA = V.EMPRESA and "
      "P.REVENDA = " +
      r + " and P.VEICULO = V.VEICULO and coalesce(P.SITUACAO, '0') <> '8' and P.PROPOSTA <> " +
      Num(a.proposta) + ")";
  // With each, the operation of its latest entry invoice at this dealer.
  platform::SqlDataSet& ds = *sdsConsulta;
  ds.Close();
  ds.SetCommandText(
      "select V.VEICULO, V.DTA_COMPRA_FABRICA, (select max(MC.OPERACAO) from "
      "FAT_MOVIMENTO_VEICULO MV inner join FAT_MOVIMENTO_CAPA MC on (MC.EMPRESA = MV.EMPRESA and "
      "MC.REVENDA = MV.REVENDA and MC.NUMERO_NOTA_FISCAL = MV.NUMERO_NOTA_FISCAL and "
      "MC.SERIE_NOTA_FISCAL = MV.SERIE_NOTA_FISCAL and MC.TIPO_TRANSACAO = MV.TIPO_TRANSACAO and "
      "MC.CONTADOR = MV.CONTADOR) inner join FAT_TIPO_TRANSACAO TT on (TT.TIPO_TRANSACAO = "
      "MC.TIPO_TRANSACAO) where MV.VEICULO = V.VEICULO and MV.EMPRESA = " +
      e + " and MV.REVENDA = " + r +
      " and coalesce(MC.STATUS, '') <> 'C' and TT.TIPO = 'E' and TT.SUBTIPO_TRANSACAO = 'N') "
      "OPERACAO" +
      semelhantes + " order by V.DTA_COMPRA_FABRICA, V.VEICULO");
  ds.Open();
  std::vector<Semelhante> lista;
  std::vector<int64_t> operacoes;
  for (ds.First(); !ds.Eof(); ds.Next()) {
    Semelhante s;
    s.veiculo = proposal::Codigo(ds.FieldByName("VEICULO").AsText());
    s.tem_compra = !ds.FieldByName("DTA_COMPRA_FABRICA").IsNull();
    s.compra = ds.FieldByName("DTA_COMPRA_FABRICA").AsDateTime();
    s.operacao = ds.FieldByName("OPERACAO").AsInteger();
    if (s.operacao > 0) operacoes.push_back(s.operacao);
    lista.push_back(s);
  }
  ds.Close();

  // Paid to the maker: a paid payable of the dealer carries that operation
  // (asked in lists the engine accepts).
  std::set<int64_t> pagas;
  constexpr size_t kPorLista = 1000;
  for (size_t i = 0; i < operacoes.size(); i += kPorLista) {
    std::string lista_sql;
    for (size_t j = i; j < std::min(operacoes.size(), i + kPorLista); ++j)
      lista_sql += (j == i ? "" : ", ") + Num(operacoes[j]);
    ds.SetCommandText("select distinct OPERACAO from FIN_TITULO where EMPRESA = " + e +
                      " and REVENDA = " + r +
                      " and TIPO = 'CP' and STATUS = 'PT' and OPERACAO in (" + lista_sql + ")");
    ds.Open();
    for (ds.First(); !ds.Eof(); ds.Next()) pagas.insert(ds.FieldByName("OPERACAO").AsInteger());
    ds.Close();
  }

  std::string aviso;
  for (const Semelhante& s : lista)
    if (s.operacao > 0 && pagas.count(s.operacao) > 0)
      aviso = Confirmacao(s.veiculo, "foi pago à montadora");
  // Longer in stock: bought from the factory on an earlier day.
  if (a.dta_compra_fabrica != 0) {
    const double dia = platform::DateOf(a.dta_compra_fabrica);
    for (const Semelhante& s : lista)
      if (s.tem_compra && s.compra < dia)
        aviso = Confirmacao(s.veiculo, "está há mais tempo em estoque");
  }
  a.avisos += aviso;
}

}  // namespace veiculo
