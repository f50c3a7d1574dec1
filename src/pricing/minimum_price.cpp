// AtualizaPrecoMinimo: the minimum sale price of a model's new vehicles that
// stand in a stock situation (a situation located in "E"), in one statement.
// Used vehicles and vehicles in transit, sold or elsewhere keep theirs. Every
// failure is reported in the status text; nothing is raised.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/text_utils.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/format_float.h"
#include "platform/text.h"

namespace veiculo {

std::string TddmVeiculoCompartilhadoBDImpl::AtualizaPrecoMinimo(Connection* pfConexao,
                                                                const std::string& pfBancoDados,
                                                                int32_t pfEmpresa,
                                                                const std::string& pfModelo,
                                                                double pfValMinimo) {
  try {
    // As in the other operations that receive a connection, the connection's
    // driver has the last word on the dialect.
    sPvBancoDados = pfBancoDados;
    AtribuiConexao(pfConexao);
    const std::string valor =
        maker::FiltroVirgula(AddSQL(platform::FormatFloat("0.00", pfValMinimo), "F"));
    sdsExecuta->Close();
    sdsExecuta->SetCommandText("update VEI_VEICULO   set PRECO_MINIMO_COMERCIALIZACAO = " + valor +
                               " where EMPRESA    = " + std::to_string(pfEmpresa) +
                               "   and MODELO     = '" + platform::QuoteDoubled(pfModelo) + "'" +
                               "   and NOVO_USADO = 'N'" +
                               "   and exists (select SITUACAO from VEI_SITUACAO" +
                               "                where EMPRESA = VEI_VEICULO.EMPRESA" +
                               "                  and SITUACAO = VEI_VEICULO.SITUACAO" +
                               "                  and LOCALIZACAO = 'E')");
    sdsExecuta->ExecSQL();
    sdsExecuta->Close();
    return "OK|Preço mínimo de comercialização atualizado com sucesso.";
  } catch (...) {
    try {
      sdsExecuta->Close();
    } catch (...) {
    }
    return "NOK|Erro na atualização do preço mínimo de comercialização.";
  }
}

}  // namespace veiculo
