#pragma once
// The seeded dealer of the stock list tests (company 1, reference date
// 10/03/2025 12:00, sale period March 2025):
//
// | vehicle | model | dealer | situation        | what it shows                                |
// |---------|-------|--------|------------------|----------------------------------------------|
// | N1      | M1    | 1      | EST              | new, department 3, stored costing lines      |
// | N2      | M1    | 1      | TRANS (transit)  | TRANSITO, not CONTABIL; package PK1          |
// | U1      | M1    | 2      | EST              | the one used vehicle                         |
// | P1      | M1    | 1      | CAMINHO (T)      | open pre-reservation in transit: listed      |
// | P2      | M1    | 1      | CAMINHO (T)      | no pre-reservation: not in stock             |
// | R1      | M1    | 1      | EST              | reserved until 12/03/2025, advertised        |
// | R2      | M1    | 1      | EST              | reservation ended 09/03/2025                 |
// | G1      | M'2   | 2      | EST              | proposals, chassis holding a quote           |
// | S1      | M1    | 1      | VEND             | sold on 31/03/2025 15:30 (invoice 91.000)    |
// | S2      | M1    | 1      | VEND             | sale invoice cancelled                       |
// | D1      | M1    | 2      | VEND             | direct sale on 20/03/2025 (88.000)           |
// | DV1     | M1    | 1      | EST              | returned on 05/03/2025 (87.000)              |
// Orders: 900 (situation 1, M1, firm order, one optional) and 901 (situation 3).

#include "support/kit.h"

namespace veiculo::testing {

inline void SeedStockDealer(Connection& c) {
  InsertRows(c, "GER_REVENDA", "EMPRESA REVENDA NOME_FANTASIA",
             {{I(1), I(1), T("Matriz")}, {I(1), I(2), T("Filial")}});
  AddParameters(c, 1, Cols("VAL_VEICULO_C_R SITUACAO", {T("1"), T("TRANS")}));
  AddParameters(c, 2, Cols("VAL_VEICULO_C_R SITUACAO", {T("3"), T("TRANS")}));
  for (const auto& [situacao, localizacao, disp] : {std::tuple{"EST", "E", "S"},
                                                    {"TRANS", "E", "N"},
                                                    {"CAMINHO", "T", "N"},
                                                    {"VEND", "V", "N"}})
    Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO DISP_VENDA",
           {I(1), T(situacao), T(localizacao), T(disp)});
  Insert(c, "VEI_FAMILIA",
         "EMPRESA FAMILIA MARCA DES_FAMILIA QTD_DIAS_INI_VERDE QTD_DIAS_FIM_VERDE "
         "QTD_DIAS_INI_VERMELHO QTD_DIAS_FIM_VERMELHO",
         {I(1), I(10), T("RENA"), T("Hatch"), I(0), I(30), I(91), I(999)});
  AddModel(c, "M1",
           Cols("FAMILIA DES_MODELO CUSTO PRECO_PUBLICO FRETE_VENDA VAL_SEGURO",
                {I(10), T("Hatch 1.0"), F(50000), F(80000), F(1500), F(500)}));
  AddModel(c, "M'2", Cols("FAMILIA DES_MODELO", {I(10), T("Hatch d'Oro")}));
  Insert(c, "VEI_COR", "EMPRESA COR DES_COR", {I(1), T("PR"), T("Prata")});

  auto vehicle = [&](const char* code, const char* chassi, int revenda, const char* situacao,
                     const Columns& more = {}) {
    AddVehicle(c, code, chassi,
               Overridden(Cols("REVENDA_ORIGEM SITUACAO NOVO_USADO COR",
                               {I(revenda), T(situacao), T("N"), T("PR")}),
                          more),
               Cols("ANO_MODELO", {I(2025)}));
  };
  vehicle("N1", "CHN1", 1, "EST", Cols("DEPARTAMENTO", {I(3)}));
  vehicle("N2", "CHN2", 1, "TRANS");
  c.ExecuteDirect("update OFI_FICHA_SEGUIMENTO set PACOTE = 'PK1' where CHASSI = 'CHN2'");
  Insert(c, "ICA_ANUNCIO", "EMPRESA VEICULO", {I(1), T("R1")});
  vehicle("U1", "CHU1", 2, "EST", Cols("NOVO_USADO", {T("U")}));
  vehicle("P1", "CHP1", 1, "CAMINHO");
  vehicle("P2", "CHP2", 1, "CAMINHO");
  vehicle("R1", "CHR1", 1, "EST",
          Cols("RESERVADO DTA_FIM_RESERVA CLIENTE_RESERVA EMPRESA_VENDEDOR_RESERVA "
               "REVENDA_VENDEDOR_RESERVA VENDEDOR_RESERVA USUARIO_RESERVA",
               {T("S"), D(Moment(2025, 3, 12, 9)), I(501), I(1), I(1), I(21), I(7)}));
  vehicle("R2", "CHR2", 1, "EST",
          Cols("RESERVADO DTA_FIM_RESERVA CLIENTE_RESERVA EMPRESA_VENDEDOR_RESERVA "
               "REVENDA_VENDEDOR_RESERVA VENDEDOR_RESERVA",
               {T("S"), D(Moment(2025, 3, 9, 18)), I(501), I(1), I(1), I(21)}));
  vehicle("G1", "CH'G1", 2, "EST", Cols("MODELO", {T("M'2")}));
  vehicle("S1", "CHS1", 1, "VEND");
  vehicle("S2", "CHS2", 1, "VEND");
  vehicle("D1", "CHD1", 2, "VEND",
          Cols("DTA_NOTIFICACAO_CREDITO VENDEDOR_VD DTA_VENDA VAL_PRESENTE_VENDA",
               {D(Day(2025, 3, 18)), I(22), D(Day(2025, 3, 20)), F(88000)}));
  vehicle("DV1", "CHDV1", 1, "EST");

  // People: the pre-reservation's and the reservations' sellers and customers.
  InsertRows(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR NOME",
             {{I(1), I(1), I(21), T("Bruno")},
              {I(1), I(1), I(23), T("Carla")},
              {I(1), I(2), I(24), T("Diego")},
              {I(1), I(2), I(25), T("Elisa")}});
  InsertRows(c, "FAT_CLIENTE", "CLIENTE NOME",
             {{I(501), T("Ana Reis")}, {I(502), T("Paulo Lima")}});
  Insert(c, "VEI_PRE_RESERVA",
         "EMPRESA COD_VEICULO TIPO SITUACAO SITUACAO_VEICULO REVENDA VENDEDOR CLIENTE",
         {I(1), T("P1"), T("R"), T("O"), T("T"), I(1), I(23), I(502)});

  // G1: an older proposal sold by Diego, two of 20/03/2025 (Elisa, Diego):
  // the latest issue date's highest name is Elisa's.
  for (const auto& [proposta, situacao, negociacao, vendedor, emissao] :
       {std::tuple{700, "5", 2, 25, Moment(2025, 3, 2, 10)},
        {650, "2", 1, 24, Moment(2025, 3, 2, 10)},
        {600, "1", 1, 24, Moment(2025, 2, 1, 10)}})
    AddProposal(c, 2, proposta,
                Cols("VEICULO SITUACAO NEGOCIACAO_FINAL VENDEDOR DTA_EMISSAO",
                     {T("G1"), T(situacao), I(negociacao), I(vendedor), D(emissao)}));

  // N1's stored costing: lines 1 (+) and 3 (a base line) add, 2 (-)
  // subtracts, 4 (inactive) and 5 (no sign) take no part.
  const char* linha = "EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA CUSTO_TOTAL";
  Insert(c, "VEI_FORMULA_LINHA", linha, {I(1), T("F1"), I(1), T("N"), T("A"), T("1"), T("+")});
  Insert(c, "VEI_FORMULA_LINHA", linha, {I(1), T("F1"), I(2), T("N"), T("A"), T("2"), T("-")});
  Insert(c, "VEI_FORMULA_LINHA", linha, {I(1), T("F1"), I(3), T("B"), T("A"), T("("), Null()});
  Insert(c, "VEI_FORMULA_LINHA", linha, {I(1), T("F1"), I(4), T("N"), T("I"), T("1"), T("+")});
  Insert(c, "VEI_FORMULA_LINHA", linha, {I(1), T("F1"), I(5), T("N"), T("A"), T("1"), Null()});
  const double custeio[][2] = {{60000, 61000}, {2000, 2100}, {500, 510}, {9999, 9999}, {777, 777}};
  for (int l = 1; l <= 5; ++l)
    Insert(c, "VEI_VEICULO_CUSTEIO",
           "EMPRESA VEICULO FORMULA LINHA_FORMULA VAL_HISTORICO VAL_PRESENTE",
           {I(1), T("N1"), T("F1"), I(l), F(custeio[l - 1][0]), F(custeio[l - 1][1])});

  // Sales and returns of March 2025.
  InsertRows(c, "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
             {{T("S51"), T("S"), T("N")}, {T("E21"), T("E"), T("D")}});
  const Invoice venda{1, 5001, "S51"}, cancelada{1, 5002, "S51"}, devolucao{1, 3001, "E21"};
  AddInvoice(c, venda,
             Cols("DTA_ENTRADA_SAIDA STATUS TOT_NOTA_FISCAL EMPRESA_ORIGEM REVENDA_ORIGEM",
                  {D(Moment(2025, 3, 31, 15, 30)), T("N"), F(91000), I(1), I(2)}));
  AddInvoiceVehicle(c, venda, "S1");
  AddInvoice(c, cancelada,
             Cols("DTA_ENTRADA_SAIDA STATUS TOT_NOTA_FISCAL",
                  {D(Moment(2025, 3, 15, 10)), T("C"), F(93000)}));
  AddInvoiceVehicle(c, cancelada, "S2");
  AddInvoice(c, devolucao,
             Cols("DTA_ENTRADA_SAIDA STATUS TOT_NOTA_FISCAL FATOPERACAO_ORIGINAL",
                  {D(Moment(2025, 3, 5, 11)), T("N"), F(87000), I(5)}));
  AddInvoiceVehicle(c, devolucao, "DV1");

  // Entry invoices of N1 (operation 40) and R1 (operation 41), each paid by
  // two conditions: 2 (50.000) outweighs 1 (30.000). N1's titles of
  // condition 2 are all paid; one of R1's is still open.
  const Invoice entrada_n1{1, 101, "E51"}, entrada_r1{1, 102, "E51"};
  AddInvoice(
      c, entrada_n1,
      Cols("OPERACAO VENDEDOR TOT_MERCADORIA VALDESCONTO", {I(40), I(21), F(75000), F(1200)}));
  AddInvoice(c, entrada_r1, Cols("OPERACAO TOT_MERCADORIA", {I(41), F(70000)}));
  c.ExecuteDirect(
      "update VEI_VEICULO set EMPRESA_NFENTRADA = 1, REVENDA_NFENTRADA = 1, "
      "TIPO_TRANSACAO_NFENTRADA = 'E51', SERIE_NOTA_NFENTRADA = 'U', CONTADOR_NFENTRADA = 1, "
      "NUMERO_NOTA_NFENTRADA = case VEICULO when 'N1' then 101 else 102 end "
      "where VEICULO in ('N1', 'R1')");
  for (int operacao : {40, 41})
    for (const auto& [condicao, valor] : {std::pair{1, 30000.0}, {2, 50000.0}})
      Insert(c, "FAT_OPERACAO_CONDICAO", "EMPRESA REVENDA OPERACAO CONDICAO VAL_OPERACAO_CONDICAO",
             {I(1), I(1), I(operacao), I(condicao), F(valor)});
  const char* titulo = "EMPRESA REVENDA TITULO DUPLICATA CLIENTE TIPO STATUS OPERACAO CONDICAO";
  Insert(c, "FIN_TITULO", titulo, {I(1), I(1), I(1), I(1), I(9), T("CP"), T("PT"), I(40), I(2)});
  Insert(c, "FIN_TITULO", titulo, {I(1), I(1), I(1), I(2), I(9), T("CP"), T("PT"), I(40), I(2)});
  Insert(c, "FIN_TITULO", titulo, {I(1), I(1), I(1), I(3), I(9), T("CP"), T("AB"), I(40), I(1)});
  Insert(c, "FIN_TITULO", titulo, {I(1), I(1), I(2), I(1), I(9), T("CP"), T("PT"), I(41), I(2)});
  Insert(c, "FIN_TITULO", titulo, {I(1), I(1), I(2), I(2), I(9), T("CP"), T("AB"), I(41), I(2)});

  // Maker orders: 900 is listed, 901 (situation 3) is not.
  const char* pedido = "PEDIDO CHASSI EMPRESA REVENDA MODELO SITUACAO TIPO_PEDIDO DTA_FIM_RESERVA";
  Insert(c, "VEI_PEDIDO", pedido,
         {I(900), T("ORD900"), I(1), I(1), T("M1"), I(1), T("F"), D(Moment(2025, 3, 11))});
  Insert(c, "VEI_PEDIDO", pedido, {I(901), T("ORD901"), I(1), I(1), T("M1"), I(3), T("N"), Null()});
  Insert(c, "VEI_MODELO_PRECO", "EMPRESA MODELO REVENDA PRECO_PUBLICO",
         {I(1), T("M1"), I(1), F(82000)});
  Insert(c, "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL VAL_OPCIONAL",
         {I(1), T("M1"), T("OP1"), F(2500)});
  Insert(c, "VEI_PEDIDO_OPCIONAL", "EMPRESA PEDIDO MODELO OPCIONAL",
         {I(1), I(900), T("M1"), T("OP1")});
}

}  // namespace veiculo::testing
