// Quadros 5, 6 and 7 in their host, on the demo operator, driven with clicks and
// keys as a user would.

#include "apoio/Capturas.h"
#include "cadastro_ui_apoio.h"

#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/ui/CampoPessoaCadastro.h"
#include "quadros/cadastro/ui/DadosDependencia.h"
#include "quadros/cadastro/ui/PainelDetalhe.h"
#include "quadros/cadastro/ui/TfrmCadAcionista.h"
#include "quadros/cadastro/ui/TfrmCadControlada.h"
#include "quadros/cadastro/ui/TfrmCadastroDependencia.h"
#include "quadros/cadastro/ui/TfrmGridAcionistas.h"
#include "quadros/cadastro/ui/TfrmGridControladas.h"
#include "quadros/cadastro/ui/TfrmGridDependencia.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

using namespace kelpa;
using kelpa::teste::capturar;
using kelpa::teste::contaLinhas;
using kelpa::teste::digita;
using kelpa::teste::quandoAbrir;
using kelpa::teste::textos;

namespace {

class ParticipacoesUiTeste : public kelpa::teste::CadastroUiDemonstracaoTeste
{
protected:
    // Types a name prefix and leaves the box, as a user finding a person by name.
    static void digitaNome(CampoPessoaCadastro *campo, const QString &texto)
    {
        digita(campo->nome(), texto);
        campo->procuraDigitado();
    }
    static QStringList faltantesAoConfirmar(QPushButton *confirmar)
    {
        QStringList faltando;
        quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
            for (int i = 0; i < aviso->lista()->count(); ++i)
                faltando << aviso->lista()->item(i)->text();
            aviso->accept();
        });
        QTest::mouseClick(confirmar, Qt::LeftButton);
        return faltando;
    }
};

} // namespace

TEST_F(ParticipacoesUiTeste, QuadroFiveCannotBeLeftWhileTheHoldersPassTheTotal)
{
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    TfrmExibeQuadro host(contexto, 5);
    auto *quadro = abre<TfrmGridAcionistas>(host);
    ASSERT_NE(quadro, nullptr);
    EXPECT_TRUE(avisos.isEmpty());
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 5: Acionistas/Quotistas"));
    EXPECT_EQ(quadro->dedCotas()->text(), QStringLiteral("1000000"));
    EXPECT_TRUE(quadro->rbtPulvNao()->isChecked());
    ASSERT_EQ(quadro->modelo()->rowCount(), 2);
    EXPECT_EQ(quadro->modelo()->index(0, 0).data().toString(), QStringLiteral("EXEMPLO PARTICIPAÇÕES S/A"));
    EXPECT_EQ(quadro->modelo()->index(0, 1).data().toString(), QStringLiteral("61.273.458/0001-09"));
    EXPECT_EQ(quadro->modelo()->index(0, 3).data().toString(), QStringLiteral("400.000"));
    EXPECT_EQ(quadro->modelo()->index(1, 4).data().toString(), QStringLiteral("60,00"));
    EXPECT_TRUE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    capturar(&host, QStringLiteral("cadastro-quadro5-demonstracao"));

    // One more holder: the same person is refused and the dialog stays open.
    const int contadora = banco.escalar(QStringLiteral("SELECT ID_PSOA FROM RESPONSAVEIS WHERE ID_RPSV = 1")).toInt();
    quandoAbrir<TfrmCadAcionista>([&](TfrmCadAcionista *dialogo) {
        EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Acionistas/Quotistas"));
        EXPECT_FALSE(dialogo->btnConfirmar()->isEnabled());
        digita(dialogo->edtQtd_Cotas(), QStringLiteral("5"));
        EXPECT_EQ(faltantesAoConfirmar(dialogo->btnConfirmar()), QStringList{QStringLiteral(">> Nome/Razão/Denominação Social")});
        digitaNome(dialogo->campoPessoa(), QStringLiteral("paulo"));
        EXPECT_EQ(dialogo->lblTipoPessoa()->text(), QStringLiteral("FÍSICA"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Acionista já está cadastrado"));
        EXPECT_TRUE(dialogo->isVisible());
        digitaNome(dialogo->campoPessoa(), QStringLiteral("nenhuma pessoa"));
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Registro não encontrado"));
        EXPECT_TRUE(dialogo->campoPessoa()->nome()->text().isEmpty());
        digitaNome(dialogo->campoPessoa(), QStringLiteral("MARIANA"));
        EXPECT_EQ(dialogo->campoPessoa()->idPsoa(), contadora);
        // One holder above the total is told at once.
        digita(dialogo->edtQtd_Cotas(), QStringLiteral("1000001"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(textos(mensagens).last().startsWith(QStringLiteral("O somatório da quantidade")));
        digita(dialogo->edtQtd_Cotas(), QStringLiteral("100000"));
        capturar(dialogo, QStringLiteral("cadastro-acionista-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    ASSERT_EQ(quadro->modelo()->rowCount(), 3);
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());

    // 1.100.000 held of 1.000.000: neither Confirmar nor Cancelar leaves.
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens).last(), Acionistas::MensagemMaior());
    EXPECT_TRUE(host.isVisible());
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens).last(), Acionistas::MensagemMaior());
    EXPECT_TRUE(host.isVisible());

    // A larger total is kept only when confirmed; below the holders' sum it is told.
    digita(quadro->dedCotas(), QStringLiteral("1200000"));
    const qsizetype antes = mensagens.chamadas().size();
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens).mid(antes), QStringList{Acionistas::MensagemMenor()});
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(valor("SELECT QT_TOTL_ACAO_OPER || LG_PULV FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2005-01-01'"),
              QStringLiteral("1200000.0F"));
    confereSemTransacaoAberta();
}

TEST_F(ParticipacoesUiTeste, QuadroFiveWhollySpreadOutHidesTheHoldersAndIsSavedOnlyWhenConfirmed)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    {
        TfrmExibeQuadro host(contexto, 5);
        auto *quadro = abre<TfrmGridAcionistas>(host);
        QTest::mouseClick(quadro->rbtPulvSim(), Qt::LeftButton);
        EXPECT_FALSE(quadro->btIncluir()->isVisible());
        EXPECT_TRUE(quadro->lblPulverizados()->isVisible());
        capturar(&host, QStringLiteral("cadastro-quadro5-pulverizado"));
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_FALSE(host.isVisible());
    }
    EXPECT_EQ(valor("SELECT LG_PULV FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2005-01-01'"), QStringLiteral("F"));
    TfrmExibeQuadro host(contexto, 5);
    auto *quadro = abre<TfrmGridAcionistas>(host);
    QTest::mouseClick(quadro->rbtPulvSim(), Qt::LeftButton);
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    EXPECT_EQ(valor("SELECT LG_PULV FROM QUADROPARTICIPACOES WHERE DT_INIC_VIGN = '2005-01-01'"), QStringLiteral("T"));
}

TEST_F(ParticipacoesUiTeste, QuadroFiveIsNotOfferedToALegalNatureWithoutIt)
{
    banco.sql(QStringLiteral("UPDATE CADASTRO SET CD_SOCI = 'S'"));
    TfrmExibeQuadro host(contexto, 5);
    auto *quadro = abre<TfrmGridAcionistas>(host);
    EXPECT_EQ(avisos, QStringList{QStringLiteral("Este quadro não está disponivel para a Natureza \rJurídica escolhida.")});
    EXPECT_FALSE(quadro->grade()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_TRUE(quadro->btnDesfaz()->isVisible());
}

TEST_F(ParticipacoesUiTeste, QuadroSixChecksBothQuantitiesAndShowsTheShare)
{
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    TfrmExibeQuadro host(contexto, 6);
    auto *quadro = abre<TfrmGridControladas>(host);
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->modelo()->rowCount(), 0);
    ASSERT_TRUE(quadro->btIncluir()->isEnabled());
    quandoAbrir<TfrmCadControlada>([&](TfrmCadControlada *dialogo) {
        digita(dialogo->edtTotalizador(), QStringLiteral("1200"));
        EXPECT_EQ(faltantesAoConfirmar(dialogo->btnConfirmar()),
                  (QStringList{QStringLiteral(">> Razão Social"), QStringLiteral(">> Quantidade de Ações/Quotas")}));
        // A natural person is no company.
        digitaNome(dialogo->campoPessoa(), QStringLiteral("PAULO"));
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Registro não encontrado"));
        digitaNome(dialogo->campoPessoa(), QStringLiteral("exemplo part"));
        EXPECT_EQ(dialogo->campoPessoa()->nome()->text(), QStringLiteral("EXEMPLO PARTICIPAÇÕES S/A"));
        digita(dialogo->edtQtde(), QStringLiteral("0"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(textos(mensagens).last().contains(QStringLiteral("DIFERENTE DE ZERO")));
        digita(dialogo->edtQtde(), QStringLiteral("1300"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(textos(mensagens).last().contains(QStringLiteral("MAIOR")));
        digita(dialogo->edtQtde(), QStringLiteral("300"));
        capturar(dialogo, QStringLiteral("cadastro-controlada-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    ASSERT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->modelo()->index(0, 2).data().toString(), QStringLiteral("25,00"));
    EXPECT_EQ(quadro->painelDetalhe()->valor(QStringLiteral("lblTotal"))->text(), QStringLiteral("1.200"));
    EXPECT_EQ(valor("SELECT NR_SEQL_PTPD || '|' || QT_ACAO || '|' || QT_TOTL_ACAO_PTPD || '|' || LG_REDE_PPIO || LG_ALTR_TRAM FROM PARTICIPADAS"),
              QStringLiteral("1|300.0|1200.0|FN"));
    capturar(&host, QStringLiteral("cadastro-quadro6"));

    // A sent row cannot be deleted.
    banco.sql(QStringLiteral("UPDATE PARTICIPADAS SET LG_ALTR_TRAM = 'T'"));
    quadro->ordenarPor(1);
    EXPECT_FALSE(quadro->btExcluir()->isEnabled());
    EXPECT_TRUE(quadro->btEditar()->isEnabled());
    confereSemTransacaoAberta();
}

TEST_F(ParticipacoesUiTeste, QuadroSevenShowsTheBranchAndRefusesItTwice)
{
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    CadastroPessoas pessoas(dados.db(), kelpa::teste::kOper);
    const int filial = banco.escalar(QStringLiteral("SELECT ID_PSOA FROM DEPENDENCIAS")).toInt();
    DadosPessoa d = *pessoas.Carrega(filial);
    d.faxExterior = true;
    d.faxCodigo = QStringLiteral("351");
    d.faxNumero = QStringLiteral("212345678");
    pessoas.Grava(d);

    TfrmExibeQuadro host(contexto, 7);
    auto *quadro = abre<TfrmGridDependencia>(host);
    ASSERT_NE(quadro, nullptr);
    ASSERT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->modelo()->index(0, 0).data().toString(), QStringLiteral("45.781.236/0002-21"));
    EXPECT_EQ(quadro->painelDetalhe()->valor(QStringLiteral("lblTipo"))->text(), QStringLiteral("Filial"));
    EXPECT_EQ(quadro->dados()->valor(QStringLiteral("lblMunicipio"))->text(), QStringLiteral("Campinas / SP"));
    EXPECT_EQ(quadro->dados()->grdTelefones()->item(0, 1)->text(), QStringLiteral("32514400"));
    EXPECT_TRUE(quadro->dados()->chkExterior()->isChecked());
    EXPECT_EQ(quadro->dados()->lblCodigoFax()->text(), QStringLiteral("DDI+"));
    capturar(&host, QStringLiteral("cadastro-quadro7-demonstracao"));

    quandoAbrir<TfrmCadastroDependencia>([&](TfrmCadastroDependencia *dialogo) {
        EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Cadastro de Dependência"));
        digita(dialogo->campoPessoa()->nome(), QStringLiteral("X"));
        dialogo->campoPessoa()->nome()->clear();
        EXPECT_EQ(faltantesAoConfirmar(dialogo->btnConfirmar()),
                  (QStringList{QStringLiteral(">> Tipo de Dependência"), QStringLiteral(">> Razão Social")}));
        digitaNome(dialogo->campoPessoa(), QStringLiteral("PAULO"));
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Pessoa não Cadastrada"));
        digitaNome(dialogo->campoPessoa(), QStringLiteral("SAUDE"));
        EXPECT_EQ(dialogo->edtCNPJ()->text(), QStringLiteral("45.781.236/0002-21"));
        EXPECT_EQ(dialogo->dados()->lblCodigoFax()->text(), QStringLiteral("DDI+"));
        dialogo->cmbTipo()->setCurrentIndex(2);
        emit dialogo->cmbTipo()->activated(2);
        capturar(dialogo, QStringLiteral("cadastro-dependencia-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Esta Pessoa já está cadastrada"));
        EXPECT_TRUE(dialogo->isVisible());
        EXPECT_TRUE(dialogo->campoPessoa()->nome()->text().isEmpty());
        QTest::mouseClick(dialogo->btnDesfaz(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    EXPECT_EQ(contaLinhas(banco, "DEPENDENCIAS", "1 = 1"), 1);

    // Editing changes the kind only.
    quandoAbrir<TfrmCadastroDependencia>([&](TfrmCadastroDependencia *dialogo) {
        EXPECT_FALSE(dialogo->campoPessoa()->btSeleciona()->isEnabled());
        EXPECT_TRUE(dialogo->campoPessoa()->btEditar()->isEnabled());
        dialogo->cmbTipo()->setCurrentIndex(3);
        emit dialogo->cmbTipo()->activated(3);
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btEditar(), Qt::LeftButton);
    EXPECT_EQ(valor("SELECT ID_PSOA || '|' || ID_TIPO_DPDC || '|' || LG_ALTR_TRAM FROM DEPENDENCIAS"), QStringLiteral("%1|4|N").arg(filial));
    EXPECT_EQ(quadro->painelDetalhe()->valor(QStringLiteral("lblTipo"))->text(), QStringLiteral("Escritório"));
    QTest::mouseClick(quadro->btExcluir(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Deseja excluir o Registro?"));
    EXPECT_EQ(contaLinhas(banco, "DEPENDENCIAS", "1 = 1"), 0);
    confereSemTransacaoAberta();
}
