// The person dialogs, the pick lists, the region dialog and Quadros 1 and 2 in their
// host, driven with clicks and keys as a user would.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"
#include "cadastro_apoio.h"
#include "cadastro_ui_apoio.h"

#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/ServicosOperadora.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/base/ui/TfrmIncluiPeriodo.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/cadastro/DadosBasicos.h"
#include "quadros/cadastro/RegiaoAtuacao.h"
#include "quadros/cadastro/ui/RegistroQuadrosCadastro.h"
#include "quadros/cadastro/ui/TFrameCadBasico.h"
#include "quadros/cadastro/ui/TFrameCadComplemento.h"
#include "quadros/cadastro/ui/TfrmCadastroPessoa.h"
#include "quadros/cadastro/ui/TfrmCadastroTelefone.h"
#include "quadros/cadastro/ui/TfrmListaMunicipio.h"
#include "quadros/cadastro/ui/TfrmListaPessoa.h"
#include "quadros/cadastro/ui/TfrmRegiaoAtuacao.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

using namespace kelpa;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::contaLinhas;

namespace {
using kelpa::teste::aceitaAvisoUsuario;
using kelpa::teste::CadastroUiTeste;
using kelpa::teste::digita;
using kelpa::teste::kOper;
using kelpa::teste::quandoAbrir;
using kelpa::teste::textos;
} // namespace

TEST_F(CadastroUiTeste, NewPersonWithAddressPhoneAndFax)
{
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmCadastroPessoa dialogo(dados.db(), kOper);
    dialogo.setModo(TfrmCadastroPessoa::Nova);
    dialogo.setTipoPreSelecionado(0);
    dialogo.setDisposicao(TfrmCadastroPessoa::ListaGenerica);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    const int id = dialogo.IdPessoa();
    ASSERT_EQ(id, 1);
    EXPECT_EQ(contaLinhas(banco, "PESSOAS", "CD_OPER = '345678' AND ID_PSOA = 1"), 1);
    EXPECT_FALSE(dialogo.pnlTipo()->isVisible());
    EXPECT_TRUE(dialogo.pnlEndereco()->isVisible());
    EXPECT_EQ(dialogo.lblNome()->text(), QStringLiteral("Nome:"));
    EXPECT_EQ(dialogo.lblDocumento()->text(), QStringLiteral("CPF"));

    digita(dialogo.edtRzSocial(), QStringLiteral("maria souza"));
    EXPECT_EQ(dialogo.edtRzSocial()->text(), QStringLiteral("MARIA SOUZA"));
    // A wrong check digit is told on leaving the box.
    digita(dialogo.edtCPF_CNPJ(), QStringLiteral("31854027663"));
    dialogo.edtSegundoNome()->setFocus();
    ASSERT_FALSE(mensagens.chamadas().isEmpty());
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("CPF inválido. Digite corretamente!!"));
    EXPECT_EQ(mensagens.chamadas().last().tipo, TipoMensagem::Cuidado);
    digita(dialogo.edtCPF_CNPJ(), QStringLiteral("31854027662"));
    EXPECT_EQ(dialogo.edtCPF_CNPJ()->text(), QStringLiteral("318.540.276-62"));
    digita(dialogo.edtSegundoNome(), QStringLiteral("ana souza"));
    digita(dialogo.dtNascimento(), QStringLiteral("12031975"));
    digita(dialogo.edtLogradouro(), QStringLiteral("rua das flores"));
    digita(dialogo.edtNumero(), QStringLiteral("12"));
    digita(dialogo.edtBairro(), QStringLiteral("centro"));

    quandoAbrir<TfrmListaMunicipio>([](TfrmListaMunicipio *lista) {
        EXPECT_EQ(lista->cmbUF()->currentData().toString(), QStringLiteral("AC"));
        lista->selecionaEstado(QStringLiteral("SP"));
        lista->grade()->setFocus();
        QTest::keyClicks(lista->grade(), QStringLiteral("sao bern"));
        EXPECT_EQ(lista->lblPesquisa()->text(), QStringLiteral("Pesquisa: SAO BERN"));
        capturar(lista, QStringLiteral("cadastro-lista-municipios"));
        QTest::mouseClick(lista->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(dialogo.btnMunicipio(), Qt::LeftButton);
    EXPECT_EQ(dialogo.edtMunicipio()->text(), QStringLiteral("São Bernardo do Campo"));
    EXPECT_EQ(dialogo.edtUF()->text(), QStringLiteral("SP"));
    digita(dialogo.edtCEP(), QStringLiteral("09750000"));
    digita(dialogo.edtEmail(), QStringLiteral("Maria@Exemplo.com.br"));
    EXPECT_EQ(dialogo.edtEmail()->text(), QStringLiteral("maria@exemplo.com.br"));

    quandoAbrir<TfrmCadastroTelefone>([](TfrmCadastroTelefone *telefone) {
        digita(telefone->edtCodigo(), QStringLiteral("11"));
        digita(telefone->edtNumero(), QStringLiteral("44445555"));
        digita(telefone->edtRamal(), QStringLiteral("12"));
        capturar(telefone, QStringLiteral("cadastro-telefone"));
        QTest::mouseClick(telefone->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(dialogo.btnIncluirTelefone(), Qt::LeftButton);
    ASSERT_EQ(dialogo.grdTelefones()->rowCount(), 1);
    EXPECT_EQ(dialogo.grdTelefones()->item(0, 0)->text(), QStringLiteral("(11 )"));
    EXPECT_TRUE(dialogo.btnExcluirTelefone()->isEnabled());
    digita(dialogo.edtFaxCodigo(), QStringLiteral("11"));
    digita(dialogo.edtFax(), QStringLiteral("44446666"));
    capturar(&dialogo, QStringLiteral("cadastro-pessoa-fisica"));

    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(dialogo.IdPessoa(), id);
    EXPECT_EQ(valor("SELECT NM_PSOA || '|' || CD_CPF_CNPJ || '|' || LG_ESTRANGEIRO FROM PESSOAS WHERE ID_PSOA = 1"),
              QStringLiteral("MARIA SOUZA|31854027662|F"));
    EXPECT_EQ(valor("SELECT NM_MAE || '|' || DT_NASCIMENTO || '|' || ID_MUNC || '|' || CD_CEP || '|' || DE_MAIL || '|' || LG_INAT "
                    "FROM DADOSPESSOAS WHERE ID_PSOA = 1"),
              QStringLiteral("ANA SOUZA|1975-03-12|3548708|09750000|maria@exemplo.com.br|F"));
    EXPECT_EQ(valor("SELECT GROUP_CONCAT(NR_SEQL_TELF || TP_TELF || CD_DDD || NR_TELF, ',') FROM "
                    "(SELECT * FROM TELEFONESPESSOAS WHERE ID_PSOA = 1 ORDER BY NR_SEQL_TELF)"),
              QStringLiteral("0F1144446666,1T1144445555"));
}

TEST_F(CadastroUiTeste, CancellingANewPersonLeavesNoRowOfIt)
{
    DesvioMensagens mensagens([](const auto &) { return mrSim; });
    TfrmCadastroPessoa dialogo(dados.db(), kOper);
    dialogo.setDisposicao(TfrmCadastroPessoa::ListaGenerica);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    quandoAbrir<TfrmCadastroTelefone>([](TfrmCadastroTelefone *telefone) {
        // Abroad: the code is a country code and the number may be longer.
        QTest::mouseClick(telefone->chkExterior(), Qt::LeftButton);
        EXPECT_EQ(telefone->lblCodigo()->text(), QStringLiteral("DDI+"));
        digita(telefone->edtNumero(), QStringLiteral("212345678"));
        QTest::mouseClick(telefone->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(telefone->isVisible()); // no code yet
        digita(telefone->edtCodigo(), QStringLiteral("351"));
        QTest::mouseClick(telefone->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(dialogo.btnIncluirTelefone(), Qt::LeftButton);
    EXPECT_EQ(textos(mensagens), QStringList{QStringLiteral("Digite o código do DDI.")});
    ASSERT_EQ(dialogo.grdTelefones()->rowCount(), 1);
    EXPECT_EQ(dialogo.grdTelefones()->item(0, 0)->text(), QStringLiteral("(351+)"));
    EXPECT_EQ(contaLinhas(banco, "TELEFONESPESSOAS", "ID_PSOA = 1"), 1);

    QTest::mouseClick(dialogo.btnDesfaz(), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Rejected);
    EXPECT_EQ(dialogo.IdPessoa(), 0);
    for (const char *tabela : {"PESSOAS", "DADOSPESSOAS", "TELEFONESPESSOAS"})
        EXPECT_EQ(contaLinhas(banco, tabela, "CD_OPER = '345678' AND ID_PSOA <> 0"), 0) << tabela;
}

TEST_F(CadastroUiTeste, ChecksTellWhatIsMissingAndRefuseAnotherPersonsDocument)
{
    CadastroPessoas pessoas(dados.db(), kOper);
    DadosPessoa existente;
    existente.nome = QStringLiteral("JOSÉ");
    existente.documento = QStringLiteral("31854027662");
    pessoas.Inclui(existente);

    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmCadastroPessoa dialogo(dados.db(), kOper);
    dialogo.setDisposicao(TfrmCadastroPessoa::Responsaveis);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    EXPECT_TRUE(dialogo.pnlTipo()->isVisible());
    EXPECT_FALSE(dialogo.pnlEndereco()->isVisible());

    QStringList faltando;
    quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
        for (int i = 0; i < aviso->lista()->count(); ++i)
            faltando << aviso->lista()->item(i)->text();
        aviso->accept();
    });
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(faltando, (QStringList{">> Nome", ">> CPF"}));
    EXPECT_TRUE(dialogo.isVisible());

    // Choosing the legal type changes labels and caption.
    QTest::mouseClick(dialogo.rbJuridica(), Qt::LeftButton);
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Pessoa Jurídica"));
    EXPECT_EQ(dialogo.lblNome()->text(), QStringLiteral("Razão Social:"));
    EXPECT_EQ(dialogo.lblSegundoNome()->text(), QStringLiteral("Nome Fantasia:"));
    EXPECT_FALSE(dialogo.dtNascimento()->isVisible());
    EXPECT_FALSE(dialogo.chkEstrangeiro()->isVisible());
    QTest::mouseClick(dialogo.rbFisica(), Qt::LeftButton);
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Pessoa Física"));

    digita(dialogo.edtRzSocial(), QStringLiteral("joao"));
    digita(dialogo.edtCPF_CNPJ(), QStringLiteral("31854027662"));
    digita(dialogo.dtNascimento(), QStringLiteral("01012020"));
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Data de Nascimento inválida."));
    digita(dialogo.dtNascimento(), QStringLiteral("01011980"));
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Já existe pessoa cadastrada com este CPF!!!\rDigite o CPF correto!!"));
    EXPECT_TRUE(dialogo.isVisible());

    // A foreigner needs no CPF.
    QTest::mouseClick(dialogo.chkEstrangeiro(), Qt::LeftButton);
    EXPECT_FALSE(dialogo.edtCPF_CNPJ()->isEnabled());
    capturar(&dialogo, QStringLiteral("cadastro-pessoa-responsavel"));
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(valor(QStringLiteral("SELECT NM_PSOA || '[' || CD_CPF_CNPJ || ']' || LG_ESTRANGEIRO FROM PESSOAS WHERE ID_PSOA = %1")
                        .arg(dialogo.IdPessoa())),
              QStringLiteral("JOAO[]T"));
}

TEST_F(CadastroUiTeste, AFailedSaveKeepsTheDialogOpenWithTheError)
{
    CadastroPessoas pessoas(dados.db(), kOper);
    DadosPessoa d;
    d.nome = QStringLiteral("ANA");
    d.documento = QStringLiteral("31854027662");
    d.email = QStringLiteral("ana@x.com");
    const int id = pessoas.Inclui(d);
    banco.sql("CREATE TRIGGER recusa BEFORE UPDATE ON DADOSPESSOAS BEGIN SELECT RAISE(ABORT, 'disco cheio'); END");

    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmCadastroPessoa dialogo(dados.db(), kOper);
    dialogo.setModo(TfrmCadastroPessoa::Edicao);
    dialogo.setIdPessoa(id);
    dialogo.setDisposicao(TfrmCadastroPessoa::ListaGenerica);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    EXPECT_TRUE(dialogo.chkInativa()->isVisible());
    EXPECT_EQ(dialogo.edtRzSocial()->text(), QStringLiteral("ANA"));
    digita(dialogo.edtRzSocial(), QStringLiteral("ANA MARIA"));
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    ASSERT_EQ(mensagens.chamadas().size(), 2);
    EXPECT_TRUE(mensagens.chamadas().at(0).texto.contains(QStringLiteral("disco cheio")));
    EXPECT_EQ(mensagens.chamadas().at(1).texto, QStringLiteral("Houve erro na gravação.\rTente novamente..."));
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(valor("SELECT NM_PSOA FROM PESSOAS WHERE ID_PSOA = 1"), QStringLiteral("ANA"));

    banco.sql("DROP TRIGGER recusa");
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_FALSE(dialogo.isVisible());
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    EXPECT_EQ(valor("SELECT NM_PSOA FROM DADOSPESSOAS WHERE ID_PSOA = 1"), QStringLiteral("ANA MARIA"));
    // An edited person is never deleted on the way out.
    EXPECT_EQ(contaLinhas(banco, "PESSOAS", "ID_PSOA = 1"), 1);
}

TEST_F(CadastroUiTeste, PanelsFollowTheCallersLayout)
{
    const struct {
        int disposicao;
        bool tipo;
        bool endereco;
    } casos[] = {{0, false, true}, {1, true, false}, {2, false, false}, {3, false, true},
                 {4, false, true}, {5, true, false}, {6, false, false}};
    for (const auto &c : casos) {
        TfrmCadastroPessoa dialogo(dados.db(), kOper);
        dialogo.setDisposicao(c.disposicao);
        dialogo.setTipoPreSelecionado(c.disposicao == 4 || c.disposicao == 6 ? 1 : 0);
        dialogo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
        EXPECT_EQ(dialogo.pnlTipo()->isVisible(), c.tipo) << c.disposicao;
        EXPECT_EQ(dialogo.pnlEndereco()->isVisible(), c.endereco) << c.disposicao;
        EXPECT_FALSE(dialogo.chkInativa()->isVisible()) << c.disposicao; // only when editing from the lists
        if (c.disposicao == 6)
            capturar(&dialogo, QStringLiteral("cadastro-pessoa-juridica-sem-endereco"));
        dialogo.reject();
    }
    EXPECT_EQ(contaLinhas(banco, "PESSOAS", "ID_PSOA <> 0"), 0);
}

TEST_F(CadastroUiTeste, PersonListKeepsThePersonPickedAmongEqualNames)
{
    // Branches share the company's name: only the number tells them apart.
    CadastroPessoas pessoas(dados.db(), kOper);
    DadosPessoa filial;
    filial.tipo = QStringLiteral("J");
    filial.nome = QStringLiteral("SAÚDE EXEMPLO");
    filial.documento = QStringLiteral("48273165000163");
    const int primeira = pessoas.Inclui(filial);
    filial.documento = QStringLiteral("12038459000163");
    const int segunda = pessoas.Inclui(filial);
    DadosPessoa pessoa;
    pessoa.nome = QStringLiteral("ÁUREA LIMA");
    pessoa.documento = QStringLiteral("52791360425");
    const int aurea = pessoas.Inclui(pessoa);

    TfrmListaPessoa lista(dados.db(), kOper, CadastroPessoas::FiltroTipo::Ambas);
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&lista));
    ASSERT_EQ(lista.grade()->rowCount(), 3);
    EXPECT_EQ(lista.grade()->horizontalHeaderItem(1)->text(), QStringLiteral("CPF/CNPJ"));
    EXPECT_EQ(lista.grade()->item(0, 0)->text(), QStringLiteral("ÁUREA LIMA"));
    EXPECT_EQ(lista.grade()->item(0, 1)->text(), QStringLiteral("527.913.604-25"));
    capturar(&lista, QStringLiteral("cadastro-lista-pessoas"));

    lista.grade()->selectRow(2);
    const auto escolhida = lista.escolhida();
    ASSERT_TRUE(escolhida.has_value());
    EXPECT_EQ(escolhida->documento, lista.grade()->item(2, 1)->text().remove(u'.').remove(u'/').remove(u'-'));
    EXPECT_TRUE(escolhida->idPsoa == primeira || escolhida->idPsoa == segunda);
    EXPECT_NE(escolhida->idPsoa, aurea);

    // A click on a title re-sorts, alternating the direction.
    lista.ordenarPor(0);
    EXPECT_EQ(lista.grade()->item(2, 0)->text(), QStringLiteral("ÁUREA LIMA"));
    lista.ordenarPor(0);
    EXPECT_EQ(lista.grade()->item(0, 0)->text(), QStringLiteral("ÁUREA LIMA"));

    TfrmListaPessoa juridicas(dados.db(), kOper, CadastroPessoas::FiltroTipo::Juridicas);
    EXPECT_EQ(juridicas.grade()->rowCount(), 2);
    EXPECT_EQ(juridicas.grade()->horizontalHeaderItem(1)->text(), QStringLiteral("CNPJ"));
}

TEST_F(CadastroUiTeste, MunicipalityListSearchesByNameOrCode)
{
    TfrmListaMunicipio lista(dados.db());
    lista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&lista));
    EXPECT_EQ(lista.grade()->rowCount(), 22); // Acre
    lista.selecionaEstado(QStringLiteral("RO"));
    lista.grade()->setFocus();
    QTest::keyClicks(lista.grade(), QStringLiteral("alta floresta d'"));
    EXPECT_EQ(lista.escolhido()->id, 1100015);
    QTest::keyClick(lista.grade(), Qt::Key_Backspace);
    EXPECT_EQ(lista.textoPesquisa(), QStringLiteral("ALTA FLORESTA D"));
    QTest::keyClick(lista.grade(), Qt::Key_Down);
    EXPECT_TRUE(lista.textoPesquisa().isEmpty());

    // In the code column only digits search.
    lista.grade()->setCurrentCell(0, 1);
    QTest::keyClicks(lista.grade(), QStringLiteral("x1100049"));
    EXPECT_EQ(lista.textoPesquisa(), QStringLiteral("1100049"));
    EXPECT_EQ(lista.escolhido()->nome, QStringLiteral("Cacoal"));
    lista.ordenarPor(1);
    lista.ordenarPor(1);
    EXPECT_GT(lista.grade()->item(0, 1)->text().toInt(), lista.grade()->item(1, 1)->text().toInt());
}

TEST_F(CadastroUiTeste, RegionDialogMovesMunicipalitiesAndComputesTheRegion)
{
    const QDate periodo(2006, 1, 1);
    TfrmRegiaoAtuacao dialogo(dados.db(), kOper, periodo);
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialogo));
    EXPECT_FALSE(dialogo.btnExclui()->isEnabled());
    dialogo.selecionaEstado(QStringLiteral("SP"));
    EXPECT_EQ(dialogo.lblEstado()->text(), QStringLiteral("São Paulo"));
    EXPECT_EQ(dialogo.lstMunicipios()->count(), 645);
    digita(dialogo.edtPesquisa(), QStringLiteral("sao"));
    const int comSao = dialogo.lstMunicipios()->count();
    ASSERT_GT(comSao, 10);
    for (int i = 0; i < comSao; ++i)
        EXPECT_TRUE(Municipios::ChavePesquisa(dialogo.lstMunicipios()->item(i)->text()).startsWith(QStringLiteral("SAO")));
    QTest::mouseClick(dialogo.btnIncluiTodos(), Qt::LeftButton);
    EXPECT_EQ(dialogo.grdAtuacao()->rowCount(), comSao);
    EXPECT_EQ(dialogo.lstMunicipios()->count(), 0);
    EXPECT_FALSE(dialogo.btnInclui()->isEnabled());
    digita(dialogo.edtPesquisa(), QString());
    EXPECT_EQ(dialogo.lstMunicipios()->count(), 645 - comSao);

    // One back: it returns to its state's list.
    dialogo.grdAtuacao()->setCurrentCell(0, 1);
    QTest::mouseClick(dialogo.btnExclui(), Qt::LeftButton);
    EXPECT_EQ(dialogo.grdAtuacao()->rowCount(), comSao - 1);
    EXPECT_EQ(dialogo.lstMunicipios()->count(), 645 - comSao + 1);
    capturar(&dialogo, QStringLiteral("cadastro-regiao-atuacao"));

    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.result(), QDialog::Accepted);
    // São Paulo itself is among them: a large capital, no state covered.
    EXPECT_EQ(dialogo.Regiao(), 4);
    EXPECT_EQ(dialogo.municipiosAtuacao().size(), comSao - 1);
    // Nothing is written by the dialog itself.
    EXPECT_EQ(contaLinhas(banco, "RL_MUNICIPIO_ATUACAO_OPERADORA", "1 = 1"), 0);

    // The list chosen before comes back; Cancel gives no region.
    TfrmRegiaoAtuacao outra(dados.db(), kOper, periodo, dialogo.municipiosAtuacao());
    EXPECT_EQ(outra.grdAtuacao()->rowCount(), comSao - 1);
    QTest::mouseClick(outra.btnExcluiTodos(), Qt::LeftButton);
    EXPECT_EQ(outra.grdAtuacao()->rowCount(), 0);
    outra.reject();
    EXPECT_EQ(outra.Regiao(), 0);
}

TEST_F(CadastroUiTeste, QuadroOneFilledInItsHostUnlocksTheOtherQuadros)
{
    DesvioMensagens mensagens([](const auto &) { return mrSim; });
    TfrmExibeQuadro host(contexto, 1);
    auto *quadro = qobject_cast<TFrameCadComplemento *>(host.quadro());
    ASSERT_NE(quadro, nullptr);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    // The first period was set up on opening.
    ASSERT_EQ(quadro->cbxPeriodo()->count(), 1);
    EXPECT_EQ(quadro->cbxPeriodo()->itemText(0), QStringLiteral("A partir de 01/01/2001"));
    EXPECT_EQ(contaLinhas(banco, "QUADRORECEITASDESPESASUF", "CD_OPER = '345678'"), 1);
    EXPECT_TRUE(quadro->editando());
    EXPECT_EQ(quadro->dtxNaturezaJuridica()->text(), QStringLiteral("SOCIEDADE POR QUOTAS DE RESPONSABILIDADE LIMITADA"));
    EXPECT_EQ(quadro->dbxModalidade()->text(), QStringLiteral("MEDICINA DE GRUPO"));
    EXPECT_EQ(quadro->cmbSegmento()->currentData().toString(), QStringLiteral("SPP"));
    EXPECT_FALSE(quadro->btnRegiao()->isEnabled()); // 2001: no region
    EXPECT_TRUE(quadro->pnlComercializaSede()->isVisible());

    // Confirm waits for a change; then, with nothing filled, it lists what is missing.
    EXPECT_FALSE(quadro->btnConfirmar()->isEnabled());
    digita(quadro->edtNomeFantasia(), QStringLiteral("saude exemplo"));
    EXPECT_TRUE(quadro->btnConfirmar()->isEnabled());
    QStringList faltando;
    quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
        for (int i = 0; i < aviso->lista()->count(); ++i)
            faltando << aviso->lista()->item(i)->text();
        aviso->accept();
    });
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(faltando.size(), 12);
    EXPECT_TRUE(host.isVisible());

    const auto &m = quadro->matriz();
    digita(m.logradouro, QStringLiteral("avenida paulista"));
    digita(m.numero, QStringLiteral("1000"));
    digita(m.bairro, QStringLiteral("bela vista"));
    digita(m.cep, QStringLiteral("01310100"));
    quandoAbrir<TfrmListaMunicipio>([](TfrmListaMunicipio *lista) {
        lista->selecionaEstado(QStringLiteral("SP"));
        lista->grade()->setFocus();
        QTest::keyClicks(lista->grade(), QStringLiteral("sao paulo"));
        QTest::keyClick(lista->grade(), Qt::Key_Return);
    });
    QTest::mouseClick(m.btnMunicipio, Qt::LeftButton);
    EXPECT_EQ(m.municipio->text(), QStringLiteral("São Paulo"));
    const auto &c = quadro->correspondencia();
    digita(c.logradouro, QStringLiteral("rua xv de novembro"));
    digita(c.numero, QStringLiteral("50"));
    digita(c.bairro, QStringLiteral("centro"));
    digita(c.cep, QStringLiteral("8002000"));
    quadro->escolheMunicipio(true, *Municipios::PorCodigo(dados.db(), 4106902));
    digita(quadro->edtEmailOperadora(), QStringLiteral("contato@exemplo.com.br"));
    digita(quadro->edtDDD(), QStringLiteral("11"));
    digita(quadro->edtFax(), QStringLiteral("31112222"));
    quandoAbrir<TfrmCadastroTelefone>([](TfrmCadastroTelefone *telefone) {
        digita(telefone->edtCodigo(), QStringLiteral("11"));
        digita(telefone->edtNumero(), QStringLiteral("31110000"));
        QTest::mouseClick(telefone->btnConfirmar(), Qt::LeftButton);
    });
    QTest::mouseClick(quadro->btIncluirTelefone(), Qt::LeftButton);
    EXPECT_EQ(quadro->grdTelefones()->rowCount(), 1);

    // A mailing postal code of 7 digits is refused by its own message.
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Informe o CEP do Endereço para Correspondência com 8 dígitos."));
    EXPECT_TRUE(host.isVisible());
    digita(c.cep, QStringLiteral("80020000"));
    capturar(&host, QStringLiteral("cadastro-quadro1-preenchido"));

    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Dados Gravados com sucesso..."));
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.result(), QDialog::Accepted);
    EXPECT_TRUE(ServicosOperadora(banco.db(), kOper).CadastroCompleto());
    EXPECT_EQ(valor("SELECT NM_FANT || '|' || DE_ENDR || '|' || ID_MUNC || '|' || ID_MUNC_CORRESP || '|' || CD_CEP_CORRESP || '|' || "
                    "CD_REG_ATUACAO FROM DADOSPESSOAS WHERE CD_OPER = '345678' AND ID_PSOA = 0"),
              QStringLiteral("SAUDE EXEMPLO|AVENIDA PAULISTA|3550308|4106902|80020000|0"));
    EXPECT_EQ(valor("SELECT CD_DDD || NR_TELF FROM TELEFONESPESSOAS WHERE ID_PSOA = 0 AND TP_TELF = 'F'"), QStringLiteral("1131112222"));
    confereSemTransacaoAberta();
}

TEST_F(CadastroUiTeste, QuadroOneNewPeriodAsksTheRegionAndCancelWritesNothing)
{
    CadastroComplementar cadastro(dados.db(), kOper);
    const QDate primeiro = cadastro.Periodos().first();
    cadastro.Grava(kelpa::teste::preencheCadastro(banco, cadastro, kOper, primeiro));

    DesvioMensagens mensagens([](const auto &) { return mrSim; });
    {
        TfrmExibeQuadro host(contexto, 1);
        auto *quadro = qobject_cast<TFrameCadComplemento *>(host.quadro());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        quandoAbrir<TfrmIncluiPeriodo>([](TfrmIncluiPeriodo *inclusao) {
            aceitaAvisoUsuario();
            digita(inclusao->medDataReajuste(), QStringLiteral("01032006"));
            inclusao->chkCopiarPeriodo()->setChecked(true);
            QTest::mouseClick(inclusao->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->btnIncluiPeriodo(), Qt::LeftButton);
        ASSERT_EQ(quadro->cbxPeriodo()->count(), 2);
        EXPECT_EQ(quadro->periodoSelecionado(), QDate(2006, 3, 1));
        EXPECT_TRUE(quadro->editando());
        EXPECT_EQ(quadro->matriz().logradouro->text(), QStringLiteral("RUA AUGUSTA")); // copied
        EXPECT_FALSE(quadro->pnlComercializaSede()->isVisible());
        EXPECT_TRUE(quadro->btnRegiao()->isEnabled());

        // Another segmentation: the region must be chosen again.
        quadro->cmbSegmento()->setCurrentIndex(quadro->cmbSegmento()->findData(QStringLiteral("SSP")));
        quadro->escolheSegmento(quadro->cmbSegmento()->currentIndex());
        EXPECT_TRUE(quadro->edtRegiao()->text().isEmpty());
        QStringList faltando;
        quandoAbrir<TfrmAvisoPreenchimento>([&faltando](TfrmAvisoPreenchimento *aviso) {
            for (int i = 0; i < aviso->lista()->count(); ++i)
                faltando << aviso->lista()->item(i)->text();
            aviso->accept();
        });
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(faltando, QStringList{QStringLiteral(">> Região de Atuação")});

        quandoAbrir<TfrmRegiaoAtuacao>([](TfrmRegiaoAtuacao *regiao) {
            regiao->selecionaEstado(QStringLiteral("AC"));
            QTest::mouseClick(regiao->btnIncluiTodos(), Qt::LeftButton);
            QTest::mouseClick(regiao->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->btnRegiao(), Qt::LeftButton);
        EXPECT_EQ(quadro->edtRegiao()->text(), QStringLiteral("REGIÃO 3"));
        digita(quadro->matriz().logradouro, QStringLiteral("rua nova"));
        capturar(&host, QStringLiteral("cadastro-quadro1-regiao"));

        // Cancel: neither the typed street nor the region nor the municipalities are stored.
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_FALSE(host.isVisible());
    }
    const PeriodoCadastro p = cadastro.Carrega(QDate(2006, 3, 1));
    EXPECT_EQ(p.matriz.logradouro, QStringLiteral("RUA AUGUSTA"));
    EXPECT_EQ(p.submodalidade, QStringLiteral("SPP"));
    EXPECT_EQ(contaLinhas(banco, "RL_MUNICIPIO_ATUACAO_OPERADORA", "1 = 1"), 0);
    confereSemTransacaoAberta();

    // Again, confirming this time: region and municipalities saved with the period.
    {
        TfrmExibeQuadro host(contexto, 1);
        auto *quadro = qobject_cast<TFrameCadComplemento *>(host.quadro());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        quandoAbrir<TfrmRegiaoAtuacao>([](TfrmRegiaoAtuacao *regiao) {
            regiao->selecionaEstado(QStringLiteral("RJ"));
            regiao->lstMunicipios()->setCurrentRow(0);
            QTest::mouseClick(regiao->btnInclui(), Qt::LeftButton);
            QTest::mouseClick(regiao->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->btnRegiao(), Qt::LeftButton);
        EXPECT_EQ(quadro->edtRegiao()->text(), QStringLiteral("REGIÃO 6"));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(host.result(), QDialog::Accepted);
    }
    EXPECT_EQ(cadastro.Carrega(QDate(2006, 3, 1)).regiao, 6);
    EXPECT_EQ(RegiaoAtuacao::Carrega(dados.db(), kOper, QDate(2006, 3, 1)).size(), 1);
    confereSemTransacaoAberta();
}

TEST_F(CadastroUiTeste, QuadroTwoKeepsTheChosenPersonsAndCancelWritesNothing)
{
    CadastroDemonstracao::criar(dados.db(), kOper);
    CadastroPessoas pessoas(dados.db(), kOper);
    // A second person whose name begins like the auditor's.
    DadosPessoa homonima;
    homonima.nome = QStringLiteral("BEATRIZ NOGUEIRA LIMA FILHA");
    homonima.documento = QStringLiteral("73510264835");
    const int filha = pessoas.Inclui(homonima);

    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    {
        TfrmExibeQuadro host(contexto, 2);
        auto *quadro = qobject_cast<TFrameCadBasico *>(host.quadro());
        ASSERT_NE(quadro, nullptr);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        EXPECT_TRUE(avisos.isEmpty());
        EXPECT_TRUE(quadro->editando());
        EXPECT_TRUE(quadro->dtFundacao()->isVisible()); // 2001
        EXPECT_EQ(quadro->dtFundacao()->text(), QStringLiteral("10/03/1994"));
        EXPECT_EQ(quadro->linha(1).nome->text(), QStringLiteral("MARIANA COSTA FERREIRA"));
        EXPECT_FALSE(quadro->linha(1).btnInclui->isEnabled());
        capturar(&host, QStringLiteral("cadastro-quadro2-demonstracao"));

        // Taking out the actuary and cancelling leaves it stored.
        quadro->linha(2).nome->setFocus();
        QTest::keyClick(quadro->linha(2).nome, Qt::Key_Delete);
        EXPECT_TRUE(quadro->linha(2).nome->text().isEmpty());
        EXPECT_TRUE(quadro->linha(2).btnInclui->isEnabled());
        QTest::mouseClick(quadro->btnDesfaz(), Qt::LeftButton);
        EXPECT_FALSE(host.isVisible());
    }
    EXPECT_EQ(contaLinhas(banco, "RESPONSAVEIS", "CD_OPER = '345678' AND ID_RPSV = 2"), 1);
    confereSemTransacaoAberta();

    int novo = 0;
    {
        TfrmExibeQuadro host(contexto, 2);
        auto *quadro = qobject_cast<TFrameCadBasico *>(host.quadro());
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
        // The auditor: the second of two similar names, kept by its number.
        quandoAbrir<TfrmListaPessoa>([filha](TfrmListaPessoa *lista) {
            for (int i = 0; i < lista->grade()->rowCount(); ++i)
                if (lista->grade()->item(i, 0)->text() == QStringLiteral("BEATRIZ NOGUEIRA LIMA FILHA"))
                    lista->grade()->selectRow(i);
            EXPECT_EQ(lista->escolhida()->idPsoa, filha);
            QTest::mouseClick(lista->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->linha(3).btnSeleciona, Qt::LeftButton);
        EXPECT_EQ(quadro->linha(3).nome->text(), QStringLiteral("BEATRIZ NOGUEIRA LIMA FILHA"));

        // The actuary: a new person created from the row.
        quadro->linha(2).nome->setFocus();
        QTest::keyClick(quadro->linha(2).nome, Qt::Key_Backspace);
        quandoAbrir<TfrmCadastroPessoa>([&novo](TfrmCadastroPessoa *cadastro) {
            EXPECT_EQ(cadastro->windowTitle(), QStringLiteral("Cadastro de Pessoas Físicas"));
            EXPECT_TRUE(cadastro->pnlTipo()->isVisible());
            EXPECT_TRUE(cadastro->rbFisica()->isChecked());
            digita(cadastro->edtRzSocial(), QStringLiteral("BEATRIZ NOGUEIRA"));
            digita(cadastro->edtCPF_CNPJ(), QStringLiteral("12345678909"));
            novo = cadastro->IdPessoa();
            QTest::mouseClick(cadastro->btnConfirmar(), Qt::LeftButton);
        });
        QTest::mouseClick(quadro->linha(2).btnInclui, Qt::LeftButton);
        EXPECT_EQ(quadro->linha(2).nome->text(), QStringLiteral("BEATRIZ NOGUEIRA"));
        digita(quadro->linha(2).registro, QStringLiteral("miba-77"));
        EXPECT_EQ(quadro->linha(2).registro->text(), QStringLiteral("MIBA-77"));
        digita(quadro->medQtdeFunc(), QStringLiteral("2x50"));
        EXPECT_EQ(quadro->medQtdeFunc()->text(), QStringLiteral("250"));
        capturar(&host, QStringLiteral("cadastro-quadro2-preenchido"));
        QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
        EXPECT_EQ(mensagens.chamadas().last().texto, QStringLiteral("Dados Gravados com sucesso..."));
        EXPECT_EQ(host.result(), QDialog::Accepted);
    }
    ASSERT_GT(novo, 0);
    EXPECT_EQ(banco.escalar("SELECT ID_PSOA FROM RESPONSAVEIS WHERE ID_RPSV = 3").toInt(), filha);
    EXPECT_EQ(valor("SELECT ID_PSOA || '|' || NR_REGS_RPSV FROM RESPONSAVEIS WHERE ID_RPSV = 2"), QStringLiteral("%1|MIBA-77").arg(novo));
    EXPECT_EQ(banco.escalar("SELECT QT_FUNC FROM DADOSBASICOS").toInt(), 250);
    confereSemTransacaoAberta();
}

TEST_F(CadastroUiTeste, QuadroTwoRefusesToTakeOutATransmittedResponsible)
{
    CadastroDemonstracao::criar(dados.db(), kOper);
    banco.sql("UPDATE RESPONSAVEIS SET LG_ALTR_TRAM = 'T' WHERE ID_RPSV = 1");
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 2);
    auto *quadro = qobject_cast<TFrameCadBasico *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    quadro->linha(1).nome->setFocus();
    QTest::keyClick(quadro->linha(1).nome, Qt::Key_Delete);
    EXPECT_EQ(textos(mensagens), QStringList{QStringLiteral("Responsável já transmitido!\rExclusão Cancelada")});
    EXPECT_EQ(quadro->linha(1).nome->text(), QStringLiteral("MARIANA COSTA FERREIRA"));
}

TEST_F(CadastroUiTeste, QuadroTwoIsNotAvailableBeforeQuadroOneIsComplete)
{
    CadastroComplementar(dados.db(), kOper).Periodos();
    TfrmExibeQuadro host(contexto, 2);
    auto *quadro = qobject_cast<TFrameCadBasico *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    EXPECT_EQ(avisos, QStringList{QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro.")});
    EXPECT_FALSE(quadro->pnlDados()->isVisible());
    EXPECT_FALSE(quadro->btnConfirmar()->isVisible());
    EXPECT_FALSE(quadro->editando());
}

TEST_F(CadastroUiTeste, AnInsurerHasNeitherSegmentationNorRegion)
{
    const QString seguradora = QStringLiteral("001234");
    kelpa::teste::registraOperadora(banco, seguradora);
    CadastroComplementar cadastro(dados.db(), seguradora);
    const QDate periodo = cadastro.Periodos().first();
    EXPECT_EQ(periodo, QDate(2007, 1, 1));
    PeriodoCadastro p = kelpa::teste::preencheCadastro(banco, cadastro, seguradora, periodo);
    p.submodalidade.clear();
    cadastro.Grava(p);
    estado.setCodOper(seguradora);

    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    TfrmExibeQuadro host(contexto, 1);
    auto *quadro = qobject_cast<TFrameCadComplemento *>(host.quadro());
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    EXPECT_EQ(quadro->pnlSegmentoRegiao()->currentIndex(), 1); // the blank panel covers the row
    EXPECT_FALSE(quadro->btnRegiao()->isEnabled());
    digita(quadro->edtNomeFantasia(), QStringLiteral("amparo"));
    QTest::mouseClick(quadro->btnConfirmar(), Qt::LeftButton);
    EXPECT_EQ(host.result(), QDialog::Accepted);
    EXPECT_EQ(valor("SELECT CD_SUBM FROM CADASTRO WHERE CD_OPER = '001234'"), QStringLiteral("SEM"));
    EXPECT_EQ(valor("SELECT CD_REG_ATUACAO FROM DADOSPESSOAS WHERE CD_OPER = '001234' AND ID_PSOA = 0"), QStringLiteral("0"));
    EXPECT_TRUE(ServicosOperadora(banco.db(), seguradora).CadastroCompleto());
}
