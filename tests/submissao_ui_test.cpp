// "Gerar Disquete": choosing the target, the generation with its progress page, the
// validation that stops it and a failure that keeps the dialog open.

#include "apoio/BancoTemporario.h"
#include "apoio/Demonstracao.h"
#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "transmissao_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/ui/MensagemDlg.h"
#include "exportacao/VolumesSubmissao.h"
#include "exportacao/ui/TfrmGeraArquivo.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::retornarDasJanelas;
using kelpa::teste::transmissao::Ambiente;

class DialogoDisquete : public ::testing::Test
{
protected:
    void SetUp() override
    {
        teste::criarDemonstracaoCompleta(banco.db());
        destino = dir.filePath(QStringLiteral("pendrive/"));
        QDir().mkpath(destino);
        QDir().mkpath(dir.filePath(QStringLiteral("tmp")));
        ambiente.definir("TMPDIR", dir.filePath(QStringLiteral("tmp")));
        dialogo = std::make_unique<TfrmGeraArquivo>(banco.db(), BaseDemonstracao::codigoOperadora(), banco.diretorio());
        dialogo->setExptdefsPath(diretorioProgramas());
    }

    void mostrar()
    {
        dialogo->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialogo.get()));
    }

    BancoTemporario banco;
    QTemporaryDir dir;
    Ambiente ambiente;
    QString destino;
    std::unique_ptr<TfrmGeraArquivo> dialogo;
};

TEST_F(DialogoDisquete, GeneratesIntoTheChosenFolder)
{
    // The mounted volumes first, then the folder the user picked, selected.
    const int volumes = int(VolumesSubmissao::listar().size());
    EXPECT_EQ(dialogo->cmbDrive()->count(), volumes);
    dialogo->escolherPasta(destino);
    dialogo->escolherPasta(destino); // picked twice, listed once
    ASSERT_EQ(dialogo->cmbDrive()->count(), volumes + 1);
    EXPECT_EQ(dialogo->cmbDrive()->currentIndex(), volumes);
    EXPECT_EQ(dialogo->cmbDrive()->currentText(), destino + QStringLiteral(" - pasta"));
    EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Gerar Disquete"));
    EXPECT_EQ(dialogo->cmbDrive()->toolTip(), QStringLiteral("Drive destino para a geração de disco\nmensal. Administradores PGBL."));
    mostrar();
    EXPECT_EQ(dialogo->paginas()->currentWidget()->objectName(), QStringLiteral("Selecao"));
    capturar(dialogo.get(), QStringLiteral("gerar-disquete"));

    QString pagina;
    int progresso = -1;
    DesvioMensagens mensagens([&](const DesvioMensagens::Chamada &) {
        // The success is told while the progress page is still up, full.
        pagina = dialogo->paginas()->currentWidget()->objectName();
        progresso = dialogo->pgbCopiaBanco()->value();
        capturar(dialogo.get(), QStringLiteral("gerar-disquete-exportando"));
        return int(mrOk);
    });
    // The data is validated afresh in its window first.
    QStringList janelas;
    retornarDasJanelas(1, &janelas);
    QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);

    EXPECT_EQ(janelas, QStringList({"frmValida_Dados"}));
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Geração do arquivo concluída com sucesso!"));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Informacao);
    EXPECT_EQ(pagina, QStringLiteral("CopiaBanco"));
    EXPECT_EQ(progresso, 100);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Accepted);
    const QStringList arquivos = arquivosEm(destino);
    ASSERT_EQ(arquivos.size(), 2);
    EXPECT_TRUE(arquivos.first().startsWith(QStringLiteral("345678")) && arquivos.first().endsWith(QStringLiteral(".diz")));
    EXPECT_EQ(arquivos.last(), QStringLiteral("OPERADORA.COD"));
    EXPECT_EQ(dialogo->arquivoDiz(), destino + arquivos.first());
}

TEST_F(DialogoDisquete, ABlockedValidationWarnsWritesNothingAndCloses)
{
    teste::semRepresentante(banco.db());
    dialogo->escolherPasta(destino);
    mostrar();
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    // The validation window with its findings, then the serious-errors warning.
    QStringList janelas;
    retornarDasJanelas(2, &janelas);
    QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);

    EXPECT_EQ(janelas, QStringList({"frmValida_Dados", "frmErrosValidacao"}));
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
    EXPECT_TRUE(arquivosEm(destino).isEmpty());
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(DialogoDisquete, TheValidationStepOfTheCallerRunsFirst)
{
    int validacoes = 0;
    dialogo->setValidacao([&](QWidget *pai) {
        ++validacoes;
        EXPECT_EQ(pai, dialogo.get());
        // Nothing has started yet: still the choice page.
        EXPECT_EQ(dialogo->paginas()->currentIndex(), 0);
        return false;
    });
    dialogo->escolherPasta(destino);
    mostrar();
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(validacoes, 1);
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_TRUE(arquivosEm(destino).isEmpty());
}

TEST_F(DialogoDisquete, AFailureKeepsTheDialogOpenOnTheChoice)
{
    dialogo->escolherPasta(destino);
    QDir(destino).removeRecursively(); // the medium went away
    mostrar();
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    retornarDasJanelas(1);
    QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);

    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_TRUE(mensagens.chamadas().first().texto.startsWith(
        QStringLiteral("Houve um erro ao gerar o arquivo. \n\rDescrição do Erro: O diretório de destino não existe")))
        << mensagens.chamadas().first().texto.toStdString();
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_TRUE(dialogo->isVisible());
    EXPECT_EQ(dialogo->paginas()->currentWidget()->objectName(), QStringLiteral("Selecao"));
    EXPECT_TRUE(dialogo->btnConfirmar()->isEnabled());
    EXPECT_TRUE(dialogo->btnDesfaz()->isEnabled());
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());

    // Cancel closes and writes nothing.
    QTest::mouseClick(dialogo->btnDesfaz(), Qt::LeftButton);
    EXPECT_FALSE(dialogo->isVisible());
    EXPECT_EQ(dialogo->result(), QDialog::Rejected);
}
