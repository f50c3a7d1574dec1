#pragma once
// One SQL text prepared once on a session and re-executed with new parameter
// values: the columns are described and bound to typed buffers at
// preparation, the parameters are bound by position to value slots.
//
// Private to the connection (it includes the database library's headers).

#include <soci/soci.h>

#include <ctime>
#include <string>
#include <vector>

#include "platform/db/connection_impl.h"
#include "platform/db/literal_binding.h"

namespace veiculo::platform {

class PreparedStatement {
 public:
  PreparedStatement(soci::session& session, const std::string& positional_sql,
                    size_t parameter_count, SqlDialectKind kind);

  // Executes with the given values (one per marker) and returns every row.
  // Throws soci::soci_error from the driver and veiculo::Error for values
  // that cannot be bound.
  QueryResult Execute(const std::vector<Value>& params);

  // The type the engine gave each marker (Firebird only; empty elsewhere).
  const std::vector<ParameterType>& ParameterTypes() const { return parameter_types_; }

 private:
  enum class Buffer { Integer, Double, Date, Text, LongText };
  struct Column {
    FieldDef def;
    Buffer buffer;
    size_t slot;
    bool trim;  // fixed-length text comes back padded with blanks
  };
  struct Parameter {
    bool as_double = false;  // the engine cannot convert text for this one
    std::string text;
    double number = 0;
    soci::indicator indicator = soci::i_null;
  };

  void DescribeFirebird();
  void DescribeGeneric();
  void AddColumn(std::string name, FieldType type, int size, Buffer buffer, bool trim);
  void BindParameter(Parameter& slot, const Value& value);
  Value ReadColumn(const Column& column) const;

  soci::statement statement_;
  SqlDialectKind kind_;
  std::vector<Column> columns_;
  std::shared_ptr<const std::vector<FieldDef>> column_defs_;
  std::vector<Parameter> parameters_;
  std::vector<ParameterType> parameter_types_;
  std::vector<long long> integers_;
  std::vector<double> doubles_;
  std::vector<std::tm> dates_;
  std::vector<std::string> texts_;
  std::vector<soci::long_string> long_texts_;
  std::vector<soci::indicator> indicators_;
};

}  // namespace veiculo::platform
