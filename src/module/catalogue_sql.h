#pragma once
// SQL texts of the module's fixed queries, one constant per SQL dataset
// (kSql<stem> for sds<stem>). Written once in the common form and adapted to
// the bound database when the dataset opens; every query is one line of text.

namespace veiculo::catalogue_sql {

inline constexpr char kSqlVeiculo[] =
    "select v.*, v.FORMULA FORMULA_CUSTEIO, case f.tipo_pintura when 'S' then "
    "coalesce(p.preco_publico, m.preco_publico, 0) + coalesce(p.val_pintura_s, "
    "m.val_pintura_s, 0) when 'M' then coalesce(p.preco_publico, m.preco_publico, 0) + "
    "coalesce(p.val_pintura_m, m.val_pintura_m, 0) when 'P' then coalesce(p.preco_publico, "
    "m.preco_publico, 0) + coalesce(p.val_pintura_p, m.val_pintura_p, 0) when 'E' then "
    "coalesce(p.preco_publico, m.preco_publico, 0) + coalesce(p.val_pintura_e, "
    "m.val_pintura_e, 0) else coalesce(p.preco_publico, m.preco_publico, 0) end "
    "PRECO_PUBLICO, m.*, f.ANO_FABRICACAO, f.ANO_MODELO, f.PACOTE, f.PORTAS, f.TIPO_PINTURA, "
    "f.EDICAO EDICAO_MODELO from VEI_VEICULO v inner join VEI_MODELO m on (v.EMPRESA = "
    "m.EMPRESA and v.MODELO = m.MODELO) inner join OFI_FICHA_SEGUIMENTO f on (v.CHASSI = "
    "f.CHASSI) left outer join VEI_MODELO_PRECO p on (v.EMPRESA = P.EMPRESA and v.MODELO = "
    "P.MODELO and v.REVENDA_ORIGEM = P.REVENDA) where v.EMPRESA = :Empresa and v.VEICULO = "
    ":Veiculo";

inline constexpr char kSqlFormulaLinha[] =
    "select * from VEI_FORMULA_LINHA where EMPRESA = :Empresa and FORMULA = :Formula order by "
    "LINHA_FORMULA";

inline constexpr char kSqlLinha[] =
    "select * from VEI_FORMULA_LINHA where EMPRESA = :Empresa and FORMULA = :Formula and "
    "LINHA_FORMULA = :Linha";

inline constexpr char kSqlDespesa[] =
    "select d1.*, d2.* from VEI_DESPESA_VEICULO d1, VEI_DESPESA d2 where d1.EMPRESA = "
    "d2.EMPRESA and d1.DESPESA = d2.DESPESA and d1.EMPRESA = :Empresa and d1.VEICULO = "
    ":Veiculo";

inline constexpr char kSqlIndice[] = "select * from FIN_INDICE_FINANCEIRO where EMPRESA = :Empresa";

inline constexpr char kSqlIndice1[] =
    "select * from FIN_INDICE_FINANCEIRO where EMPRESA = :Empresa and INDICE = :Indice";

inline constexpr char kSqlValorIndice[] =
    "select * from FIN_VALOR_INDICE where EMPRESA = :Empresa and INDICE = :Indice and "
    "DTA_INDICE = :Data";

inline constexpr char kSqlMovimento[] =
    "select * from FAT_MOVIMENTO_CAPA where EMPRESA = :Empresa and REVENDA = :Revenda and "
    "TIPO_TRANSACAO = :Tipo and NUMERO_NOTA_FISCAL = :Numero and SERIE_NOTA_FISCAL = :Serie "
    "and CONTADOR = :Contador";

inline constexpr char kSqlMovimentoVeiculo[] =
    "select case when (FMC.VAL_ICMS_FRETE + FMC.VAL_ICMS_SEGURO) > 0 then (FMC.VAL_ICMS_FRETE "
    "+ FMC.VAL_ICMS_SEGURO) else FMV.VAL_ICMS_FRETE_SEGURO end VAL_ICMS_FRETE_SEGURO_CALC, "
    "FMV.* from FAT_MOVIMENTO_VEICULO FMV inner join FAT_MOVIMENTO_CAPA FMC on (FMC.EMPRESA = "
    "FMV.EMPRESA and FMC.REVENDA = FMV.REVENDA and FMC.NUMERO_NOTA_FISCAL = "
    "FMV.NUMERO_NOTA_FISCAL and FMC.SERIE_NOTA_FISCAL = FMV.SERIE_NOTA_FISCAL and "
    "FMC.TIPO_TRANSACAO = FMV.TIPO_TRANSACAO and FMC.CONTADOR = FMV.CONTADOR) where "
    "FMV.EMPRESA = :Empresa and FMV.REVENDA = :Revenda and FMV.TIPO_TRANSACAO = :Tipo and "
    "FMV.NUMERO_NOTA_FISCAL = :Numero and FMV.SERIE_NOTA_FISCAL = :Serie and FMV.CONTADOR = "
    ":Contador and FMV.VEICULO = :Veiculo";

inline constexpr char kSqlBonus[] =
    "select * from vei_bonus where EMPRESA = :Empresa and MODELO = :Modelo and (((:DataCompra "
    "between dta_compra_inicio and dta_compra_fim) or (dta_compra_inicio is null)) and "
    "((:DataVenda between dta_venda_inicio and dta_venda_fim) or (dta_venda_inicio is null)) "
    "AND ((:DataProducao BETWEEN dta_producao_inicio AND dta_producao_fim) OR "
    "(dta_producao_inicio IS NULL))) order by GRUPO_BONUS";

inline constexpr char kSqlBonusPacote[] =
    "select * from vei_bonus_pacote where EMPRESA = :Empresa and BONUS = :Bonus";

inline constexpr char kSqlBonusOpcional[] =
    "select * from vei_bonus_opcional where EMPRESA = :Empresa and BONUS = :Bonus and MODELO "
    "= :Modelo";

inline constexpr char kSqlBonusOpcionalSem[] =
    "select * from VEI_BONUS_OPCIONAL_SEM where EMPRESA = :Empresa and BONUS = :Bonus and "
    "MODELO = :Modelo";

inline constexpr char kSqlBonusEdicao[] =
    "select * from vei_bonus_edicao where EMPRESA = :Empresa and BONUS = :Bonus";

inline constexpr char kSqlBonusRevenda[] =
    "select * from vei_bonus_revenda where EMPRESA = :Empresa and BONUS = :Bonus";

inline constexpr char kSqlBonusOpcVei[] =
    "select fo.OPCIONAL from ofi_ficha_seguimento fs, ofi_ficha_opcional fo where fs.chassi = "
    "fo.chassi and fo.EMPRESA = fs.Empresa and fo.CHASSI = :Chassi and fo.MODELO = :Modelo";

inline constexpr char kSqlRetorno[] =
    "select * from VEI_RETORNO where EMPRESA = :Empresa and REVENDA = :Revenda and PROPOSTA = "
    ":Proposta and NEGOCIACAO = :Negociacao and TIPO_RETORNO = :Tipo";

inline constexpr char kSqlRetornoTotal[] =
    "select * from VEI_RETORNO where EMPRESA = :Empresa and REVENDA = :Revenda and PROPOSTA = "
    ":Proposta and NEGOCIACAO = :Negociacao";

inline constexpr char kSqlParametro[] =
    "select * from VEI_PARAMETRO where EMPRESA = :Empresa and REVENDA = :Revenda";

inline constexpr char kSqlRevenda[] =
    "select * from GER_REVENDA where EMPRESA = :Empresa and REVENDA = :Revenda";

inline constexpr char kSqlRevendaOrigem[] =
    "select REVENDA_ORIGEM from vei_veiculo where EMPRESA = :Empresa and VEICULO = :Veiculo";

inline constexpr char kSqlSubsidio[] =
    "select * from VEI_SUBSIDIO where EMPRESA = :Empresa order by SUBSIDIO";

inline constexpr char kSqlSubsidioPeriodo[] =
    "select * from VEI_SUBSIDIO_PERIODO where EMPRESA = :Empresa and SUBSIDIO = :Subsidio "
    "order by PERIODO";

inline constexpr char kSqlEdicao[] =
    "select E.*, coalesce(E.VAL_PINTURA_S, M.VAL_PINTURA_S,0) VAL_PINTURA_S1, "
    "coalesce(E.VAL_PINTURA_M, M.VAL_PINTURA_M,0) VAL_PINTURA_M1, coalesce(E.VAL_PINTURA_P, "
    "M.VAL_PINTURA_P,0) VAL_PINTURA_P1, coalesce(E.VAL_PINTURA_E, M.VAL_PINTURA_E,0) "
    "VAL_PINTURA_E1 from VEI_MODELO_EDICAO E, VEI_MODELO M where E.EMPRESA = M.EMPRESA and "
    "E.MODELO = M.MODELO and E.EMPRESA = :Empresa and E.MODELO = :Modelo order by E.MODELO";

inline constexpr char kSqlPacote[] =
    "SELECT * FROM VEI_PACOTE WHERE EMPRESA = :Empresa and PACOTE = :Pacote";

inline constexpr char kSqlPacoteAno[] =
    "select * from VEI_PACOTE_ANO where EMPRESA = :Empresa and PACOTE = :Pacote and "
    "ANO_MODELO = :AnoModelo and TIPO_PINTURA = :TipoPintura and TIPO_PRECO = :TipoPreco "
    "order by DTA_EMISSAO desc";

inline constexpr char kSqlProposta[] =
    "select NEGOCIACAO_FINAL, SITUACAO, OBSERVACAO, EMPRESA, REVENDA, PROPOSTA from "
    "VEI_PROPOSTA where EMPRESA= :EMPRESA and REVENDA= :REVENDA and PROPOSTA= :PROPOSTA";

}  // namespace veiculo::catalogue_sql
