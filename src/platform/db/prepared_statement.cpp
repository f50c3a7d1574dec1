#include "platform/db/prepared_statement.h"

#include <ibase.h>
#include <soci/firebird/soci-firebird.h>

#include <fmt/format.h>

#include <algorithm>

#include "platform/format/date_time.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

// Text form of a date-time parameter that the engine converts itself.
std::string DateTimeParameter(double serial, SqlDialectKind kind) {
  const CivilDate d = DecodeDate(serial);
  const TimeOfDay t = DecodeTime(serial);
  // ODBC sites (SQL Server) read only the ISO form with "T" independently of
  // the session's date format.
  const char separator = kind == SqlDialectKind::Odbc ? 'T' : ' ';
  return fmt::format("{:04}-{:02}-{:02}{}{:02}:{:02}:{:02}", d.year, d.month, d.day, separator,
                     t.hour, t.minute, t.second);
}

// Bytes a character takes at most in a text marker of the character set
// `charset` (UTF8 4, UNICODE_FSS 3, NONE, OCTETS and ASCII 1); other sets
// count as 4, which only keeps more literals in place.
int BytesPerCharacter(int charset) {
  switch (charset) {
    case 0:
    case 1:
    case 2:
      return 1;
    case 3:
      return 3;
    default:
      return 4;
  }
}

ParameterType DescribeParameter(const XSQLVAR& v) {
  ParameterType type;
  switch (v.sqltype & ~1) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
      type.kind = ParameterType::Kind::Exact;
      type.scale = -v.sqlscale;
      type.bytes = v.sqllen;
      break;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
      type.kind = ParameterType::Kind::Float;
      break;
    case SQL_TEXT:
    case SQL_VARYING:
      type.kind = ParameterType::Kind::Text;
      type.max_chars = v.sqllen / BytesPerCharacter(v.sqlsubtype & 0xFF);
      break;
    case SQL_TYPE_DATE:
      type.kind = ParameterType::Kind::Date;
      break;
    case SQL_TIMESTAMP:
      type.kind = ParameterType::Kind::Timestamp;
      break;
    default:
      break;
  }
  return type;
}

double SerialFromTm(const std::tm& tm) {
  return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
         EncodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec);
}

}  // namespace

PreparedStatement::PreparedStatement(soci::session& session, const std::string& positional_sql,
                                     size_t parameter_count, SqlDialectKind kind)
    : statement_(session), kind_(kind), parameters_(parameter_count) {
  statement_.alloc();
  statement_.prepare(positional_sql);
  if (kind_ == SqlDialectKind::Firebird)
    DescribeFirebird();
  else
    DescribeGeneric();

  // A name that repeats (a join's "v.*, m.*" brings EMPRESA twice) keeps its
  // first column; the later ones are told apart as NAME_1, NAME_2, ..., so a
  // data packet keyed by name loses none of them.
  for (size_t i = 0; i < columns_.size(); ++i) {
    int repeat = 0;
    for (size_t j = 0; j < i; ++j)
      if (columns_[j].def.name == columns_[i].def.name) ++repeat;
    if (repeat == 0) continue;
    std::string name;
    do {
      name = columns_[i].def.name + "_" + std::to_string(repeat++);
    } while (std::any_of(columns_.begin(), columns_.end(),
                         [&](const Column& c) { return c.def.name == name; }));
    columns_[i].def.name = name;
  }
  auto defs = std::make_shared<std::vector<FieldDef>>();
  for (const Column& c : columns_) defs->push_back(c.def);
  column_defs_ = std::move(defs);

  // Buffers are sized before binding: the library keeps their addresses.
  indicators_.resize(columns_.size());
  for (size_t i = 0; i < columns_.size(); ++i) {
    const Column& c = columns_[i];
    switch (c.buffer) {
      case Buffer::Integer:
        statement_.exchange(soci::into(integers_[c.slot], indicators_[i]));
        break;
      case Buffer::Double:
        statement_.exchange(soci::into(doubles_[c.slot], indicators_[i]));
        break;
      case Buffer::Date:
        statement_.exchange(soci::into(dates_[c.slot], indicators_[i]));
        break;
      case Buffer::Text:
        statement_.exchange(soci::into(texts_[c.slot], indicators_[i]));
        break;
      case Buffer::LongText:
        statement_.exchange(soci::into(long_texts_[c.slot], indicators_[i]));
        break;
    }
  }
  for (Parameter& p : parameters_) {
    if (p.as_double)
      statement_.exchange(soci::use(p.number, p.indicator));
    else
      statement_.exchange(soci::use(p.text, p.indicator));
  }
  statement_.define_and_bind();
}

void PreparedStatement::DescribeFirebird() {
  auto* backend = static_cast<soci::firebird_statement_backend*>(statement_.get_backend());
  const XSQLDA* out = backend->sqldap_;
  for (int i = 0; out != nullptr && i < out->sqld; ++i) {
    const XSQLVAR& v = out->sqlvar[i];
    std::string name(v.aliasname, v.aliasname_length);
    if (name.empty()) name.assign(v.sqlname, v.sqlname_length);
    const int type = v.sqltype & ~1;
    switch (type) {
      case SQL_SHORT:
      case SQL_LONG:
      case SQL_INT64:
        if (v.sqlscale < 0)
          AddColumn(name, FieldType::Float, 0, Buffer::Double, false);
        else
          AddColumn(name, FieldType::Integer, 0, Buffer::Integer, false);
        break;
      case SQL_FLOAT:
      case SQL_DOUBLE:
      case SQL_D_FLOAT:
        AddColumn(name, FieldType::Float, 0, Buffer::Double, false);
        break;
      case SQL_TIMESTAMP:
      case SQL_TYPE_DATE:
      case SQL_TYPE_TIME:
        AddColumn(name, FieldType::DateTime, 0, Buffer::Date, false);
        break;
      case SQL_BLOB:
        AddColumn(name, v.sqlsubtype == 1 ? FieldType::Text : FieldType::Blob, 0, Buffer::LongText,
                  false);
        break;
      case SQL_TEXT:
        // UTF8 columns report four bytes per character.
        AddColumn(name, FieldType::Text, v.sqllen / 4, Buffer::Text, true);
        break;
      default:
        AddColumn(name, FieldType::Text, v.sqllen / 4, Buffer::Text, false);
        break;
    }
  }
  // Parameters the engine types as floating point do not accept text.
  const XSQLDA* in = backend->sqlda2p_;
  for (int i = 0; in != nullptr && i < in->sqld && i < static_cast<int>(parameters_.size()); ++i) {
    const int type = in->sqlvar[i].sqltype & ~1;
    parameters_[i].as_double = type == SQL_FLOAT || type == SQL_DOUBLE || type == SQL_D_FLOAT;
    parameter_types_.push_back(DescribeParameter(in->sqlvar[i]));
  }
}

void PreparedStatement::DescribeGeneric() {
  auto* backend = statement_.get_backend();
  const int count = backend->prepare_for_describe();
  for (int i = 1; i <= count; ++i) {
    soci::data_type type;
    std::string name;
    backend->describe_column(i, type, name);
    switch (type) {
      case soci::dt_integer:
      case soci::dt_long_long:
      case soci::dt_unsigned_long_long:
        AddColumn(name, FieldType::Integer, 0, Buffer::Integer, false);
        break;
      case soci::dt_double:
        AddColumn(name, FieldType::Float, 0, Buffer::Double, false);
        break;
      case soci::dt_date:
        AddColumn(name, FieldType::DateTime, 0, Buffer::Date, false);
        break;
      case soci::dt_string:
        AddColumn(name, FieldType::Text, 0, Buffer::Text, true);
        break;
      default:
        AddColumn(name, FieldType::Text, 0, Buffer::LongText, false);
        break;
    }
  }
}

void PreparedStatement::AddColumn(std::string name, FieldType type, int size, Buffer buffer,
                                  bool trim) {
  size_t slot = 0;
  switch (buffer) {
    case Buffer::Integer:
      slot = integers_.size();
      integers_.emplace_back();
      break;
    case Buffer::Double:
      slot = doubles_.size();
      doubles_.emplace_back();
      break;
    case Buffer::Date:
      slot = dates_.size();
      dates_.emplace_back();
      break;
    case Buffer::Text:
      slot = texts_.size();
      texts_.emplace_back();
      break;
    case Buffer::LongText:
      slot = long_texts_.size();
      long_texts_.emplace_back();
      break;
  }
  columns_.push_back(Column{FieldDef{UpperCase(name), type, size}, buffer, slot, trim});
}

void PreparedStatement::BindParameter(Parameter& slot, const Value& value) {
  if (value.IsNull()) {
    slot.indicator = soci::i_null;
    slot.text.clear();
    slot.number = 0;
    return;
  }
  slot.indicator = soci::i_ok;
  if (slot.as_double) {
    slot.number = value.type() == FieldType::DateTime ? value.AsDateTime() : value.AsFloat();
    return;
  }
  switch (value.type()) {
    case FieldType::Integer:
      slot.text = std::to_string(value.AsInteger());
      break;
    // Shortest text that reads back as the same double, with "." decimals.
    case FieldType::Float:
      slot.text = fmt::format("{}", value.AsFloat());
      break;
    case FieldType::DateTime:
      slot.text = DateTimeParameter(value.AsDateTime(), kind_);
      break;
    case FieldType::Text:
    case FieldType::Blob:
      slot.text = value.AsText();
      break;
  }
}

Value PreparedStatement::ReadColumn(const Column& column) const {
  const size_t index = static_cast<size_t>(&column - columns_.data());
  if (indicators_[index] == soci::i_null) return Value();
  switch (column.buffer) {
    case Buffer::Integer:
      return Value::Integer(integers_[column.slot]);
    case Buffer::Double:
      return Value::Float(doubles_[column.slot]);
    case Buffer::Date:
      return Value::DateTime(SerialFromTm(dates_[column.slot]));
    case Buffer::Text:
      return Value::Text(column.trim ? TrimRight(texts_[column.slot]) : texts_[column.slot]);
    case Buffer::LongText:
      if (column.def.type == FieldType::Blob) return Value::Blob(long_texts_[column.slot].value);
      return Value::Text(long_texts_[column.slot].value);
  }
  return Value();
}

QueryResult PreparedStatement::Execute(const std::vector<Value>& params) {
  if (params.size() != parameters_.size())
    throw Error(ErrorCategory::Validation,
                fmt::format("statement expects {} parameter values, got {}", parameters_.size(),
                            params.size()));
  for (size_t i = 0; i < params.size(); ++i) BindParameter(parameters_[i], params[i]);

  QueryResult result;
  result.columns = column_defs_;

  bool has_row = statement_.execute(true);
  if (columns_.empty()) {
    // Statements without a row count (DDL) report -1.
    try {
      result.affected_rows = statement_.get_affected_rows();
    } catch (const soci::soci_error&) {
      result.affected_rows = -1;
    }
    return result;
  }
  while (has_row) {
    std::vector<Value> row;
    row.reserve(columns_.size());
    for (const Column& c : columns_) row.push_back(ReadColumn(c));
    result.rows.push_back(std::move(row));
    has_row = statement_.fetch();
  }
  return result;
}

}  // namespace veiculo::platform
