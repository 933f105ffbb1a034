#include "TfrmListaPessoa.h"

#include "app/Utilitarios.h"
#include "app/ui/MensagemDlg.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelpa {

namespace {
enum Coluna { ColNome = 0, ColDocumento = 1 };
const QColor kCreme(255, 251, 240);
const QColor kZebra(238, 244, 250);
} // namespace

TfrmListaPessoa::TfrmListaPessoa(const QSqlDatabase &db, const QString &codOper, CadastroPessoas::FiltroTipo filtro,
                                 bool apenasAdministradores, bool decrescente, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_pessoas(db, codOper)
    , m_filtro(filtro)
    , m_apenasAdministradores(apenasAdministradores)
    , m_decrescente(decrescente)
{
    setObjectName(QStringLiteral("frmListaPessoa"));
    setWindowTitle(QStringLiteral("Pessoas"));
    resize(560, 400);

    const QString tituloDocumento = filtro == CadastroPessoas::FiltroTipo::Fisicas     ? QStringLiteral("CPF")
                                    : filtro == CadastroPessoas::FiltroTipo::Juridicas ? QStringLiteral("CNPJ")
                                                                                       : QStringLiteral("CPF/CNPJ");
    m_grade = new QTableWidget(0, 2, areaConteudo());
    m_grade->setObjectName(QStringLiteral("grdPessoas"));
    m_grade->setHorizontalHeaderLabels({QStringLiteral("Nome"), tituloDocumento});
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->horizontalHeader()->setSectionResizeMode(ColNome, QHeaderView::Stretch);
    m_grade->setColumnWidth(ColDocumento, 150);
    m_grade->setToolTip(QStringLiteral("Clique no título de uma coluna para ordenar a lista."));
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->addWidget(m_grade);

    connect(m_grade->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfrmListaPessoa::ordenarPor);
    connect(m_grade, &QTableWidget::cellDoubleClicked, this, [this] { btnConfirmarClick(); });

    // The first listing goes by name in the direction the caller asked for.
    m_lista = m_pessoas.Lista(m_filtro, m_apenasAdministradores, CadastroPessoas::Coluna::Nome, m_decrescente);
    preencher();
}

void TfrmListaPessoa::ordenarPor(int coluna)
{
    m_decrescente = !m_decrescente;
    m_colunaOrdenada = coluna;
    m_lista = m_pessoas.Lista(m_filtro, m_apenasAdministradores,
                              coluna == ColDocumento ? CadastroPessoas::Coluna::Documento : CadastroPessoas::Coluna::Nome, m_decrescente);
    preencher();
}

void TfrmListaPessoa::preencher()
{
    m_grade->setRowCount(0);
    m_grade->setRowCount(static_cast<int>(m_lista.size()));
    for (int i = 0; i < m_lista.size(); ++i) {
        const ItemPessoa &p = m_lista.at(i);
        auto *nome = new QTableWidgetItem(p.nome);
        auto *documento = new QTableWidgetItem(FormataDocumento(p.documento));
        for (int coluna = 0; coluna < 2; ++coluna) {
            QTableWidgetItem *item = coluna == ColNome ? nome : documento;
            item->setBackground(coluna == m_colunaOrdenada ? kCreme : (i % 2 ? kZebra : QColor(Qt::white)));
            m_grade->setItem(i, coluna, item);
        }
    }
    if (!m_lista.isEmpty())
        m_grade->setCurrentCell(0, m_colunaOrdenada);
}

std::optional<ItemPessoa> TfrmListaPessoa::escolhida() const
{
    const int linha = m_grade->currentRow();
    if (linha < 0 || linha >= m_lista.size())
        return std::nullopt;
    return m_lista.at(linha);
}

bool TfrmListaPessoa::CriticaDados()
{
    if (escolhida())
        return true;
    MensagemDlg(QStringLiteral("Selecione uma pessoa."), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    return false;
}

} // namespace kelpa
