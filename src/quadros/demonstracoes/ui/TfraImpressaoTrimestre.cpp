#include "TfraImpressaoTrimestre.h"

#include "app/ServicosOperadora.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfraImpressaoTrimestre::TfraImpressaoTrimestre(ContextoQuadro &contexto, const QString &titulo, const QList<Opcao> &opcoes,
                                               QString semSelecao, QString separadorSemDados, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
    , m_semSelecao(std::move(semSelecao))
    , m_separadorSemDados(std::move(separadorSemDados))
{
    setTitulo(titulo);
    cbxPeriodo()->setToolTip(QStringLiteral("Trimestre de pesquisa para exibição do(s) relatório(s)."));
    esconderBotoesSemUso();
    btnDesfaz()->setText(QStringLiteral("Retornar"));
    btnDesfaz()->setToolTip(QStringLiteral("Retorna à tela principal"));

    m_painel = new PainelSelecaoImpressao(QStringLiteral(" Quadros "), opcoes, areaConteudo());
    connect(m_painel, &PainelSelecaoImpressao::visualizarPedido, this, [this] {
        const QList<relatorios::OpcaoImpressao> escolha = m_painel->escolhidas();
        const QDate trimestre = periodoSelecionado();
        executarProtegido([&] {
            m_painel->visualizar(this->contexto().db(), this->contexto().codOper(), trimestre, m_semSelecao, m_separadorSemDados, escolha);
        });
    });
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_painel);
    setPainelDados(m_painel);
}

void TfraImpressaoTrimestre::esconderBotoesSemUso()
{
    for (QToolButton *b : {btnIncluiPeriodo(), btnExcluiPeriodo(), btnEditaPeriodo()})
        b->hide();
    btnConfirmar()->hide();
    btnImprimir()->hide();
}

void TfraImpressaoTrimestre::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    esconderBotoesSemUso();
    contexto().estado.setDtVigencia(periodoSelecionado());
    m_painel->mostrarParaSeguradora(!contexto().estado.operadoraDePlanos());

    // The same operators that fill Quadro 8 print these quadros; the others are told
    // that they do not use them.
    const ServicosOperadora servicos(contexto().db(), contexto().codOper());
    const bool utiliza = !RegraModalidade::contraprestacoes().dispensada(contexto().db(), contexto().codOper());
    mostraControlesPeriodo(utiliza);
    btnConfirmar()->hide();
    m_painel->setVisible(utiliza);
    exibeAviso(utiliza ? QString() : ServicosOperadora::MensagemNaoUtiliza(servicos.ModalidadeOperadora()));
    if (!utiliza)
        return;

    const bool temTrimestre = periodoSelecionado().isValid();
    gbxPeriodo()->setEnabled(temTrimestre);
    m_painel->setEnabled(temTrimestre);
    m_painel->marcar(false);
}

void TfraImpressaoTrimestre::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

TFrameImpDemonstracao::TFrameImpDemonstracao(ContextoQuadro &contexto, QWidget *parent)
    : TfraImpressaoTrimestre(
          contexto, QStringLiteral("Impressão de Demonstrações"),
          {{QStringLiteral("Quadro 11: Balanço Patrimonial - Ativo"),
            QStringLiteral("Exibe relatório de Balanço Patrimonial Ativo\r\nbaseado no período selecionado."), QStringLiteral("11")},
           {QStringLiteral("Quadro 12: Balanço Patrimonial - Passivo"),
            QStringLiteral("Exibe relatório de Balanço Patrimonial Passivo\r\nbaseado no período selecionado."), QStringLiteral("12")},
           {QStringLiteral("Quadro 13: Demonstrações do Resultado do Exercício"),
            QStringLiteral("Exibe relatório de Resultado no Período\r\nbaseado no período selecionado."), QStringLiteral("13")},
           {QStringLiteral("Quadro 14: Provisões Técnicas"),
            QStringLiteral("Exibe relatório de Provisões Técnicas\r\nbaseado no período selecionado."), QStringLiteral("14")},
           {QStringLiteral("Quadro 14A: Ativos Vinculados"),
            QStringLiteral("Exibe relatório de Ativos Vinculados\r\nbaseado no período selecionado."), QStringLiteral("14A")},
           {QStringLiteral("Quadro 15: Fluxo de Caixa"),
            QStringLiteral("Exibe relatório de Fluxo de Caixa\r\nbaseado no período selecionado."), QStringLiteral("15")},
           {QStringLiteral("Quadro 15A: Distribuição por Idade de Saldo"),
            QStringLiteral("Exibe relatório de  Distribuição por Idade de Saldo\r\nbaseado no período selecionado."),
            QStringLiteral("15A")},
           {QStringLiteral("Quadro 16: Lucros ou Prejuízos"),
            QStringLiteral("Exibe relatório de Lucros ou Prejuizos\r\nbaseado no período selecionado."), QStringLiteral("16")}},
          QStringLiteral("Por favor, selecione pelo menos um Relatório."), QStringLiteral("\r\r"), parent)
{
    setObjectName(QStringLiteral("FrameImpDemonstracao"));
}

} // namespace kelpa
