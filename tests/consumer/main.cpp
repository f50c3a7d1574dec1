// A consumer of the installed module: creates it through the public
// interface, binds it to a dealer database (the demo dealer, created by the
// installed host), costs one vehicle and reads the stored costing back.
//
//   veiculo_consumer DATABASE.fdb
//
// Prints one line per check and exits 0 when all pass. Everything runs in one
// transaction that is rolled back, as a host does when it only looks.

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include <veiculo/connection.h>
#include <veiculo/data_packet.h>
#include <veiculo/ddm_veiculo_compartilhado_bd.h>
#include <veiculo/dm_fi_avonale.h>
#include <veiculo/error.h>

namespace {

int failures = 0;

void Check(const std::string& name, bool passed, const std::string& detail = "") {
  std::printf("%s %s%s%s\n", passed ? "ok  " : "FAIL", name.c_str(), detail.empty() ? "" : ": ",
              detail.c_str());
  if (!passed) ++failures;
}

void CheckText(const std::string& name, const std::string& expected, const std::string& actual) {
  Check(name, expected == actual,
        expected == actual ? "" : "expected " + expected + ", got " + actual);
}

void CheckNumber(const std::string& name, double expected, double actual) {
  const bool passed = std::fabs(expected - actual) < 0.005;
  Check(name, passed,
        passed ? "" : "expected " + std::to_string(expected) + ", got " + std::to_string(actual));
}

// The column of a packet's row by name (the packet's fields say where).
const veiculo::Value& Cell(const veiculo::DataPacket& packet, size_t row, const char* field) {
  return packet.rows.at(row).at(static_cast<size_t>(packet.FieldIndex(field)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veiculo_consumer DATABASE.fdb\n");
    return 2;
  }
  try {
    auto connection = veiculo::Connection::OpenFirebird(argv[1]);
    connection->Begin();
    std::unique_ptr<veiculo::TddmVeiculoCompartilhadoBD> module =
        veiculo::TddmVeiculoCompartilhadoBD::Cria();
    module->InicializaDM();
    module->AtribuiConexao(connection.get());
    CheckText("the dialect follows the Firebird driver", "INTERBASE", module->BancoDados());

    // The head office's parameters: non-cumulative PIS 1.65 % + COFINS 7.6 %.
    Check("LerParametro finds the head office", module->LerParametro(1, 1));
    CheckNumber("PIS + COFINS of new vehicles", 9.25, module->GetPis_Cofins());

    // Vehicle V1004 under a formula of our own, sold by its credit notice for
    // 50,000 + 0: 1 the sale value (no totals); 2 a fixed fee of 1,000 (every
    // total); 3 10 % of the profit, (50,000 - 1,000) x 10 % = 4,900, in the cost.
    connection->ExecuteDirect(
        "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, "
        "INCIDENCIA, DES_LINHA_FORMULA) values (1, 'CONSUMO', 1, 'N', 'A', 'V', 'Valor de venda')");
    connection->ExecuteDirect(
        "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, "
        "INCIDENCIA, VALOR_FIXO, CUSTO_TOTAL, LUCRO_BRUTO, MARGEM_CONTRIBUICAO, CUSTO_CONTABIL, "
        "DES_LINHA_FORMULA) values (1, 'CONSUMO', 2, 'N', 'A', '*', 1000, '+', '+', '+', '+', "
        "'Taxa fixa')");
    connection->ExecuteDirect(
        "insert into VEI_FORMULA_LINHA (EMPRESA, FORMULA, LINHA_FORMULA, TIPO, STATUS, "
        "INCIDENCIA, PERCENTUAL, CUSTO_TOTAL, DES_LINHA_FORMULA) values (1, 'CONSUMO', 3, 'N', "
        "'A', 'K', 10, '+', 'Participacao')");
    connection->ExecuteDirect(
        "update VEI_VEICULO set FORMULA = 'CONSUMO', NOTIFICACAO_CREDITO = 'NC9', VAL_COMPRA = "
        "50000, VAL_COMISSAO_CONCESSIONARIA = 0 where EMPRESA = 1 and VEICULO = 'V1004'");

    const double kMarch14th2025 = 45730;  // days since 30/12/1899
    CheckText("CalculoCustoVeiculo costs V1004", "OK|",
              module->CalculoCustoVeiculo(connection.get(), module->BancoDados(), "V1004",
                                          kMarch14th2025, 1, 1, 0, 0));
    CheckNumber("the sale value holder", 50000, module->GetdPbValorVenda());

    veiculo::DataPacket lines;
    const std::string summary =
        module->BuscaCalculoVeiculo(connection.get(), lines, 1, "V1004", 50000);
    CheckNumber("BuscaCalculoVeiculo gives the three lines", 3,
                static_cast<double>(lines.rows.size()));
    if (lines.rows.size() == 3) {
      const double historic[] = {50000, 1000, 4900};
      for (size_t row = 0; row < 3; ++row) {
        const std::string line = "line " + std::to_string(row + 1);
        CheckNumber(line + " in SEQUENCIA", static_cast<double>(row + 1),
                    static_cast<double>(Cell(lines, row, "SEQUENCIA").AsInteger()));
        CheckNumber(line + " historic amount", historic[row],
                    Cell(lines, row, "VAL_HISTORICO").AsFloat());
      }
      CheckText("line 2 counts in the total cost", "+", Cell(lines, 1, "CUSTO_TOTAL").AsText());
    }
    // Cost 1,000 + 4,900 = 5,900; profit 50,000 - 5,900 = 44,100 (88.20 %);
    // gross and managerial profit 50,000 - 1,000 = 49,000 (98 %).
    CheckText("the summary of cost and profits",
              "Custo;5.900,00 ;5.900,00 |Lucro (%);88,20 ;44.100,00 ;88,20 ;44.100,00 |"
              "Lucro Bruto;98,00 ;49.000,00 ;98,00 ;49.000,00 |"
              "Lucro Gerencial;98,00 ;49.000,00 ;98,00 ;49.000,00 |",
              summary);

    // The rejection of a negotiation, and FI Manager on a closed port.
    CheckText("RejeitarNegociacao of the branch's 5003/1", "OK|",
              module->RejeitarNegociacao(connection.get(), "INTERBASE", 1, 2, 5003, 1, 1,
                                         kMarch14th2025, 0));
    std::string mensagem;
    Check(
        "TdmFIAvonale reports an unreachable service as false",
        !veiculo::TdmFIAvonale().AtualizarFaturamentoTipado(
            "12345678000195", 1, 1, 5001, 10, kMarch14th2025, "http://127.0.0.1:1/", mensagem, ""));
    Check("  ... and says why", mensagem.find("could not reach the service") == 0, mensagem);

    // Bad input comes back as the public error type with its category.
    try {
      module->BuscaCalculoVeiculo(nullptr, lines, 1, "V1004", 50000);
      Check("a null connection is refused", false, "no error raised");
    } catch (const veiculo::Error& error) {
      Check("a null connection is refused as bad input",
            error.category() == veiculo::ErrorCategory::Validation, error.what());
    }

    connection->Rollback();
    module->FinalizaDM();
  } catch (const std::exception& error) {
    std::printf("FAIL unexpected error: %s\n", error.what());
    return 1;
  }
  return failures == 0 ? 0 : 1;
}
