// Schema changes on small tables: existence tests, column additions with the type
// words, rebuilds that change a type or add a key (keeping rows and indexes, and
// leaving the table as it was when they fail), and the version comparison.

#include "apoio/BancoTemporario.h"

#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "esquema/AlteracaoEsquemaSqlite.h"
#include "esquema/ComparacaoVersao.h"
#include "esquema/DefinicaoTabelaSqlite.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

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

QString sqlDaTabela(const QSqlDatabase &db, const QString &tabela)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '%1'").arg(tabela));
    return q.next() ? q.value(0).toString() : QString();
}

// Every row, in storage order, with the storage class of each value.
Textos linhas(const QSqlDatabase &db, const QString &tabela)
{
    QStringList r;
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(tabela)));
    while (q.next()) {
        QStringList valores;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            valores << (v.isNull() ? QStringLiteral("NULL") : QString::fromLatin1(v.typeName()) + u':' + v.toString());
        }
        r << valores.join(u'|');
    }
    return textos(r);
}

Textos indices(const QSqlDatabase &db, const QString &tabela)
{
    QStringList r;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = '%1' AND sql IS NOT NULL "
                          "ORDER BY name")
               .arg(tabela));
    while (q.next())
        r << q.value(0).toString();
    return textos(r);
}

QString tipoDaColuna(const QSqlDatabase &db, const QString &tabela, const QString &coluna)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT type FROM pragma_table_info('%1') WHERE name = '%2'").arg(tabela, coluna));
    return q.next() ? q.value(0).toString() : QStringLiteral("(ausente)");
}

bool executa(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    return q.exec(sql);
}

class AlteracaoEsquemaTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        banco.sql(QStringLiteral("CREATE TABLE T_TESTE (CD TEXT(3) NOT NULL, QT INTEGER, DE TEXT(10) DEFAULT 'x', "
                                 "cd_minusculo TEXT(1))"));
        banco.sql(QStringLiteral("CREATE INDEX T_TESTE_QT ON T_TESTE (QT)"));
        banco.sql(QStringLiteral("CREATE UNIQUE INDEX T_TESTE_CD ON T_TESTE (CD)"));
        banco.sql(QStringLiteral("INSERT INTO T_TESTE VALUES ('A', 1, 'um', 'a'), ('B', 2, 'dois', NULL), "
                                 "('C', NULL, NULL, 'c')"));
        // A parent with a named key and a child that refers to it.
        banco.sql(QStringLiteral("CREATE TABLE T_PAI (ID TEXT(2) NOT NULL, DE TEXT(10), CONSTRAINT T_PAI_PK PRIMARY KEY (ID))"));
        banco.sql(QStringLiteral("CREATE TABLE T_FILHO (ID_PAI TEXT(2), VL DOUBLE, "
                                 "CONSTRAINT T_FILHO_T_PAI_FK FOREIGN KEY (ID_PAI) REFERENCES T_PAI (ID))"));
        banco.sql(QStringLiteral("INSERT INTO T_PAI VALUES ('P1', 'um'), ('P2', 'dois')"));
        banco.sql(QStringLiteral("INSERT INTO T_FILHO VALUES ('P1', 1.5), ('P2', 2.5), ('P1', 3.5)"));
    }

    BancoTemporario banco;
    AlteracaoEsquemaSqlite alteracao{banco.db()};
};

} // namespace

TEST_F(AlteracaoEsquemaTeste, TablesAreFoundWhateverTheCaseColumnsOnlyByTheirExactName)
{
    EXPECT_TRUE(alteracao.TabelaExiste(QStringLiteral("T_TESTE")));
    EXPECT_TRUE(alteracao.TabelaExiste(QStringLiteral("t_teste")));
    EXPECT_FALSE(alteracao.TabelaExiste(QStringLiteral("T_NENHUMA")));

    EXPECT_TRUE(alteracao.ColunaExiste(QStringLiteral("CD"), QStringLiteral("T_TESTE")));
    EXPECT_TRUE(alteracao.ColunaExiste(QStringLiteral("CD"), QStringLiteral("t_teste")));
    EXPECT_FALSE(alteracao.ColunaExiste(QStringLiteral("cd"), QStringLiteral("T_TESTE")));
    EXPECT_TRUE(alteracao.ColunaExiste(QStringLiteral("cd_minusculo"), QStringLiteral("T_TESTE")));
    EXPECT_FALSE(alteracao.ColunaExiste(QStringLiteral("CD_MINUSCULO"), QStringLiteral("T_TESTE")));
    EXPECT_FALSE(alteracao.ColunaExiste(QStringLiteral("CD"), QStringLiteral("T_NENHUMA")));
    EXPECT_TRUE(alteracao.comandosEnviados().isEmpty());
}

TEST_F(AlteracaoEsquemaTeste, AddsAColumnOnceWithTheTypeItsWordNames)
{
    struct Caso {
        const char *coluna;
        const char *palavra;
        int tamanho;
        const char *tipo;
    };
    const Caso casos[] = {
        {"QT_FUNC", "INTEIRO", 0, "INTEGER"},   {"NM_CURTO", "texto", 6, "TEXT(6)"},
        {"VL_REAL", "REAL", 0, "DOUBLE"},       {"VL_DUPLO", "Duplo", 0, "DOUBLE"},
        {"DT_COLUNA", "DATA", 0, "DATE"},       {"TX_LONGO", "MEMORANDO", 0, "TEXT"},
        {"NM_SEM_TAMANHO", "TEXTO", 0, "TEXT"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.coluna);
        const QString coluna = QString::fromLatin1(c.coluna);
        const qsizetype antes = alteracao.comandosEnviados().size();
        EXPECT_TRUE(alteracao.AdicionaColuna(coluna, QStringLiteral("T_TESTE"), QString::fromLatin1(c.palavra), c.tamanho));
        ASSERT_EQ(alteracao.comandosEnviados().size(), antes + 1);
        EXPECT_EQ(alteracao.comandosEnviados().last(),
                  QStringLiteral("ALTER TABLE T_TESTE ADD COLUMN %1 %2").arg(coluna, QString::fromLatin1(c.tipo)));
        EXPECT_EQ(tipoDaColuna(banco.db(), QStringLiteral("T_TESTE"), coluna), QString::fromLatin1(c.tipo));
        // The second call finds the column and sends nothing.
        EXPECT_FALSE(alteracao.AdicionaColuna(coluna, QStringLiteral("T_TESTE"), QString::fromLatin1(c.palavra), c.tamanho));
        EXPECT_EQ(alteracao.comandosEnviados().size(), antes + 1);
    }
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_TESTE")).size(), 3);
}

TEST_F(AlteracaoEsquemaTeste, AnUnknownTypeWordIsRefusedBeforeAnythingReachesTheDatabase)
{
    const QString mensagem = QStringLiteral("Caro desenvolvedor, defina o parâmetro do tipo do campo a ser criado como "
                                            "TEXTO, REAL, INTEIRO ou DATA.");
    const QString antes = sqlDaTabela(banco.db(), QStringLiteral("T_TESTE"));
    for (const char *palavra : {"NUMERO", "", "TEXT", "MEMO"}) {
        SCOPED_TRACE(palavra);
        try {
            alteracao.AdicionaColuna(QStringLiteral("NOVA"), QStringLiteral("T_TESTE"), QString::fromLatin1(palavra), 5);
            ADD_FAILURE() << "aceitou";
        } catch (const ErroBanco &e) {
            EXPECT_EQ(e.mensagem(), mensagem);
        }
    }
    // A table whose last column has a bad word is not created at all.
    EXPECT_THROW(alteracao.CriaTabela(QStringLiteral("T_NOVA"),
                                      {{QStringLiteral("A"), QStringLiteral("TEXTO"), 2}, {QStringLiteral("B"), QStringLiteral("X"), 0}}),
                 ErroBanco);
    EXPECT_THROW(alteracao.AlteraTipoColuna(QStringLiteral("QT"), QStringLiteral("T_TESTE"), QStringLiteral("FLOAT")), ErroBanco);
    EXPECT_TRUE(alteracao.comandosEnviados().isEmpty());
    EXPECT_FALSE(alteracao.TabelaExiste(QStringLiteral("T_NOVA")));
    EXPECT_EQ(sqlDaTabela(banco.db(), QStringLiteral("T_TESTE")), antes);
}

TEST_F(AlteracaoEsquemaTeste, AColumnWhoseNameDiffersOnlyInCaseIsNotFoundAndTheAdditionFails)
{
    EXPECT_THROW(alteracao.AdicionaColuna(QStringLiteral("CD_MINUSCULO"), QStringLiteral("T_TESTE"), QStringLiteral("TEXTO"), 1),
                 ErroBanco);
    // On a missing table the addition fails in the database, not silently.
    EXPECT_THROW(alteracao.AdicionaColuna(QStringLiteral("X"), QStringLiteral("T_NENHUMA"), QStringLiteral("TEXTO"), 1), ErroBanco);
}

TEST_F(AlteracaoEsquemaTeste, CreatesATableWithItsColumnsAndAnAutoNumberKey)
{
    alteracao.CriaTabela(QStringLiteral("T_NOVA"), {{QStringLiteral("ID"), QStringLiteral("AUTOINCREMENT"), 0},
                                                    {QStringLiteral("NM"), QStringLiteral("TEXTO"), 80},
                                                    {QStringLiteral("DT"), QStringLiteral("DATA"), 0}});
    EXPECT_EQ(textos(alteracao.comandosEnviados()),
              Textos{"CREATE TABLE T_NOVA (ID INTEGER PRIMARY KEY AUTOINCREMENT, NM TEXT(80), DT DATE)"});
    ASSERT_TRUE(executa(banco.db(), QStringLiteral("INSERT INTO T_NOVA (NM) VALUES ('a'), ('b')")));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT MAX(ID) FROM T_NOVA")).toInt(), 2);
    EXPECT_THROW(alteracao.CriaTabela(QStringLiteral("T_NOVA"), {{QStringLiteral("A"), QStringLiteral("TEXTO"), 1}}), ErroBanco);
    EXPECT_THROW(alteracao.CriaTabela(QStringLiteral("T_VAZIA"), {}), ErroBanco);
    // GaranteTabela adds what an existing table lacks.
    EXPECT_FALSE(alteracao.GaranteTabela(QStringLiteral("T_NOVA"), {{QStringLiteral("NM"), QStringLiteral("TEXTO"), 80},
                                                                     {QStringLiteral("QT"), QStringLiteral("INTEIRO"), 0}}));
    EXPECT_EQ(tipoDaColuna(banco.db(), QStringLiteral("T_NOVA"), QStringLiteral("QT")), QStringLiteral("INTEGER"));
}

TEST_F(AlteracaoEsquemaTeste, AnAutoNumberColumnAddedLaterNumbersTheExistingRows)
{
    alteracao.CriaColuna(QStringLiteral("ConstraintID"), QStringLiteral("T_TESTE"), QStringLiteral("AUTOINCREMENT"), 0);
    QSqlQuery q(banco.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT CD, ConstraintID FROM T_TESTE ORDER BY ConstraintID")));
    QStringList numeradas;
    while (q.next())
        numeradas << q.value(0).toString() + q.value(1).toString();
    EXPECT_EQ(textos(numeradas), textos(QStringList{QStringLiteral("A1"), QStringLiteral("B2"), QStringLiteral("C3")}));
    EXPECT_EQ(indices(banco.db(), QStringLiteral("T_TESTE")).size(), 2);
}

TEST_F(AlteracaoEsquemaTeste, ConvertingToFloatRebuildsTheTableKeepingRowsIndexesAndColumnRules)
{
    EXPECT_FALSE(alteracao.ColunaEhFloat(QStringLiteral("QT"), QStringLiteral("T_TESTE")));
    const Textos indicesAntes = indices(banco.db(), QStringLiteral("T_TESTE"));

    EXPECT_TRUE(alteracao.ConverteParaFloat(QStringLiteral("QT"), QStringLiteral("T_TESTE")));
    EXPECT_TRUE(alteracao.ColunaEhFloat(QStringLiteral("QT"), QStringLiteral("T_TESTE")));
    EXPECT_EQ(tipoDaColuna(banco.db(), QStringLiteral("T_TESTE"), QStringLiteral("QT")), QStringLiteral("DOUBLE"));
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_TESTE")),
              (Textos{"QString:A|double:1|QString:um|QString:a", "QString:B|double:2|QString:dois|NULL",
                      "QString:C|NULL|NULL|QString:c"}));
    EXPECT_EQ(indices(banco.db(), QStringLiteral("T_TESTE")), indicesAntes);
    // The rules of the other columns came along: NOT NULL, the default, the unique index.
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD) VALUES (NULL)")));
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD) VALUES ('A')")));
    ASSERT_TRUE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD) VALUES ('D')")));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DE FROM T_TESTE WHERE CD = 'D'")).toString(), QStringLiteral("x"));
    EXPECT_FALSE(alteracao.TabelaExiste(QStringLiteral("kelpa_reconstrucao_T_TESTE")));

    // Already a float: nothing is sent.
    const qsizetype enviados = alteracao.comandosEnviados().size();
    EXPECT_FALSE(alteracao.ConverteParaFloat(QStringLiteral("QT"), QStringLiteral("T_TESTE")));
    EXPECT_EQ(alteracao.comandosEnviados().size(), enviados);
    EXPECT_THROW(alteracao.ColunaEhFloat(QStringLiteral("NENHUMA"), QStringLiteral("T_TESTE")), ErroBanco);
}

TEST_F(AlteracaoEsquemaTeste, ChangingATypeToWhatItAlreadyIsSendsNothing)
{
    alteracao.AlteraTipoColuna(QStringLiteral("DE"), QStringLiteral("T_TESTE"), QStringLiteral("MEMORANDO"));
    EXPECT_EQ(tipoDaColuna(banco.db(), QStringLiteral("T_TESTE"), QStringLiteral("DE")), QStringLiteral("TEXT"));
    const qsizetype enviados = alteracao.comandosEnviados().size();
    EXPECT_GT(enviados, 0);
    alteracao.AlteraTipoColuna(QStringLiteral("DE"), QStringLiteral("T_TESTE"), QStringLiteral("MEMORANDO"));
    EXPECT_EQ(alteracao.comandosEnviados().size(), enviados);
    EXPECT_THROW(alteracao.AlteraTipoColuna(QStringLiteral("NENHUMA"), QStringLiteral("T_TESTE"), QStringLiteral("MEMORANDO")),
                 ErroBanco);
}

TEST_F(AlteracaoEsquemaTeste, ANamedPrimaryKeyIsAddedAndEnforced)
{
    banco.sql(QStringLiteral("UPDATE T_TESTE SET cd_minusculo = 'b' WHERE CD = 'B'"));
    banco.sql(QStringLiteral("DROP INDEX T_TESTE_CD"));
    alteracao.AdicionaRestricao(QStringLiteral("T_TESTE"), QStringLiteral("PRIMARY  KEY"), QStringLiteral("T_TESTE_PK"), {}, {},
                                {QStringLiteral("CD"), QStringLiteral("cd_minusculo")});
    EXPECT_TRUE(sqlDaTabela(banco.db(), QStringLiteral("T_TESTE"))
                    .contains(QStringLiteral("CONSTRAINT T_TESTE_PK PRIMARY KEY (CD, cd_minusculo)")));
    // Key columns must hold a value, and the pair must be unique.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('T_TESTE') WHERE pk > 0 AND \"notnull\" = 1"))
                  .toInt(),
              2);
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_TESTE")).size(), 3);
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD, cd_minusculo) VALUES ('A', 'a')")));
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD) VALUES ('Z')")));
    EXPECT_TRUE(executa(banco.db(), QStringLiteral("INSERT INTO T_TESTE (CD, cd_minusculo) VALUES ('A', 'z')")));
}

TEST_F(AlteracaoEsquemaTeste, AFailingRebuildLeavesTheTableExactlyAsItWas)
{
    // QT then repeats a value and lacks one; cd_minusculo lacks one: neither can be a key.
    banco.sql(QStringLiteral("INSERT INTO T_TESTE VALUES ('D', 1, 'quatro', 'd')"));
    const QString sql = sqlDaTabela(banco.db(), QStringLiteral("T_TESTE"));
    const Textos l = linhas(banco.db(), QStringLiteral("T_TESTE"));
    const Textos i = indices(banco.db(), QStringLiteral("T_TESTE"));
    for (const char *coluna : {"QT", "cd_minusculo"}) {
        SCOPED_TRACE(coluna);
        EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_TESTE"), AlteracaoEsquema::chavePrimaria(),
                                                 QStringLiteral("T_TESTE_PK"), {}, {}, {QString::fromLatin1(coluna)}),
                     ErroBanco);
        EXPECT_EQ(sqlDaTabela(banco.db(), QStringLiteral("T_TESTE")), sql);
        EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_TESTE")), l);
        EXPECT_EQ(indices(banco.db(), QStringLiteral("T_TESTE")), i);
        EXPECT_FALSE(alteracao.TabelaExiste(QStringLiteral("kelpa_reconstrucao_T_TESTE")));
        EXPECT_EQ(banco.escalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
    }
    // No transaction was left open on the connection.
    EXPECT_TRUE(executa(banco.db(), QStringLiteral("BEGIN")));
    EXPECT_TRUE(executa(banco.db(), QStringLiteral("ROLLBACK")));
}

TEST_F(AlteracaoEsquemaTeste, ATableOthersReferToSurvivesARebuildWithItsReferences)
{
    const Textos filhos = linhas(banco.db(), QStringLiteral("T_FILHO"));
    alteracao.AlteraTipoColuna(QStringLiteral("DE"), QStringLiteral("T_PAI"), QStringLiteral("TEXTO"), 40);

    EXPECT_EQ(tipoDaColuna(banco.db(), QStringLiteral("T_PAI"), QStringLiteral("DE")), QStringLiteral("TEXT(40)"));
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_PAI")),
              (Textos{"QString:P1|QString:um", "QString:P2|QString:dois"}));
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_FILHO")), filhos);
    EXPECT_TRUE(sqlDaTabela(banco.db(), QStringLiteral("T_PAI")).contains(QStringLiteral("CONSTRAINT T_PAI_PK PRIMARY KEY (ID)")));
    // Enforcement is back on and the child's key still points at the rebuilt parent.
    EXPECT_EQ(banco.escalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_FILHO VALUES ('P9', 0)")));
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("DELETE FROM T_PAI WHERE ID = 'P1'")));
    EXPECT_TRUE(executa(banco.db(), QStringLiteral("INSERT INTO T_FILHO VALUES ('P2', 0)")));
}

TEST_F(AlteracaoEsquemaTeste, AForeignKeyIsAddedOnlyWhenTheRowsSatisfyIt)
{
    banco.sql(QStringLiteral("CREATE TABLE T_VALOR (ID_PAI TEXT(2), VL DOUBLE)"));
    banco.sql(QStringLiteral("CREATE INDEX T_VALOR_ID ON T_VALOR (ID_PAI)"));
    banco.sql(QStringLiteral("INSERT INTO T_VALOR VALUES ('P1', 1), ('P9', 2)"));
    const QString sqlAntes = sqlDaTabela(banco.db(), QStringLiteral("T_VALOR"));
    const Textos linhasAntes = linhas(banco.db(), QStringLiteral("T_VALOR"));
    const QStringList chave{QStringLiteral("ID_PAI")};
    const QStringList referida{QStringLiteral("ID")};

    // P9 has no parent: the key is refused and the table stays as it was.
    EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), AlteracaoEsquema::chaveEstrangeira(),
                                             QStringLiteral("T_VALOR_T_PAI_FK"), QStringLiteral("T_PAI"), referida, chave),
                 ErroBanco);
    EXPECT_EQ(sqlDaTabela(banco.db(), QStringLiteral("T_VALOR")), sqlAntes);
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_VALOR")), linhasAntes);
    EXPECT_EQ(banco.escalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);

    banco.sql(QStringLiteral("DELETE FROM T_VALOR WHERE ID_PAI = 'P9'"));
    alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), AlteracaoEsquema::chaveEstrangeira(), QStringLiteral("T_VALOR_T_PAI_FK"),
                                QStringLiteral("T_PAI"), referida, chave);
    EXPECT_TRUE(sqlDaTabela(banco.db(), QStringLiteral("T_VALOR"))
                    .contains(QStringLiteral("CONSTRAINT T_VALOR_T_PAI_FK FOREIGN KEY (ID_PAI) REFERENCES T_PAI (ID)")));
    EXPECT_EQ(indices(banco.db(), QStringLiteral("T_VALOR")),
              Textos{"CREATE INDEX T_VALOR_ID ON T_VALOR (ID_PAI)"});
    EXPECT_FALSE(executa(banco.db(), QStringLiteral("INSERT INTO T_VALOR VALUES ('P9', 3)")));
    EXPECT_TRUE(executa(banco.db(), QStringLiteral("INSERT INTO T_VALOR VALUES ('P2', 3)")));

    // The same name twice, a missing referenced table, an unknown kind, no columns: refused.
    EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), AlteracaoEsquema::chaveEstrangeira(),
                                             QStringLiteral("T_VALOR_T_PAI_FK"), QStringLiteral("T_PAI"), referida, chave),
                 ErroBanco);
    EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), AlteracaoEsquema::chaveEstrangeira(),
                                             QStringLiteral("OUTRA_FK"), QStringLiteral("T_NENHUMA"), referida, chave),
                 ErroBanco);
    EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), QStringLiteral("UNIQUE"), QStringLiteral("U"), {}, {}, chave),
                 ErroBanco);
    EXPECT_THROW(alteracao.AdicionaRestricao(QStringLiteral("T_VALOR"), AlteracaoEsquema::chavePrimaria(), QStringLiteral("T_PK"),
                                             {}, {}, {}),
                 ErroBanco);
}

TEST_F(AlteracaoEsquemaTeste, InsideAnOpenTransactionAReferredTableIsNotRebuilt)
{
    const QString sqlAntes = sqlDaTabela(banco.db(), QStringLiteral("T_PAI"));
    {
        Transacao transacao(banco.db());
        EXPECT_THROW(alteracao.AlteraTipoColuna(QStringLiteral("DE"), QStringLiteral("T_PAI"), QStringLiteral("MEMORANDO")),
                     ErroBanco);
    }
    EXPECT_EQ(sqlDaTabela(banco.db(), QStringLiteral("T_PAI")), sqlAntes);
    EXPECT_EQ(linhas(banco.db(), QStringLiteral("T_FILHO")).size(), 3);
}

TEST_F(AlteracaoEsquemaTeste, NamesThatAreNotPlainIdentifiersAreRefused)
{
    EXPECT_THROW(alteracao.CriaColuna(QStringLiteral("X; DROP TABLE T_TESTE"), QStringLiteral("T_TESTE"), QStringLiteral("TEXTO"), 1),
                 ErroBanco);
    EXPECT_THROW(alteracao.CriaTabela(QStringLiteral("T NOVA"), {{QStringLiteral("A"), QStringLiteral("TEXTO"), 1}}), ErroBanco);
    EXPECT_TRUE(alteracao.comandosEnviados().isEmpty());
    EXPECT_TRUE(alteracao.TabelaExiste(QStringLiteral("T_TESTE")));
}

TEST(AlteracaoEsquema, JuntaListaNeedsAtLeastOneName)
{
    EXPECT_EQ(AlteracaoEsquema::JuntaLista({QStringLiteral("CD_FLUXO_CAIXA"), QStringLiteral("DT_INIC_VIGN_FLUXO_CAIXA")}),
              QStringLiteral("CD_FLUXO_CAIXA, DT_INIC_VIGN_FLUXO_CAIXA"));
    EXPECT_EQ(AlteracaoEsquema::JuntaLista({QStringLiteral("A")}), QStringLiteral("A"));
    EXPECT_THROW(AlteracaoEsquema::JuntaLista({}), ErroBanco);
}

TEST(DefinicaoTabelaSqlite, ReadsColumnsAndConstraintsOfStatementsAsSqliteKeepsThem)
{
    struct Caso {
        const char *sql;
        QStringList colunas;    // column names, in order
        int restricoes;         // table constraints
        const char *coluna;     // a column whose type is checked
        const char *tipo;       // its declared type
        const char *sufixo;
    };
    const Caso casos[] = {
        {"CREATE TABLE A (X TEXT(6), Y DOUBLE)", {QStringLiteral("X"), QStringLiteral("Y")}, 0, "X", "TEXT(6)", ""},
        {"CREATE TABLE \"B\" (\n  \"a, b\" TEXT -- a comment, with a comma\n, [c] DECIMAL(10,2) NOT NULL /* x, y */, d)",
         {QStringLiteral("a, b"), QStringLiteral("c"), QStringLiteral("d")}, 0, "c", "DECIMAL(10,2)", ""},
        {"CREATE TABLE C (K INTEGER PRIMARY KEY AUTOINCREMENT, V TEXT DEFAULT 'a,b' CHECK (V IN ('a,b', 'c')), "
         "CONSTRAINT C_U UNIQUE (V), FOREIGN KEY (K) REFERENCES A (X))",
         {QStringLiteral("K"), QStringLiteral("V")}, 2, "K", "INTEGER", ""},
        {"CREATE TABLE D (K TEXT NOT NULL, CONSTRAINT D_PK PRIMARY KEY (K)) WITHOUT ROWID", {QStringLiteral("K")}, 1, "K", "TEXT",
         "WITHOUT ROWID"},
        {"CREATE TABLE E (SEMTIPO, `Q` UNSIGNED BIG INT)", {QStringLiteral("SEMTIPO"), QStringLiteral("Q")}, 0, "Q",
         "UNSIGNED BIG INT", ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.sql);
        const DefinicaoTabelaSqlite d = DefinicaoTabelaSqlite::ler(QString::fromUtf8(c.sql));
        QStringList colunas;
        int restricoes = 0;
        for (const auto &e : d.elementos()) {
            if (e.restricao)
                ++restricoes;
            else
                colunas << e.coluna;
        }
        EXPECT_EQ(textos(colunas), textos(c.colunas));
        EXPECT_EQ(restricoes, c.restricoes);
        const qsizetype i = d.indiceColuna(QString::fromLatin1(c.coluna).toLower());
        ASSERT_GE(i, 0);
        EXPECT_EQ(d.tipoColuna(i), QString::fromLatin1(c.tipo));
        EXPECT_EQ(d.sufixo(), QString::fromLatin1(c.sufixo));
    }
    EXPECT_THROW(DefinicaoTabelaSqlite::ler(QStringLiteral("CREATE TABLE F AS SELECT 1")), ErroBanco);
    EXPECT_THROW(DefinicaoTabelaSqlite::ler(QStringLiteral("CREATE TABLE G (A TEXT")), ErroBanco);
}

TEST(DefinicaoTabelaSqlite, ChangingATypeKeepsTheRestOfTheColumnDefinition)
{
    DefinicaoTabelaSqlite d = DefinicaoTabelaSqlite::ler(
        QStringLiteral("CREATE TABLE A (X TEXT(6) NOT NULL DEFAULT '1', SEMTIPO, Y INTEGER, CONSTRAINT A_PK PRIMARY KEY (X))"));
    d.alterarTipo(0, QStringLiteral("DOUBLE"));
    d.alterarTipo(1, QStringLiteral("TEXT"));
    d.exigirNaoNulo(0);
    d.exigirNaoNulo(2);
    d.adicionarColuna(QStringLiteral("Z DATE"));
    EXPECT_TRUE(d.temRestricao(QStringLiteral("a_pk")));
    EXPECT_FALSE(d.temRestricao(QStringLiteral("B_PK")));
    EXPECT_EQ(d.criar(QStringLiteral("A")),
              QStringLiteral("CREATE TABLE \"A\" (\n  X DOUBLE NOT NULL DEFAULT '1',\n  SEMTIPO TEXT,\n  Y INTEGER NOT NULL,\n"
                             "  Z DATE,\n  CONSTRAINT A_PK PRIMARY KEY (X)\n)"));
}

TEST(ComparacaoVersao, ComparesDottedNumbersPartByPart)
{
    struct Caso {
        const char *a;
        const char *b;
        int esperado;
    };
    const Caso casos[] = {
        {"", "3.0.0", -1},       {"", "", 0},               {"3.0.2", "3.1.0", -1},   {"3.0.1", "3.0.2", -1},
        {"3.0.4", "3.0.6", -1},  {"3.1.0", "3.1.0", 0},     {"3.1.0", "4.0.0", -1},   {"4.0.1", "4.0.0", 1},
        // The version this program writes is newer than every 3.x and 4.x.
        {"2007.2", "3.0.0", 1},  {"2007.2", "3.1.0", 1},    {"2007.2", "4.0.0", 1},   {"2007.2", "2007.2", 0},
        {"3.0.10", "3.0.9", 1},  {"3.1", "3.1.0", 0},       {" 3.1.0 ", "3.1.0", 0},  {"03.1.0", "3.1.0", 0},
        {"3.1.0b", "3.1.0", 1},  {"beta", "3.0.0", -1},     {"99999999999999999999.1", "2007.2", 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.a) + " x " + c.b);
        EXPECT_EQ(CompararVersoes(QString::fromLatin1(c.a), QString::fromLatin1(c.b)), c.esperado);
        EXPECT_EQ(CompararVersoes(QString::fromLatin1(c.b), QString::fromLatin1(c.a)), -c.esperado);
    }
    EXPECT_TRUE(VersaoAnterior(QString(), QStringLiteral("3.0.0")));
    EXPECT_FALSE(VersaoAnterior(QStringLiteral("2007.2"), QStringLiteral("3.1.0")));
}
