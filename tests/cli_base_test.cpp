// kelpa-cli's own commands and its exit codes.

#include "apoio/ExecutaCli.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kelpa::teste::executarCli;

TEST(CliBase, InitCreatesADatabaseAndRefusesAnOccupiedDirectory)
{
    QTemporaryDir home;
    QTemporaryDir dados;
    const QStringList globais = {QStringLiteral("--home"), home.path(), QStringLiteral("--dir"), dados.path()};

    auto saida = executarCli(globais + QStringList{QStringLiteral("init")});
    ASSERT_EQ(saida.codigo, 0) << saida.err.toStdString();
    const QString arquivo = dados.filePath(QStringLiteral("Kelpa.db"));
    ASSERT_TRUE(QFileInfo::exists(arquivo));
    const QDateTime criado = QFileInfo(arquivo).lastModified();

    saida = executarCli(globais + QStringList{QStringLiteral("init"), QStringLiteral("--demo")});
    EXPECT_EQ(saida.codigo, 2);
    EXPECT_TRUE(saida.err.contains(QStringLiteral("já existe uma base de dados")));
    EXPECT_EQ(QFileInfo(arquivo).lastModified(), criado);
    EXPECT_FALSE(QFileInfo::exists(home.filePath(QStringLiteral("Kelpa.ini"))));

    saida = executarCli(globais + QStringList{QStringLiteral("info")});
    EXPECT_EQ(saida.codigo, 0);
    EXPECT_TRUE(saida.out.contains(QStringLiteral("Versão: 2007.2 de 01/01/2007")));
    EXPECT_TRUE(saida.out.contains(QStringLiteral("(nenhuma)")));
}

TEST(CliBase, DemoRegistersTheOperatorAndSelectsItInTheIni)
{
    QTemporaryDir home;
    auto saida = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("init"), QStringLiteral("--demo")});
    ASSERT_EQ(saida.codigo, 0) << saida.err.toStdString();
    // Without --dir the database goes where Kelpa.ini points: the home.
    EXPECT_TRUE(QFileInfo::exists(home.filePath(QStringLiteral("Kelpa.db"))));
    QFile ini(home.filePath(QStringLiteral("Kelpa.ini")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(texto.contains(QStringLiteral("\nOperadora=345678\n")));
    EXPECT_TRUE(texto.contains(QStringLiteral("\nDiretorioBase=") + home.path() + QStringLiteral("/\n")));

    saida = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("info")});
    EXPECT_EQ(saida.codigo, 0);
    EXPECT_TRUE(saida.out.contains(QStringLiteral("345678  96.943.342/0001-14  Saúde Exemplo Assistência Médica Ltda.")));
}

TEST(CliBase, BadUseExitsWithTwo)
{
    QTemporaryDir vazio;
    const QStringList home = {QStringLiteral("--home"), vazio.path()};
    struct Caso {
        QStringList argumentos;
        const char *mensagem;
    };
    const Caso casos[] = {
        {{}, "Uso:"},
        {{QStringLiteral("inventado")}, "comando desconhecido"},
        {{QStringLiteral("init"), QStringLiteral("--inventada")}, "opção desconhecida"},
        {{QStringLiteral("info")}, "não há base de dados"},
        {{QStringLiteral("--dir")}, "opção inválida ou sem valor"},
    };
    for (const Caso &c : casos) {
        const auto saida = executarCli(home + c.argumentos);
        EXPECT_EQ(saida.codigo, 2) << c.argumentos.join(u' ').toStdString();
        EXPECT_TRUE(saida.err.contains(QString::fromUtf8(c.mensagem))) << saida.err.toStdString();
    }
    EXPECT_EQ(executarCli({QStringLiteral("help")}).codigo, 0);
}
