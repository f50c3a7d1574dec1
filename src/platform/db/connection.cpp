#include "veiculo/connection.h"

#include <cstdlib>
#include <string_view>

#include "platform/db/connection_impl.h"
#include "platform/db/soci_connection.h"

namespace veiculo {

namespace platform {
bool ConnectionImpl::ParameterizeByDefault() {
  const char* setting = std::getenv("VEICULO_SQL_PARAMETERIZE");
  return setting == nullptr || std::string_view(setting) != "0";
}
}  // namespace platform

std::unique_ptr<Connection> Connection::OpenFirebird(const std::string& database,
                                                     const FirebirdOptions& options) {
  return std::unique_ptr<Connection>(new Connection(platform::OpenFirebirdImpl(database, options)));
}

std::unique_ptr<Connection> Connection::OpenOdbc(const std::string& connection_string,
                                                 const std::string& driver_name) {
  return std::unique_ptr<Connection>(
      new Connection(platform::OpenOdbcImpl(connection_string, driver_name)));
}

Connection::Connection(std::unique_ptr<platform::ConnectionImpl> impl) : impl_(std::move(impl)) {}
Connection::~Connection() = default;

const std::string& Connection::DriverName() const {
  return impl_->DriverName();
}
const std::string& Connection::DatabaseName() const {
  return impl_->DatabaseName();
}
void Connection::Begin() {
  impl_->Begin();
}
void Connection::Commit() {
  impl_->Commit();
}
void Connection::Rollback() {
  impl_->Rollback();
}
bool Connection::InTransaction() const {
  return impl_->InTransaction();
}
void Connection::ExecuteDirect(const std::string& sql) {
  impl_->RunDirect(sql);
}
void Connection::SetStatementLog(StatementLog log) {
  impl_->SetStatementLog(std::move(log));
}
long Connection::StatementCount() const {
  return impl_->StatementCount();
}
void Connection::SetParameterizeLiterals(bool on) {
  impl_->SetParameterizeLiterals(on);
}
bool Connection::ParameterizesLiterals() const {
  return impl_->ParameterizesLiterals();
}

}  // namespace veiculo
