#include "TfraImpressaoTrimestre.h"

#include "app/ServicosOperadora.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/demonstracoes/RegrasModalidade.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
    for (QToolButton *b : {btnIncluiPeriodo(), btnExcluiPeriodo(), btnEditaPeriodo()})
        b->hide();
    btnConfirmar()->hide();
    btnImprimir()->hide();
    btnDesfaz()->setText(QStringLiteral("Retornar"));
    btnDesfaz()->setToolTip(QStringLiteral("Retorna à tela principal"));

    auto *painel = new QWidget(areaConteudo());
    painel->setObjectName(QStringLiteral("pnlOpcoes"));
    m_grupo = new QGroupBox(QStringLiteral(" Quadros "), painel);
    m_grupo->setObjectName(QStringLiteral("gbxQuadros"));
    auto *lista = new QVBoxLayout(m_grupo);
    for (const Opcao &o : opcoes) {
        // A quadro without a printed form yet is not offered.
        if (!relatorios::RegistroRelatorios::localizar(o.chave))
            continue;
        auto *caixa = new QCheckBox(o.legenda, m_grupo);
        caixa->setObjectName(QStringLiteral("chkQuadro%1").arg(o.chave));
        caixa->setToolTip(o.dica);
        lista->addWidget(caixa);
        m_opcoes << o;
        m_caixas << caixa;
    }
    lista->addStretch(1);

    m_marcar = new QPushButton(QStringLiteral("Marcar Todos"), painel);
    m_marcar->setObjectName(QStringLiteral("btnMarcarTodos"));
    m_marcar->setToolTip(QStringLiteral("Seleciona todos os relatórios."));
    m_desmarcar = new QPushButton(QStringLiteral("Desmarcar Todos"), painel);
    m_desmarcar->setObjectName(QStringLiteral("btnDesmarcarTodos"));
    m_desmarcar->setToolTip(QStringLiteral("Desmarca todas as seleções de relatórios existentes."));
    m_visualizar = new QPushButton(QStringLiteral("Visualizar"), painel);
    m_visualizar->setObjectName(QStringLiteral("btnVisualizar"));
    m_visualizar->setToolTip(QStringLiteral("Exibe o(s) relatório(s) desejado(s)."));
    m_visualizar->setDefault(true);
    connect(m_marcar, &QPushButton::clicked, this, [this] { marcar(true); });
    connect(m_desmarcar, &QPushButton::clicked, this, [this] { marcar(false); });
    connect(m_visualizar, &QPushButton::clicked, this, &TfraImpressaoTrimestre::visualizar);

    auto *botoes = new QVBoxLayout;
    botoes->addWidget(m_marcar);
    botoes->addWidget(m_desmarcar);
    botoes->addSpacing(12);
    botoes->addWidget(m_visualizar);
    botoes->addStretch(1);
    auto *layoutPainel = new QHBoxLayout(painel);
    layoutPainel->setContentsMargins(0, 0, 0, 0);
    layoutPainel->addWidget(m_grupo, 1);
    layoutPainel->addLayout(botoes);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(painel);
    setPainelDados(painel);
}

QCheckBox *TfraImpressaoTrimestre::opcao(const QString &chave) const
{
    for (int i = 0; i < m_opcoes.size(); ++i)
        if (m_opcoes.at(i).chave == chave)
            return m_caixas.at(i);
    return nullptr;
}

void TfraImpressaoTrimestre::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    for (QToolButton *b : {btnIncluiPeriodo(), btnExcluiPeriodo(), btnEditaPeriodo()})
        b->hide();
    btnConfirmar()->hide();
    btnImprimir()->hide();
    contexto().estado.setDtVigencia(periodoSelecionado());

    const bool operadoraDePlanos = contexto().estado.operadoraDePlanos();
    for (int i = 0; i < m_opcoes.size(); ++i)
        m_caixas.at(i)->setVisible(operadoraDePlanos || !m_opcoes.at(i).somenteOperadoraDePlanos);

    // The same operators that fill Quadro 8 print these quadros; the others are told
    // that they do not use them.
    const ServicosOperadora servicos(contexto().db(), contexto().codOper());
    const bool utiliza = !RegraModalidade::contraprestacoes().dispensada(contexto().db(), contexto().codOper());
    mostraControlesPeriodo(utiliza);
    btnConfirmar()->hide();
    painelDados()->setVisible(utiliza);
    exibeAviso(utiliza ? QString() : ServicosOperadora::MensagemNaoUtiliza(servicos.ModalidadeOperadora()));
    if (!utiliza)
        return;

    const bool temTrimestre = periodoSelecionado().isValid();
    gbxPeriodo()->setEnabled(temTrimestre);
    m_grupo->setEnabled(temTrimestre);
    for (QPushButton *b : {m_marcar, m_desmarcar, m_visualizar})
        b->setEnabled(temTrimestre);
    marcar(false);
}

void TfraImpressaoTrimestre::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

void TfraImpressaoTrimestre::marcar(bool marcado)
{
    for (QCheckBox *c : std::as_const(m_caixas))
        c->setChecked(marcado && c->isVisible());
}

void TfraImpressaoTrimestre::visualizar()
{
    QList<relatorios::OpcaoImpressao> escolhidas;
    for (int i = 0; i < m_caixas.size(); ++i)
        if (m_caixas.at(i)->isChecked() && !m_caixas.at(i)->isHidden())
            escolhidas << relatorios::OpcaoImpressao{m_opcoes.at(i).legenda, m_opcoes.at(i).chave};
    if (escolhidas.isEmpty()) {
        MensagemDlg(m_semSelecao, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    const QDate trimestre = periodoSelecionado();
    if (!trimestre.isValid())
        return;
    m_visualizar->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    executarProtegido([&] {
        const relatorios::ImpressaoSelecionada selecao =
            relatorios::ImpressaoSelecionada::preparar(escolhidas, contexto().db(), contexto().codOper(), trimestre);
        QApplication::restoreOverrideCursor();
        QString mensagem;
        if (!selecao.semDados().isEmpty()) {
            mensagem = QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:") + m_separadorSemDados;
            for (const QString &legenda : selecao.semDados())
                mensagem += legenda + QLatin1Char('\r');
        }
        relatorios::VisualizadorRelatorio::mostrar(selecao.impressao(), mensagem, this);
    });
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    marcar(false);
    m_visualizar->setEnabled(true);
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
