// How the export writes values and splits long records.

#include "exportacao_apoio.h"

#include "exportacao/FormatacaoExportacao.h"

using namespace kelpa;
using namespace kelpa::FormatacaoExportacao;

namespace {

TEST(ExportacaoFormato, RealComPontoEDuasCasas)
{
    const struct {
        double valor;
        const char *texto;
    } casos[] = {
        {1234.5, "1234.50"},     {0.0, "0.00"},          {-0.0, "0.00"},         {-0.5, "-0.50"},
        {0.005, "0.01"},         {0.004999, "0.00"},     {-0.001, "0.00"},       {1.005, "1.01"},
        {2.675, "2.68"},         {0.125, "0.13"},        {99.995, "100.00"},     {-99.995, "-100.00"},
        {1234567.891, "1234567.89"}, {12345678901234.5, "12345678901234.50"}, {1e15, "1000000000000000.00"},
        {0.1 + 0.2, "0.30"},     {7.0, "7.00"},          {-1234.5678, "-1234.57"}, {9.999, "10.00"},
        {1e-10, "0.00"},         {0.0049999999999999, "0.00"},
    };
    for (const auto &c : casos) {
        QByteArray saida("x");
        anexarReal(saida, c.valor);
        EXPECT_EQ(saida, QByteArray("x") + c.texto) << c.valor;
    }
}

TEST(ExportacaoFormato, InteiroEData)
{
    QByteArray saida;
    anexarInteiro(saida, -9223372036854775807LL);
    anexarInteiro(saida, 0);
    EXPECT_EQ(saida, QByteArray("-92233720368547758070"));

    const struct {
        const char *iso;
        const char *texto;
    } datas[] = {
        {"2006-04-01", "01/04/2006"}, {"2004-02-29", "29/02/2004"}, {"2006-12-31 00:00:00", "31/12/2006"},
        {"2006-12-31T10:00", "31/12/2006"}, {"2006-02-30", ""}, {"01/04/2006", ""}, {"2006-4-1", ""},
        {"", ""}, {"abcd-ef-gh", ""}, {"2006-04-01x", ""},
    };
    for (const auto &d : datas) {
        QByteArray s;
        anexarData(s, QByteArrayView(d.iso));
        EXPECT_EQ(s, QByteArray(d.texto)) << d.iso;
    }
}

TEST(ExportacaoFormato, TextoTrocaQuebrasEBarraPorBranco)
{
    QByteArray s;
    anexarTexto(s, QByteArrayView("|a\n"));
    EXPECT_EQ(s, QByteArray(" a "));
    s.clear();
    anexarTexto(s, QString::fromUtf16(u"Linha 1\r\nLinha 2 | Assistência €").toUtf8());
    EXPECT_EQ(s, QByteArray("Linha 1  Linha 2   Assist\xEAncia \x80"));
}

TEST(ExportacaoFormato, TipoPelaDeclaracao)
{
    const struct {
        const char *declarado;
        TipoCampo tipo;
    } casos[] = {
        {"TEXT(6)", TipoCampo::Texto},      {"TEXT", TipoCampo::Texto},         {"VARCHAR(10)", TipoCampo::Texto},
        {"MEMO", TipoCampo::Texto},         {"INTEGER", TipoCampo::Inteiro},    {"integer", TipoCampo::Inteiro},
        {"SMALLINT", TipoCampo::Inteiro},   {"DOUBLE", TipoCampo::Real},        {"REAL", TipoCampo::Real},
        {"FLOAT", TipoCampo::Real},         {"NUMERIC(10,2)", TipoCampo::Real}, {"CURRENCY", TipoCampo::Real},
        {"DECIMAL", TipoCampo::Real},       {"DATE", TipoCampo::Data},          {"DATETIME", TipoCampo::Data},
        {"TIMESTAMP", TipoCampo::Data},     {"TIME", TipoCampo::Outro},         {"BOOLEAN", TipoCampo::Outro},
        {"BLOB", TipoCampo::Outro},         {"", TipoCampo::SemDeclaracao},
    };
    for (const auto &c : casos)
        EXPECT_EQ(tipoPorDeclaracao(QByteArrayView(c.declarado)), c.tipo) << c.declarado;
}

// A record of `comprimento` bytes: prefix + "3" + a recognisable text.
QByteArray registro(qsizetype comprimento, const QByteArray &prefixo = {})
{
    QByteArray r = prefixo + "3";
    for (qsizetype i = r.size(); i < comprimento; ++i)
        r += char('a' + i % 26);
    return r;
}

TEST(ExportacaoFormato, RegistroDe1950CabeNumaLinha)
{
    const QByteArray r = registro(1950);
    EXPECT_EQ(linhasDoRegistro(r, {}), QList<QByteArray>{r});
}

TEST(ExportacaoFormato, RegistroDe1951ViraDuasFracoes)
{
    const QByteArray r = registro(1951);
    const QList<QByteArray> linhas = linhasDoRegistro(r, {});
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_EQ(linhas.at(0), "3<#frac(0102)#>" + r.mid(1, 1933));
    EXPECT_EQ(linhas.at(1), "<#frac(0202)#>" + r.mid(1 + 1933));
    EXPECT_EQ(r.mid(1 + 1933).size(), 17);
}

TEST(ExportacaoFormato, ContagemDasFracoesComoEscrita)
{
    // n = (c div 1950) + (2 when c mod 1950 is not 0, else 1), c = length - 1933.
    const struct {
        qsizetype comprimento;
        int linhas;
        qsizetype ultima; // bytes of text on the last line
    } casos[] = {
        {1951, 2, 17},
        {3883, 2, 1949},  // c = 1950: fits in two
        {3884, 3, 0},     // c = 1951: one line more than the text needs, with its mark only
        {3885, 3, 1},
        {5833, 3, 1949},
        {5834, 4, 0},
    };
    for (const auto &c : casos) {
        const QByteArray r = registro(c.comprimento);
        const QList<QByteArray> linhas = linhasDoRegistro(r, {});
        ASSERT_EQ(linhas.size(), c.linhas) << c.comprimento;
        const QByteArray marca = "<#frac(" + QByteArray::number(c.linhas).rightJustified(2, '0')
                                 + QByteArray::number(c.linhas).rightJustified(2, '0') + ")#>";
        EXPECT_EQ(linhas.last(), marca + r.right(c.ultima)) << c.comprimento;
        QByteArray juntas = linhas.at(0).mid(15);
        for (int k = 1; k < linhas.size(); ++k)
            juntas += linhas.at(k).mid(14);
        EXPECT_EQ("3" + juntas, r) << c.comprimento; // nothing lost, nothing added
    }
}

TEST(ExportacaoFormato, PrefixoSoNaPrimeiraFracao)
{
    const QByteArray r = registro(1951, "AB");
    const QList<QByteArray> linhas = linhasDoRegistro(r, "AB");
    ASSERT_EQ(linhas.size(), 2); // c counts the prefix: 1951 - 1933 = 18
    EXPECT_EQ(linhas.at(0), "AB3<#frac(0102)#>" + r.mid(3, 1933));
    EXPECT_EQ(linhas.at(1), "<#frac(0202)#>" + r.mid(3 + 1933));
}

} // namespace
