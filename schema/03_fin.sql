-- Finance: indices and their values, titles and their payments.
-- Firebird 3, database character set UTF8. Every column except the primary key
-- columns is nullable: rows often carry only the values a process needs.

-- Financial indices (daily levels or monthly rates).
CREATE TABLE FIN_INDICE_FINANCEIRO (
  EMPRESA        INTEGER NOT NULL,
  INDICE         INTEGER NOT NULL,
  PERIODO        CHAR(1),
  INDEXADOR_FORD VARCHAR(10),
  CONSTRAINT PK_FIN_INDICE_FINANCEIRO PRIMARY KEY (EMPRESA, INDICE)
);

-- Titles payable and receivable.
CREATE TABLE FIN_TITULO (
  EMPRESA              INTEGER NOT NULL,
  REVENDA              INTEGER NOT NULL,
  TITULO               INTEGER NOT NULL,
  DUPLICATA            INTEGER NOT NULL,
  CLIENTE              INTEGER NOT NULL,
  TIPO                 VARCHAR(2) NOT NULL,
  STATUS               VARCHAR(2),
  DTA_ULTIMA_ALTERACAO TIMESTAMP,
  OPERACAO             INTEGER,
  CONDICAO             INTEGER,
  PROPOSTA             INTEGER,  -- the sales proposal of a receivable ('CR') or advance ('AD')
  CONSTRAINT PK_FIN_TITULO PRIMARY KEY (EMPRESA, REVENDA, TITULO, DUPLICATA, CLIENTE, TIPO)
);

-- Payments of a title.
CREATE TABLE FIN_TITULO_PAGAMENTO (
  EMPRESA        INTEGER,
  REVENDA        INTEGER,
  TITULO         INTEGER,
  DUPLICATA      INTEGER,
  CLIENTE        INTEGER,
  TIPO           VARCHAR(2),
  DTA_PAGAMENTO  TIMESTAMP,
  TIPO_TRANSACAO VARCHAR(10),
  LCTO_ESTORNO   INTEGER
);

-- Values of an index, one per date.
CREATE TABLE FIN_VALOR_INDICE (
  EMPRESA    INTEGER NOT NULL,
  INDICE     INTEGER NOT NULL,
  DTA_INDICE DATE NOT NULL,
  VAL_INDICE DOUBLE PRECISION,  -- index level, or a daily/monthly rate
  CONSTRAINT PK_FIN_VALOR_INDICE PRIMARY KEY (EMPRESA, INDICE, DTA_INDICE)
);
