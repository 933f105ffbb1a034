// Amounts: what a typed text becomes once stored, exact arithmetic, pt-BR texts.

#include "demonstracoes_apoio.h"
#include "quadros/demonstracoes/Moeda.h"

#include <gtest/gtest.h>

using namespace kelpa;

namespace {

struct Digitado {
    const char *texto;
    qint64 centavos; // what the quadro stores
};

const Digitado casosDigitados[] = {
    // Cut toward zero on the decimal value: binary floating point would store 1,12.
    {"1,13", 113},
    {"0,29", 29},
    {"4,35", 435},
    {"12,349", 1234},
    {"-12,349", -1234},
    {"1234,567", 123456},
    {"0,009", 0},
    {"-0,009", 0},
    // Thousands grouped with "." are read, not stored as 0.
    {"1.234,56", 123456},
    {"1.234.567,89", 123456789},
    {"-1.234,5", -123450},
    {"1.234", 123400},
    {" 1.000,00 ", 100000},
    // A lone "." that does not group thousands is the decimal point.
    {"12.5", 1250},
    {"0.123", 12},
    {"1234.567", 123456},
    // Plain forms.
    {"1000", 100000},
    {"+7", 700},
    {",5", 50},
    {"12,", 1200},
    {"000123,40", 12340},
    // Not amounts: they count as zero.
    {"", 0},
    {"abc", 0},
    {"1.23,4", 0},
    {"12,34,5", 0},
    {"1.2.3", 0},
    {"--5", 0},
    {",", 0},
    {"R$ 10", 0},
    {"123456789012345678", 0},
};

} // namespace

TEST(DemonstracoesMoeda, TypedTextsAndTheValuesStored)
{
    for (const Digitado &caso : casosDigitados) {
        const Moeda valor = Moeda::lerDigitado(QString::fromUtf8(caso.texto));
        EXPECT_EQ(valor, Moeda::deCentavos(caso.centavos)) << '"' << caso.texto << "\" gave " << valor.dezMilesimos();
        // And what goes to the database is exactly the cents, as a double.
        EXPECT_DOUBLE_EQ(valor.reais(), static_cast<double>(caso.centavos) / 100.0) << caso.texto;
    }
}

TEST(DemonstracoesMoeda, ReadingKeepsFourDecimalsAndRefusesNonAmounts)
{
    EXPECT_EQ(Moeda::ler(QStringLiteral("1,23456"))->dezMilesimos(), 12345);
    EXPECT_EQ(Moeda::ler(QStringLiteral("-0,0001"))->dezMilesimos(), -1);
    EXPECT_FALSE(Moeda::ler(QStringLiteral("1,2,3")).has_value());
    EXPECT_FALSE(Moeda::ler(QStringLiteral("")).has_value());
    EXPECT_FALSE(Moeda::ler(QStringLiteral("-")).has_value());
}

TEST(DemonstracoesMoeda, ExactSumsAndTexts)
{
    // Ten times 0,10 is exactly 1,00; in doubles it is not.
    Moeda soma;
    for (int i = 0; i < 10; ++i)
        soma += Moeda::deReais(0.1);
    EXPECT_EQ(soma, Moeda::deCentavos(100));

    EXPECT_EQ(Moeda::deCentavos(123456).texto(), QStringLiteral("1.234,56"));
    EXPECT_EQ(Moeda::deCentavos(-50).texto(), QStringLiteral("-0,50"));
    EXPECT_EQ(Moeda().texto(), QStringLiteral("0,00"));
    EXPECT_EQ(Moeda::deCentavos(123456789).textoSemAgrupamento(), QStringLiteral("1234567,89"));

    EXPECT_EQ(Moeda::deDezMilesimos(12349).truncadaEmCentavos(), Moeda::deCentavos(123));
    EXPECT_EQ(Moeda::deDezMilesimos(-12349).truncadaEmCentavos(), Moeda::deCentavos(-123));
    EXPECT_EQ(Moeda::deDezMilesimos(12350).arredondadaEmCentavos(), Moeda::deCentavos(124));
    EXPECT_EQ(Moeda::deDezMilesimos(-12350).arredondadaEmCentavos(), Moeda::deCentavos(-124));
    EXPECT_EQ(Moeda::deDezMilesimos(40).arredondadaEmCentavos(), Moeda());

    // Stored doubles come back to the nearest ten-thousandth; empty is zero.
    EXPECT_EQ(Moeda::doBanco(QVariant(1234.56)), Moeda::deCentavos(123456));
    EXPECT_EQ(Moeda::doBanco(QVariant(0.1 + 0.2)), Moeda::deCentavos(30));
    EXPECT_EQ(Moeda::doBanco(QVariant()), Moeda());
    EXPECT_EQ(Moeda::doBanco(QVariant(QStringLiteral("x"))), Moeda());
}
