// The printing selectors: "Impressão de Demonstrações" and "Impressão de Receitas e
// Despesas" offer the quadros that have a printed form, name those without data for
// the quarter and preview the others as one document.

#include "apoio/Capturas.h"
#include "apoio/Modal.h"
#include "demonstracoes_ui_apoio.h"

#include "app/ServicosOperadora.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/TfrmExibeQuadro.h"
#include "quadros/cadastro/ui/RegistroQuadrosCadastro.h"
#include "quadros/cadastro/ui/TfrmImpressaoDadosCadastrais.h"
#include "quadros/demonstracoes/ui/TfraImpressaoTrimestre.h"
#include "relatorios/ImpressaoSelecionada.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste;

namespace {

class SeletorImpressao : public QuadroEconomicoTeste
{
protected:
    std::unique_ptr<TfrmExibeQuadro> abrir(int numero)
    {
        auto host = std::make_unique<TfrmExibeQuadro>(contexto, numero);
        host->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        seletor = qobject_cast<TfraImpressaoTrimestre *>(host->quadro());
        return host;
    }
    QStringList legendas() const
    {
        QStringList r;
        for (QCheckBox *c : seletor->opcoes())
            if (!c->isHidden())
                r << c->text();
        return r;
    }
    // Presses "Visualizar"; the preview that opens is closed and its reports' first
    // lines returned.
    QStringList visualizar(bool abrePrevia = true)
    {
        QStringList titulos;
        if (abrePrevia)
            quandoAbrirModal([&titulos](QWidget *modal) {
                if (auto *v = qobject_cast<relatorios::VisualizadorRelatorio *>(modal)) {
                    for (qsizetype inicio : v->documento().iniciosDosRelatorios())
                        titulos << v->documento().textosDaPagina(inicio).join(u'|');
                }
                modal->close();
            });
        QTest::mouseClick(seletor->btnVisualizar(), Qt::LeftButton);
        return titulos;
    }

    TfraImpressaoTrimestre *seletor = nullptr;
};

} // namespace

TEST_F(SeletorImpressao, StatementsOfTheQuarterPreviewedTogether)
{
    auto host = abrir(18);
    ASSERT_NE(seletor, nullptr);
    EXPECT_EQ(seletor->titulo(), QStringLiteral("Impressão de Demonstrações"));
    EXPECT_EQ(seletor->btnDesfaz()->text(), QStringLiteral("Retornar"));
    EXPECT_FALSE(seletor->btnConfirmar()->isVisible());
    EXPECT_FALSE(seletor->btnIncluiPeriodo()->isVisible());
    // Only the quadros that print are offered, in print order.
    const QStringList oferecidas = legendas();
    EXPECT_EQ(oferecidas.mid(0, 3), QStringList({"Quadro 11: Balanço Patrimonial - Ativo", "Quadro 12: Balanço Patrimonial - Passivo",
                                                  "Quadro 13: Demonstrações do Resultado do Exercício"}));
    EXPECT_TRUE(oferecidas.contains(QStringLiteral("Quadro 15A: Distribuição por Idade de Saldo")));
    capturar(host.get(), QStringLiteral("impressao-demonstracoes"));

    // Nothing chosen: only the warning.
    {
        DesvioMensagens mensagens([](const auto &) { return mrOk; });
        EXPECT_TRUE(visualizar(false).isEmpty());
        ASSERT_EQ(mensagens.chamadas().size(), 1);
        EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Por favor, selecione pelo menos um Relatório."));
    }

    // The assets and the liabilities of the demo's newest quarter, both with data.
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    seletor->opcao(QStringLiteral("11"))->setChecked(true);
    seletor->opcao(QStringLiteral("12"))->setChecked(true);
    const QStringList titulos = visualizar();
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    ASSERT_EQ(titulos.size(), 2);
    EXPECT_TRUE(titulos.at(0).contains(QStringLiteral("Ativo"))) << titulos.at(0).toStdString();
    EXPECT_TRUE(titulos.at(1).contains(QStringLiteral("Passivo"))) << titulos.at(1).toStdString();
    // The choices are cleared afterwards.
    EXPECT_FALSE(seletor->opcao(QStringLiteral("11"))->isChecked());
    EXPECT_TRUE(seletor->btnVisualizar()->isEnabled());
}

TEST_F(SeletorImpressao, AQuadroWithoutDataIsNamedAndTheOthersPreviewed)
{
    sql(QStringLiteral("UPDATE PLANOCONTASVALOR SET VL_CONTA_REFERENCIA = 0 WHERE CD_OPER = '345678' AND DT_INIC_VIGN = '2007-01-01' "
                       "AND CD_CONTA_REFERENCIA IN (SELECT CD_CONTA_REFERENCIA FROM TB_PLANOCONTAS WHERE TP_CONTA_CONTABIL = 'P')"));
    auto host = abrir(18);
    QTest::mouseClick(seletor->btnMarcarTodos(), Qt::LeftButton);
    for (QCheckBox *c : seletor->opcoes())
        EXPECT_TRUE(c->isChecked()) << c->text().toStdString();
    seletor->btnDesmarcarTodos()->click();
    seletor->opcao(QStringLiteral("11"))->setChecked(true);
    seletor->opcao(QStringLiteral("12"))->setChecked(true);
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    const QStringList titulos = visualizar();
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período "
                                                                 "selecionado:\r\rQuadro 12: Balanço Patrimonial - Passivo\r"));
    EXPECT_EQ(mensagens.chamadas().first().tipo, TipoMensagem::Cuidado);
    ASSERT_EQ(titulos.size(), 1);
    EXPECT_TRUE(titulos.first().contains(QStringLiteral("Ativo")));
}

TEST_F(SeletorImpressao, AnAdministratorIsToldItDoesNotUseThem)
{
    sql(QStringLiteral("UPDATE CADASTRO SET CD_MODL = 'ADMIN', CD_SUBM = 'ADMPL' WHERE CD_OPER = '345678'"));
    for (int numero : {18, 12}) {
        avisos.clear();
        auto host = abrir(numero);
        ASSERT_FALSE(avisos.isEmpty());
        EXPECT_EQ(avisos.last(), QStringLiteral("As Administradoras de Planos não\rutilizam este quadro."));
        EXPECT_FALSE(seletor->btnVisualizar()->isVisible());
    }
}

TEST_F(SeletorImpressao, RevenuesAndExpensesNameAnEmptyQuadroOnItsOwnLine)
{
    sql(QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_DESP_MEDC_PRE = NULL, VL_DESP_MEDC_OUTR = NULL, VL_DESP_MEDC_PRE_ODON = NULL, "
                       "VL_DESP_MEDC_OUTR_ODON = NULL WHERE CD_OPER = '345678'"));
    auto host = abrir(12);
    EXPECT_EQ(seletor->titulo(), QStringLiteral("Impressão de Receitas e Despesas"));
    {
        DesvioMensagens mensagens([](const auto &) { return mrOk; });
        visualizar(false);
        ASSERT_EQ(mensagens.chamadas().size(), 1);
        EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("Selecione um Relatório "));
    }
    ASSERT_NE(seletor->opcao(QStringLiteral("8")), nullptr);
    ASSERT_NE(seletor->opcao(QStringLiteral("9")), nullptr);
    seletor->opcao(QStringLiteral("8"))->setChecked(true);
    seletor->opcao(QStringLiteral("9"))->setChecked(true);
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    const QStringList titulos = visualizar();
    ASSERT_EQ(mensagens.chamadas().size(), 1);
    EXPECT_EQ(mensagens.chamadas().first().texto, QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período "
                                                                 "selecionado:\rQuadro 9: Eventos/Sinistros do Trimestre\r"));
    ASSERT_EQ(titulos.size(), 1);
    EXPECT_TRUE(titulos.first().contains(QStringLiteral("Quadro 8"))) << titulos.first().toStdString();
}

TEST_F(SeletorImpressao, AnInsurerIsNotOfferedTheQuadrosOnlyPlanOperatorsFill)
{
    clonarOperadora(QStringLiteral("012345"));
    auto host = abrir(12);
    for (const QString &legenda : legendas())
        EXPECT_FALSE(legenda.startsWith(QStringLiteral("Quadro 8A")) || legenda.startsWith(QStringLiteral("Quadro 9A")));
    EXPECT_TRUE(legendas().contains(QStringLiteral("Quadro 9: Eventos/Sinistros do Trimestre")));
    capturar(host.get(), QStringLiteral("impressao-receitas-despesas-seguradora"));
}

TEST_F(SeletorImpressao, RegistrationAsItStoodOnTheDateGiven)
{
    registrarQuadrosCadastro();
    auto host = std::make_unique<TfrmExibeQuadro>(contexto, 8);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    auto *quadro = qobject_cast<TfrmImpressaoDadosCadastrais *>(host->quadro());
    ASSERT_NE(quadro, nullptr);
    EXPECT_EQ(quadro->titulo(), QStringLiteral("Impressão de Dados Cadastrais"));
    EXPECT_EQ(quadro->btnDesfaz()->text(), QStringLiteral("Retornar"));
    EXPECT_FALSE(quadro->cbxPeriodo()->isVisible());
    EXPECT_EQ(quadro->DateEdit1()->date(), QDate::currentDate());
    PainelSelecaoImpressao *painel = quadro->painel();
    ASSERT_NE(painel->caixa(QStringLiteral("1")), nullptr);
    EXPECT_EQ(painel->caixa(QStringLiteral("1"))->text(), QStringLiteral("Quadro 1:    Cadastro"));
    capturar(host.get(), QStringLiteral("impressao-dados-cadastrais"));

    // Before the operator's first period: both named, nothing previewed.
    quadro->DateEdit1()->setDate(QDate(1990, 1, 1));
    painel->caixa(QStringLiteral("1"))->setChecked(true);
    painel->caixa(QStringLiteral("2"))->setChecked(true);
    {
        DesvioMensagens mensagens([](const auto &) { return mrOk; });
        QTest::mouseClick(painel->btnVisualizar(), Qt::LeftButton);
        ASSERT_EQ(mensagens.chamadas().size(), 1);
        EXPECT_EQ(mensagens.chamadas().first().texto,
                  QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:\r\r"
                                 "Quadro 1:    Cadastro\rQuadro 2:    Dados Básicos\r"));
    }
    EXPECT_FALSE(painel->caixa(QStringLiteral("1"))->isChecked());

    // Today: the registration and its region of operation.
    quadro->DateEdit1()->setDate(QDate::currentDate());
    painel->caixa(QStringLiteral("1"))->setChecked(true);
    QStringList titulos;
    quandoAbrirModal([&titulos](QWidget *modal) {
        if (auto *v = qobject_cast<relatorios::VisualizadorRelatorio *>(modal))
            titulos << QString::number(v->documento().iniciosDosRelatorios().size());
        modal->close();
    });
    DesvioMensagens mensagens([](const auto &) { return mrOk; });
    QTest::mouseClick(painel->btnVisualizar(), Qt::LeftButton);
    EXPECT_TRUE(mensagens.chamadas().isEmpty());
    EXPECT_EQ(titulos, QStringList({"2"}));
}
