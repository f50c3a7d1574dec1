-- Makers' integration tables.
-- Firebird 3, database character set UTF8. Every column except the primary key
-- columns is nullable: rows often carry only the values a process needs.

-- Sale notices for the maker; cleared when a vehicle is deleted.
CREATE TABLE CIT_AVISO_VENDA (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Maker's vehicle exchange; cleared when a vehicle is deleted.
CREATE TABLE FOR_BOLSA_VEICULO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Sale information for the maker; cleared when a vehicle is deleted.
CREATE TABLE FOR_INF_VENDA_VEICULO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Sales orders sent to the maker; created elsewhere, statuses updated here.
CREATE TABLE FOR_SALES_PEDIDO (
  STATUS_ENVIO      CHAR(1),
  STATUS            VARCHAR(20),
  CHASSI            VARCHAR(30),
  NUMERO_PEDIDO_DMS INTEGER
);

-- Sale notices for the maker; cleared when a vehicle is deleted.
CREATE TABLE GMC_AVISO_VENDA (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Maker's vehicle tracking; cleared when a vehicle is deleted.
CREATE TABLE GMC_SIGA_VEICULO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Vehicles advertised on line.
CREATE TABLE ICA_ANUNCIO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Sale notices for the maker; cleared when a vehicle is deleted.
CREATE TABLE KIA_AVISO_VENDA (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Maker-specific settings of a dealer.
CREATE TABLE NIS_PARAMETRO (
  EMPRESA           INTEGER NOT NULL,
  REVENDA           INTEGER NOT NULL,
  UTILIZA_NISSAN_DI INTEGER,
  CONSTRAINT PK_NIS_PARAMETRO PRIMARY KEY (EMPRESA, REVENDA)
);

-- Additional vehicle data for the maker; cleared when a vehicle is deleted.
CREATE TABLE REN_DADO_ADICIONAL (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Maker-specific settings of a dealer (dealer number, sales integration).
CREATE TABLE REN_PARAMETRO (
  EMPRESA                    INTEGER NOT NULL,
  REVENDA                    INTEGER NOT NULL,
  NUMERO_DN                  INTEGER,
  INTEGRA_KCOMMERCE          CHAR(1),
  UTILIZA_SALES_FORCE_FULL   CHAR(1),
  ENVIO_OPCIONAIS_SALESFORCE CHAR(1),
  BLOQ_COMERCIAL_SALES       VARCHAR(200),
  BLOQ_QUALIDADE_SALES       VARCHAR(200),
  DTA_ULT_FATURAMENTO        TIMESTAMP,
  CONSTRAINT PK_REN_PARAMETRO PRIMARY KEY (EMPRESA, REVENDA)
);

-- Outgoing stock records for the maker (staging).
CREATE TABLE REN_SALES_ESTOQUE (
  METODO                  CHAR(1),
  NUMERO_DN               INTEGER,
  CHASSI                  VARCHAR(30),
  DATA_INCLUSAO           TIMESTAMP,
  STATUS_ENVIO            CHAR(1),
  MODELO                  VARCHAR(20),
  VERSAO                  VARCHAR(30),
  ANO_FABRICACAO          INTEGER,
  ANO_MODELO              INTEGER,
  COR                     VARCHAR(20),
  STATUS                  CHAR(1),
  COD_RETORNO             VARCHAR(20),
  DES_RETORNO             VARCHAR(500),
  DATA_ENTRADA_ESTOQUE    TIMESTAMP,
  PRECO                   NUMERIC(15,2),
  OPCIONAIS               VARCHAR(2000),
  DATA_ULTIMA_ATUALIZACAO TIMESTAMP,
  VALIDADE_RESERVA        TIMESTAMP
);

-- Outgoing stock records for the full integration (staging).
CREATE TABLE REN_SALES_FULL_ESTOQUE (
  NUMERO_DN               INTEGER,
  CHASSI                  VARCHAR(30),
  DATA_INCLUSAO           TIMESTAMP,
  STATUS_ENVIO            CHAR(1),
  MODELO                  VARCHAR(20),
  VERSAO                  VARCHAR(30),
  ANO_FABRICACAO          INTEGER,
  ANO_MODELO              INTEGER,
  COR                     VARCHAR(20),
  OPCIONAIS               VARCHAR(2000),
  DATA_ENTRADA_ESTOQUE    TIMESTAMP,
  PRECO                   NUMERIC(15,2),
  DATA_ULTIMA_ATUALIZACAO TIMESTAMP,
  STATUS                  CHAR(1),
  ESTADO                  CHAR(1),
  DATA_ENTREGA_CLIENTE    TIMESTAMP,
  COD_RETORNO             VARCHAR(20),
  DES_RETORNO             VARCHAR(500)
);

-- Outgoing reservation records for the full integration (staging).
CREATE TABLE REN_SALES_FULL_RESERVA (
  NUMERO_DN            INTEGER,
  NUMERO_ATENDIMENTO   VARCHAR(30),
  DATA_INCLUSAO        TIMESTAMP,
  STATUS_ENVIO         CHAR(1),
  NOME_VENDEDOR        VARCHAR(100),
  CPF_VENDEDOR         VARCHAR(20),
  NOME_CLIENTE         VARCHAR(100),
  SOBRENOME_CLIENTE    VARCHAR(100),
  TELEFONE_RESIDENCIAL VARCHAR(20),
  EMAIL_CLIENTE        VARCHAR(100),
  TELEFONE_CELULAR     VARCHAR(20),
  CHASSI               VARCHAR(30),
  STATUS_VEICULO       CHAR(1),
  CPF_CLIENTE          VARCHAR(20),
  STATUS_INTEGRACAO    VARCHAR(50),
  COD_RETORNO          VARCHAR(20),
  DES_RETORNO          VARCHAR(500)
);

-- Sales orders of the maker's integration; created elsewhere, filled in here.
CREATE TABLE REN_SALES_PEDIDO (
  NUMERO_DN               INTEGER NOT NULL,
  NUMERO_PEDIDO_DMS       INTEGER NOT NULL,
  FASE_OPORTUNIDADE       VARCHAR(30),
  SUB_ORIGEM_OPORTUNIDADE VARCHAR(30),
  STATUS                  CHAR(1),
  METODO                  CHAR(1),
  STATUS_ENVIO            CHAR(1),
  DATA_ULTIMA_ATUALIZACAO TIMESTAMP,
  VEICULO_USADO           VARCHAR(60),
  ANO_VEICULO_USADO       INTEGER,
  VALOR_VEICULO_USADO     NUMERIC(15,2),
  PLACA_USADO             VARCHAR(10),
  VALOR                   NUMERIC(15,2),
  NUMERO_PARCELAS         INTEGER,
  VALOR_PARCELAS          NUMERIC(15,2),
  VALOR_FINANCIAMENTO     NUMERIC(15,2),
  NOME_CLIENTE            VARCHAR(100),
  LOGRADOURO              VARCHAR(100),
  RUA                     VARCHAR(100),
  NUMERO                  VARCHAR(10),
  COMPLEMENTO             VARCHAR(60),
  BAIRRO_F                VARCHAR(60),
  BAIRRO                  VARCHAR(60),
  CIDADE                  VARCHAR(60),
  CEP                     VARCHAR(10),
  ESTADO                  VARCHAR(20),
  PAIS                    VARCHAR(30),
  EMAIL_CLIENTE           VARCHAR(100),
  PAIS_RESIDENCIA         VARCHAR(30),
  DATA_NASCIMENTO         DATE,
  RG_INSCRICAO_ESTADUAL   VARCHAR(20),
  OCUPACAO                VARCHAR(60),
  FAIXA_SALARIAL          VARCHAR(30),
  TELEFONE_RESIDENCIAL    VARCHAR(20),
  TELEFONE_CELULAR        VARCHAR(20),
  NUMERO_FILHOS           INTEGER,
  IDENTIFICACAO_HOBBY     VARCHAR(60),
  -- CRM staging
  SEXO                    CHAR(1),
  ESTADO_CIVIL            VARCHAR(20),
  CONSTRAINT PK_REN_SALES_PEDIDO PRIMARY KEY (NUMERO_DN, NUMERO_PEDIDO_DMS)
);

-- Used-vehicle feed for the maker; cleared when a vehicle is deleted.
CREATE TABLE VWB_VEICULO_USADO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- Sold-vehicle feed for the maker; cleared when a vehicle is deleted.
CREATE TABLE VWB_VEICULO_VENDIDO (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);

-- New-vehicle web feed for the maker; cleared when a vehicle is deleted.
CREATE TABLE VWB_VEI_NOVO_INTERNET (
  EMPRESA INTEGER,
  VEICULO VARCHAR(20)
);
