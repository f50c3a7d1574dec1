#pragma once
// What the CRM staging files share: the object's datasets, the staging
// records, one row of a stock load and the status tables. Private to
// src/salesforce.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/sales_force.h"

namespace veiculo::salesforce {

// Two query triples and the statement dataset, bound once to the caller's
// connection; the private module that prices vehicles is created on first use
// and kept for the object's life (its connection and caches stay warm).
struct Componentes {
  platform::SqlDataSet sdsConsulta{"sdsConsulta"};
  platform::Provider dspConsulta{"dspConsulta", &sdsConsulta};
  platform::ClientDataSet cdsConsulta{"cdsConsulta", &dspConsulta};
  platform::SqlDataSet sdsCarga{"sdsCarga"};
  platform::Provider dspCarga{"dspCarga", &sdsCarga};
  platform::ClientDataSet cdsCarga{"cdsCarga", &dspCarga};
  platform::SqlDataSet sdsExecuta{"sdsExecuta"};
  Connection* conexao = nullptr;
  std::unique_ptr<TddmVeiculoCompartilhadoBD> modulo;
};

// The columns both stock rows share.
struct TEstoqueBase {
  std::string NUMERO_DN;
  std::string CHASSI;
  double DATA_INCLUSAO = 0;
  std::string STATUS_ENVIO;
  std::string MODELO;
  std::string VERSAO;
  int32_t ANO_FABRICACAO = 0;
  int32_t ANO_MODELO = 0;
  std::string COR;
  std::string OPCIONAIS;
  double DATA_ENTRADA_ESTOQUE = 0;
  double PRECO = 0;
  double DATA_ULTIMA_ATUALIZACAO = 0;
  std::string STATUS;
};

struct TEstoque : TEstoqueBase {
  std::string METODO;
  double VALIDADE_RESERVA = 0;
};

struct TEstoqueFull : TEstoqueBase {
  std::string ESTADO;
  double DATA_ENTREGA_CLIENTE = 0;
  // Status of the vehicle's entry invoice: decides ESTADO for some events.
  std::string STATUS_NFENTRADA;
};

struct TReserva {
  std::string NUMERO_DN;
  std::string NUMERO_ATENDIMENTO;
  double DATA_INCLUSAO = 0;
  std::string STATUS_ENVIO;
  std::string NOME_VENDEDOR;
  std::string CPF_VENDEDOR;
  std::string NOME_CLIENTE;
  std::string SOBRENOME_CLIENTE;
  std::string TELEFONE_RESIDENCIAL;
  std::string EMAIL_CLIENTE;
  std::string TELEFONE_CELULAR;
  std::string CHASSI;
  std::string STATUS_VEICULO;
  std::string CPF_CLIENTE;
  std::string STATUS_INTEGRACAO;
};

// One vehicle of a stock load, as the load query reads it and the pricing
// fills it.
struct LinhaCarga {
  std::string VEICULO;
  std::string CHASSI;
  std::string MODELO;
  std::string VERSAO;
  int32_t ANO_FABRICACAO = 0;
  int32_t ANO_MODELO = 0;
  std::string COR;
  std::string OPCIONAIS;
  std::string NOME_MARCA;
  std::string SITUACAO;
  double DTA_FIM_RESERVA = 0;
  double DATA_ENTRADA_ESTOQUE = 0;
  double DATA_ENTREGA_CLIENTE = 0;
  std::string VCR;
  int32_t PROPOSTA = 0;
  std::string STATUS_NFENTRADA;
  double PRECO = 0;
};

// What the stock loads read of the dealer's settings.
struct ParametrosCarga {
  std::string situacao_transito;
  std::string bloq_comercial;
  std::string bloq_qualidade;
  std::string envio_opcionais;
  bool full = false;
};

// The stock status letter of an event (simple or full integration) and, for
// the full integration, its state: "by invoice" events are 'T' when the
// entry invoice status is 'A', else 'E'.
std::string StatusEstoque(TOperacaoEstoque operacao, bool full);
std::string EstadoEstoque(TOperacaoEstoque operacao, const std::string& status_nf_entrada);
// The event a load status letter stands for.
TOperacaoEstoque OperacaoDoStatus(const std::string& status);
// Whether a situation occurs in a comma-separated list (blanks ignored).
bool NaLista(const std::string& situacao, const std::string& lista);

// Reading helpers: trimmed text (CHAR columns come back padded), integers,
// dates (NULL as 0).
std::string Texto(platform::DataSet& ds, const char* campo);
int32_t Inteiro(platform::DataSet& ds, const char* campo);
double Data(platform::DataSet& ds, const char* campo);
// A text literal with its quotes doubled.
std::string Quoted(const std::string& texto);
// An empty text binds NULL; a date 0 binds NULL.
Value TextoOuNulo(const std::string& texto);
Value DataOuNulo(double data);
// The dealer number is written as a number; none is NULL.
Value NumeroDNValor(const std::string& numero);

}  // namespace veiculo::salesforce
