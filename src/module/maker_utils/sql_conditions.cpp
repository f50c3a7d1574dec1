#include "module/maker_utils/sql_conditions.h"

#include <algorithm>
#include <vector>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

constexpr size_t kMaxInList = 1000;
constexpr const char* kNothing = "1 = 0";

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// "col in (...)" chunks of already formatted literals.
std::string InChunks(const std::string& column, bool negated,
                     const std::vector<std::string>& literals) {
  if (literals.empty()) return negated ? "1 = 1" : kNothing;
  const std::string op = negated ? " not in (" : " in (";
  std::vector<std::string> chunks;
  for (size_t i = 0; i < literals.size(); i += kMaxInList) {
    std::string chunk = column + op;
    const size_t end = std::min(literals.size(), i + kMaxInList);
    for (size_t j = i; j < end; ++j) chunk += (j > i ? "," : "") + literals[j];
    chunks.push_back(chunk + ")");
  }
  if (chunks.size() == 1) return chunks.front();
  std::string out = "(";
  for (size_t i = 0; i < chunks.size(); ++i)
    out += (i > 0 ? (negated ? " and " : " or ") : "") + chunks[i];
  return out + ")";
}

std::string OrOfGroups(const std::vector<std::string>& groups) {
  if (groups.empty()) return kNothing;
  std::string out;
  for (size_t i = 0; i < groups.size(); ++i) out += (i > 0 ? " or (" : "(") + groups[i] + ")";
  return out;
}

// The two columns of a company/dealer condition.
std::vector<std::string> CompanyDealerColumns(const std::string& columns, int mode) {
  std::vector<std::string> names = SplitList(columns, ";");
  if (names.size() < static_cast<size_t>(mode) || names.size() > 2)
    throw Error(ErrorCategory::Validation,
                "SQLEmpresaRevendaBrelUtils: expected the company and dealer columns as "
                "\"EMPRESA;REVENDA\", got \"" +
                    columns + "\"");
  for (const std::string& n : names) CheckedColumn(n, "SQLEmpresaRevendaBrelUtils");
  return names;
}

struct CompanyKeys {
  std::string company;               // literal
  std::vector<std::string> dealers;  // literals
};

// Keys grouped by company, in first-seen order.
std::vector<CompanyKeys> GroupByCompany(const std::string& keys, bool dealer_required) {
  std::vector<CompanyKeys> groups;
  for (const std::string& key : SplitList(keys, ",")) {
    const std::vector<std::string> parts = SplitKey(key, ".", 2);
    if (dealer_required && parts.size() < 2)
      throw Error(ErrorCategory::Validation, "key \"" + key + "\" is not a company.dealer pair");
    const std::string company = SqlValue(parts[0], KeyKind::Number, key, "EMPRESA");
    auto it = std::find_if(groups.begin(), groups.end(),
                           [&](const CompanyKeys& g) { return g.company == company; });
    if (it == groups.end()) it = groups.insert(groups.end(), CompanyKeys{company, {}});
    if (parts.size() == 2)
      it->dealers.push_back(SqlValue(parts[1], KeyKind::Number, key, "REVENDA"));
  }
  return groups;
}

}  // namespace

std::string SQLEmpresaRevendaBrelUtils(const std::string& keys, const std::string& columns,
                                       int mode) {
  if (mode != 1 && mode != 2)
    throw Error(ErrorCategory::Validation,
                "SQLEmpresaRevendaBrelUtils: mode " + std::to_string(mode) + " is not 1 or 2");
  const std::vector<std::string> cols = CompanyDealerColumns(columns, mode);
  const std::vector<CompanyKeys> groups = GroupByCompany(keys, mode == 2);
  if (mode == 1) {
    std::vector<std::string> companies;
    for (const CompanyKeys& g : groups) companies.push_back(g.company);
    return InChunks(cols[0], false, companies);
  }
  std::vector<std::string> terms;
  for (const CompanyKeys& g : groups)
    terms.push_back(cols[0] + " = " + g.company + " and " + InChunks(cols[1], false, g.dealers));
  return OrOfGroups(terms);
}

std::string SQLChaveCompostaBrelUtils(const std::string& keys, const std::string& separator,
                                      const std::string& columns, const std::string& kinds,
                                      const std::string& list_separator) {
  const std::vector<std::string> cols = SplitList(columns, ";");
  const std::vector<std::string> kind_letters = SplitList(kinds, ";");
  if (cols.empty() || kind_letters.size() != cols.size() || separator.empty())
    throw Error(ErrorCategory::Validation,
                "SQLChaveCompostaBrelUtils: columns \"" + columns + "\" and kinds \"" + kinds +
                    "\" must have one entry per key part, with a separator");
  std::vector<KeyKind> kind_of;
  for (const std::string& k : kind_letters) {
    if (k != "N" && k != "S")
      throw Error(ErrorCategory::Validation,
                  "SQLChaveCompostaBrelUtils: kind \"" + k + "\" is not N or S");
    kind_of.push_back(k == "N" ? KeyKind::Number : KeyKind::Text);
  }
  for (const std::string& c : cols) CheckedColumn(c, "SQLChaveCompostaBrelUtils");

  std::vector<std::string> terms;
  for (const std::string& key : SplitList(keys, list_separator)) {
    const std::vector<std::string> parts = SplitKey(key, separator, cols.size());
    if (parts.size() != cols.size())
      throw Error(ErrorCategory::Validation,
                  "key \"" + key + "\" does not have " + std::to_string(cols.size()) + " parts");
    std::string term;
    for (size_t i = 0; i < cols.size(); ++i)
      term +=
          (i > 0 ? " and " : "") + cols[i] + " = " + SqlValue(parts[i], kind_of[i], key, cols[i]);
    terms.push_back(term);
  }
  return OrOfGroups(terms);
}

std::string SQLEmpresaDeEmpresaRevenda(const std::string& keys) {
  std::string out;
  for (const CompanyKeys& g : GroupByCompany(keys, false))
    out += (out.empty() ? "" : ",") + g.company;
  return out.empty() ? "NULL" : out;
}

std::string AjustaInSelect(const std::string& column, const std::string& op,
                           const std::string& values, KeyKind kind) {
  CheckedColumn(column, "AjustaInSelect");
  std::string norm;  // the operator in lower case with single blanks
  for (const std::string& word : SplitList(Lower(op), " "))
    norm += (norm.empty() ? "" : " ") + word;
  if (norm != "in" && norm != "not in")
    throw Error(ErrorCategory::Validation,
                "AjustaInSelect: operator \"" + op + "\" is not in or not in");
  std::vector<std::string> literals;
  for (const std::string& v : SplitList(values, ","))
    literals.push_back(SqlValue(v, kind, v, column));
  return InChunks(column, norm == "not in", literals);
}

std::string AjustaInSelect(const std::string& column, const std::string& values) {
  return AjustaInSelect(column, "in", values, KeyKind::Text);
}

}  // namespace veiculo::maker
