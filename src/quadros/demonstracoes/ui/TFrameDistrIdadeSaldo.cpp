#include "TFrameDistrIdadeSaldo.h"

#include "CabecalhoAgrupado.h"
#include "GradeValores.h"
#include "ModeloIdadeSaldo.h"
#include "TFrameFluxoCaixa.h"

#include "quadros/base/ui/TFraNavegacaoPagControl.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/IdadeSaldo.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelpa {

TFrameDistrIdadeSaldo::TFrameDistrIdadeSaldo(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
{
    setObjectName(QStringLiteral("FrameDistrIdadeSaldo"));
    setTitulo(IdadeSaldo::Titulo);

    m_dados = new QWidget(areaConteudo());
    m_dados->setObjectName(QStringLiteral("pnlDados"));
    m_paginas = new QTabWidget(m_dados);
    m_paginas->setObjectName(QStringLiteral("pgcIdadeSaldo"));
    const bool operadoraDePlanos = contexto.estado.operadoraDePlanos();
    const QStringList nomes{QStringLiteral("CONTAS DE ATIVO"), QStringLiteral("CONTAS DE PASSIVO")};
    for (int pagina = 0; pagina < nomes.size(); ++pagina) {
        auto *folha = new QWidget(m_paginas);
        auto *modelo = new ModeloIdadeSaldo(pagina == 0, operadoraDePlanos, this);
        auto *grade = new GradeValores(folha);
        grade->setObjectName(QStringLiteral("grdIdadeSaldo%1").arg(pagina));
        auto *cabecalho = new CabecalhoAgrupado(grade);
        grade->setHorizontalHeader(cabecalho);
        grade->setModel(modelo);
        grade->setOrdem(GradeValores::Ordem::ColunaPorColuna);
        cabecalho->setSectionResizeMode(QHeaderView::Stretch);
        grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (pagina == 0)
            m_cabecalhoAtivo = cabecalho;
        auto *navegacao = new TFraNavegacaoPagControl(folha);
        auto *coluna = new QVBoxLayout(folha);
        coluna->setContentsMargins(4, 4, 4, 4);
        coluna->addWidget(grade, 1);
        coluna->addWidget(navegacao);
        m_paginas->addTab(folha, nomes.at(pagina));
        m_grades << grade;
        m_modelos << modelo;
        connect(modelo, &ModeloValores::alterado, this, &TFrameDistrIdadeSaldo::atualizarModelos);
        connect(modelo, &ModeloValores::recusado, this, [this, grade](const QModelIndex &indice, const QString &mensagem) {
            mensagemErro(mensagem);
            grade->setCurrentIndex(indice);
            grade->setFocus();
        });
    }
    // Once every page is there, so that "Avançar" knows where the last one is.
    for (TFraNavegacaoPagControl *navegacao : m_paginas->findChildren<TFraNavegacaoPagControl *>())
        navegacao->setPaginaControlada(m_paginas);
    auto *layoutDados = new QVBoxLayout(m_dados);
    layoutDados->setContentsMargins(0, 0, 0, 0);
    layoutDados->addWidget(m_paginas);

    m_aviso = criarAvisoSomenteDesde2006(areaConteudo());
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dados, 1);
    layout->addWidget(m_aviso, 1);
    setPainelDados(m_dados);
    // The main window widens its client area for this quadro; seven columns of
    // amounts in the millions need a little more than the 840 pixels of old.
    setMinimumSize(900, 470);
    aplicarRotulos();

    btnConfirmar()->setEnabled(false);
    connect(m_paginas, &QTabWidget::currentChanged, this, &TFrameDistrIdadeSaldo::paginaMudou);
}

TFrameDistrIdadeSaldo::~TFrameDistrIdadeSaldo()
{
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->setIdadeSaldo(nullptr);
}

void TFrameDistrIdadeSaldo::aplicarRotulos()
{
    const bool operadoraDePlanos = contexto().estado.operadoraDePlanos();
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->setOperadoraDePlanos(operadoraDePlanos);
    m_cabecalhoAtivo->setGrupos({{0, 3, IdadeSaldo::tituloReceber(operadoraDePlanos), {}}});
}

QList<QDate> TFrameDistrIdadeSaldo::PreparaQueryComboPeriodo()
{
    return listaTrimestres(false);
}

void TFrameDistrIdadeSaldo::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    aplicarRotulos();
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->setIdadeSaldo(nullptr);
    m_idade.reset();
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);

    if (Datas().isEmpty() || !FluxoCaixa::disponivel(trimestre)) {
        exibeAviso({});
        mostraControlesPeriodo(true);
        m_dados->hide();
        m_aviso->show();
        btnConfirmar()->hide();
        mostraImpressao(false);
        // Only the way back to a quarter of 2006 on stays open.
        const bool ha2006 = std::any_of(Datas().cbegin(), Datas().cend(), [](const QDate &d) { return FluxoCaixa::disponivel(d); });
        cbxPeriodo()->setEnabled(ha2006);
        btnIncluiPeriodo()->setEnabled(false);
        btnExcluiPeriodo()->setEnabled(false);
        btnEditaPeriodo()->setEnabled(false);
        return;
    }
    m_aviso->hide();
    m_dados->show();
    btnConfirmar()->show();
    cbxPeriodo()->setEnabled(true);
    btnIncluiPeriodo()->setEnabled(true);
    btnDesfaz()->setText(QStringLiteral("Cancelar"));
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());

    if (!verificaDisponibilidade(RegraModalidade::demonstracoes(), true, true))
        return;

    m_idade = std::make_unique<IdadeSaldo>(contexto().db(), contexto().codOper(), trimestre);
    if (!m_idade->carregar())
        mensagemErro(IdadeSaldo::MensagemSemLinhas);
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->setIdadeSaldo(m_idade.get());
    HabilitaPeriodoFrame(maisRecenteSelecionado());
    m_paginas->setCurrentIndex(0);
    paginaMudou(m_paginas->currentIndex());
}

void TFrameDistrIdadeSaldo::paginaMudou(int pagina)
{
    // Confirming belongs to the payables page, once the receivables have been seen.
    btnConfirmar()->setEnabled(pagina == 1);
    atualizarModelos();
}

void TFrameDistrIdadeSaldo::atualizarModelos()
{
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->atualizarTudo();
}

void TFrameDistrIdadeSaldo::IncluiPeriodoFrame()
{
    if (incluiTrimestre(false))
        contexto().estado.setDtVigencia(NovaData());
}

void TFrameDistrIdadeSaldo::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

void TFrameDistrIdadeSaldo::ExcluiPeriodoFrame()
{
    excluiTrimestre();
}

void TFrameDistrIdadeSaldo::EditaPeriodoFrame()
{
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
}

void TFrameDistrIdadeSaldo::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!maisRecenteSelecionado() && !modoEdicao());
    for (ModeloIdadeSaldo *m : std::as_const(m_modelos))
        m->setHabilitado(habilita);
}

bool TFrameDistrIdadeSaldo::CriticaDados()
{
    for (GradeValores *g : std::as_const(m_grades))
        g->confirmarEdicao();
    if (!m_idade)
        return false;
    m_idade->gravar();
    atualizarModelos();
    return true;
}

void TFrameDistrIdadeSaldo::FinalizaFrame()
{
    mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
