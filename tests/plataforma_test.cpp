#include "plataforma/ArquivoIni.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelpa;

namespace {
QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}
} // namespace

TEST(ArquivoIni, UpdatesInPlaceAndKeepsEveryOtherLine)
{
    ArquivoIni ini;
    ini.setTexto(QStringLiteral("; comentário\r\n[Defaults]\r\nServidorInternet=host\r\nDiretorioBase=C:\\KELPA\\\r\n"
                                "Operadora=\r\n\r\n[Outra]\r\nOperadora=999999\r\n"));
    ini.setValor(QStringLiteral("defaults"), QStringLiteral("OPERADORA"), QStringLiteral("345678"));
    ini.setValor(QStringLiteral("Defaults"), QStringLiteral("Protocolo"), QStringLiteral("7"));
    ini.setValor(QStringLiteral("Nova"), QStringLiteral("Chave"), QStringLiteral("x"));
    EXPECT_EQ(ini.texto().toStdString(),
              "; comentário\n[Defaults]\nServidorInternet=host\nDiretorioBase=C:\\KELPA\\\nOperadora=345678\n"
              "Protocolo=7\n\n[Outra]\nOperadora=999999\n[Nova]\nChave=x\n");
    // Backslashes are kept as written, not escaped.
    EXPECT_EQ(ini.valor(QStringLiteral("DEFAULTS"), QStringLiteral("diretoriobase")), QStringLiteral("C:\\KELPA\\"));
    EXPECT_EQ(ini.valor(QStringLiteral("Outra"), QStringLiteral("Operadora")), QStringLiteral("999999"));
    EXPECT_EQ(ini.valor(QStringLiteral("Defaults"), QStringLiteral("Ausente"), QStringLiteral("p")), QStringLiteral("p"));
    EXPECT_FALSE(ini.contem(QStringLiteral("Defaults"), QStringLiteral("Ausente")));
}

TEST(ArquivoIni, SavesAtomicallyAndReadsBack)
{
    QTemporaryDir dir;
    const QString caminho = dir.filePath(QStringLiteral("Kelpa.ini"));
    ArquivoIni ini(caminho);
    ASSERT_TRUE(ini.carregar()); // missing file: empty document
    ini.setValor(QStringLiteral("Defaults"), QStringLiteral("Operadora"), QStringLiteral("345678"));
    ASSERT_TRUE(ini.salvar());
    EXPECT_EQ(lerArquivo(caminho), QStringLiteral("[Defaults]\nOperadora=345678\n"));
    ArquivoIni relido(caminho);
    ASSERT_TRUE(relido.carregar());
    EXPECT_EQ(relido.secao(QStringLiteral("Defaults")).size(), 1);
}

TEST(CaminhosPrograma, FindsFilesWithoutRegardToCase)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("KELPA.INI")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(CaminhosPrograma::localizar(dir.path(), QStringLiteral("Kelpa.ini")), dir.filePath(QStringLiteral("KELPA.INI")));
    EXPECT_TRUE(CaminhosPrograma::existe(dir.path(), QStringLiteral("kelpa.ini")));
    EXPECT_FALSE(CaminhosPrograma::existe(dir.path(), QStringLiteral("Kelpa.db")));
    EXPECT_EQ(CaminhosPrograma::localizar(dir.path(), QStringLiteral("Kelpa.db")), dir.filePath(QStringLiteral("Kelpa.db")));
    EXPECT_FALSE(CaminhosPrograma::existe(QString(), QStringLiteral("Kelpa.db")));
}

TEST(FormatoBR, WritesBrazilianNumbersAndDatesWhateverTheLocale)
{
    EXPECT_EQ(FormatoBR::valor(1234567.891), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(FormatoBR::valor(-0.5), QStringLiteral("-0,50"));
    EXPECT_EQ(FormatoBR::valor(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(FormatoBR::inteiro(1234), QStringLiteral("1.234"));
    EXPECT_EQ(FormatoBR::data(QDate(2006, 4, 1)), QStringLiteral("01/04/2006"));
    EXPECT_EQ(FormatoBR::data(QDate()), QString());
}

TEST(FormatoBR, ReadsWhatPeopleType)
{
    struct Caso {
        const char *texto;
        std::optional<double> esperado;
    };
    const Caso casos[] = {
        {"1.234,56", 1234.56}, {"1234,56", 1234.56}, {"-12", -12.0}, {"0,5", 0.5},
        {"1.234.567", 1234567.0}, {"", std::nullopt}, {"12a", std::nullopt}, {"1,2,3", std::nullopt},
        {"12.34", std::nullopt}, // a dot groups thousands: "12.34" is a typing error, not 12,34
    };
    for (const Caso &c : casos)
        EXPECT_EQ(FormatoBR::lerValor(QString::fromUtf8(c.texto)), c.esperado) << c.texto;

    EXPECT_EQ(FormatoBR::lerData(QStringLiteral("31/12/2006")), QDate(2006, 12, 31));
    EXPECT_EQ(FormatoBR::lerData(QStringLiteral("1/4/2006")), QDate(2006, 4, 1));
    EXPECT_FALSE(FormatoBR::lerData(QStringLiteral("31/02/2006")).has_value());
    EXPECT_FALSE(FormatoBR::lerData(QStringLiteral("2006-12-31")).has_value());
    EXPECT_FALSE(FormatoBR::lerData(QStringLiteral("  /  /    ")).has_value());
}
