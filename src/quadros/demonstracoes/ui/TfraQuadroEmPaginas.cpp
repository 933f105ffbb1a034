#include "TfraQuadroEmPaginas.h"

#include "GradeValores.h"
#include "ModeloValores.h"

#include "quadros/base/ui/TFraNavegacaoPagControl.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelpa {

TfraQuadroEmPaginas::TfraQuadroEmPaginas(ContextoQuadro &contexto, const QString &nomePaginas, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
{
    m_dados = new QWidget(areaConteudo());
    m_dados->setObjectName(QStringLiteral("pnlDados"));
    m_paginas = new QTabWidget(m_dados);
    m_paginas->setObjectName(nomePaginas);
}

GradeValores *TfraQuadroEmPaginas::novaPagina(const QString &nome, ModeloValores *modelo)
{
    auto *folha = new QWidget(m_paginas);
    auto *grade = new GradeValores(folha);
    auto *navegacao = new TFraNavegacaoPagControl(folha);
    auto *coluna = new QVBoxLayout(folha);
    coluna->setContentsMargins(4, 4, 4, 4);
    coluna->addWidget(grade, 1);
    coluna->addWidget(navegacao);
    m_paginas->addTab(folha, nome);
    m_grades << grade;
    m_modelos << modelo;
    m_navegacoes << navegacao;

    connect(modelo, &ModeloValores::alterado, this, &TfraQuadroEmPaginas::atualizaModelos);
    connect(modelo, &ModeloValores::recusado, this, [this, grade](const QModelIndex &indice, const QString &mensagem) {
        mensagemErro(mensagem);
        // The focus goes back to the refused field.
        grade->setCurrentIndex(indice);
        grade->setFocus();
    });
    return grade;
}

void TfraQuadroEmPaginas::concluiPaginas()
{
    // Only now, so that "Avançar" knows where the last page is.
    for (TFraNavegacaoPagControl *navegacao : std::as_const(m_navegacoes))
        navegacao->setPaginaControlada(m_paginas);
    auto *layoutDados = new QVBoxLayout(m_dados);
    layoutDados->setContentsMargins(0, 0, 0, 0);
    layoutDados->addWidget(m_paginas);

    m_aviso = criarAvisoVermelho(FluxoCaixa::AvisoSomenteDesde2006, areaConteudo());
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dados, 1);
    layout->addWidget(m_aviso, 1);
    setPainelDados(m_dados);

    btnConfirmar()->setEnabled(false);
    connect(m_paginas, &QTabWidget::currentChanged, this, &TfraQuadroEmPaginas::paginaMudou);
}

QList<QDate> TfraQuadroEmPaginas::PreparaQueryComboPeriodo()
{
    // These quadros never create the first quarter.
    return listaTrimestres(false);
}

void TfraQuadroEmPaginas::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    soltaDados(trimestre);

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

    carregaDados(trimestre);
    HabilitaPeriodoFrame(maisRecenteSelecionado());
    m_paginas->setCurrentIndex(0);
    paginaMudou(m_paginas->currentIndex());
}

void TfraQuadroEmPaginas::paginaMudou(int pagina)
{
    // Confirming belongs to the last page, once every other one has been seen.
    btnConfirmar()->setEnabled(pagina == m_paginas->count() - 1);
    atualizaModelos();
}

void TfraQuadroEmPaginas::atualizaModelos()
{
    for (ModeloValores *m : std::as_const(m_modelos))
        m->atualizarTudo();
}

void TfraQuadroEmPaginas::EditaPeriodoFrame()
{
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
}

void TfraQuadroEmPaginas::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!maisRecenteSelecionado() && !modoEdicao());
    for (ModeloValores *m : std::as_const(m_modelos))
        m->setHabilitado(habilita);
}

bool TfraQuadroEmPaginas::CriticaDados()
{
    for (GradeValores *g : std::as_const(m_grades))
        g->confirmarEdicao();
    if (!gravaDados())
        return false;
    atualizaModelos();
    return true;
}

void TfraQuadroEmPaginas::FinalizaFrame()
{
    mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
