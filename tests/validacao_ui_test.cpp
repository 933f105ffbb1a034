// The validation's windows: the run with its two lists, the printout behind
// "Visualizar", the chart-of-accounts notice and the serious-errors warning.

#include "validacao_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ui/TfrmPrincipal.h"
#include "plataforma/CaminhosPrograma.h"
#include "app/ui/MensagemDlg.h"
#include "relatorios/ui/VisualizadorRelatorio.h"
#include "validacao/GravacaoConstatacoes.h"
#include "validacao/ui/ModeloConstatacoes.h"
#include "validacao/ui/PassosValidacao.h"
#include "validacao/ui/TfrmAviso_Validacao.h"
#include "validacao/ui/TfrmAvisoValidPlnContas.h"
#include "validacao/ui/TfrmErrosValidacao.h"
#include "validacao/ui/TfrmValida_Dados.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace kelpa;
using namespace kelpa::validacao;
using namespace kelpa::teste;
using namespace kelpa::teste::validacao;

namespace {

// Errors in the 2nd quarter of 2006 and in the registration, a notice in 2004.
void comConstatacoes(const BancoTemporario &banco)
{
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_OPER = '345678' "
                             "AND CD_CONTA_REFERENCIA = '19000' AND DT_INIC_VIGN IN ('2004-10-01', '2006-04-01')"));
    banco.sql(QStringLiteral("UPDATE TB_IdadeSaldoValor SET VL_CONTA_IDADE_SALDO = 0 WHERE CD_IDADE_SALDO = '57' "
                             "AND DT_INIC_VIGN = '2006-04-01'"));
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
}

} // namespace

TEST(JanelaValidacao, ShowsErrorsAndNoticesWithTheirQuarters)
{
    BancoTemporario banco;
    comConstatacoes(banco);
    DesvioMensagens desvio([](const DesvioMensagens::Chamada &) { return mrOk; });
    TfrmValida_Dados janela(banco.db(), planos, true);
    EXPECT_TRUE(desvio.chamadas().isEmpty());
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Validação dos Dados"));
    EXPECT_TRUE(janela.resultado().concluida);
    EXPECT_FALSE(janela.resultado().envioLiberado);

    QAbstractItemModelTester testeErros(janela.modeloErros(), QAbstractItemModelTester::FailureReportingMode::Warning);
    QAbstractItemModelTester testeAvisos(janela.modeloAvisos(), QAbstractItemModelTester::FailureReportingMode::Warning);

    ASSERT_EQ(janela.paginas()->count(), 2);
    EXPECT_EQ(janela.paginas()->tabText(0), QStringLiteral("ERRO"));
    EXPECT_EQ(janela.paginas()->tabText(1), QStringLiteral("AVISO"));
    EXPECT_EQ(janela.paginas()->currentIndex(), 0);

    // Findings without a period first, then by quarter.
    ModeloConstatacoes *erros = janela.modeloErros();
    ASSERT_EQ(erros->rowCount(), 3);
    EXPECT_EQ(erros->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Inconsistência"));
    EXPECT_EQ(erros->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descrição"));
    EXPECT_EQ(erros->index(0, 0).data().toString(), QString());
    EXPECT_TRUE(erros->index(0, 1).data().toString().startsWith(QStringLiteral("Quadro 4: Representante")));
    EXPECT_FALSE(erros->index(0, 1).data().toString().contains(u'\r'));
    EXPECT_EQ(erros->index(1, 0).data().toString(), QStringLiteral("2º Trimestre de 2006"));
    EXPECT_EQ(erros->index(2, 0).data().toString(), QStringLiteral("2º Trimestre de 2006"));
    ASSERT_EQ(janela.modeloAvisos()->rowCount(), 1);
    EXPECT_EQ(janela.modeloAvisos()->index(0, 0).data().toString(), QStringLiteral("4º Trimestre de 2004"));

    EXPECT_TRUE(janela.btnVisualizar()->isEnabled());
    EXPECT_EQ(janela.btnRetornar()->toolTip(), QStringLiteral("Retorna à tela principal do sistema."));
    EXPECT_EQ(janela.pnlBotoes()->text(), QStringLiteral("    * ERROS SÃO IMPEDITIVOS DE ENVIO E/OU GERAÇÃO DE DISQUETE"));

    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    EXPECT_TRUE(janela.grdErro()->isVisible());
    EXPECT_FALSE(janela.lblSemErros()->isVisible());
    capturar(&janela, QStringLiteral("validacao_erros"));

    janela.paginas()->setCurrentIndex(1);
    EXPECT_EQ(janela.pnlBotoes()->text(), QString());
    EXPECT_TRUE(janela.grdAviso()->isVisible());
    capturar(&janela, QStringLiteral("validacao_avisos"));

    // Only the buttons end the window: closing it otherwise (Alt+F4) is ignored.
    janela.close();
    EXPECT_TRUE(janela.isVisible());
    QTest::mouseClick(janela.btnRetornar(), Qt::LeftButton);
    EXPECT_FALSE(janela.isVisible());
}

TEST(JanelaValidacao, CleanOperatorSaysThereIsNothingToReport)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    TfrmValida_Dados janela(banco.db(), planos, true);
    EXPECT_TRUE(janela.resultado().envioLiberado);
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    EXPECT_FALSE(janela.grdErro()->isVisible());
    EXPECT_TRUE(janela.lblSemErros()->isVisible());
    EXPECT_EQ(janela.lblSemErros()->text(), QStringLiteral("Não foram encontrados erros na validação dos dados"));
    EXPECT_FALSE(janela.btnVisualizar()->isEnabled());
    capturar(&janela, QStringLiteral("validacao_sem_erros"));
    janela.paginas()->setCurrentIndex(1);
    EXPECT_TRUE(janela.lblSemAvisos()->isVisible());
    EXPECT_EQ(janela.lblSemAvisos()->text(), QStringLiteral("Não há avisos referentes à validação dos dados"));
}

TEST(JanelaValidacao, VisualizarPreviewsBothListsAndThenEndsTheWindow)
{
    BancoTemporario banco;
    comConstatacoes(banco);
    TfrmValida_Dados janela(banco.db(), planos, true);
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));

    int paginas = 0;
    quandoAbrirModal([&paginas](QWidget *modal) {
        auto *previa = qobject_cast<relatorios::VisualizadorRelatorio *>(modal);
        ASSERT_NE(previa, nullptr);
        paginas = previa->documento().totalPaginas();
        previa->resize(900, 760);
        if (auto *widget = previa->findChild<QPrintPreviewWidget *>()) {
            widget->setZoomMode(QPrintPreviewWidget::FitToWidth);
            widget->updatePreview();
        }
        QTest::qWait(50);
        capturar(previa, QStringLiteral("validacao_impressa"));
        previa->reject();
    });
    QTest::mouseClick(janela.btnVisualizar(), Qt::LeftButton);
    EXPECT_EQ(paginas, 2); // the errors, then the notices on a page of their own
    EXPECT_FALSE(janela.isVisible());
    EXPECT_EQ(janela.result(), QDialog::Accepted);
}

TEST(JanelaValidacao, VisualizarNamesTheEmptyList)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("DELETE FROM DIRETORRELACOES"));
    TfrmValida_Dados janela(banco.db(), planos, true);
    DesvioMensagens desvio([](const DesvioMensagens::Chamada &) { return mrOk; });
    quandoAbrirModal([](QWidget *modal) { modal->close(); });
    janela.Visualizar();
    ASSERT_EQ(desvio.chamadas().size(), 1);
    EXPECT_EQ(desvio.chamadas().first().texto, QStringLiteral("O relatório abaixo não apresenta dados:\rAVISO"));
    EXPECT_EQ(desvio.chamadas().first().tipo, TipoMensagem::Cuidado);
}

TEST(JanelaValidacao, AFailedRunShowsTheErrorAndTheBlockingFinding)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    banco.sql(QStringLiteral("DROP TABLE PROVISOESTECNICAS"));
    DesvioMensagens desvio([](const DesvioMensagens::Chamada &) { return mrOk; });
    TfrmValida_Dados janela(banco.db(), planos, true);
    ASSERT_EQ(desvio.chamadas().size(), 1);
    EXPECT_EQ(desvio.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_TRUE(desvio.chamadas().first().texto.contains(QStringLiteral("PROVISOESTECNICAS")));
    EXPECT_FALSE(janela.resultado().concluida);
    ASSERT_EQ(janela.modeloErros()->rowCount(), 1);
    EXPECT_EQ(janela.modeloErros()->index(0, 1).data().toString(), GravacaoConstatacoes::MensagemNaoConcluida());
    EXPECT_EQ(janela.paginas()->currentIndex(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(JanelaValidacao, SendingDialogsLearnWhetherSendingIsOpen)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    quandoAbrirModal([](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("btnRetornar"))->click(); });
    EXPECT_TRUE(ExecutaValidacao(banco.db(), planos, true, nullptr));

    banco.sql(QStringLiteral("DELETE FROM ADMINISTRADORES"));
    quandoAbrirModal([](QWidget *modal) { modal->findChild<QPushButton *>(QStringLiteral("btnRetornar"))->click(); });
    EXPECT_FALSE(ExecutaValidacao(banco.db(), planos, true, nullptr));
}

TEST(AvisoPlanoContasJanela, ShowsTheStepsAndRecordsItsBlockingFinding)
{
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    TfrmAvisoValidPlnContas aviso(banco.db());
    aviso.setCodOper(planos);
    EXPECT_EQ(aviso.windowTitle(), QString());
    EXPECT_TRUE(aviso.lblTexto()->text().contains(QStringLiteral("   d) Crie o 1º Trimestre de 2007. ")));
    EXPECT_FALSE(aviso.lblTexto()->text().contains(u'\r'));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO")).toInt(), 0);

    int registradas = -1;
    quandoAbrirModal([&](QWidget *modal) {
        registradas = banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE NR_VLDC_SEQL = 99999")).toInt();
        capturar(modal, QStringLiteral("validacao_aviso_plano_contas"));
        modal->findChild<QPushButton *>()->click();
    });
    EXPECT_EQ(aviso.exec(), QDialog::Accepted);
    EXPECT_EQ(registradas, 1);
    EXPECT_TRUE(aviso.erro().isEmpty());
    EXPECT_FALSE(GravacaoConstatacoes::EnvioLiberado(banco.db(), planos));
}

TEST(ErrosValidacaoJanela, TellsAndReturns)
{
    TfrmErrosValidacao aviso;
    EXPECT_EQ(aviso.windowTitle(), QStringLiteral("AVISO"));
    auto *texto = aviso.findChild<QLabel *>(QStringLiteral("lblErros"));
    ASSERT_NE(texto, nullptr);
    EXPECT_EQ(texto->text(), QStringLiteral("Existem erros graves de validação."));
    EXPECT_EQ(aviso.btnRetornar()->text(), QStringLiteral("&Retornar"));
    quandoAbrirModal([](QWidget *modal) {
        capturar(modal, QStringLiteral("validacao_erros_graves"));
        modal->close(); // ignored: only the button ends it
        static_cast<TfrmErrosValidacao *>(modal)->btnRetornar()->click();
    });
    EXPECT_EQ(aviso.exec(), mrRefazer);
}

TEST(AvisoProcessamentoJanela, AsksToWait)
{
    TfrmAviso_Validacao aviso;
    EXPECT_EQ(aviso.windowTitle(), QStringLiteral("Validação dos dados"));
    EXPECT_EQ(aviso.lblTexto()->text(), QStringLiteral("Aguarde o processamento das Validações ......"));
    EXPECT_FALSE(aviso.isModal());
    aviso.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&aviso));
    QTest::qWait(200);
    capturar(&aviso, QStringLiteral("validacao_progresso"));
}

TEST(JanelaPrincipalValidacao, SendingActionsFollowTheValidationRun)
{
    QTemporaryDir home;
    CaminhosPrograma::definirHome(home.path());
    BancoTemporario banco;
    operadoraCompleta(banco, planos);
    const QString ini = home.filePath(QStringLiteral("Kelpa.ini"));
    Configuracao::garantirArquivo(ini, banco.diretorio());
    Configuracao::gravar(ini, QStringLiteral("Operadora"), planos);

    EstadoTrabalho estado;
    DtConexao dados(estado);
    TfrmPrincipal principal(estado, dados);
    // As the program wires its steps.
    principal.setPasso(TfrmPrincipal::Passo::Validacao, [&](QWidget *pai) {
        ExecutaValidacao(dados.db(), estado.codOper(), estado.operadoraDePlanos(), pai);
    });
    principal.setPasso(TfrmPrincipal::Passo::AvisoPlanoContas,
                       [&](QWidget *pai) { MostraAvisoPlanoContas(dados.db(), estado.codOper(), pai); });
    ASSERT_TRUE(principal.iniciar());
    QAction *validar = principal.acao(QStringLiteral("actValidacao"));
    QAction *transmitir = principal.acao(QStringLiteral("actTransmitir"));
    QAction *disquete = principal.acao(QStringLiteral("actGerarDisquete"));

    const auto validarERetornar = [&](const QString &janela) {
        QString aberta;
        quandoAbrirModal([&](QWidget *modal) {
            aberta = modal->objectName();
            // The validation window names its button; the notice has only one.
            auto *retornar = modal->findChild<QPushButton *>(QStringLiteral("btnRetornar"));
            (retornar ? retornar : modal->findChild<QPushButton *>())->click();
        });
        validar->trigger();
        EXPECT_EQ(aberta, janela);
    };

    validarERetornar(QStringLiteral("frmValida_Dados"));
    EXPECT_TRUE(transmitir->isEnabled());
    EXPECT_TRUE(disquete->isEnabled());

    // An error of 2006 closes both ways of sending; once mended, a new run opens them.
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 1 WHERE CD_CONTA_REFERENCIA = '19000' "
                             "AND DT_INIC_VIGN = '2006-04-01'"));
    validarERetornar(QStringLiteral("frmValida_Dados"));
    EXPECT_FALSE(transmitir->isEnabled());
    EXPECT_FALSE(disquete->isEnabled());
    banco.sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 100003 WHERE CD_CONTA_REFERENCIA = '19000' "
                             "AND DT_INIC_VIGN = '2006-04-01'"));
    validarERetornar(QStringLiteral("frmValida_Dados"));
    EXPECT_TRUE(transmitir->isEnabled());

    // A 2007 quarter made with a chart that is not the operator's: the notice instead of
    // the validation, and sending closed.
    banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, "
                             "CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) "
                             "VALUES ('345678', '2007-01-01', '20', '2008-01-01', '99999', 0, 'N')"));
    validarERetornar(QStringLiteral("frmAvisoValidPlnContas"));
    EXPECT_FALSE(transmitir->isEnabled());
    EXPECT_FALSE(disquete->isEnabled());
    CaminhosPrograma::definirHome({});
}
