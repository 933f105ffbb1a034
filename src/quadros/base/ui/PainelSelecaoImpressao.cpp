#include "PainelSelecaoImpressao.h"

#include "app/ui/MensagemDlg.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelpa {

PainelSelecaoImpressao::PainelSelecaoImpressao(const QString &tituloGrupo, const QList<Opcao> &opcoes, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pnlOpcoes"));
    m_grupo = new QGroupBox(tituloGrupo, this);
    m_grupo->setObjectName(QStringLiteral("gbxQuadros"));
    auto *lista = new QVBoxLayout(m_grupo);
    for (const Opcao &o : opcoes) {
        // A quadro without a printed form yet is not offered.
        if (!relatorios::RegistroRelatorios::localizar(o.chave))
            continue;
        auto *c = new QCheckBox(o.legenda, m_grupo);
        c->setObjectName(QStringLiteral("chkQuadro%1").arg(o.chave));
        c->setToolTip(o.dica);
        lista->addWidget(c);
        m_opcoes << o;
        m_caixas << c;
    }
    lista->addStretch(1);

    m_marcar = new QPushButton(QStringLiteral("Marcar Todos"), this);
    m_marcar->setObjectName(QStringLiteral("btnMarcarTodos"));
    m_marcar->setToolTip(QStringLiteral("Seleciona todos os relatórios."));
    m_desmarcar = new QPushButton(QStringLiteral("Desmarcar Todos"), this);
    m_desmarcar->setObjectName(QStringLiteral("btnDesmarcarTodos"));
    m_desmarcar->setToolTip(QStringLiteral("Desmarca todas as seleções de relatórios existentes."));
    m_visualizar = new QPushButton(QStringLiteral("Visualizar"), this);
    m_visualizar->setObjectName(QStringLiteral("btnVisualizar"));
    m_visualizar->setToolTip(QStringLiteral("Exibe o(s) relatório(s) desejado(s)."));
    m_visualizar->setDefault(true);
    connect(m_marcar, &QPushButton::clicked, this, [this] { marcar(true); });
    connect(m_desmarcar, &QPushButton::clicked, this, [this] { marcar(false); });
    connect(m_visualizar, &QPushButton::clicked, this, &PainelSelecaoImpressao::visualizarPedido);

    m_botoes = new QVBoxLayout;
    m_botoes->addWidget(m_marcar);
    m_botoes->addWidget(m_desmarcar);
    m_botoes->addSpacing(12);
    m_botoes->addWidget(m_visualizar);
    m_botoes->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grupo, 1);
    layout->addLayout(m_botoes);
}

void PainelSelecaoImpressao::adicionarAcimaDeVisualizar(QWidget *controle)
{
    m_botoes->insertWidget(m_botoes->indexOf(m_visualizar), controle);
}

void PainelSelecaoImpressao::setDicaDesmarcar(const QString &dica)
{
    m_desmarcar->setToolTip(dica);
}

QCheckBox *PainelSelecaoImpressao::caixa(const QString &chave) const
{
    for (int i = 0; i < m_opcoes.size(); ++i)
        if (m_opcoes.at(i).chave == chave)
            return m_caixas.at(i);
    return nullptr;
}

void PainelSelecaoImpressao::mostrarParaSeguradora(bool seguradora)
{
    for (int i = 0; i < m_opcoes.size(); ++i)
        m_caixas.at(i)->setVisible(!seguradora || !m_opcoes.at(i).somenteOperadoraDePlanos);
}

void PainelSelecaoImpressao::marcar(bool marcado)
{
    for (QCheckBox *c : std::as_const(m_caixas))
        c->setChecked(marcado && !c->isHidden());
}

QList<relatorios::OpcaoImpressao> PainelSelecaoImpressao::escolhidas() const
{
    QList<relatorios::OpcaoImpressao> r;
    for (int i = 0; i < m_caixas.size(); ++i)
        if (m_caixas.at(i)->isChecked() && !m_caixas.at(i)->isHidden())
            r << relatorios::OpcaoImpressao{m_opcoes.at(i).legenda, m_opcoes.at(i).chave};
    return r;
}

void PainelSelecaoImpressao::visualizar(const QSqlDatabase &db, const QString &operadora, const QDate &dataImpressao,
                                        const QString &semSelecao, const QString &separador,
                                        const QList<relatorios::OpcaoImpressao> &escolha)
{
    if (escolha.isEmpty()) {
        MensagemDlg(semSelecao, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, window());
        return;
    }
    // Enabled again and the boxes unticked whatever happens.
    struct Fim {
        PainelSelecaoImpressao *p;
        ~Fim()
        {
            if (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
            p->marcar(false);
            p->m_visualizar->setEnabled(true);
        }
    } fim{this};
    m_visualizar->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const relatorios::ImpressaoSelecionada selecao = relatorios::ImpressaoSelecionada::preparar(escolha, db, operadora, dataImpressao);
    QApplication::restoreOverrideCursor();
    QString mensagem;
    if (!selecao.semDados().isEmpty()) {
        mensagem = QStringLiteral("O(s) relatório(s) abaixo não apresentam dados para o período selecionado:") + separador;
        for (const QString &legenda : selecao.semDados())
            mensagem += legenda + QLatin1Char('\r');
    }
    relatorios::VisualizadorRelatorio::mostrar(selecao.impressao(), mensagem, window());
}

} // namespace kelpa
