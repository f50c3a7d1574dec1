// Hostile text through the built `veiculo` as a user runs it: `call`, `run`
// scripts, `custo`, `estoque` and `salesforce carga`, each on a fresh copy of
// the seeded demo database, compared with a full dump before and after. Also
// the values that used to crash the host (a long value quoted in an error
// message).

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "hardening/injection/injection_support.h"
#include "messages.h"
#include "support/database_dump.h"
#include "support/host_run.h"

namespace veiculo::testing {
namespace {

const std::string kDelete = "'; delete from VEI_VEICULO; --";
const std::string kMixed = "São João 🚗 :Empresa /* x */ -- ' or '1'='1; \"q\" \\";
const std::string kLong(100 * 1024, 'A');

std::string Quoted(const std::string& word) {  // for the shell
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

std::set<std::string> Lines(const std::string& dump) {
  std::set<std::string> lines;
  std::istringstream in(dump);
  for (std::string line; std::getline(in, line);) lines.insert(line);
  return lines;
}

std::string Dump(const std::string& database) {
  auto connection = Connection::OpenFirebird(database);
  connection->Begin();
  std::string dump = DumpDatabase(*connection);
  connection->Rollback();
  return dump;
}

// A script of calls, written as JSON.
std::string Script(const std::string& path, const nlohmann::json& calls) {
  std::ofstream(path) << calls.dump();
  return path;
}

struct HostCase {
  std::string label;
  std::vector<std::string> words;  // after the program's name; -d DB is added
  int exit;
  std::set<std::string> writes;  // tables whose rows may differ afterwards
  std::string says;              // a text the output holds ("" none)
};

TEST(InjectionHost, CommandsOfTheBuiltHostOnTheDemoDealer) {
  InjectionBed& bed = InjectionBed::Instance();
  const std::string db = bed.folder() + "/host.fdb";
  const std::set<std::string> seed = Lines(Dump(bed.seed()));
  const std::string message =
      "GravaMensagem pfDataProcessamento=2025-03-14 pfEmpresa=1 pfRevenda=1 "
      "pfUsuarioOri=1 pfUsuarioDes=2 pfProposta=0";
  auto call = [](const std::string& line, std::vector<std::string> more) {
    std::vector<std::string> words{"call"};
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
    words.insert(words.end(), more.begin(), more.end());
    return words;
  };
  const std::string script = Script(
      bed.folder() + "/hostile.json",
      {{{"operation", "LerVeiculo"},
        {"params", {{"pfEmpresa", 1}, {"pfVeiculo", "' or '1'='1"}, {"pfUtilizaFindKey", true}}}},
       {{"operation", "GravaMensagem"},
        {"params",
         {{"pfDataProcessamento", "2025-03-14"},
          {"pfEmpresa", 1},
          {"pfRevenda", 1},
          {"pfUsuarioOri", 1},
          {"pfUsuarioDes", 2},
          {"pfProposta", 0},
          {"pfAssunto", kDelete},
          {"pfMensagem", kMixed}}}}});
  const std::string long_script =
      Script(bed.folder() + "/long.json",
             {{{"operation", "LerVeiculo"},
               {"params", {{"pfEmpresa", 1}, {"pfVeiculo", kLong}, {"pfUtilizaFindKey", true}}}}});
  const std::set<std::string> none;
  const std::set<std::string> mensagem{"GER_MENSAGEM"};
  const HostCase cases[] = {
      {"call: a vehicle longer than its column",
       call("LerVeiculo pfEmpresa=1 pfUtilizaFindKey=true", {"pfVeiculo=" + kDelete}), 2, none,
       "parameter pfVeiculo: 30 characters, more than the 20 of VEI_VEICULO.VEICULO"},
      {"call: a vehicle that is a condition",
       call("LerVeiculo pfEmpresa=1 pfUtilizaFindKey=true", {"pfVeiculo=' or '1'='1"}), 0, none,
       "\"result\":false"},
      {"call: a message stored as given",
       call(message, {"pfAssunto=" + kDelete, "pfMensagem=" + kMixed}), 0, mensagem, ""},
      {"call: a 100 KB message", call(message, {"pfAssunto=x", "pfMensagem=" + kLong}), 2, none,
       "more than the 2000 of GER_MENSAGEM.MENSAGEM"},
      // Used to overflow the stack of the message's password masking.
      {"call: a long PWD= value", call("LerParametro pfRevenda=1", {"pfEmpresa=PWD=" + kLong}), 2,
       none, "is not an integer"},
      {"call: a long component name", call("FechaSds", {"pNomeSds=PWD=" + kLong}), 1, none,
       "not found"},
      {"run: hostile texts in a script", {"run", script}, 0, mensagem, ""},
      {"run: a 100 KB vehicle",
       {"run", long_script},
       2,
       none,
       "call 1: LerVeiculo: parameter pfVeiculo"},
      {"custo: a vehicle that is a condition",
       {"custo", "--veiculo", "' or '1'='1", "--data", "2025-03-14"},
       2,
       none,
       "does not exist"},
      // Used to reach the engine as a literal past its 64 KB.
      {"custo: a 100 KB vehicle",
       {"custo", "--veiculo", kLong, "--data", "2025-03-14"},
       2,
       none,
       "--veiculo: 102400 characters, more than the 20 of VEI_VEICULO.VEICULO"},
      {"custo: --mostra that is SQL",
       {"custo", "--todos", "--mostra", kDelete, "--data", "2025-03-14"},
       2,
       none,
       "--mostra: 30 characters, more than the 20"},
      {"estoque: dealers that are SQL",
       {"estoque", "--revenda", "1;" + kDelete},
       2,
       none,
       "is not a list of dealer numbers"},
      {"estoque: a date that is SQL",
       {"estoque", "--data", "2025-03-14" + kDelete},
       2,
       none,
       "is not a date"},
      {"salesforce: a date that is SQL",
       {"salesforce", "carga", "--empresa", "1", "--revenda", "1", "--data", kDelete},
       2,
       none,
       "is not a date"},
  };
  for (const HostCase& c : cases) {
    std::filesystem::copy_file(bed.seed(), db, std::filesystem::copy_options::overwrite_existing);
    std::string arguments;
    for (const std::string& word : c.words) arguments += " " + Quoted(word);
    const HostRun run = RunVeiculo("", arguments + " -d " + Quoted(db));
    const std::string shown = run.output.substr(0, 600);
    EXPECT_EQ(run.exit_code, c.exit) << c.label << ": " << shown;
    EXPECT_NE(run.output.find(c.says), std::string::npos) << c.label << ": " << shown;
    EXPECT_EQ(run.output.find("database error"), std::string::npos) << c.label << ": " << shown;
    // Bad input is one line that quotes the start of a long value, not all of it.
    if (c.exit == 2) {
      EXPECT_LT(run.output.size(), 400u) << c.label << ": " << shown;
    }
    const std::set<std::string> after = Lines(Dump(db));
    std::vector<std::string> differ;
    for (const std::string& line : after)
      if (!seed.count(line)) differ.push_back(line);
    for (const std::string& line : seed)
      if (!after.count(line)) differ.push_back(line);
    for (const std::string& line : differ)
      EXPECT_TRUE(c.writes.count(line.substr(0, line.find('|')))) << c.label << " changed " << line;
    if (!c.writes.empty()) {
      // One message, stored with its texts as given.
      ASSERT_EQ(differ.size(), 1u) << c.label;
      EXPECT_NE(differ[0].find("|" + kDelete + "|"), std::string::npos) << differ[0];
      EXPECT_NE(differ[0].find("|" + kMixed), std::string::npos) << differ[0];
    }
  }
}

// The host's error texts handle a value of any length: the matching used to
// recurse once per character and overflow the stack.
TEST(InjectionHost, ErrorTextsOfLongValues) {
  const std::string huge(1024 * 1024, 'x');
  EXPECT_EQ(cli::MaskSecrets("PWD=" + huge + ";UID=sa"), "PWD=***;UID=sa");
  EXPECT_EQ(cli::MaskSecrets("Password = {" + huge + "} x"), "Password = *** x");
  EXPECT_EQ(cli::CutQuotedValue("Value \"" + huge + "\" is too long (1048576 bytes)"),
            "Value \"" + std::string(60, 'x') + " ... (1048516 more characters)\" is too long " +
                "(1048576 bytes)");
  const std::string sql = "update T set A = '" + huge + "', B = 'abcdefghijkl'";
  EXPECT_EQ(
      cli::TruncationHint("expected length 10, actual 40", sql),
      "the column that takes 10 characters at most is one of A (given 1048576), B (given 12)");
}

}  // namespace
}  // namespace veiculo::testing
