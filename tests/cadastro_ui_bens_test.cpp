// The registers of financial assets and real estate in their host, opened from the
// main window's menu and driven with clicks and keys as a user would.

#include "apoio/Capturas.h"
#include "cadastro_ui_apoio.h"
#include "receitas_despesas_ui_apoio.h"

#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/ui/TFrmGridCadAtivos.h"
#include "quadros/cadastro/ui/TfrmAtivos.h"
#include "quadros/cadastro/ui/TfrmGridCadImoveis.h"
#include "quadros/cadastro/ui/TfrmImoveis.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace kelpa;
using kelpa::teste::capturar;
using kelpa::teste::contaLinhas;
using kelpa::teste::digita;
using kelpa::teste::quandoAbrir;
using kelpa::teste::textos;

namespace {

class BensUiTeste : public kelpa::teste::CadastroUiDemonstracaoTeste
{
protected:
    static void escolhe(QComboBox *caixa, const QString &inicio)
    {
        const int i = caixa->findText(inicio, Qt::MatchStartsWith);
        ASSERT_GE(i, 0) << inicio.toStdString();
        caixa->setCurrentIndex(i);
        emit caixa->activated(i);
    }
    static QStringList itens(const QComboBox *caixa)
    {
        QStringList r;
        for (int i = 0; i < caixa->count(); ++i)
            r << caixa->itemText(i);
        return r;
    }
    QString grupoDoBem(const QString &texto) const
    {
        return valor(QStringLiteral("SELECT CD_INDICADOR FROM TB_BEMCODIGO WHERE CAST(CD_BEM AS INTEGER) = %1")
                         .arg(texto.section(QStringLiteral(" - "), 0, 0).trimmed().toInt()));
    }
};

} // namespace

TEST_F(BensUiTeste, TheFileMenuOpensBothRegistersWithoutPeriods)
{
    kelpa::teste::JanelaPrincipalTeste principal(contexto, home.path(), ini(), kelpa::teste::kOper);
    for (const auto &[acao, titulo] : {std::pair{QStringLiteral("actCadAtivos"), QStringLiteral("Cadastro de Ativos")},
                                       std::pair{QStringLiteral("actCadImoveis"), QStringLiteral("Cadastro de Imóveis")}}) {
        QString aberto;
        bool semPeriodos = false;
        principal.abrePor(acao, [&](TfrmExibeQuadro *host, QWidget *modal) {
            auto *quadro = host ? qobject_cast<TfraQuadroGradeCadastro *>(host->quadro()) : nullptr;
            if (!quadro) {
                QTest::keyClick(modal, Qt::Key_Escape);
                return;
            }
            aberto = quadro->titulo();
            semPeriodos = !quadro->cbxPeriodo()->isVisible() && !quadro->btnIncluiPeriodo()->isVisible() && !quadro->btnDesfaz()->isVisible()
                          && quadro->btnConfirmar()->isVisible() && quadro->btnConfirmar()->text() == QStringLiteral("&Cancelar")
                          && quadro->btnConfirmar()->toolTip() == QStringLiteral("Cancela operação no quadro.")
                          && quadro->btIncluir()->isEnabled();
            capturar(host, acao);
            // The only button closes the register.
            QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        });
        EXPECT_EQ(aberto, titulo);
        EXPECT_TRUE(semPeriodos) << acao.toStdString();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(BensUiTeste, AnAssetIsIncludedWithTheKindsOfItsCustodyAndKeepsItsCustody)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 22);
    auto *quadro = abre<TFrmGridCadAtivos>(host);
    ASSERT_TRUE(quadro);
    EXPECT_FALSE(quadro->btEditar()->isEnabled());

    quandoAbrir<TfrmAtivos>([&](TfrmAtivos *dialogo) {
        EXPECT_TRUE(dialogo->cmbCustodia()->isEnabled());
        EXPECT_FALSE(dialogo->btnConfirmar()->isEnabled());
        escolhe(dialogo->cmbCustodia(), QStringLiteral("CBLC"));
        EXPECT_FALSE(dialogo->edtTipo()->isEnabled());
        for (const QString &t : itens(dialogo->cmbBem()))
            EXPECT_EQ(grupoDoBem(t), QStringLiteral("B")) << t.toStdString();
        escolhe(dialogo->cmbCustodia(), QStringLiteral("OUTRAS"));
        EXPECT_TRUE(dialogo->edtTipo()->isEnabled());
        bool temImovel = false;
        for (const QString &t : itens(dialogo->cmbBem()))
            temImovel |= grupoDoBem(t) == QStringLiteral("I");
        EXPECT_FALSE(temImovel);
        EXPECT_TRUE(dialogo->btnConfirmar()->isEnabled());
        // Confirm with nothing but the custody: the code is asked for first.
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Digite o código do ativo"));
        EXPECT_EQ(dialogo->focusWidget(), dialogo->edtCodigo());
        digita(dialogo->edtCodigo(), QStringLiteral("cdb banco x"));
        digita(dialogo->edtEmissao(), QStringLiteral("15032006"));
        digita(dialogo->edtVencimento(), QStringLiteral("15032009"));
        digita(dialogo->edtTipo(), QStringLiteral("pos fixado"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Selecione um Código de Bem"));
        escolhe(dialogo->cmbBem(), QStringLiteral("1020"));
        capturar(dialogo, QStringLiteral("cadastro-ativo-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    EXPECT_EQ(valor(QStringLiteral("SELECT CD_SEQ_ATIVO || '|' || CD_CENTRAL_CUSTODIA || '|' || CD_ATIVO || '|' || DT_EMISSAO || '|' || "
                                   "DT_VENCIMENTO || '|' || TP_INDEXADOR || '|' || CD_BEM || '|' || LG_ALTR_TRAM FROM ATIVOS")),
              QStringLiteral("A000000001|4|CDB BANCO X|2006-03-15|2009-03-15|POS FIXADO|1020|N"));
    ASSERT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->modelo()->index(0, 0).data().toString(), QStringLiteral("OUTRAS"));
    EXPECT_EQ(quadro->modelo()->index(0, 1).data().toString(), QStringLiteral("CDB BANCO X"));
    EXPECT_TRUE(quadro->btEditar()->isEnabled());
    EXPECT_TRUE(quadro->btExcluir()->isEnabled());
    capturar(&host, QStringLiteral("cadastro-ativos-grade"));

    // Once transmitted it cannot be deleted; editing keeps its custody and marks it changed.
    executarSql(dados.db(), QStringLiteral("UPDATE ATIVOS SET LG_ALTR_TRAM = 'T'"));
    quadro->ordenarPor(1);
    EXPECT_FALSE(quadro->btExcluir()->isEnabled());
    quandoAbrir<TfrmAtivos>([&](TfrmAtivos *dialogo) {
        EXPECT_FALSE(dialogo->cmbCustodia()->isEnabled());
        EXPECT_EQ(dialogo->cmbCustodia()->currentText(), QStringLiteral("OUTRAS"));
        EXPECT_EQ(dialogo->edtEmissao()->text(), QStringLiteral("15/03/2006"));
        digita(dialogo->edtVencimento(), QStringLiteral("31022010"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        // A wrong date is never stored as no date.
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Data Inválida"));
        EXPECT_TRUE(dialogo->isVisible());
        digita(dialogo->edtVencimento(), QStringLiteral("31032010"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btEditar(), Qt::LeftButton);
    EXPECT_EQ(valor(QStringLiteral("SELECT DT_VENCIMENTO || '|' || LG_ALTR_TRAM || '|' || CD_SEQ_ATIVO FROM ATIVOS")),
              QStringLiteral("2010-03-31|A|A000000001"));
}

TEST_F(BensUiTeste, ALinkedAssetStaysWithTheWarningAndAnotherGoesAfterTheQuestion)
{
    executarSql(dados.db(), QStringLiteral("INSERT INTO ATIVOS (CD_SEQ_ATIVO, CD_OPER, CD_ATIVO, CD_CENTRAL_CUSTODIA, CD_BEM, LG_ALTR_TRAM) "
                                           "VALUES ('A000000001', '345678', 'LTN', 1, '1001', 'N'), "
                                           "('A000000002', '345678', 'NTN', 2, '1004', 'N')"));
    executarSql(dados.db(), QStringLiteral("INSERT INTO ATIVOS_VINCULADOS (CD_OPER, DT_INIC_VIGN, CD_SEQ_ATIVO, CD_CENTRAL_CUSTODIA, "
                                           "LG_ALTR_TRAM) VALUES ('345678', '2006-07-01', 'A000000001', 1, 'N')"));
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    TfrmExibeQuadro host(contexto, 22);
    auto *quadro = abre<TFrmGridCadAtivos>(host);
    quadro->ordenarPor(1);
    ASSERT_EQ(quadro->modelo()->index(0, 1).data().toString(), QStringLiteral("LTN"));
    QTest::mouseClick(quadro->btExcluir(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens),
              QStringList{QStringLiteral("O registro não pode ser excluído, pois seus dados estão sendo usados no quadro de Ativos Vinculados.")});
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("ATIVOS"), QStringLiteral("1 = 1")), 2);

    quadro->grade()->setCurrentIndex(quadro->modelo()->index(1, 1));
    QTest::mouseClick(quadro->btExcluir(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Deseja excluir o Registro ?"));
    EXPECT_EQ(valor(QStringLiteral("SELECT GROUP_CONCAT(CD_SEQ_ATIVO) FROM ATIVOS")), QStringLiteral("A000000001"));
    EXPECT_EQ(quadro->modelo()->rowCount(), 1);
    confereSemTransacaoAberta();
}

TEST_F(BensUiTeste, APropertyNeedsACepOfEightDigitsAndFindsItsTypedCity)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 23);
    auto *quadro = abre<TfrmGridCadImoveis>(host);
    ASSERT_TRUE(quadro);
    quandoAbrir<TfrmImoveis>([&](TfrmImoveis *dialogo) {
        EXPECT_TRUE(dialogo->rbNao()->isChecked());
        for (const QString &t : itens(dialogo->cmbBem()))
            EXPECT_EQ(grupoDoBem(t), QStringLiteral("I")) << t.toStdString();
        digita(dialogo->edtRGI(), QStringLiteral("12.345a"));
        EXPECT_EQ(dialogo->edtRGI()->text(), QStringLiteral("12345"));
        digita(dialogo->edtCartorio(), QStringLiteral("2o oficio de campinas"));
        digita(dialogo->edtArea(), QStringLiteral("1250,75"));
        escolhe(dialogo->cmbBem(), QStringLiteral("3001"));
        digita(dialogo->edtAquisicao(), QStringLiteral("10022004"));
        QTest::mouseClick(dialogo->rbSim(), Qt::LeftButton);
        digita(dialogo->edtEndereco(), QStringLiteral("av. norte-sul, 900"));
        digita(dialogo->edtBairro(), QStringLiteral("cambui"));
        digita(dialogo->edtCidade(), QStringLiteral("xyzopolis"));
        // Leaving the box looks the name up (the offscreen platform moves no window focus).
        EXPECT_FALSE(dialogo->procuraCidade());
        ASSERT_FALSE(mensagens.chamadas().isEmpty());
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Município não encontrado!\rDigite nome correto!"));
        EXPECT_TRUE(dialogo->edtUF()->text().isEmpty());
        digita(dialogo->edtCidade(), QStringLiteral("campinas"));
        EXPECT_TRUE(dialogo->procuraCidade());
        EXPECT_EQ(dialogo->edtCidade()->text(), QStringLiteral("Campinas"));
        EXPECT_EQ(dialogo->edtUF()->text(), QStringLiteral("SP"));
        digita(dialogo->edtCEP(), QStringLiteral("1301010"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Informe o CEP do Imóvel com 8 dígitos."));
        EXPECT_TRUE(dialogo->isVisible());
        digita(dialogo->edtCEP(), QStringLiteral("13010100"));
        capturar(dialogo, QStringLiteral("cadastro-imovel-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    EXPECT_EQ(valor(QStringLiteral("SELECT CD_SEQ_ATIVO || '|' || CD_RGI || '|' || NM_CARTORIO || '|' || MD_METRAGEM || '|' || CD_BEM || '|' || "
                                   "DT_AQUISICAO || '|' || LG_REDE_PROPRIA || '|' || DE_ENDR || '|' || NM_BAIR || '|' || CD_CEP || '|' || "
                                   "ID_MUNC || '|' || CD_CENTRAL_CUSTODIA || '|' || LG_ALTR_TRAM FROM IMOVEIS")),
              QStringLiteral("I000000001|12345|2O OFICIO DE CAMPINAS|1250.75|3001|2004-02-10|S|AV. NORTE-SUL, 900|CAMBUI|13010100|3509502|0|N"));
    ASSERT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->modelo()->index(0, 0).data().toString(), QStringLiteral("12345"));
    capturar(&host, QStringLiteral("cadastro-imoveis-grade"));

    // A transmitted property saved again is marked changed.
    executarSql(dados.db(), QStringLiteral("UPDATE IMOVEIS SET LG_ALTR_TRAM = 'T'"));
    quadro->ordenarPor(1);
    quandoAbrir<TfrmImoveis>([&](TfrmImoveis *dialogo) {
        EXPECT_EQ(dialogo->edtUF()->text(), QStringLiteral("SP"));
        EXPECT_EQ(dialogo->edtArea()->text(), QStringLiteral("1250,75"));
        EXPECT_TRUE(dialogo->rbSim()->isChecked());
        QTest::mouseClick(dialogo->rbNao(), Qt::LeftButton);
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btEditar(), Qt::LeftButton);
    EXPECT_EQ(valor(QStringLiteral("SELECT LG_REDE_PROPRIA || LG_ALTR_TRAM FROM IMOVEIS")), QStringLiteral("NA"));
}

TEST_F(BensUiTeste, AFailedSaveTellsTheUserAndKeepsWhatWasTyped)
{
    executarSql(dados.db(), QStringLiteral("CREATE TRIGGER RECUSA BEFORE INSERT ON IMOVEIS BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 23);
    auto *quadro = abre<TfrmGridCadImoveis>(host);
    bool ficouAberto = false;
    quandoAbrir<TfrmImoveis>([&](TfrmImoveis *dialogo) {
        digita(dialogo->edtRGI(), QStringLiteral("999"));
        escolhe(dialogo->cmbBem(), QStringLiteral("3001"));
        digita(dialogo->edtCEP(), QStringLiteral("13010100"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        ficouAberto = dialogo->isVisible() && dialogo->edtRGI()->text() == QStringLiteral("999");
        dialogo->reject();
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    EXPECT_TRUE(ficouAberto);
    EXPECT_EQ(textos(mensagens), QStringList{QStringLiteral("Verifique os dados digitados")});
    EXPECT_EQ(contaLinhas(banco, QStringLiteral("IMOVEIS"), QStringLiteral("1 = 1")), 0);
    confereSemTransacaoAberta();
}
