#pragma once
// The settings of the embedded Firebird engine the host runs.
//
// Firebird's embedded engine opens a database file for one process alone
// unless it runs in its SuperClassic (or Classic) server mode; then several
// processes (several `veiculo` at the desks of one dealership, isql-fb) share
// one file through the engine's lock files, as they would through a server.
// The engine reads its mode from firebird.conf in its root folder, so the host
// keeps a root folder of its own: the system's engine files, linked, and a
// firebird.conf that is the system's plus "ServerMode = SuperClassic".
//
// Where the folder is: $VEICULO_FIREBIRD_ROOT, else
// ${TMPDIR:-/tmp}/veiculo-firebird-<uid>. When FIREBIRD is already set, the
// user's own engine settings are used as they stand. Other programs that
// should share a file with the host run with FIREBIRD set to the same folder
// (FIREBIRD=$(veiculo --engine-root) isql-fb ...).

#include <string>

namespace veiculo::cli {

// Prepares the folder (when needed) and points the engine at it; call before
// the first database is opened. Returns the engine's root folder ("" when the
// system's engine files are not found: the engine's defaults then apply).
std::string PrepareEngineSettings();

}  // namespace veiculo::cli
