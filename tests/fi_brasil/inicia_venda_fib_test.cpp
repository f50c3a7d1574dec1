// IniciaVendaFIB against a seeded proposal, its vehicle and its customer.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fi_brasil/fi_test_support.h"
#include "platform/format/format_settings.h"
#include "support/kit.h"

namespace veiculo::testing {
namespace {

using ::testing::HasSubstr;

using fi_brasil::test::Reply;

class IniciaVendaFIBTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    AddParameters(connection(), 1,
                  Cols("LOJA_FIB CHAVE_FIB URL_FIB", {T("L1"), T("K1"), T(server_.Url())}));
    // Proposal 10: salesperson 7 (CPF 98765432), contact 3 of customer 500,
    // stock vehicle V1 (chassis CH1) and wanted model M1 in colour C1.
    AddProposal(connection(), 1, 10, Cols("VENDEDOR VEICULO CONTATO", {I(7), T("V1"), I(3)}));
    Insert(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE",
           {I(1), I(1), I(3), I(500)});
    Insert(connection(), "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR CPF",
           {I(1), I(1), I(7), I(98765432)});
    AddModel(connection(), "M1", Cols("DES_MODELO", {T("Modelo Um")}));
    Insert(connection(), "VEI_COR", "EMPRESA COR DES_COR", {I(1), T("C1"), T("Prata")});
    AddVehicle(connection(), "V1", "CH1",
               Cols("COR NOVO_USADO OPCIONAIS", {T("C1"), T("N"), T("OPC")}),
               Cols("ANO_FABRICACAO ANO_MODELO PORTAS PACOTE PLACA RENAVAM COMBUSTIVEL",
                    {I(2024), I(2025), I(4), T("PK"), T("ABC1234"), T("R1"), T("F")}));
    Insert(connection(), "VEI_PROPOSTA_VEICULO",
           "EMPRESA REVENDA PROPOSTA NOVO_USADO MODELO COR ANO_FABRICA ANO_MODELO CATALOGO "
           "COMBUSTIVEL",
           {I(1), I(1), I(10), T("N"), T("M1"), T("C1"), I(2025), I(2026), T("CAT"), T("D")});
  }
  void Cliente(const std::string& fisjur, const Value& nascimento) {
    Insert(connection(), "FAT_CLIENTE",
           "CLIENTE NOME FISJUR DDD_CELULAR CELULAR DDD_TELEFONE TELEFONE CEP_ENTREGA "
           "COMPLEMENTO_ENTREGA LOGRADOURO_ENTREGA BAIRRO_ENTREGA TIPOVIA_ENTREGA "
           "MUNICIPIO_ENTREGA E_MAIL_CASA",
           {I(500), T("Joao & Maria <Jr>"), T(fisjur), I(11), I(912345678), I(11), I(12345678),
            T("01000-000"), T("  Apto 12 bloco B"), T(" Rua das Flores "), T("Centro"), T("Rua"),
            T("São Paulo"), T("c@x.com")});
    // The issuing body is kept but not sent.
    Insert(
        connection(), "FAT_PESSOA_FISICA",
        "CLIENTE CPF DTA_NASCIMENTO ESTADO_CIVIL FORMACAO_ACADEMICA CARTEIRA_HABILITACAO "
        "IDENTIDADE ORGAO_EXPEDIDOR_ID SEXO",
        {I(500), I(1234567890), nascimento, I(3), I(9), T("CNH1"), T("MG123"), T("SSP"), T("F")});
  }
  std::string Body() {
    auto seen = server_.Requests();
    return seen.empty() ? "" : seen.back().body;
  }

  fi_brasil::test::InTemporaryFolder pasta_;
  platform::ScopedFormatSettings brasil_{platform::FormatSettings::Brazilian()};
  std::string reply_ = "<statusCode>0</statusCode>";
  SoapTestServer server_{[this](const SoapRequestSeen&) { return Reply(reply_); }};
};

TEST_F(IniciaVendaFIBTest, APersonBuyingAStockVehicle) {
  Cliente("F", D(Day(1985, 12, 31)));
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 89900.5), "OK");
  const std::string parameters =
      "<q0:veiculo><q2:tipo>N</q2:tipo><q2:chassi>CH1</q2:chassi><q2:codigoModelo>M1"
      "</q2:codigoModelo><q2:descricaoModelo>Modelo Um</q2:descricaoModelo><q2:codigoCor>C1"
      "</q2:codigoCor><q2:descricaoCor>Prata</q2:descricaoCor><q2:anoFabricacao>2024"
      "</q2:anoFabricacao><q2:anoModelo>2025</q2:anoModelo><q2:quantidadePortas>4"
      "</q2:quantidadePortas><q2:pacoteBasico>PK</q2:pacoteBasico><q2:pacoteOpcionais>OPC"
      "</q2:pacoteOpcionais><q2:placa>ABC1234</q2:placa><q2:renavam>R1</q2:renavam>"
      "<q2:cpfVendedor>00098765432</q2:cpfVendedor><q2:valorVeiculo>89.900,50"
      "</q2:valorVeiculo><q2:numeroPropostaDMS>10</q2:numeroPropostaDMS><q2:combustivel>G"
      "</q2:combustivel></q0:veiculo>"
      // Marital status 3 is the service's 2, schooling 9 its 0; the complement
      // is the first ten characters, trimmed; the phones "dd-nnnn.nnnn"; the
      // texts folded to ASCII and escaped.
      "<q0:fichaPF><q2:CNH>CNH1</q2:CNH><q2:cpf>01234567890</q2:cpf><q2:dataNascimento>1985-12-31"
      "</q2:dataNascimento><q2:email>c@x.com</q2:email><q2:enderecos><q2:numero>1</q2:numero>"
      "<q2:complemento>Apto 12</q2:complemento><q2:cep>01000-000</q2:cep><q2:rua>Rua das Flores"
      "</q2:rua><q2:bairro>Centro</q2:bairro><q2:logradouro>Rua</q2:logradouro><q2:cidade>"
      "Sao Paulo</q2:cidade></q2:enderecos><q2:estadoCivil>2</q2:estadoCivil><q2:grauInstrucao>"
      "0</q2:grauInstrucao><q2:nome>Joao e Maria &lt;Jr&gt;</q2:nome><q2:rg>MG123</q2:rg>"
      "<q2:sexo>F</q2:sexo><q2:telefoneCelular>11-91234.5678"
      "</q2:telefoneCelular><q2:telefoneResidencial>11-1234.5678</q2:telefoneResidencial>"
      "</q0:fichaPF>";
  EXPECT_EQ(Body(), fi_brasil::test::ExpectedEnvelope("iniciaVenda", parameters, "L1", "K1", true));
  EXPECT_EQ(fi_brasil::test::ReadFile("FiBrasil.xml"), Body());  // the envelope as one line
  EXPECT_EQ(server_.Requests().back().path, "/Venda.VendaHttpSoap11Endpoint/");
}

TEST_F(IniciaVendaFIBTest, TheWantedVehicleSendsNoChassisPlateRenavamOrDoors) {
  Cliente("F", D(Day(1985, 12, 31)));
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "  ", 50000), "OK");
  EXPECT_THAT(Body(),
              HasSubstr("<q0:veiculo><q2:tipo>N</q2:tipo><q2:codigoModelo>M1</q2:codigoModelo>"
                        "<q2:descricaoModelo>Modelo Um</q2:descricaoModelo><q2:codigoCor>C1"
                        "</q2:codigoCor><q2:descricaoCor>Prata</q2:descricaoCor>"
                        "<q2:anoFabricacao>2025</q2:anoFabricacao><q2:anoModelo>2026"
                        "</q2:anoModelo><q2:pacoteBasico>CAT</q2:pacoteBasico>"
                        "<q2:cpfVendedor>00098765432</q2:cpfVendedor><q2:valorVeiculo>50.000,00"
                        "</q2:valorVeiculo><q2:numeroPropostaDMS>10</q2:numeroPropostaDMS>"
                        "<q2:combustivel>D</q2:combustivel></q0:veiculo>"));
}

TEST_F(IniciaVendaFIBTest, MissingDataIsListedOnlyWhenTheStartFails) {
  Cliente("F", Null());
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 1), "OK");
  reply_ = "<message>Dados incompletos</message><statusCode>5</statusCode>";
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 1),
            "Informações Obrigatórias:\r\nData de nascimento, \r\n");
  Exec("update FAT_PESSOA_FISICA set DTA_NASCIMENTO = '1985-12-31'");
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 1), "5 - Dados incompletos - Tempo: 0s");
}

TEST_F(IniciaVendaFIBTest, ReferencesAndTheSpouseOfAPerson) {
  Cliente("F", D(Day(1985, 12, 31)));
  Insert(connection(), "FAT_CLIENTE", "CLIENTE NOME CLIENTE_TITULAR TIPO_DEPENDENTE",
         {I(501), T("Ana"), I(500), T("C")});
  Insert(connection(), "FAT_PESSOA_FISICA", "CLIENTE CPF DTA_NASCIMENTO",
         {I(501), I(11122233344), D(Day(1990, 5, 1))});
  Insert(connection(), "FAT_CLIENTE_BANCO", "CLIENTE CONTA_CORRENTE DES_BANCO NRO_AGENCIA",
         {I(500), T("123-4"), Null(), T("0001")});
  Insert(connection(), "FAT_CLIENTE_REFERENCIA", "CLIENTE SEQUENCIA NOME DDD TELEFONE TIPO",
         {I(500), I(1), Null(), I(21), I(33334444), T("P")});
  reply_ = "<message>x</message><statusCode>9</statusCode>";
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 1),
            "Informações Obrigatórias:\r\nReferências Bancárias [Descrição do banco], \r\n"
            "Referências Pessoais [Nome], \r\n");
  EXPECT_THAT(Body(), HasSubstr("<q2:conjuge><q2:nome>Ana</q2:nome><q2:cpf>11122233344</q2:cpf>"
                                "<q2:dataNascimento>1990-05-01</q2:dataNascimento></q2:conjuge>"));
  EXPECT_THAT(Body(),
              HasSubstr("<q2:referenciasBancarias><q2:tipoConta>C</q2:tipoConta><q2:agencia>0001"
                        "</q2:agencia><q2:numeroConta>123-4</q2:numeroConta><q2:telefoneAgencia>"
                        "00-0000.0000</q2:telefoneAgencia></q2:referenciasBancarias>"
                        "<q2:referenciasPessoais><q2:telefone>21-3333.4444</q2:telefone>"
                        "</q2:referenciasPessoais>"));
}

TEST_F(IniciaVendaFIBTest, ACompanyWithAThirteenDigitCnpj) {
  Cliente("J", Null());
  Insert(connection(), "FAT_PESSOA_JURIDICA", "CLIENTE CGC DTA_FUNDACAO REGISTRO_JUNTA",
         {I(500), I(1234567000189), D(Day(2001, 2, 3)), T("JC1")});
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 10, "V1", 1), "OK");
  EXPECT_THAT(Body(),
              HasSubstr("<q0:fichaPF isNull=\"true\" /><q0:fichaPJ><q2:cnpj>01234567000189"
                        "</q2:cnpj><q2:dataFundacao>2001-02-03</q2:dataFundacao><q2:email>c@x.com"
                        "</q2:email><q2:endereco><q2:numero>1</q2:numero>"));
  EXPECT_THAT(
      Body(),
      HasSubstr(
          "<q2:razaoSocial>Joao e Maria &lt;Jr&gt;</q2:razaoSocial><q2:registroJuntaComercial>"
          "JC1</q2:registroJuntaComercial><q2:telefone>11-1234.5678</q2:telefone>"
          "</q0:fichaPJ>"));
}

TEST_F(IniciaVendaFIBTest, AProposalWithoutVehicleSendsNothing) {
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 99, "V1", 1),
            "Proposta/Negociação não possui veículo vinculado.");
  EXPECT_EQ(module().IniciaVendaFIB(1, 1, 99, "", 1),
            "Proposta/Negociação não possui veículo vinculado.");
  EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
}  // namespace veiculo::testing
