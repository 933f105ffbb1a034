#include "TframeDespesas_Comercializacao.h"

#include "ModeloDespesasComercializacao.h"

#include "quadros/demonstracoes/ui/DelegadoValores.h"
#include "quadros/demonstracoes/ui/GradeValores.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kelpa {

namespace {

constexpr int larguraValor = 120; // "999.999.999,99"

const QString kDicaTotalMedico = QStringLiteral("Soma das Despesas de Comercialização de planos médicos e/ou\r\nhospitalares, "
                                                "no trimestre considerado, em todas as modalidades.\r\nEste campo será "
                                                "calculado automaticamente.");
const QString kDicaTotalOdonto = QStringLiteral("Soma das Despesas de Comercialização de planos odontológicos,\r\nno trimestre "
                                                "considerado, em todas as modalidades. Este campo \r\nserá calculado "
                                                "automaticamente.");
const QString kDicaTotalGeral = QStringLiteral("Soma das Despesas de Comercialização de planos odontológicos\r\ne planos "
                                               "médicos e/ou hospitalares, no trimestre considerado, em \r\ntodas as "
                                               "modalidades. Este campo será calculado automaticamente.");

GradeValores *criarGrade(QWidget *pai, const QString &nome, ModeloDespesasComercializacao *modelo)
{
    auto *grade = new GradeValores(pai);
    grade->setObjectName(nome);
    grade->setModel(modelo);
    grade->verticalHeader()->hide();
    grade->horizontalHeader()->hide();
    grade->horizontalHeader()->setSectionResizeMode(ModeloDespesasComercializacao::Descricao, QHeaderView::Stretch);
    grade->horizontalHeader()->setSectionResizeMode(ModeloDespesasComercializacao::Valor, QHeaderView::Fixed);
    grade->horizontalHeader()->resizeSection(ModeloDespesasComercializacao::Valor, larguraValor);
    grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return grade;
}

// The grid as tall as its items (a long list scrolls past a dozen), so that the
// totals sit right under the amounts.
void ajustarAltura(GradeValores *grade)
{
    const int linhas = std::clamp(grade->model()->rowCount(), 1, 12);
    grade->setFixedHeight(linhas * grade->verticalHeader()->defaultSectionSize() + 2 * grade->frameWidth());
}

// A computed total: read-only, on the button-face colour, never in the Tab order.
QLineEdit *criarTotal(QWidget *pai, const QString &nome, const QString &dica)
{
    auto *total = new QLineEdit(pai);
    total->setObjectName(nome);
    total->setReadOnly(true);
    total->setFocusPolicy(Qt::NoFocus);
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setFixedWidth(larguraValor);
    total->setToolTip(ModeloValores::textoDica(dica));
    QPalette p = total->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    total->setPalette(p);
    return total;
}

QHBoxLayout *linhaTotal(QWidget *pai, const QString &rotulo, QLineEdit *total, bool negrito)
{
    auto *linha = new QHBoxLayout;
    linha->addStretch(1);
    auto *texto = new QLabel(rotulo, pai);
    if (negrito) {
        QFont f = texto->font();
        f.setBold(true);
        texto->setFont(f);
        total->setFont(f);
    }
    linha->addWidget(texto);
    linha->addWidget(total);
    return linha;
}

// A plan kind's group: its grid and, under the amounts, its "Total:".
QGroupBox *grupo(QWidget *pai, const QString &titulo, GradeValores *grade, QLineEdit *total)
{
    auto *caixa = new QGroupBox(titulo, pai);
    grade->setParent(caixa);
    total->setParent(caixa);
    auto *layout = new QVBoxLayout(caixa);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(grade);
    layout->addLayout(linhaTotal(caixa, QStringLiteral("Total:"), total, false));
    return caixa;
}

} // namespace

TframeDespesas_Comercializacao::TframeDespesas_Comercializacao(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
{
    setObjectName(QStringLiteral("frameDespesas_Comercializacao"));
    setTitulo(DespesasComercializacao::titulo());

    m_medico = new ModeloDespesasComercializacao(DespesasComercializacao::Medico, this);
    m_odonto = new ModeloDespesasComercializacao(DespesasComercializacao::Odonto, this);

    m_paginas = new QStackedWidget(areaConteudo());
    m_paginas->setObjectName(QStringLiteral("pgcDespCom"));

    auto *medOdo = new QWidget;
    medOdo->setObjectName(QStringLiteral("sheMedOdo"));
    m_gradeMedica = criarGrade(medOdo, QStringLiteral("AdvStrGrdDespMedica"), m_medico);
    m_gradeOdonto = criarGrade(medOdo, QStringLiteral("AdvStrGrdDespOdonto"), m_odonto);
    m_totalMedico = criarTotal(medOdo, QStringLiteral("edtTotalMedico"), kDicaTotalMedico);
    m_totalOdonto = criarTotal(medOdo, QStringLiteral("edtTotalOdonto"), kDicaTotalOdonto);
    m_totalGeral = criarTotal(medOdo, QStringLiteral("edtTotalGeral"), kDicaTotalGeral);
    auto *layoutMedOdo = new QVBoxLayout(medOdo);
    layoutMedOdo->setContentsMargins(0, 0, 0, 0);
    layoutMedOdo->addWidget(grupo(medOdo, QStringLiteral(" Planos de Assistência Médico-Hospitalar"), m_gradeMedica, m_totalMedico));
    layoutMedOdo->addWidget(grupo(medOdo, QStringLiteral(" Planos de Assistência Odontológica"), m_gradeOdonto, m_totalOdonto));
    layoutMedOdo->addLayout(linhaTotal(medOdo, QStringLiteral("Total Geral:"), m_totalGeral, true));
    layoutMedOdo->addStretch(1);

    auto *odonto = new QWidget;
    odonto->setObjectName(QStringLiteral("sheOdonto"));
    m_gradeOdontologico = criarGrade(odonto, QStringLiteral("AdvStrGrdOdontologico"), m_odonto);
    m_totalOdontologico = criarTotal(odonto, QStringLiteral("edtTotalOdontologico"), kDicaTotalOdonto);
    auto *layoutOdonto = new QVBoxLayout(odonto);
    layoutOdonto->setContentsMargins(0, 0, 0, 0);
    layoutOdonto->addWidget(grupo(odonto, QStringLiteral(" Planos de Assistência Odontológica "), m_gradeOdontologico,
                                  m_totalOdontologico));
    layoutOdonto->addStretch(1);

    m_paginas->addWidget(medOdo);
    m_paginas->addWidget(odonto);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_paginas);
    setPainelDados(m_paginas);

    for (ModeloDespesasComercializacao *m : {m_medico, m_odonto}) {
        connect(m, &ModeloDespesasComercializacao::previaMudou, this, &TframeDespesas_Comercializacao::atualizarTotais);
        connect(m, &ModeloValores::alterado, this, &TframeDespesas_Comercializacao::atualizarTotais);
        connect(m, &ModeloValores::falhou, this, [this](const QString &mensagem) { mensagemErro(mensagem); });
    }
    for (GradeValores *g : grades()) {
        connect(g->delegado(), &DelegadoValores::edicaoIniciada, this, [this] { btnConfirmar()->setEnabled(true); });
        connect(g->delegado(), &DelegadoValores::avancarPedido, this, [this, g] { passarParaOutraGrade(g); });
    }
    btnConfirmar()->setEnabled(false);
}

TframeDespesas_Comercializacao::~TframeDespesas_Comercializacao()
{
    m_medico->setDados(nullptr);
    m_odonto->setDados(nullptr);
}

QList<GradeValores *> TframeDespesas_Comercializacao::grades() const
{
    return {m_gradeMedica, m_gradeOdonto, m_gradeOdontologico};
}

QList<QDate> TframeDespesas_Comercializacao::PreparaQueryComboPeriodo()
{
    return listaTrimestres(true);
}

void TframeDespesas_Comercializacao::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    m_medico->setDados(nullptr);
    m_odonto->setDados(nullptr);
    m_dados.reset();
    atualizarTotais();
    btnConfirmar()->setEnabled(false);

    if (!verificaDisponibilidade(DespesasComercializacao::regraModalidade(), true, true))
        return;
    if (!trimestre.isValid()) {
        habilitaBotoesPeriodo(false, false);
        m_paginas->setEnabled(false);
        return;
    }
    m_paginas->setEnabled(true);
    m_paginas->setCurrentIndex(DespesasComercializacao::somenteOdonto(contexto().db(), contexto().codOper(), trimestre) ? 1 : 0);

    m_dados = std::make_unique<DespesasComercializacao>(contexto().db(), contexto().codOper(), trimestre);
    m_dados->criarLinhasFaltantes();
    m_dados->carregar();
    m_medico->setDados(m_dados.get());
    m_odonto->setDados(m_dados.get());
    for (GradeValores *g : grades())
        ajustarAltura(g);

    HabilitaPeriodoFrame(maisRecenteSelecionado());
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
    atualizarTotais();
    btnConfirmar()->setEnabled(false);
}

void TframeDespesas_Comercializacao::atualizarTotais()
{
    if (!m_dados) {
        for (QLineEdit *t : {m_totalMedico, m_totalOdonto, m_totalGeral, m_totalOdontologico})
            t->clear();
        return;
    }
    // The totals count the amount being typed as if it were accepted.
    Moeda medico = m_dados->total(DespesasComercializacao::Medico);
    Moeda odonto = m_dados->total(DespesasComercializacao::Odonto);
    Moeda geral = m_dados->totalGeral();
    for (const ModeloDespesasComercializacao *m : {m_medico, m_odonto}) {
        const auto &previa = m->previaAtual();
        const ItemDespesaComerc *item = previa ? m_dados->item(previa->codigo) : nullptr;
        if (!item)
            continue;
        const Moeda diferenca = previa->valor - item->valorOuZero();
        (m->tipo() == DespesasComercializacao::Medico ? medico : odonto) += diferenca;
        geral += diferenca;
    }
    m_totalMedico->setText(medico.texto());
    m_totalOdonto->setText(odonto.texto());
    m_totalGeral->setText(geral.texto());
    m_totalOdontologico->setText(odonto.texto());
}

void TframeDespesas_Comercializacao::passarParaOutraGrade(GradeValores *de)
{
    // The grid moved on by itself when it had a further item (its editor is open again).
    if (de->indexWidget(de->currentIndex()) || m_paginas->currentIndex() != 0)
        return;
    GradeValores *para = de == m_gradeMedica ? m_gradeOdonto : m_gradeMedica;
    const QModelIndex primeira = para->model()->index(0, ModeloDespesasComercializacao::Valor);
    if (!primeira.isValid() || !(primeira.flags() & Qt::ItemIsEditable))
        return;
    para->setFocus();
    para->setCurrentIndex(primeira);
    para->scrollTo(primeira);
    para->edit(primeira);
}

void TframeDespesas_Comercializacao::confirmarEdicoes()
{
    for (GradeValores *g : grades())
        g->confirmarEdicao();
}

void TframeDespesas_Comercializacao::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

void TframeDespesas_Comercializacao::IncluiPeriodoFrame()
{
    confirmarEdicoes();
    if (incluiTrimestre(false))
        contexto().estado.setDtVigencia(NovaData());
}

void TframeDespesas_Comercializacao::EditaPeriodoFrame()
{
    if (!m_dados)
        return;
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
    GradeValores *primeira = m_paginas->currentIndex() == 0 ? m_gradeMedica : m_gradeOdontologico;
    primeira->setFocus();
    primeira->setCurrentIndex(primeira->model()->index(0, ModeloDespesasComercializacao::Valor));
}

void TframeDespesas_Comercializacao::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!habilita && m_dados && !maisRecenteSelecionado());
    m_medico->setHabilitado(habilita);
    m_odonto->setHabilitado(habilita);
}

void TframeDespesas_Comercializacao::CancelaOperacaoFrame()
{
    if (!m_dados)
        return;
    // An amount still being typed was accepted when the focus left its cell: it goes back too.
    confirmarEdicoes();
    m_dados->desfazer();
    m_medico->atualizarTudo();
    m_odonto->atualizarTudo();
    atualizarTotais();
}

bool TframeDespesas_Comercializacao::CriticaDados()
{
    confirmarEdicoes();
    return true;
}

} // namespace kelpa
