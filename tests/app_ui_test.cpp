// The application core's windows, driven with real key and mouse events.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"
#include "apoio/Modal.h"

#include "app/BaseDemonstracao.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "app/ui/TfrmModDlgConfirmaCancela.h"
#include "app/ui/TfrmPrincipal.h"
#include "app/ui/TfrmSelecionaDiretorio.h"
#include "plataforma/CaminhosPrograma.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::quandoAbrirModal;

namespace {

QString lerArquivo(const QString &caminho)
{
    QFile f(caminho);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

} // namespace

TEST(MensagemDlg, LaysOutButtonsByTheirCount)
{
    TfrmMyMessageDlg soOk(QStringLiteral("Gravado."), TipoMensagem::Informacao, BotaoMensagem::Ok);
    EXPECT_EQ(soOk.width(), 400);
    ASSERT_EQ(soOk.botoes().size(), 1);
    EXPECT_EQ(soOk.botoes().first()->text(), QStringLiteral("&Ok"));
    EXPECT_NEAR(soOk.botoes().first()->x(), (400 - 75) / 2.0, 0.5);
    EXPECT_EQ(soOk.windowTitle(), QStringLiteral("Informação"));
    capturar(&soOk, QStringLiteral("mensagem-informacao"));

    TfrmMyMessageDlg simNao(QStringLiteral("Confirma a exclusão do período?"), TipoMensagem::Confirmacao,
                            BotaoMensagem::Sim | BotaoMensagem::Nao);
    ASSERT_EQ(simNao.botoes().size(), 2);
    EXPECT_EQ(simNao.width(), 400);
    EXPECT_EQ(simNao.botoes().at(0)->text(), QStringLiteral("&Sim"));
    EXPECT_EQ(simNao.botoes().at(1)->text(), QStringLiteral("&Não"));
    EXPECT_EQ(simNao.botoes().at(0)->x(), 120); // (400 - 160) / 2
    EXPECT_EQ(simNao.botoes().at(1)->x(), 205);
    EXPECT_EQ(simNao.windowTitle(), QStringLiteral("Confirme"));
    capturar(&simNao, QStringLiteral("mensagem-confirme"));

    const BotoesMensagem cinco = BotaoMensagem::Sim | BotaoMensagem::Nao | BotaoMensagem::Ok | BotaoMensagem::Cancelar
                                 | BotaoMensagem::Abortar;
    TfrmMyMessageDlg largo(QStringLiteral("x"), TipoMensagem::Cuidado, cinco);
    EXPECT_EQ(largo.width(), 600); // row of 415 pixels
    TfrmMyMessageDlg todos(QStringLiteral("x"), TipoMensagem::Cuidado, cinco | BotaoMensagem::Refazer);
    EXPECT_EQ(todos.width(), 790); // row of 500 pixels
}

TEST(MensagemDlg, GrowsWithLongMessagesThenScrolls)
{
    QStringList linhas;
    for (int i = 1; i <= 20; ++i)
        linhas << QStringLiteral("Linha %1").arg(i);
    TfrmMyMessageDlg vinte(linhas.join(QStringLiteral("\r\n")), TipoMensagem::Cuidado, BotaoMensagem::Ok);
    EXPECT_EQ(vinte.height(), 17 * 20 + 171 - 136);
    EXPECT_EQ(vinte.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(vinte.texto().split(u'\n').size(), 20); // CR LF became one line break
    capturar(&vinte, QStringLiteral("mensagem-vinte-linhas"));

    for (int i = 21; i <= 40; ++i)
        linhas << QStringLiteral("Linha %1").arg(i);
    TfrmMyMessageDlg quarenta(linhas.join(u'\r'), TipoMensagem::Cuidado, BotaoMensagem::Ok);
    EXPECT_EQ(quarenta.height(), 500);
    EXPECT_EQ(quarenta.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    TfrmMyMessageDlg curta(QStringLiteral("Uma linha"), TipoMensagem::Cuidado, BotaoMensagem::Ok);
    EXPECT_EQ(curta.height(), 171);
}

TEST(MensagemDlg, AGivenTitleReplacesTheKindsTitleButNotItsColour)
{
    TfrmMyMessageDlg erro(QStringLiteral("Falhou."), TipoMensagem::Erro, BotaoMensagem::Ok, {}, QStringLiteral("Informação"));
    EXPECT_EQ(erro.windowTitle(), QStringLiteral("Informação"));
    EXPECT_EQ(erro.memo()->palette().color(QPalette::Text), QColor(Qt::red));
    capturar(&erro, QStringLiteral("mensagem-erro"));
    TfrmMyMessageDlg cuidado(QStringLiteral("x"), TipoMensagem::Cuidado, BotaoMensagem::Ok);
    EXPECT_EQ(cuidado.windowTitle(), QStringLiteral("CUIDADO"));
    EXPECT_EQ(cuidado.memo()->palette().color(QPalette::Text), QColor(Qt::black));
    TfrmMyMessageDlg erroPadrao(QStringLiteral("x"), TipoMensagem::Erro, BotaoMensagem::Ok);
    EXPECT_EQ(erroPadrao.windowTitle(), QStringLiteral("E R R O"));
}

TEST(MensagemDlg, ReturnsThePressedButtonsResult)
{
    struct Caso {
        int botao; // index in the row
        int resultado;
    };
    for (const Caso c : {Caso{0, mrSim}, Caso{1, mrNao}, Caso{2, mrCancelar}}) {
        quandoAbrirModal([c](QWidget *modal) {
            auto *dlg = qobject_cast<TfrmMyMessageDlg *>(modal);
            ASSERT_NE(dlg, nullptr);
            QTest::mouseClick(dlg->botoes().at(c.botao), Qt::LeftButton);
        });
        EXPECT_EQ(MensagemDlg(QStringLiteral("Salvar?"), TipoMensagem::Confirmacao,
                              BotaoMensagem::Sim | BotaoMensagem::Nao | BotaoMensagem::Cancelar),
                  c.resultado);
    }
    // The keyboard: Alt+N is "&Não".
    quandoAbrirModal([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_N, Qt::AltModifier); });
    EXPECT_EQ(MensagemDlg(QStringLiteral("Salvar?"), TipoMensagem::Confirmacao, BotaoMensagem::Sim | BotaoMensagem::Nao), mrNao);
}

TEST(AvisoPreenchimento, EmptyListShowsNothing)
{
    EXPECT_FALSE(MostraAvisoPreenchimento({}));
    quandoAbrirModal([](QWidget *modal) {
        auto *aviso = qobject_cast<TfrmAvisoPreenchimento *>(modal);
        ASSERT_NE(aviso, nullptr);
        EXPECT_EQ(aviso->windowTitle(), QStringLiteral("Erro no preenchimento"));
        EXPECT_EQ(aviso->lista()->count(), 2);
        EXPECT_FALSE(aviso->lista()->isWrapping());
        capturar(aviso, QStringLiteral("aviso-preenchimento"));
        QTest::keyClick(modal, Qt::Key_R, Qt::AltModifier);
    });
    EXPECT_TRUE(MostraAvisoPreenchimento({QStringLiteral("Data de Fundação"), QStringLiteral("Capital Próprio")}));

    QStringList muitos;
    for (int i = 1; i <= 12; ++i)
        muitos << QStringLiteral("Campo %1").arg(i);
    TfrmAvisoPreenchimento duasColunas(muitos);
    EXPECT_TRUE(duasColunas.lista()->isWrapping());
    capturar(&duasColunas, QStringLiteral("aviso-preenchimento-duas-colunas"));
}

TEST(AvisoUsuario, DefaultTextOrAGivenOne)
{
    TfrmAvisoUsuario padrao;
    EXPECT_TRUE(padrao.textoPadrao());
    EXPECT_TRUE(padrao.lblTexto()->text().contains(QStringLiteral("Quadros 1 a 7")));
    EXPECT_EQ(padrao.windowTitle(), QStringLiteral("AVISO AO USUÁRIO"));
    capturar(&padrao, QStringLiteral("aviso-usuario"));

    TfrmAvisoUsuario outro(QStringLiteral("Texto <b>livre</b>"));
    EXPECT_FALSE(outro.textoPadrao());
    EXPECT_EQ(outro.lblTexto()->text(), QStringLiteral("Texto <b>livre</b>"));
    EXPECT_EQ(outro.lblTexto()->textFormat(), Qt::PlainText);
}

TEST(JanelasInformativas, SplashClosesItselfAndAboutShowsTheVersion)
{
    TFrmSplach abertura(nullptr, 50);
    capturar(&abertura, QStringLiteral("abertura"));
    QElapsedTimer relogio;
    relogio.start();
    abertura.exec();
    EXPECT_EQ(abertura.result(), QDialog::Accepted);

    TFrmSobre_Kelpa sobre;
    EXPECT_EQ(sobre.windowTitle(), QStringLiteral("Sobre o KELPA"));
    EXPECT_EQ(sobre.findChild<QLabel *>(QStringLiteral("lblVersionInfo"))->text(), QStringLiteral("Versão: 2007.2"));
    capturar(&sobre, QStringLiteral("sobre"));
}

namespace {

// A dialog with two boxes whose check and save the test decides.
class DialogoDeTeste : public TfrmModDlgConfirmaCancela
{
public:
    DialogoDeTeste()
    {
        primeiro = new QLineEdit(areaConteudo());
        segundo = new QLineEdit(areaConteudo());
        auto *layout = new QVBoxLayout(areaConteudo());
        layout->addWidget(primeiro);
        layout->addWidget(segundo);
    }
    QLineEdit *primeiro;
    QLineEdit *segundo;
    bool criticaPassa = true;
    bool gravacaoFalha = false;
    int gravacoes = 0;

protected:
    bool CriticaDados() override { return criticaPassa; }
    void GravaDados() override
    {
        if (gravacaoFalha)
            throw ErroBanco(QStringLiteral("Erro ao acessar a base de dados."), QStringLiteral("disk I/O error"));
        ++gravacoes;
    }
};

} // namespace

TEST(ConfirmaCancela, ConfirmChecksThenSavesAndAFailureKeepsTheDialogOpen)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    DialogoDeTeste dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_FALSE(dlg.lblMensagem()->isVisible());
    capturar(&dlg, QStringLiteral("dialogo-confirma-cancela"));

    dlg.criticaPassa = false;
    QTest::mouseClick(dlg.btnConfirmar(), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.gravacoes, 0);

    dlg.criticaPassa = true;
    dlg.gravacaoFalha = true;
    QTest::mouseClick(dlg.btnConfirmar(), Qt::LeftButton);
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_TRUE(mensagens.chamadas().first().texto.contains(QStringLiteral("disk I/O error")));

    dlg.gravacaoFalha = false;
    QTest::mouseClick(dlg.btnConfirmar(), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.gravacoes, 1);
}

TEST(ConfirmaCancela, EnterAndDownMoveToTheNextBoxAndEscCancels)
{
    DialogoDeTeste dlg;
    dlg.setMostraMensagem(true);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_TRUE(dlg.lblMensagem()->isVisible());
    dlg.activateWindow();
    dlg.primeiro->setFocus();
    QTest::keyClicks(dlg.primeiro, QStringLiteral("123"));
    QTest::keyClick(dlg.primeiro, Qt::Key_Return);
    EXPECT_TRUE(dlg.segundo->hasFocus());
    EXPECT_TRUE(dlg.isVisible()); // Enter did not press Confirm
    dlg.primeiro->setFocus();
    QTest::keyClick(dlg.primeiro, Qt::Key_Down);
    EXPECT_TRUE(dlg.segundo->hasFocus());

    QTest::keyClick(dlg.segundo, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(dlg.gravacoes, 0);
}

TEST(SelecionaDiretorio, RefusesADirectoryWithoutADatabase)
{
    QTemporaryDir home;
    QTemporaryDir vazio;
    const QString ini = home.filePath(QStringLiteral("Kelpa.ini"));
    Configuracao::garantirArquivo(ini, home.path());
    const QString antes = lerArquivo(ini);

    EstadoTrabalho estado;
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmSelecionaDiretorio dlg(estado, ini);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    EXPECT_EQ(dlg.DirectoryEdit()->text(), home.path() + QStringLiteral("/"));
    capturar(&dlg, QStringLiteral("seleciona-diretorio"));
    dlg.DirectoryEdit()->setText(vazio.path());
    QTest::mouseClick(dlg.btnConfirmar(), Qt::LeftButton);

    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_FALSE(dlg.isVisible());
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Diretório especificado não possui uma base"));
    EXPECT_EQ(mensagens.chamadas().first().titulo, QStringLiteral("CUIDADO"));
    EXPECT_EQ(lerArquivo(ini), antes);
}

TEST(SelecionaDiretorio, StoresTheChosenDirectoryWithItsSlash)
{
    QTemporaryDir home;
    BancoTemporario banco;
    const QString ini = home.filePath(QStringLiteral("Kelpa.ini"));
    Configuracao::garantirArquivo(ini, home.path());
    EstadoTrabalho estado;
    TfrmSelecionaDiretorio dlg(estado, ini);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QString semBarra = banco.diretorio();
    semBarra.chop(1);
    dlg.DirectoryEdit()->setText(semBarra);
    QTest::mouseClick(dlg.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    estado.configuracao().LeConfiguracao(ini);
    EXPECT_EQ(estado.configuracao().valor(QStringLiteral("DiretorioBase")), banco.diretorio());
    // The other five lines are untouched and in their place.
    EXPECT_TRUE(lerArquivo(ini).startsWith(QStringLiteral("[Defaults]\nServidorInternet=vtx.qor.gov.br\nPortaServico=80\n")));
}

class PrincipalTeste : public ::testing::Test
{
protected:
    void SetUp() override { CaminhosPrograma::definirHome(home.path()); }
    void TearDown() override { CaminhosPrograma::definirHome({}); }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    EstadoTrabalho estado;
    DtConexao dados{estado};
};

TEST_F(PrincipalTeste, StartsOnTheDemoDatabaseWithTheOperatorInTheHeader)
{
    BancoTemporario banco;
    BaseDemonstracao::criar(banco.db());
    Configuracao::garantirArquivo(ini(), banco.diretorio());
    Configuracao::gravar(ini(), QStringLiteral("Operadora"), BaseDemonstracao::codigoOperadora());

    TfrmPrincipal principal(estado, dados);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    ASSERT_TRUE(principal.iniciar());
    EXPECT_EQ(principal.edtCodOper()->text(), QStringLiteral("34567-8"));
    EXPECT_EQ(principal.edtNomeOperadora()->text(), QStringLiteral("Saúde Exemplo Assistência Médica Ltda."));
    EXPECT_EQ(principal.edtCnpj()->text(), QStringLiteral("96.943.342/0001-14"));
    EXPECT_EQ(principal.lblVersao()->text(), QStringLiteral("Versão: 2007.2"));
    EXPECT_EQ(estado.codOper(), QStringLiteral("345678"));
    capturar(&principal, QStringLiteral("principal"));
}

TEST_F(PrincipalTeste, FirstStartWritesTheIniAndCancelEndsTheProgram)
{
    ASSERT_FALSE(QFile::exists(ini()));
    TfrmPrincipal principal(estado, dados);
    bool perguntou = false;
    quandoAbrirModal([&perguntou](QWidget *modal) {
        perguntou = qobject_cast<TfrmSelecionaDiretorio *>(modal) != nullptr;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(principal.iniciar());
    EXPECT_TRUE(perguntou);
    EXPECT_EQ(lerArquivo(ini()).split(u'\n', Qt::SkipEmptyParts).size(), 6);
}

TEST_F(PrincipalTeste, AnUnknownConfiguredOperatorAsksForOneAndCancelWithNoneEndsTheProgram)
{
    BancoTemporario banco;
    Configuracao::garantirArquivo(ini(), banco.diretorio());
    Configuracao::gravar(ini(), QStringLiteral("Operadora"), QStringLiteral("999999"));
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmPrincipal principal(estado, dados);
    bool perguntou = false;
    quandoAbrirModal([&perguntou](QWidget *modal) {
        perguntou = modal->objectName() == QStringLiteral("frmSelecionaOperadora");
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(principal.iniciar());
    EXPECT_TRUE(perguntou);
    EXPECT_EQ(principal.edtCodOper()->text(), QString());
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Não há operadora cadastrada!!"));
}
