#include "TfrmListaMunicipio.h"

#include "app/ui/MensagemDlg.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kelpa {

namespace {
enum Coluna { ColNome = 0, ColCodigo = 1, ColUF = 2 };
}

TfrmListaMunicipio::TfrmListaMunicipio(const QSqlDatabase &db, const QString &ufInicial, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmListaMunicipio"));
    setWindowTitle(QStringLiteral("Selecione o Município"));
    resize(460, 460);

    auto *rotuloUF = new QLabel(QStringLiteral("UF:"), areaConteudo());
    m_estados = new QComboBox(areaConteudo());
    m_estados->setObjectName(QStringLiteral("cmbUF"));
    for (const auto &e : Municipios::Estados(m_db))
        m_estados->addItem(QStringLiteral("%1 - %2").arg(e.uf, e.nome), e.uf);
    rotuloUF->setBuddy(m_estados);

    m_lblPesquisa = new QLabel(QStringLiteral("Pesquisa: "), areaConteudo());
    m_lblPesquisa->setObjectName(QStringLiteral("lblPesquisa"));

    m_grade = new QTableWidget(0, 3, areaConteudo());
    m_grade->setObjectName(QStringLiteral("grdMunicipios"));
    m_grade->setHorizontalHeaderLabels({QStringLiteral("Descrição"), QStringLiteral("Código"), QStringLiteral("UF")});
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->verticalHeader()->hide();
    m_grade->verticalHeader()->setDefaultSectionSize(20);
    m_grade->horizontalHeader()->setSectionResizeMode(ColNome, QHeaderView::Stretch);
    m_grade->setColumnWidth(ColCodigo, 80);
    m_grade->setColumnWidth(ColUF, 40);
    m_grade->setToolTip(QStringLiteral("Digite o início do nome (ou do código) para localizar o município."));
    m_grade->installEventFilter(this);

    auto *layout = new QVBoxLayout(areaConteudo());
    auto *linha = new QHBoxLayout;
    linha->addWidget(rotuloUF);
    linha->addWidget(m_estados, 1);
    layout->addLayout(linha);
    layout->addWidget(m_lblPesquisa);
    layout->addWidget(m_grade, 1);

    connect(m_estados, &QComboBox::currentIndexChanged, this, [this] {
        limparPesquisa();
        m_colunaOrdenada = ColNome;
        m_decrescente = false;
        m_lista = Municipios::DoEstado(m_db, m_estados->currentData().toString());
        preencher();
    });
    connect(m_grade->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfrmListaMunicipio::ordenarPor);
    connect(m_grade, &QTableWidget::currentCellChanged, this, [this](int, int coluna, int, int colunaAnterior) {
        if (coluna != colunaAnterior)
            limparPesquisa();
    });
    connect(m_grade, &QTableWidget::cellDoubleClicked, this, [this] { btnConfirmarClick(); });

    const int indice = m_estados->findData(ufInicial.isEmpty() ? QStringLiteral("AC") : ufInicial);
    m_estados->setCurrentIndex(-1);
    m_estados->setCurrentIndex(indice >= 0 ? indice : 0);
    m_grade->setFocus();
}

void TfrmListaMunicipio::selecionaEstado(const QString &uf)
{
    const int indice = m_estados->findData(uf);
    if (indice >= 0)
        m_estados->setCurrentIndex(indice);
}

void TfrmListaMunicipio::preencher()
{
    m_grade->setRowCount(0);
    m_grade->setRowCount(static_cast<int>(m_lista.size()));
    for (int i = 0; i < m_lista.size(); ++i) {
        const Municipio &m = m_lista.at(i);
        m_grade->setItem(i, ColNome, new QTableWidgetItem(m.nome));
        auto *codigo = new QTableWidgetItem(QString::number(m.id));
        codigo->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grade->setItem(i, ColCodigo, codigo);
        m_grade->setItem(i, ColUF, new QTableWidgetItem(m.uf));
    }
    if (!m_lista.isEmpty())
        m_grade->setCurrentCell(0, ColNome);
}

void TfrmListaMunicipio::ordenarPor(int coluna)
{
    // Each click on the same title turns the order round.
    m_decrescente = coluna == m_colunaOrdenada ? !m_decrescente : false;
    m_colunaOrdenada = coluna;
    const bool desc = m_decrescente;
    std::stable_sort(m_lista.begin(), m_lista.end(), [coluna, desc](const Municipio &a, const Municipio &b) {
        auto chave = [coluna](const Municipio &m) {
            if (coluna == ColCodigo)
                return QStringLiteral("%1").arg(m.id, 8, 10, QChar(u'0'));
            return m.uf + u'|' + Municipios::ChavePesquisa(m.nome);
        };
        return desc ? chave(b) < chave(a) : chave(a) < chave(b);
    });
    limparPesquisa();
    preencher();
    m_grade->setCurrentCell(m_lista.isEmpty() ? -1 : 0, coluna);
}

std::optional<Municipio> TfrmListaMunicipio::escolhido() const
{
    const int linha = m_grade->currentRow();
    if (linha < 0 || linha >= m_lista.size())
        return std::nullopt;
    return m_lista.at(linha);
}

bool TfrmListaMunicipio::CriticaDados()
{
    if (escolhido())
        return true;
    MensagemDlg(QStringLiteral("Selecione um município."), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    return false;
}

void TfrmListaMunicipio::limparPesquisa()
{
    m_pesquisa.clear();
    m_lblPesquisa->setText(QStringLiteral("Pesquisa: "));
}

void TfrmListaMunicipio::pesquisar(const QString &pesquisa)
{
    m_pesquisa = pesquisa;
    m_lblPesquisa->setText(QStringLiteral("Pesquisa: ") + m_pesquisa);
    if (m_pesquisa.isEmpty())
        return;
    const int coluna = std::max(0, m_grade->currentColumn());
    const QString chave = Municipios::ChavePesquisa(m_pesquisa);
    for (int i = 0; i < m_lista.size(); ++i) {
        const Municipio &m = m_lista.at(i);
        const QString valor = coluna == ColCodigo ? QString::number(m.id) : coluna == ColUF ? m.uf : m.nome;
        if (Municipios::ChavePesquisa(valor).startsWith(chave)) {
            m_grade->setCurrentCell(i, coluna);
            m_grade->scrollToItem(m_grade->item(i, coluna), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

bool TfrmListaMunicipio::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto != m_grade || evento->type() != QEvent::KeyPress)
        return TfrmModDlgConfirmaCancela::eventFilter(objeto, evento);
    auto *tecla = static_cast<QKeyEvent *>(evento);
    switch (tecla->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        limparPesquisa();
        return false;
    case Qt::Key_Backspace:
        pesquisar(m_pesquisa.left(m_pesquisa.size() - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        btnConfirmarClick();
        return true;
    default:
        break;
    }
    const QString texto = tecla->text();
    if (texto.size() != 1)
        return false;
    const QChar c = texto.at(0);
    const bool colunaCodigo = m_grade->currentColumn() == ColCodigo;
    // Names also carry blanks, apostrophes and hyphens ("Olho d'Água", "Embu-Guaçu").
    const bool aceita = colunaCodigo ? c.isDigit() : (c.isLetter() || c == u' ' || c == u'\'' || c == u'-');
    if (aceita)
        pesquisar(m_pesquisa + c.toUpper());
    return true;
}

} // namespace kelpa
