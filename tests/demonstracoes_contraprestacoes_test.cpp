// Quadro 8, net consideration: state rows, totals, the one-state choice and Cancel.

#include "demonstracoes_apoio.h"
#include "apoio/BancoTemporario.h"

#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"

#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using C = LinhaReceitaUF::Coluna;

namespace {

const QString oper = QStringLiteral("345678");
const QDate trimestre(2007, 1, 1);

QString linhaGuardada(const BancoTemporario &banco, const char *uf)
{
    return banco
        .escalar(QStringLiteral("SELECT COALESCE(VL_RECT_PRE, 'n') || ',' || COALESCE(VL_RECT_OUTR, 'n') || ',' || "
                                "COALESCE(VL_RECT_PRE_ODON, 'n') || ',' || COALESCE(VL_RECT_OUTR_ODON, 'n') || ',' || "
                                "COALESCE(VL_DESP_MEDC_PRE, 'n') || ',' || COALESCE(VL_DESP_MEDC_OUTR, 'n') || ',' || "
                                "COALESCE(VL_DESP_MEDC_PRE_ODON, 'n') || ',' || COALESCE(VL_DESP_MEDC_OUTR_ODON, 'n') || ' ' || "
                                "COALESCE(LG_ALTR_TRAM, '') FROM RECEITASDESPESASUF WHERE CD_UF = '%1'")
                     .arg(QLatin1String(uf)))
        .toString();
}

} // namespace

TEST(DemonstracoesContraprestacoes, ANewQuarterGetsOneEmptyRowPerState)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas q8(banco.db(), oper, trimestre);
    EXPECT_TRUE(q8.criarLinhasFaltantes());
    EXPECT_FALSE(q8.criarLinhasFaltantes());
    q8.carregar();
    ASSERT_EQ(q8.linhas().size(), 27);
    EXPECT_EQ(q8.linhas().first().uf, QStringLiteral("AC"));
    EXPECT_TRUE(q8.linhas().first().vazia());
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT VL_TOTL_BENE_RECT || LG_ALTR_TRAM FROM QUADRORECEITASDESPESASUF")).toString(),
              QStringLiteral("0N"));
    // The quarter's chart rows come with it.
    EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE DT_INIC_VIGN = '2007-01-01'")).toInt(), 100);
}

TEST(DemonstracoesContraprestacoes, AmountsAndTotals)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas q8(banco.db(), oper, trimestre);
    q8.criarLinhasFaltantes();
    q8.carregar();
    EXPECT_TRUE(q8.informarDigitado(QStringLiteral("SP"), C::RectPre, QStringLiteral("1000")));
    EXPECT_TRUE(q8.informarDigitado(QStringLiteral("SP"), C::RectOutrOdon, QStringLiteral("-12.5"))); // the minus is ignored
    EXPECT_TRUE(q8.informar(QStringLiteral("RJ"), C::RectOutr, Moeda::deCentavos(25)));
    EXPECT_FALSE(q8.informar(QStringLiteral("RJ"), C::RectOutr, Moeda::deCentavos(-25)));
    EXPECT_FALSE(q8.informar(QStringLiteral("RJ"), C::DespMedcPre, Moeda::deCentavos(25))); // Quadro 9's column
    const LinhaReceitaUF *sp = q8.linha(QStringLiteral("SP"));
    ASSERT_NE(sp, nullptr);
    EXPECT_EQ(sp->valor(C::RectPre).texto(), QStringLiteral("1.000,00"));
    EXPECT_EQ(sp->totalMedico().texto(), QStringLiteral("1.000,00"));
    EXPECT_EQ(sp->totalOdonto().texto(), QStringLiteral("12,50"));
    EXPECT_EQ(sp->totalLinha().texto(), QStringLiteral("1.012,50"));
    const LinhaReceitaUF total = q8.totais();
    EXPECT_EQ(total.uf, QStringLiteral("Tot"));
    EXPECT_EQ(total.totalMedico().texto(), QStringLiteral("1.000,25"));
    EXPECT_EQ(total.totalLinha().texto(), QStringLiteral("1.012,75"));
    EXPECT_EQ(linhaGuardada(banco, "SP"), QStringLiteral("1000.0,n,n,12.5,n,n,n,n N"));
}

TEST(DemonstracoesContraprestacoes, CancelRestoresEverythingTheStateChoiceChanged)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas q8(banco.db(), oper, trimestre);
    q8.criarLinhasFaltantes();
    // Stored earlier: revenue and Quadro 9's expenses in two states, one of them transmitted.
    banco.sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_RECT_PRE = 10, VL_DESP_MEDC_PRE = 4, VL_DESP_MEDC_OUTR_ODON = 2, "
                             "LG_ALTR_TRAM = 'T' WHERE CD_UF = 'RJ'"));
    banco.sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_RECT_OUTR = 3 WHERE CD_UF = 'MG'"));
    q8.carregar();
    q8.escolherUF(QStringLiteral("SP"));
    q8.informar(QStringLiteral("SP"), C::RectPre, Moeda::deCentavos(500));
    EXPECT_EQ(q8.ufUnica(), QStringLiteral("SP"));
    EXPECT_EQ(linhaGuardada(banco, "RJ"), QStringLiteral("0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0 A"));
    EXPECT_EQ(linhaGuardada(banco, "MG"), QStringLiteral("0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0 N"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT CD_UF_OPER FROM QUADRORECEITASDESPESASUF")).toString(), QStringLiteral("SP"));

    q8.desfazer();
    EXPECT_EQ(linhaGuardada(banco, "RJ"), QStringLiteral("10.0,n,n,n,4.0,n,n,2.0 T"));
    EXPECT_EQ(linhaGuardada(banco, "MG"), QStringLiteral("n,3.0,n,n,n,n,n,n N"));
    EXPECT_EQ(linhaGuardada(banco, "SP"), QStringLiteral("n,n,n,n,n,n,n,n N"));
    EXPECT_TRUE(banco.escalar(QStringLiteral("SELECT CD_UF_OPER FROM QUADRORECEITASDESPESASUF")).isNull());
    EXPECT_TRUE(q8.ufUnica().isEmpty());
}

TEST(DemonstracoesContraprestacoes, ConfirmationTidiesTheRows)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas q8(banco.db(), oper, trimestre);
    q8.criarLinhasFaltantes();
    q8.carregar();
    q8.escolherUF(QStringLiteral("SP"));
    q8.informar(QStringLiteral("SP"), C::RectPreOdon, Moeda::deCentavos(700));
    // One state with a total above zero: the other states' amounts become empty...
    q8.finalizar(true, QStringLiteral("SP"), false);
    EXPECT_EQ(linhaGuardada(banco, "RJ"), QStringLiteral("n,n,n,n,n,n,n,n N"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM RECEITASDESPESASUF")).toInt(), 27);
    // ...and with the clean-up on, rows without amounts go.
    q8.finalizar(true, QStringLiteral("SP"), true);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(CD_UF) FROM RECEITASDESPESASUF")).toString(), QStringLiteral("SP"));
    // Several states: the header forgets the single state.
    q8.finalizar(false, {}, false);
    EXPECT_TRUE(banco.escalar(QStringLiteral("SELECT CD_UF_OPER FROM QUADRORECEITASDESPESASUF")).isNull());
    EXPECT_EQ(ContraprestacoesLiquidas::pendencias(true, {}), QStringList{QStringLiteral(">> UF")});
    EXPECT_TRUE(ContraprestacoesLiquidas::pendencias(true, QStringLiteral("SP")).isEmpty());
    EXPECT_TRUE(ContraprestacoesLiquidas::pendencias(false, {}).isEmpty());
}

TEST(DemonstracoesContraprestacoes, SegmentPageTitleAndHints)
{
    BancoTemporario banco;
    EXPECT_FALSE(ContraprestacoesLiquidas::segmento(banco.db(), oper, trimestre).has_value());
    banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, CD_MODL) VALUES "
                             "('345678', '2005-01-01', 0, 'MEGRP'), ('345678', '2007-03-31', 0, 'ODGRP')"));
    EXPECT_EQ(ContraprestacoesLiquidas::segmento(banco.db(), oper, QDate(2006, 10, 1)), QChar(u'C'));
    // A registration dated the quarter's last day is the one in force at its end.
    EXPECT_EQ(ContraprestacoesLiquidas::segmento(banco.db(), oper, trimestre), QChar(u'O'));

    EXPECT_EQ(ContraprestacoesLiquidas::pagina(u'C', false), 0);
    EXPECT_EQ(ContraprestacoesLiquidas::pagina(u'C', true), 1);
    EXPECT_EQ(ContraprestacoesLiquidas::pagina(u'O', false), 2);
    EXPECT_EQ(ContraprestacoesLiquidas::pagina(u'O', true), 3);
    EXPECT_EQ(ContraprestacoesLiquidas::titulo(true), QStringLiteral("Quadro 8: Contraprestações Líquidas do Trimestre"));
    EXPECT_EQ(ContraprestacoesLiquidas::titulo(false), QStringLiteral("Quadro 8: Prêmios Retidos Líquidos do Trimestre"));

    const DicasContraprestacoes antiga = ContraprestacoesLiquidas::dicas(QDate(2002, 10, 1));
    EXPECT_TRUE(antiga.medicoPre.startsWith(QStringLiteral("Total em reais, das Contraprestações Líquidas provenientes de Planos")));
    EXPECT_TRUE(antiga.odontoOutras.contains(QStringLiteral("31121.2, 31141.2, (-)31161.2 e (-)31181.2")));
    EXPECT_FALSE(antiga.grupoMedico.isEmpty());
    const DicasContraprestacoes rdc = ContraprestacoesLiquidas::dicas(QDate(2006, 10, 1));
    EXPECT_TRUE(rdc.medicoPre.contains(QStringLiteral("RDC Nº 38")));
    EXPECT_TRUE(rdc.medicoPre.endsWith(QStringLiteral("311111, 311311, 311511, 311711, 311911, 311921, 311931, 311941.")));
    EXPECT_FALSE(rdc.nosTitulosDaGrade);
    const DicasContraprestacoes atual = ContraprestacoesLiquidas::dicas(trimestre);
    EXPECT_EQ(atual.odontoPre, QStringLiteral("Corresponde à soma algébrica, do trimestre, do saldo das \rsubcontas de assistência "
                                              "odontológica, cobertura assistencial com \rpreço pré-estabelecido, do subgrupo 311 "
                                              "do Plano de Contas\rPadrão (RN nº 136/06 e suas posteriores alterações)."));
    EXPECT_TRUE(atual.grupoMedico.isEmpty());
    EXPECT_TRUE(atual.nosTitulosDaGrade);
}
