// IniciaVendaFIB against a seeded proposal, its vehicle and its customer.

#include <gtest/gtest.h>

#include "fi_brasil/fi_test_support.h"
#include "platform/format/format_settings.h"
#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

using fi_brasil::test::Reply;

class IniciaVendaFIBTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    Insert("VEI_PARAMETRO", "REVENDA, LOJA_FIB, CHAVE_FIB, URL_FIB",
           {"1, 'L1', 'K1', '" + server_.Url() + "'"});
    // Proposal 10: salesperson 7 (CPF 98765432), contact 3 of customer 500,
    // stock vehicle V1 (chassis CH1) and wanted model M1 in colour C1.
    Insert("VEI_PROPOSTA", "REVENDA, PROPOSTA, VENDEDOR, VEICULO, CONTATO", {"1, 10, 7, 'V1', 3"});
    Insert("CAC_CONTATO", "REVENDA, CONTATO, CLIENTE", {"1, 3, 500"});
    Insert("FAT_VENDEDOR", "REVENDA, VENDEDOR, CPF", {"1, 7, 98765432"});
    Insert("VEI_MODELO", "MODELO, DES_MODELO", {"'M1', 'Modelo Um'"});
    Insert("VEI_COR", "COR, DES_COR", {"'C1', 'Prata'"});
    Insert("VEI_VEICULO", "VEICULO, CHASSI, MODELO, COR, NOVO_USADO, OPCIONAIS",
           {"'V1', 'CH1', 'M1', 'C1', 'N', 'OPC'"});
    Insert("OFI_FICHA_SEGUIMENTO",
           "CHASSI, ANO_FABRICACAO, ANO_MODELO, PORTAS, PACOTE, PLACA, RENAVAM, COMBUSTIVEL",
           {"'CH1', 2024, 2025, 4, 'PK', 'ABC1234', 'R1', 'F'"});
    Insert("VEI_PROPOSTA_VEICULO",
           "REVENDA, PROPOSTA, NOVO_USADO, MODELO, COR, ANO_FABRICA, ANO_MODELO, CATALOGO, "
           "COMBUSTIVEL",
           {"1, 10, 'N', 'M1', 'C1', 2025, 2026, 'CAT', 'D'"});
  }
  void Cliente(const std::string& fisjur, const std::string& nascimento) {
    Sql("insert into FAT_CLIENTE (CLIENTE, NOME, FISJUR, DDD_CELULAR, CELULAR, DDD_TELEFONE, "
        "TELEFONE, CEP_ENTREGA, COMPLEMENTO_ENTREGA, LOGRADOURO_ENTREGA, BAIRRO_ENTREGA, "
        "TIPOVIA_ENTREGA, MUNICIPIO_ENTREGA, E_MAIL_CASA) values (500, 'Joao & Maria', '" +
        fisjur +
        "', 11, 912345678, 11, 12345678, '01000-000', '  Apto 12 bloco B', ' Rua das Flores ', "
        "'Centro', 'Rua', 'Sao Paulo', 'c@x.com')");
    Sql("insert into FAT_PESSOA_FISICA (CLIENTE, CPF, DTA_NASCIMENTO, ESTADO_CIVIL, "
        "FORMACAO_ACADEMICA) values (500, 1234567890, " +
        nascimento + ", 3, 9)");
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
  Cliente("F", "'1985-12-31'");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 89900.5), "OK");
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
      // is the first ten characters, trimmed; the phones "dd-nnnn.nnnn".
      "<q0:fichaPF><q2:cpf>01234567890</q2:cpf><q2:dataNascimento>1985-12-31"
      "</q2:dataNascimento><q2:email>c@x.com</q2:email><q2:enderecos><q2:numero>1</q2:numero>"
      "<q2:complemento>Apto 12</q2:complemento><q2:cep>01000-000</q2:cep><q2:rua>Rua das Flores"
      "</q2:rua><q2:bairro>Centro</q2:bairro><q2:logradouro>Rua</q2:logradouro><q2:cidade>"
      "Sao Paulo</q2:cidade></q2:enderecos><q2:estadoCivil>2</q2:estadoCivil><q2:grauInstrucao>"
      "0</q2:grauInstrucao><q2:nome>Joao e Maria</q2:nome><q2:telefoneCelular>11-91234.5678"
      "</q2:telefoneCelular><q2:telefoneResidencial>11-1234.5678</q2:telefoneResidencial>"
      "</q0:fichaPF>";
  EXPECT_EQ(Body(), fi_brasil::test::ExpectedEnvelope("iniciaVenda", parameters, "L1", "K1", true));
  EXPECT_EQ(server_.Requests().back().path, "/Venda.VendaHttpSoap11Endpoint/");
}

TEST_F(IniciaVendaFIBTest, TheWantedVehicleSendsNoChassisPlateRenavamOrDoors) {
  Cliente("F", "'1985-12-31'");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "  ", 50000), "OK");
  EXPECT_NE(Body().find("<q0:veiculo><q2:tipo>N</q2:tipo><q2:codigoModelo>M1</q2:codigoModelo>"
                        "<q2:descricaoModelo>Modelo Um</q2:descricaoModelo><q2:codigoCor>C1"
                        "</q2:codigoCor><q2:descricaoCor>Prata</q2:descricaoCor>"
                        "<q2:anoFabricacao>2025</q2:anoFabricacao><q2:anoModelo>2026"
                        "</q2:anoModelo><q2:pacoteBasico>CAT</q2:pacoteBasico>"
                        "<q2:cpfVendedor>00098765432</q2:cpfVendedor><q2:valorVeiculo>50.000,00"
                        "</q2:valorVeiculo><q2:numeroPropostaDMS>10</q2:numeroPropostaDMS>"
                        "<q2:combustivel>D</q2:combustivel></q0:veiculo>"),
            std::string::npos)
      << Body();
}

TEST_F(IniciaVendaFIBTest, MissingDataIsListedOnlyWhenTheStartFails) {
  Cliente("F", "NULL");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 1), "OK");
  reply_ = "<message>Dados incompletos</message><statusCode>5</statusCode>";
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 1),
            "Informações Obrigatórias:\r\nData de nascimento, \r\n");
  Sql("update FAT_PESSOA_FISICA set DTA_NASCIMENTO = '1985-12-31'");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 1), "5 - Dados incompletos - Tempo: 0s");
}

TEST_F(IniciaVendaFIBTest, ReferencesAndTheSpouseOfAPerson) {
  Cliente("F", "'1985-12-31'");
  Sql("insert into FAT_CLIENTE (CLIENTE, NOME, CLIENTE_TITULAR, TIPO_DEPENDENTE) values (501, "
      "'Ana', 500, 'C')");
  Sql("insert into FAT_PESSOA_FISICA (CLIENTE, CPF, DTA_NASCIMENTO) values (501, 11122233344, "
      "'1990-05-01')");
  Sql("insert into FAT_CLIENTE_BANCO (CLIENTE, CONTA_CORRENTE, DES_BANCO, NRO_AGENCIA) values "
      "(500, '123-4', NULL, '0001')");
  Sql("insert into FAT_CLIENTE_REFERENCIA (CLIENTE, SEQUENCIA, NOME, DDD, TELEFONE, TIPO) values "
      "(500, 1, NULL, 21, 33334444, 'P')");
  reply_ = "<message>x</message><statusCode>9</statusCode>";
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 1),
            "Informações Obrigatórias:\r\nReferências Bancárias [Descrição do banco], \r\n"
            "Referências Pessoais [Nome], \r\n");
  EXPECT_NE(Body().find("<q2:conjuge><q2:nome>Ana</q2:nome><q2:cpf>11122233344</q2:cpf>"
                        "<q2:dataNascimento>1990-05-01</q2:dataNascimento></q2:conjuge>"),
            std::string::npos);
  EXPECT_NE(Body().find("<q2:referenciasBancarias><q2:tipoConta>C</q2:tipoConta><q2:agencia>0001"
                        "</q2:agencia><q2:numeroConta>123-4</q2:numeroConta><q2:telefoneAgencia>"
                        "00-0000.0000</q2:telefoneAgencia></q2:referenciasBancarias>"
                        "<q2:referenciasPessoais><q2:telefone>21-3333.4444</q2:telefone>"
                        "</q2:referenciasPessoais>"),
            std::string::npos)
      << Body();
}

TEST_F(IniciaVendaFIBTest, ACompanyWithAThirteenDigitCnpj) {
  Cliente("J", "NULL");
  Sql("insert into FAT_PESSOA_JURIDICA (CLIENTE, CGC, DTA_FUNDACAO, REGISTRO_JUNTA) values (500, "
      "1234567000189, '2001-02-03', 'JC1')");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 10, "V1", 1), "OK");
  EXPECT_NE(Body().find("<q0:fichaPF isNull=\"true\" /><q0:fichaPJ><q2:cnpj>01234567000189"
                        "</q2:cnpj><q2:dataFundacao>2001-02-03</q2:dataFundacao><q2:email>c@x.com"
                        "</q2:email><q2:endereco><q2:numero>1</q2:numero>"),
            std::string::npos)
      << Body();
  EXPECT_NE(Body().find("<q2:razaoSocial>Joao e Maria</q2:razaoSocial><q2:registroJuntaComercial>"
                        "JC1</q2:registroJuntaComercial><q2:telefone>11-1234.5678</q2:telefone>"
                        "</q0:fichaPJ>"),
            std::string::npos);
}

TEST_F(IniciaVendaFIBTest, AProposalWithoutVehicleSendsNothing) {
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 99, "V1", 1),
            "Proposta/Negociação não possui veículo vinculado.");
  EXPECT_EQ(dm.IniciaVendaFIB(1, 1, 99, "", 1),
            "Proposta/Negociação não possui veículo vinculado.");
  EXPECT_TRUE(server_.Requests().empty());
}

}  // namespace
}  // namespace veiculo::testing
