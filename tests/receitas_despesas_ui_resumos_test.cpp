// Quadros 9A and 8A in their host, driven with real keys and clicks: amounts kept
// in the quadro with their shares and totals following the typing until "Confirmar"
// writes them, "Cancelar" dropping them, an older quarter opened by the edit
// question, the dental-only layout, and the notices for insurers, quarters before
// 2003 and operators outside the lists; the main window opens both.

#include "receitas_despesas_ui_apoio.h"

#include "apoio/Capturas.h"

#include "app/ServicosOperadora.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/receitas_despesas/ReceitasSus.h"
#include "quadros/receitas_despesas/ResumoEventosLiquidos.h"
#include "quadros/receitas_despesas/ui/ModeloValoresCabecalho.h"
#include "quadros/receitas_despesas/ui/TFrameReceitaSUS.h"
#include "quadros/receitas_despesas/ui/TFrameResumoLiquidos.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;
using R = ResumoEventosLiquidos;

namespace {

class ResumosUi : public QuadroEconomicoTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir(int numero)
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, numero);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TfraQuadroCabecalhoTrimestre *>(host->quadro());
        return host;
    }
    QString cabecalho(const QString &colunas, const QString &t = QStringLiteral("2007-01-01")) const
    {
        return escalar(QStringLiteral("SELECT %1 FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = '%2' AND DT_INIC_VIGN = '%3'")
                           .arg(colunas, estado.codOper(), t))
            .toString();
    }
    QModelIndex campo(int c) const { return quadro->modelo()->indiceDoCampo(c); }
    // The text of the cell `coluna` of the row whose caption starts with `rotulo`.
    QString celula(const QString &rotulo, int coluna) const
    {
        const ModeloValoresCabecalho *m = quadro->modelo();
        for (int l = 0; l < m->rowCount(); ++l)
            if (m->index(l, 0).data().toString().startsWith(rotulo))
                return m->index(l, coluna).data().toString();
        return QStringLiteral("<sem linha>");
    }
    void irParaTrimestre(int indice)
    {
        quadro->cbxPeriodo()->setCurrentIndex(indice);
        emit quadro->cbxPeriodo()->activated(indice);
    }

    TfraQuadroCabecalhoTrimestre *quadro = nullptr;
};

} // namespace

TEST_F(ResumosUi, Quadro9AKeepsTheTypingUntilConfirmedWithSharesAndTotalsFollowing)
{
    auto host = abrir(13);
    ASSERT_NE(quadro, nullptr);
    QAbstractItemModelTester testador(quadro->modelo(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre"));
    EXPECT_TRUE(campo(R::HospitalarPropria).flags() & Qt::ItemIsEditable); // the newest quarter opens at once
    EXPECT_TRUE(campo(R::HospitalarTotal).data(Qt::ToolTipRole).toString().contains(QStringLiteral("41114 + 41115")));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());

    GradeValores *grade = quadro->grade();
    QLineEdit *editor = digitar(grade, campo(R::HospitalarPropria), QStringLiteral("25.000,00"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    // Enter goes along the row to the total, past the computed share.
    EXPECT_EQ(grade->currentIndex(), campo(R::HospitalarTotal));
    editor = digitar(grade, campo(R::HospitalarTotal), QStringLiteral("100000"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(celula(QStringLiteral("Serviços Hospitalares"), 2), QStringLiteral("25,00 %")); // before it is accepted
    QTest::keyClick(editor, Qt::Key_Return);
    digitarEConfirmar(grade, campo(R::MedicaTotal), QStringLiteral("50"));
    digitarEConfirmar(grade, campo(R::OdontoTotal), QStringLiteral("10,999"));
    EXPECT_EQ(celula(QStringLiteral("Serviços Médicos"), 2), QStringLiteral("0,00 %"));
    EXPECT_EQ(celula(QStringLiteral("Total Médico-Hospitalar"), 3), QStringLiteral("100.050,00"));
    EXPECT_EQ(celula(QStringLiteral("TOTAL GERAL"), 3), QStringLiteral("100.060,99"));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    EXPECT_EQ(cabecalho(QStringLiteral("COALESCE(VL_DESP_HOSP_TOT, 'n')")), QStringLiteral("n")); // nothing written yet
    capturar(host.get(), QStringLiteral("quadro9A-digitado"));

    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(host->result(), QDialog::Accepted);
    EXPECT_EQ(cabecalho(QStringLiteral("VL_DESP_HOSP_PROP || ' ' || VL_DESP_HOSP_TOT || ' ' || VL_DESP_MED_TOT || ' ' || "
                                       "VL_DESP_ODON_TOT || ' ' || LG_ALTR_TRAM")),
              QStringLiteral("25000.0 100000.0 50.0 10.99 N"));
}

TEST_F(ResumosUi, CancelDropsWhatWasTypedAndAnOlderQuarterAsksFirst)
{
    sql(QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET VL_RECT_SUS = 7, LG_ALTR_TRAM = 'T' WHERE CD_OPER = '345678'"));
    {
        auto host = abrir(15);
        digitarEConfirmar(quadro->grade(), campo(ReceitasSus::ReceitasDoSus), QStringLiteral("1.500"));
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_EQ(host->result(), QDialog::Rejected);
        EXPECT_EQ(cabecalho(QStringLiteral("VL_RECT_SUS || LG_ALTR_TRAM")), QStringLiteral("7.0T"));
    }
    auto host = abrir(15);
    irParaTrimestre(1);
    ASSERT_EQ(estado.dtVigencia(), QDate(2006, 10, 1));
    EXPECT_FALSE(campo(ReceitasSus::ReceitasDoSus).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    {
        DesvioMensagens nao([](const auto &) { return mrNao; });
        QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
        EXPECT_EQ(nao.chamadas().size(), 1);
    }
    EXPECT_FALSE(campo(ReceitasSus::ReceitasDoSus).flags() & Qt::ItemIsEditable);
    DesvioMensagens sim([](const auto &) { return mrSim; });
    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    EXPECT_TRUE(campo(ReceitasSus::ReceitasDoSus).flags() & Qt::ItemIsEditable);
    EXPECT_EQ(quadro->grade()->currentIndex(), campo(ReceitasSus::ReceitasDoSus));
    digitarEConfirmar(quadro->grade(), campo(ReceitasSus::ReceitasDoSus), QStringLiteral("1.500"));
    digitarEConfirmar(quadro->grade(), campo(ReceitasSus::TotalDeReceitas), QStringLiteral("6.000"));
    EXPECT_EQ(celula(QStringLiteral("Receitas do SUS /"), 1), QStringLiteral("25,00 %"));
    capturar(host.get(), QStringLiteral("quadro8A-digitado"));
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(cabecalho(QStringLiteral("VL_RECT_SUS || ' ' || VL_RECT_TOT || ' ' || LG_ALTR_TRAM"), QStringLiteral("2006-10-01")),
              QStringLiteral("1500.0 6000.0 A")); // it had been transmitted
}

TEST_F(ResumosUi, ADentalOperatorSeesTheDentalRowAndTheGrandTotalKeepsTheRest)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ODGRP' WHERE CD_OPER = '345678'"));
    sql(QStringLiteral("UPDATE QUADRORECEITASDESPESASUF SET VL_DESP_HOSP_TOT = 100, VL_DESP_MED_TOT = 50, VL_DESP_ODON_TOT = 10 "
                       "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-01-01'"));
    auto host = abrir(13);
    EXPECT_FALSE(campo(R::HospitalarTotal).isValid());
    EXPECT_EQ(quadro->grade()->currentIndex(), campo(R::OdontoPropria));
    EXPECT_EQ(celula(QStringLiteral("TOTAL GERAL"), 3), QStringLiteral("160,00"));
    capturar(host.get(), QStringLiteral("quadro9A-odontologico"));
}

TEST_F(ResumosUi, NoticesInsteadOfTheAmounts)
{
    // A quarter before 2003: its notice, "Cancelar" still there, nothing to edit or delete.
    {
        auto host = abrir(13);
        irParaTrimestre(2);
        ASSERT_EQ(estado.dtVigencia(), QDate(2001, 1, 1));
        EXPECT_TRUE(quadro->lblAviso()->isVisible());
        EXPECT_EQ(quadro->lblAviso()->text(), QStringLiteral("Quadro disponível somente para\ninformações a partir do 1º Trimestre de 2003."));
        EXPECT_EQ(quadro->valores(), nullptr);
        EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
        EXPECT_TRUE(quadro->btnDesfaz()->isVisible());
        EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
        EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
        capturar(host.get(), QStringLiteral("quadro9A-antes2003"));
    }
    // Operators outside the lists: 9A tells the administrators' exemption; 8A names the legal nature.
    sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = 'C', CD_NATZ_JURD = 'SCIVL', CD_MODL = 'COOPM', CD_SUBM = 'SPP' "
                       "WHERE CD_OPER = '345678'"));
    {
        auto host = abrir(15);
        EXPECT_EQ(avisos.last(), QStringLiteral("Este quadro não está disponível para a \rNatureza Jurídica escolhida."));
        EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    }
    sql(QStringLiteral("UPDATE CADASTRO SET CD_NATZ_JURD = 'EMPUB', CD_MODL = 'ADMIN', CD_SUBM = 'ADMPL' WHERE CD_OPER = '345678'"));
    {
        auto host = abrir(13);
        EXPECT_EQ(avisos.last(), ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")));
        auto outro = abrir(15);
        EXPECT_EQ(avisos.last(), ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")));
    }
}

TEST_F(ResumosUi, AnInsurerSeesTheRedTextAndNothingElse)
{
    clonarOperadora(QStringLiteral("012345"));
    for (int numero : {13, 15}) {
        auto host = abrir(numero);
        ASSERT_NE(quadro, nullptr);
        EXPECT_TRUE(quadro->lblAviso()->isVisible());
        EXPECT_EQ(quadro->lblAviso()->text(), QStringLiteral("Este quadro não está disponível para as \nSeguradoras Especializadas em Saúde"));
        EXPECT_FALSE(quadro->grade()->isVisible());
        EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
        EXPECT_FALSE(quadro->cbxPeriodo()->isEnabled());
        for (QToolButton *b : {quadro->btnIncluiPeriodo(), quadro->btnEditaPeriodo(), quadro->btnExcluiPeriodo()})
            EXPECT_FALSE(b->isEnabled());
        capturar(host.get(), QStringLiteral("quadro%1-seguradora").arg(numero));
    }
}

TEST_F(ResumosUi, TheMainWindowOpensBoth)
{
    JanelaPrincipalTeste principal(contexto, home.path(), ini(), oper);
    EXPECT_EQ(principal.tituloAbertoPor(QStringLiteral("actResumoIndenizaveisLiquidos")), R::titulo());
    EXPECT_EQ(principal.tituloAbertoPor(QStringLiteral("actReceitasProvSUS")), ReceitasSus::titulo());
}
