// The quadro host, the period box and the main window's action rules, driven with
// real clicks and keys.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"

#include "app/BaseDemonstracao.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ServicosOperadora.h"
#include "app/banco/Consulta.h"
#include "app/ui/MensagemDlg.h"
#include "app/ui/TfrmPrincipal.h"
#include "plataforma/CaminhosPrograma.h"
#include "quadros/base/Periodos.h"
#include "quadros/base/ui/DelegadoGrade.h"
#include "quadros/base/ui/RegistroQuadros.h"
#include "quadros/base/ui/TFraNavegacaoPagControl.h"
#include "quadros/base/ui/TfraModeloQuadroPeriodo.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;

namespace {

// A quarterly quadro with nothing of its own: the quarter rows only.
class QuadroTrimestralDeTeste : public TfraModeloQuadroPeriodo
{
public:
    explicit QuadroTrimestralDeTeste(ContextoQuadro &contexto, QWidget *pai = nullptr)
        : TfraModeloQuadroPeriodo(contexto, pai)
    {
        setTitulo(QStringLiteral("Quadro de Teste"));
        setTipoPeriodo(TipoPeriodo::Trimestre);
        auto *rotulo = new QLabel(QStringLiteral("conteúdo"), areaConteudo());
        rotulo->move(10, 10);
    }
    bool criticaPassa = true;
    bool cancelarPassa = true;
    QStringList chamadas;

protected:
    QList<QDate> PreparaQueryComboPeriodo() override
    {
        Consulta q(contexto().db(), QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM QUADRORECEITASDESPESASUF "
                                                   "WHERE CD_OPER = :CDOPER ORDER BY DT_INIC_VIGN DESC"));
        q.bind(QStringLiteral(":CDOPER"), contexto().codOper());
        q.executar();
        QList<QDate> datas;
        while (q.proxima())
            datas << q.data(QStringLiteral("DT_INIC_VIGN"));
        return datas;
    }
    void InicializaFrame() override
    {
        TfraModeloQuadroPeriodo::InicializaFrame();
        chamadas << QStringLiteral("Inicializa");
        contexto().estado.setDtVigencia(periodoSelecionado());
        habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
    }
    void IncluiPeriodoFrame() override
    {
        chamadas << QStringLiteral("Inclui");
        if (!Periodos::IncluiTrimestre(contexto().db(), contexto().codOper(), NovaData()))
            throw std::runtime_error("Não foi possível incluir o trimestre desejado.");
    }
    void ExcluiPeriodoFrame() override
    {
        chamadas << QStringLiteral("Exclui");
        Periodos::ExcluiTrimestre(contexto().db(), contexto().codOper(), periodoSelecionado());
    }
    void FinalizaFrame() override { chamadas << QStringLiteral("Finaliza"); }
    void EditaPeriodoFrame() override { chamadas << QStringLiteral("Edita"); }
    void CopiaPeriodoFrame() override { chamadas << QStringLiteral("Copia"); }
    void AlteraPeriodoFrame() override { chamadas << QStringLiteral("Altera"); }
    void CancelaOperacaoFrame() override { chamadas << QStringLiteral("Cancela"); }
    void HabilitaPeriodoFrame(bool) override {}
    bool CriticaDados() override { return criticaPassa; }
    bool CriticaCancelar() override { return cancelarPassa; }
};

class HostTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        RegistroQuadros::registrar(90, [this](ContextoQuadro &c, const QString &, QWidget *pai) {
            quadro = new QuadroTrimestralDeTeste(c, pai);
            return quadro;
        });
        estado.setCodOper(QStringLiteral("345678"));
        banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA) VALUES ('345678', '2006-05-10', 0)"));
        estado.configuracao().LeConfiguracao(ini());
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
        estado.setCodOper(QStringLiteral("345678"));
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
    ContextoQuadro contexto{estado, dados, {}};
    QuadroTrimestralDeTeste *quadro = nullptr;
};

} // namespace

TEST_F(HostTeste, CreatesQuartersAfterAskingAndListsThemNewestFirst)
{
    QStringList perguntas;
    DesvioMensagens mensagens([&perguntas](const DesvioMensagens::Chamada &c) {
        perguntas << c.texto;
        return mrSim;
    });
    TfrmExibeQuadro host(contexto, 90);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 0);

    // No quarter yet: the first one follows the registration (10/05/2006 -> 2nd quarter of 2006).
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(perguntas, QStringList({"Incluir 2º Trimestre de 2006 ?", "Incluir 3º Trimestre de 2006 ?", "Incluir 4º Trimestre de 2006 ?"}));
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 3);
    EXPECT_EQ(quadro->cbxPeriodo()->itemText(0), QStringLiteral("4º Trimestre de 2006"));
    EXPECT_EQ(quadro->cbxPeriodo()->currentIndex(), 0);
    EXPECT_EQ(estado.dtVigencia(), QDate(2006, 10, 1));
    EXPECT_EQ(estado.periodoSelecionado(), QStringLiteral("4º Trimestre de 2006"));
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_EQ(quadro->gbxPeriodo()->title(), QStringLiteral("Trimestre:"));
    capturar(&host, QStringLiteral("host-quadro-trimestral"));

    // An older quarter: delete disabled, edit asks first.
    quadro->cbxPeriodo()->setCurrentIndex(2);
    emit quadro->cbxPeriodo()->activated(2);
    EXPECT_EQ(estado.dtVigencia(), QDate(2006, 4, 1));
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    EXPECT_EQ(perguntas.last(), QStringLiteral("Deseja alterar os dados do quadro ?"));
    EXPECT_TRUE(quadro->chamadas.contains(QStringLiteral("Edita")));
    // Even a forced click never deletes an older quarter.
    quadro->btnExcluiPeriodoClick();
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 3);
}

TEST_F(HostTeste, AnsweringNoChangesNothingAndDeleteTakesOnlyTheNewest)
{
    int resposta = mrNao;
    DesvioMensagens mensagens([&resposta](const auto &) { return resposta; });
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), QStringLiteral("345678"), QDate(2006, 4, 1)));
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), QStringLiteral("345678"), QDate(2006, 7, 1)));
    TfrmExibeQuadro host(contexto, 90);
    QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 2);
    QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(quadro->cbxPeriodo()->count(), 2);

    resposta = mrSim;
    QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 1);
    EXPECT_EQ(quadro->cbxPeriodo()->itemText(0), QStringLiteral("2º Trimestre de 2006"));
    EXPECT_EQ(mensagens.chamadas().last().texto,
              QStringLiteral("Deseja excluir o último período de dados do quadro?\rTODOS OS DADOS SERÃO EXCLUÍDOS!"));
    // A single period cannot be deleted.
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
}

TEST_F(HostTeste, ConfirmCancelEscAndClosingGoThroughTheQuadrosChecks)
{
    ASSERT_TRUE(Periodos::IncluiTrimestre(banco.db(), QStringLiteral("345678"), QDate(2006, 4, 1)));
    {
        TfrmExibeQuadro host(contexto, 90);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        quadro->criticaPassa = false;
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(host.isVisible());
        quadro->cancelarPassa = false;
        QTest::keyClick(&host, Qt::Key_Escape);
        EXPECT_TRUE(host.isVisible());
        host.close();
        EXPECT_TRUE(host.isVisible());
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_TRUE(host.isVisible());

        quadro->cancelarPassa = true;
        QTest::keyClick(&host, Qt::Key_Escape);
        EXPECT_FALSE(host.isVisible());
        EXPECT_EQ(host.result(), QDialog::Rejected);
        EXPECT_TRUE(quadro->chamadas.contains(QStringLiteral("Cancela")));
    }
    {
        TfrmExibeQuadro host(contexto, 90);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_FALSE(host.isVisible());
        EXPECT_EQ(host.result(), QDialog::Accepted);
        EXPECT_EQ(quadro->chamadas.last(), QStringLiteral("Finaliza"));
    }
}

TEST_F(HostTeste, AQuadroNotBuiltYetSaysSoInsteadOfOpening)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    // No quadro has the number 17.
    TfrmExibeQuadro host(contexto, 17);
    EXPECT_EQ(host.quadro(), nullptr);
    EXPECT_EQ(host.exec(), QDialog::Rejected);
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, RegistroQuadros::mensagemIndisponivel());
}

TEST(NavegacaoPaginas, NeverStepsTheWrongWay)
{
    QTabWidget paginas;
    for (int i = 0; i < 3; ++i)
        paginas.addTab(new QWidget, QStringLiteral("Página %1").arg(i + 1));
    TFraNavegacaoPagControl navegacao;
    EXPECT_FALSE(navegacao.BtVoltar()->isEnabled());
    navegacao.setPaginaControlada(&paginas);
    EXPECT_FALSE(navegacao.BtVoltar()->isEnabled());
    EXPECT_TRUE(navegacao.BtAvancar()->isEnabled());
    navegacao.BtVoltarClick(); // at the first page: stays
    EXPECT_EQ(paginas.currentIndex(), 0);
    navegacao.BtAvancarClick();
    navegacao.BtAvancarClick();
    EXPECT_EQ(paginas.currentIndex(), 2);
    EXPECT_FALSE(navegacao.BtAvancar()->isEnabled());
    navegacao.BtAvancarClick(); // at the last page: stays, never goes back
    EXPECT_EQ(paginas.currentIndex(), 2);
    navegacao.BtVoltarClick();
    EXPECT_EQ(paginas.currentIndex(), 1);
    EXPECT_TRUE(navegacao.BtAvancar()->isEnabled());
}

TEST(DelegadoGrade, RowColours)
{
    EXPECT_EQ(DelegadoGrade::fundoDaLinha(0), QColor(Qt::white));
    EXPECT_EQ(DelegadoGrade::fundoDaLinha(1), QColor(242, 252, 255));
    EXPECT_EQ(DelegadoGrade::textoDoEstado(QStringLiteral("T")), QColor(Qt::black));
    EXPECT_EQ(DelegadoGrade::textoDoEstado(QStringLiteral("A")), QColor(Qt::black));
    EXPECT_EQ(DelegadoGrade::textoDoEstado(QStringLiteral("N")), QColor(0, 0, 255));
    EXPECT_EQ(DelegadoGrade::textoDoEstado(QString()), QColor(0, 0, 255));
}

namespace {

class JanelaPrincipalTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CaminhosPrograma::definirHome(home.path());
        BaseDemonstracao::criar(banco.db());
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        Configuracao::gravar(ini(), QStringLiteral("Operadora"), BaseDemonstracao::codigoOperadora());
    }
    void TearDown() override { CaminhosPrograma::definirHome({}); }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
};

} // namespace

TEST_F(JanelaPrincipalTeste, ActionsFollowTheOpenQuadro)
{
    TfrmPrincipal principal(estado, dados);
    ASSERT_TRUE(principal.iniciar());
    principal.HabilitaAcoes(16, QStringLiteral("P"));
    EXPECT_FALSE(principal.acao(QStringLiteral("actBalancoAtivo"))->isEnabled());
    EXPECT_TRUE(principal.acao(QStringLiteral("actBalancoPassivo"))->isEnabled());
    EXPECT_FALSE(principal.acao(QStringLiteral("actResultadoPeriodo"))->isEnabled());
    EXPECT_FALSE(principal.acao(QStringLiteral("actCadastro"))->isEnabled());

    principal.HabilitaAcoes(0);
    for (QAction *a : principal.acoes()) {
        if (a->objectName() != QLatin1String("actTransmitir") && a->objectName() != QLatin1String("actGerarDisquete")) {
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        }
    }
    // Help has no content: never enabled.
    EXPECT_FALSE(principal.acao(QStringLiteral("actAjuda100"))->isEnabled());
    // No findings: sending is open.
    EXPECT_TRUE(principal.acao(QStringLiteral("actTransmitir"))->isEnabled());
    EXPECT_TRUE(principal.acao(QStringLiteral("actGerarDisquete"))->isEnabled());

    // A blocking finding closes it.
    banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, TP_VLDC, DE_PERI) VALUES ('345678', 1, '1', '20071')"));
    principal.HabilitaAcoes(0);
    EXPECT_FALSE(principal.acao(QStringLiteral("actTransmitir"))->isEnabled());
}

TEST_F(JanelaPrincipalTeste, AnUpgradedDatabaseClosesSendingUntilTheNextRefresh)
{
    TfrmPrincipal principal(estado, dados);
    ASSERT_TRUE(principal.iniciar());
    estado.setBaseAtualizada(true);
    principal.HabilitaTransmissao();
    EXPECT_FALSE(principal.acao(QStringLiteral("actTransmitir"))->isEnabled());
    EXPECT_FALSE(principal.acao(QStringLiteral("actGerarDisquete"))->isEnabled());
    principal.HabilitaAcoes(0);
    EXPECT_TRUE(principal.acao(QStringLiteral("actTransmitir"))->isEnabled());
}

TEST_F(JanelaPrincipalTeste, OnlyQuadro1OpensBeforeTheRegistrationIsComplete)
{
    TfrmPrincipal principal(estado, dados);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    ASSERT_TRUE(principal.iniciar());
    QList<int> abertos;
    principal.setAbreQuadro([&abertos](int numero, const QString &, QWidget *) {
        abertos << numero;
        return int(QDialog::Rejected);
    });
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    principal.acao(QStringLiteral("actDadosBasicos"))->trigger();
    EXPECT_TRUE(abertos.isEmpty());
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro."));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_EQ(mensagens.chamadas().first().titulo, QStringLiteral("Informação"));

    principal.acao(QStringLiteral("actCadastro"))->trigger();
    EXPECT_EQ(abertos, QList<int>({1}));
    capturar(&principal, QStringLiteral("principal-completa"));
    principal.barraNavegacao()->setCurrentIndex(2);
    capturar(&principal, QStringLiteral("principal-demonstracoes"));
}

TEST_F(JanelaPrincipalTeste, TheBigNoticeCoversTheQuadro)
{
    TfrmPrincipal principal(estado, dados);
    QWidget quadro;
    quadro.resize(400, 300);
    principal.ExibeAviso(&quadro, ServicosOperadora::MensagemDispensa(QStringLiteral("ADMIN")));
    ASSERT_NE(principal.avisoQuadro(), nullptr);
    EXPECT_EQ(principal.avisoQuadro()->parentWidget(), &quadro);
    EXPECT_EQ(principal.avisoQuadro()->text(), QStringLiteral("As Administradoras de Planos estão\ndispensadas de preencher este quadro."));
    quadro.show();
    capturar(&quadro, QStringLiteral("aviso-quadro"));
    principal.ExibeAviso(nullptr, {});
    QApplication::processEvents();
    EXPECT_EQ(principal.avisoQuadro(), nullptr);
}
