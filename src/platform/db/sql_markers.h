#pragma once
// Parameter markers of an SQL text.
//
// The module writes its SQL with named markers (":Empresa"). The engine
// drivers take positional markers, and the database library's own scan of
// names binds a name used twice to the wrong value and sees markers inside
// comments; so the layer finds the markers itself and binds by position.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace veiculo::platform {

struct MarkedSql {
  // The text with every marker replaced by "?" (and colons inside comments
  // replaced by blanks, so that no driver mistakes them for markers).
  std::string positional;
  // The name of each marker, in order of appearance, as written (a name used
  // twice appears twice).
  std::vector<std::string> names;
};

// Finds the ":Name" markers of a text, skipping quoted literals ('...'),
// quoted identifiers ("...") and comments (-- to end of line, /* ... */).
MarkedSql ParseMarkers(std::string_view sql);

// ParseMarkers of a text, kept for the texts seen last (text_memo.h): a
// dataset parses its text on every change of text, and the module sets the
// same texts again and again.
std::shared_ptr<const MarkedSql> KeptMarkers(const std::string& sql);

// The text with every ":Name" marker of `name` (compared without regard to
// case, found as ParseMarkers finds markers) replaced by `replacement`;
// everything else, comments included, as it stands.
std::string ReplaceMarker(std::string_view sql, std::string_view name,
                          std::string_view replacement);

// Names of the distinct markers of a text in order of first appearance,
// compared without regard to case (as the platform builds a parameter list
// from a command text).
std::vector<std::string> DistinctMarkerNames(std::string_view sql);
// The same from the names ParseMarkers found.
std::vector<std::string> DistinctMarkerNames(const std::vector<std::string>& names);

}  // namespace veiculo::platform
