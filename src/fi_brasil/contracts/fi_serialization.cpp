#include "fi_brasil/contracts/fi_serialization.h"

#include "platform/format/convert.h"
#include "platform/soap/xml_element.h"
#include "platform/soap/xml_text.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

using platform::XmlElement;

// The element name of a field: a trailing "_" marks a field renamed because
// its name is taken in the language ("message_" travels as "message").
std::string ExternalName(std::string name) {
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

void ReadText(const XmlElement& parent, const char* field, std::string& value, bool& specified) {
  const XmlElement element = parent.Child(ExternalName(field));
  if (!element || element.IsNil()) return;
  value = element.Text();
  specified = true;
}

void ReadInt(const XmlElement& parent, const char* field, int32_t& value, bool& specified) {
  const XmlElement element = parent.Child(ExternalName(field));
  if (!element || element.IsNil()) return;
  const std::string text = platform::Trim(element.Text());
  int64_t number = 0;
  if (!platform::TryStrToInt(text, number) || number < INT32_MIN || number > INT32_MAX)
    throw Error(ErrorCategory::Service, "the reply's element " + ExternalName(field) + " of " +
                                            parent.LocalName() + " is not an integer: \"" + text +
                                            "\"");
  value = static_cast<int32_t>(number);
  specified = true;
}

template <class Type>
void ReadObject(const XmlElement& parent, const char* field, std::unique_ptr<Type>& value,
                bool& specified) {
  const XmlElement element = parent.Child(ExternalName(field));
  if (!element || element.IsNil()) return;
  value = std::make_unique<Type>();
  ReadFrom(element, *value);
  specified = true;
}

template <class Type>
void ReadArray(const XmlElement& parent, const char* field, std::vector<Type>& items,
               bool& specified) {
  for (const XmlElement& element : parent.Children(ExternalName(field))) {
    if (element.IsNil()) continue;
    ReadFrom(element, items.emplace_back());
    specified = true;
  }
}

void Element(std::string& out, const std::string& name, const std::string& text) {
  out += "<" + name + ">" + platform::XmlEscape(text) + "</" + name + ">";
}

template <class Type>
void WriteObject(std::string& out, const char* field, const Type& value) {
  out += std::string("<") + field + ">";
  WriteTo(out, value);
  out += std::string("</") + field + ">";
}

}  // namespace

#define FIB_READ_T(name) ReadText(element, #name, value.name, value.name##_Specified);
#define FIB_READ_I(name) ReadInt(element, #name, value.name, value.name##_Specified);
#define FIB_READ_O(Type, name) ReadObject(element, #name, value.name, value.name##_Specified);
#define FIB_READ_A(Type, name) ReadArray(element, #name, value.name, value.name##_Specified);
#define FIB_READER(Type, LIST)                            \
  void ReadFrom(const XmlElement& element, Type& value) { \
    LIST(FIB_READ_T, FIB_READ_I, FIB_READ_O, FIB_READ_A)  \
  }

FIB_READER(FIResult, FIB_RESULT)
FIB_READER(VeiculoOut, FIB_VEICULO_OUT)
FIB_READER(VendaCompletaOut, FIB_VENDA_COMPLETA_OUT)
FIB_READER(FichaCadastralPFOut, FIB_FICHA_PF_OUT)
FIB_READER(FichaCadastralPJOut, FIB_FICHA_PJ_OUT)
FIB_READER(EnderecoOut, FIB_ENDERECO_OUT)
FIB_READER(ConjugeOut, FIB_CONJUGE_OUT)
FIB_READER(ReferenciaBancariaOut, FIB_REFERENCIA_BANCARIA)
FIB_READER(ReferenciaPessoalOut, FIB_REFERENCIA_PESSOAL)
FIB_READER(FornecedorOut, FIB_FORNECEDOR)
FIB_READER(ItemAgregadoOut, FIB_ITEM_AGREGADO_OUT)
FIB_READER(SisDiaIncidenciaOut, FIB_SIS_DIA_INCIDENCIA_OUT)
FIB_READER(ReceitaFinanceiraOut, FIB_RECEITA_FINANCEIRA_OUT)
FIB_READER(PropostaCreditoOut, FIB_PROPOSTA_CREDITO_OUT)

// The result subclasses: the two inherited elements, then their own.
#define FIB_RESULT_READER(Type, LIST)                     \
  void ReadFrom(const XmlElement& element, Type& value) { \
    ReadFrom(element, static_cast<FIResult&>(value));     \
    LIST(FIB_READ_T, FIB_READ_I, FIB_READ_O, FIB_READ_A)  \
  }
FIB_RESULT_READER(VendasAbertasResult, FIB_VENDAS_ABERTAS)
FIB_RESULT_READER(FechamentoVendaResult, FIB_FECHAMENTO_VENDA)
FIB_RESULT_READER(StatusVendaResult, FIB_STATUS_VENDA)

#define FIB_WRITE_T(name) \
  if (value.name##_Specified) Element(out, ExternalName(#name), value.name);
#define FIB_WRITE_I(name) \
  if (value.name##_Specified) Element(out, #name, std::to_string(value.name));
#define FIB_WRITE_O(Type, name) \
  if (value.name##_Specified && value.name) WriteObject(out, #name, *value.name);
#define FIB_WRITE_A(Type, name) \
  for (const Type& item : value.name) WriteObject(out, #name, item);
#define FIB_WRITER(Type, LIST)                               \
  void WriteTo(std::string& out, const Type& value) {        \
    LIST(FIB_WRITE_T, FIB_WRITE_I, FIB_WRITE_O, FIB_WRITE_A) \
  }

FIB_WRITER(FIHeader, FIB_HEADER)
FIB_WRITER(VeiculoIn, FIB_VEICULO_IN)
FIB_WRITER(FichaCadastralPFIn, FIB_FICHA_PF_IN)
FIB_WRITER(FichaCadastralPJIn, FIB_FICHA_PJ_IN)
FIB_WRITER(EnderecoIn, FIB_ENDERECO_IN)
FIB_WRITER(ConjugeIn, FIB_CONJUGE_IN)
FIB_WRITER(ReferenciaBancariaIn, FIB_REFERENCIA_BANCARIA)
FIB_WRITER(ReferenciaPessoalIn, FIB_REFERENCIA_PESSOAL)
FIB_WRITER(FornecedorIn, FIB_FORNECEDOR)

}  // namespace veiculo::fi_brasil
