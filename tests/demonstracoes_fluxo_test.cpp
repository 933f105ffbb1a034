// Cash flow (Quadro 15) and ages of balances (Quadro 15A): totals, sign rules, saving.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "app/Utilitarios.h"
#include "app/banco/ErroBanco.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/IdadeSaldo.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");
const QDate primeiro2006(2006, 1, 1);

Moeda reais(qint64 r)
{
    return Moeda::deCentavos(r * 100);
}

} // namespace

TEST(DemonstracoesFluxo, ActivityTotalsCashFlowAndFinalBalance)
{
    BancoTemporario banco;
    FluxoCaixa fluxo(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(fluxo.carregar());
    EXPECT_EQ(fluxo.versao(), primeiro2006);
    for (const QString &campo : FluxoCaixa::camposEntrada())
        EXPECT_TRUE(fluxo.valor(campo).zero());

    // A prior balance of 100, operating 50, investing -20 and financing 0.
    fluxo.informar(QStringLiteral("000"), reais(100));
    fluxo.informar(QStringLiteral("101"), reais(80));
    fluxo.informar(QStringLiteral("105"), reais(30)); // a payment: stored negative
    fluxo.informar(QStringLiteral("201"), reais(10));
    fluxo.informar(QStringLiteral("206"), reais(30));
    fluxo.informar(QStringLiteral("302"), reais(40));
    fluxo.informar(QStringLiteral("308"), reais(40));
    EXPECT_EQ(fluxo.valor(QStringLiteral("105")), reais(-30));
    EXPECT_EQ(fluxo.valor(QStringLiteral("113")), reais(50));
    EXPECT_EQ(fluxo.valor(QStringLiteral("211")), reais(-20));
    EXPECT_EQ(fluxo.valor(QStringLiteral("312")), reais(0));
    EXPECT_EQ(fluxo.valor(QStringLiteral("011")), reais(50));
    EXPECT_EQ(fluxo.valor(QStringLiteral("012")), reais(-20));
    EXPECT_EQ(fluxo.valor(QStringLiteral("014")), reais(30));
    EXPECT_EQ(fluxo.valor(QStringLiteral("015")), reais(130));

    // Entering 1.000,00 in "(-) Pagamentos de Aluguel" lowers the operating total by 1.000,00.
    const EntradaFluxo aluguel = fluxo.informar(QStringLiteral("110"), Moeda::lerDigitado(QStringLiteral("1.000,00")));
    EXPECT_TRUE(aluguel.aceita);
    EXPECT_EQ(aluguel.valor, reais(-1000));
    EXPECT_EQ(fluxo.valor(QStringLiteral("113")), reais(-950));

    // A receipt may not be negative: refused, the field goes back to 0.
    const EntradaFluxo negativo = fluxo.informar(QStringLiteral("101"), reais(-5));
    EXPECT_FALSE(negativo.aceita);
    EXPECT_EQ(negativo.mensagem, FluxoCaixa::MensagemNegativo);
    EXPECT_TRUE(fluxo.valor(QStringLiteral("101")).zero());
    EXPECT_EQ(fluxo.valor(QStringLiteral("113")), reais(-1030));
}

TEST(DemonstracoesFluxo, SavingWritesEveryLineOfTheVersionInOneTransaction)
{
    BancoTemporario banco;
    FluxoCaixa fluxo(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(fluxo.carregar());
    fluxo.informar(QStringLiteral("000"), reais(100));
    fluxo.informar(QStringLiteral("103"), Moeda::lerDigitado(QStringLiteral("12,349")));
    fluxo.gravar();
    // One row per line, the activity totals included, never the summary lines.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) || '|' || SUM(LG_ALTR_TRAM = 'N') FROM TB_FluxoCaixaValor")).toString(),
              QStringLiteral("37|37"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_FLUXO_CAIXA || '=' || VL_CONTA_FLUXO_CAIXA) FROM "
                                           "(SELECT * FROM TB_FluxoCaixaValor WHERE VL_CONTA_FLUXO_CAIXA <> 0 ORDER BY CD_FLUXO_CAIXA)")).toString(),
              QStringLiteral("000=100.0,103=-12.34,113=-12.34"));

    // Changed amounts of transmitted rows become "A"; the others keep their state.
    banco.sql(QStringLiteral("UPDATE TB_FluxoCaixaValor SET LG_ALTR_TRAM = 'T'"));
    FluxoCaixa outra(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(outra.carregar());
    EXPECT_EQ(outra.valor(QStringLiteral("015")), Moeda::deCentavos(8766));
    outra.informar(QStringLiteral("102"), reais(7));
    outra.gravar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_FLUXO_CAIXA) FROM TB_FluxoCaixaValor WHERE LG_ALTR_TRAM = 'A'")).toString(),
              QStringLiteral("102,113"));

    // A refused write leaves every row as it was.
    banco.sql(QStringLiteral("CREATE TRIGGER recusa BEFORE UPDATE ON TB_FluxoCaixaValor WHEN NEW.CD_FLUXO_CAIXA = '305' "
                             "BEGIN SELECT RAISE(ABORT, 'recusado'); END"));
    outra.informar(QStringLiteral("104"), reais(1));
    outra.informar(QStringLiteral("305"), reais(2));
    EXPECT_THROW(outra.gravar(), ErroBanco);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT VL_CONTA_FLUXO_CAIXA FROM TB_FluxoCaixaValor WHERE CD_FLUXO_CAIXA = '104'")).toDouble(), 0.0);
}

TEST(DemonstracoesFluxo, LinesMissingFromTheVersionAreNeitherLoadedNorSaved)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("DELETE FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '112'"));
    FluxoCaixa fluxo(banco.db(), oper, QDate(2006, 4, 1));
    ASSERT_TRUE(fluxo.carregar());
    EXPECT_FALSE(fluxo.existeLinha(QStringLiteral("112")));
    // Without its line the field has no sign rule; it still counts in its page's total.
    fluxo.informar(QStringLiteral("112"), reais(5));
    EXPECT_EQ(fluxo.valor(QStringLiteral("113")), reais(5));
    fluxo.gravar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor WHERE CD_FLUXO_CAIXA = '112'")).toInt(), 0);

    // Before 2006 there is no version at all.
    FluxoCaixa antigo(banco.db(), oper, QDate(2005, 10, 1));
    EXPECT_FALSE(antigo.carregar());
    EXPECT_THROW(antigo.gravar(), ErroBanco);
}

TEST(DemonstracoesIdade, RowAndColumnTotals)
{
    BancoTemporario banco;
    IdadeSaldo idade(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(idade.carregar());
    ASSERT_EQ(idade.linhas().size(), 70);
    // "até 30" is the second bucket of each column: codes 02, 09 and 16 for the plans.
    EXPECT_TRUE(idade.informar(QStringLiteral("02"), reais(100)));
    EXPECT_TRUE(idade.informar(QStringLiteral("09"), reais(50)));
    EXPECT_TRUE(idade.informar(QStringLiteral("16"), reais(25)));
    EXPECT_TRUE(idade.informar(QStringLiteral("08"), reais(10)));
    // The administration fee column never enters the T O T A L column.
    EXPECT_TRUE(idade.informar(QStringLiteral("23"), reais(1000)));
    EXPECT_TRUE(idade.informar(QStringLiteral("57"), reais(3)));
    EXPECT_EQ(idade.totalFaixa(1), reais(175));
    EXPECT_EQ(idade.totalFaixa(0), reais(10));
    EXPECT_EQ(idade.totalGeral(), reais(185));
    EXPECT_EQ(idade.totalColuna(0), reais(100));
    EXPECT_EQ(idade.totalColuna(1), reais(60));
    EXPECT_EQ(idade.totalColuna(3), reais(1000));
    EXPECT_EQ(idade.totalColuna(7), reais(3));

    QString mensagem;
    EXPECT_FALSE(idade.informar(QStringLiteral("02"), reais(-1), &mensagem));
    EXPECT_EQ(mensagem, IdadeSaldo::MensagemNegativo);
    EXPECT_TRUE(idade.valor(QStringLiteral("02")).zero());
    EXPECT_EQ(idade.totalFaixa(1), reais(75));
}

TEST(DemonstracoesIdade, SavingCreatesOneRowPerLineAndStoresNoTotals)
{
    BancoTemporario banco;
    IdadeSaldo idade(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(idade.carregar());
    idade.informar(QStringLiteral("77"), Moeda::lerDigitado(QStringLiteral("1.234,567")));
    idade.gravar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) || '|' || SUM(LG_ALTR_TRAM = 'N') || '|' || SUM(VL_CONTA_IDADE_SALDO) "
                                           "FROM TB_IdadeSaldoValor")).toString(),
              QStringLiteral("70|70|1234.56"));
    banco.sql(QStringLiteral("UPDATE TB_IdadeSaldoValor SET LG_ALTR_TRAM = 'T'"));
    IdadeSaldo outra(banco.db(), oper, primeiro2006);
    ASSERT_TRUE(outra.carregar());
    EXPECT_EQ(outra.totalColuna(9), Moeda::deCentavos(123456));
    outra.informar(QStringLiteral("01"), reais(2));
    outra.gravar();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_IDADE_SALDO) FROM TB_IdadeSaldoValor WHERE LG_ALTR_TRAM = 'A'")).toString(),
              QStringLiteral("01"));

    IdadeSaldo antigo(banco.db(), oper, QDate(2005, 10, 1));
    EXPECT_FALSE(antigo.carregar());
    EXPECT_FALSE(FluxoCaixa::disponivel(QDate(2005, 10, 1)));
    EXPECT_TRUE(FluxoCaixa::disponivel(primeiro2006));
}

TEST(DemonstracoesIdade, InsurersReadTheirOwnCaptions)
{
    EXPECT_EQ(IdadeSaldo::tituloReceber(EhOperadoraDePlanos(QStringLiteral("001234"))), QStringLiteral("Seguros a Receber"));
    EXPECT_EQ(IdadeSaldo::rotulosEventos(EhOperadoraDePlanos(QStringLiteral("001234"))),
              (QStringList{QStringLiteral("Provisão"), QStringLiteral("de Sinistro"), QStringLiteral("a Liquidar")}));
    EXPECT_EQ(IdadeSaldo::tituloReceber(EhOperadoraDePlanos(oper)), QStringLiteral("Faturas e Mensalidades a Receber"));
    EXPECT_EQ(IdadeSaldo::rotulosEventos(EhOperadoraDePlanos(oper)),
              (QStringList{QStringLiteral("Eventos "), QStringLiteral("a"), QStringLiteral("Liquidar")}));
}
