// Start-up: configuration file, database directory, connection, identity refresh
// and the shared operations of the data module.

#include "apoio/BancoTemporario.h"

#include "app/CompactacaoBanco.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/Inicializacao.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Consulta.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

void escreverIni(const QString &caminho, const QString &diretorio, const QString &operadora)
{
    Configuracao::garantirArquivo(caminho, diretorio);
    Configuracao::gravar(caminho, QStringLiteral("DiretorioBase"), diretorio);
    Configuracao::gravar(caminho, QStringLiteral("Operadora"), operadora);
}

// A database with operator 345678 registered: its own person row and two periods of details.
void registrarOperadora(const BancoTemporario &banco, const QString &nome, const QString &cnpj)
{
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('345678')"));
    banco.sql(QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA) "
                             "VALUES ('345678', 0, 'J', '%1', '%2')").arg(cnpj, nome));
    // Another person of the same operator, listed first: the refresh must never touch it.
    banco.sql(QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA) "
                             "VALUES ('345678', '2005-01-01', 7, 'F', '52998224725', 'Maria da Silva')"));
    for (const char *data : {"2005-01-01", "2006-04-01"})
        banco.sql(QStringLiteral("INSERT INTO DADOSPESSOAS (CD_OPER, DT_INIC_VIGN, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA) "
                                 "VALUES ('345678', '%1', 0, 'J', '%2', '%3')").arg(QLatin1String(data), cnpj, nome));
}

} // namespace

TEST(Configuracao, ANewFileHasExactlyTheSixDefaultLines)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Kelpa.ini"));
    ASSERT_TRUE(Configuracao::garantirArquivo(ini, QStringLiteral("/opt/kelpa")));
    EXPECT_EQ(lerArquivo(ini), QStringLiteral("[Defaults]\nServidorInternet=vtx.qor.gov.br\nPortaServico=80\n"
                                              "DiretorioBase=/opt/kelpa/\nOperadora=\nProtocolo=1\n"));
    // An existing file is never overwritten.
    Configuracao::gravar(ini, QStringLiteral("Operadora"), QStringLiteral("345678"));
    EXPECT_FALSE(Configuracao::garantirArquivo(ini, QStringLiteral("/outro")));
    Configuracao c;
    ASSERT_TRUE(c.LeConfiguracao(ini));
    EXPECT_EQ(c.operadora(), QStringLiteral("345678"));
    EXPECT_EQ(c.valor(QStringLiteral("portaservico")), QStringLiteral("80"));
    EXPECT_EQ(c.diretorioBase(), QStringLiteral("/opt/kelpa/"));
    EXPECT_EQ(c.valores().size(), 5);
}

TEST(Configuracao, NormalizaDiretorio)
{
    struct Caso {
        const char *entrada;
        const char *saida;
    };
    const Caso casos[] = {
        {"", ""},
        {"   ", ""},
        {"/dados", "/dados/"},
        {"/dados/", "/dados/"},
        {" /dados/ ", "/dados/"},      // trimmed before the check: never "/dados//"
        {"D:\\Dados", "D:/Dados/"},    // a file copied from Windows
        {"D:\\Dados\\", "D:/Dados/"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(Configuracao::NormalizaDiretorio(QString::fromUtf8(c.entrada)), QString::fromUtf8(c.saida)) << c.entrada;
}

TEST(Inicializacao, DecidesWhatTheFirstStartNeeds)
{
    QTemporaryDir home;
    const QString ini = home.filePath(QStringLiteral("Kelpa.ini"));

    // No ini, no database beside the program: the file is written and the directory asked for.
    EstadoTrabalho estado;
    auto decisao = Inicializacao::prepararConfiguracao(estado, ini, home.path());
    EXPECT_TRUE(decisao.iniCriado);
    EXPECT_TRUE(decisao.pedirDiretorio);
    EXPECT_EQ(estado.configuracao().operadora(), QString());
    EXPECT_EQ(estado.diretorioBase(), home.path() + QStringLiteral("/"));

    // A database in the configured directory (under another case): no dialog.
    BancoTemporario banco;
    QFile::copy(banco.arquivo(), home.filePath(QStringLiteral("KELPA.DB")));
    decisao = Inicializacao::prepararConfiguracao(estado, ini, home.path());
    EXPECT_FALSE(decisao.iniCriado);
    EXPECT_FALSE(decisao.pedirDiretorio);

    // An empty DiretorioBase always asks.
    Configuracao::gravar(ini, QStringLiteral("DiretorioBase"), QString());
    decisao = Inicializacao::prepararConfiguracao(estado, ini, home.path());
    EXPECT_TRUE(decisao.pedirDiretorio);

    IdentidadeOperadora encontrada;
    EXPECT_TRUE(Inicializacao::precisaEscolherOperadora(QString(), encontrada));
    EXPECT_TRUE(Inicializacao::precisaEscolherOperadora(QStringLiteral("345678"), encontrada));
    encontrada.codigo = QStringLiteral("345678");
    EXPECT_FALSE(Inicializacao::precisaEscolherOperadora(QStringLiteral("345678"), encontrada));
}

class ConexaoTeste : public ::testing::Test
{
protected:
    void conectar(const QString &operadora)
    {
        escreverIni(ini(), banco.diretorio(), operadora);
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
};

TEST_F(ConexaoTeste, ConnectingFillsTheWorkingState)
{
    registrarOperadora(banco, QStringLiteral("Saúde Exemplo Assistência Médica Ltda."), QStringLiteral("96943342000114"));
    QSignalSpy mudou(&estado, &EstadoTrabalho::operadoraMudou);
    conectar(QStringLiteral("345678"));
    EXPECT_EQ(estado.codOper(), QStringLiteral("345678"));
    EXPECT_EQ(estado.nomeOperadora(), QStringLiteral("Saúde Exemplo Assistência Médica Ltda."));
    EXPECT_TRUE(estado.operadoraDePlanos());
    EXPECT_EQ(estado.versaoBase().Versao, QStringLiteral("2007.2"));
    EXPECT_EQ(estado.versaoBase().DataVersao, QDate(2007, 1, 1));
    EXPECT_EQ(mudou.count(), 1);
}

TEST_F(ConexaoTeste, AnUnknownOperatorLeavesTheHeaderEmpty)
{
    conectar(QStringLiteral("999999"));
    EXPECT_EQ(estado.codOper(), QString());
    EXPECT_TRUE(Inicializacao::precisaEscolherOperadora(QStringLiteral("999999"), dados.lerOperadora(QStringLiteral("999999"))));
}

TEST_F(ConexaoTeste, AMissingDatabaseFailsToConnect)
{
    QTemporaryDir vazio;
    escreverIni(ini(), vazio.path(), QString());
    estado.configuracao().LeConfiguracao(ini());
    EXPECT_THROW(dados.Conecta(), ErroBanco);
    EXPECT_FALSE(QFileInfo::exists(vazio.filePath(QStringLiteral("Kelpa.db"))));
}

TEST_F(ConexaoTeste, IdentityRefreshWritesOnlyTheOperatorsOwnRows)
{
    registrarOperadora(banco, QStringLiteral("Nome Antigo Ltda."), QStringLiteral("11222333000181"));
    conectar(QStringLiteral("345678"));

    // The official list's name and CNPJ reach person 0 everywhere...
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NM_PSOA FROM PESSOAS WHERE ID_PSOA = 0")).toString(),
              QStringLiteral("Saúde Exemplo Assistência Médica Ltda."));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM DADOSPESSOAS WHERE ID_PSOA = 0 "
                                           "AND CD_CPF_CNPJ = '96943342000114'")).toInt(), 2);
    // ...and never the other person's row.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT NM_PSOA || '|' || CD_CPF_CNPJ FROM DADOSPESSOAS WHERE ID_PSOA = 7")).toString(),
              QStringLiteral("Maria da Silva|52998224725"));
    EXPECT_EQ(estado.nomeOperadora(), QStringLiteral("Saúde Exemplo Assistência Médica Ltda."));
    // Nothing differs now: a second refresh writes nothing.
    EXPECT_FALSE(dados.atualizarIdentidade(QStringLiteral("345678")));
}

TEST_F(ConexaoTeste, IdentityRefreshWithoutAnOfficialRowChangesNothing)
{
    registrarOperadora(banco, QStringLiteral("Nome Antigo Ltda."), QStringLiteral("11222333000181"));
    banco.sql(QStringLiteral("DELETE FROM LISTAOPERADORAS WHERE CD_OPER = '345678'"));
    conectar(QStringLiteral("345678"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM DADOSPESSOAS WHERE NM_PSOA = 'Nome Antigo Ltda.' "
                                           "AND CD_CPF_CNPJ = '11222333000181'")).toInt(), 2);
    EXPECT_EQ(estado.nomeOperadora(), QStringLiteral("Nome Antigo Ltda."));
}

TEST_F(ConexaoTeste, ProximoSequencialCountsWithinOperatorAndPeriod)
{
    conectar(QString());
    estado.setCodOper(QStringLiteral("345678"));
    estado.setDtVigencia(QDate(2006, 4, 1));
    EXPECT_EQ(dados.ProximoSequencial(QStringLiteral("NR_SEQL_PART"), QStringLiteral("PARTICIPACOES")), 1);
    for (int n : {1, 2, 7})
        banco.sql(QStringLiteral("INSERT INTO PARTICIPACOES (CD_OPER, DT_INIC_VIGN, NR_SEQL_PART) "
                                 "VALUES ('345678', '2006-04-01', %1)").arg(n));
    // Other operators and periods do not count.
    banco.sql(QStringLiteral("INSERT INTO PARTICIPACOES (CD_OPER, DT_INIC_VIGN, NR_SEQL_PART) VALUES ('312345', '2006-04-01', 50)"));
    banco.sql(QStringLiteral("INSERT INTO PARTICIPACOES (CD_OPER, DT_INIC_VIGN, NR_SEQL_PART) VALUES ('345678', '2005-01-01', 60)"));
    EXPECT_EQ(dados.ProximoSequencial(QStringLiteral("NR_SEQL_PART"), QStringLiteral("PARTICIPACOES")), 8);
    EXPECT_THROW(dados.ProximoSequencial(QStringLiteral("X; DROP TABLE PESSOAS"), QStringLiteral("PARTICIPACOES")), ErroBanco);
}

TEST_F(ConexaoTeste, PessoaSemVinculoLooksAtEveryPeriod)
{
    conectar(QString());
    estado.setCodOper(QStringLiteral("345678"));
    EXPECT_TRUE(dados.PessoaSemVinculo(QStringLiteral("DIRETORRELACOES"), 3));
    banco.sql(QStringLiteral("INSERT INTO DIRETORRELACOES (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2004-01-01', 3)"));
    EXPECT_FALSE(dados.PessoaSemVinculo(QStringLiteral("DIRETORRELACOES"), 3));
    estado.setCodOper(QStringLiteral("312345"));
    EXPECT_TRUE(dados.PessoaSemVinculo(QStringLiteral("DIRETORRELACOES"), 3));
}

TEST_F(ConexaoTeste, UltimaDataReceitas)
{
    conectar(QString());
    EXPECT_FALSE(dados.UltimaDataReceitas().isValid());
    banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN) VALUES ('345678', '2006-10-01')"));
    banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN) VALUES ('345678', '2006-04-01')"));
    EXPECT_EQ(dados.UltimaDataReceitas(), QDate(2006, 10, 1));
}

TEST_F(ConexaoTeste, PlanoContas2007Invalido)
{
    conectar(QString());
    const QDate referencia(2007, 1, 1);
    EXPECT_FALSE(dados.PlanoContas2007Invalido(QStringLiteral("345678"), referencia)); // no values at all
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2005-01-01', 0)"));
    banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, DT_INIC_VIGN_PLANO) "
                             "VALUES ('345678', '2006-10-01', '2001-01-01')"));
    EXPECT_FALSE(dados.PlanoContas2007Invalido(QStringLiteral("345678"), referencia)); // chart older than the registration
    banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, DT_INIC_VIGN_PLANO) "
                             "VALUES ('345678', '2007-01-01', '2007-02-01')"));
    EXPECT_TRUE(dados.PlanoContas2007Invalido(QStringLiteral("345678"), referencia));
    EXPECT_FALSE(dados.PlanoContas2007Invalido(QStringLiteral("312345"), referencia));
}

TEST(CompactacaoBanco, ShrinksTheFileAndKeepsOtherStationsWorking)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("CREATE TABLE LIXO (X TEXT)"));
    banco.sql(QStringLiteral("INSERT INTO LIXO SELECT hex(randomblob(500)) FROM TB_MUNICIPIOS"));
    banco.sql(QStringLiteral("DROP TABLE LIXO"));
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('345678')"));
    const qint64 antes = QFileInfo(banco.arquivo()).size();

    // The test's own connection stays open and idle, as another station's would.
    EXPECT_TRUE(CompactacaoBanco::CompactaBase(banco.arquivo()));
    EXPECT_LT(QFileInfo(banco.arquivo()).size(), antes);
    EXPECT_FALSE(QFileInfo::exists(banco.arquivo() + QStringLiteral("x")));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT CD_OPER FROM OPERADORAS")).toString(), QStringLiteral("345678"));
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('312345')"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(), 2);
}

TEST(CompactacaoBanco, ABusyOrReadOnlyFileIsLeftAsItIs)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('345678')"));
    // Another station holds a lock on the file.
    banco.sql(QStringLiteral("BEGIN IMMEDIATE"));
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS VALUES ('999999')"));
    EXPECT_FALSE(CompactacaoBanco::CompactaBase(banco.arquivo()));
    EXPECT_FALSE(QFileInfo::exists(banco.arquivo() + QStringLiteral("x")));
    banco.sql(QStringLiteral("COMMIT"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(), 2);
    banco.fechar();

    QFile::setPermissions(banco.arquivo(), QFile::ReadOwner);
    if (QFileInfo(banco.arquivo()).isWritable())
        GTEST_SKIP() << "running as a user who can write read-only files";
    EXPECT_FALSE(CompactacaoBanco::CompactaBase(banco.arquivo()));
    EXPECT_TRUE(QFileInfo::exists(banco.arquivo()));
}

TEST(CompactacaoBanco, AMissingFileIsNotAnError)
{
    QTemporaryDir dir;
    EXPECT_FALSE(CompactacaoBanco::CompactaBase(dir.filePath(QStringLiteral("Kelpa.db"))));
}
