#include "apoio/BancoTemporario.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/LeitorCsv.h"
#include "app/banco/Transacao.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

TEST(ConexaoBanco, OpeningNeverCreatesADatabase)
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("Kelpa.db"));
    EXPECT_THROW(ConexaoBanco::abrir(arquivo), ErroBanco);
    EXPECT_FALSE(QFileInfo::exists(arquivo));
}

TEST(ConexaoBanco, OpensPathsWithSpacesAndUriCharacters)
{
    QTemporaryDir dir;
    const QString arquivo = dir.filePath(QStringLiteral("Base #1 ?x/Kelpa.db"));
    QDir().mkpath(QFileInfo(arquivo).absolutePath());
    CriacaoBanco::criar(arquivo);
    auto conexao = ConexaoBanco::abrir(arquivo);
    Consulta q(conexao->db(), QStringLiteral("SELECT COUNT(*) FROM TB_UFs"));
    ASSERT_TRUE(q.primeira());
    EXPECT_EQ(q.valor(0).toInt(), 27);
    Consulta fk(conexao->db(), QStringLiteral("PRAGMA foreign_keys"));
    ASSERT_TRUE(fk.primeira());
    EXPECT_EQ(fk.valor(0).toInt(), 1);
}

TEST(CriacaoBanco, RefusesAnExistingFileAndLeavesItAlone)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('999999')"));
    banco.fechar();
    EXPECT_THROW(CriacaoBanco::criar(banco.arquivo()), ErroBanco);
    banco.reabrir();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(), 1);
}

TEST(CriacaoBanco, StartingRowsAreTypedAsDeclared)
{
    BancoTemporario banco;
    // Codes with leading zeros stay text; IBGE codes are integers; the version is recorded.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT typeof(CD_OPER) FROM LISTAOPERADORAS WHERE CD_OPER = '001234'")).toString(),
              QStringLiteral("text"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_MUNICIPIOS")).toInt(), 5570);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NM_MUNC FROM TB_MUNICIPIOS WHERE ID_MUNC = 3550308")).toString(),
              QStringLiteral("São Paulo"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_MUNICIPIOS WHERE typeof(ID_MUNC) <> 'integer'")).toInt(), 0);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT VersaoKelpa || '|' || DtVersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2|2007-01-01"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NM_CENTRAL_CUSTODIA FROM TB_CENTRAL_CUSTODIA WHERE CD_CENTRAL_CUSTODIA = 0")).toString(),
              QStringLiteral("RGI"));
    // Every code the program tests by value exists.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_MODALIDADE WHERE CD_MODL IN "
                                           "('ADMIN','AUTOG','COOPM','COOPO','FILAN','MEGRP','ODGRP','SES')")).toInt(), 8);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_NATUREZAJURIDICA")).toInt(), 12);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_SUBMODALIDADE")).toInt(), 16);
}

TEST(CriacaoBanco, ValidationTableKeepsItsColumnOrder)
{
    BancoTemporario banco;
    const QStringList esperadas = {
        "CD_OPER", "NR_VLDC_SEQL", "DE_VLDC_QUAD_UM", "DE_VLDC_TEXT_UM", "VL_VLDC_VALO_UM", "DE_VLDC_QUAD_DOIS",
        "DE_VLDC_TEXT_DOIS", "VL_VLDC_VALO_DOIS", "DE_VLDC_ESTR_CAMP", "TP_VLDC", "DE_PERI", "DE_VLDC_JUST", "LG_ALTR_TRAM"};
    Consulta q(banco.db(), QStringLiteral("PRAGMA table_info(VALIDACAO)"));
    q.executar();
    QStringList colunas;
    while (q.proxima())
        colunas << q.texto(QStringLiteral("name"));
    EXPECT_EQ(colunas, esperadas);
}

TEST(CriacaoBanco, NamedKeysAreEnforced)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("INSERT INTO TA_FluxoCaixa (CD_FLUXO_CAIXA, DT_INIC_VIGN_FLUXO_CAIXA) VALUES ('999', '2007-01-01')"));
    QSqlQuery q(banco.db());
    // Unknown line of the statement: the foreign key refuses it.
    EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO TB_FluxoCaixaValor (CD_OPER, CD_FLUXO_CAIXA, DT_INIC_VIGN, "
                                       "DT_INIC_VIGN_FLUXO_CAIXA) VALUES ('345678', '998', '2007-01-01', '2007-01-01')")));
    ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO TB_FluxoCaixaValor (CD_OPER, CD_FLUXO_CAIXA, DT_INIC_VIGN, "
                                      "DT_INIC_VIGN_FLUXO_CAIXA) VALUES ('345678', '999', '2007-01-01', '2007-01-01')")));
    // The same line twice in one quarter: the primary key refuses it.
    EXPECT_FALSE(q.exec(QStringLiteral("INSERT INTO TB_FluxoCaixaValor (CD_OPER, CD_FLUXO_CAIXA, DT_INIC_VIGN, "
                                       "DT_INIC_VIGN_FLUXO_CAIXA) VALUES ('345678', '999', '2007-01-01', '2007-01-01')")));
    const QString ddl = banco.escalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'TB_IdadeSaldoValor'")).toString();
    EXPECT_TRUE(ddl.contains(QStringLiteral("TB_IdadeSaldoValor_PK")));
    EXPECT_TRUE(ddl.contains(QStringLiteral("TB_IdadeSaldoValor_TA_IdadeSaldo_FK")));
}

TEST(Consulta, DatesTravelAsIsoTextAndComeBackAsDates)
{
    BancoTemporario banco;
    Consulta(banco.db(), QStringLiteral("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, DT_FNDC) VALUES (:O, :D, :F)"))
        .bind(QStringLiteral(":O"), QStringLiteral("345678"))
        .bind(QStringLiteral(":D"), QDate(2006, 4, 1))
        .bind(QStringLiteral(":F"), QDate())
        .executar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DT_INIC_VIGN FROM DADOSBASICOS")).toString(), QStringLiteral("2006-04-01"));
    EXPECT_TRUE(banco.escalar(QStringLiteral("SELECT DT_FNDC FROM DADOSBASICOS")).isNull());

    Consulta q(banco.db(), QStringLiteral("SELECT DT_INIC_VIGN FROM DADOSBASICOS WHERE DT_INIC_VIGN >= :D"));
    q.bind(QStringLiteral(":D"), QVariant(QDate(2006, 1, 1)));
    ASSERT_TRUE(q.primeira());
    EXPECT_EQ(q.data(QStringLiteral("DT_INIC_VIGN")), QDate(2006, 4, 1));
}

TEST(Consulta, AFailedStatementThrowsWithTheDriversWords)
{
    BancoTemporario banco;
    EXPECT_THROW(Consulta(banco.db(), QStringLiteral("SELECT * FROM TABELA_QUE_NAO_EXISTE")), ErroBanco);
    try {
        executarSql(banco.db(), QStringLiteral("INSERT INTO NADA VALUES (1)"));
        FAIL();
    } catch (const ErroBanco &e) {
        EXPECT_TRUE(e.detalhe().contains(QStringLiteral("NADA")));
    }
}

TEST(Transacao, CommitsOnlyWhenConfirmedAndNests)
{
    BancoTemporario banco;
    const auto contar = [&] { return banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(); };
    {
        Transacao t(banco.db());
        banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('111111')"));
    }
    EXPECT_EQ(contar(), 0);

    try {
        Transacao t(banco.db());
        banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('111111')"));
        executarSql(banco.db(), QStringLiteral("INSERT INTO NADA VALUES (1)"));
        t.confirmar();
    } catch (const ErroBanco &) {
    }
    EXPECT_EQ(contar(), 0);

    {
        Transacao externa(banco.db());
        banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('111111')"));
        {
            Transacao interna(banco.db());
            banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('222222')"));
        } // the inner part rolls back alone
        externa.confirmar();
    }
    EXPECT_EQ(contar(), 1);
    // Nothing is left open afterwards: a new transaction can start and commit.
    {
        Transacao t(banco.db());
        banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('333333')"));
        t.confirmar();
    }
    banco.reabrir();
    EXPECT_EQ(contar(), 2);
}

TEST(LeitorCsv, ReadsQuotesCommasLineBreaksAndNulls)
{
    LeitorCsv leitor(QStringLiteral("A,B,C\r\n\"x, y\",,\"diz \"\"oi\"\"\nsegunda\"\n\"\",1,2\n"));
    LeitorCsv::Linha l;
    ASSERT_TRUE(leitor.proxima(l));
    EXPECT_EQ(l.campos, QStringList({"A", "B", "C"}));
    ASSERT_TRUE(leitor.proxima(l));
    EXPECT_EQ(l.campos, QStringList({"x, y", "", "diz \"oi\"\nsegunda"}));
    EXPECT_EQ(l.nulos, QList<bool>({false, true, false}));
    ASSERT_TRUE(leitor.proxima(l));
    EXPECT_EQ(l.nulos.first(), false); // a quoted empty field is an empty text, not null
    EXPECT_FALSE(leitor.proxima(l));
}

TEST(CriacaoBanco, SplitsScriptsAtSemicolonsOutsideQuotes)
{
    const QStringList comandos = CriacaoBanco::separarComandos(
        QStringLiteral("-- comentário; não conta\nCREATE TABLE T (A TEXT);\nINSERT INTO T VALUES ('a;b');\n\n"));
    ASSERT_EQ(comandos.size(), 2);
    EXPECT_EQ(comandos.at(1), QStringLiteral("INSERT INTO T VALUES ('a;b')"));
}
