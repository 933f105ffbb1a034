// Quadro 9, net indemnifiable events: Quadro 8's twin on the expense columns. Its own
// columns and totals, the state choice that also empties Quadro 8 elsewhere, its
// hints and words, the quarter rows it creates, and the quadro in its host.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"
#include "apoio/TextoPdf.h"
#include "demonstracoes_ui_apoio.h"

#include "app/ServicosOperadora.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/receitas_despesas/ui/ModeloContraprestacoes.h"
#include "quadros/receitas_despesas/ui/TframeContraprestacoesLiquidas.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;
using C = LinhaReceitaUF::Coluna;

namespace {

const QString oper = QStringLiteral("345678");
const QDate trimestre(2007, 1, 1);
constexpr auto despesas = LadoReceitaDespesa::Despesas;

// The eight amounts of a state's row ("n" for empty), revenues first.
QString linhaGuardada(const BancoTemporario &banco, const char *uf, const QDate &t = trimestre)
{
    QStringList colunas;
    for (const QString &c : LinhaReceitaUF::nomesColunas())
        colunas << QStringLiteral("COALESCE(%1, 'n')").arg(c);
    return banco
        .escalar(QStringLiteral("SELECT %1 FROM RECEITASDESPESASUF WHERE CD_OPER = '%2' AND DT_INIC_VIGN = '%3' AND CD_UF = '%4'")
                     .arg(colunas.join(QStringLiteral(" || ',' || ")), oper, t.toString(Qt::ISODate), QLatin1String(uf)))
        .toString();
}

} // namespace

TEST(EventosIndenizaveis, WritesOnlyTheExpenseColumnsAndTotalsThem)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas eventos(banco.db(), oper, trimestre, despesas);
    ASSERT_TRUE(eventos.criarLinhasFaltantes());
    eventos.carregar();
    EXPECT_EQ(eventos.linhas().size(), 27);

    // A revenue column belongs to Quadro 8: refused, nothing written.
    EXPECT_FALSE(eventos.informar(QStringLiteral("SP"), C::RectPre, Moeda::lerDigitado(QStringLiteral("10"))));
    EXPECT_FALSE(eventos.informar(QStringLiteral("SP"), C::DespMedcPre, Moeda::lerDigitado(QStringLiteral("-1"))));
    EXPECT_TRUE(eventos.informarDigitado(QStringLiteral("SP"), C::DespMedcPre, QStringLiteral("1.000,50")));
    EXPECT_TRUE(eventos.informarDigitado(QStringLiteral("SP"), C::DespMedcOutr, QStringLiteral("-200")));
    EXPECT_TRUE(eventos.informarDigitado(QStringLiteral("RJ"), C::DespMedcPreOdon, QStringLiteral("30")));
    EXPECT_EQ(linhaGuardada(banco, "SP"), QStringLiteral("n,n,n,n,1000.5,200.0,n,n"));

    const LinhaReceitaUF *sp = eventos.linha(QStringLiteral("SP"));
    ASSERT_NE(sp, nullptr);
    EXPECT_EQ(sp->totalMedico(despesas).texto(), QStringLiteral("1.200,50"));
    EXPECT_EQ(sp->totalMedico().texto(), QStringLiteral("0,00")); // Quadro 8's side of the same row
    const LinhaReceitaUF tot = eventos.totais();
    EXPECT_EQ(tot.totalOdonto(despesas).texto(), QStringLiteral("30,00"));
    EXPECT_EQ(tot.totalLinha(despesas).texto(), QStringLiteral("1.230,50"));
}

TEST(EventosIndenizaveis, ChoosingOneStateAlsoZeroesQuadro8ElsewhereAndTheTidyUpUsesExpenses)
{
    BancoTemporario banco;
    ContraprestacoesLiquidas receitas(banco.db(), oper, trimestre);
    receitas.criarLinhasFaltantes();
    receitas.carregar();
    ASSERT_TRUE(receitas.informarDigitado(QStringLiteral("SP"), C::RectPre, QStringLiteral("500")));

    ContraprestacoesLiquidas eventos(banco.db(), oper, trimestre, despesas);
    eventos.carregar();
    ASSERT_TRUE(eventos.informarDigitado(QStringLiteral("SP"), C::DespMedcPre, QStringLiteral("70")));
    eventos.escolherUF(QStringLiteral("RJ"));
    EXPECT_EQ(linhaGuardada(banco, "SP"), QStringLiteral("0.0,0.0,0.0,0.0,0.0,0.0,0.0,0.0"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT CD_UF_OPER FROM QUADRORECEITASDESPESASUF")).toString(), QStringLiteral("RJ"));

    // With expenses in RJ, confirming one state leaves the others empty.
    ASSERT_TRUE(eventos.informarDigitado(QStringLiteral("RJ"), C::DespMedcOutrOdon, QStringLiteral("5")));
    eventos.finalizar(true, QStringLiteral("RJ"), false);
    EXPECT_EQ(linhaGuardada(banco, "SP"), QStringLiteral("n,n,n,n,n,n,n,n"));
    EXPECT_EQ(linhaGuardada(banco, "RJ"), QStringLiteral("n,n,n,n,n,n,n,5.0"));
}

TEST(EventosIndenizaveis, ANew2006QuarterGetsItsCashFlowAndAgesRows)
{
    BancoTemporario banco;
    const QDate t2006(2006, 4, 1);
    ContraprestacoesLiquidas(banco.db(), oper, t2006, despesas).criarLinhasFaltantes();
    EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor WHERE DT_INIC_VIGN = '2006-04-01'")).toInt(), 0);
    EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_IdadeSaldoValor WHERE DT_INIC_VIGN = '2006-04-01'")).toInt(), 0);
    EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE DT_INIC_VIGN = '2006-04-01'")).toInt(), 0);
    const QDate t2005(2005, 4, 1);
    ContraprestacoesLiquidas(banco.db(), oper, t2005, despesas).criarLinhasFaltantes();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor WHERE DT_INIC_VIGN = '2005-04-01'")).toInt(), 0);
}

TEST(EventosIndenizaveis, TitleAndHintsOfEachEra)
{
    EXPECT_EQ(ContraprestacoesLiquidas::titulo(true, despesas), QStringLiteral("Quadro 9: Eventos Indenizáveis Líquidos do Trimestre"));
    EXPECT_EQ(ContraprestacoesLiquidas::titulo(false, despesas), QStringLiteral("Quadro 9: Sinistros Indenizáveis Líquidos do Trimestre"));

    const DicasContraprestacoes antiga = ContraprestacoesLiquidas::dicas(QDate(2002, 10, 1), despesas);
    EXPECT_EQ(antiga.medicoPre, QStringLiteral("Total em reais, dos Eventos Indenizáveis provenientes de Planos Médico-Hospitalares "
                                               "na modalidade de pré-pagamento.\r\nCorresponde às subdivisões 41111.1 à 41117.1, "
                                               "41132.1, (-)41211.1 à (-)41217.1, (-)41231.1 à (-)41237.1, (-)41311.1 e (-)41312.1 "
                                               "do Plano de Contas.\r\nUtilize a vírgula como separador decimal."));
    EXPECT_TRUE(antiga.odontoOutras.contains(QStringLiteral("41121.2 à 41127.2, 41141.2, (-)41221.2 à (-)41227.2, "
                                                             "(-)41241.2 à (-)41247.2, (-)41321.2 e (-)41322.2")));
    EXPECT_TRUE(antiga.grupoMedico.contains(QStringLiteral("(-)41312.1, 41111.2 à 41117.2")));

    const DicasContraprestacoes rdc = ContraprestacoesLiquidas::dicas(QDate(2006, 10, 1), despesas);
    EXPECT_TRUE(rdc.medicoPre.contains(QStringLiteral("RDC Nº 38")));
    EXPECT_TRUE(rdc.medicoPre.endsWith(QStringLiteral("413111, 413121, 413181.")));
    EXPECT_TRUE(rdc.odontoOutras.endsWith(QStringLiteral("413212, 413222, 413282.")));
    EXPECT_TRUE(rdc.grupoOdonto.contains(QStringLiteral("413281, 411212")));

    const DicasContraprestacoes atual = ContraprestacoesLiquidas::dicas(trimestre, despesas);
    EXPECT_EQ(atual.medicoOutras, QStringLiteral("Corresponde à soma algébrica, do trimestre, do saldo das \rsubcontas de assistência "
                                                 "médico-hospitalar, do grupo 41, exceto\ras de cobertura assistencial com preço "
                                                 "pré-estabelecidos,\rdo Plano de Contas Padrão (RN nº 136/06 e suas posteriores\r"
                                                 "alterações)"));
    EXPECT_TRUE(atual.nosTitulosDaGrade);
}

namespace {

class EventosUi : public QuadroEconomicoTeste
{
protected:
    void SetUp() override
    {
        QuadroEconomicoTeste::SetUp();
        TframeContraprestacoesLiquidas::setLimpezaAtiva(false, despesas);
    }
    std::unique_ptr<TfrmExibeQuadro> abrir()
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 11);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TframeContraprestacoesLiquidas *>(host->quadro());
        return host;
    }
    QString despesasDe(const char *uf, const QString &t) const
    {
        return escalar(QStringLiteral("SELECT COALESCE(VL_DESP_MEDC_PRE, 'n') || ',' || COALESCE(VL_DESP_MEDC_OUTR, 'n') || ',' || "
                                      "COALESCE(VL_RECT_PRE, 'n') FROM RECEITASDESPESASUF WHERE CD_OPER = '%1' "
                                      "AND DT_INIC_VIGN = '%2' AND CD_UF = '%3'")
                           .arg(estado.codOper(), t, QLatin1String(uf)))
            .toString();
    }

    TframeContraprestacoesLiquidas *quadro = nullptr;
};

} // namespace

TEST_F(EventosUi, TypedEventsAreWrittenInTheirOwnColumnsWithTheirTotals)
{
    DesvioMensagens desvio([](const auto &) { return mrSim; });
    auto host = abrir();
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 9: Eventos Indenizáveis Líquidos do Trimestre"));
    EXPECT_EQ(quadro->lado(), despesas);
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(estado.dtVigencia(), QDate(2007, 4, 1));
    const QString t = QStringLiteral("2007-04-01");

    ModeloContraprestacoes *m = quadro->modelo(0);
    GradeValores *grade = quadro->grade(0);
    digitarEConfirmar(grade, m->indiceDe(QStringLiteral("SP"), C::DespMedcPre), QStringLiteral("1000"));
    digitarEConfirmar(grade, m->indiceDe(QStringLiteral("SP"), C::DespMedcOutr), QStringLiteral("250,5"));
    EXPECT_EQ(despesasDe("SP", t), QStringLiteral("1000.0,250.5,n"));
    EXPECT_EQ(texto(m->indiceDe(QStringLiteral("SP"), C::DespMedcPre).siblingAtColumn(3)), QStringLiteral("1.250,50"));
    EXPECT_EQ(quadro->lblTotalGeral(0)->text(), QStringLiteral("1.250,50"));
    // The 2007 hints sit on the column titles too.
    EXPECT_TRUE(m->headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString().contains(QStringLiteral("grupo 41")));
    capturar(host.get(), QStringLiteral("quadro9-digitado"));

    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(host->result(), QDialog::Accepted);
    EXPECT_TRUE(TframeContraprestacoesLiquidas::limpezaAtiva(despesas));
    EXPECT_FALSE(TframeContraprestacoesLiquidas::limpezaAtiva()); // Quadro 8 keeps its own
}

TEST_F(EventosUi, AnInsurerReadsClaimsOnItsOneStatePage)
{
    clonarOperadora(QStringLiteral("012345"));
    auto host = abrir();
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 9: Sinistros Indenizáveis Líquidos do Trimestre"));
    QTest::mouseClick(quadro->rbSim(), Qt::LeftButton);
    quadro->cmbUF()->setCurrentIndex(quadro->cmbUF()->findText(QStringLiteral("RJ")));
    emit quadro->cmbUF()->activated(quadro->cmbUF()->currentIndex());
    EXPECT_EQ(quadro->modeloUF(1)->index(1, 0).data().toString(), QStringLiteral("Sinistros na Modalidade de Pré-pagamento :"));
    EXPECT_EQ(quadro->modeloUF(1)->index(2, 0).data().toString(), QStringLiteral("Sinistros em Outras Modalidades :"));
    capturar(host.get(), QStringLiteral("quadro9-seguradora-uma-uf"));
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
}

TEST_F(EventosUi, AnIncompleteRegistrationShowsItsNoticeFirst)
{
    sql(QStringLiteral("UPDATE DADOSPESSOAS SET DE_MAIL = NULL WHERE CD_OPER = '345678' AND ID_PSOA = 0"));
    auto host = abrir();
    ASSERT_FALSE(avisos.isEmpty());
    EXPECT_EQ(avisos.last(), TfraQuadroTrimestral::MensagemCadastroIncompleto());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
}

TEST_F(EventosUi, ADentalOperatorTypesOnlyDentalEvents)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ODGRP' WHERE CD_OPER = '345678'"));
    auto host = abrir();
    EXPECT_EQ(quadro->segmento(), QChar(u'O'));
    QTest::mouseClick(quadro->rbSim(), Qt::LeftButton);
    quadro->cmbUF()->setCurrentIndex(quadro->cmbUF()->findText(QStringLiteral("SP")));
    emit quadro->cmbUF()->activated(quadro->cmbUF()->currentIndex());
    EXPECT_EQ(quadro->modeloUF(3)->index(1, 0).data().toString(), QStringLiteral("Eventos indenizáveis na modalidade de pré-pagamento :"));
    EXPECT_EQ(quadro->modeloUF(3)->index(2, 0).data().toString(), QStringLiteral("Eventos indenizáveis em outras modalidades :"));
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
}

TEST_F(EventosUi, PrintsTheStatesWithEventsAndTheirTotals)
{
    const QString t = QStringLiteral("2007-01-01");
    sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_DESP_MEDC_PRE = 1500, VL_DESP_MEDC_OUTR = 250.5, VL_RECT_PRE = 999999 "
                       "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%1' AND CD_UF = 'SP'").arg(t));
    sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_DESP_MEDC_PRE_ODON = 40 WHERE CD_OPER = '345678' "
                       "AND DT_INIC_VIGN = '%1' AND CD_UF = 'RJ'").arg(t));
    dados.desconectar();
    QTemporaryDir saida;
    const QString pdf = saida.filePath(QStringLiteral("q9.pdf"));
    const SaidaCli r = executarCli({QStringLiteral("--home"), home.path(), QStringLiteral("print"), QStringLiteral("--dir"),
                                    home.path(), QStringLiteral("--operator"), oper, QStringLiteral("--quadro"), QStringLiteral("9"),
                                    QStringLiteral("--period"), QStringLiteral("01/01/2007"), QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QString texto = paginasPdf(pdf).join(u'\n');
    EXPECT_TRUE(texto.contains(QStringLiteral("Quadro 9: Eventos Indenizáveis Líquidos do Trimestre"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("1.750,50"))); // SP's medical total
    EXPECT_TRUE(texto.contains(QStringLiteral("1.790,50"))); // the grand total
    EXPECT_FALSE(texto.contains(QStringLiteral("999.999,00"))); // Quadro 8's amount stays out
}
