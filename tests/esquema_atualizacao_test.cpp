// Upgrade of databases of older versions, built from the SQL scripts in
// fixtures/esquema: the schema each version lacked, the rows the migration writes,
// the transmission states it re-marks, and what a second connection (must not) do.

#include "apoio/BancoTemporario.h"
#include "esquema_apoio.h"

#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "esquema/AlteracaoEsquemaSqlite.h"
#include "esquema/AtualizacaoBase.h"
#include "esquema/LinhasMigracao.h"
#include "esquema/Migracao.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::BaseAntiga;
using kelpa::teste::lerFixture;

namespace {

// Lists compared as standard strings, so that a failure prints readable text.
using Textos = std::vector<std::string>;
Textos textos(const QStringList &lista)
{
    Textos r;
    for (const QString &s : lista)
        r.push_back(s.toStdString());
    return r;
}

QStringList tabelas(const QSqlDatabase &db)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
    while (q.next())
        r << q.value(0).toString();
    return r;
}

// Column name (upper case) -> "type|not null|position in the primary key".
std::map<std::string, std::string> colunas(const QSqlDatabase &db, const QString &tabela)
{
    std::map<std::string, std::string> r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name, type, \"notnull\", pk FROM pragma_table_info('%1')").arg(tabela));
    while (q.next())
        r[q.value(0).toString().toUpper().toStdString()] =
            QStringLiteral("%1|%2|%3").arg(q.value(1).toString()).arg(q.value(2).toInt()).arg(q.value(3).toInt()).toStdString();
    return r;
}

QStringList ordemColunas(const QSqlDatabase &db, const QString &tabela)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name FROM pragma_table_info('%1') ORDER BY cid").arg(tabela));
    while (q.next())
        r << q.value(0).toString();
    return r;
}

QStringList chavesEstrangeiras(const QSqlDatabase &db, const QString &tabela)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT \"table\", \"from\", \"to\" FROM pragma_foreign_key_list('%1') ORDER BY id, seq").arg(tabela));
    while (q.next())
        r << q.value(0).toString().toUpper() + u'.' + q.value(1).toString() + u'>' + q.value(2).toString();
    return r;
}

// The whole schema as SQLite keeps it: tables, indexes and their statements.
QStringList esquema(const QSqlDatabase &db)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY type, name"));
    while (q.next())
        r << q.value(0).toString() + u' ' + q.value(1).toString() + u' ' + q.value(2).toString();
    return r;
}

// Every row of every table but the findings, in storage order, with storage classes.
QStringList conteudo(const QSqlDatabase &db)
{
    QStringList r;
    for (const QString &tabela : tabelas(db)) {
        if (tabela.compare(QLatin1String("VALIDACAO"), Qt::CaseInsensitive) == 0)
            continue;
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(tabela));
        while (q.next()) {
            QStringList valores;
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                valores << (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + u':' + v.toString());
            }
            r << tabela + u'|' + valores.join(u'|');
        }
    }
    return r;
}

QString flag(const BaseAntiga &base, const QString &tabela, const QString &coluna, const QString &data)
{
    return base.escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM %1 WHERE %2 = '%3'").arg(tabela, coluna, data)).toString();
}

// The tables that the upgrade steps create when a database lacks them.
const char *const tabelasDaAtualizacao[] = {
    "SaldoAcumuladoTrimestre", "SaldoAcumuladoAno", "RL_MUNICIPIO_ATUACAO_OPERADORA", "TP_ITEMSALDO",
    "TB_FluxoCaixaValor",      "TA_FluxoCaixa",     "TB_IdadeSaldoValor",             "TA_IdadeSaldo",
};

// The current schema, as a new database has it.
const BancoTemporario &bancoNovo()
{
    static BancoTemporario banco;
    return banco;
}

struct CasoVersao {
    const char *versao;
    bool baseAtualizada;
};

void PrintTo(const CasoVersao &caso, std::ostream *saida)
{
    *saida << caso.versao;
}

class AtualizacaoPorVersao : public ::testing::TestWithParam<CasoVersao>
{
};

} // namespace

TEST_P(AtualizacaoPorVersao, BringsTheSchemaToTheCurrentOneAndASecondConnectionChangesNothing)
{
    const CasoVersao caso = GetParam();
    BaseAntiga base(caso.versao);
    const QSqlDatabase atual = bancoNovo().db();
    QStringList indicesAntes;
    {
        QSqlQuery q(base.db());
        q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL"));
        while (q.next())
            indicesAntes << q.value(0).toString();
    }

    const AtualizacaoBase::Resultado primeiro = AtualizacaoBase::executar(base.db());
    EXPECT_EQ(primeiro.baseAtualizada, caso.baseAtualizada);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VersaoKelpa || ' ' || DtVersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2 2007-01-01"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM CONSTS")).toInt(), 1);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 0);

    // Every table the steps add is there; every table of the file has the current columns.
    QStringList tabelasDepois = tabelas(base.db());
    for (const char *t : tabelasDaAtualizacao)
        EXPECT_TRUE(tabelasDepois.contains(QString::fromLatin1(t), Qt::CaseInsensitive)) << t;
    for (const QString &t : tabelas(atual)) {
        if (!tabelasDepois.contains(t, Qt::CaseInsensitive))
            continue;
        SCOPED_TRACE(t.toStdString());
        std::map<std::string, std::string> esperadas = colunas(atual, t);
        // Created by the upgrade, the region's transmission state is one character wide.
        if (t == QLatin1String("RL_MUNICIPIO_ATUACAO_OPERADORA") && colunas(base.db(), t)["LG_ALTR_TRAM"] == "TEXT(1)|0|0")
            esperadas["LG_ALTR_TRAM"] = "TEXT(1)|0|0";
        EXPECT_EQ(colunas(base.db(), t), esperadas);
        EXPECT_EQ(textos(chavesEstrangeiras(base.db(), t)), textos(chavesEstrangeiras(atual, t)));
    }
    // Findings are inserted by position: their column order is the current one.
    EXPECT_EQ(textos(ordemColunas(base.db(), QStringLiteral("VALIDACAO"))), textos(ordemColunas(atual, QStringLiteral("VALIDACAO"))));
    // The named keys exist, and they are enforced.
    for (const char *nome : {"TB_FluxoCaixaValor_PK", "TA_FluxoCaixa_PK", "TB_FluxoCaixaValor_TA_FluxoCaixa_FK",
                             "TB_IdadeSaldoValor_PK", "TA_IdadeSaldo_PK", "TB_IdadeSaldoValor_TA_IdadeSaldo_FK"})
        EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE sql LIKE '%CONSTRAINT %1 %'")
                                   .arg(QLatin1String(nome)))
                      .toInt(),
                  1)
            << nome;
    EXPECT_THROW(base.sql(QStringLiteral("INSERT INTO TB_IdadeSaldoValor VALUES ('345678', '01', '2006-04-01', '2006-01-01', 1, 'N')")),
                 ErroBanco);
    base.sql(QStringLiteral("INSERT INTO TA_IdadeSaldo VALUES ('01', '2006-01-01', 'A vencer', 'A', NULL)"));
    base.sql(QStringLiteral("INSERT INTO TB_IdadeSaldoValor VALUES ('345678', '01', '2006-04-01', '2006-01-01', 1, 'N')"));
    EXPECT_THROW(base.sql(QStringLiteral("INSERT INTO TB_IdadeSaldoValor VALUES ('345678', '01', '2006-04-01', '2006-01-01', 2, 'N')")),
                 ErroBanco);
    // Indexes the file had are still there, rebuilt tables included.
    EXPECT_FALSE(indicesAntes.isEmpty());
    for (const QString &indice : indicesAntes) {
        QSqlQuery q(base.db());
        q.prepare(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'index' AND sql = :SQL"));
        q.bindValue(QStringLiteral(":SQL"), indice);
        ASSERT_TRUE(q.exec() && q.next());
        EXPECT_EQ(q.value(0).toInt(), 1) << indice.toStdString();
    }

    // Between connections the rows of 2005 are transmitted and a validation runs.
    base.sql(QStringLiteral("UPDATE CADASTRO SET LG_ALTR_TRAM = 'T'"));
    base.sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET LG_ALTR_TRAM = 'T'"));
    base.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, DE_VLDC_TEXT_UM) VALUES ('345678', 1, 'achado')"));
    const QStringList esquemaAntes = esquema(base.db());
    const QStringList conteudoAntes = conteudo(base.db());

    AlteracaoEsquemaSqlite alteracao(base.db());
    const AtualizacaoBase::Resultado segundo = AtualizacaoBase::executar(base.db(), alteracao);
    EXPECT_FALSE(segundo.baseAtualizada);
    EXPECT_EQ(textos(alteracao.comandosEnviados()), Textos());
    EXPECT_EQ(textos(esquema(base.db())), textos(esquemaAntes));
    EXPECT_EQ(textos(conteudo(base.db())), textos(conteudoAntes));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 0);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM CADASTRO WHERE LG_ALTR_TRAM <> 'T'")).toInt(), 0);
}

INSTANTIATE_TEST_SUITE_P(Versoes, AtualizacaoPorVersao,
                         ::testing::Values(CasoVersao{"anterior", true}, CasoVersao{"3.0.1", true},
                                           CasoVersao{"3.0.4", true}, CasoVersao{"3.1.0", false},
                                           CasoVersao{"4.0.0", false}),
                         [](const ::testing::TestParamInfo<CasoVersao> &parametro) {
                             std::string nome = parametro.param.versao;
                             for (char &c : nome)
                                 if (c == '.')
                                     c = '_';
                             return nome;
                         });

TEST(AtualizacaoBase, ABaseBefore300GetsEveryStep)
{
    BaseAntiga base("anterior");
    EXPECT_TRUE(AtualizacaoBase::executar(base.db()).baseAtualizada);

    // Share quantities became floats, with their values.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT typeof(QT_ACAO) || ' ' || QT_ACAO FROM PARTICIPACOES")).toString(),
              QStringLiteral("real 1500.0"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT QT_ACAO + QT_TOTL_ACAO_PTPD FROM PARTICIPADAS")).toDouble(), 1300.0);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT typeof(QT_TOTL_ACAO_OPER) FROM QUADROPARTICIPACOES")).toString(),
              QStringLiteral("real"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT type FROM pragma_table_info('CONSTS') WHERE name = 'VersaoKelpa'")).toString(),
              QStringLiteral("TEXT(255)"));

    // Transmission states: from 2005 on everything is "changed after transmission".
    struct Caso {
        const char *tabela;
        const char *data;
        const char *esperado;
    };
    const Caso casos[] = {
        {"CADASTRO", "2004-12-31", "T"},          {"CADASTRO", "2005-01-01", "A"},
        {"DADOSBASICOS", "2004-12-31", "T"},      {"DADOSBASICOS", "2005-01-01", "A"},
        {"DADOSPESSOAS", "2004-12-31", "T"},      {"DADOSPESSOAS", "2005-01-01", "A"},
        {"PROVISOESTECNICAS", "2004-10-01", "T"}, {"PROVISOESTECNICAS", "2005-01-01", "A"},
        {"PLANOCONTASVALOR", "2004-10-01", "T"},  {"PLANOCONTASVALOR", "2005-01-01", "A"},
        {"QUADRORECEITASDESPESASUF", "2004-10-01", "T"}, {"QUADRORECEITASDESPESASUF", "2005-01-01", "A"},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(flag(base, QString::fromLatin1(c.tabela), QStringLiteral("DT_INIC_VIGN"), QString::fromLatin1(c.data)),
                  QString::fromLatin1(c.esperado))
            << c.tabela << " " << c.data;
    for (const char *t : {"ADMINISTRADORES", "ATIVOS_VINCULADOS", "DADOSGERENCIAIS", "DEPENDENCIAS", "DESPESAS_COMERC_VALOR",
                          "DIRETORRELACOES", "PARTICIPACOES", "PARTICIPADAS", "QUADROADMINISTRADORES", "QUADRODEPENDENCIAS",
                          "QUADROPARTICIPACOES", "QUADROPARTICIPADAS", "RECEITASDESPESASUF", "RESPONSAVEIS",
                          "TELEFONESPESSOAS"})
        EXPECT_EQ(flag(base, QString::fromLatin1(t), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")),
                  QStringLiteral("A"))
            << t;
    // Persons and assets are not period-bound: untouched.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM PESSOAS WHERE LG_ALTR_TRAM = 'T'")).toInt(), 2);

    // Selling expenses of 2005 refer to the 2005 item list; older ones keep theirs.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT DT_INIC_VIGN_DESP FROM DESPESAS_COMERC_VALOR WHERE DT_INIC_VIGN = '2005-01-01'"))
                  .toString(),
              QStringLiteral("2005-01-01"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT DT_INIC_VIGN_DESP FROM DESPESAS_COMERC_VALOR WHERE DT_INIC_VIGN = '2004-10-01'"))
                  .toString(),
              QStringLiteral("2001-01-01"));

    // Asset kinds: the obsolete code is gone, the listed ones are written afresh, in order.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_BEMCODIGO")).toInt(), 58);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_BEMCODIGO WHERE CD_BEM IN ('9999', '1006')")).toInt(), 0);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT group_concat(CD_BEM, ' ') FROM (SELECT CD_BEM FROM TB_BEMCODIGO ORDER BY rowid "
                                          "LIMIT 6)"))
                  .toString(),
              QStringLiteral("1001 1002 1003 1004 1005 1007"));
    struct Bem {
        const char *codigo;
        const char *linha;
    };
    const Bem bens[] = {
        {"1001", "Títulos de emissão do tesouro nacional|C|0"},
        {"1005", "Quotas fundo invest.in.Excl./Títulos Federais|X|1"},
        {"1013", "Debêntures de distribuição pública;|S|0"},
        {"1025", "80%recibos de depósito cooperado|O|1"},
        {"2017", "Ações,bônus,recibos e certificados balcão/CVM|C|0"},
        {"2023", "Certificado de depósito -valor mobiliário/BDR|O|0"},
        {"3018", "Imóveis (Líquido de Depreciação)|I|0"},
        {"3042", "Quotas de Fundos de Invest Imobiliários|I|0"},
    };
    for (const Bem &b : bens)
        EXPECT_EQ(base.escalar(QStringLiteral("SELECT NM_BEM || '|' || CD_INDICADOR || '|' || LG_FUNDO FROM TB_BEMCODIGO "
                                              "WHERE CD_BEM = '%1'")
                                   .arg(QLatin1String(b.codigo)))
                      .toString(),
                  QString::fromUtf8(b.linha));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_BEMCODIGO WHERE typeof(LG_FUNDO) <> 'integer' "
                                          "OR typeof(CD_BEM) <> 'text'"))
                  .toInt(),
              0);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT SUM(LG_FUNDO) FROM TB_BEMCODIGO")).toInt(), 18);
    // The asset that referred to code 1001 still does, and the code still exists.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM ATIVOS A JOIN TB_BEMCODIGO B ON B.CD_BEM = A.CD_BEM")).toInt(), 1);

    // The items of profits or losses, version 2005.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_ITEMSALDO WHERE DT_INIC_VIGN_SALDO = '2005-01-01'")).toInt(), 8);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT DE_ITEM_SALDO || '|' || TP_SINAL_ITEM || '|' || DE_HINT_SALDO FROM TP_ITEMSALDO "
                                          "WHERE CD_ITEM_SALDO = '07'"))
                  .toString(),
              QStringLiteral("(-) Lucro incorporado ao capital social|N|Informar a parcela do Lucro Acumulado incorporada ao "
                             "capital social, conforme decisão em assembléia geral ou alteração contratual."));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT group_concat(CD_ITEM_SALDO || TP_SINAL_ITEM, ' ') FROM "
                                          "(SELECT * FROM TP_ITEMSALDO ORDER BY rowid)"))
                  .toString(),
              QStringLiteral("01N 02N 03P 04A 05N 06A 07N 08A"));
}

TEST(AtualizacaoBase, TheSellingExpenseItemsHaveTheirExactHints)
{
    BaseAntiga base("anterior");
    AtualizacaoBase::executar(base.db());
    const QString cr(QChar(13));
    const QString inicio = QStringLiteral("Corresponde à soma algébrica, do trimestre, das seguintes ") + cr
                           + QStringLiteral("subcontas do Plano de Contas Padrão (RDC n.º 38, de 27/10/00 ") + cr
                           + QStringLiteral("e suas posteriores alterações):") + cr;
    struct Caso {
        const char *codigo;
        const char *descricao;
        const char *tipo;
        QString dica;
    };
    const Caso casos[] = {
        {"010", "Despesas de Comercialização na modalidade de pré-pagamento", "M",
         inicio + QStringLiteral("431111, 431121, 431131, 431141, 431311, 431321.")},
        {"020", "Despesas de Comercialização em outras modalidades", "M",
         inicio + QStringLiteral("431112, 431122, 431132, 431142, 43115, 431312, 431322 e 43134.")},
        {"025", "Variação de Comissões Diferidas", "M",
         QStringLiteral("Corresponde à conta 4331 do Plano de Contas Padrão (RDC n.º 38, ") + cr
             + QStringLiteral("de 27/10/00 e suas posteriores alterações).")},
        {"030", "Despesas de Comercialização na modalidade de pré-pagamento", "O",
         inicio + QStringLiteral("431211, 431221, 431231, 431241, 431411, 431421.")},
        {"040", "Despesas de Comercialização em outras modalidades", "O",
         inicio + QStringLiteral("431212, 431222, 431232, 431242, 43125, 431412, 431422 e 43144.")},
        {"045", "Variação de Comissões Diferidas", "O",
         QStringLiteral("Corresponde à conta 4332 do Plano de Contas Padrão (RDC n.º 38, ") + cr
             + QStringLiteral("de 27/10/00 e suas posteriores alterações).")},
    };
    QSqlQuery q(base.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT CD_DESPESA, DE_DESPESA, TP_DESPESA, DE_HINT_DESPESA_COMERC FROM TB_DESPESAS_COMERC "
                                      "WHERE ID_TIPO_PLANO = '20' AND DT_INIC_VIGN_DESP = '2005-01-01' ORDER BY rowid")));
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.codigo);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), QString::fromLatin1(c.codigo));
        EXPECT_EQ(q.value(1).toString(), QString::fromUtf8(c.descricao));
        EXPECT_EQ(q.value(2).toString(), QString::fromLatin1(c.tipo));
        EXPECT_EQ(q.value(3).toString(), c.dica);
        EXPECT_FALSE(q.value(3).toString().contains(u'\n'));
    }
    EXPECT_FALSE(q.next());
    // The items of the older list are left as they are.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT DE_HINT_DESPESA_COMERC FROM TB_DESPESAS_COMERC WHERE DT_INIC_VIGN_DESP = "
                                          "'2001-01-01'"))
                  .toString(),
              QStringLiteral("Lista de 2001"));
}

TEST(AtualizacaoBase, A301BaseGetsTheRegionStateAndTheLaterStepsOnly)
{
    BaseAntiga base("3.0.1");
    AlteracaoEsquemaSqlite alteracao(base.db());
    EXPECT_TRUE(AtualizacaoBase::executar(base.db(), alteracao).baseAtualizada);
    // The 3.0.0 block was skipped: no column of it was sent, the code tables kept their rows.
    for (const QString &comando : alteracao.comandosEnviados())
        EXPECT_FALSE(comando.contains(QLatin1String("ADMINISTRADORES")) || comando.contains(QLatin1String("PARTICIPACOES")))
            << comando.toStdString();
    EXPECT_TRUE(alteracao.comandosEnviados().contains(
        QStringLiteral("ALTER TABLE RL_Municipio_Atuacao_operadora ADD COLUMN LG_ALTR_TRAM TEXT(1)")));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT group_concat(CD_BEM) FROM TB_BEMCODIGO")).toString(), QStringLiteral("1001,9999"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_ITEMSALDO")).toInt(), 2);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT DE_ITEM_SALDO FROM TP_ITEMSALDO WHERE DT_INIC_VIGN_SALDO = '2005-01-01'")).toString(),
              QStringLiteral("Lucros distribuídos"));
    // The region's new state: "N", then "A" from 2005 on.
    EXPECT_EQ(flag(base, QStringLiteral("RL_MUNICIPIO_ATUACAO_OPERADORA"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2004-12-31")),
              QStringLiteral("N"));
    EXPECT_EQ(flag(base, QStringLiteral("RL_MUNICIPIO_ATUACAO_OPERADORA"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")),
              QStringLiteral("A"));
    // Balances: empty values become 0 and "N"; the item list date decides the state.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM SaldoAcumuladoTrimestre WHERE VL_ITEM_SALDO IS NULL")).toInt(), 0);
    EXPECT_EQ(flag(base, QStringLiteral("SaldoAcumuladoTrimestre"), QStringLiteral("DT_INIC_VIGN_SALDO"), QStringLiteral("2004-12-31")),
              QStringLiteral("T"));
    EXPECT_EQ(flag(base, QStringLiteral("SaldoAcumuladoTrimestre"), QStringLiteral("DT_INIC_VIGN_SALDO"), QStringLiteral("2005-01-01")),
              QStringLiteral("A"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VL_SALDO_FINAL_ANO || LG_ALTR_TRAM FROM SaldoAcumuladoAno")).toString(),
              QStringLiteral("0.0N"));
}

TEST(AtualizacaoBase, A304BaseGetsTheSellingExpensesAndTheStatesButKeepsTheRegion)
{
    BaseAntiga base("3.0.4");
    EXPECT_TRUE(AtualizacaoBase::executar(base.db()).baseAtualizada);
    EXPECT_EQ(flag(base, QStringLiteral("RL_MUNICIPIO_ATUACAO_OPERADORA"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2004-12-31")),
              QStringLiteral("T"));
    EXPECT_EQ(flag(base, QStringLiteral("RL_MUNICIPIO_ATUACAO_OPERADORA"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")),
              QStringLiteral("A"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_DESPESAS_COMERC WHERE DT_INIC_VIGN_DESP = '2005-01-01'")).toInt(), 6);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT group_concat(CD_BEM) FROM TB_BEMCODIGO")).toString(), QStringLiteral("1001,9999"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT type FROM pragma_table_info('RL_MUNICIPIO_ATUACAO_OPERADORA') "
                                          "WHERE name = 'LG_ALTR_TRAM'"))
                  .toString(),
              QStringLiteral("TEXT(50)"));
}

TEST(AtualizacaoBase, A310BaseGetsTheNewTablesAndNoDataChange)
{
    BaseAntiga base("3.1.0");
    // Only the version record and the empty balances (made 0 at every connection) may change.
    auto semEsperadas = [](const QStringList &linhas) {
        QStringList r;
        for (const QString &l : linhas)
            if (!l.startsWith(QLatin1String("CONSTS|")) && !l.startsWith(QLatin1String("SaldoAcumulado")))
                r << l;
        return textos(r);
    };
    const Textos antes = semEsperadas(conteudo(base.db()));
    EXPECT_FALSE(AtualizacaoBase::executar(base.db()).baseAtualizada);
    EXPECT_EQ(semEsperadas(conteudo(base.db())), antes);
    EXPECT_EQ(flag(base, QStringLiteral("SaldoAcumuladoTrimestre"), QStringLiteral("DT_INIC_VIGN_SALDO"), QStringLiteral("2005-01-01")),
              QStringLiteral("T"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VL_SALDO_FINAL_ANO || LG_ALTR_TRAM FROM SaldoAcumuladoAno")).toString(),
              QStringLiteral("0.0N"));
}

TEST(AtualizacaoBase, A310BaseWithTheNewTablesGetsOnlyTheLongFindingText)
{
    BaseAntiga base("4.0.0");
    base.sql(QStringLiteral("UPDATE CONSTS SET VersaoKelpa = '3.1.0'"));
    base.sql(QStringLiteral("DROP TABLE VALIDACAO"));
    for (const QString &comando : CriacaoBanco::separarComandos(lerFixture(QStringLiteral("anterior_3_0_0.sql"))))
        if (comando.contains(QLatin1String("VALIDACAO")))
            base.sql(comando);
    ASSERT_EQ(base.escalar(QStringLiteral("SELECT type FROM pragma_table_info('VALIDACAO') WHERE name = 'DE_VLDC_TEXT_UM'")).toString(),
              QStringLiteral("TEXT(255)"));

    AlteracaoEsquemaSqlite alteracao(base.db());
    EXPECT_FALSE(AtualizacaoBase::executar(base.db(), alteracao).baseAtualizada);
    ASSERT_FALSE(alteracao.comandosEnviados().isEmpty());
    for (const QString &comando : alteracao.comandosEnviados())
        EXPECT_TRUE(comando.contains(QLatin1String("VALIDACAO"))) << comando.toStdString();
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT type FROM pragma_table_info('VALIDACAO') WHERE name = 'DE_VLDC_TEXT_UM'")).toString(),
              QStringLiteral("TEXT"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor")).toInt(), 1);
}

TEST(AtualizacaoBase, A400BaseChangesNoSchema)
{
    BaseAntiga base("4.0.0");
    const QStringList antes = esquema(base.db());
    AlteracaoEsquemaSqlite alteracao(base.db());
    EXPECT_FALSE(AtualizacaoBase::executar(base.db(), alteracao).baseAtualizada);
    EXPECT_EQ(textos(alteracao.comandosEnviados()), Textos());
    EXPECT_EQ(textos(esquema(base.db())), textos(antes));
}

TEST(AtualizacaoBase, ConstantsWithoutARowGetOneSoTheStepsRunOnlyOnce)
{
    BaseAntiga base("3.1.0");
    base.sql(QStringLiteral("DELETE FROM CONSTS"));
    Migracao migracao(base.db());
    EXPECT_EQ(migracao.LeVersao(), QString());

    EXPECT_TRUE(AtualizacaoBase::executar(base.db()).baseAtualizada);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM CONSTS")).toInt(), 1);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VersaoKelpa || ' ' || DtVersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2 2007-01-01"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_BEMCODIGO")).toInt(), 58);
    EXPECT_EQ(flag(base, QStringLiteral("CADASTRO"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")), QStringLiteral("A"));

    // Transmitted afterwards: the next connection must not mark the rows again.
    base.sql(QStringLiteral("UPDATE CADASTRO SET LG_ALTR_TRAM = 'T'"));
    EXPECT_FALSE(AtualizacaoBase::executar(base.db()).baseAtualizada);
    EXPECT_EQ(flag(base, QStringLiteral("CADASTRO"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")), QStringLiteral("T"));
}

TEST(AtualizacaoBase, AFailingMigrationLeavesTheVersionAsItWasSoTheNextConnectionTriesAgain)
{
    BaseAntiga base("3.0.4");
    base.sql(QStringLiteral("ALTER TABLE DESPESAS_COMERC_VALOR RENAME TO DESPESAS_GUARDADAS"));
    EXPECT_THROW(AtualizacaoBase::executar(base.db()), ErroBanco);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VersaoKelpa FROM CONSTS")).toString(), QStringLiteral("3.0.4"));
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 1);
    EXPECT_EQ(flag(base, QStringLiteral("CADASTRO"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")), QStringLiteral("T"));
    // The schema steps done stay done.
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'TA_IdadeSaldo'")).toInt(), 1);

    base.sql(QStringLiteral("ALTER TABLE DESPESAS_GUARDADAS RENAME TO DESPESAS_COMERC_VALOR"));
    EXPECT_TRUE(AtualizacaoBase::executar(base.db()).baseAtualizada);
    EXPECT_EQ(base.escalar(QStringLiteral("SELECT VersaoKelpa FROM CONSTS")).toString(), QStringLiteral("2007.2"));
    EXPECT_EQ(flag(base, QStringLiteral("CADASTRO"), QStringLiteral("DT_INIC_VIGN"), QStringLiteral("2005-01-01")), QStringLiteral("A"));
}

TEST(AtualizacaoBase, ANewDatabaseIsCurrentButLosesItsFindingsAndRecordsItsVersion)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("UPDATE CONSTS SET DtVersaoKelpa = NULL"));
    banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL) VALUES ('345678', 1)"));
    const QStringList esquemaAntes = esquema(banco.db());

    AlteracaoEsquemaSqlite alteracao(banco.db());
    EXPECT_FALSE(AtualizacaoBase::executar(banco.db(), alteracao).baseAtualizada);
    EXPECT_EQ(textos(alteracao.comandosEnviados()), Textos());
    EXPECT_EQ(textos(esquema(banco.db())), textos(esquemaAntes));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 0);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT VersaoKelpa || ' ' || DtVersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2 2007-01-01"));
}

TEST(AtualizacaoBase, ANewDatabaseHoldsTheSameCodeRowsAsAnUpgradedOne)
{
    BaseAntiga base("anterior");
    base.sql(QStringLiteral("DELETE FROM TB_DESPESAS_COMERC"));
    AtualizacaoBase::executar(base.db());
    for (const char *consulta :
         {"SELECT CD_BEM, NM_BEM, CD_INDICADOR, LG_FUNDO FROM TB_BEMCODIGO ORDER BY rowid",
          "SELECT CD_ITEM_SALDO, DT_INIC_VIGN_SALDO, DE_ITEM_SALDO, TP_SINAL_ITEM, DE_HINT_SALDO FROM TP_ITEMSALDO ORDER BY rowid",
          "SELECT ID_TIPO_PLANO, DT_INIC_VIGN_DESP, CD_DESPESA, DE_DESPESA, TP_DESPESA, DE_HINT_DESPESA_COMERC "
          "FROM TB_DESPESAS_COMERC ORDER BY rowid"}) {
        SCOPED_TRACE(consulta);
        auto linhas = [&](const QSqlDatabase &db) {
            QStringList r;
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(QString::fromLatin1(consulta)));
            while (q.next()) {
                QStringList valores;
                for (int i = 0; i < q.record().count(); ++i)
                    valores << QString::fromLatin1(q.value(i).typeName()) + u':' + q.value(i).toString();
                r << valores.join(u'|');
            }
            return r;
        };
        const QStringList novas = linhas(bancoNovo().db());
        EXPECT_FALSE(novas.isEmpty());
        EXPECT_EQ(textos(novas), textos(linhas(base.db())));
    }
    EXPECT_EQ(linhasBemCodigo().size(), 58);
    EXPECT_EQ(linhasItemSaldo().size(), 8);
    EXPECT_EQ(linhasDespesasComerc().size(), 6);
}

TEST(AtualizacaoBase, ConnectingSetsTheWorkingStateFromTheUpgrade)
{
    struct Caso {
        const char *versao; // empty: a new database
        bool baseAtualizada;
    };
    for (const Caso &c : {Caso{"anterior", true}, Caso{"", false}}) {
        SCOPED_TRACE(c.versao);
        std::unique_ptr<BaseAntiga> antiga;
        std::unique_ptr<BancoTemporario> nova;
        QString diretorio;
        if (*c.versao) {
            antiga = std::make_unique<BaseAntiga>(c.versao);
            antiga->fechar();
            diretorio = antiga->diretorio();
        } else {
            nova = std::make_unique<BancoTemporario>();
            nova->fechar();
            diretorio = nova->diretorio();
        }
        const QString ini = diretorio + QStringLiteral("Kelpa.ini");
        Configuracao::garantirArquivo(ini, diretorio);
        EstadoTrabalho estado;
        ASSERT_TRUE(estado.configuracao().LeConfiguracao(ini));
        DtConexao conexao(estado);
        conexao.Conecta();
        EXPECT_EQ(estado.baseAtualizada(), c.baseAtualizada);
        EXPECT_EQ(estado.versaoBase().Versao, QStringLiteral("2007.2"));
        EXPECT_EQ(estado.versaoBase().DataVersao, QDate(2007, 1, 1));
    }
}

TEST(AtualizacaoBase, CommandLineUpgradePrintsTheVersionBeforeAndAfter)
{
    BaseAntiga base("3.0.1");
    base.fechar();
    QProcess cli;
    cli.start(QStringLiteral(KELPA_CLI), {QStringLiteral("upgrade"), QStringLiteral("--dir"), base.diretorio()});
    ASSERT_TRUE(cli.waitForFinished(60000));
    const QString saida = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_TRUE(saida.contains(QStringLiteral("Versão antes: 3.0.1\n"))) << saida.toStdString();
    EXPECT_TRUE(saida.contains(QStringLiteral("Versão depois: 2007.2 de 01/01/2007\n"))) << saida.toStdString();
    EXPECT_TRUE(saida.contains(QStringLiteral("Base de versão anterior a 3.1.0: sim\n"))) << saida.toStdString();

    // A second run finds a current database.
    cli.start(QStringLiteral(KELPA_CLI), {QStringLiteral("upgrade"), QStringLiteral("--dir"), base.diretorio()});
    ASSERT_TRUE(cli.waitForFinished(60000));
    const QString segunda = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_TRUE(segunda.contains(QStringLiteral("Versão antes: 2007.2\n"))) << segunda.toStdString();
    EXPECT_TRUE(segunda.contains(QStringLiteral("Base de versão anterior a 3.1.0: não\n"))) << segunda.toStdString();
}

TEST(AtualizacaoBase, CommandLineUpgradeExitCodes)
{
    QTemporaryDir vazio;
    BaseAntiga semConstantes("anterior");
    semConstantes.sql(QStringLiteral("DROP TABLE CONSTS"));
    semConstantes.fechar();
    struct Caso {
        QStringList argumentos;
        int saida;
        const char *erro;
    };
    const Caso casos[] = {
        {{QStringLiteral("upgrade"), QStringLiteral("--dir"), vazio.path()}, 2, "não há base de dados"},
        {{QStringLiteral("upgrade"), QStringLiteral("--bogus")}, 2, "opção desconhecida"},
        {{QStringLiteral("upgrade"), QStringLiteral("--dir"), semConstantes.diretorio()}, 3, "CONSTS"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.argumentos.join(u' ').toStdString());
        QProcess cli;
        cli.start(QStringLiteral(KELPA_CLI), c.argumentos);
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), c.saida);
        const QString erro = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_TRUE(erro.contains(QString::fromUtf8(c.erro))) << erro.toStdString();
    }
}
