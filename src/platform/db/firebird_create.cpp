#include "platform/db/firebird_create.h"

#include <ibase.h>

#include <string>
#include <vector>

#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

std::string StatusText(const ISC_STATUS* status) {
  std::string text;
  char buffer[512];
  const ISC_STATUS* cursor = status;
  while (fb_interpret(buffer, sizeof buffer, &cursor)) {
    if (!text.empty()) text += "; ";
    text += buffer;
  }
  return text;
}

void AddString(std::vector<char>& dpb, char tag, const std::string& value) {
  dpb.push_back(tag);
  dpb.push_back(static_cast<char>(value.size()));
  dpb.insert(dpb.end(), value.begin(), value.end());
}

std::vector<char> AttachParameters(const FirebirdOptions& options) {
  std::vector<char> dpb{isc_dpb_version1};
  AddString(dpb, isc_dpb_user_name, options.user);
  if (!options.password.empty()) AddString(dpb, isc_dpb_password, options.password);
  return dpb;
}

}  // namespace

bool FirebirdDatabaseExists(const std::string& database, const FirebirdOptions& options) {
  ISC_STATUS_ARRAY status;
  isc_db_handle db = 0;
  const std::vector<char> dpb = AttachParameters(options);
  if (isc_attach_database(status, 0, database.c_str(), &db, static_cast<short>(dpb.size()),
                          dpb.data()))
    return false;
  isc_detach_database(status, &db);
  return true;
}

void CreateFirebirdDatabase(const std::string& database, const FirebirdOptions& options) {
  ISC_STATUS_ARRAY status;
  isc_db_handle db = 0;
  isc_tr_handle tr = 0;
  std::string sql = "CREATE DATABASE '" + QuoteDoubled(database) + "' USER '" +
                    QuoteDoubled(options.user) + "'";
  if (!options.password.empty()) sql += " PASSWORD '" + QuoteDoubled(options.password) + "'";
  sql += " PAGE_SIZE 8192 DEFAULT CHARACTER SET " + options.charset;
  if (isc_dsql_execute_immediate(status, &db, &tr, 0, sql.c_str(), SQL_DIALECT_V6, nullptr)) {
    Error error(ErrorCategory::Database, "cannot create database " + database + ": " +
                                             StatusText(status));
    throw error;
  }
  isc_detach_database(status, &db);

  // Forced writes are a property of the database header, switched on a
  // fresh attachment by its owner.
  std::vector<char> dpb = AttachParameters(options);
  dpb.push_back(isc_dpb_force_write);
  dpb.push_back(1);
  dpb.push_back(options.forced_writes ? 1 : 0);
  db = 0;
  if (isc_attach_database(status, 0, database.c_str(), &db, static_cast<short>(dpb.size()),
                          dpb.data()))
    throw Error(ErrorCategory::Database, "cannot set the write mode of database " + database +
                                             ": " + StatusText(status));
  isc_detach_database(status, &db);
}

}  // namespace veiculo::platform
