// "Instalador do KELPA": what the choices enable, a complete installation shown step by
// step, the clean-up question answered "Cancelar a Instalação", and a database that
// cannot be updated.

#include "instalador_apoio.h"

#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "app/ui/MensagemDlg.h"
#include "instalador/ui/TInstaladorKelpaFrm.h"
#include "instalador/ui/TMsgInconsistenciaForm.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste::instalador;
using kelpa::teste::BaseAntiga;
using kelpa::teste::capturar;
using kelpa::teste::quandoAbrirModal;

namespace {

QStringList linhas(const QListWidget *lista)
{
    QStringList r;
    for (int i = 0; i < lista->count(); ++i)
        r << lista->item(i)->text();
    return r;
}

} // namespace

class JanelaInstalador : public ::testing::Test
{
protected:
    void SetUp() override
    {
        janela = std::make_unique<TInstaladorKelpaFrm>(ambiente.pacote());
        janela->manager()->DirInstallDefault = ambiente.padrao();
        janela->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    }

    AmbienteInstalacao ambiente;
    std::unique_ptr<TInstaladorKelpaFrm> janela;
};

TEST_F(JanelaInstalador, TheChoicesEnableWhatTheyNeed)
{
    // Nothing chosen yet.
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Instalador do KELPA"));
    EXPECT_FALSE(janela->btnInstalar()->isEnabled());
    EXPECT_FALSE(janela->grpPasso2()->isEnabled());
    EXPECT_FALSE(janela->rbCompleta()->isChecked() || janela->rbAtualizacao()->isChecked());

    QTest::mouseClick(janela->rbCompleta(), Qt::LeftButton, {}, QPoint(8, janela->rbCompleta()->height() / 2));
    EXPECT_TRUE(janela->btnInstalar()->isEnabled());
    EXPECT_FALSE(janela->grpPasso2()->isEnabled());
    EXPECT_TRUE(janela->memManual()->toPlainText().contains(QStringLiteral("Instalação Completa")));
    capturar(janela.get(), QStringLiteral("instalador-completa"));

    QTest::mouseClick(janela->rbAtualizacao(), Qt::LeftButton, {}, QPoint(8, janela->rbAtualizacao()->height() / 2));
    EXPECT_TRUE(janela->grpPasso2()->isEnabled());
    EXPECT_TRUE(janela->btnInstalar()->isEnabled()); // the default directory is there
    EXPECT_TRUE(janela->memManual()->toPlainText().contains(QStringLiteral("BKP20071_KELPA")));

    // The directory is chosen, never typed; a browse closed without a choice keeps it.
    const QString antes = janela->edDiretorio()->text();
    QTest::keyClicks(janela->edDiretorio(), QStringLiteral("/tmp/outro"));
    EXPECT_EQ(janela->edDiretorio()->text(), antes);
    janela->setEscolherDiretorio([](const QString &) { return QString(); });
    QTest::mouseClick(janela->btnProcurar(), Qt::LeftButton);
    EXPECT_EQ(janela->edDiretorio()->text(), antes);
    janela->setEscolherDiretorio([this](const QString &) { return ambiente.instalacao(); });
    QTest::mouseClick(janela->btnProcurar(), Qt::LeftButton);
    EXPECT_EQ(janela->edDiretorio()->text(), ambiente.instalacao());
    capturar(janela.get(), QStringLiteral("instalador-atualizacao"));

    janela->setDiretorio(QString());
    EXPECT_FALSE(janela->btnInstalar()->isEnabled());
    QTest::mouseClick(janela->rbCompleta(), Qt::LeftButton, {}, QPoint(8, janela->rbCompleta()->height() / 2));
    EXPECT_TRUE(janela->btnInstalar()->isEnabled());
}

TEST_F(JanelaInstalador, ACompleteInstallationShowsItsStepsAndLeavesOnlySair)
{
    QTest::mouseClick(janela->rbCompleta(), Qt::LeftButton, {}, QPoint(8, janela->rbCompleta()->height() / 2));
    QTest::keyClick(janela.get(), Qt::Key_Return); // "Instalar" is the default button

    EXPECT_EQ(linhas(janela->lstPassos()),
              QStringList({"Inicio da Instalação", "Cópia de Segurança: Sistema e base de dados",
                           "Atualizando Dados - Plano de Contas", "Atualizando Sistema", "Instalação concluída com Sucesso!"}));
    EXPECT_EQ(janela->pgbInstalacao()->value(), janela->pgbInstalacao()->maximum());
    EXPECT_FALSE(janela->btnInstalar()->isEnabled());
    EXPECT_EQ(janela->btnCancelar()->text(), QStringLiteral("Sair"));
    EXPECT_EQ(arquivosEm(ambiente.padrao()), QStringList({"Expt_Kelpa.dat", "Kelpa.db", "kelpa"}));
    capturar(janela.get(), QStringLiteral("instalador-concluida"));

    QTest::mouseClick(janela->btnCancelar(), Qt::LeftButton);
    EXPECT_FALSE(janela->isVisible());
}

TEST_F(JanelaInstalador, CancellingTheCleanUpQuestionInterruptsWithItsReason)
{
    ambiente.instalarAntigo("4.0.0", [](BaseAntiga &b) {
        b.sql(QStringLiteral("UPDATE CONSTS SET VersaoKelpa = '4.0.1'"));
        b.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR VALUES ('345678', '2007-04-01', '20', '2001-01-01', '1', 9.0, 'N')"));
    });
    QTest::mouseClick(janela->rbAtualizacao(), Qt::LeftButton, {}, QPoint(8, janela->rbAtualizacao()->height() / 2));
    janela->setDiretorio(ambiente.instalacao());

    QString titulo;
    quandoAbrirModal([&titulo](QWidget *modal) {
        auto *aviso = qobject_cast<TMsgInconsistenciaForm *>(modal);
        ASSERT_NE(aviso, nullptr);
        titulo = aviso->windowTitle();
        capturar(aviso, QStringLiteral("instalador-aviso-2007"));
        QTest::keyClick(aviso, Qt::Key_Escape);
    });
    QTest::mouseClick(janela->btnInstalar(), Qt::LeftButton);

    EXPECT_EQ(titulo, QStringLiteral("Instalação KELPA"));
    EXPECT_EQ(linhas(janela->lstPassos()), QStringList({"Instalação INTERROMPIDA.", "Instalação interrompida pelo usuário."}));
    EXPECT_EQ(janela->lstPassos()->item(1)->foreground().color(), QColor(255, 100, 100));
    EXPECT_EQ(janela->pgbInstalacao()->value(), 0);
    EXPECT_EQ(janela->btnCancelar()->text(), QStringLiteral("Sair"));
    EXPECT_FALSE(janela->btnInstalar()->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(ambiente.instalacao() + QStringLiteral("/BKP20071_KELPA")));
    capturar(janela.get(), QStringLiteral("instalador-interrompida"));
}

TEST_F(JanelaInstalador, ADatabaseThatCannotBeUpdatedIsToldInAnErrorBox)
{
    ambiente.instalarAntigo("4.0.0", [](BaseAntiga &b) {
        b.sql(QStringLiteral("CREATE TRIGGER recusa BEFORE INSERT ON LISTAOPERADORAS BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
    });
    QTest::mouseClick(janela->rbAtualizacao(), Qt::LeftButton, {}, QPoint(8, janela->rbAtualizacao()->height() / 2));
    janela->setDiretorio(ambiente.instalacao());
    DesvioMensagens mensagens([](const DesvioMensagens::Chamada &) { return int(mrOk); });
    QTest::mouseClick(janela->btnInstalar(), Qt::LeftButton);

    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_TRUE(mensagens.chamadas().first().texto.startsWith(
        QStringLiteral("O Sistema não consegui atualizar sua base de dados.  Peça auxílio ao profissional de informática de "
                       "sua Operadora. ")));
    EXPECT_TRUE(mensagens.chamadas().first().texto.contains(QStringLiteral("recusada")));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Erro);
    EXPECT_EQ(linhas(janela->lstPassos()), QStringList({"Instalação INTERROMPIDA.", ""}));
}
