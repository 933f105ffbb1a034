// "Aviso Importante" and "Transmissão pela Internet": the notice, the password, the
// hand-off to the stand-in client with the buttons held, a blocked validation and a failure.

#include "apoio/BancoTemporario.h"
#include "apoio/Demonstracao.h"
#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "transmissao_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/ui/MensagemDlg.h"
#include "transmissao/TransmissaoInternet.h"
#include "transmissao/ui/TfrmAvisoTransmissao.h"
#include "transmissao/ui/TfrmTransmitirInternet.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using namespace kelpa::teste::transmissao;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::quandoAbrirModal;
using kelpa::teste::retornarDasJanelas;

class DialogosTransmissao : public ::testing::Test
{
protected:
    void SetUp() override
    {
        teste::criarDemonstracaoCompleta(banco.db());
        programa = dir.filePath(QStringLiteral("programa/"));
        QDir().mkpath(programa);
        ASSERT_TRUE(QFile::copy(diretorioProgramas() + QStringLiteral("Expt_Kelpa.dat"), programa + QStringLiteral("Expt_Kelpa.dat")));
        QDir().mkpath(dir.filePath(QStringLiteral("tmp")));
    }

    // Points the job at the test's directories.
    std::function<void(TransmissaoInternet &)> preparar()
    {
        return [this](TransmissaoInternet &t) {
            t.setDiretorioPrograma(programa);
            t.vtx().setDiretorioTemporario(dir.filePath(QStringLiteral("tmp")));
            t.vtx().setArquivoConfSistema(dir.filePath(QStringLiteral("etc-ausente/VTX.conf")));
        };
    }

    std::unique_ptr<TfrmTransmitirInternet> mostrarDialogo()
    {
        auto dlg = std::make_unique<TfrmTransmitirInternet>(banco.db(), BaseDemonstracao::codigoOperadora());
        dlg->setPreparar(preparar());
        dlg->show();
        dlg->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        return dlg;
    }

    BancoTemporario banco;
    QTemporaryDir dir;
    Ambiente ambiente;
    VtxSimulado cliente{dir.filePath(QStringLiteral("vtx")), ambiente};
    QString programa;
};

TEST_F(DialogosTransmissao, FromTheNoticeToTheClientWithTheButtonsHeld)
{
    // The stand-in takes its time, as a user reading its window would.
    ambiente.definir("VTX_SIMULADO_ESPERA_MS", QStringLiteral("800"));
    TfrmAvisoTransmissao aviso(banco.db(), BaseDemonstracao::codigoOperadora());
    QList<bool> botoesPresos;
    aviso.setPreparar([&](TransmissaoInternet &t) {
        preparar()(t);
        t.setProcessarEventos([&] {
            auto *dlg = qobject_cast<TfrmTransmitirInternet *>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            // The export pumps too, before the client starts; from then on both buttons are held.
            if (!dlg->transmitindo())
                return;
            botoesPresos << (!dlg->btnConfirma()->isEnabled() && !dlg->btnCancela()->isEnabled());
            if (botoesPresos.size() == 1)
                capturar(dlg, QStringLiteral("transmitir-internet-transmitindo"));
            QCoreApplication::processEvents();
        });
    });
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    bool abriuTransmissao = false;
    QStringList janelas;
    quandoAbrirModal([&](QWidget *modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Aviso Importante"));
        QStringList textos;
        for (const QLabel *l : modal->findChildren<QLabel *>())
            textos << l->text();
        EXPECT_TRUE(textos.contains(QStringLiteral("Leia com atenção as instruções a seguir, antes de fazer a Transmissão de Dados.")));
        EXPECT_TRUE(textos.contains(QStringLiteral("Conexão com a Internet via Modem:")));
        EXPECT_TRUE(textos.contains(QStringLiteral("1. Conecte o seu computador a Internet.")));
        EXPECT_TRUE(textos.contains(QStringLiteral("Conexão com a Internet via Rede Local:")));
        EXPECT_TRUE(textos.join(u'\n').contains(QStringLiteral("20000 a 20019")));
        capturar(modal, QStringLiteral("aviso-transmissao"));
        quandoAbrirModal([&](QWidget *segundo) {
            auto *dlg = qobject_cast<TfrmTransmitirInternet *>(segundo);
            ASSERT_NE(dlg, nullptr);
            abriuTransmissao = true;
            EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Transmissão pela Internet"));
            EXPECT_EQ(dlg->edSenha()->echoMode(), QLineEdit::Password);
            QTest::keyClicks(dlg->edSenha(), QStringLiteral("Nova Senha 1"));
            capturar(dlg, QStringLiteral("transmitir-internet"));
            retornarDasJanelas(1, &janelas);
            QTest::mouseClick(dlg->btnConfirma(), Qt::LeftButton);
        });
        QTest::mouseClick(qobject_cast<TfrmAvisoTransmissao *>(modal)->btnConfirmar(), Qt::LeftButton);
    });
    aviso.exec();

    EXPECT_TRUE(abriuTransmissao);
    EXPECT_EQ(janelas, QStringList({"frmValida_Dados"})); // validated afresh before the export
    EXPECT_TRUE(mensagens.chamadas().isEmpty()) << mensagens.chamadas().first().texto.toStdString();
    const QStringList campos = cliente.campos();
    ASSERT_EQ(campos.size(), 11);
    EXPECT_EQ(campos.at(2), QStringLiteral("Nova Senha 1"));
    // The dialog's handle, in decimal.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+$")).match(campos.at(9)).hasMatch()) << campos.at(9).toStdString();
    ASSERT_FALSE(botoesPresos.isEmpty());
    EXPECT_FALSE(botoesPresos.contains(false));
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
}

TEST_F(DialogosTransmissao, ThePasswordIsRequiredExceptOnTheWayToCancel)
{
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    auto dlg = mostrarDialogo();
    ASSERT_EQ(QApplication::focusWidget(), dlg->edSenha());

    // Leaving the empty field with Tab.
    QTest::keyClick(dlg->edSenha(), Qt::Key_Tab);
    QTest::qWait(50);
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("SENHA, preenchimento obrigatório"));
    EXPECT_EQ(mensagens.chamadas().first().titulo, QStringLiteral("Atenção"));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_EQ(QApplication::focusWidget(), dlg->edSenha());

    // Clicking Confirm with it empty: told once, nothing starts.
    QTest::mouseClick(dlg->btnConfirma(), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(mensagens.chamadas().size(), 2);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(cliente.executou());

    // Cancel from the empty field closes without a word.
    dlg->edSenha()->setFocus();
    QTest::mouseClick(dlg->btnCancela(), Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_EQ(mensagens.chamadas().size(), 2);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Rejected);
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
}

TEST_F(DialogosTransmissao, ABlockedValidationWarnsAndCloses)
{
    teste::semRepresentante(banco.db());
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    auto dlg = mostrarDialogo();
    QTest::keyClicks(dlg->edSenha(), QStringLiteral("segredo"));
    QStringList janelas;
    retornarDasJanelas(2, &janelas);
    QTest::mouseClick(dlg->btnConfirma(), Qt::LeftButton);

    EXPECT_EQ(janelas, QStringList({"frmValida_Dados", "frmErrosValidacao"}));
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(cliente.executou());
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
    EXPECT_TRUE(dlg->edSenha()->text().isEmpty());
}

TEST_F(DialogosTransmissao, AFailedHandOffIsShownAndLeavesNoFile)
{
    ambiente.remover("KELPA_VTX_PATH");
    ambiente.definir("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config-vazia")));
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    auto dlg = mostrarDialogo();
    QTest::keyClicks(dlg->edSenha(), QStringLiteral("segredo"));
    retornarDasJanelas(1);
    QTest::keyClick(dlg->edSenha(), Qt::Key_Return); // Confirm is the default button

    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto,
              QStringLiteral("Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: O VTX não está instalado ou sua "
                             "instalação foi danificada!"));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(arquivosEm(programa), QStringList({"Expt_Kelpa.dat"}));
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}
