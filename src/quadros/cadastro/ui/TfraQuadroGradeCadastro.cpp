#include "TfraQuadroGradeCadastro.h"

#include "AcoesPeriodoCadastro.h"

#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/ui/DelegadoGrade.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

const QColor kCreme(255, 251, 240);

// The quadro grids' colours, with the ordering column in cream.
class DelegadoGradeOrdenada : public DelegadoGrade
{
public:
    using DelegadoGrade::DelegadoGrade;

protected:
    void initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const override
    {
        DelegadoGrade::initStyleOption(opcao, indice);
        if (!(opcao->state & QStyle::State_Selected) && indice.data(ModeloGradeCadastro::PapelColunaOrdenada).toBool())
            opcao->backgroundBrush = kCreme;
    }
};

} // namespace

ModeloGradeCadastro::ModeloGradeCadastro(QList<ColunaGrade> colunas, QObject *parent)
    : QAbstractTableModel(parent)
    , m_colunas(std::move(colunas))
{
}

void ModeloGradeCadastro::setLinhas(QList<LinhaGrade> linhas, int colunaOrdenada)
{
    beginResetModel();
    m_linhas = std::move(linhas);
    m_colunaOrdenada = colunaOrdenada;
    endResetModel();
}

int ModeloGradeCadastro::rowCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_linhas.size());
}

int ModeloGradeCadastro::columnCount(const QModelIndex &pai) const
{
    return pai.isValid() ? 0 : static_cast<int>(m_colunas.size());
}

QVariant ModeloGradeCadastro::data(const QModelIndex &indice, int papel) const
{
    if (!indice.isValid() || indice.row() >= m_linhas.size() || indice.column() >= m_colunas.size())
        return {};
    const LinhaGrade &linha = m_linhas.at(indice.row());
    switch (papel) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return linha.celulas.value(indice.column());
    case DelegadoGrade::PapelEstadoTransmissao:
        return linha.estadoTransmissao;
    case PapelColunaOrdenada:
        return indice.column() == m_colunaOrdenada;
    default:
        return {};
    }
}

QVariant ModeloGradeCadastro::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao == Qt::Horizontal && papel == Qt::DisplayRole && secao >= 0 && secao < m_colunas.size())
        return m_colunas.at(secao).titulo;
    return {};
}

TfraQuadroGradeCadastro::TfraQuadroGradeCadastro(ContextoQuadro &contexto, const QString &titulo, QList<ColunaGrade> colunas,
                                                 const TabelasPeriodo &tabelas, const Dicas &dicas, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
    , m_periodos(contexto.db(), contexto.codOper(), tabelas)
    , m_semPeriodos(tabelas.cabecalho.isEmpty())
{
    setTitulo(titulo);
    setTipoPeriodo(TipoPeriodo::Intervalo);

    m_painel = new QWidget(areaConteudo());
    m_painel->setObjectName(QStringLiteral("pnlGrade"));
    auto botao = [this](const char *nome, QStyle::StandardPixmap icone, const QString &dica) {
        auto *b = new QToolButton(m_painel);
        b->setObjectName(QLatin1String(nome));
        b->setIcon(style()->standardIcon(icone));
        b->setToolTip(dica);
        b->setFixedSize(26, 26);
        b->setEnabled(false);
        return b;
    };
    m_btIncluir = botao("btIncluir", QStyle::SP_FileDialogNewFolder, dicas.incluir);
    m_btExcluir = botao("btExcluir", QStyle::SP_TrashIcon, dicas.excluir);
    m_btEditar = botao("btEditar", QStyle::SP_FileDialogDetailedView, dicas.editar);
    auto *linhaBotoes = new QHBoxLayout;
    linhaBotoes->setContentsMargins(0, 0, 0, 0);
    linhaBotoes->addWidget(m_btIncluir);
    linhaBotoes->addWidget(m_btExcluir);
    linhaBotoes->addWidget(m_btEditar);
    linhaBotoes->addStretch(1);

    m_modelo = new ModeloGradeCadastro(std::move(colunas), this);
    m_grade = new QTableView(m_painel);
    m_grade->setObjectName(QStringLiteral("grdDados"));
    m_grade->setModel(m_modelo);
    m_grade->setItemDelegate(new DelegadoGradeOrdenada(m_grade));
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->horizontalHeader()->setSectionsClickable(true);
    m_grade->horizontalHeader()->setHighlightSections(false);
    m_grade->horizontalHeader()->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background-color: palette(dark); color: white; font-weight: bold; padding: 2px 4px; "
        "border: 0px; border-right: 1px solid palette(mid); }"));
    m_grade->setToolTip(QStringLiteral("Clique no título de uma coluna para ordenar a lista."));
    int ultimaVisivel = -1;
    for (int c = 0; c < m_modelo->colunas().size(); ++c) {
        const ColunaGrade &coluna = m_modelo->colunas().at(c);
        m_grade->setColumnWidth(c, coluna.largura);
        m_grade->setColumnHidden(c, !coluna.visivel);
        if (coluna.visivel)
            ultimaVisivel = c;
    }
    if (ultimaVisivel >= 0)
        m_grade->horizontalHeader()->setSectionResizeMode(ultimaVisivel, QHeaderView::Stretch);

    m_acima = new QVBoxLayout;
    m_abaixo = new QVBoxLayout;
    auto *layoutPainel = new QVBoxLayout(m_painel);
    layoutPainel->setContentsMargins(0, 0, 0, 0);
    layoutPainel->addLayout(linhaBotoes);
    layoutPainel->addLayout(m_acima);
    layoutPainel->addWidget(m_grade, 1);
    layoutPainel->addLayout(m_abaixo);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_painel);

    // Every change is saved when made: the quadro only closes.
    btnConfirmar()->setVisible(false);
    if (m_semPeriodos) {
        ocultaPeriodos();
        setOcultaCancelar(true);
        btnConfirmar()->setText(QStringLiteral("&Cancelar"));
        btnConfirmar()->setToolTip(QStringLiteral("Cancela operação no quadro."));
        btnConfirmar()->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    }
    // Opening an older period for changes asks nothing here: nothing changes until a row is saved.
    disconnect(btnEditaPeriodo(), nullptr, this, nullptr);
    connect(btnEditaPeriodo(), &QToolButton::clicked, this, [this] { executarProtegido([this] { EditaPeriodoFrame(); }); });
    connect(m_btIncluir, &QToolButton::clicked, this, &TfraQuadroGradeCadastro::Incluir);
    connect(m_btExcluir, &QToolButton::clicked, this, &TfraQuadroGradeCadastro::Excluir);
    connect(m_btEditar, &QToolButton::clicked, this, &TfraQuadroGradeCadastro::Editar);
    connect(m_grade, &QTableView::doubleClicked, this, &TfraQuadroGradeCadastro::Editar);
    connect(m_grade->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfraQuadroGradeCadastro::ordenarPor);
    connect(m_grade->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &atual) {
        linhaAtualMudou(atual.isValid() ? atual.row() : -1);
        habilitaBotoes();
    });
    setMinimumSize(640, 420);
}

int TfraQuadroGradeCadastro::linhaAtual() const
{
    const QModelIndex atual = m_grade->currentIndex();
    return atual.isValid() ? atual.row() : -1;
}

QList<QDate> TfraQuadroGradeCadastro::PreparaQueryComboPeriodo()
{
    if (m_semPeriodos)
        return {};
    return m_periodos.Periodos();
}

void TfraQuadroGradeCadastro::InicializaFrame()
{
    TfraModeloQuadroPeriodo::InicializaFrame();
    btnConfirmar()->setVisible(m_semPeriodos);
    if (m_semPeriodos) {
        // The whole register is always open for changes: each row is saved by its dialog.
        m_edicaoLiberada = true;
        m_colunaOrdenada = m_colunaInicial;
        m_decrescente = false;
        recarrega();
        periodoCarregado({});
        return;
    }
    const QDate periodo = periodoSelecionado();
    contexto().estado.setDtVigencia(periodo);
    m_indisponivel = AcoesPeriodoCadastro::Indisponivel(contexto(), areaConteudo(), periodo);
    if (!m_indisponivel) {
        const QString motivo = motivoIndisponivel();
        m_indisponivel = !motivo.isEmpty();
        if (m_indisponivel && contexto().exibeAviso)
            contexto().exibeAviso(areaConteudo(), motivo);
    }
    m_painel->setVisible(!m_indisponivel);
    if (m_indisponivel) {
        m_modelo->setLinhas({}, 0);
        m_edicaoLiberada = false;
        habilitaBotoesPeriodo(false, false);
        habilitaBotoes();
        return;
    }
    m_colunaOrdenada = m_colunaInicial;
    m_decrescente = false;
    recarrega();
    if (maisRecenteSelecionado())
        EditaPeriodoFrame();
    else
        HabilitaPeriodoFrame(false);
    periodoCarregado(periodo);
}

void TfraQuadroGradeCadastro::recarrega()
{
    const int anterior = linhaAtual();
    m_modelo->setLinhas(leLinhas(periodoSelecionado(), m_colunaOrdenada, m_decrescente), m_colunaOrdenada);
    if (m_modelo->rowCount() > 0)
        m_grade->setCurrentIndex(m_modelo->index(std::clamp(anterior, 0, m_modelo->rowCount() - 1), m_colunaOrdenada));
    linhaAtualMudou(linhaAtual());
    habilitaBotoes();
}

void TfraQuadroGradeCadastro::habilitaBotoes()
{
    const bool liberado = m_edicaoLiberada && !m_indisponivel;
    const bool temLinha = linhaAtual() >= 0;
    m_btIncluir->setEnabled(liberado);
    m_btExcluir->setEnabled(liberado && temLinha && linhaExcluivel(linhaAtual()));
    m_btEditar->setEnabled(liberado && temLinha);
}

void TfraQuadroGradeCadastro::HabilitaPeriodoFrame(bool habilita)
{
    m_edicaoLiberada = habilita && !m_indisponivel;
    habilitaBotoesPeriodo(habilita, !maisRecenteSelecionado());
    habilitaBotoes();
}

void TfraQuadroGradeCadastro::EditaPeriodoFrame()
{
    HabilitaPeriodoFrame(true);
}

void TfraQuadroGradeCadastro::ordenarPor(int coluna)
{
    if (coluna < 0 || coluna >= m_modelo->columnCount() || !m_modelo->colunas().at(coluna).ordenavel)
        return;
    // The same title again turns the order round; another title starts ascending.
    m_decrescente = coluna == m_colunaOrdenada ? !m_decrescente : false;
    m_colunaOrdenada = coluna;
    executarProtegido([this] { recarrega(); });
}

void TfraQuadroGradeCadastro::Incluir()
{
    if (!m_btIncluir->isEnabled())
        return;
    executarProtegido([this] { incluiLinha(); });
    executarProtegido([this] {
        recarrega();
        periodoCarregado(periodoSelecionado());
    });
}

void TfraQuadroGradeCadastro::Editar()
{
    const int linha = linhaAtual();
    if (!m_btEditar->isEnabled() || linha < 0)
        return;
    executarProtegido([this, linha] { editaLinha(linha); });
    executarProtegido([this] {
        recarrega();
        periodoCarregado(periodoSelecionado());
    });
}

void TfraQuadroGradeCadastro::Excluir()
{
    const int linha = linhaAtual();
    if (!m_btExcluir->isEnabled() || linha < 0)
        return;
    bool pode = false;
    if (!executarProtegido([this, linha, &pode] { pode = podeExcluir(linha); }) || !pode)
        return;
    if (!Confirma(perguntaExclusao(), this))
        return;
    executarProtegido([this, linha] {
        excluiLinha(linha);
        recarrega();
        periodoCarregado(periodoSelecionado());
    });
}

bool TfraQuadroGradeCadastro::linhaExcluivel(int linha) const
{
    return !m_apenasNaoTransmitidas
           || m_modelo->index(linha, 0).data(DelegadoGrade::PapelEstadoTransmissao).toString().trimmed() == QLatin1String("N");
}

bool TfraQuadroGradeCadastro::podeExcluir(int)
{
    return true;
}

void TfraQuadroGradeCadastro::linhaAtualMudou(int)
{
}

void TfraQuadroGradeCadastro::periodoCarregado(const QDate &)
{
}

void TfraQuadroGradeCadastro::IncluiPeriodoFrame()
{
    MostraAvisoUsuario({}, this);
    AcoesPeriodoCadastro::Inclui(this, m_periodos, NovaData());
}

void TfraQuadroGradeCadastro::CopiaPeriodoFrame()
{
    MostraAvisoUsuario({}, this);
    AcoesPeriodoCadastro::Copia(this, m_periodos, NovaData());
}

void TfraQuadroGradeCadastro::ExcluiPeriodoFrame()
{
    AcoesPeriodoCadastro::Exclui(this, m_periodos, periodoSelecionado());
}

} // namespace kelpa
