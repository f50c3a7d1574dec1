// The invoices of the demo vehicles: each new vehicle's invoice from the
// maker with the transport company's freight invoice (CT-e) that followed
// it, a price complement the maker billed later for V1002, the dealer's own
// entry invoice for the used V1006, and the sale of V1001 to a customer.
//
// Transaction types: E10 purchase of a new vehicle, E11 price complement,
// E12 purchase of a used vehicle, E30 freight, S10 sale of a new vehicle.

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "demo/invoice_writer.h"
#include "platform/format/date_time.h"

namespace veiculo::demo {
namespace {

struct MakerPurchase {
  const char* veiculo;
  int32_t revenda;
  int32_t numero;    // the maker's invoice number
  DemoDate emissao;  // issued at the factory
  DemoDate entrada;  // received at the dealer
  MakerInvoiceTerms terms;
  int32_t numero_frete;  // the freight invoice, received the day after
};

// Goods, optionals, IPI %, freight, insurance, ICMS withheld, discount.
// V1001: goods 62.900,00 + 1.890,00 = 64.790,00; IPI 7 % = 4.535,30;
// total 64.790,00 + 4.535,30 + 1.180,00 + 96,50 + 1.814,00 = 72.415,80,
// less the maker's discount of 1.250,00: a purchase value of 71.165,80.
const MakerPurchase kPurchases[] = {
    {"V1001",
     kRevendaMatriz,
     452318,
     {2025, 1, 12},
     {2025, 1, 15},
     {62900, 1890, 7, 1180, 96.5, 1814, 1250},
     88214},
    {"V1002",
     kRevendaMatriz,
     452406,
     {2025, 1, 17},
     {2025, 1, 20},
     {118600, 3400, 11, 1590, 182, 3260, 2900},
     88290},
    {"V1003",
     kRevendaFilial,
     452377,
     {2025, 1, 19},
     {2025, 1, 22},
     {88300, 0, 11, 1420, 128, 2180, 1500},
     88302},
    {"V1004",
     kRevendaMatriz,
     452655,
     {2025, 1, 24},
     {2025, 1, 27},
     {77200, 0, 11, 1180, 110, 1960, 0},
     88377},
    {"V1005",
     kRevendaFilial,
     452701,
     {2025, 1, 26},
     {2025, 1, 29},
     {186900, 4800, 8, 2350, 290, 4870, 3800},
     88391},
};

Value DateOf(const DemoDate& d) {
  return Date(d.year, d.month, d.day);
}

void WriteMakerPurchase(InvoiceWriter& writer, const MakerPurchase& p) {
  InvoiceHeader header;
  InvoiceLine line;
  ComposeMakerInvoice(p.terms, header, line);
  header.key = {p.revenda, p.numero, "1", "E10"};
  header.dta_documento = DateOf(p.emissao);
  header.dta_entrada_saida = DateOf(p.entrada);
  line.veiculo = p.veiculo;
  writer.Header(header);
  writer.Line(header.key, line);
  writer.SetEntryInvoice(p.veiculo, header.key);

  InvoiceHeader freight;
  freight.key = {p.revenda, p.numero_frete, "1", "E30"};
  freight.dta_documento = DateOf(p.entrada);
  freight.dta_entrada_saida =
      Value::DateTime(platform::EncodeDate(p.entrada.year, p.entrada.month, p.entrada.day) + 1);
  freight.tot_nota_fiscal = p.terms.val_frete;
  freight.tot_quantidades = 0;
  writer.Header(freight);
  writer.SetFreightInvoice(p.veiculo, freight.key);
}

// The maker's later price complement for V1002 (a purchase invoice, modality
// 'C'): it adds 1.150,00 to V1002's purchase value.
void WriteComplement(InvoiceWriter& writer) {
  InvoiceHeader header;
  header.key = {kRevendaMatriz, 453120, "1", "E11"};
  header.modalidade = 'C';
  header.dta_documento = Date(2025, 2, 3);
  header.dta_entrada_saida = Date(2025, 2, 5);
  header.tot_nota_fiscal = 1150;
  writer.Header(header);
  InvoiceLine line;
  line.veiculo = "V1002";
  line.val_total = 1150;
  writer.Line(header.key, line);
}

// The used hatch taken in trade: the dealer's own entry invoice, no taxes.
void WriteUsedPurchase(InvoiceWriter& writer) {
  InvoiceHeader header;
  header.key = {kRevendaMatriz, 1587, "2", "E12"};
  header.dta_documento = Date(2025, 2, 10);
  header.dta_entrada_saida = Date(2025, 2, 10);
  header.tot_nota_fiscal = 52000;
  writer.Header(header);
  InvoiceLine line;
  line.veiculo = "V1006";
  line.val_total = 52000;
  writer.Line(header.key, line);
  writer.SetEntryInvoice("V1006", header.key);
}

// V1001 sold to a customer: 86.490,00 less a discount of 2.000,00 gives
// 84.490,00; the dealer's PIS 1,65 % = 1.394,09 and COFINS 7,6 % = 6.421,24
// on that amount. ICMS was withheld at the entry: none on the sale.
void WriteSale(InvoiceWriter& writer) {
  const DemoDate sold = kDemoVehicleSaleDate;
  InvoiceHeader header;
  header.key = {kRevendaMatriz, 20931, "1", "S10"};
  header.dta_documento = DateOf(sold);
  header.dta_entrada_saida = DateOf(sold);
  header.tot_nota_fiscal = 86490;
  header.valdesconto = 2000;
  header.val_pis = 1394.09;
  header.val_cofins = 6421.24;
  writer.Header(header);
  InvoiceLine line;
  line.veiculo = kDemoVehicle;
  line.val_total = 86490;
  line.val_desconto = 2000;
  line.val_pis = 1394.09;
  line.val_cofins = 6421.24;
  writer.Line(header.key, line);
  writer.SetExitInvoice(kDemoVehicle, header.key);
}

}  // namespace

void LoadInvoices(Connection& connection) {
  InvoiceWriter writer(connection);
  for (const MakerPurchase& p : kPurchases) WriteMakerPurchase(writer, p);
  WriteComplement(writer);
  WriteUsedPurchase(writer);
  WriteSale(writer);
}

}  // namespace veiculo::demo
