// The demo operator's two quarters: balanced, consistent across quadros, and what
// kelpa-cli init --demo leaves in a new database.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"
#include "apoio/ExecutaCli.h"

#include "app/BaseDemonstracao.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "quadros/demonstracoes/DadosFinanceirosDemonstracao.h"
#include "quadros/demonstracoes/DemonstracaoContabil.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/IdadeSaldo.h"
#include "quadros/demonstracoes/InformacoesGerais.h"
#include "quadros/demonstracoes/ProvisoesTecnicas.h"
#include "quadros/demonstracoes/RegrasModalidade.h"
#include "quadros/demonstracoes/TrimestresEconomicos.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;

namespace {

const QString oper = QStringLiteral("345678");

Moeda conta(const QSqlDatabase &db, const QDate &t, const QStringList &referencias)
{
    Moeda soma;
    Consulta q(db, QStringLiteral("SELECT CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA FROM PLANOCONTASVALOR "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN = :DTVIGN"));
    q.bind(QStringLiteral(":CDOPER"), oper).bind(QStringLiteral(":DTVIGN"), t);
    q.executar();
    int encontradas = 0;
    while (q.proxima())
        if (referencias.contains(q.texto(QStringLiteral("CD_CONTA_REFERENCIA")))) {
            soma += Moeda::doBanco(q.valor(1));
            ++encontradas;
        }
    EXPECT_EQ(encontradas, referencias.size()) << referencias.join(u',').toStdString();
    return soma;
}

class DemonstracoesDemo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BaseDemonstracao::criar(banco.db());
        DadosFinanceirosDemonstracao::criar(banco.db(), oper);
    }
    BancoTemporario banco;
    const QDate q4de2006{2006, 10, 1};
    const QDate q1de2007{2007, 1, 1};
};

} // namespace

TEST_F(DemonstracoesDemo, TwoQuartersEachInItsChartVersion)
{
    EXPECT_EQ(TrimestresEconomicos::Lista(banco.db(), oper), (QList<QDate>{q1de2007, q4de2006}));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(DISTINCT DT_INIC_VIGN || '>' || DT_INIC_VIGN_PLANO) FROM "
                                           "(SELECT * FROM PLANOCONTASVALOR ORDER BY DT_INIC_VIGN)")).toString(),
              QStringLiteral("2006-10-01>2001-01-01,2007-01-01>2007-01-01"));
    // The quadros apply to this operator, and the chart-of-accounts gate stays open.
    EXPECT_FALSE(RegraModalidade::demonstracoes().dispensada(banco.db(), oper));
    EXPECT_FALSE(RegraModalidade::contraprestacoes().dispensada(banco.db(), oper));
}

TEST_F(DemonstracoesDemo, StatementsBalanceAndEveryTotalAddsUp)
{
    for (const QDate &t : {q4de2006, q1de2007}) {
        for (const QChar tipo : {u'A', u'P', u'R'}) {
            DemonstracaoContabil d(banco.db(), oper, t, tipo);
            d.carregar();
            // Every computed account is the sum of its children.
            for (const ContaDemonstracao &c : d.contas()) {
                Moeda soma;
                bool temFilhos = false;
                for (const ContaDemonstracao &f : d.contas())
                    if (f.compoe == c.referencia) {
                        soma += f.valor;
                        temFilhos = true;
                    }
                if (temFilhos) {
                    EXPECT_EQ(c.valor, soma) << c.referencia.toStdString();
                }
                if (c.deducao()) {
                    EXPECT_FALSE(c.valor.positivo()) << c.referencia.toStdString();
                }
            }
            EXPECT_EQ(d.criticar().resultado, CriticaDemonstracao::Aceita) << tipo.toLatin1();
        }
        const Moeda ativo = conta(banco.db(), t, {QStringLiteral("19000")});
        EXPECT_TRUE(ativo.positivo());
        EXPECT_EQ(ativo, conta(banco.db(), t, {QStringLiteral("29000")}));
        EXPECT_EQ(conta(banco.db(), t, {QStringLiteral("19100")}), conta(banco.db(), t, {QStringLiteral("29100")}));
        EXPECT_FALSE(conta(banco.db(), t, {QStringLiteral("39000")}).zero());
    }
    // The quarter's net result feeds the accumulated results.
    EXPECT_EQ(conta(banco.db(), q1de2007, {QStringLiteral("25018")}),
              conta(banco.db(), q4de2006, {QStringLiteral("25018")}) + conta(banco.db(), q1de2007, {QStringLiteral("39000")}));
}

TEST_F(DemonstracoesDemo, QuadrosAgreeWithEachOther)
{
    struct Vinculo {
        QDate trimestre;
        QStringList contas;
        int primeiraColuna, ultimaColuna; // columns of Quadro 15A
    };
    const QList<Vinculo> vinculos = {
        {q4de2006, {"10810"}, 0, 2},
        {q4de2006, {"10911", "10901"}, 3, 3},
        {q4de2006, {"10921", "10922", "10923", "10924"}, 4, 4},
        {q4de2006, {"11010", "11020", "11030"}, 5, 5},
        {q4de2006, {"20440"}, 6, 6},
        {q4de2006, {"20950"}, 7, 7},
        {q4de2006, {"21000"}, 8, 8},
        {q4de2006, {"21100"}, 9, 9},
        {q1de2007, {"123110"}, 0, 2},
        {q1de2007, {"123310", "123510"}, 3, 3},
        {q1de2007, {"123710", "123720", "123730", "123740", "123741"}, 4, 4},
        {q1de2007, {"123911", "123939", "12411", "12416"}, 5, 5},
        {q1de2007, {"21200"}, 6, 6},
        {q1de2007, {"21304"}, 7, 7},
        {q1de2007, {"21303"}, 8, 8},
        {q1de2007, {"21305", "21400"}, 9, 9},
    };
    for (const Vinculo &v : vinculos) {
        IdadeSaldo idade(banco.db(), oper, v.trimestre);
        ASSERT_TRUE(idade.carregar());
        Moeda colunas;
        for (int c = v.primeiraColuna; c <= v.ultimaColuna; ++c)
            colunas += idade.totalColuna(c);
        EXPECT_TRUE(colunas.positivo());
        EXPECT_EQ(conta(banco.db(), v.trimestre, v.contas), colunas) << v.contas.join(u',').toStdString();
    }

    // Quadro 8 against the net consideration of the income statement.
    for (const auto &[t, contaReceita] : {std::pair{q4de2006, QStringLiteral("30200")}, std::pair{q1de2007, QStringLiteral("31001")}}) {
        const Moeda quadro8 = Moeda::doBanco(banco.escalar(
            QStringLiteral("SELECT SUM(COALESCE(VL_RECT_PRE,0) + COALESCE(VL_RECT_OUTR,0) + COALESCE(VL_RECT_PRE_ODON,0) + "
                           "COALESCE(VL_RECT_OUTR_ODON,0)) FROM RECEITASDESPESASUF WHERE DT_INIC_VIGN = '%1'")
                .arg(t.toString(Qt::ISODate))));
        EXPECT_TRUE(quadro8.positivo());
        EXPECT_EQ(quadro8, conta(banco.db(), t, {contaReceita}));
    }

    // The cash flow ends on Caixa + Bancos, and the next quarter starts from there.
    FluxoCaixa fluxo2006(banco.db(), oper, q4de2006);
    FluxoCaixa fluxo2007(banco.db(), oper, q1de2007);
    ASSERT_TRUE(fluxo2006.carregar());
    ASSERT_TRUE(fluxo2007.carregar());
    EXPECT_EQ(fluxo2006.valor(QStringLiteral("015")), conta(banco.db(), q4de2006, {QStringLiteral("10210"), QStringLiteral("10220")}));
    EXPECT_EQ(fluxo2007.valor(QStringLiteral("000")), fluxo2006.valor(QStringLiteral("015")));
    EXPECT_EQ(fluxo2007.valor(QStringLiteral("015")), conta(banco.db(), q1de2007, {QStringLiteral("12110"), QStringLiteral("12120")}));
    for (FluxoCaixa *f : {&fluxo2006, &fluxo2007})
        for (const LinhaFluxoCaixa &l : f->linhas()) {
            if (l.natureza == u"C") {
                EXPECT_FALSE(f->valor(l.codigo).negativo()) << l.codigo.toStdString();
            }
            if (l.natureza == u"D") {
                EXPECT_FALSE(f->valor(l.codigo).positivo()) << l.codigo.toStdString();
            }
        }
}

TEST_F(DemonstracoesDemo, TechnicalProvisionsOf2006MatchTheLiabilitiesAndEveryQuarterHasItsEmployees)
{
    ProvisoesTecnicas provisoes2006(banco.db(), oper, q4de2006);
    ASSERT_TRUE(provisoes2006.ler());
    EXPECT_EQ(provisoes2006.total(), conta(banco.db(), q4de2006, {QStringLiteral("20100"), QStringLiteral("20480")}));
    EXPECT_EQ(provisoes2006.valor(ProvisoesTecnicas::Outras),
              provisoes2006.valor(ProvisoesTecnicas::Remissao) + provisoes2006.valor(ProvisoesTecnicas::RemOutras));
    EXPECT_TRUE(provisoes2006.valor(ProvisoesTecnicas::Remissao).positivo());
    // From 2007 the provisions are in the liabilities only.
    EXPECT_FALSE(ProvisoesTecnicas(banco.db(), oper, q1de2007).ler());

    for (const QDate &t : {q4de2006, q1de2007}) {
        InformacoesGerais informacoes(banco.db(), oper, t);
        informacoes.carregar();
        EXPECT_GT(informacoes.dados().funcionarios.value_or(0), 0) << t.toString(Qt::ISODate).toStdString();
    }
}

TEST(DemonstracoesDemoCli, InitDemoGivesTheOperatorItsQuarters)
{
    QTemporaryDir home;
    const auto saida = teste::executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("init"), QStringLiteral("--demo")});
    ASSERT_EQ(saida.codigo, 0) << saida.err.toStdString();
    auto conexao = ConexaoBanco::abrir(home.filePath(QStringLiteral("Kelpa.db")));
    // The registration may bring a first quarter of its own; the two filled ones are the newest.
    EXPECT_EQ(TrimestresEconomicos::Lista(conexao->db(), oper).mid(0, 2), (QList<QDate>{QDate(2007, 1, 1), QDate(2006, 10, 1)}));
    Consulta balanco(conexao->db(), QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR A JOIN PLANOCONTASVALOR P "
                                                   "ON P.DT_INIC_VIGN = A.DT_INIC_VIGN AND P.CD_CONTA_REFERENCIA = '29000' "
                                                   "WHERE A.CD_CONTA_REFERENCIA = '19000' AND A.VL_CONTA_REFERENCIA = P.VL_CONTA_REFERENCIA "
                                                   "AND A.VL_CONTA_REFERENCIA > 0"));
    ASSERT_TRUE(balanco.primeira());
    EXPECT_EQ(balanco.valor(0).toInt(), 2);
    Consulta q(conexao->db(), QStringLiteral("SELECT COUNT(*) FROM TB_IdadeSaldoValor WHERE VL_CONTA_IDADE_SALDO <> 0"));
    ASSERT_TRUE(q.primeira());
    EXPECT_GT(q.valor(0).toInt(), 80);
}
