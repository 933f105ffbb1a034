// The definitions we ship (db/exportacao/definicoes.sql, built into Expt_Kelpa.dat):
// one entity per table of operator data, each selecting every column of that
// operator's rows, with the operator code as its only parameter.

#include "apoio/BancoTemporario.h"
#include "exportacao_apoio.h"

#include "app/banco/Consulta.h"
#include "exportacao/CursorSqlite.h"
#include "exportacao/DefinicoesExportacao.h"
#include "exportacao/TExportaArquivo.h"
#include "plataforma/ArquivoTemporario.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <map>

using namespace kelpa;
using namespace kelpa::teste;
using namespace kelpa::teste::exportacao;

namespace {

struct Entidade {
    int ordem;
    QString tabela;
    QString select;
    QString acao;
};

QList<Entidade> entidadesDe(const QString &base)
{
    QList<Entidade> lista;
    auto conexao = ConexaoBanco::abrir(base);
    Consulta c(conexao->db(), QStringLiteral("SELECT ORDEM, TABLENAME, [SELECT], ACAO FROM ENTIDADE_EXPORTAVEL ORDER BY ORDEM"));
    c.executar();
    while (c.proxima())
        lista.append({c.valor(0).toInt(), c.valor(1).toString(), c.valor(2).toString(), c.valor(3).toString()});
    return lista;
}

struct Coluna {
    QString nome;
    QString tipo;
};

// Tables with operator rows, and their columns in physical order. LISTAOPERADORAS is
// the regulator's own list; OPERADORAS holds only the code, which the first entity gives.
std::map<QString, QList<Coluna>> tabelasDaOperadora(const QSqlDatabase &db)
{
    std::map<QString, QList<Coluna>> tabelas;
    QSqlQuery t(db);
    t.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%'"));
    while (t.next()) {
        const QString nome = t.value(0).toString();
        QList<Coluna> colunas;
        QSqlQuery c(db);
        c.exec(QStringLiteral("PRAGMA table_info(%1)").arg(nome));
        while (c.next())
            colunas.append({c.value(1).toString(), c.value(2).toString().toUpper()});
        const bool daOperadora = std::any_of(colunas.begin(), colunas.end(), [](const Coluna &x) {
            return x.nome == QLatin1String("CD_OPER");
        });
        if (daOperadora && nome != QLatin1String("LISTAOPERADORAS") && nome != QLatin1String("OPERADORAS"))
            tabelas[nome] = colunas;
    }
    return tabelas;
}

class ExportacaoDefinicoes : public ::testing::Test
{
protected:
    void SetUp() override
    {
        base = dir.path() + QStringLiteral("/definicoes.db");
        DefinicoesExportacao::montarBase(QString::fromUtf8(ler(raizProjeto() + "db/exportacao/definicoes.sql")), base);
        entidades = entidadesDe(base);
        tabelas = tabelasDaOperadora(banco.db());
    }

    // One row per operator in every table: text "X", numbers 0 and 1.5, dates 2007-01-01.
    void preencherTodasAsTabelas()
    {
        banco.sql("INSERT OR IGNORE INTO TA_FluxoCaixa (CD_FLUXO_CAIXA, DT_INIC_VIGN_FLUXO_CAIXA) VALUES ('X', '2007-01-01')");
        banco.sql("INSERT OR IGNORE INTO TA_IdadeSaldo (CD_IDADE_SALDO, DT_INIC_VIGN_IDADE_SALDO) VALUES ('X', '2007-01-01')");
        for (const auto &[tabela, colunas] : tabelas) {
            for (const char *operadora : {"345678", "412345"}) {
                QStringList nomes;
                QStringList valores;
                for (const Coluna &c : colunas) {
                    nomes << c.nome;
                    if (c.nome == QLatin1String("CD_OPER"))
                        valores << QStringLiteral("'%1'").arg(QLatin1String(operadora));
                    else if (c.tipo.startsWith(QLatin1String("TEXT")))
                        valores << QStringLiteral("'X'");
                    else if (c.tipo == QLatin1String("INTEGER"))
                        valores << QStringLiteral("0");
                    else if (c.tipo == QLatin1String("DOUBLE"))
                        valores << QStringLiteral("1.5");
                    else if (c.tipo == QLatin1String("DATE"))
                        valores << QStringLiteral("'2007-01-01'");
                    else
                        ADD_FAILURE() << "unexpected type " << c.tipo.toStdString() << " in " << tabela.toStdString();
                }
                banco.sql(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabela, nomes.join(u','), valores.join(u',')));
            }
        }
    }

    QByteArray registroEsperado(const QList<Coluna> &colunas) const
    {
        QByteArrayList valores;
        for (const Coluna &c : colunas)
            valores << (c.nome == QLatin1String("CD_OPER") ? QByteArray("345678")
                        : c.tipo.startsWith(QLatin1String("TEXT")) ? QByteArray("X")
                        : c.tipo == QLatin1String("INTEGER")       ? QByteArray("0")
                        : c.tipo == QLatin1String("DOUBLE")        ? QByteArray("1.50")
                                                                   : QByteArray("01/01/2007"));
        return "3" + valores.join('|');
    }

    QTemporaryDir dir;
    QString base;
    BancoTemporario banco;
    QList<Entidade> entidades;
    std::map<QString, QList<Coluna>> tabelas;
};

TEST_F(ExportacaoDefinicoes, UmaEntidadePorTabelaDaOperadoraEAPrimeiraIdentifica)
{
    ASSERT_FALSE(entidades.isEmpty());
    EXPECT_EQ(entidades.first().tabela, QStringLiteral("OPERADORA"));
    QStringList nomes;
    for (int i = 0; i < entidades.size(); ++i) {
        EXPECT_EQ(entidades.at(i).ordem, i + 1);
        nomes << entidades.at(i).tabela.toUpper();
    }
    EXPECT_EQ(nomes.removeDuplicates(), 0);
    QStringList esperadas{QStringLiteral("OPERADORA")};
    for (const auto &[tabela, colunas] : tabelas)
        esperadas << tabela.toUpper();
    nomes.sort();
    esperadas.sort();
    EXPECT_EQ(nomes, esperadas);
    EXPECT_GE(tabelas.size(), size_t(30));
}

TEST_F(ExportacaoDefinicoes, CadaConsultaLeComUmParametroEColunasDeclaradas)
{
    for (const Entidade &e : entidades) {
        SCOPED_TRACE(e.tabela.toStdString());
        CursorSqlite cursor(banco.db(), e.select); // refuses anything but one read-only statement
        EXPECT_EQ(cursor.quantidadeParametros(), 1);
        EXPECT_FALSE(e.select.contains(u'\''));
        EXPECT_TRUE(e.select.contains(QLatin1String("ORDER BY")) || e.tabela == QLatin1String("OPERADORA"));
        for (int c = 0; c < cursor.quantidadeColunas(); ++c)
            EXPECT_NE(cursor.tipo(c), FormatacaoExportacao::TipoCampo::SemDeclaracao) << c;
        if (e.tabela != QLatin1String("OPERADORA")) {
            const auto t = tabelas.find(e.tabela);
            ASSERT_NE(t, tabelas.end());
            QList<QByteArray> todas;
            for (const Coluna &col : t->second)
                todas << col.nome.toUtf8();
            EXPECT_EQ(cursor.nomesColunas(), todas); // every column, in the table's order
        }
    }
}

TEST_F(ExportacaoDefinicoes, ExportacaoCompletaSoDaOperadoraPedida)
{
    preencherTodasAsTabelas();
    // The file the build installed beside the programs, not the text it came from.
    const QString home = dir.path() + QStringLiteral("/home/");
    QDir().mkpath(home);
    ASSERT_TRUE(QFile::copy(diretorioProgramas() + "Expt_Kelpa.dat", home + "Expt_Kelpa.dat"));

    TExportaArquivo e;
    e.setConnection(banco.db());
    e.setExptdefsPath(home);
    e.setHeaderArquivo(QStringLiteral("34567896943342000114Operadora <<VERSAO_EXPTDEFS>>"));
    e.setNomeArquivo(dir.path() + QStringLiteral("/saida.dip"));
    ASSERT_TRUE(e.Exportar({QStringLiteral("345678")}));
    EXPECT_EQ(arquivosEm(home), QStringList{QStringLiteral("Expt_Kelpa.dat")});

    const QByteArray arquivo = ler(dir.path() + QStringLiteral("/saida.dip"));
    EXPECT_TRUE(arquivo.startsWith("134567896943342000114Operadora 2007.2.1\r\n"));
    EXPECT_TRUE(arquivo.contains("\r\n2@OPERADORA (IDENTIFICACAO) CD_OPER|CD_CPF_CNPJ|NM_PSOA|CD_MODL|DT_ULTIMO_TRIMESTRE\r\n"
                                 "3345678|X|X|X|01/01/2007\r\n2#OPERADORA|1\r\n"));
    for (const auto &[tabela, colunas] : tabelas) {
        QByteArrayList nomes;
        for (const Coluna &c : colunas)
            nomes << c.nome.toUtf8();
        const QByteArray bloco = "\r\n2@" + tabela.toUpper().toUtf8() + " (SUBSTITUIR) " + nomes.join('|') + "\r\n"
                                 + registroEsperado(colunas) + "\r\n2#" + tabela.toUpper().toUtf8() + "|1\r\n";
        EXPECT_TRUE(arquivo.contains(bloco)) << bloco.toStdString();
    }
    EXPECT_FALSE(arquivo.contains("412345"));
    EXPECT_TRUE(arquivo.endsWith("9|TOTAL|" + QByteArray::number(2 + 1 + qint64(tabelas.size())) + "\r\n"));
}

TEST_F(ExportacaoDefinicoes, ArquivoInstaladoEOTextoDoRepositorio)
{
    ArquivoTemporario decifrado(dir.path(), QStringLiteral("instalado-XXXXXX.db"));
    DefinicoesExportacao::decifrar(diretorioProgramas() + "Expt_Kelpa.dat", decifrado.caminho());
    const QList<Entidade> instaladas = entidadesDe(decifrado.caminho());
    ASSERT_EQ(instaladas.size(), entidades.size());
    for (int i = 0; i < entidades.size(); ++i) {
        EXPECT_EQ(instaladas.at(i).tabela, entidades.at(i).tabela);
        EXPECT_EQ(instaladas.at(i).select, entidades.at(i).select);
    }
}

} // namespace
