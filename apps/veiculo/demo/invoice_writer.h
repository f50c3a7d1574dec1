#pragma once
// Writes the demo dealer's invoices: headers (FAT_MOVIMENTO_CAPA), vehicle
// lines (FAT_MOVIMENTO_VEICULO) and the keys in VEI_VEICULO that point a
// vehicle at its entry, exit and freight invoices. Every statement is
// prepared once and re-executed, so that thousands of synthetic vehicles
// stay fast. Private to the demo library.

#include <cstdint>
#include <string>

#include "demo/table_writer.h"

namespace veiculo::demo {

// An invoice of the demo company (counter always 1).
struct InvoiceKey {
  int32_t revenda = 1;
  int32_t numero = 0;
  std::string serie = "1";
  std::string tipo;  // transaction type, see invoice_rows.cpp
};

// The header columns the value sources read; amounts in reais.
struct InvoiceHeader {
  InvoiceKey key;
  char modalidade = 'N';  // 'C': a purchase invoice that adds to the entry invoice
  Value dta_documento;    // issue date
  Value dta_entrada_saida;
  double tot_nota_fiscal = 0;
  double valdesconto = 0;
  double val_frete_pf = 0;
  double val_icms_frete = 0;
  double val_icms_seguro = 0;
  double tot_ipi = 0;
  bool calcular_ipi = false;
  double val_pis = 0;
  double val_cofins = 0;
  int tot_quantidades = 1;
};

// A vehicle's line of an invoice.
struct InvoiceLine {
  std::string veiculo;
  double val_total = 0;  // the vehicle itself
  double val_opcionais = 0;
  double val_ipi = 0;
  double val_frete = 0;
  double val_seguro = 0;
  double val_icms = 0;
  double val_icms_retido = 0;
  double val_pis = 0;
  double val_cofins = 0;
  double val_desconto = 0;
};

// A new vehicle's invoice from the maker, as the maker computes it on the
// goods (vehicle + optionals): IPI at the model's rate, ICMS 12 % (interstate),
// the maker's single-phase PIS 2 % and COFINS 9.6 %, each rounded to cents;
// freight and insurance with their ICMS at 12 %; ICMS withheld by tax
// substitution for the resale. Total = goods + IPI + freight + insurance +
// ICMS withheld; the discount is shown apart.
struct MakerInvoiceTerms {
  double val_total = 0;
  double val_opcionais = 0;
  double pct_ipi = 0;
  double val_frete = 0;
  double val_seguro = 0;
  double val_icms_retido = 0;
  double valdesconto = 0;
};
void ComposeMakerInvoice(const MakerInvoiceTerms& terms, InvoiceHeader& header, InvoiceLine& line);

class InvoiceWriter {
 public:
  explicit InvoiceWriter(Connection& connection);

  void Header(const InvoiceHeader& header);
  void Line(const InvoiceKey& key, const InvoiceLine& line);

  // Point the vehicle's entry, exit or freight invoice columns at `key`.
  void SetEntryInvoice(const std::string& veiculo, const InvoiceKey& key);
  void SetExitInvoice(const std::string& veiculo, const InvoiceKey& key);
  void SetFreightInvoice(const std::string& veiculo, const InvoiceKey& key);

 private:
  TableWriter headers_;
  TableWriter lines_;
  platform::SqlDataSet entry_keys_;
  platform::SqlDataSet exit_keys_;
  platform::SqlDataSet freight_keys_;
};

}  // namespace veiculo::demo
