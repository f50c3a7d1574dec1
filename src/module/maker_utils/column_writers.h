#pragma once
// Column writers of the fixed-layout file exporter (export_file.h): each one
// turns the value of one dataset field into the text of one column.
//
// - Width: the column's size in characters; 0 means "as long as the value"
//   (for files with a separator between columns). Shorter values are padded
//   with blanks on the side the alignment leaves free.
// - Too long: a text is cut to the width (a name may lose its tail); a number
//   or a date that does not fit raises veiculo::Error (validation) naming the
//   field, because a cut number would be another number.
// - Null, and for dates 0 (no date), write an empty (blank) column; a float
//   null is not written as 0, so the reader can tell absent from zero.
// - Line breaks and tabs inside a value become blanks: one record, one line.

#include <string>

#include "veiculo/value.h"

namespace veiculo::maker {

enum class Alinhamento { Esquerda, Direita };

class TGravarCampo {
 public:
  // Raises veiculo::Error (validation) for an empty field name or a negative size.
  TGravarCampo(std::string campo, int tamanho, Alinhamento alinhamento);
  virtual ~TGravarCampo() = default;

  const std::string& Campo() const { return campo_; }
  int Tamanho() const { return tamanho_; }

  // The column text of one value, fitted to the width.
  std::string Gravar(const Value& value) const;

 protected:
  // The value as text, before fitting; empty for "nothing to write".
  virtual std::string Formatar(const Value& value) const = 0;
  // Whether a value longer than the width may be cut.
  virtual bool PodeCortar() const { return false; }

 private:
  std::string campo_;
  int tamanho_;
  Alinhamento alinhamento_;
};

// Text; numbers and dates are written in their local text form.
class TGravarString : public TGravarCampo {
 public:
  TGravarString(std::string campo, int tamanho, Alinhamento alinhamento = Alinhamento::Esquerda);

 protected:
  std::string Formatar(const Value& value) const override;
  bool PodeCortar() const override { return true; }
};

// Number written with a FormatFloat pattern ("0.00") and a decimal separator
// ("." by default: the files are read by other systems, not by people).
class TGravarFloat : public TGravarCampo {
 public:
  TGravarFloat(std::string campo, int tamanho, std::string formato = "0.00",
               Alinhamento alinhamento = Alinhamento::Direita, char separador_decimal = '.');

 protected:
  std::string Formatar(const Value& value) const override;

 private:
  std::string formato_;
  char separador_decimal_;
};

// Date written with a FormatDateTime pattern ("dd/mm/yyyy", "yyyy-mm-dd hh:nn:ss";
// "/" and ":" take the separators of the current format settings).
class TGravarData : public TGravarCampo {
 public:
  TGravarData(std::string campo, int tamanho, std::string formato = "dd/mm/yyyy",
              Alinhamento alinhamento = Alinhamento::Esquerda);

 protected:
  std::string Formatar(const Value& value) const override;

 private:
  std::string formato_;
};

}  // namespace veiculo::maker
