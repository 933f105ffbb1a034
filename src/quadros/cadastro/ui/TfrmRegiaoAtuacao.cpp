#include "TfrmRegiaoAtuacao.h"

#include "ValidadorCampo.h"

#include "quadros/cadastro/RegiaoAtuacao.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfrmRegiaoAtuacao::TfrmRegiaoAtuacao(const QSqlDatabase &db, const QString &codOper, const QDate &periodo,
                                     const std::optional<QList<Municipio>> &pendentes, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmRegiaoAtuacao"));
    setWindowTitle(QStringLiteral("Região de Atuação"));
    resize(760, 520);
    QWidget *area = areaConteudo();

    auto *titulo = new QLabel(QStringLiteral("Informe apenas os Municípios onde existe esforço de venda de seus planos"), area);
    titulo->setObjectName(QStringLiteral("lblTitulo"));
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setAutoFillBackground(true);
    QPalette p = titulo->palette();
    p.setColor(QPalette::Window, QColor(0, 0, 128));
    p.setColor(QPalette::WindowText, Qt::white);
    titulo->setPalette(p);
    QFont f = titulo->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.15);
    titulo->setFont(f);
    titulo->setMinimumHeight(28);
    auto *resolucao = new QLabel(QStringLiteral("Resolução de Diretoria Colegiado - RDC nº 77, de 17 de julho de 2001."), area);
    resolucao->setAlignment(Qt::AlignCenter);

    m_estados = new QListWidget(area);
    m_estados->setObjectName(QStringLiteral("lstUF"));
    m_estados->setFixedWidth(60);
    m_lblEstado = new QLabel(area);
    m_lblEstado->setObjectName(QStringLiteral("lblEstado"));
    QFont negrito = m_lblEstado->font();
    negrito.setBold(true);
    m_lblEstado->setFont(negrito);
    m_pais = new QListWidget(area);
    m_pais->setObjectName(QStringLiteral("lstMunicipios"));
    m_pais->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pesquisa = new QLineEdit(area);
    m_pesquisa->setObjectName(QStringLiteral("edtPesquisa"));
    m_pesquisa->setPlaceholderText(QStringLiteral("início do nome"));
    ValidadorCampo::maiusculas(m_pesquisa, 40);

    auto seta = [area](const char *nome, const QString &texto, const QString &dica) {
        auto *b = new QToolButton(area);
        b->setObjectName(QLatin1String(nome));
        b->setText(texto);
        b->setToolTip(dica);
        b->setFixedSize(36, 28);
        return b;
    };
    m_inclui = seta("btnInclui", QStringLiteral(">"), QStringLiteral("Inclui um Munícipo de Atuação"));
    m_exclui = seta("btnExclui", QStringLiteral("<"), QStringLiteral("Exclui um Munícipo de Atuação"));
    m_incluiTodos = seta("btnIncluiTodos", QStringLiteral(">>"), QStringLiteral("Inclui todos Munícipo de Atuação"));
    m_excluiTodos = seta("btnExcluiTodos", QStringLiteral("<<"), QStringLiteral("Exclui todos Munícipo de Atuação"));

    m_grade = new QTableWidget(0, 2, area);
    m_grade->setObjectName(QStringLiteral("grdAtuacao"));
    m_grade->setHorizontalHeaderLabels({QStringLiteral("UF"), QStringLiteral("Município de Atuação")});
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->setColumnWidth(0, 40);
    m_grade->horizontalHeader()->setStretchLastSection(true);

    auto *colunaPais = new QVBoxLayout;
    colunaPais->addWidget(new QLabel(QStringLiteral("Município do Brasil"), area));
    colunaPais->addWidget(m_lblEstado);
    colunaPais->addWidget(m_pais, 1);
    auto *linhaPesquisa = new QHBoxLayout;
    linhaPesquisa->addWidget(new QLabel(QStringLiteral("Pesquisa"), area));
    linhaPesquisa->addWidget(m_pesquisa, 1);
    colunaPais->addLayout(linhaPesquisa);
    auto *colunaEstados = new QVBoxLayout;
    colunaEstados->addWidget(new QLabel(QStringLiteral("UF"), area));
    colunaEstados->addWidget(m_estados, 1);
    auto *setas = new QVBoxLayout;
    setas->addStretch(1);
    setas->addWidget(m_inclui);
    setas->addWidget(m_exclui);
    setas->addSpacing(12);
    setas->addWidget(m_incluiTodos);
    setas->addWidget(m_excluiTodos);
    setas->addStretch(1);
    auto *corpo = new QHBoxLayout;
    corpo->addLayout(colunaEstados);
    corpo->addLayout(colunaPais, 3);
    corpo->addLayout(setas);
    corpo->addWidget(m_grade, 3);
    auto *layout = new QVBoxLayout(area);
    layout->addWidget(titulo);
    layout->addWidget(resolucao);
    layout->addLayout(corpo, 1);

    m_atuacao = pendentes ? *pendentes : RegiaoAtuacao::Carrega(m_db, codOper, periodo);
    Municipios::OrdenaPorEstadoENome(m_atuacao);
    m_listaEstados = Municipios::Estados(m_db);
    for (const auto &e : std::as_const(m_listaEstados))
        m_estados->addItem(e.uf);

    connect(m_estados, &QListWidget::currentRowChanged, this, [this](int linha) {
        if (linha < 0 || linha >= m_listaEstados.size())
            return;
        m_uf = m_listaEstados.at(linha).uf;
        m_lblEstado->setText(m_listaEstados.at(linha).nome);
        m_doEstado = Municipios::DoEstado(m_db, m_uf);
        mostraPais();
    });
    connect(m_pesquisa, &QLineEdit::textChanged, this, &TfrmRegiaoAtuacao::mostraPais);
    connect(m_inclui, &QToolButton::clicked, this, &TfrmRegiaoAtuacao::inclui);
    connect(m_exclui, &QToolButton::clicked, this, &TfrmRegiaoAtuacao::exclui);
    connect(m_incluiTodos, &QToolButton::clicked, this, &TfrmRegiaoAtuacao::incluiTodos);
    connect(m_excluiTodos, &QToolButton::clicked, this, &TfrmRegiaoAtuacao::excluiTodos);
    connect(m_pais, &QListWidget::itemDoubleClicked, this, &TfrmRegiaoAtuacao::inclui);
    connect(m_grade, &QTableWidget::cellDoubleClicked, this, &TfrmRegiaoAtuacao::exclui);

    mostraAtuacao();
    selecionaEstado(m_atuacao.isEmpty() ? QStringLiteral("AC") : m_atuacao.first().uf);
}

void TfrmRegiaoAtuacao::selecionaEstado(const QString &uf)
{
    for (int i = 0; i < m_listaEstados.size(); ++i)
        if (m_listaEstados.at(i).uf == uf) {
            if (m_estados->currentRow() == i)
                mostraPais();
            else
                m_estados->setCurrentRow(i);
            return;
        }
}

void TfrmRegiaoAtuacao::mostraPais()
{
    m_visiveis.clear();
    for (const Municipio &m : Municipios::Filtrar(m_doEstado, m_pesquisa->text()))
        if (!m_atuacao.contains(m))
            m_visiveis << m;
    m_pais->clear();
    for (const Municipio &m : std::as_const(m_visiveis))
        m_pais->addItem(m.nome);
    if (!m_visiveis.isEmpty())
        m_pais->setCurrentRow(0);
    habilitaBotoes();
}

void TfrmRegiaoAtuacao::mostraAtuacao()
{
    Municipios::OrdenaPorEstadoENome(m_atuacao);
    m_grade->setRowCount(0);
    m_grade->setRowCount(static_cast<int>(m_atuacao.size()));
    for (int i = 0; i < m_atuacao.size(); ++i) {
        m_grade->setItem(i, 0, new QTableWidgetItem(m_atuacao.at(i).uf));
        m_grade->setItem(i, 1, new QTableWidgetItem(m_atuacao.at(i).nome));
    }
    if (!m_atuacao.isEmpty())
        m_grade->setCurrentCell(0, 1);
    habilitaBotoes();
}

void TfrmRegiaoAtuacao::habilitaBotoes()
{
    m_inclui->setEnabled(!m_visiveis.isEmpty());
    m_incluiTodos->setEnabled(!m_visiveis.isEmpty());
    m_exclui->setEnabled(!m_atuacao.isEmpty());
    m_excluiTodos->setEnabled(!m_atuacao.isEmpty());
}

void TfrmRegiaoAtuacao::inclui()
{
    const int linha = m_pais->currentRow();
    if (linha < 0 || linha >= m_visiveis.size())
        return;
    const Municipio m = m_visiveis.at(linha);
    if (!m_atuacao.contains(m))
        m_atuacao << m;
    mostraAtuacao();
    mostraPais();
    m_pais->setCurrentRow(std::min(linha, static_cast<int>(m_visiveis.size()) - 1));
}

void TfrmRegiaoAtuacao::incluiTodos()
{
    for (const Municipio &m : std::as_const(m_visiveis))
        if (!m_atuacao.contains(m))
            m_atuacao << m;
    mostraAtuacao();
    mostraPais();
}

void TfrmRegiaoAtuacao::exclui()
{
    const int linha = m_grade->currentRow();
    if (linha < 0 || linha >= m_atuacao.size())
        return;
    const Municipio m = m_atuacao.takeAt(linha);
    mostraAtuacao();
    // Back in its state's list, which is then shown.
    selecionaEstado(m.uf);
    if (!m_atuacao.isEmpty())
        m_grade->setCurrentCell(std::min(linha, static_cast<int>(m_atuacao.size()) - 1), 1);
}

void TfrmRegiaoAtuacao::excluiTodos()
{
    m_atuacao.clear();
    mostraAtuacao();
    mostraPais();
}

void TfrmRegiaoAtuacao::GravaDados()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_regiao = RegiaoAtuacao::CalculaRegiao(m_db, m_atuacao);
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
}

void TfrmRegiaoAtuacao::reject()
{
    m_regiao = 0;
    TfrmModDlgConfirmaCancela::reject();
}

} // namespace kelpa
