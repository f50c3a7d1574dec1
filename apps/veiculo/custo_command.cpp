// veiculo custo --database PATH [--empresa E --revenda R] (--veiculo V | --todos)
//               [--data YYYY-MM-DD] [--mostra V] [--sql-log FILE]
//
// Costs one vehicle, or every vehicle in stock of the dealer (see
// ListVehicles), under that dealer and as of the date (today by default),
// then shows the stored costing of one vehicle (the one costed, or with
// --todos the one --mostra names, else the first) with its summary.
//
// Each vehicle is costed under a savepoint of its own (vehicle_batch.h): a
// vehicle that fails is undone alone and the next one goes on; the work is
// committed every kVehiclesPerCommit (100) vehicles. The command then fails
// (status 1) naming how many could not be costed. SIGINT or
// SIGTERM rolls back the vehicle in progress, keeps the ones costed, prints
// the summary so far and exits 130 / 143. Bad options, an
// unknown dealer or vehicle are refused before anything is costed (status 2).
// Progress goes to stderr: a bar on a terminal, otherwise a line per 100
// vehicles.

#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>

#include <fmt/format.h>

#include "commands.h"
#include "costing_report.h"
#include "host_session.h"
#include "input_error.h"
#include "interrupts.h"
#include "iso_date.h"
#include "operations/text_limits.h"
#include "platform/db/connection_impl.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "progress_bar.h"
#include "session_conflict.h"
#include "vehicle_batch.h"
#include "vehicle_costing.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

struct CustoArgs {
  SessionOptions session;
  int32_t empresa = 1;
  int32_t revenda = 1;
  std::string veiculo;
  bool todos = false;
  std::string data;
  std::string mostra;
  bool json = false;
  bool csv = false;
};

// Progress of the costing: the bar also tells the failures and the time
// left; the plain line counts as the summary counts (costed, then failed).
class Progress {
 public:
  explicit Progress(size_t total) : bar_(total), started_(std::chrono::steady_clock::now()) {}

  void Step(size_t done, size_t failed) {
    const std::string failures = failed ? fmt::format(", {} failed", failed) : "";
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    const double left =
        seconds / static_cast<double>(done) * static_cast<double>(bar_.total() - done);
    bar_.Show(done, fmt::format("vehicles{}, {:.0f} s left", failures, left),
              fmt::format("costed {} of {} vehicles{}", done - failed, bar_.total(),
                          failed ? fmt::format(" ({} failed)", failed) : ""));
  }

 private:
  ProgressBar bar_;
  std::chrono::steady_clock::time_point started_;
};

std::vector<VehicleToCost> VehiclesOf(Connection& connection, const CustoArgs& args) {
  if (!DealerExists(connection, args.empresa, args.revenda))
    throw InputError(ErrorCategory::NotFound,
                     fmt::format("dealer {}/{} does not exist", args.empresa, args.revenda));
  if (!args.todos) {
    if (!VehicleExists(connection, args.empresa, args.veiculo))
      throw InputError(ErrorCategory::NotFound, "vehicle '" + args.veiculo +
                                                    "' does not exist in company " +
                                                    std::to_string(args.empresa));
    return {{args.veiculo, args.revenda}};
  }
  std::vector<VehicleToCost> vehicles = ListVehicles(connection, args.empresa, args.revenda, true);
  for (VehicleToCost& v : vehicles) v.revenda = args.revenda;
  if (!args.mostra.empty()) {
    bool listed = false;
    for (const VehicleToCost& v : vehicles) listed = listed || v.veiculo == args.mostra;
    if (!listed)
      throw InputError(ErrorCategory::NotFound,
                       fmt::format("--mostra: vehicle '{}' is not in stock of dealer {}/{}",
                                   args.mostra, args.empresa, args.revenda));
  }
  return vehicles;
}

// The run's failure; vehicles refused because another session (another
// `veiculo custo`, a desk) was changing them at the same moment are named as
// such, for running again is all they need.
Error NotCosted(size_t failed, size_t vehicles, size_t conflicts) {
  std::string text = fmt::format("{} of {} vehicles could not be costed", failed, vehicles);
  if (conflicts > 0)
    text += fmt::format(
        "; {} of them because another session was changing the same vehicles at the same "
        "moment (update conflict): run it again once that work is done",
        conflicts);
  return Error(ErrorCategory::Database, text);
}

struct Counts {
  size_t vehicles, costed, failed;
  double seconds;
};

// --json: the run and the costing shown as one JSON object; --csv: the
// costing shown (costing_report.h). Ends the session (which throws
// Interrupted after an interrupt, once the output is printed).
void PrintForScripts(const CustoArgs& args, HostSession& session, const std::string& shown,
                     std::optional<double> shown_sale, Counts counts, int interrupted,
                     double data) {
  std::optional<StoredCosting> costing;
  if (shown_sale && !interrupted) {
    session.connection().Begin();
    costing = ReadCosting(session.module(), session.connection(), args.empresa, shown, *shown_sale);
  }
  if (args.csv) {
    if (costing) WriteCostingCsv(std::cout, *costing);
    session.End(false);  // showing only reads
    return;
  }
  nlohmann::ordered_json doc = {{"empresa", args.empresa},
                                {"revenda", args.revenda},
                                {"data", platform::FormatDateTime("yyyy-mm-dd", data)},
                                {"vehicles", counts.vehicles},
                                {"costed", counts.costed},
                                {"failed", counts.failed},
                                {"seconds", counts.seconds}};
  if (interrupted) doc["interrupted"] = SignalName(interrupted);
  doc["costing"] = costing ? CostingJson(*costing) : nlohmann::ordered_json(nullptr);
  std::cout << doc.dump() << '\n';
  session.End(false);
}

void RunCusto(const CustoArgs& args) {
  if (!args.todos && args.veiculo.empty())
    throw InputError(ErrorCategory::Validation, "give --veiculo V or --todos");
  CheckOptionLimit("custo", "--veiculo", args.veiculo);
  CheckOptionLimit("custo", "--mostra", args.mostra);
  const double data =
      args.data.empty() ? platform::DateOf(platform::Now()) : ParseIsoDate("--data", args.data);

  HostSession session(args.session);
  Connection& connection = session.connection();
  TddmVeiculoCompartilhadoBD& module = session.module();
  const std::vector<VehicleToCost> vehicles = VehiclesOf(connection, args);
  connection.Commit();

  std::string shown = args.todos ? args.mostra : args.veiculo;
  std::optional<double> shown_sale;
  size_t failures = 0;
  size_t conflicts = 0;  // of the failures, those refused for another session's work
  Progress progress(vehicles.size());
  const long statements_before = connection.StatementCount();
  const auto started = std::chrono::steady_clock::now();
  // The rows every vehicle reads and none writes (formula lines, indices,
  // invoices, the dealer's brand) are kept for each batch's transaction.
  platform::ImplOf(connection).Rows().SetEnabled(args.todos);
  VehicleBatch batch;
  batch.dialect = module.BancoDados();
  batch.commit_every = args.todos ? kVehiclesPerCommit : 1;
  batch.work = [&](size_t i) {
    const VehicleToCost& v = vehicles[i];
    const double venda = CostVehicle(module, connection, args.empresa, v.revenda, v.veiculo, data);
    if (shown.empty()) shown = v.veiculo;
    if (v.veiculo == shown) shown_sale = venda;
  };
  batch.failed = [&](size_t i, const Error& e) {
    if (!args.todos) throw;  // the one vehicle asked for: its error is the command's
    ++failures;
    if (IsSessionConflict(e.message())) ++conflicts;
    if (vehicles[i].veiculo == shown) shown_sale.reset();
    std::cerr << "\nvehicle " << vehicles[i].veiculo << " not costed: " << ToString(e.category())
              << " error: " << e.what() << '\n';
  };
  batch.step = [&](size_t i) { progress.Step(i + 1, failures); };
  const BatchOutcome outcome = RunVehicleBatch(connection, vehicles.size(), batch);
  const size_t done = outcome.done, failed = outcome.failed;
  const int interrupted = outcome.interrupted;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const long statements = connection.StatementCount() - statements_before;
  const size_t costed = done - failed;
  if (args.json || args.csv) {
    PrintForScripts(args, session, shown, shown_sale, {vehicles.size(), costed, failed, seconds},
                    interrupted, data);
    if (interrupted) throw Interrupted(interrupted);
    if (failed > 0) throw NotCosted(failed, vehicles.size(), conflicts);
    return;
  }
  std::cout << fmt::format("Costed {} of {} vehicles of dealer {}/{} as of {} in {:.2f} s", costed,
                           vehicles.size(), args.empresa, args.revenda,
                           platform::FormatDateTime("dd/mm/yyyy", data), seconds);
  if (done > 0)
    std::cout << fmt::format(" ({:.1f} ms and {:.0f} SQL statements per vehicle)",
                             seconds * 1000 / static_cast<double>(done),
                             static_cast<double>(statements) / static_cast<double>(done));
  if (interrupted) {
    std::cout << fmt::format(
        "\nInterrupted by {} after {} of {} vehicles; the vehicle in progress "
        "was rolled back, the ones costed before it are kept\n",
        SignalName(interrupted), done, vehicles.size());
    session.End(false);
    throw Interrupted(interrupted);
  }
  std::cout << "\n\n";

  connection.Begin();
  if (shown_sale) PrintCosting(std::cout, module, connection, args.empresa, shown, *shown_sale);
  session.End(false);  // showing only reads
  if (failed > 0) throw NotCosted(failed, vehicles.size(), conflicts);
}

}  // namespace

void AddCustoCommand(CLI::App& app) {
  auto args = std::make_shared<CustoArgs>();
  CLI::App* command = app.add_subcommand(
      "custo", "Cost a vehicle, or every vehicle in stock of a dealer, and show one costing");
  args->session.AddTo(*command);
  command->add_option("--empresa", args->empresa, "company")->capture_default_str();
  command->add_option("--revenda", args->revenda, "dealer")->capture_default_str();
  CLI::Option* veiculo = command->add_option("--veiculo", args->veiculo, "the vehicle to cost");
  CLI::Option* todos =
      command->add_flag("--todos", args->todos, "cost every vehicle in stock of the dealer");
  veiculo->excludes(todos);
  command->add_option("--data", args->data, "reference date YYYY-MM-DD (default: today)");
  CLI::Option* json =
      command->add_flag("--json", args->json, "print the run and the costing as one JSON object");
  command->add_flag("--csv", args->csv, "print the costing's lines and summary as CSV")
      ->excludes(json);
  command->add_option("--mostra", args->mostra, "with --todos: the vehicle whose costing is shown")
      ->needs(todos);
  command->callback([args] { RunCusto(*args); });
}

}  // namespace veiculo::cli
