// Quadros 3 and 4 in their host, driven with clicks and keys as a user would.

#include "apoio/Capturas.h"
#include "cadastro_ui_apoio.h"

#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/base/ui/TfrmIncluiPeriodo.h"
#include "quadros/cadastro/Administradores.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/Representante.h"
#include "quadros/cadastro/ui/TfrmCadResponsavelTecnico.h"
#include "quadros/cadastro/ui/TfrmCadRepresentante.h"
#include "quadros/cadastro/ui/TfrmCadastroAdministrador.h"
#include "quadros/cadastro/ui/TfrmListaPessoa.h"
#include "quadros/cadastro/ui/TframeGrid_Administrador.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

using namespace kelpa;
using kelpa::teste::aceitaAvisoUsuario;
using kelpa::teste::capturar;
using kelpa::teste::contaLinhas;
using kelpa::teste::digita;
using kelpa::teste::kOper;
using kelpa::teste::quandoAbrir;
using kelpa::teste::textos;

namespace {

const QString kDiretor = QStringLiteral("PAULO HENRIQUE SOUZA MARTINS");

class AdministradoresUiTeste : public kelpa::teste::CadastroUiTeste
{
protected:
    void SetUp() override
    {
        CadastroUiTeste::SetUp();
        CadastroDemonstracao::criar(dados.db(), kOper);
        diretor = banco.escalar(QStringLiteral("SELECT ID_PSOA FROM ADMINISTRADORES")).toInt();
    }
    int pessoa(const QString &nome, const QString &cpf)
    {
        DadosPessoa p;
        p.nome = nome;
        p.documento = cpf;
        p.segundoNome = QStringLiteral("MARIA");
        return CadastroPessoas(dados.db(), kOper).Inclui(p);
    }
    // Picks the person of that number in the list the next "..." opens.
    static void escolheNaLista(int idPsoa)
    {
        quandoAbrir<TfrmListaPessoa>([idPsoa](TfrmListaPessoa *lista) {
            for (int i = 0; i < lista->grade()->rowCount(); ++i) {
                lista->grade()->selectRow(i);
                if (lista->escolhida()->idPsoa == idPsoa)
                    break;
            }
            EXPECT_EQ(lista->escolhida()->idPsoa, idPsoa);
            QTest::mouseClick(lista->btnConfirmar(), Qt::LeftButton);
        });
    }
    static void escolhePeriodo(TfraModeloQuadroPeriodo *quadro, int indice)
    {
        quadro->cbxPeriodo()->setCurrentIndex(indice);
        emit quadro->cbxPeriodo()->activated(indice);
    }

    int diretor = 0;
};

} // namespace

TEST_F(AdministradoresUiTeste, QuadroThreeListsThePeriodAndIncludesASecondOfficeWithoutASecondOfficer)
{
    const int contadora = banco.escalar(QStringLiteral("SELECT ID_PSOA FROM RESPONSAVEIS WHERE ID_RPSV = 1")).toInt();
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    TfrmExibeQuadro host(contexto, 3);
    auto *quadro = qobject_cast<TframeGrid_Administrador *>(host.quadro());
    ASSERT_NE(quadro, nullptr);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_TRUE(avisos.isEmpty());
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Quadro 3: Administradores"));
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("A partir de 01/01/2005"));
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_TRUE(quadro->btnDesfaz()->isVisible());
    EXPECT_TRUE(quadro->btIncluir()->isEnabled());
    EXPECT_TRUE(quadro->btEditar()->isEnabled());
    ASSERT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->modelo()->index(0, 0).data().toString(), QStringLiteral("418.237.956-09"));
    EXPECT_EQ(quadro->modelo()->index(0, 1).data().toString(), kDiretor);
    EXPECT_TRUE(quadro->grade()->isColumnHidden(2));
    EXPECT_TRUE(quadro->lblNomeResponsavel()->isVisible());
    EXPECT_EQ(quadro->lblNomeResponsavel()->text(), kDiretor);
    EXPECT_EQ(quadro->detalhe(QStringLiteral("lblResponsavel"))->text(), QStringLiteral("SIM"));
    EXPECT_EQ(quadro->detalhe(QStringLiteral("lblCargo"))->text(), QStringLiteral("DIRETOR MÉDICO"));
    EXPECT_EQ(quadro->detalhe(QStringLiteral("lblInicio"))->text(), QStringLiteral("01/04/2004"));
    EXPECT_FALSE(quadro->detalhe(QStringLiteral("lblOrgao"))->isVisible());
    capturar(&host, QStringLiteral("cadastro-quadro3-demonstracao"));

    quandoAbrir<TfrmCadastroAdministrador>([&](TfrmCadastroAdministrador *dialogo) {
        EXPECT_EQ(dialogo->windowTitle(), QStringLiteral("Cadastro de Administrador"));
        EXPECT_FALSE(dialogo->btnConfirmar()->isEnabled());
        EXPECT_TRUE(dialogo->rbtSim()->isVisible());
        // The period already has its technical officer.
        EXPECT_FALSE(dialogo->rbtSim()->isEnabled());
        EXPECT_TRUE(dialogo->rbtNao()->isChecked());
        EXPECT_FALSE(dialogo->cmbOrgao()->isVisible());
        escolheNaLista(contadora);
        QTest::mouseClick(dialogo->btSeleciona(), Qt::LeftButton);
        EXPECT_EQ(dialogo->cmbNomeAdministrador()->text(), QStringLiteral("MARIANA COSTA FERREIRA"));
        EXPECT_EQ(dialogo->edtCPF()->text(), QStringLiteral("318.540.276-62"));
        EXPECT_EQ(dialogo->dedMae()->text(), QStringLiteral("HELENA COSTA FERREIRA"));
        EXPECT_TRUE(dialogo->btnConfirmar()->isEnabled());

        // Missing office and term start are listed, in the dialog's order.
        QStringList faltando;
        quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
            for (int i = 0; i < aviso->lista()->count(); ++i)
                faltando << aviso->lista()->item(i)->text();
            aviso->accept();
        });
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(faltando, (QStringList{QStringLiteral(">> Cargo/Função"), QStringLiteral(">> Início de Mandato")}));
        EXPECT_TRUE(dialogo->isVisible());

        digita(dialogo->edtCargo(), QStringLiteral("diretora financeira"));
        EXPECT_EQ(dialogo->edtCargo()->text(), QStringLiteral("DIRETORA FINANCEIRA"));
        digita(dialogo->DtIniMandato(), QStringLiteral("01032005"));
        digita(dialogo->DtFimMandato(), QStringLiteral("28022005"));
        capturar(dialogo, QStringLiteral("cadastro-administrador-dialogo"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Fim de Mandato MENOR que Início de Mandato"));
        EXPECT_TRUE(dialogo->isVisible());
        digita(dialogo->DtFimMandato(), QStringLiteral("01032005")); // equal to the start: accepted
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    ASSERT_EQ(quadro->modelo()->rowCount(), 2);
    EXPECT_EQ(valor("SELECT ID_PSOA || '|' || SQ_PSOA || '|' || DE_CARG || '|' || DT_INIC_MAND || '|' || DT_FIM_MAND || '|' || "
                    "LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO || '|' || LG_ALTR_TRAM FROM ADMINISTRADORES WHERE SQ_PSOA = 2"),
              QStringLiteral("%1|2|DIRETORA FINANCEIRA|2005-03-01|2005-03-01|FM|N").arg(contadora));

    // Ordered by a clicked title, the same title again turning the order round.
    QTest::mouseClick(quadro->grade()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(quadro->grade()->horizontalHeader()->sectionViewportPosition(1) + 10, 5));
    EXPECT_EQ(quadro->modelo()->index(0, 1).data().toString(), QStringLiteral("MARIANA COSTA FERREIRA"));
    EXPECT_EQ(quadro->modelo()->colunaOrdenada(), 1);
    quadro->ordenarPor(1);
    EXPECT_EQ(quadro->modelo()->index(0, 1).data().toString(), kDiretor);
    EXPECT_TRUE(quadro->decrescente());
    capturar(&host, QStringLiteral("cadastro-quadro3-dois-administradores"));

    // The representative cannot go; the other office can, after the question.
    quadro->grade()->setCurrentIndex(quadro->modelo()->index(0, 1));
    QTest::mouseClick(quadro->btExcluir(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto,
              QStringLiteral("O registro não pode ser excluído, pois seus dados são usados em outros itens de informações do sistema."));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "1 = 1"), 2);
    quadro->grade()->setCurrentIndex(quadro->modelo()->index(1, 1));
    QTest::mouseClick(quadro->btExcluir(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Deseja excluir o registro?"));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "1 = 1"), 1);
    EXPECT_EQ(quadro->modelo()->rowCount(), 1);
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_FALSE(host.isVisible());
    confereSemTransacaoAberta();
}

TEST_F(AdministradoresUiTeste, AnsweringNoToChangingTheOfficerKeepsItMarked)
{
    DesvioMensagens mensagens([](const auto &) { return mrNao; });
    TfrmExibeQuadro host(contexto, 3);
    auto *quadro = qobject_cast<TframeGrid_Administrador *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    quandoAbrir<TfrmCadastroAdministrador>([&](TfrmCadastroAdministrador *dialogo) {
        // The officer's own row: the answer may change; the person may not.
        EXPECT_TRUE(dialogo->rbtSim()->isEnabled());
        EXPECT_TRUE(dialogo->rbtSim()->isChecked());
        EXPECT_FALSE(dialogo->btSeleciona()->isEnabled());
        QTest::qWait(20);
        EXPECT_TRUE(dialogo->edtCargo()->hasFocus());
        QTest::mouseClick(dialogo->rbtNao(), Qt::LeftButton);
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Deseja alterar o Responsável Técnico?"));
        EXPECT_TRUE(dialogo->rbtSim()->isChecked());
        EXPECT_FALSE(dialogo->btnConfirmar()->isEnabled());

        // A new council number as a dentist.
        quandoAbrir<TfrmCadResponsavelTecnico>([](TfrmCadResponsavelTecnico *conselho) {
            EXPECT_EQ(conselho->windowTitle(), QStringLiteral("Nº do Conselho Regional"));
            QTest::mouseClick(conselho->rbtDentista(), Qt::LeftButton);
            EXPECT_EQ(conselho->lblConselho()->text(), QStringLiteral("CRO :"));
            QStringList faltando;
            quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
                faltando << aviso->lista()->item(0)->text();
                aviso->accept();
            });
            QTest::mouseClick(conselho->btnConfirmar(), Qt::LeftButton);
            EXPECT_EQ(faltando, QStringList{QStringLiteral(">> CRO")});
            digita(conselho->edtConselho(), QStringLiteral("  5521 "));
            capturar(conselho, QStringLiteral("cadastro-responsavel-tecnico"));
            QTest::mouseClick(conselho->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(dialogo->rbtSim(), Qt::LeftButton);
        EXPECT_TRUE(dialogo->btnConfirmar()->isEnabled());
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btEditar(), Qt::LeftButton);
    EXPECT_EQ(valor("SELECT LG_RESPONSAVEL_TECNICO || LG_TIPO_RESPONSAVEL_TECNICO || CD_CRM_CRO FROM ADMINISTRADORES"),
              QStringLiteral("TO5521"));
}

TEST_F(AdministradoresUiTeste, AnOlderPeriodOpensWithoutAQuestionAndAsksTheCompanyBody)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    const int contadora = banco.escalar(QStringLiteral("SELECT ID_PSOA FROM RESPONSAVEIS WHERE ID_RPSV = 1")).toInt();
    TfrmExibeQuadro host(contexto, 3);
    auto *quadro = qobject_cast<TframeGrid_Administrador *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    escolhePeriodo(quadro, 1);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("de 01/01/2001 até 31/12/2004"));
    EXPECT_FALSE(quadro->btIncluir()->isEnabled());
    EXPECT_FALSE(quadro->btnExcluiPeriodo()->isEnabled());
    EXPECT_FALSE(quadro->lblNomeResponsavel()->isVisible());
    ASSERT_TRUE(quadro->btnEditaPeriodo()->isEnabled());
    QTest::mouseClick(quadro->btnEditaPeriodo(), Qt::LeftButton);
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    ASSERT_TRUE(quadro->btIncluir()->isEnabled());

    quandoAbrir<TfrmCadastroAdministrador>([&](TfrmCadastroAdministrador *dialogo) {
        EXPECT_FALSE(dialogo->rbtSim()->isVisible());
        ASSERT_TRUE(dialogo->cmbOrgao()->isVisible());
        EXPECT_EQ(dialogo->cmbOrgao()->count(), 8);
        escolheNaLista(contadora);
        QTest::mouseClick(dialogo->btSeleciona(), Qt::LeftButton);
        // The list closed: the dialog is the active window again.
        dialogo->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialogo));
        digita(dialogo->edtCargo(), QStringLiteral("conselheira"));
        dialogo->cmbOrgao()->setCurrentIndex(2);
        emit dialogo->cmbOrgao()->activated(2);
        // A term start that is not a date is told on leaving it.
        digita(dialogo->DtIniMandato(), QStringLiteral("31022002"));
        dialogo->DtFimMandato()->setFocus();
        QTest::qWait(20);
        ASSERT_FALSE(mensagens.chamadas().isEmpty());
        EXPECT_EQ(textos(mensagens).last(), QStringLiteral("Data inválida"));
        digita(dialogo->DtIniMandato(), QStringLiteral("01022002"));
        capturar(dialogo, QStringLiteral("cadastro-administrador-orgao"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluir(), Qt::LeftButton);
    EXPECT_EQ(valor(QStringLiteral("SELECT DT_INIC_VIGN || '|' || CD_ORGA || '|' || LG_RESPONSAVEL_TECNICO || "
                                   "COALESCE(CD_CRM_CRO, '') FROM ADMINISTRADORES WHERE ID_PSOA = %1")
                        .arg(contadora)),
              QStringLiteral("2001-01-01|3|F"));
    EXPECT_EQ(quadro->detalhe(QStringLiteral("lblOrgao"))->text(), QStringLiteral("Conselho Fiscal"));
    capturar(&host, QStringLiteral("cadastro-quadro3-2001"));
}

TEST_F(AdministradoresUiTeste, AFailedPeriodCopyIsToldAndLeavesNothing)
{
    banco.sql(QStringLiteral("CREATE TRIGGER RECUSA BEFORE INSERT ON ADMINISTRADORES BEGIN SELECT RAISE(ABORT, 'disco cheio'); END"));
    DesvioMensagens mensagens([](const auto &c) { return c.tipo == TipoMensagem::Confirmacao ? mrSim : mrOk; });
    TfrmExibeQuadro host(contexto, 3);
    auto *quadro = qobject_cast<TframeGrid_Administrador *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    // A copy of the previous period from 01/07/2006, after the user notice.
    auto copiaPeriodo = [quadro] {
        quandoAbrir<TfrmIncluiPeriodo>([](TfrmIncluiPeriodo *dialogo) {
            digita(dialogo->medDataReajuste(), QStringLiteral("01072006"));
            dialogo->chkCopiarPeriodo()->setChecked(true);
            aceitaAvisoUsuario();
            QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
    };
    copiaPeriodo();
    ASSERT_FALSE(mensagens.chamadas().isEmpty());
    EXPECT_TRUE(mensagens.chamadas().last().texto.startsWith(
        QStringLiteral("Não foi possível copiar os dados do período anterior; o novo período não foi criado.")));
    EXPECT_EQ(mensagens.chamadas().last().tipo, TipoMensagem::Erro);
    EXPECT_EQ(contaLinhas(banco, "QUADROADMINISTRADORES", "DT_INIC_VIGN = '2006-07-01'"), 0);
    EXPECT_EQ(quadro->Datas().size(), 2);

    // Without the failure the copy is the new newest period, with the officer.
    banco.sql(QStringLiteral("DROP TRIGGER RECUSA"));
    copiaPeriodo();
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("A partir de 01/07/2006"));
    EXPECT_EQ(quadro->modelo()->rowCount(), 1);
    EXPECT_EQ(quadro->lblNomeResponsavel()->text(), kDiretor);
    EXPECT_TRUE(quadro->btnExcluiPeriodo()->isEnabled());
    QTest::mouseClick(quadro->btnExcluiPeriodo(), Qt::LeftButton);
    EXPECT_EQ(quadro->cbxPeriodo()->currentText(), QStringLiteral("A partir de 01/01/2005"));
    EXPECT_EQ(contaLinhas(banco, "ADMINISTRADORES", "1 = 1"), 1);
    confereSemTransacaoAberta();
}

TEST_F(AdministradoresUiTeste, QuadroFourKeepsTheAdministratorChosenAmongNamesakes)
{
    // A namesake administrator: the second one is chosen and must stay chosen.
    const int homonimo = pessoa(kDiretor, QStringLiteral("73510264835"));
    Administrador a;
    a.idPsoa = homonimo;
    a.cargo = QStringLiteral("CONSELHEIRO");
    a.inicioMandato = QDate(2004, 1, 1);
    Administradores(dados.db(), kOper).Grava(QDate(2005, 1, 1), a, true);
    CadastroPessoas pessoas(dados.db(), kOper);
    Telefone exterior;
    exterior.ddi = QStringLiteral("55");
    exterior.numero = QStringLiteral("30301234");
    exterior.ramal = QStringLiteral("12");
    pessoas.GravaTelefone(homonimo, pessoas.Carrega(homonimo)->dataDados, exterior);

    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 4);
    auto *quadro = qobject_cast<TfrmCadRepresentante *>(host.quadro());
    ASSERT_NE(quadro, nullptr);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_TRUE(avisos.isEmpty());
    EXPECT_TRUE(quadro->editando());
    EXPECT_EQ(quadro->cmbNome()->text(), kDiretor);
    EXPECT_EQ(quadro->idPessoa(), diretor);
    EXPECT_EQ(quadro->edtCPF()->text(), QStringLiteral("418.237.956-09"));
    EXPECT_EQ(quadro->endereco().municipio->text(), QStringLiteral("São Paulo"));
    EXPECT_EQ(quadro->endereco().cep->text(), QStringLiteral("05422-001"));
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    EXPECT_TRUE(quadro->btManutencaoPessoa()->isEnabled());
    capturar(&host, QStringLiteral("cadastro-quadro4-demonstracao"));

    escolheNaLista(homonimo);
    QTest::mouseClick(quadro->btSeleciona(), Qt::LeftButton);
    EXPECT_EQ(quadro->idPessoa(), homonimo);
    EXPECT_EQ(quadro->edtCPF()->text(), QStringLiteral("735.102.648-35"));
    ASSERT_EQ(quadro->grdTelefones()->rowCount(), 1);
    EXPECT_EQ(quadro->grdTelefones()->item(0, 0)->text(), QStringLiteral("(+55)"));
    EXPECT_EQ(quadro->grdTelefones()->item(0, 2)->text(), QStringLiteral("R. 12"));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    capturar(&host, QStringLiteral("cadastro-quadro4-homonimo"));

    QString aviso;
    quandoAbrir<TfrmAvisoUsuario>([&aviso](TfrmAvisoUsuario *janela) {
        aviso = janela->lblTexto()->text();
        janela->accept();
    });
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(aviso, Representante::AvisoAlteracao());
    EXPECT_EQ(host.result(), QDialog::Accepted);
    EXPECT_EQ(valor("SELECT ID_PSOA || '|' || CD_OPER_DIRE || '|' || LG_ALTR_TRAM FROM DIRETORRELACOES WHERE DT_INIC_VIGN = '2005-01-01'"),
              QStringLiteral("%1|345678|N").arg(homonimo));
    confereSemTransacaoAberta();
}

TEST_F(AdministradoresUiTeste, QuadroFourIsNotLeftWithoutARepresentativeWhileOneCanBeChosen)
{
    banco.sql(QStringLiteral("UPDATE DIRETORRELACOES SET ID_PSOA = NULL, CD_OPER_DIRE = NULL"));
    {
        TfrmExibeQuadro host(contexto, 4);
        auto *quadro = qobject_cast<TfrmCadRepresentante *>(host.quadro());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        EXPECT_TRUE(quadro->cmbNome()->text().isEmpty());
        EXPECT_FALSE(quadro->btManutencaoPessoa()->isEnabled());
        for (QPushButton *botao : {quadro->btnConfirmar(), quadro->btnDesfaz()}) {
            QStringList faltando;
            quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
                faltando << aviso->lista()->item(0)->text();
                aviso->accept();
            });
            botao->setEnabled(true);
            QTest::mouseClick(botao, Qt::LeftButton);
            EXPECT_EQ(faltando, QStringList{QStringLiteral(">> Nenhum Representante Cadastrado")});
            EXPECT_TRUE(host.isVisible());
        }
    }
    // Without administrators the quadro may be left empty.
    banco.sql(QStringLiteral("DELETE FROM ADMINISTRADORES"));
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 4);
    auto *quadro = qobject_cast<TfrmCadRepresentante *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QTest::mouseClick(quadro->btSeleciona(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens), QStringList{QStringLiteral("Não há Administradores cadastrados")});
    QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.result(), QDialog::Rejected);
}
