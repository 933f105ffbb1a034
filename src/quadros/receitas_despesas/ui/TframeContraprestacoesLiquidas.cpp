#include "TframeContraprestacoesLiquidas.h"

#include "ModeloContraprestacoes.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/Avisos.h"
#include "quadros/demonstracoes/ContraprestacoesLiquidas.h"
#include "quadros/demonstracoes/RegrasModalidade.h"
#include "quadros/demonstracoes/ui/CabecalhoAgrupado.h"
#include "quadros/demonstracoes/ui/DelegadoValores.h"
#include "quadros/demonstracoes/ui/GradeValores.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

bool g_limpeza[2] = {false, false};

constexpr int larguraUF = 44;
constexpr int larguraValor = 102; // "9.999.999,99" in bold
constexpr int larguraValorOdonto = 150;

GradeValores *criarGrade(QWidget *pai, const QString &nome, ModeloContraprestacoesBase *modelo)
{
    auto *grade = new GradeValores(pai);
    grade->setObjectName(nome);
    grade->setModel(modelo);
    grade->verticalHeader()->hide();
    return grade;
}

// The grid of every state and, under it, its "Tot" row and "Total Geral:", with the
// same column widths so that each total sits under its column.
QWidget *paginaDosEstados(const QString &nome, QChar segmento, ModeloContraprestacoes *modelo,
                          ModeloContraprestacoes *totais, GradeValores **grade, GradeValores **gradeTotais,
                          QLabel **totalGeral)
{
    auto *pagina = new QWidget;
    pagina->setObjectName(nome);
    *grade = criarGrade(pagina, QStringLiteral("grd%1").arg(nome.mid(3)), modelo);
    (*grade)->setOrdem(GradeValores::Ordem::LinhaPorLinha);
    auto *cabecalho = new CabecalhoAgrupado(*grade);
    (*grade)->setHorizontalHeader(cabecalho);
    if (segmento == u'O')
        cabecalho->setGrupos({{1, 3, QStringLiteral("Planos de Assistência Odontológica"), {}}});
    else
        cabecalho->setGrupos({{1, 3, QStringLiteral("Planos de Assistência Médico-Hospitalar"), {}},
                              {4, 3, QStringLiteral("Planos de Assistência Odontológica"), {}}});
    *gradeTotais = criarGrade(pagina, QStringLiteral("grd%1Total").arg(nome.mid(3)), totais);
    (*gradeTotais)->horizontalHeader()->hide();
    (*gradeTotais)->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    (*gradeTotais)->setFocusPolicy(Qt::NoFocus);
    (*gradeTotais)->setFixedHeight((*gradeTotais)->verticalHeader()->defaultSectionSize() + 2 * (*gradeTotais)->frameWidth());
    // Both with a scroll bar, so that each total sits exactly under its column.
    (*grade)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (*gradeTotais)->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    (*gradeTotais)->verticalScrollBar()->setEnabled(false);
    for (GradeValores *g : {*grade, *gradeTotais}) {
        g->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        g->horizontalHeader()->resizeSection(0, larguraUF);
        for (int c = 1; c < modelo->columnCount(); ++c)
            g->horizontalHeader()->resizeSection(c, segmento == u'O' ? larguraValorOdonto : larguraValor);
    }
    *totalGeral = new QLabel(pagina);
    (*totalGeral)->setObjectName(QStringLiteral("lblTotalGeral%1").arg(nome.mid(3)));
    QFont negrito = (*totalGeral)->font();
    negrito.setBold(true);
    (*totalGeral)->setFont(negrito);
    (*totalGeral)->setMinimumWidth(120);
    (*totalGeral)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *rodape = new QHBoxLayout;
    rodape->addStretch(1);
    auto *rotulo = new QLabel(QStringLiteral("Total Geral:"), pagina);
    rotulo->setFont(negrito);
    rodape->addWidget(rotulo);
    rodape->addWidget(*totalGeral);
    auto *layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(*grade, 1);
    layout->addWidget(*gradeTotais);
    layout->addLayout(rodape);
    return pagina;
}

QWidget *paginaDaUF(const QString &nome, ModeloContraprestacoesUF *modelo, GradeValores **grade)
{
    auto *pagina = new QWidget;
    pagina->setObjectName(nome);
    *grade = criarGrade(pagina, QStringLiteral("grd%1").arg(nome.mid(3)), modelo);
    (*grade)->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    (*grade)->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Fixed);
    (*grade)->horizontalHeader()->resizeSection(1, 150);
    auto *layout = new QVBoxLayout(pagina);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(*grade);
    return pagina;
}

} // namespace

bool TframeContraprestacoesLiquidas::limpezaAtiva(LadoReceitaDespesa lado)
{
    return g_limpeza[static_cast<int>(lado)];
}

void TframeContraprestacoesLiquidas::setLimpezaAtiva(bool ativa, LadoReceitaDespesa lado)
{
    g_limpeza[static_cast<int>(lado)] = ativa;
}

TframeContraprestacoesLiquidas::TframeContraprestacoesLiquidas(ContextoQuadro &contexto, QWidget *parent)
    : TframeContraprestacoesLiquidas(contexto, LadoReceitaDespesa::Receitas, parent)
{
}

TframeIndenizaveisLiquidos::TframeIndenizaveisLiquidos(ContextoQuadro &contexto, QWidget *parent)
    : TframeContraprestacoesLiquidas(contexto, LadoReceitaDespesa::Despesas, parent)
{
}

TframeContraprestacoesLiquidas::TframeContraprestacoesLiquidas(ContextoQuadro &contexto, LadoReceitaDespesa lado, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
    , m_lado(lado)
{
    setObjectName(lado == LadoReceitaDespesa::Receitas ? QStringLiteral("frameContraprestacoesLiquidas")
                                                       : QStringLiteral("frameIndenizaveisLiquidos"));
    setTitulo(ContraprestacoesLiquidas::titulo(contexto.estado.operadoraDePlanos(), lado));

    m_painel = new QWidget(areaConteudo());
    m_painel->setObjectName(QStringLiteral("pnlDados"));
    auto *pergunta = new QLabel(QStringLiteral("Opera em apenas uma UF ?"), m_painel);
    m_sim = new QRadioButton(QStringLiteral("Sim"), m_painel);
    m_sim->setObjectName(QStringLiteral("rbSim"));
    m_nao = new QRadioButton(QStringLiteral("Não"), m_painel);
    m_nao->setObjectName(QStringLiteral("rbNao"));
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(m_sim);
    grupo->addButton(m_nao);
    m_cmbUF = new QComboBox(m_painel);
    m_cmbUF->setObjectName(QStringLiteral("cmbUF"));
    m_cmbUF->setMinimumContentsLength(4);
    m_cmbUF->hide();
    auto *linhaUF = new QHBoxLayout;
    linhaUF->addWidget(pergunta);
    linhaUF->addWidget(m_sim);
    linhaUF->addWidget(m_nao);
    linhaUF->addSpacing(12);
    linhaUF->addWidget(m_cmbUF);
    linhaUF->addStretch(1);

    m_med = new ModeloContraprestacoes(false, this);
    m_medTotais = new ModeloContraprestacoes(true, this);
    m_medUF = new ModeloContraprestacoesUF(this);
    m_odon = new ModeloContraprestacoes(false, this);
    m_odonTotais = new ModeloContraprestacoes(true, this);
    m_odonUF = new ModeloContraprestacoesUF(this);
    m_med->setDados(nullptr, u'C');
    m_medTotais->setDados(nullptr, u'C');
    m_medUF->setDados(nullptr, u'C');
    m_odon->setDados(nullptr, u'O');
    m_odonTotais->setDados(nullptr, u'O');
    m_odonUF->setDados(nullptr, u'O');
    for (ModeloContraprestacoesBase *m : modelos())
        m->setLado(lado);

    m_paginas = new QStackedWidget(m_painel);
    m_paginas->setObjectName(QStringLiteral("pgcContraprestacoes"));
    m_grades = {nullptr, nullptr, nullptr, nullptr};
    m_gradesTotais = {nullptr, nullptr, nullptr, nullptr};
    m_totaisGerais = {nullptr, nullptr, nullptr, nullptr};
    m_paginas->addWidget(paginaDosEstados(QStringLiteral("tbsMed"), u'C', m_med, m_medTotais, &m_grades[0], &m_gradesTotais[0],
                                          &m_totaisGerais[0]));
    m_paginas->addWidget(paginaDaUF(QStringLiteral("tbsMedUF"), m_medUF, &m_grades[1]));
    m_paginas->addWidget(paginaDosEstados(QStringLiteral("tbsOdon"), u'O', m_odon, m_odonTotais, &m_grades[2], &m_gradesTotais[2],
                                          &m_totaisGerais[2]));
    m_paginas->addWidget(paginaDaUF(QStringLiteral("tbsOdonUF"), m_odonUF, &m_grades[3]));

    auto *layoutPainel = new QVBoxLayout(m_painel);
    layoutPainel->setContentsMargins(0, 0, 0, 0);
    layoutPainel->addLayout(linhaUF);
    layoutPainel->addWidget(m_paginas, 1);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_painel);
    setPainelDados(m_painel);
    setMinimumWidth(larguraUF + 6 * larguraValor + 60);

    for (ModeloContraprestacoesBase *m : modelos()) {
        connect(m, &ModeloContraprestacoesBase::previaMudou, this, [this, m](const PreviaContraprestacao &previa) {
            for (ModeloContraprestacoesBase *outro : modelos())
                if (outro != m)
                    outro->setPrevia(previa);
            atualizarTotais();
        });
        connect(m, &ModeloValores::alterado, this, [this] {
            for (ModeloContraprestacoesBase *outro : modelos())
                outro->atualizarTudo();
            atualizarTotais();
        });
        connect(m, &ModeloValores::falhou, this, [this](const QString &mensagem) { mensagemErro(mensagem); });
    }
    for (GradeValores *g : std::as_const(m_grades))
        connect(g->delegado(), &DelegadoValores::edicaoIniciada, this, [this] { btnConfirmar()->setEnabled(true); });

    connect(m_sim, &QRadioButton::clicked, this, [this] { responder(true, true); });
    connect(m_nao, &QRadioButton::clicked, this, [this] { responder(false, true); });
    connect(m_cmbUF, &QComboBox::activated, this, &TframeContraprestacoesLiquidas::ufEscolhida);
    // Pressing the edit button starts a new round of confirmations without the clean-up.
    connect(btnEditaPeriodo(), &QToolButton::clicked, this, [lado] { setLimpezaAtiva(false, lado); });
    btnConfirmar()->setEnabled(false);
}

TframeContraprestacoesLiquidas::~TframeContraprestacoesLiquidas()
{
    for (ModeloContraprestacoesBase *m : modelos())
        m->setDados(nullptr, m->segmento());
}

QList<ModeloContraprestacoesBase *> TframeContraprestacoesLiquidas::modelos() const
{
    return {m_med, m_medTotais, m_medUF, m_odon, m_odonTotais, m_odonUF};
}

GradeValores *TframeContraprestacoesLiquidas::grade(int pagina) const
{
    return m_grades.value(pagina);
}

GradeValores *TframeContraprestacoesLiquidas::gradeTotais(int pagina) const
{
    return m_gradesTotais.value(pagina);
}

QLabel *TframeContraprestacoesLiquidas::lblTotalGeral(int pagina) const
{
    return m_totaisGerais.value(pagina);
}

ModeloContraprestacoes *TframeContraprestacoesLiquidas::modelo(int pagina) const
{
    return pagina == 0 ? m_med : pagina == 2 ? m_odon : nullptr;
}

ModeloContraprestacoesUF *TframeContraprestacoesLiquidas::modeloUF(int pagina) const
{
    return pagina == 1 ? m_medUF : pagina == 3 ? m_odonUF : nullptr;
}

QList<QDate> TframeContraprestacoesLiquidas::PreparaQueryComboPeriodo()
{
    return listaTrimestres(true);
}

void TframeContraprestacoesLiquidas::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    const bool operadoraDePlanos = contexto().estado.operadoraDePlanos();
    setTitulo(ContraprestacoesLiquidas::titulo(operadoraDePlanos, m_lado));
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    for (ModeloContraprestacoesBase *m : modelos())
        m->setDados(nullptr, m->segmento());
    m_dados.reset();
    btnConfirmar()->setEnabled(false);

    // Quadros 8 and 9 name the operators that fill them (the same list): any other
    // sees the notice. Quadro 9 asks for a complete registration first.
    if (!verificaDisponibilidade(RegraModalidade::contraprestacoes(), m_lado == LadoReceitaDespesa::Despesas, false))
        return;
    if (!trimestre.isValid()) {
        habilitaBotoesPeriodo(false, false);
        m_painel->setEnabled(false);
        return;
    }
    m_painel->setEnabled(true);
    if (const auto segmento = ContraprestacoesLiquidas::segmento(contexto().db(), contexto().codOper(), trimestre))
        m_segmento = *segmento;

    m_dados = std::make_unique<ContraprestacoesLiquidas>(contexto().db(), contexto().codOper(), trimestre, m_lado);
    m_dados->criarLinhasFaltantes();
    m_dados->carregar();
    const DicasContraprestacoes dicas = ContraprestacoesLiquidas::dicas(trimestre, m_lado);
    for (ModeloContraprestacoesBase *m : modelos()) {
        m->setOperadoraDePlanos(operadoraDePlanos);
        m->setDados(m_dados.get(), m->segmento());
        m->setDicas(dicas);
    }
    // The headings of the grids explain themselves until the chart of 2007.
    for (int p : {0, 2}) {
        auto *cabecalho = qobject_cast<CabecalhoAgrupado *>(m_grades.at(p)->horizontalHeader());
        auto grupos = cabecalho->grupos();
        for (auto &g : grupos)
            g.dica = ModeloValores::textoDica(g.texto.contains(QStringLiteral("Odonto")) ? dicas.grupoOdonto : dicas.grupoMedico);
        cabecalho->setGrupos(grupos);
    }

    m_cmbUF->clear();
    m_cmbUF->addItem(QString());
    for (const LinhaReceitaUF &l : m_dados->linhas())
        m_cmbUF->addItem(l.uf);
    const QString uf = m_dados->ufUnica();
    m_sim->setChecked(!uf.isEmpty());
    m_nao->setChecked(uf.isEmpty());
    responder(!uf.isEmpty(), false);

    if (maisRecenteSelecionado())
        EditaPeriodoFrame();
    else
        HabilitaPeriodoFrame(false);
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
    atualizarTotais();
    btnConfirmar()->setEnabled(false);
}

void TframeContraprestacoesLiquidas::responder(bool umaUF, bool peloUsuario)
{
    if (umaUF) {
        m_cmbUF->show();
        const int i = m_dados ? m_cmbUF->findText(m_dados->ufUnica()) : 0;
        m_cmbUF->setCurrentIndex(std::max(0, i));
    } else {
        m_cmbUF->hide();
        m_cmbUF->setCurrentIndex(0);
    }
    m_medUF->setUF(m_cmbUF->currentText());
    m_odonUF->setUF(m_cmbUF->currentText());
    mostrarPagina();
    if (m_dados && peloUsuario)
        btnConfirmar()->setEnabled(true);
}

void TframeContraprestacoesLiquidas::ufEscolhida(int)
{
    if (!m_dados)
        return;
    confirmarEdicoes();
    const QString uf = m_cmbUF->currentText();
    if (!uf.isEmpty()) {
        executarProtegido([this, &uf] { m_dados->escolherUF(uf); });
        for (ModeloContraprestacoesBase *m : modelos())
            m->atualizarTudo();
        btnConfirmar()->setEnabled(true);
    }
    m_medUF->setUF(uf);
    m_odonUF->setUF(uf);
    atualizarTotais();
}

void TframeContraprestacoesLiquidas::mostrarPagina()
{
    m_paginas->setCurrentIndex(ContraprestacoesLiquidas::pagina(m_segmento, m_sim->isChecked()));
}

void TframeContraprestacoesLiquidas::atualizarTotais()
{
    for (int p : {0, 2}) {
        const ModeloContraprestacoes *totais = p == 0 ? m_medTotais : m_odonTotais;
        // The dental layout adds what it shows: amounts of medical plans typed under an
        // earlier modality would otherwise hide in the grand total.
        const LinhaReceitaUF tot = totais->totaisExibidos();
        m_totaisGerais.at(p)->setText(m_dados ? (p == 2 ? tot.totalOdonto(m_lado) : tot.totalLinha(m_lado)).texto() : QString());
    }
}

void TframeContraprestacoesLiquidas::confirmarEdicoes()
{
    for (GradeValores *g : std::as_const(m_grades))
        g->confirmarEdicao();
}

void TframeContraprestacoesLiquidas::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

void TframeContraprestacoesLiquidas::IncluiPeriodoFrame()
{
    if (m_dados) {
        // The quarter being left: what was not confirmed goes back, then the tidy-up of a confirmation.
        m_dados->desfazer();
        try {
            m_dados->finalizar(!m_dados->ufUnica().isEmpty(), m_dados->ufUnica(), limpezaAtiva(m_lado));
        } catch (const ErroBanco &) {
            mensagemErro(QStringLiteral("Houve erro na gravação.\rTente novamente..."));
        }
    }
    // Quadro 8 seeds the accumulated balances of a new quarter; Quadro 9 does not.
    if (incluiTrimestre(m_lado == LadoReceitaDespesa::Receitas))
        contexto().estado.setDtVigencia(NovaData());
}

void TframeContraprestacoesLiquidas::EditaPeriodoFrame()
{
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
}

void TframeContraprestacoesLiquidas::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!maisRecenteSelecionado() && !habilita);
    m_sim->setEnabled(habilita);
    m_nao->setEnabled(habilita);
    m_cmbUF->setEnabled(habilita);
    for (ModeloContraprestacoesBase *m : modelos())
        m->setHabilitado(habilita);
}

void TframeContraprestacoesLiquidas::CancelaOperacaoFrame()
{
    if (!m_dados)
        return;
    m_dados->desfazer();
    for (ModeloContraprestacoesBase *m : modelos())
        m->atualizarTudo();
}

bool TframeContraprestacoesLiquidas::CriticaDados()
{
    confirmarEdicoes();
    if (!m_dados)
        return false;
    return !MostraAvisoPreenchimento(ContraprestacoesLiquidas::pendencias(m_sim->isChecked(), m_cmbUF->currentText()), this);
}

void TframeContraprestacoesLiquidas::FinalizaFrame()
{
    confirmarEdicoes();
    try {
        m_dados->finalizar(m_sim->isChecked(), m_cmbUF->currentText(), limpezaAtiva(m_lado));
    } catch (const ErroBanco &) {
        mensagemErro(QStringLiteral("Houve erro na gravação.\rTente novamente..."));
        return;
    }
    setLimpezaAtiva(true, m_lado);
    mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
