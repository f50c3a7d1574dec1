-- Customer care: contacts and their actions.
-- Firebird 3, database character set UTF8. Every column except the primary key
-- columns is nullable: rows often carry only the values a process needs.

-- Customer contacts (leads) of a dealer.
CREATE TABLE CAC_CONTATO (
  EMPRESA                      INTEGER NOT NULL,
  REVENDA                      INTEGER NOT NULL,
  CONTATO                      INTEGER NOT NULL,
  CLIENTE                      INTEGER,
  DTA_CONTATO                  TIMESTAMP,
  SITUACAO                     CHAR(1),
  RESULTADO                    CHAR(1),
  STATUS_LEADS                 INTEGER,
  DTA_FECHAMENTO               TIMESTAMP,
  USUARIO_ENCAMINHADO_ORIGINAL INTEGER,
  CONSTRAINT PK_CAC_CONTATO PRIMARY KEY (EMPRESA, REVENDA, CONTATO)
);

-- Customer-care settings of a dealer (holidays, alert hours).
CREATE TABLE CAC_PARAMETRO (
  EMPRESA          INTEGER NOT NULL,
  REVENDA          INTEGER NOT NULL,
  FERIADO_NACIONAL CHAR(1),
  HORA_ALERTA_INI  NUMERIC(9,2),
  HORA_ALERTA_FIM  NUMERIC(9,2),
  CONSTRAINT PK_CAC_PARAMETRO PRIMARY KEY (EMPRESA, REVENDA)
);

-- Actions taken on a contact; numbered per contact.
CREATE TABLE CAC_PROVIDENCIA (
  EMPRESA              INTEGER NOT NULL,
  REVENDA              INTEGER NOT NULL,
  CONTATO              INTEGER NOT NULL,
  PROVIDENCIA          INTEGER NOT NULL,
  USUARIO              INTEGER,
  FORMA_CONTATO        INTEGER,
  SUB_TIPO_PROVIDENCIA CHAR(1),
  ATIVO_PASSIVO        CHAR(1),
  USUARIO_ENCAMINHADO  INTEGER,
  TIPO_PROVIDENCIA     CHAR(1),
  AGENDA_TIPO_PROV     CHAR(1),
  DTA_PROVIDENCIA      TIMESTAMP,
  DES_PROVIDENCIA      VARCHAR(1000),
  POSSIBILIDADE_FECHAR INTEGER,
  MOTIVO               VARCHAR(500),
  CONCESSIONARIA       VARCHAR(100),
  CONSTRAINT PK_CAC_PROVIDENCIA PRIMARY KEY (EMPRESA, REVENDA, CONTATO, PROVIDENCIA)
);

-- Vehicles selected for a contact; cleared when a vehicle is deleted.
CREATE TABLE CAC_VEICULO_SEL (
  EMPRESA        INTEGER,
  VEICULO        VARCHAR(20),
  EMPRESA_ORIGEM INTEGER
);
