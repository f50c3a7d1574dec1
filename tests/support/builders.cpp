#include "support/builders.h"

namespace veiculo::testing {
namespace {

// The six columns naming an invoice from another row, in the order
// company, dealer, transaction type, number, series, counter.
Columns Points(const char* const (&names)[6], const Invoice& nf) {
  return {{names[0], I(1)},         {names[1], I(nf.revenda)}, {names[2], T(nf.tipo)},
          {names[3], I(nf.numero)}, {names[4], T("U")},        {names[5], I(1)}};
}

}  // namespace

void AddDealer(Connection& c, int revenda, const Columns& more) {
  Insert(c, "GER_REVENDA", Overridden(Cols("EMPRESA REVENDA", {I(1), I(revenda)}), more));
}

void AddParameters(Connection& c, int revenda, const Columns& more) {
  Insert(c, "VEI_PARAMETRO", Overridden(Cols("EMPRESA REVENDA", {I(1), I(revenda)}), more));
}

void AddModel(Connection& c, const std::string& modelo, const Columns& more) {
  Insert(c, "VEI_MODELO", Overridden(Cols("EMPRESA MODELO", {I(1), T(modelo)}), more));
}

void AddVehicle(Connection& c, const std::string& veiculo, const std::string& chassi,
                const Columns& more, const Columns& record) {
  Insert(c, "OFI_FICHA_SEGUIMENTO", Overridden(Cols("EMPRESA CHASSI", {I(1), T(chassi)}), record));
  Insert(c, "VEI_VEICULO",
         Overridden(Cols("EMPRESA VEICULO MODELO CHASSI FORMULA",
                         {I(1), T(veiculo), T("M1"), T(chassi), T("F1")}),
                    more));
}

Columns KeyOf(const Invoice& nf) {
  return Cols("EMPRESA REVENDA NUMERO_NOTA_FISCAL SERIE_NOTA_FISCAL TIPO_TRANSACAO CONTADOR",
              {I(1), I(nf.revenda), I(nf.numero), T("U"), T(nf.tipo), I(1)});
}

void AddInvoice(Connection& c, const Invoice& nf, const Columns& more) {
  Insert(c, "FAT_MOVIMENTO_CAPA", Overridden(KeyOf(nf), more));
}

void AddInvoiceVehicle(Connection& c, const Invoice& nf, const std::string& veiculo,
                       const Columns& more) {
  Insert(c, "FAT_MOVIMENTO_VEICULO",
         Overridden(KeyOf(nf) + Columns{{"VEICULO", T(veiculo)}}, more));
}

Columns EntryInvoiceOf(const Invoice& nf) {
  return Points({"EMPRESA_NFENTRADA", "REVENDA_NFENTRADA", "TIPO_TRANSACAO_NFENTRADA",
                 "NUMERO_NOTA_NFENTRADA", "SERIE_NOTA_NFENTRADA", "CONTADOR_NFENTRADA"},
                nf);
}
Columns ExitInvoiceOf(const Invoice& nf) {
  return Points({"EMPRESA_NFSAIDA", "REVENDA_NFSAIDA", "TIPO_TRANSACAO_NFSAIDA",
                 "NUMERO_NOTA_NFSAIDA", "SERIE_NOTA_FISCAL_NFSAIDA", "CONTADOR_NFSAIDA"},
                nf);
}
Columns FreightInvoiceOf(const Invoice& nf) {
  return Points({"EMPRESA_NFFRETE", "REVENDA_NFFRETE", "TIPO_TRANSACAO_NFFRETE",
                 "NUMERO_NOTA_FISCAL_NFFRETE", "SERIE_NOTA_FISCAL_NFFRETE", "CONTADOR_NFFRETE"},
                nf);
}

void AddIndex(Connection& c, int indice, const std::string& periodo, const IndexValues& values,
              const Columns& more) {
  Insert(c, "FIN_INDICE_FINANCEIRO",
         Overridden(Cols("EMPRESA INDICE PERIODO", {I(1), I(indice), T(periodo)}), more));
  AddIndexValues(c, indice, values);
}

void AddIndexValues(Connection& c, int indice, const IndexValues& values) {
  for (const auto& [data, valor] : values)
    Insert(c, "FIN_VALOR_INDICE", "EMPRESA INDICE DTA_INDICE VAL_INDICE",
           {I(1), I(indice), D(data), F(valor)});
}

void AddProposal(Connection& c, int revenda, int proposta, const Columns& more) {
  Insert(c, "VEI_PROPOSTA",
         Overridden(Cols("EMPRESA REVENDA PROPOSTA", {I(1), I(revenda), I(proposta)}), more));
}

void AddNegotiation(Connection& c, int revenda, int proposta, int negociacao, const Columns& more) {
  Insert(c, "VEI_NEGOCIACAO",
         Overridden(Cols("EMPRESA REVENDA PROPOSTA NEGOCIACAO",
                         {I(1), I(revenda), I(proposta), I(negociacao)}),
                    more));
}

void AddPayment(Connection& c, int revenda, int proposta, int negociacao, int numero,
                const Columns& more) {
  Insert(c, "VEI_PAGAMENTO",
         Overridden(Cols("EMPRESA REVENDA PROPOSTA NEGOCIACAO NUMERO_PAGAMENTO",
                         {I(1), I(revenda), I(proposta), I(negociacao), I(numero)}),
                    more));
}

}  // namespace veiculo::testing
