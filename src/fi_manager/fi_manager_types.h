#pragma once
// The FI Manager types this program exchanges, elements in the contract's
// order. Element flags: a text element is optional (written only when set:
// each has a <name>_Specified flag its setter raises); integers, Booleans,
// decimals and date-times are nillable but always written; enumerations are
// plain. The other types of the contract belong to the service's published
// description and are not carried here beyond their registered names.

#include <string>
#include <utility>
#include <vector>

#include "veiculo/dm_fi_avonale.h"

namespace veiculo::fi_manager {

#define FIM_TEXTO(name)                       \
  std::string name;                           \
  bool name##_Specified = false;              \
  void Set_##name(const std::string& value) { \
    name = value;                             \
    name##_Specified = true;                  \
  }

// What happened to one of the dealer's F&I operations.
struct OperacaoFaturamento {
  bool Faturada = false;   // always written
  bool Cancelada = false;  // always written
  FIM_TEXTO(Status)
  FIM_TEXTO(CodigoParceiro)
  FIM_TEXTO(NumeroNotaFiscal)
  double DataNotaFiscal = 0;  // a local date-time; always written (XML Schema dateTime)
};

// A file sent with an operation (XML name "File").
struct File_ {
  FIM_TEXTO(NameFile)
  // The file's bytes, base64 in XML; optional.
  std::string FileBytes;
  bool FileBytes_Specified = false;
  void Set_FileBytes(std::string value) {
    FileBytes = std::move(value);
    FileBytes_Specified = true;
  }
};

// One item of a reply's data: its elements as they came (name, text); the
// program reads none of them.
struct Operacao {
  std::vector<std::pair<std::string, std::string>> Elementos;
};

// The reply of an operation (XML name "RespostaOperacao").
struct RespostaOperacao2 {
  FIM_TEXTO(ID)
  TipoMensagem TipoResposta = TipoMensagem::Ok;  // plain
  FIM_TEXTO(Mensagem)
  std::vector<Operacao> Dados;  // items "Operacao"; optional
  bool Dados_Specified = false;
};

#undef FIM_TEXTO

// A type of the contract with the XML name it is registered under.
struct TipoRegistrado {
  const char* nome;
  const char* xml;
};
// The 53 concrete remotable types in registration order (each also has its
// empty base "SerializacaoOf" + name), then the enumeration and the simple
// types. Four replies and File_ travel under another XML name.
const std::vector<TipoRegistrado>& TiposRegistrados();
// The port type's operations in declaration order.
const std::vector<const char*>& OperacoesFiManager();

// The XML value of a reply type and back. An unknown value raises
// veiculo::Error (service): the reply does not fit the contract.
const char* XmlTipoMensagem(TipoMensagem tipo);
TipoMensagem TipoMensagemDeXml(const std::string& texto);

}  // namespace veiculo::fi_manager
