#pragma once
// The host's commands. Each registers itself on the program's command line
// and runs inside one transaction: committed when the command succeeds,
// rolled back when it fails, so that nothing is half-written.

#include <CLI/CLI.hpp>

namespace veiculo::cli {

void AddInitDbCommand(CLI::App& app);
void AddSqlCommand(CLI::App& app);
void AddCallCommand(CLI::App& app);
void AddRunCommand(CLI::App& app);
void AddDemoCommand(CLI::App& app);
void AddCustoCommand(CLI::App& app);
void AddEstoqueCommand(CLI::App& app);
// CRM staging
void AddSalesforceCommand(CLI::App& app);

}  // namespace veiculo::cli
