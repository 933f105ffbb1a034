#include "app/Utilitarios.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kelpa;

TEST(Utilitarios, CompletaZeros)
{
    EXPECT_EQ(CompletaZeros(QStringLiteral("191"), 11), QStringLiteral("00000000191"));
    EXPECT_EQ(CompletaZeros(QStringLiteral("12345"), 3), QStringLiteral("12345"));
    EXPECT_EQ(CompletaZeros(QString(), 2), QStringLiteral("00"));
}

TEST(Utilitarios, DocumentoValido)
{
    struct Caso {
        const char *documento;
        TipoDocumento tipo;
        bool valido;
    };
    const Caso casos[] = {
        // CPF
        {"52998224725", TipoDocumento::Cpf, true},
        {"52998224726", TipoDocumento::Cpf, false},   // wrong last digit
        {"001234567", TipoDocumento::Cpf, false},     // 9 digits are padded: 00001234567 does not check
        {"123456797", TipoDocumento::Cpf, true},      // 9 digits padded to 00123456797
        {"191", TipoDocumento::Cpf, true},            // padded to 00000000191
        {"11111111111", TipoDocumento::Cpf, false},   // one digit repeated, although the digits check
        {"00000000000", TipoDocumento::Cpf, false},
        {"A", TipoDocumento::Cpf, false},             // letters are not digits
        {"5299822472A", TipoDocumento::Cpf, false},
        {"529.982.247-25", TipoDocumento::Cpf, false},// punctuation is never stored
        {"529982247250", TipoDocumento::Cpf, false},  // too long
        {"", TipoDocumento::Cpf, false},
        {"   ", TipoDocumento::Cpf, false},
        {" 52998224725", TipoDocumento::Cpf, false},
        // CNPJ, numeric
        {"11222333000181", TipoDocumento::Cnpj, true},
        {"11222333000182", TipoDocumento::Cnpj, false},
        {"96943342000114", TipoDocumento::Cnpj, true},
        {"112223330001810", TipoDocumento::Cnpj, false}, // 15 characters
        {"11.222.333/0001-81", TipoDocumento::Cnpj, false},
        {"00000000000000", TipoDocumento::Cnpj, false},
        {"11111111111111", TipoDocumento::Cnpj, false},
        // CNPJ, alphanumeric (from July 2026)
        {"12ABC34501DE35", TipoDocumento::Cnpj, true},
        {"12ABC34501DE36", TipoDocumento::Cnpj, false},
        {"12abc34501de35", TipoDocumento::Cnpj, false}, // upper-case letters only
        {"12ABC34501DE3A", TipoDocumento::Cnpj, false}, // check digits stay numeric
        {"12ABC34501D#35", TipoDocumento::Cnpj, false},
        {"AB1CD2EF000170", TipoDocumento::Cnpj, true},
        // A CPF is never alphanumeric, even when the value would check as a CNPJ base
        {"12ABC34501D", TipoDocumento::Cpf, false},
    };
    for (const Caso &c : casos)
        EXPECT_EQ(DocumentoValido(QString::fromUtf8(c.documento), c.tipo), c.valido)
            << c.documento << (c.tipo == TipoDocumento::Cpf ? " (CPF)" : " (CNPJ)");
    EXPECT_FALSE(DocumentoValido(QStringLiteral("52998224725"), 2)); // unknown kind
    EXPECT_TRUE(DocumentoValido(QStringLiteral("52998224725"), 1));
}

TEST(Utilitarios, ValorOuPadrao)
{
    const QVariant padrao(QStringLiteral("padrão"));
    EXPECT_EQ(ValorOuPadrao(QVariant(), padrao), padrao);
    EXPECT_EQ(ValorOuPadrao(QVariant(QMetaType(QMetaType::QString)), padrao), padrao);
    EXPECT_EQ(ValorOuPadrao(QStringLiteral("  /  /    "), padrao), padrao);
    EXPECT_EQ(ValorOuPadrao(QStringLiteral("  /  /  "), padrao), padrao);
    EXPECT_EQ(ValorOuPadrao(QStringLiteral("texto"), padrao), QVariant(QStringLiteral("texto")));
    EXPECT_EQ(ValorOuPadrao(QDate(1900, 12, 31), padrao), padrao);
    EXPECT_EQ(ValorOuPadrao(QDate(1901, 1, 2), padrao), QVariant(QDate(1901, 1, 2)));
    EXPECT_EQ(ValorOuPadrao(0, padrao), QVariant(0));
    EXPECT_EQ(ValorOuPadrao(0.0, padrao), QVariant(0.0));
}

TEST(Utilitarios, FormataDocumento)
{
    EXPECT_EQ(FormataDocumento(QStringLiteral("12345678901")), QStringLiteral("123.456.789-01"));
    EXPECT_EQ(FormataDocumento(QStringLiteral(" 11222333000181 ")), QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("12ABC34501DE35")), QStringLiteral("12.ABC.345/01DE-35"));
    EXPECT_EQ(FormataDocumento(QStringLiteral("1234567890123")), QStringLiteral("1234567890123"));
    EXPECT_EQ(FormataDocumento(QString()), QString());
}

TEST(Utilitarios, TransmissionStateOfAnEditedRow)
{
    EXPECT_EQ(EstadoTransmissaoAoGravar(QStringLiteral("T")), QStringLiteral("A"));
    EXPECT_EQ(EstadoTransmissaoAoGravar(QStringLiteral("A")), QStringLiteral("A"));
    EXPECT_EQ(EstadoTransmissaoAoGravar(QStringLiteral("N")), QStringLiteral("N"));
    EXPECT_EQ(EstadoTransmissaoAoGravar(QString()), QStringLiteral("N"));
}

TEST(Utilitarios, PlanOperatorOrInsurer)
{
    EXPECT_TRUE(EhOperadoraDePlanos(QStringLiteral("999999")));
    EXPECT_TRUE(EhOperadoraDePlanos(QStringLiteral("030001")));
    EXPECT_FALSE(EhOperadoraDePlanos(QStringLiteral("030000")));
    EXPECT_FALSE(EhOperadoraDePlanos(QStringLiteral("001234")));
    EXPECT_FALSE(EhOperadoraDePlanos(QString()));
    EXPECT_FALSE(EhOperadoraDePlanos(QStringLiteral("34A678")));
}
