#include "engine_settings.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace veiculo::cli {
namespace {

namespace fs = std::filesystem;

// Where distributions install the engine's files.
const char* const kSystemRoots[] = {
    "/usr/lib/x86_64-linux-gnu/firebird/3.0", "/usr/lib/aarch64-linux-gnu/firebird/3.0",
    "/usr/lib64/firebird", "/usr/lib/firebird/3.0", "/opt/firebird"};

std::string SystemRoot() {
  for (const char* root : kSystemRoots)
    if (fs::exists(fs::path(root) / "firebird.msg")) return root;
  return "";
}

std::string HostRoot() {
  if (const char* root = std::getenv("VEICULO_FIREBIRD_ROOT"); root && *root) return root;
  const char* tmp = std::getenv("TMPDIR");
  return (fs::path(tmp && *tmp ? tmp : "/tmp") / ("veiculo-firebird-" + std::to_string(getuid())))
      .string();
}

std::string ConfText(const fs::path& system_conf) {
  std::ifstream in(system_conf);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str() +
         "\n# Added by veiculo: several processes share a database file.\n"
         "ServerMode = SuperClassic\n";
}

// Writes the file unless it already holds `text`; another process may be
// writing it at the same moment, so it is written aside and renamed.
void WriteIfChanged(const fs::path& path, const std::string& text) {
  {
    std::ifstream in(path);
    std::ostringstream current;
    current << in.rdbuf();
    if (in && current.str() == text) return;
  }
  const fs::path aside = path.string() + "." + std::to_string(getpid());
  {
    std::ofstream out(aside);
    out << text;
  }
  fs::rename(aside, path);
}

}  // namespace

std::string PrepareEngineSettings() {
  if (const char* own = std::getenv("FIREBIRD"); own && *own) return own;
  const std::string system = SystemRoot();
  if (system.empty()) return "";
  const fs::path root = HostRoot();
  std::error_code error;
  fs::create_directories(root, error);
  if (error) return "";
  for (const fs::directory_entry& entry : fs::directory_iterator(system)) {
    const fs::path name = entry.path().filename();
    if (name == "firebird.conf") continue;
    const fs::path link = root / name;
    if (!fs::exists(fs::symlink_status(link))) fs::create_symlink(entry.path(), link, error);
  }
  try {
    WriteIfChanged(root / "firebird.conf", ConfText(fs::path(system) / "firebird.conf"));
  } catch (const fs::filesystem_error&) {
    return "";
  }
  setenv("FIREBIRD", root.c_str(), 1);
  return root.string();
}

}  // namespace veiculo::cli
