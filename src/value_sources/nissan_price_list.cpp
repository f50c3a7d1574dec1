// The Nissan price list integration: whether a dealer uses it, which vehicle
// situations are stock available for sale, and the colour price of a vehicle
// (VEI_MODELO_COR, by the colour and years its follow-up record resolves to
// through the model's semi-clear code).

#include <cctype>
#include <cstdint>
#include <limits>
#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

// Company and dealer arrive as texts and go into the SQL as numbers: only a
// decimal integer (blanks around it allowed) is accepted, so that nothing
// else can reach the statement.
int32_t ParseKey(const std::string& text, const char* what) {
  const std::string trimmed = platform::Trim(text);
  size_t digits_from = (!trimmed.empty() && trimmed[0] == '-') ? 1 : 0;
  bool valid = trimmed.size() > digits_from && trimmed.size() - digits_from <= 10;
  for (size_t i = digits_from; valid && i < trimmed.size(); ++i)
    valid = std::isdigit(static_cast<unsigned char>(trimmed[i])) != 0;
  const int64_t value = valid ? std::stoll(trimmed) : 0;
  if (!valid || value < std::numeric_limits<int32_t>::min() ||
      value > std::numeric_limits<int32_t>::max()) {
    throw Error(ErrorCategory::Validation,
                std::string("UtilizaNissanDI: the ") + what + " '" + text + "' is not an integer");
  }
  return static_cast<int32_t>(value);
}

// Colour and years of a chassis, as its semi-clear code resolves them.
struct FichaGama {
  std::string cor;
  int64_t ano_modelo = 0;
  int64_t ano_fabricacao = 0;
};

bool ReadFichaGama(platform::SqlDataSet& query, int32_t empresa, const std::string& chassi,
                   FichaGama& ficha) {
  query.Close();
  query.SetCommandText(
      "select VMCI.COR, OFS.ANO_MODELO, OFS.ANO_FABRICACAO from OFI_FICHA_SEGUIMENTO OFS "
      "inner join VEI_MODELO_SEMI_CLARO VMCI on (VMCI.MODELO = OFS.MODELO and VMCI.EMPRESA = "
      "OFS.EMPRESA and VMCI.CODIGO_SEMI_CLARO = OFS.CODIGO_SEMI_CLARO and VMCI.ANO_FABRICACAO = "
      "OFS.ANO_FABRICACAO and VMCI.ANO_MODELO = OFS.ANO_MODELO) where OFS.CHASSI = '" +
      platform::QuoteDoubled(chassi) + "' and OFS.EMPRESA = " + std::to_string(empresa));
  query.Open();
  const bool found = !query.IsEmpty();
  if (found) {
    ficha.cor = query.FieldByName("COR").AsText();
    ficha.ano_modelo = query.FieldByName("ANO_MODELO").AsInteger();
    ficha.ano_fabricacao = query.FieldByName("ANO_FABRICACAO").AsInteger();
  }
  query.Close();
  return found;
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscarValorFichaGama(int32_t Empresa,
                                                            const std::string& Modelo,
                                                            const std::string& Chassi) {
  FichaGama ficha;
  if (!ReadFichaGama(*sdsAux, Empresa, Chassi, ficha)) return 0;
  if (ficha.cor.empty() || ficha.ano_modelo <= 0 || ficha.ano_fabricacao <= 0) return 0;

  sdsAux->SetCommandText(
      "select VMC.PRECO_PUBLICO from VEI_MODELO_COR VMC where VMC.ANO_FABRICACAO = " +
      std::to_string(ficha.ano_fabricacao) +
      " and VMC.ANO_MODELO = " + std::to_string(ficha.ano_modelo) + " and VMC.COR = '" +
      platform::QuoteDoubled(ficha.cor) + "' and VMC.MODELO = '" + platform::QuoteDoubled(Modelo) +
      "' and VMC.EMPRESA = " + std::to_string(Empresa));
  sdsAux->Open();
  const double price = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("PRECO_PUBLICO").AsFloat();
  sdsAux->Close();
  return price;
}

bool TddmVeiculoCompartilhadoBDImpl::UtilizaNissanDI(const std::string& pfEmpresa,
                                                     const std::string& pfRevenda) {
  const int32_t empresa = ParseKey(pfEmpresa, "company");
  const int32_t revenda = ParseKey(pfRevenda, "dealer");
  // A dataset of its own: the caller may be walking one of the scratch queries.
  platform::SqlDataSet query("sdsNissanDI", Conexao);
  query.SetCommandText("select UTILIZA_NISSAN_DI\nfrom NIS_PARAMETRO\nwhere EMPRESA = " +
                       std::to_string(empresa) + "\n and REVENDA = " + std::to_string(revenda));
  query.Open();
  return !query.IsEmpty() && !query.FieldByName("UTILIZA_NISSAN_DI").IsNull() &&
         query.FieldByName("UTILIZA_NISSAN_DI").AsInteger() == 1;
}

bool TddmVeiculoCompartilhadoBDImpl::SituacoesVeiculoEstoqueDisponivelVenda(
    const std::string& pfSituacao) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT DISTINCT SITUACAO\nFROM VEI_SITUACAO\nWHERE LOCALIZACAO = 'E'\nAND DISP_VENDA = 'S'");
  sdsAux->Open();
  bool available = false;
  for (; !available && !sdsAux->Eof(); sdsAux->Next())
    available = sdsAux->FieldByName("SITUACAO").AsText() == pfSituacao;
  sdsAux->Close();
  return available;
}

}  // namespace veiculo
