#include "DialogosOperadora.h"

#include "MensagemDlg.h"

#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/Utilitarios.h"
#include "app/banco/ErroBanco.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

QString FormataCodigoOperadora(const QString &codigo)
{
    return codigo.size() == 6 ? codigo.left(5) + u'-' + codigo.right(1) : codigo;
}

// ---------------------------------------------------------------------------

TfrmListaOperadora::TfrmListaOperadora(const QSqlDatabase &db, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_operadoras(db)
{
    setObjectName(QStringLiteral("frmListaOperadora"));
    setWindowTitle(QStringLiteral("Lista Operadoras"));
    auto *grupo = new QGroupBox(QStringLiteral(" Operadoras "), areaConteudo());
    m_grade = new QTableWidget(0, 3, grupo);
    m_grade->setHorizontalHeaderLabels({QStringLiteral("Registro"), QStringLiteral("CNPJ"), QStringLiteral("Razão Social")});
    m_grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grade->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grade->verticalHeader()->hide();
    m_grade->setColumnWidth(0, 60);
    m_grade->setColumnWidth(1, 130);
    m_grade->horizontalHeader()->setStretchLastSection(true);
    m_grade->setMinimumSize(520, 260);
    connect(m_grade->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfrmListaOperadora::ordenarPor);
    connect(m_grade, &QTableWidget::cellDoubleClicked, this, &TfrmListaOperadora::btnConfirmarClick);
    auto *interno = new QVBoxLayout(grupo);
    interno->addWidget(m_grade);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->addWidget(grupo);
    preencher();
}

void TfrmListaOperadora::ordenarPor(int coluna)
{
    m_colunaOrdenada = coluna;
    preencher();
}

void TfrmListaOperadora::preencher()
{
    const auto ordem = m_colunaOrdenada == 1 ? CadastroOperadoras::Ordem::Cnpj
                       : m_colunaOrdenada == 2 ? CadastroOperadoras::Ordem::Nome
                                               : CadastroOperadoras::Ordem::Codigo;
    m_lista = m_operadoras.listaOficialNaoCadastradas(ordem);
    m_grade->setRowCount(static_cast<int>(m_lista.size()));
    for (int i = 0; i < m_lista.size(); ++i) {
        const auto &o = m_lista.at(i);
        auto *codigo = new QTableWidgetItem(o.codigo);
        codigo->setTextAlignment(Qt::AlignCenter);
        m_grade->setItem(i, 0, codigo);
        m_grade->setItem(i, 1, new QTableWidgetItem(FormataDocumento(o.cnpj)));
        m_grade->setItem(i, 2, new QTableWidgetItem(o.nome));
    }
    for (int c = 0; c < 3; ++c)
        m_grade->horizontalHeaderItem(c)->setBackground(c == m_colunaOrdenada ? QColor(255, 251, 240) : QColor(Qt::white));
    if (!m_lista.isEmpty())
        m_grade->selectRow(0);
}

std::optional<CadastroOperadoras::OperadoraOficial> TfrmListaOperadora::escolhida() const
{
    const int linha = m_grade->currentRow();
    if (linha < 0 || linha >= m_lista.size())
        return std::nullopt;
    return m_lista.at(linha);
}

bool TfrmListaOperadora::CriticaDados()
{
    return escolhida().has_value();
}

// ---------------------------------------------------------------------------

TfrmCadastroOperadora::TfrmCadastroOperadora(const QSqlDatabase &db, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmCadastroOperadora"));
    setWindowTitle(QStringLiteral("Nova Operadora"));
    auto caixa = [this](const char *nome) {
        auto *c = new QLineEdit(areaConteudo());
        c->setObjectName(QLatin1String(nome));
        return c;
    };
    m_codigo = caixa("cmbNovaOperadora");
    m_codigo->setReadOnly(true); // chosen from the official list, never typed
    m_codigo->setFixedWidth(90);
    m_codigo->setToolTip(QStringLiteral("Este campo deverá ser preenchido com o registro provisório da operadora."));
    m_lista = new QToolButton(areaConteudo());
    m_lista->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    m_lista->setToolTip(QStringLiteral("Lista das operadoras ainda não cadastradas"));
    m_razaoSocial = caixa("edtRazao_Social");
    m_razaoSocial->setEnabled(false);
    m_razaoSocial->setMinimumWidth(360);
    m_razaoSocial->setToolTip(QStringLiteral("Este campo deverá ser preenchido, sem abreviaturas, com a razão social ou "
                                             "denominação da razão social da operadora."));
    m_cnpj = caixa("edtCNPJ");
    m_cnpj->setEnabled(false);
    m_cnpj->setFixedWidth(150);
    m_cnpj->setToolTip(QStringLiteral("Este campo deverá ser preenchido com o CNPJ da operadora.\n"
                                      "Cada CNPJ de sede admite um único registro provisório:\n"
                                      "não se cadastram filiais nem outras empresas do grupo\n"
                                      "com o mesmo registro; uma operadora que já possua\n"
                                      "registro não deve solicitar outro para o mesmo CNPJ\n"
                                      "de sede."));
    m_confirmacao = caixa("edtCodOper");
    m_confirmacao->setInputMask(QStringLiteral("99999-9"));
    m_confirmacao->setFixedWidth(90);
    m_confirmacao->setEnabled(false);
    m_confirmacao->setToolTip(QStringLiteral("Este campo deve ser preenchido com o mesmo código da \"operadora\" por ato de confirmação."));

    auto *grade = new QGridLayout(areaConteudo());
    grade->addWidget(new QLabel(QStringLiteral("Código:")), 0, 0);
    auto *linhaCodigo = new QHBoxLayout;
    linhaCodigo->addWidget(m_codigo);
    linhaCodigo->addWidget(m_lista);
    linhaCodigo->addStretch(1);
    grade->addLayout(linhaCodigo, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Razão Social:")), 1, 0);
    grade->addWidget(m_razaoSocial, 1, 1);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ:")), 2, 0);
    grade->addWidget(m_cnpj, 2, 1);
    grade->addWidget(new QLabel(QStringLiteral("Confirme o Código:")), 3, 0);
    grade->addWidget(m_confirmacao, 3, 1);

    connect(m_lista, &QToolButton::clicked, this, &TfrmCadastroOperadora::abrirLista);
    connect(m_codigo, &QLineEdit::textChanged, this, [this](const QString &texto) { m_confirmacao->setEnabled(!texto.isEmpty()); });
}

void TfrmCadastroOperadora::abrirLista()
{
    TfrmListaOperadora lista(m_db, this);
    if (lista.exec() == QDialog::Accepted)
        if (const auto escolhida = lista.escolhida())
            escolher(*escolhida);
}

void TfrmCadastroOperadora::escolher(const CadastroOperadoras::OperadoraOficial &operadora)
{
    m_codigoEscolhido = operadora.codigo;
    m_codigo->setText(FormataCodigoOperadora(operadora.codigo));
    m_razaoSocial->setText(operadora.nome);
    m_cnpj->setText(FormataDocumento(operadora.cnpj));
    m_confirmacao->setFocus();
}

void TfrmCadastroOperadora::GravaDados()
{
    const QString confirmacao = m_confirmacao->text().remove(u'-').trimmed();
    CadastroOperadoras::ResultadoRegistro resultado;
    try {
        resultado = CadastroOperadoras(m_db).registrar(m_codigoEscolhido, confirmacao);
    } catch (const ErroBanco &) {
        MensagemDlg(QStringLiteral("ATENÇÃO!! Houve um erro na gravação.\rTente novamente..."), TipoMensagem::Erro,
                    BotaoMensagem::Ok, {}, {}, this);
        permanecerAberto();
        return;
    }
    if (resultado == CadastroOperadoras::ResultadoRegistro::Registrada)
        return;
    MensagemDlg(CadastroOperadoras::mensagem(resultado), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
    if (resultado == CadastroOperadoras::ResultadoRegistro::ConfirmacaoInvalida)
        m_confirmacao->setFocus();
    else
        m_lista->setFocus();
    permanecerAberto();
}

// ---------------------------------------------------------------------------

TfrmSelecionaOperadora::TfrmSelecionaOperadora(EstadoTrabalho &estado, DtConexao &dados, QString caminhoIni, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_estado(estado)
    , m_dados(dados)
    , m_caminhoIni(std::move(caminhoIni))
{
    setObjectName(QStringLiteral("frmSelecionaOperadora"));
    setWindowTitle(QStringLiteral("Selecione a Operadora"));
    m_combo = new QComboBox(areaConteudo());
    m_combo->setObjectName(QStringLiteral("cmbOperadora"));
    m_combo->setMaxVisibleItems(8);
    m_combo->setMinimumWidth(420);
    m_combo->setToolTip(QStringLiteral("Seleciona a operadora atual."));
    m_incluir = new QPushButton(style()->standardIcon(QStyle::SP_FileDialogNewFolder), QStringLiteral("&Incluir"), areaConteudo());
    m_incluir->setObjectName(QStringLiteral("btIncluir"));
    m_incluir->setToolTip(QStringLiteral("Cadastra nova operadora."));
    m_incluir->setAutoDefault(false);
    auto *layout = new QGridLayout(areaConteudo());
    layout->addWidget(new QLabel(QStringLiteral("Operadora Atual :")), 0, 0);
    layout->addWidget(m_combo, 1, 0);
    layout->addWidget(m_incluir, 1, 1);

    connect(m_incluir, &QPushButton::clicked, this, [this] {
        TfrmCadastroOperadora cadastro(m_dados.db(), this);
        cadastro.exec();
        recarregarLista(cadastro.CodigoEscolhido());
    });

    Configuracao configuracao;
    configuracao.LeConfiguracao(m_caminhoIni);
    recarregarLista(configuracao.operadora());
}

void TfrmSelecionaOperadora::recarregarLista(const QString &posicionarEm)
{
    const QString anterior = posicionarEm.isEmpty() ? codigoEscolhido() : posicionarEm;
    m_combo->clear();
    const auto lista = CadastroOperadoras(m_dados.db()).listaOperadoras();
    for (const auto &item : lista)
        m_combo->addItem(item.texto, item.codigo);
    for (int i = 0; i < m_combo->count(); ++i)
        if (!anterior.isEmpty() && m_combo->itemData(i).toString().startsWith(anterior)) {
            m_combo->setCurrentIndex(i);
            break;
        }
    btnConfirmar()->setEnabled(m_combo->count() > 0);
}

void TfrmSelecionaOperadora::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    recarregarLista({});
}

QString TfrmSelecionaOperadora::codigoEscolhido() const
{
    return m_combo->currentData().toString();
}

void TfrmSelecionaOperadora::GravaDados()
{
    const QString codigo = codigoEscolhido();
    if (!Configuracao::gravar(m_caminhoIni, QStringLiteral("Operadora"), codigo))
        throw std::runtime_error(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(m_caminhoIni).toStdString());
    m_estado.configuracao().LeConfiguracao(m_caminhoIni);
    const QDate inicio = CadastroOperadoras(m_dados.db()).selecionar(codigo);
    const IdentidadeOperadora identidade = m_dados.lerOperadora(codigo);
    m_estado.setNomeOperadora(identidade.nome);
    m_estado.setCodOper(identidade.codigo);
    if (inicio.isValid())
        m_estado.setDtVigencia(inicio);
}

void TfrmSelecionaOperadora::reject()
{
    if (m_combo->count() == 0) {
        MensagemDlg(QStringLiteral("Não há operadora cadastrada!!"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        m_encerrar = true;
    } else {
        Configuracao configuracao;
        configuracao.LeConfiguracao(m_caminhoIni);
        const QString configurada = configuracao.operadora();
        if (configurada.isEmpty() || !CadastroOperadoras(m_dados.db()).registrada(configurada)) {
            MensagemDlg(QStringLiteral("Nenhuma operadora foi selecionada!!"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
            m_encerrar = true;
        }
    }
    TfrmModDlgConfirmaCancela::reject();
}

} // namespace kelpa
