#pragma once
// Reading the reply structures of the F&I Brasil contracts out of a SOAP
// reply, and writing the request structures as XML elements.
//
// Reading goes by local element name (the prefixes and the places where the
// service declares its namespaces vary). An absent or nil element leaves its
// field empty (text empty, 0, no object, no items) and its flag false; an
// integer element whose text is not a whole number raises veiculo::Error
// (service), since the reply then does not fit the contract.
//
// Writing gives each present element, in declaration order, with its value
// escaped; elements without a prefix (the caller declares the namespace as
// the default one on the enclosing element).

#include <string>

#include "fi_brasil/contracts/fi_types.h"

namespace veiculo::platform {
class XmlElement;
}

namespace veiculo::fi_brasil {

void ReadFrom(const platform::XmlElement& element, FIResult& result);
void ReadFrom(const platform::XmlElement& element, VendasAbertasResult& result);
void ReadFrom(const platform::XmlElement& element, FechamentoVendaResult& result);
void ReadFrom(const platform::XmlElement& element, StatusVendaResult& result);
void ReadFrom(const platform::XmlElement& element, VeiculoOut& value);
void ReadFrom(const platform::XmlElement& element, VendaCompletaOut& value);
void ReadFrom(const platform::XmlElement& element, FichaCadastralPFOut& value);
void ReadFrom(const platform::XmlElement& element, FichaCadastralPJOut& value);
void ReadFrom(const platform::XmlElement& element, EnderecoOut& value);
void ReadFrom(const platform::XmlElement& element, ConjugeOut& value);
void ReadFrom(const platform::XmlElement& element, ReferenciaBancariaOut& value);
void ReadFrom(const platform::XmlElement& element, ReferenciaPessoalOut& value);
void ReadFrom(const platform::XmlElement& element, FornecedorOut& value);
void ReadFrom(const platform::XmlElement& element, ItemAgregadoOut& value);
void ReadFrom(const platform::XmlElement& element, SisDiaIncidenciaOut& value);
void ReadFrom(const platform::XmlElement& element, ReceitaFinanceiraOut& value);
void ReadFrom(const platform::XmlElement& element, PropostaCreditoOut& value);

// The child elements of each present field, appended to `out`.
void WriteTo(std::string& out, const FIHeader& value);
void WriteTo(std::string& out, const VeiculoIn& value);
void WriteTo(std::string& out, const FichaCadastralPFIn& value);
void WriteTo(std::string& out, const FichaCadastralPJIn& value);
void WriteTo(std::string& out, const EnderecoIn& value);
void WriteTo(std::string& out, const ConjugeIn& value);
void WriteTo(std::string& out, const ReferenciaBancariaIn& value);
void WriteTo(std::string& out, const ReferenciaPessoalIn& value);
void WriteTo(std::string& out, const FornecedorIn& value);

}  // namespace veiculo::fi_brasil
