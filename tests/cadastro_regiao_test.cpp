// The region-of-operation rule as a table of cases, the stored list of municipalities
// of operation, and the accent-blind municipality search.

#include "apoio/BancoTemporario.h"
#include "cadastro_apoio.h"

#include "quadros/cadastro/Municipios.h"
#include "quadros/cadastro/RegiaoAtuacao.h"

#include <QHash>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

// States of known size; municipality codes made up per state, capitals where the rule needs them.
const QHash<QString, int> kTotais = {{"AC", 22}, {"AP", 16}, {"RR", 15}, {"SP", 645}, {"RJ", 92}, {"MG", 853},
                                     {"BA", 417}, {"PR", 399}, {"RS", 497}, {"C5", 5},  {"C4", 4}};

QList<Municipio> do_estado(const QString &uf, int quantos, int primeiro = 1)
{
    QList<Municipio> lista;
    static const QStringList ordem = {"AC", "AP", "RR", "SP", "RJ", "MG", "BA", "PR", "RS", "C5", "C4"};
    const int base = (static_cast<int>(ordem.indexOf(uf)) + 10) * 100000;
    for (int i = 0; i < quantos; ++i)
        lista << Municipio{base + primeiro + i, QStringLiteral("M%1").arg(i), uf};
    return lista;
}

QList<Municipio> maisDaMetade(const QString &uf)
{
    return do_estado(uf, kTotais.value(uf) / 2 + 1);
}

const Municipio kSaoPaulo{3550308, QStringLiteral("São Paulo"), QStringLiteral("SP")};
const Municipio kCuritiba{4106902, QStringLiteral("Curitiba"), QStringLiteral("PR")};

struct CasoRegiao {
    const char *descricao;
    QList<Municipio> municipios;
    int regiao;
};

} // namespace

TEST(RegiaoAtuacao, RuleTable)
{
    const auto total = [](const QString &uf) { return kTotais.value(uf); };
    const QList<CasoRegiao> casos = {
        {"nothing chosen", {}, 0},
        {"only the capital of SP", {kSaoPaulo}, 4},
        {"a large capital among a few municipalities of two states", {kCuritiba, do_estado("MG", 3).first(), do_estado("MG", 3).last()}, 4},
        {"one municipality, not a capital", do_estado("MG", 1), 6},
        {"two municipalities, no capital", do_estado("MG", 2), 5},
        {"two municipalities of two states, no capital", do_estado("MG", 1) + do_estado("BA", 1), 5},
        {"every municipality of AC", do_estado("AC", 22), 3},
        {"more than half of AC", maisDaMetade("AC"), 3},
        {"exactly half of AC is not covered", do_estado("AC", 11), 5},
        {"every municipality of SP", do_estado("SP", 645), 2},
        {"more than half of SP and the capital", maisDaMetade("SP") + QList<Municipio>{kSaoPaulo}, 2},
        {"two small states covered", maisDaMetade("AC") + maisDaMetade("AP"), 2},
        {"three large states covered", maisDaMetade("RJ") + maisDaMetade("SP") + maisDaMetade("MG"), 1},
        {"three small states covered", maisDaMetade("AC") + maisDaMetade("AP") + maisDaMetade("RR"), 2},
        {"two large and one small covered", maisDaMetade("RJ") + maisDaMetade("SP") + maisDaMetade("AC"), 2},
        {"BA, PR and RS covered", maisDaMetade("BA") + maisDaMetade("PR") + maisDaMetade("RS"), 1},
        {"a state of 5 is covered from 3", do_estado("C5", 3), 3},
        {"a state of 5 is not covered by 2", do_estado("C5", 2), 5},
        {"a state of 4 is covered from 3", do_estado("C4", 3), 3},
        {"a state of 4 is not covered by 2", do_estado("C4", 2), 5},
        {"a municipality listed twice counts once", do_estado("C4", 2) + do_estado("C4", 1, 2), 5},
    };
    for (const auto &caso : casos)
        EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(caso.municipios, total), caso.regiao) << caso.descricao;
}

TEST(RegiaoAtuacao, TextOfTheRegion)
{
    EXPECT_EQ(RegiaoAtuacao::TextoRegiao(1), QStringLiteral("REGIÃO 1"));
    EXPECT_EQ(RegiaoAtuacao::TextoRegiao(6), QStringLiteral("REGIÃO 6"));
    EXPECT_EQ(RegiaoAtuacao::TextoRegiao(0), QString());
    EXPECT_EQ(RegiaoAtuacao::TextoRegiao(7), QString());
}

TEST(RegiaoAtuacao, RuleWithTheRealMunicipalityTable)
{
    BancoTemporario banco;
    const auto acre = Municipios::DoEstado(banco.db(), QStringLiteral("AC"));
    ASSERT_EQ(acre.size(), 22);
    EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(banco.db(), acre), 3);
    EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(banco.db(), Municipios::DoEstado(banco.db(), QStringLiteral("SP"))), 2);
    EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(banco.db(), {*Municipios::PorCodigo(banco.db(), 3550308)}), 4);
    EXPECT_EQ(RegiaoAtuacao::CalculaRegiao(banco.db(), Municipios::DoEstado(banco.db(), QStringLiteral("DF"))), 3);
}

TEST(RegiaoAtuacao, SavingTheListKeepsTheRowsThatStayAndTouchesNoOtherPeriod)
{
    BancoTemporario banco;
    const QString cod = QStringLiteral("345678");
    const QDate periodo(2006, 1, 1);
    const QDate outro(2005, 1, 1);
    const auto m = [&banco](int id) { return *Municipios::PorCodigo(banco.db(), id); };

    RegiaoAtuacao::Grava(banco.db(), cod, outro, {m(3550308)});
    RegiaoAtuacao::Grava(banco.db(), cod, periodo, {m(3550308), m(3509502), m(1200401)});
    banco.sql(QStringLiteral("UPDATE RL_MUNICIPIO_ATUACAO_OPERADORA SET LG_ALTR_TRAM = 'T' WHERE DT_INIC_VIGN = '2006-01-01' AND ID_MUNC = 3509502"));

    RegiaoAtuacao::Grava(banco.db(), cod, periodo, {m(3509502), m(3304557)});
    const auto lista = RegiaoAtuacao::Carrega(banco.db(), cod, periodo);
    ASSERT_EQ(lista.size(), 2);
    // By state, then name.
    EXPECT_EQ(lista.at(0).id, 3304557);
    EXPECT_EQ(lista.at(1).id, 3509502);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM RL_MUNICIPIO_ATUACAO_OPERADORA WHERE DT_INIC_VIGN = '2006-01-01' "
                                           "AND ID_MUNC = 3509502")).toString(), QStringLiteral("T"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT LG_ALTR_TRAM FROM RL_MUNICIPIO_ATUACAO_OPERADORA WHERE DT_INIC_VIGN = '2006-01-01' "
                                           "AND ID_MUNC = 3304557")).toString(), QStringLiteral("N"));
    EXPECT_EQ(RegiaoAtuacao::Carrega(banco.db(), cod, outro).size(), 1);
    EXPECT_TRUE(RegiaoAtuacao::Carrega(banco.db(), QStringLiteral("312345"), periodo).isEmpty());
}

TEST(Municipios, SearchIgnoresCaseAndAccents)
{
    struct Caso {
        const char *texto;
        const char *chave;
    };
    const Caso casos[] = {
        {"São Paulo", "SAO PAULO"}, {"sao", "SAO"},     {"Açu", "ACU"},
        {"Olho d'Água das Cunhãs", "OLHO D'AGUA DAS CUNHAS"}, {"Mãe d'Água", "MAE D'AGUA"}, {"", ""},
    };
    for (const auto &c : casos)
        EXPECT_EQ(Municipios::ChavePesquisa(QString::fromUtf8(c.texto)), QString::fromUtf8(c.chave)) << c.texto;
    EXPECT_TRUE(Municipios::ComecaCom(QStringLiteral("São Bernardo do Campo"), QStringLiteral("sao b")));
    EXPECT_FALSE(Municipios::ComecaCom(QStringLiteral("Guarulhos"), QStringLiteral("sao")));
}

TEST(Municipios, StateListsAreOrderedByNameAndFilteredByTypedText)
{
    BancoTemporario banco;
    const auto estados = Municipios::Estados(banco.db());
    ASSERT_EQ(estados.size(), 27);
    EXPECT_EQ(estados.first().uf, QStringLiteral("AC"));

    const auto sp = Municipios::DoEstado(banco.db(), QStringLiteral("SP"));
    ASSERT_EQ(sp.size(), 645);
    // Accented initials sort with their letter, not after Z.
    EXPECT_TRUE(Municipios::ChavePesquisa(sp.first().nome).startsWith(u'A'));
    EXPECT_TRUE(Municipios::ChavePesquisa(sp.last().nome).startsWith(u'V') || Municipios::ChavePesquisa(sp.last().nome).startsWith(u'Z'));

    const auto sao = Municipios::Filtrar(sp, QStringLiteral("sao "));
    ASSERT_FALSE(sao.isEmpty());
    for (const auto &m : sao)
        EXPECT_TRUE(Municipios::ChavePesquisa(m.nome).startsWith(QStringLiteral("SAO "))) << m.nome.toStdString();
    EXPECT_TRUE(std::any_of(sao.cbegin(), sao.cend(), [](const Municipio &m) { return m.id == 3550308; }));

    // An apostrophe is just a character of the search, never part of a statement.
    const auto ro = Municipios::DoEstado(banco.db(), QStringLiteral("RO"));
    const auto oeste = Municipios::Filtrar(ro, QStringLiteral("alta floresta d'"));
    ASSERT_EQ(oeste.size(), 1);
    EXPECT_EQ(oeste.first().id, 1100015);
    EXPECT_TRUE(Municipios::DoEstado(banco.db(), QStringLiteral("SP' OR '1'='1")).isEmpty());
    EXPECT_EQ(Municipios::Filtrar(sp, QStringLiteral("   ")).size(), 645);
}
