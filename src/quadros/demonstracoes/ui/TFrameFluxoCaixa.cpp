#include "TFrameFluxoCaixa.h"

#include "GradeValores.h"
#include "ModeloFluxoCaixa.h"

#include "quadros/base/ui/TFraNavegacaoPagControl.h"
#include "quadros/demonstracoes/FluxoCaixa.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QComboBox>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelpa {

QLabel *criarAvisoSomenteDesde2006(QWidget *parent)
{
    auto *aviso = new QLabel(parent);
    aviso->setObjectName(QStringLiteral("lblAviso"));
    QString texto = FluxoCaixa::AvisoSomenteDesde2006;
    aviso->setText(texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    aviso->setAlignment(Qt::AlignCenter);
    QFont f = aviso->font();
    f.setPixelSize(22);
    f.setBold(true);
    aviso->setFont(f);
    QPalette p = aviso->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    aviso->setPalette(p);
    auto *sombra = new QGraphicsDropShadowEffect(aviso);
    sombra->setOffset(1, 1);
    sombra->setBlurRadius(0);
    sombra->setColor(Qt::white);
    aviso->setGraphicsEffect(sombra);
    aviso->hide();
    return aviso;
}

TFrameFluxoCaixa::TFrameFluxoCaixa(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
{
    setObjectName(QStringLiteral("FrameFluxoCaixa"));
    setTitulo(FluxoCaixa::Titulo);

    m_dados = new QWidget(areaConteudo());
    m_dados->setObjectName(QStringLiteral("pnlDados"));
    m_paginas = new QTabWidget(m_dados);
    m_paginas->setObjectName(QStringLiteral("pgAtividades"));
    const QStringList nomes{QStringLiteral("Modo Sintético"), QStringLiteral("Atividades Operacionais"),
                            QStringLiteral("Atividades de Investimento"), QStringLiteral("Atividades de Financiamento")};
    for (int pagina = 0; pagina < nomes.size(); ++pagina) {
        auto *folha = new QWidget(m_paginas);
        auto *modelo = new ModeloFluxoCaixa(ModeloFluxoCaixa::titulosDaPagina(pagina), ModeloFluxoCaixa::linhasDaPagina(pagina), this);
        auto *grade = new GradeValores(folha);
        grade->setObjectName(QStringLiteral("grdPagina%1").arg(pagina));
        grade->setModel(modelo);
        grade->verticalHeader()->hide();
        grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < modelo->columnCount(); ++c) {
            grade->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
            grade->horizontalHeader()->resizeSection(c, 130);
        }
        if (pagina > 0)
            grade->horizontalHeader()->hide();
        auto *navegacao = new TFraNavegacaoPagControl(folha);
        auto *coluna = new QVBoxLayout(folha);
        coluna->setContentsMargins(4, 4, 4, 4);
        coluna->addWidget(grade, 1);
        coluna->addWidget(navegacao);
        m_paginas->addTab(folha, nomes.at(pagina));
        m_grades << grade;
        m_modelos << modelo;
        m_navegacoes << navegacao;

        connect(modelo, &ModeloValores::alterado, this, &TFrameFluxoCaixa::atualizarModelos);
        connect(modelo, &ModeloValores::recusado, this,
                [this, grade](const QModelIndex &indice, const QString &mensagem) { recusado(grade, indice, mensagem); });
    }
    // Once every page is there, so that "Avançar" knows where the last one is.
    for (TFraNavegacaoPagControl *navegacao : std::as_const(m_navegacoes))
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
    // Wide enough for the four page tabs side by side.
    setMinimumWidth(720);

    btnConfirmar()->setEnabled(false);
    connect(m_paginas, &QTabWidget::currentChanged, this, &TFrameFluxoCaixa::paginaMudou);
}

TFrameFluxoCaixa::~TFrameFluxoCaixa()
{
    for (ModeloFluxoCaixa *m : std::as_const(m_modelos))
        m->setFluxo(nullptr);
}

QList<QDate> TFrameFluxoCaixa::PreparaQueryComboPeriodo()
{
    // This quadro never creates the first quarter.
    return listaTrimestres(false);
}

void TFrameFluxoCaixa::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    for (ModeloFluxoCaixa *m : std::as_const(m_modelos))
        m->setFluxo(nullptr);
    m_fluxo.reset();
    m_trimestre = periodoSelecionado();

    if (Datas().isEmpty() || !FluxoCaixa::disponivel(m_trimestre)) {
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

    m_fluxo = std::make_unique<FluxoCaixa>(contexto().db(), contexto().codOper(), m_trimestre);
    if (!m_fluxo->carregar())
        mensagemErro(FluxoCaixa::MensagemSemLinhas);
    for (ModeloFluxoCaixa *m : std::as_const(m_modelos))
        m->setFluxo(m_fluxo.get());
    HabilitaPeriodoFrame(maisRecenteSelecionado());
    m_paginas->setCurrentIndex(0);
    paginaMudou(m_paginas->currentIndex());
}

void TFrameFluxoCaixa::paginaMudou(int pagina)
{
    // Confirming belongs to the last page, once every activity has been seen.
    btnConfirmar()->setEnabled(pagina == m_paginas->count() - 1);
    atualizarModelos();
}

void TFrameFluxoCaixa::atualizarModelos()
{
    for (ModeloFluxoCaixa *m : std::as_const(m_modelos))
        m->atualizarTudo();
}

void TFrameFluxoCaixa::recusado(GradeValores *grade, const QModelIndex &indice, const QString &mensagem)
{
    mensagemErro(mensagem);
    // The focus goes back to the refused field.
    grade->setCurrentIndex(indice);
    grade->setFocus();
}

void TFrameFluxoCaixa::IncluiPeriodoFrame()
{
    incluiTrimestre(false);
}

void TFrameFluxoCaixa::AlteraPeriodoFrame()
{
    m_trimestre = periodoSelecionado();
}

void TFrameFluxoCaixa::ExcluiPeriodoFrame()
{
    excluiTrimestre();
}

void TFrameFluxoCaixa::EditaPeriodoFrame()
{
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
}

void TFrameFluxoCaixa::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!maisRecenteSelecionado() && !modoEdicao());
    for (ModeloFluxoCaixa *m : std::as_const(m_modelos))
        m->setHabilitado(habilita);
}

void TFrameFluxoCaixa::CancelaOperacaoFrame()
{
    // Nothing is stored before "Confirmar": the next initialisation reloads the fields.
}

bool TFrameFluxoCaixa::CriticaDados()
{
    for (GradeValores *g : std::as_const(m_grades))
        g->confirmarEdicao();
    if (!m_fluxo)
        return false;
    m_fluxo->gravar();
    atualizarModelos();
    return true;
}

void TFrameFluxoCaixa::FinalizaFrame()
{
    mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
