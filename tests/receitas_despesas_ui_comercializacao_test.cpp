// Quadro 10 in its host, driven with real keys and clicks: the demo operator's two
// grids with their totals following the typing, amounts typed as in Brazil, Enter
// going from the last medical item to the first dental one, "Cancelar" putting back
// amounts and transmission states, an older quarter opened by the edit question,
// the dental-only layout, the exemption notice, and the main window's action.

#include "receitas_despesas_ui_apoio.h"

#include "apoio/Capturas.h"

#include "app/ServicosOperadora.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/receitas_despesas/ui/ModeloDespesasComercializacao.h"
#include "quadros/receitas_despesas/ui/TframeDespesas_Comercializacao.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

class DespesasComercializacaoUi : public QuadroEconomicoTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir()
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, 10);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        quadro = qobject_cast<TframeDespesas_Comercializacao *>(host->quadro());
        return host;
    }
    // "valor flag" of an item's row in a quarter, "n" for an empty amount.
    QString linha(const char *codigo, const QString &t = QStringLiteral("2007-01-01")) const
    {
        return escalar(QStringLiteral("SELECT CASE WHEN VL_DESPESA IS NULL THEN 'n' ELSE printf('%.2f', VL_DESPESA) END "
                                      "|| ' ' || COALESCE(LG_ALTR_TRAM, '') FROM DESPESAS_COMERC_VALOR "
                                      "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '%1' AND CD_DESPESA = '%2'")
                           .arg(t, QLatin1String(codigo)))
            .toString();
    }
    QModelIndex medico(int linha) const { return quadro->modeloMedico()->index(linha, ModeloDespesasComercializacao::Valor); }
    QModelIndex odonto(int linha) const { return quadro->modeloOdonto()->index(linha, ModeloDespesasComercializacao::Valor); }

    TframeDespesas_Comercializacao *quadro = nullptr;
};

} // namespace

TEST_F(DespesasComercializacaoUi, TheDemoQuarterShowsBothPlanKindsWithTheirTotals)
{
    auto host = abrir();
    ASSERT_NE(quadro, nullptr);
    QAbstractItemModelTester testaMedico(quadro->modeloMedico(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester testaOdonto(quadro->modeloOdonto(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre"));
    EXPECT_EQ(quadro->paginas()->currentWidget()->objectName(), QStringLiteral("sheMedOdo"));
    ASSERT_EQ(quadro->modeloMedico()->rowCount(), 3);
    ASSERT_EQ(quadro->modeloOdonto()->rowCount(), 3);
    EXPECT_EQ(texto(medico(0).siblingAtColumn(0)), QStringLiteral("Despesas de Comercialização na modalidade de pré-pagamento"));
    EXPECT_TRUE(medico(0).siblingAtColumn(0).data(Qt::ToolTipRole).toString().contains(QStringLiteral("431111")));
    EXPECT_EQ(texto(medico(0)), QStringLiteral("0,00")); // a new row shows zero
    EXPECT_EQ(linha("010"), QStringLiteral("n N"));       // and keeps no amount
    for (QLineEdit *total : {quadro->edtTotalMedico(), quadro->edtTotalOdonto(), quadro->edtTotalGeral()}) {
        EXPECT_EQ(total->text(), QStringLiteral("0,00"));
        EXPECT_TRUE(total->isReadOnly());
    }
    EXPECT_TRUE(quadro->edtTotalGeral()->toolTip().startsWith(QStringLiteral("Soma das Despesas de Comercialização")));
    EXPECT_TRUE(medico(0).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(medico(0).siblingAtColumn(0).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    EXPECT_TRUE(quadro->btnImprimir()->isVisible());
    capturar(host.get(), QStringLiteral("quadro10-demo"));
}

TEST_F(DespesasComercializacaoUi, AmountsTypedAsInBrazilAreWrittenAndTheTotalsFollow)
{
    auto host = abrir();
    GradeValores *grade = quadro->gradeMedica();
    QLineEdit *editor = digitar(grade, medico(0), QStringLiteral("1.234,56"));
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    // Before it is accepted the totals already show it; nothing is written yet.
    EXPECT_EQ(quadro->edtTotalMedico()->text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(quadro->edtTotalGeral()->text(), QStringLiteral("1.234,56"));
    EXPECT_EQ(linha("010"), QStringLiteral("n N"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(linha("010"), QStringLiteral("1234.56 N"));
    EXPECT_EQ(texto(medico(0)), QStringLiteral("1.234,56"));
    EXPECT_EQ(grade->currentIndex(), medico(1)); // Enter goes down the amounts

    digitarEConfirmar(grade, medico(1), QStringLiteral("99,999"));
    EXPECT_EQ(linha("020"), QStringLiteral("99.99 N")); // cut, never rounded
    digitarEConfirmar(grade, medico(2), QStringLiteral("-5"));
    EXPECT_EQ(linha("025"), QStringLiteral("-5.00 N")); // negative amounts are kept
    EXPECT_EQ(medico(2).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::red));
    // From the last medical item Enter goes on to the first dental one.
    EXPECT_EQ(quadro->gradeOdonto()->currentIndex(), odonto(0));
    EXPECT_TRUE(quadro->gradeOdonto()->hasFocus() || quadro->gradeOdonto()->indexWidget(odonto(0)));
    digitarEConfirmar(quadro->gradeOdonto(), odonto(0), QStringLiteral("10"));
    EXPECT_EQ(linha("030"), QStringLiteral("10.00 N"));

    EXPECT_EQ(quadro->edtTotalMedico()->text(), QStringLiteral("1.329,55"));
    EXPECT_EQ(quadro->edtTotalOdonto()->text(), QStringLiteral("10,00"));
    EXPECT_EQ(quadro->edtTotalGeral()->text(), QStringLiteral("1.339,55"));
    capturar(host.get(), QStringLiteral("quadro10-digitado"));

    // "Confirmar" writes nothing more and closes without a message.
    DesvioMensagens desvio([](const auto &) { return mrOk; });
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_TRUE(desvio.chamadas().isEmpty());
    EXPECT_EQ(host->result(), QDialog::Accepted);
    EXPECT_EQ(linha("010"), QStringLiteral("1234.56 N"));
}

TEST_F(DespesasComercializacaoUi, CancelPutsBackTheAmountsAndTheirTransmissionStates)
{
    {
        auto primeiro = abrir(); // creates the quarter's rows
    }
    sql(QStringLiteral("UPDATE DESPESAS_COMERC_VALOR SET VL_DESPESA = 300, LG_ALTR_TRAM = 'T' "
                       "WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-01-01' AND CD_DESPESA = '010'"));
    auto host = abrir();
    EXPECT_EQ(quadro->edtTotalGeral()->text(), QStringLiteral("300,00"));
    digitarEConfirmar(quadro->gradeMedica(), medico(0), QStringLiteral("310"));
    digitarEConfirmar(quadro->gradeOdonto(), odonto(2), QStringLiteral("7,5"));
    EXPECT_EQ(linha("010"), QStringLiteral("310.00 A"));
    EXPECT_EQ(linha("045"), QStringLiteral("7.50 N"));
    // One more amount still being typed when "Cancelar" is pressed.
    ASSERT_NE(digitar(quadro->gradeOdonto(), odonto(0), QStringLiteral("88")), nullptr);

    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_EQ(host->result(), QDialog::Rejected);
    EXPECT_EQ(linha("010"), QStringLiteral("300.00 T"));
    EXPECT_EQ(linha("045"), QStringLiteral("n N"));
    EXPECT_EQ(linha("030"), QStringLiteral("n N"));
    EXPECT_EQ(quadro->edtTotalGeral()->text(), QStringLiteral("300,00"));
}

TEST_F(DespesasComercializacaoUi, AnOlderQuarterOpensForTypingOnlyAfterTheEditQuestion)
{
    auto host = abrir();
    quadro->cbxPeriodo()->setCurrentIndex(1);
    emit quadro->cbxPeriodo()->activated(1);
    ASSERT_EQ(estado.dtVigencia(), QDate(2006, 10, 1));
    EXPECT_FALSE(medico(0).flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    QTest::keyClicks(quadro->gradeMedica(), QStringLiteral("5"));
    EXPECT_EQ(linha("010", QStringLiteral("2006-10-01")), QStringLiteral("n N"));
    capturar(host.get(), QStringLiteral("quadro10-trimestre-anterior"));

    {
        DesvioMensagens nao([](const auto &) { return mrNao; });
        QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
        ASSERT_EQ(nao.chamadas().size(), 1);
        EXPECT_EQ(nao.chamadas().first().texto, QStringLiteral("Deseja alterar os dados do quadro ?"));
    }
    EXPECT_FALSE(medico(0).flags() & Qt::ItemIsEditable);
    DesvioMensagens sim([](const auto &) { return mrSim; });
    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    EXPECT_TRUE(medico(0).flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(quadro->btnEditaPeriodo()->isEnabled());
    digitarEConfirmar(quadro->gradeMedica(), medico(0), QStringLiteral("5"));
    EXPECT_EQ(linha("010", QStringLiteral("2006-10-01")), QStringLiteral("5.00 N"));
}

TEST_F(DespesasComercializacaoUi, ANewQuarterGetsItsItemsAndTheNewestCanBeDeleted)
{
    DesvioMensagens sim([](const auto &) { return mrSim; });
    auto host = abrir();
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(estado.dtVigencia(), QDate(2007, 4, 1));
    EXPECT_EQ(quadro->modeloMedico()->rowCount(), 3);
    EXPECT_EQ(linha("045", QStringLiteral("2007-04-01")), QStringLiteral("n N"));
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(quadro->cbxPeriodo()->currentIndex(), 0);
    EXPECT_EQ(estado.dtVigencia(), QDate(2007, 1, 1));
}

TEST_F(DespesasComercializacaoUi, ADentalOperatorSeesOnlyTheDentalItems)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ODGRP' WHERE CD_OPER = '345678'"));
    auto host = abrir();
    EXPECT_EQ(quadro->paginas()->currentWidget()->objectName(), QStringLiteral("sheOdonto"));
    EXPECT_TRUE(quadro->gradeOdontologico()->isVisible());
    EXPECT_FALSE(quadro->gradeMedica()->isVisible());
    digitarEConfirmar(quadro->gradeOdontologico(), odonto(1), QStringLiteral("2.000"));
    EXPECT_EQ(linha("040"), QStringLiteral("2000.00 N"));
    EXPECT_EQ(quadro->edtTotalOdontologico()->text(), QStringLiteral("2.000,00"));
    // The medical rows are there, empty.
    EXPECT_EQ(linha("010"), QStringLiteral("n N"));
    capturar(host.get(), QStringLiteral("quadro10-odontologico"));
}

TEST_F(DespesasComercializacaoUi, AnOperatorOutsideTheListsSeesTheNotice)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = 'C', CD_NATZ_JURD = 'SCIVL', CD_MODL = 'ADMIN', CD_SUBM = 'ADMPL' "
                       "WHERE CD_OPER = '345678'"));
    auto host = abrir();
    ASSERT_FALSE(avisos.isEmpty());
    EXPECT_EQ(avisos.last(), ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")));
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->paginas()->isVisible());
    EXPECT_EQ(quadro->dados(), nullptr);

    // Without a complete registration the quadro says so first.
    sql(QStringLiteral("UPDATE DADOSPESSOAS SET CD_CEP = NULL WHERE CD_OPER = '345678' AND ID_PSOA = 0"));
    auto outro = abrir();
    EXPECT_EQ(avisos.last(), QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro."));
}

TEST_F(DespesasComercializacaoUi, TheMainWindowOpensIt)
{
    JanelaPrincipalTeste principal(contexto, home.path(), ini(), oper);
    EXPECT_EQ(principal.tituloAbertoPor(QStringLiteral("actDespesasComerc")),
              QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre"));
}
