#pragma once
// SQL conditions built from the key lists that clients send (the dealers, the
// families, the models, the packages a stock search is restricted to).
//
// Key lists: items separated by "," (blanks around items and blank items are
// ignored). A company/dealer key is "company.dealer" ("1.2,1.3"); a composite
// key joins its parts with the separator given ("1.10" company.family,
// "1.ABC 1.6" company.model: the last part keeps any further separator). Text
// values may come bare (O'Brien) or as SQL literals ('O''Brien', needed when
// the value holds the list separator); either way they are written as a quoted
// literal with inner quotes doubled, so no value can leave its quotes. Number
// values must be 32-bit integers: anything else raises veiculo::Error
// (validation) naming the key. Column names must be plain names ("V.EMPRESA").
//
// An empty list restricts to nothing: the conditions are "1 = 0" (and
// "1 = 1" for "not in"); callers that mean "no restriction" leave the piece out.

#include <string>

#include "module/maker_utils/key_list.h"

namespace veiculo::maker {

// Rows of the listed company/dealer keys. `columns` names the company and the
// dealer column, separated by ";" ("V.EMPRESA;V.REVENDA_ORIGEM").
// mode 2: "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2,3)) or (V.EMPRESA = 2 and
//          V.REVENDA_ORIGEM in (1))" (keys grouped by company, first-seen order);
// mode 1: the companies only, "V.EMPRESA in (1,2)" (a dealer part may be absent).
// Any other mode raises veiculo::Error (validation).
std::string SQLEmpresaRevendaBrelUtils(const std::string& keys, const std::string& columns,
                                       int mode = 2);

// Rows of the listed composite keys: `columns` and `kinds` hold one entry per
// key part separated by ";" ("M.EMPRESA;M.MODELO", "N;S": N number, S text).
// "(M.EMPRESA = 1 and M.MODELO = 'A') or (M.EMPRESA = 1 and M.MODELO = 'B')".
std::string SQLChaveCompostaBrelUtils(const std::string& keys, const std::string& separator,
                                      const std::string& columns, const std::string& kinds,
                                      const std::string& list_separator = ",");

// The distinct companies of a company/dealer key list, as the inside of an IN
// list: "1.2,1.3,2.1" gives "1,2"; an empty list gives "NULL" (matches nothing).
std::string SQLEmpresaDeEmpresaRevenda(const std::string& keys);

// "column in (v1,v2,...)"; lists above 1000 values (Oracle's limit) become
// "(column in (...1000...) or column in (...))". `op` is "in" or "not in"
// (which joins its chunks with "and"). Values are text unless `kind` says
// otherwise.
std::string AjustaInSelect(const std::string& column, const std::string& op,
                           const std::string& values, KeyKind kind = KeyKind::Text);
std::string AjustaInSelect(const std::string& column, const std::string& values);

}  // namespace veiculo::maker
