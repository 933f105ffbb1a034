// The operator dialogs: choosing the current operator, registering one from the official list.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"
#include "apoio/Modal.h"

#include "app/CadastroOperadoras.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ui/DialogosOperadora.h"
#include "app/ui/MensagemDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::quandoAbrirModal;

namespace {

class OperadorasTeste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        estado.configuracao().LeConfiguracao(ini());
        dados.Conecta();
    }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
};

} // namespace

TEST_F(OperadorasTeste, AnEmptyDatabaseOffersNothingAndCancelEndsTheProgram)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmSelecionaOperadora dialogo(estado, dados, ini());
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    EXPECT_EQ(dialogo.cmbOperadora()->count(), 0);
    EXPECT_FALSE(dialogo.btnConfirmar()->isEnabled());
    capturar(&dialogo, QStringLiteral("seleciona-operadora-vazia"));
    QTest::mouseClick(dialogo.btnDesfaz(), Qt::LeftButton);
    EXPECT_TRUE(dialogo.encerrarPrograma());
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Não há operadora cadastrada!!"));
}

TEST_F(OperadorasTeste, RegisteringThroughTheListAndChoosingTheOperator)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmSelecionaOperadora dialogo(estado, dados, ini());
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));

    // Inclui -> Nova Operadora -> list -> pick 345678 -> wrong confirmation, then right.
    quandoAbrirModal([](QWidget *modal) {
        auto *cadastro = qobject_cast<TfrmCadastroOperadora *>(modal);
        ASSERT_NE(cadastro, nullptr);
        EXPECT_FALSE(cadastro->edtCodOper()->isEnabled());
        quandoAbrirModal([](QWidget *lista) {
            auto *dlg = qobject_cast<TfrmListaOperadora *>(lista);
            ASSERT_NE(dlg, nullptr);
            capturar(dlg, QStringLiteral("lista-operadoras"));
            for (int i = 0; i < dlg->grade()->rowCount(); ++i)
                if (dlg->grade()->item(i, 0)->text() == QStringLiteral("345678"))
                    dlg->grade()->selectRow(i);
            QTest::mouseClick(dlg->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(cadastro->btnListaOperadoras(), Qt::LeftButton);
        EXPECT_EQ(cadastro->CodigoEscolhido(), QStringLiteral("345678"));
        EXPECT_EQ(cadastro->cmbNovaOperadora()->text(), QStringLiteral("34567-8"));
        EXPECT_EQ(cadastro->edtCNPJ()->text(), QStringLiteral("96.943.342/0001-14"));
        EXPECT_TRUE(cadastro->edtCodOper()->isEnabled());
        cadastro->edtCodOper()->setFocus();
        QTest::keyClicks(cadastro->edtCodOper(), QStringLiteral("345679"));
        QTest::mouseClick(cadastro->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(cadastro->isVisible());
        capturar(cadastro, QStringLiteral("nova-operadora"));
        cadastro->edtCodOper()->clear();
        QTest::keyClicks(cadastro->edtCodOper(), QStringLiteral("345678"));
        QTest::mouseClick(cadastro->btnConfirmar(), Qt::LeftButton);
        EXPECT_FALSE(cadastro->isVisible());
    });
    QTest::mouseClick(dialogo.btIncluir(), Qt::LeftButton);
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Confirmação da operadora inválida!"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt(), 1);

    ASSERT_EQ(dialogo.cmbOperadora()->count(), 1);
    EXPECT_EQ(dialogo.cmbOperadora()->currentText(), QStringLiteral("345678 - Saúde Exemplo Assistência Médica Ltda."));
    EXPECT_TRUE(dialogo.btnConfirmar()->isEnabled());
    capturar(&dialogo, QStringLiteral("seleciona-operadora"));
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(estado.codOper(), QStringLiteral("345678"));
    EXPECT_EQ(estado.dtVigencia(), QDate(2001, 1, 1));
    Configuracao relida;
    relida.LeConfiguracao(ini());
    EXPECT_EQ(relida.operadora(), QStringLiteral("345678"));
}

TEST_F(OperadorasTeste, TheOfficialListSortsByTheClickedColumn)
{
    TfrmListaOperadora lista(banco.db());
    const int linhas = lista.grade()->rowCount();
    ASSERT_GT(linhas, 2);
    lista.ordenarPor(2);
    QStringList nomes;
    for (int i = 0; i < linhas; ++i)
        nomes << lista.grade()->item(i, 2)->text();
    QStringList ordenados = nomes;
    std::sort(ordenados.begin(), ordenados.end());
    EXPECT_EQ(nomes, ordenados);
    EXPECT_EQ(lista.grade()->horizontalHeaderItem(2)->background().color(), QColor(255, 251, 240));
}
