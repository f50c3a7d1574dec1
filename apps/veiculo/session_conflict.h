#pragma once
// Conflicts between sessions on one database: another desk, another
// `veiculo` or a tool changed (or holds) the rows a statement wanted, and the
// engine refused the statement. The engine waits for the other transaction
// to end first, so a conflict means the other work was committed: doing the
// refused work again, on the rows as they now stand, is the remedy.

#include <string>

namespace veiculo::cli {

// Whether an engine message reports such a conflict: an update conflict, a
// deadlock, a lock conflict or a lock wait that timed out.
bool IsSessionConflict(const std::string& message);

// The engine's message ("deadlock\nupdate conflicts ...") as one line.
std::string OneLineMessage(std::string message);

}  // namespace veiculo::cli
