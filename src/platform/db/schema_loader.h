#pragma once
// Creates the tables of the dealer database from the DDL in schema/*.sql.
//
// The scripts are compiled into the program (cmake/EmbedSchema.cmake), so an
// installed program can create a database without a source tree. They run in
// file-name order, each split into statements at every ";" that ends a line
// outside quotes and comments.
//
// LoadDealerSchema runs every statement in one transaction: either the whole
// schema is created or, when a statement fails, nothing is (the transaction is
// rolled back and the error names the failing statement).

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace veiculo {
class Connection;
}

namespace veiculo::platform {

// One embedded script: its file name ("01_vei.sql") and its text.
struct SchemaScript {
  std::string_view file;
  std::string_view text;
};

// The schema/*.sql scripts as embedded at build time, sorted by file name.
std::span<const SchemaScript> EmbeddedSchemaScripts();

// Splits a script into statements at each ";" that is the last thing on its
// line (blanks and a "--" comment may follow it) outside quoted literals,
// quoted identifiers and comments. Comments are left out of the statements;
// statements are trimmed and empty ones dropped. The ";" is not kept.
std::vector<std::string> SplitSqlScript(std::string_view script);

// Every statement of the embedded scripts, in the order they run.
std::vector<std::string> DealerSchemaStatements();

// Runs DealerSchemaStatements() on the connection in one transaction (Begin,
// each statement, Commit). On failure rolls back and rethrows veiculo::Error
// with the failing statement (its script, number and first line) as context;
// the engine's message carries the whole text. Refuses (validation) to run
// while the connection has a transaction open, which it would commit.
void LoadDealerSchema(Connection& connection);

}  // namespace veiculo::platform
