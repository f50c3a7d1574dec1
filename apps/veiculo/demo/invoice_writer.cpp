#include "demo/invoice_writer.h"

#include "demo/demo_dealer.h"
#include "platform/format/rounding.h"

namespace veiculo::demo {
namespace {

double Cents(double value) {
  return platform::SimpleRoundTo(value, -2);
}

// The six key columns of one of a vehicle's invoices, in VEI_VEICULO's names.
struct KeyColumns {
  const char* empresa;
  const char* revenda;
  const char* tipo;
  const char* numero;
  const char* serie;
  const char* contador;
};

constexpr KeyColumns kEntryColumns{"EMPRESA_NFENTRADA",        "REVENDA_NFENTRADA",
                                   "TIPO_TRANSACAO_NFENTRADA", "NUMERO_NOTA_NFENTRADA",
                                   "SERIE_NOTA_NFENTRADA",     "CONTADOR_NFENTRADA"};
constexpr KeyColumns kExitColumns{"EMPRESA_NFSAIDA",           "REVENDA_NFSAIDA",
                                  "TIPO_TRANSACAO_NFSAIDA",    "NUMERO_NOTA_NFSAIDA",
                                  "SERIE_NOTA_FISCAL_NFSAIDA", "CONTADOR_NFSAIDA"};
constexpr KeyColumns kFreightColumns{"EMPRESA_NFFRETE",           "REVENDA_NFFRETE",
                                     "TIPO_TRANSACAO_NFFRETE",    "NUMERO_NOTA_FISCAL_NFFRETE",
                                     "SERIE_NOTA_FISCAL_NFFRETE", "CONTADOR_NFFRETE"};

std::string KeyUpdateSql(const KeyColumns& c) {
  return std::string("update VEI_VEICULO set ") + c.empresa + " = :Empresa, " + c.revenda +
         " = :Revenda, " + c.tipo + " = :Tipo, " + c.numero + " = :Numero, " + c.serie +
         " = :Serie, " + c.contador + " = 1 where EMPRESA = :Empresa and VEICULO = :Veiculo";
}

void UpdateKey(platform::SqlDataSet& update, const std::string& veiculo, const InvoiceKey& key) {
  update.ParamByName("Empresa").value = Int(kEmpresa);
  update.ParamByName("Revenda").value = Int(key.revenda);
  update.ParamByName("Tipo").value = Txt(key.tipo);
  update.ParamByName("Numero").value = Int(key.numero);
  update.ParamByName("Serie").value = Txt(key.serie);
  update.ParamByName("Veiculo").value = Txt(veiculo);
  update.ExecSQL();
}

std::vector<Value> KeyValues(const InvoiceKey& key) {
  return {Int(kEmpresa), Int(key.revenda), Int(key.numero), Txt(key.serie), Txt(key.tipo), Int(1)};
}

}  // namespace

void ComposeMakerInvoice(const MakerInvoiceTerms& t, InvoiceHeader& header, InvoiceLine& line) {
  const double goods = t.val_total + t.val_opcionais;
  line.val_total = t.val_total;
  line.val_opcionais = t.val_opcionais;
  line.val_ipi = Cents(goods * t.pct_ipi / 100);
  line.val_icms = Cents(goods * 0.12);
  line.val_pis = Cents(goods * 0.02);
  line.val_cofins = Cents(goods * 0.096);
  line.val_frete = t.val_frete;
  line.val_seguro = t.val_seguro;
  line.val_icms_retido = t.val_icms_retido;
  line.val_desconto = t.valdesconto;

  header.modalidade = 'N';
  header.tot_nota_fiscal = goods + line.val_ipi + t.val_frete + t.val_seguro + t.val_icms_retido;
  header.valdesconto = t.valdesconto;
  header.val_frete_pf = t.val_frete;
  header.val_icms_frete = Cents(t.val_frete * 0.12);
  header.val_icms_seguro = Cents(t.val_seguro * 0.12);
  header.tot_ipi = line.val_ipi;
  header.calcular_ipi = true;
  header.val_pis = line.val_pis;
  header.val_cofins = line.val_cofins;
  header.tot_quantidades = 1;
}

InvoiceWriter::InvoiceWriter(Connection& connection)
    : headers_(connection, "FAT_MOVIMENTO_CAPA",
               {"EMPRESA",
                "REVENDA",
                "NUMERO_NOTA_FISCAL",
                "SERIE_NOTA_FISCAL",
                "TIPO_TRANSACAO",
                "CONTADOR",
                "STATUS",
                "MODALIDADE",
                "DTA_DOCUMENTO",
                "DTA_ENTRADA_SAIDA",
                "TOT_NOTA_FISCAL",
                "VALDESCONTO",
                "VAL_FRETE_PF",
                "VAL_ICMS_FRETE",
                "VAL_ICMS_SEGURO",
                "TOT_IPI",
                "CALCULAR_IPI",
                "VAL_PIS",
                "VAL_COFINS",
                "TOT_QUANTIDADES",
                "SOMA_PIS_COFINS",
                "ICMSDESONERADO_DESCONTADONOTA"}),
      lines_(
          connection, "FAT_MOVIMENTO_VEICULO",
          {"EMPRESA", "REVENDA", "NUMERO_NOTA_FISCAL", "SERIE_NOTA_FISCAL", "TIPO_TRANSACAO",
           "CONTADOR", "VEICULO", "VAL_TOTAL", "VAL_OPCIONAIS", "VAL_IPI", "VAL_FRETE",
           "VAL_SEGURO", "VAL_ICMS", "VAL_ICMS_RETIDO", "VAL_PIS", "VAL_COFINS", "VAL_DESCONTO"}),
      entry_keys_("sdsDemoNotaEntrada", &connection),
      exit_keys_("sdsDemoNotaSaida", &connection),
      freight_keys_("sdsDemoNotaFrete", &connection) {
  entry_keys_.SetCommandText(KeyUpdateSql(kEntryColumns));
  exit_keys_.SetCommandText(KeyUpdateSql(kExitColumns));
  freight_keys_.SetCommandText(KeyUpdateSql(kFreightColumns));
}

void InvoiceWriter::Header(const InvoiceHeader& h) {
  std::vector<Value> values = KeyValues(h.key);
  const std::vector<Value> rest = {
      Txt("F"),  // issued
      Txt(std::string(1, h.modalidade)),
      h.dta_documento,
      h.dta_entrada_saida,
      Num(h.tot_nota_fiscal),
      Num(h.valdesconto),
      Num(h.val_frete_pf),
      Num(h.val_icms_frete),
      Num(h.val_icms_seguro),
      Num(h.tot_ipi),
      Txt(h.calcular_ipi ? "S" : "N"),
      Num(h.val_pis),
      Num(h.val_cofins),
      Int(h.tot_quantidades),
      Txt("N"),  // the PIS/COFINS substitution is not part of the total
      Txt("N"),  // no ICMS relief deducted on the invoice
  };
  values.insert(values.end(), rest.begin(), rest.end());
  headers_.Insert(values);
}

void InvoiceWriter::Line(const InvoiceKey& key, const InvoiceLine& l) {
  std::vector<Value> values = KeyValues(key);
  const std::vector<Value> rest = {Txt(l.veiculo),    Num(l.val_total),       Num(l.val_opcionais),
                                   Num(l.val_ipi),    Num(l.val_frete),       Num(l.val_seguro),
                                   Num(l.val_icms),   Num(l.val_icms_retido), Num(l.val_pis),
                                   Num(l.val_cofins), Num(l.val_desconto)};
  values.insert(values.end(), rest.begin(), rest.end());
  lines_.Insert(values);
}

void InvoiceWriter::SetEntryInvoice(const std::string& veiculo, const InvoiceKey& key) {
  UpdateKey(entry_keys_, veiculo, key);
}
void InvoiceWriter::SetExitInvoice(const std::string& veiculo, const InvoiceKey& key) {
  UpdateKey(exit_keys_, veiculo, key);
}
void InvoiceWriter::SetFreightInvoice(const std::string& veiculo, const InvoiceKey& key) {
  UpdateKey(freight_keys_, veiculo, key);
}

}  // namespace veiculo::demo
