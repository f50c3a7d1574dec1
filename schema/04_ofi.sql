-- Workshop: follow-up records by chassis, optionals, work orders.
-- Firebird 3, database character set UTF8. Every column except the primary key
-- columns is nullable: rows often carry only the values a process needs.

-- Workshop attendances of a contact.
CREATE TABLE OFI_ATENDIMENTO (
  EMPRESA INTEGER NOT NULL,
  REVENDA INTEGER NOT NULL,
  CONTATO INTEGER NOT NULL,
  CHASSI  VARCHAR(30),
  CONSTRAINT PK_OFI_ATENDIMENTO PRIMARY KEY (EMPRESA, REVENDA, CONTATO)
);

-- Optionals fitted to a chassis, with their frozen value.
CREATE TABLE OFI_FICHA_OPCIONAL (
  OPCIONAL     VARCHAR(20),
  EMPRESA      INTEGER,
  CHASSI       VARCHAR(30),
  MODELO       VARCHAR(20),
  VAL_OPCIONAL NUMERIC(15,2)
);

-- Follow-up record of a chassis: years, package, doors, paint, edition.
CREATE TABLE OFI_FICHA_SEGUIMENTO (
  CHASSI            VARCHAR(30) NOT NULL,
  EMPRESA           INTEGER,
  ANO_FABRICACAO    INTEGER,
  ANO_MODELO        INTEGER,
  PACOTE            VARCHAR(20),
  PORTAS            INTEGER,
  TIPO_PINTURA      CHAR(1),
  EDICAO            VARCHAR(20),
  DTA_PRODUCAO      TIMESTAMP,
  CODIGO_SEMI_CLARO VARCHAR(20),
  MODELO            VARCHAR(20),
  PLACA             VARCHAR(10),
  RENAVAM           VARCHAR(20),
  COMBUSTIVEL       CHAR(1),
  PNEUS             VARCHAR(30),
  COR_CARRETA       VARCHAR(20),
  CONSTRAINT PK_OFI_FICHA_SEGUIMENTO PRIMARY KEY (CHASSI)
);

-- Work orders.
CREATE TABLE OFI_ORDEM_SERVICO (
  EMPRESA           INTEGER,
  REVENDA           INTEGER,
  CONTATO           INTEGER,
  SITUACAO_OS       INTEGER,
  SERVICO_INTERNO   INTEGER,  -- a number here; a flag in OFI_PARAMETRO
  ORDEM_PRODUCAO    INTEGER,
  TRANSACAO_INTERNA VARCHAR(10),
  DTA_ENCERRAMENTO  TIMESTAMP
);

-- Workshop settings of a dealer.
CREATE TABLE OFI_PARAMETRO (
  EMPRESA         INTEGER NOT NULL,
  REVENDA         INTEGER NOT NULL,
  SERVICO_INTERNO CHAR(1),
  CONSTRAINT PK_OFI_PARAMETRO PRIMARY KEY (EMPRESA, REVENDA)
);

-- Service lines of a work order (the order of the contact they carry).
CREATE TABLE OFI_SERVICO_OS (
  EMPRESA         INTEGER,
  REVENDA         INTEGER,
  CONTATO         INTEGER,
  VAL_SERVICO     NUMERIC(15,2),
  QUANTIDADE      NUMERIC(15,4),
  VAL_DESCONTO    NUMERIC(15,2),
  NRO_SOLICITACAO INTEGER
);

-- Service requests of a work order (the order of the contact they carry).
CREATE TABLE OFI_SOLICITACAO (
  EMPRESA         INTEGER,
  REVENDA         INTEGER,
  CONTATO         INTEGER,
  NRO_SOLICITACAO INTEGER,
  TIPO_SERVICO_OS CHAR(1)
);
