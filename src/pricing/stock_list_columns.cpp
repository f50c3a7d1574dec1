// The select list of the intermediate stock list: the same columns, in the
// same order and of the same kinds, in every branch. A column is written once
// for the branches built on a vehicle and overridden where a branch takes it
// from elsewhere (the sale or return invoice C, the maker order V of branch
// D). "[T]." stands for the vehicle's alias: "V." where the branch reads
// VEI_VEICULO as V, "VEI." in the order branch, where V is the order and VEI
// its vehicle (absent until the order becomes a vehicle).

#include <string>
#include <vector>

#include "module/maker_utils/sql_literals.h"
#include "platform/text.h"
#include "pricing/stock_list_sql.h"

namespace veiculo::pricing {
namespace {

struct Coluna {
  const char* nome;
  std::string padrao;  // vehicle branches A, B, C and E
  // Overrides; empty: the default.
  std::string vendido = {};       // A
  std::string venda_direta = {};  // B
  std::string devolucao = {};     // C
  std::string pedido = {};        // D
  std::string estoque = {};       // E
};

const std::string kZeroValor = "CAST(0 AS NUMERIC(17,2))";
// A null of the date type in every dialect: a cast of NULL to DATE would be
// adapted to TRUNC(NULL) on Oracle, a number, which no UNION with a date takes.
const std::string kDataNula = "case when 1 = 0 then [T].DTA_VENDA end";
const std::string kZeroFlag = "CAST(0 AS NUMERIC(1))";
const std::string kUmFlag = "CAST(1 AS NUMERIC(1))";

std::string Flag(const std::string& condition) {
  return "CAST(case when " + condition + " then 1 else 0 end AS NUMERIC(1))";
}

// Proposals of the vehicle (or, in branch D, of the order) in the situations given.
std::string PropostasVeiculo(const std::string& situacoes) {
  return "select P.PROPOSTA from VEI_PROPOSTA P where P.EMPRESA = [T].EMPRESA and P.VEICULO = "
         "[T].VEICULO and P.SITUACAO in (" +
         situacoes + ")";
}
std::string PropostasPedido(const std::string& situacoes) {
  return "select P.PROPOSTA from VEI_PROPOSTA P where P.EMPRESA = V.EMPRESA and P.PEDIDO = "
         "V.PEDIDO and P.SITUACAO in (" +
         situacoes + ")";
}
std::string MaiorProposta(const std::string& vinculo, const std::string& situacoes) {
  return "coalesce((select max(P.PROPOSTA*1000+P.NEGOCIACAO_FINAL) from VEI_PROPOSTA P where " +
         vinculo + " and P.SITUACAO in (" + situacoes + ")), 0)";
}
const std::string kVinculoVeiculo = "P.EMPRESA = [T].EMPRESA and P.VEICULO = [T].VEICULO";
const std::string kVinculoPedido = "P.EMPRESA = V.EMPRESA and P.PEDIDO = V.PEDIDO";

// The salesperson of the vehicle's proposals issued on the latest issue date
// of its proposals under negotiation or approved ('2', '5').
const std::string kVendedorProposta =
    "coalesce((select max(FV.NOME) from VEI_PROPOSTA P inner join FAT_VENDEDOR FV on "
    "(FV.EMPRESA = P.EMPRESA and FV.REVENDA = P.REVENDA and FV.VENDEDOR = P.VENDEDOR) where "
    "P.EMPRESA = [T].EMPRESA and P.VEICULO = [T].VEICULO and P.DTA_EMISSAO = (select "
    "max(P2.DTA_EMISSAO) from VEI_PROPOSTA P2 where P2.EMPRESA = [T].EMPRESA and P2.VEICULO = "
    "[T].VEICULO and P2.SITUACAO in ('2','5'))), '')";

// Stored costing lines of the vehicle, signed by their formula line: "+" and
// the base lines of kind B add, "-" subtracts.
std::string CustoArmazenado(const std::string& valor) {
  const std::string linhas =
      "select sum(VC." + valor +
      ") from VEI_VEICULO_CUSTEIO VC inner join VEI_FORMULA_LINHA FL on (FL.EMPRESA = "
      "VC.EMPRESA and FL.FORMULA = VC.FORMULA and FL.LINHA_FORMULA = VC.LINHA_FORMULA) where "
      "VC.EMPRESA = [T].EMPRESA and VC.VEICULO = [T].VEICULO and FL.STATUS = 'A' and ";
  return "(coalesce((" + linhas +
         "(FL.CUSTO_TOTAL = '+' or (FL.TIPO = 'B' and FL.INCIDENCIA in ('(', ')')))), 0) - "
         "coalesce((" +
         linhas + "FL.CUSTO_TOTAL = '-'), 0))";
}

// The highest status of the payable titles of the entry invoice's operation
// for its condition of the highest value, only when every such title is paid.
const std::string kSitVeic =
    "(select max(FT.STATUS) from FIN_TITULO FT where FT.EMPRESA = NE.EMPRESA and FT.REVENDA = "
    "NE.REVENDA and FT.OPERACAO = NE.OPERACAO and FT.TIPO = 'CP' and FT.CONDICAO in (select "
    "OC.CONDICAO from FAT_OPERACAO_CONDICAO OC where OC.EMPRESA = NE.EMPRESA and OC.REVENDA = "
    "NE.REVENDA and OC.OPERACAO = NE.OPERACAO and OC.VAL_OPERACAO_CONDICAO = (select "
    "max(OC2.VAL_OPERACAO_CONDICAO) from FAT_OPERACAO_CONDICAO OC2 where OC2.EMPRESA = "
    "NE.EMPRESA and OC2.REVENDA = NE.REVENDA and OC2.OPERACAO = NE.OPERACAO)) and not exists "
    "(select FT2.TITULO from FIN_TITULO FT2 where FT2.EMPRESA = FT.EMPRESA and FT2.REVENDA = "
    "FT.REVENDA and FT2.OPERACAO = FT.OPERACAO and FT2.TIPO = 'CP' and FT2.CONDICAO = "
    "FT.CONDICAO and FT2.STATUS <> 'PT'))";

std::string NomeVendedor(const std::string& empresa, const std::string& revenda,
                         const std::string& vendedor) {
  return "(select FV.NOME from FAT_VENDEDOR FV where FV.EMPRESA = " + empresa +
         " and FV.REVENDA = " + revenda + " and FV.VENDEDOR = " + vendedor + ")";
}
std::string NomeCliente(const std::string& cliente) {
  return "(select CL.NOME from FAT_CLIENTE CL where CL.CLIENTE = " + cliente + ")";
}

std::vector<Coluna> Colunas(const FiltrosEstoque& f) {
  // The reservation of the vehicle (or of the order, in branch D) counts
  // while it ends after the reference date-time.
  const std::string reserva =
      "V.DTA_FIM_RESERVA > " + maker::DataHoraPSql(f.data_ref, f.banco_dados);
  const std::string em_negociacao = "exists (" + PropostasVeiculo("'2','5'") + ")";
  const std::string reserva_estoque =
      "SI.LOCALIZACAO = 'E' and V.RESERVADO = 'S' and " + reserva + " and not " + em_negociacao;
  return {
      {"VENDA", kZeroValor},
      {"BONUS", kZeroValor},
      {"PRECO_TABELA", kZeroValor},
      {"EST_MEDIO", "CAST(0 AS INTEGER)"},
      {"EMPRESA", "[T].EMPRESA", {}, {}, {}, "V.EMPRESA"},
      {"REVENDA", "[T].REVENDA_ORIGEM", {}, {}, {}, "V.REVENDA"},
      {"NOME_FANTASIA", "R.NOME_FANTASIA"},
      {"EMPRESA_NOTA", "[T].EMPRESA", "C.EMPRESA", {}, "C.EMPRESA", "V.EMPRESA"},
      {"REVENDA_NOTA", "[T].REVENDA_ORIGEM", "C.REVENDA", {}, "C.REVENDA", "V.REVENDA"},
      {"EMPRESA_ORIGEM_NOTA",
       "[T].EMPRESA",
       "C.EMPRESA_ORIGEM",
       {},
       "C.EMPRESA_ORIGEM",
       "V.EMPRESA"},
      {"REVENDA_ORIGEM_NOTA",
       "[T].REVENDA_ORIGEM",
       "C.REVENDA_ORIGEM",
       {},
       "C.REVENDA_ORIGEM",
       "V.REVENDA"},
      {"REVENDA_COMPROMISSO",
       "NE.REVENDA_COMPROMISSO",
       "C.REVENDA_COMPROMISSO",
       {},
       "C.REVENDA_COMPROMISSO"},
      {"DTA_FAT_FABRICA", "[T].DTA_FAT_FABRICA"},
      {"DTA_VENDA", "[T].DTA_VENDA"},
      {"DTA_ENTRADA", "CAST([T].DTA_ENTRADA AS DATE)"},
      {"DTA_ENTRADA_ESTOQUE", "[T].DTA_ENTRADA_ESTOQUE"},
      {"DTA_DOCUMENTO_FABRICA", "NE.DTA_DOCUMENTO"},
      {"DTA_GARANTIA_USADO", "[T].DTA_GARANTIA_USADO"},
      {"DTA_PROGRAMADA", kDataNula, {}, {}, {}, "V.DTA_PROGRAMADA"},
      {"DTA_PROVAVEL", kDataNula, {}, {}, {}, "V.DTA_PROVAVEL"},
      {"DTA_FATURA", kDataNula, {}, {}, {}, "V.DTA_FATURA"},
      {"VEICULO", "[T].VEICULO"},
      {"QUILOMETRAGEM", "[T].QUILOMETRAGEM"},
      {"LOCALIZACAO", "SI.LOCALIZACAO"},
      {"DES_LOCALIZACAO",
       "case SI.LOCALIZACAO when 'E' then 'Estoque' when 'V' then 'Vendido' else '' end"},
      {"CHASSI", "[T].CHASSI", {}, {}, {}, "V.CHASSI"},
      {"MODELO", "M.MODELO"},
      {"DES_MODELO", "M.DES_MODELO"},
      {"EDICAO", "F.EDICAO"},
      {"SEGUIMENTO", "M.SEGUIMENTO"},
      {"VERSAO", "M.VERSAO"},
      {"PNEUS", "F.PNEUS"},
      {"COMBUSTIVEL", "F.COMBUSTIVEL"},
      {"SITUACAO", "[T].SITUACAO"},
      {"NOVO_USADO", "[T].NOVO_USADO", {}, {}, {}, "coalesce(VEI.NOVO_USADO, 'N')"},
      {"DEPARTAMENTO", "[T].DEPARTAMENTO"},
      {"PLACA", "F.PLACA"},
      {"ACABAMENTO", "M.ACABAMENTO"},
      {"ANO_FABRICACAO", "F.ANO_FABRICACAO"},
      {"ANO_MODELO", "F.ANO_MODELO"},
      {"PACOTE", "F.PACOTE"},
      {"COR_CARRETA", "F.COR_CARRETA"},
      {"RENAVAM", "coalesce(F.RENAVAM, M.RENAVAM)"},
      {"DES_COR", "CO.DES_COR"},
      {"COR_INTERNA", "[T].COR_INTERNA"},
      {"OPCIONAIS", "[T].OPCIONAIS"},
      {"NUMERO_PORTAS", "F.PORTAS"},
      {"TIPO_PINTURA", "F.TIPO_PINTURA"},
      {"TIPO_COMERCIALIZACAO", "[T].TIPO_VENDA"},
      {"DES_CATEGORIA_VEICULO", "M.DES_CATEGORIA_VEICULO"},
      {"IDENTIFICACAO", "[T].IDENTIFICACAO"},
      {"VEI_OBS", "[T].OBSERVACAO"},
      {"NOME_MARCA", "FA.MARCA"},
      {"FAMILIA", "FA.FAMILIA"},
      {"DES_FAMILIA", "FA.DES_FAMILIA"},
      {"TEMPO_ESTOQUE_DIF", "FA.TEMPO_ESTOQUE_DIF"},
      {"QTD_DIAS_INI_PRETO", "FA.QTD_DIAS_INI_PRETO"},
      {"QTD_DIAS_FIM_PRETO", "FA.QTD_DIAS_FIM_PRETO"},
      {"QTD_DIAS_INI_CINZA", "FA.QTD_DIAS_INI_CINZA"},
      {"QTD_DIAS_FIM_CINZA", "FA.QTD_DIAS_FIM_CINZA"},
      {"QTD_DIAS_INI_VERDE", "FA.QTD_DIAS_INI_VERDE"},
      {"QTD_DIAS_FIM_VERDE", "FA.QTD_DIAS_FIM_VERDE"},
      {"QTD_DIAS_INI_AZUL", "FA.QTD_DIAS_INI_AZUL"},
      {"QTD_DIAS_FIM_AZUL", "FA.QTD_DIAS_FIM_AZUL"},
      {"QTD_DIAS_INI_VERMELHO", "FA.QTD_DIAS_INI_VERMELHO"},
      {"QTD_DIAS_FIM_VERMELHO", "FA.QTD_DIAS_FIM_VERMELHO"},
      {"CONTABIL",
       kZeroFlag,
       {},
       {},
       {},
       {},
       Flag("SI.LOCALIZACAO = 'E' and (PA.SITUACAO is null or V.SITUACAO <> PA.SITUACAO)")},
      {"TRANSITO", kZeroFlag, {}, {}, {}, {}, Flag("V.SITUACAO = PA.SITUACAO")},
      {"RESERVADO",
       kZeroFlag,
       {},
       {},
       {},
       Flag(reserva),
       Flag("(" + reserva_estoque + ") or VPR.COD_VEICULO is not null")},
      {"NEGOCIADO", kZeroFlag, {}, {}, {}, {}, Flag(em_negociacao)},
      {"TEM_PROPOSTA",
       kZeroFlag,
       {},
       {},
       {},
       Flag("exists (" + PropostasPedido("'0','1','2','5'") + ")"),
       Flag("exists (" + PropostasVeiculo("'0','1','2','5'") + ")")},
      // Available: a situation open for sale, neither reserved nor under negotiation.
      {"DISPONIVEL",
       kZeroFlag,
       {},
       {},
       {},
       {},
       Flag("SI.DISP_VENDA = 'S' and VPR.COD_VEICULO is null and (V.RESERVADO is null or "
            "V.RESERVADO <> 'S' or V.DTA_FIM_RESERVA is null or not (" +
            reserva + ")) and not " + em_negociacao)},
      {"VENDIDO", kZeroFlag, kUmFlag},
      {"VENDADIR", kZeroFlag, {}, kUmFlag},
      {"DEVOLUCOES", kZeroFlag, {}, {}, kUmFlag},
      {"PEDIDO", kZeroFlag, {}, {}, {}, kUmFlag},
      {"PLANO_MENSAL", kZeroFlag, {}, {}, {}, Flag("V.SITUACAO = 5")},
      {"PROPOSTA",
       MaiorProposta(kVinculoVeiculo, "'7','9'"),
       {},
       {},
       "0",
       MaiorProposta(kVinculoPedido, "'2','5'"),
       MaiorProposta(kVinculoVeiculo, "'2','5'")},
      {"VENDEDOR_PROPOSTA", kVendedorProposta, {}, {}, "''"},
      {"NOME_VENDEDOR", NomeVendedor("NE.EMPRESA", "NE.REVENDA", "NE.VENDEDOR")},
      // An open pre-reservation comes before the vehicle's own reservation.
      {"NOME_VENDEDOR_RESERVA",
       "coalesce(" + NomeVendedor("VPR.EMPRESA", "VPR.REVENDA", "VPR.VENDEDOR") + ", case when " +
           reserva + " then " +
           NomeVendedor("V.EMPRESA_VENDEDOR_RESERVA", "V.REVENDA_VENDEDOR_RESERVA",
                        "V.VENDEDOR_RESERVA") +
           " end, '')"},
      {"DTA_FIM_RESERVA", "case when " + reserva + " then V.DTA_FIM_RESERVA end"},
      {"USUARIO_RESERVA", "case when " + reserva + " then V.USUARIO_RESERVA end"},
      {"NOME_CLIENTE_RESERVA", "coalesce(" + NomeCliente("VPR.CLIENTE") + ", case when " + reserva +
                                   " then " + NomeCliente("V.CLIENTE_RESERVA") + " end, '')"},
      {"VENDEDOR_RESERVA", "case when " + reserva + " then V.VENDEDOR_RESERVA end"},
      {"VEICULO_RESERVADO", "case when " + reserva + " then 'S' else 'N' end"},
      {"VCR", "'4'", {}, {}, {}, {}, "PA.VAL_VEICULO_C_R"},
      {"VAL_VENDA", "CAST(0 AS NUMERIC(15,2))", "C.TOT_NOTA_FISCAL", "V.VAL_PRESENTE_VENDA",
       "C.TOT_NOTA_FISCAL",
       "coalesce(MP.PRECO_PUBLICO, M.PRECO_PUBLICO, 0) + coalesce(M.FRETE_VENDA, 0) + "
       "coalesce(M.VAL_SEGURO, 0) + coalesce((select sum(OM.VAL_OPCIONAL) from "
       "VEI_PEDIDO_OPCIONAL PO inner join VEI_OPCIONAL_MODELO OM on (OM.EMPRESA = PO.EMPRESA and "
       "OM.MODELO = PO.MODELO and OM.OPCIONAL = PO.OPCIONAL) where PO.EMPRESA = V.EMPRESA and "
       "PO.PEDIDO = V.PEDIDO), 0)"},
      {"FRETE", "M.FRETE_VENDA"},
      {"SEGURO", "M.VAL_SEGURO"},
      {"CUSTO", CustoArmazenado("VAL_HISTORICO"), {}, {}, {}, "M.CUSTO"},
      {"CUSTO_PRES", CustoArmazenado("VAL_PRESENTE"), {}, {}, {}, "M.CUSTO"},
      {"VAL_COMPRA", "[T].VAL_COMPRA"},
      {"VAL_CUSTO_CONTABIL", "[T].VAL_CUSTO_CONTABIL"},
      {"PRECO_MINIMO_COMERCIALIZACAO", "[T].PRECO_MINIMO_COMERCIALIZACAO"},
      {"PRECO_CONCESSIONARIA", "[T].PRECO_CONCESSIONARIA"},
      {"VAL_BONUS", "[T].VAL_BONUS"},
      {"VAL_LIQUIDO", "NE.TOT_MERCADORIA - coalesce(NE.VALDESCONTO, 0)"},
      {"VERSAO_RENAULT", "[T].VERSAO_RENAULT"},
      {"PEDIDO_FABRICA", "CAST(NULL AS VARCHAR(20))", {}, {}, {}, "V.PEDIDO_FABRICA"},
      {"ORDEM_PEDIDO", "CAST(NULL AS VARCHAR(20))", {}, {}, {}, "V.ORDEM_PEDIDO"},
      {"TIPO_PEDIDO",
       "CAST(NULL AS VARCHAR(10))",
       {},
       {},
       {},
       "case V.TIPO_PEDIDO when 'E' then 'Extra' when 'I' then 'Internet' when 'N' then "
       "'Normal' when 'R' then 'Reserva' when 'F' then 'FirmOrder' else '' end"},
      {"NUMERO_NOTA_NFENTRADA", "[T].NUMERO_NOTA_NFENTRADA"},
      {"sit_veic", kSitVeic},
  };
}

const std::string& Escolhe(const Coluna& c, char ramo) {
  const std::string* sobreposta = nullptr;
  switch (ramo) {
    case 'A':
      sobreposta = &c.vendido;
      break;
    case 'B':
      sobreposta = &c.venda_direta;
      break;
    case 'C':
      sobreposta = &c.devolucao;
      break;
    case 'D':
      sobreposta = &c.pedido;
      break;
    default:
      sobreposta = &c.estoque;
      break;
  }
  return sobreposta->empty() ? c.padrao : *sobreposta;
}

}  // namespace

std::string ColunasEstoque(char ramo, const FiltrosEstoque& filtros) {
  std::string lista;
  for (const Coluna& c : Colunas(filtros))
    lista += (lista.empty() ? "" : ", ") + Escolhe(c, ramo) + " " + c.nome;
  return platform::ReplaceAll(lista, "[T].", ramo == 'D' ? "VEI." : "V.", false);
}

}  // namespace veiculo::pricing
