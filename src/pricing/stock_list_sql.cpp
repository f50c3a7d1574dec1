// The branches and filter pieces of the intermediate stock list.

#include <string>
#include <vector>

#include "module/maker_utils/key_list.h"
#include "module/maker_utils/sql_conditions.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "pricing/stock_list_sql.h"
#include "veiculo/error.h"

namespace veiculo::pricing {
namespace {

using maker::KeyKind;

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

// A list of codes as the inside of an IN list: integers checked, texts quoted.
std::string ListaCodigos(const std::string& lista, KeyKind kind, const char* parametro) {
  std::string out;
  try {
    for (const std::string& item : maker::SplitList(lista, ","))
      out += (out.empty() ? "" : ",") + maker::SqlValue(item, kind, item, "");
  } catch (const Error& e) {
    throw Error(ErrorCategory::Validation, std::string(parametro) + ": " + e.what());
  }
  if (out.empty())
    throw Error(ErrorCategory::Validation,
                std::string(parametro) + ": the list \"" + lista + "\" holds no code");
  return out;
}

// Runs a key-list condition builder, naming the parameter in its error.
template <typename Builder>
std::string Condicao(const char* parametro, Builder build) {
  try {
    return build();
  } catch (const Error& e) {
    if (e.category() != ErrorCategory::Validation) throw;
    throw Error(ErrorCategory::Validation, std::string(parametro) + ": " + e.what());
  }
}

bool Vazio(const std::string& text) {
  return platform::Trim(text).empty();
}

// The filter pieces, each empty when its parameter is.
struct Pecas {
  std::string revenda, novo_usado, departamento, icarros, situacao, familia, devolucao, pacotes,
      modelos, empresas;
};

Pecas MontaPecas(const FiltrosEstoque& f) {
  Pecas p;
  if (!Vazio(f.revendas))
    p.revenda = " AND (" +
                Condicao("pfRevenda",
                         [&] {
                           return maker::SQLEmpresaRevendaBrelUtils(f.revendas,
                                                                    "V.EMPRESA;V.REVENDA_ORIGEM");
                         }) +
                ")";
  if (f.novo_usado_todos == 0) p.novo_usado = " AND V.NOVO_USADO='N'";
  if (f.novo_usado_todos == 1) p.novo_usado = " AND V.NOVO_USADO='U'";
  if (!Vazio(f.departamentos))
    p.departamento = " AND V.DEPARTAMENTO IN (" +
                     ListaCodigos(f.departamentos, KeyKind::Number, "pfDepartamento") + ")";
  if (f.icarros)
    p.icarros =
        " and exists (select VEICULO from ICA_ANUNCIO where EMPRESA = V.EMPRESA and VEICULO = "
        "V.VEICULO) ";
  p.situacao =
      Vazio(f.situacoes)
          ? " AND EXISTS (SELECT S1.SITUACAO FROM VEI_SITUACAO S1 WHERE S1.EMPRESA = "
            "V.EMPRESA AND S1.SITUACAO = V.SITUACAO AND ( S1.LOCALIZACAO = 'E' OR "
            "VPR.SITUACAO_VEICULO = 'T')) "
          : " AND V.SITUACAO IN (" + ListaCodigos(f.situacoes, KeyKind::Text, "pfSituacao") + ")";
  if (!Vazio(f.familias))
    p.familia = " AND (" +
                Condicao("pfFamilia",
                         [&] {
                           return maker::SQLChaveCompostaBrelUtils(
                               f.familias, ".", "M.EMPRESA;M.FAMILIA", "N;N", ",");
                         }) +
                ")";
  p.devolucao =
      Vazio(f.trans_devolucao)
          ? " AND C.TIPO_TRANSACAO IN (SELECT TIPO_TRANSACAO FROM FAT_TIPO_TRANSACAO WHERE TIPO = "
            "'E' AND SUBTIPO_TRANSACAO = 'D')"
          : " AND C.TIPO_TRANSACAO IN (" +
                ListaCodigos(f.trans_devolucao, KeyKind::Text, "pfTransDevolucaoVenda") + ")";
  if (!Vazio(f.pacotes))
    p.pacotes = " AND " + Condicao("pfPacotes", [&] {
                  return maker::AjustaInSelect("F.PACOTE", "in", f.pacotes, KeyKind::Text);
                });
  // The model keys make an OR of terms: kept in parentheses so that no term
  // escapes the other conditions.
  if (!Vazio(f.modelos))
    p.modelos = " AND (" +
                Condicao("pfModelo",
                         [&] {
                           return maker::SQLChaveCompostaBrelUtils(
                               f.modelos, ".", "M.EMPRESA;M.MODELO", "N;S", ",");
                         }) +
                ")";
  if (!Vazio(f.codigo_veiculo)) p.modelos += " AND V.VEICULO = " + Quoted(f.codigo_veiculo);
  if (!Vazio(f.chassi)) p.modelos += " AND V.CHASSI LIKE " + Quoted("%" + f.chassi + "%");
  if (!Vazio(f.ano_modelo))
    p.modelos += " AND F.ANO_MODELO = " + Condicao("pfAnoModelo", [&] {
                   return maker::SqlValue(platform::Trim(f.ano_modelo), KeyKind::Number,
                                          f.ano_modelo, "ANO_MODELO");
                 });
  p.empresas = Vazio(f.revendas) ? " and FA.EMPRESA > 0 "
                                 : " and FA.EMPRESA IN (" + Condicao("pfRevenda", [&] {
                                     return maker::SQLEmpresaDeEmpresaRevenda(f.revendas);
                                   }) + ")";
  return p;
}

// Joins every branch makes from its vehicle ([T]) and its holder of the
// reservation and the dealer (V).
std::string Juncoes(bool pedido) {
  const std::string ficha = pedido ? " left outer join" : " inner join";
  const std::string revenda = pedido ? "V.REVENDA" : "V.REVENDA_ORIGEM";
  return ficha +
         " OFI_FICHA_SEGUIMENTO F on (F.CHASSI = V.CHASSI) inner join VEI_MODELO M on (M.EMPRESA "
         "= V.EMPRESA and M.MODELO = V.MODELO) inner join VEI_FAMILIA FA on (FA.EMPRESA = "
         "M.EMPRESA and FA.FAMILIA = M.FAMILIA) left outer join VEI_PRE_RESERVA VPR on "
         "(VPR.COD_VEICULO = [T].VEICULO and VPR.EMPRESA = [T].EMPRESA and VPR.TIPO = 'R' and "
         "VPR.SITUACAO = 'O' and not exists (select S2.SITUACAO from VEI_SITUACAO S2 where "
         "S2.EMPRESA = [T].EMPRESA and S2.SITUACAO = [T].SITUACAO and S2.LOCALIZACAO = 'V')) "
         "left outer join VEI_SITUACAO SI on (SI.EMPRESA = [T].EMPRESA and SI.SITUACAO = "
         "[T].SITUACAO) left outer join VEI_PARAMETRO PA on (PA.EMPRESA = V.EMPRESA and "
         "PA.REVENDA = " +
         revenda +
         ") left outer join GER_REVENDA R on (R.EMPRESA = V.EMPRESA and R.REVENDA = " + revenda +
         ") left outer join VEI_COR CO on (CO.EMPRESA = [T].EMPRESA and CO.COR = [T].COR) left "
         "outer join FAT_MOVIMENTO_CAPA NE on (NE.EMPRESA = [T].EMPRESA_NFENTRADA and NE.REVENDA = "
         "[T].REVENDA_NFENTRADA and NE.NUMERO_NOTA_FISCAL = [T].NUMERO_NOTA_NFENTRADA and "
         "NE.SERIE_NOTA_FISCAL = [T].SERIE_NOTA_NFENTRADA and NE.TIPO_TRANSACAO = "
         "[T].TIPO_TRANSACAO_NFENTRADA and NE.CONTADOR = [T].CONTADOR_NFENTRADA)";
}

const char* kNotaComVeiculo =
    " FROM FAT_MOVIMENTO_CAPA C inner join FAT_MOVIMENTO_VEICULO I on (I.EMPRESA = C.EMPRESA and "
    "I.REVENDA = C.REVENDA and I.NUMERO_NOTA_FISCAL = C.NUMERO_NOTA_FISCAL and "
    "I.SERIE_NOTA_FISCAL = C.SERIE_NOTA_FISCAL and I.TIPO_TRANSACAO = C.TIPO_TRANSACAO and "
    "I.CONTADOR = C.CONTADOR) inner join VEI_VEICULO V on (V.EMPRESA = I.EMPRESA and V.VEICULO = "
    "I.VEICULO)";

std::string Ramo(char ramo, const FiltrosEstoque& f, const std::string& resto) {
  std::string sql = "SELECT " + ColunasEstoque(ramo, f) + resto;
  return platform::ReplaceAll(sql, "[T].", ramo == 'D' ? "VEI." : "V.", false);
}

}  // namespace

std::string SqlEstoqueIntermediario(const FiltrosEstoque& f) {
  const Pecas p = MontaPecas(f);
  // The sale period holds its whole last day: invoices carry the time of day.
  const std::string periodo_notas =
      " BETWEEN " + maker::DataPSql(f.inicio_venda, f.banco_dados) + " AND " +
      maker::DataHoraPSql(platform::DateOf(f.fim_venda) + platform::EncodeTime(23, 59, 59),
                          f.banco_dados);
  const std::string periodo_datas = " BETWEEN " + maker::DataPSql(f.inicio_venda, f.banco_dados) +
                                    " AND " + maker::DataPSql(f.fim_venda, f.banco_dados);
  // Sold and returned vehicles: the selling dealers when given, else the dealer piece.
  std::string revenda_notas = p.revenda;
  if (!Vazio(f.revendas_vendas))
    revenda_notas = " and ( " +
                    Condicao("pfRevendaVendas",
                             [&] {
                               return maker::SQLEmpresaRevendaBrelUtils(
                                   f.revendas_vendas, f.considerar_revenda != 0
                                                          ? "C.EMPRESA_ORIGEM;C.REVENDA_ORIGEM"
                                                          : "C.EMPRESA;C.REVENDA");
                             }) +
                    ")";
  const std::string depois_da_revenda =
      p.departamento + p.icarros + p.novo_usado + p.pacotes + p.familia + p.modelos;

  std::vector<std::string> ramos;
  if (f.listar_venda) {
    ramos.push_back(
        Ramo('A', f,
             kNotaComVeiculo +
                 std::string(
                     " inner join FAT_TIPO_TRANSACAO T on (T.TIPO_TRANSACAO = C.TIPO_TRANSACAO)") +
                 Juncoes(false) + " WHERE C.DTA_ENTRADA_SAIDA" + periodo_notas +
                 " AND C.STATUS <> 'C' AND T.TIPO = 'S' AND T.SUBTIPO_TRANSACAO = 'N'" +
                 revenda_notas + depois_da_revenda));
    ramos.push_back(Ramo('B', f,
                         " FROM VEI_VEICULO V" + Juncoes(false) +
                             " WHERE V.DTA_NOTIFICACAO_CREDITO IS NOT NULL AND V.VENDEDOR_VD IS "
                             "NOT NULL AND V.DTA_VENDA" +
                             periodo_datas + p.revenda + depois_da_revenda));
    ramos.push_back(Ramo('C', f,
                         kNotaComVeiculo + Juncoes(false) + " WHERE C.DTA_ENTRADA_SAIDA" +
                             periodo_notas + " AND C.STATUS <> 'C'" + revenda_notas +
                             (Vazio(f.trans_devolucao) ? " AND C.FATOPERACAO_ORIGINAL > 0" : "") +
                             p.devolucao + depois_da_revenda));
  }
  if (f.listar_pedido) {
    std::string filtros;
    if (!Vazio(f.codigo_veiculo)) filtros += " AND VEI.VEICULO = " + Quoted(f.codigo_veiculo);
    if (!Vazio(f.chassi)) filtros += " AND V.CHASSI LIKE " + Quoted("%" + f.chassi + "%");
    filtros += p.empresas + p.familia;
    if (f.novo_usado_todos == 1) filtros += " AND V.PEDIDO = -1 ";
    ramos.push_back(Ramo(
        'D', f,
        " FROM VEI_PEDIDO V left outer join VEI_VEICULO VEI on (VEI.EMPRESA = V.EMPRESA and "
        "VEI.CHASSI = V.CHASSI)" +
            Juncoes(true) +
            " left outer join VEI_MODELO_PRECO MP on (MP.EMPRESA = V.EMPRESA and MP.MODELO = "
            "V.MODELO and MP.REVENDA = coalesce(VEI.REVENDA_ORIGEM, V.REVENDA)) WHERE V.SITUACAO "
            "IN (0, 1, 5)" +
            filtros));
  }
  ramos.push_back(Ramo('E', f,
                       " FROM VEI_VEICULO V" + Juncoes(false) + " WHERE 1 = 1" + p.revenda +
                           p.departamento + p.icarros + p.situacao + p.novo_usado + p.pacotes +
                           p.modelos + p.empresas + p.familia));

  std::string sql;
  for (const std::string& ramo : ramos) sql += (sql.empty() ? "" : " UNION ALL ") + ramo;
  return sql + " ORDER BY 1,2";
}

}  // namespace veiculo::pricing
