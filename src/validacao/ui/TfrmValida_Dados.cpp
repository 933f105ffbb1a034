#include "TfrmValida_Dados.h"

#include "ModeloConstatacoes.h"
#include "TfrmAviso_Validacao.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "relatorios/ImpressaoComposta.h"
#include "relatorios/ListaValidacao.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kelpa::validacao {

namespace {

const QString kImpeditivos = QStringLiteral("    * ERROS SÃO IMPEDITIVOS DE ENVIO E/OU GERAÇÃO DE DISQUETE");

QTableView *novaGrade(QWidget *pai, const QString &nome, ModeloConstatacoes *modelo)
{
    auto *grade = new QTableView(pai);
    grade->setObjectName(nome);
    grade->setModel(modelo);
    grade->setSelectionBehavior(QAbstractItemView::SelectRows);
    grade->setSelectionMode(QAbstractItemView::SingleSelection);
    grade->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grade->setWordWrap(true);
    grade->setAlternatingRowColors(true);
    grade->verticalHeader()->hide();
    grade->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    grade->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grade->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grade->horizontalHeader()->setHighlightSections(false);
    grade->setColumnWidth(0, 170);
    return grade;
}

QLabel *rotuloListaVazia(QWidget *pai, const QString &nome, const QString &texto)
{
    auto *rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setAlignment(Qt::AlignCenter);
    rotulo->setWordWrap(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(22);
    f.setBold(true);
    rotulo->setFont(f);
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    rotulo->setPalette(p);
    return rotulo;
}

} // namespace

TfrmValida_Dados::TfrmValida_Dados(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_operadoraDePlanos(operadoraDePlanos)
{
    montar();
    executarValidacao();
}

void TfrmValida_Dados::montar()
{
    setObjectName(QStringLiteral("frmValida_Dados"));
    setWindowTitle(QStringLiteral("Validação dos Dados"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    resize(780, 470);

    m_erros = new ModeloConstatacoes(this);
    m_avisos = new ModeloConstatacoes(this);

    m_paginas = new QTabWidget(this);
    m_paginas->setObjectName(QStringLiteral("pgcValidacao"));
    auto *tbsErro = new QWidget(m_paginas);
    tbsErro->setObjectName(QStringLiteral("tbsErro"));
    m_grdErro = novaGrade(tbsErro, QStringLiteral("grdErro"), m_erros);
    m_lblSemErros = rotuloListaVazia(tbsErro, QStringLiteral("lblSemErros"),
                                     QStringLiteral("Não foram encontrados erros na validação dos dados"));
    auto *layoutErro = new QVBoxLayout(tbsErro);
    layoutErro->addWidget(m_grdErro);
    layoutErro->addWidget(m_lblSemErros);
    m_paginas->addTab(tbsErro, QStringLiteral("ERRO"));

    auto *tbsAviso = new QWidget(m_paginas);
    tbsAviso->setObjectName(QStringLiteral("tbsAviso"));
    m_grdAviso = novaGrade(tbsAviso, QStringLiteral("grdAviso"), m_avisos);
    m_lblSemAvisos = rotuloListaVazia(tbsAviso, QStringLiteral("lblSemAvisos"),
                                      QStringLiteral("Não há avisos referentes à validação dos dados"));
    auto *layoutAviso = new QVBoxLayout(tbsAviso);
    layoutAviso->addWidget(m_grdAviso);
    layoutAviso->addWidget(m_lblSemAvisos);
    m_paginas->addTab(tbsAviso, QStringLiteral("AVISO"));

    m_pnlBotoes = new QLabel(this);
    m_pnlBotoes->setObjectName(QStringLiteral("pnlBotoes"));
    QFont negrito = m_pnlBotoes->font();
    negrito.setBold(true);
    m_pnlBotoes->setFont(negrito);
    QPalette vermelho = m_pnlBotoes->palette();
    vermelho.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_pnlBotoes->setPalette(vermelho);

    m_btnVisualizar = new QPushButton(QStringLiteral("&Visualizar"), this);
    m_btnVisualizar->setObjectName(QStringLiteral("btnVisualizar"));
    m_btnVisualizar->setToolTip(QStringLiteral("Imprime os erros e os avisos da validação."));
    m_btnVisualizar->setEnabled(false);
    connect(m_btnVisualizar, &QPushButton::clicked, this, &TfrmValida_Dados::Visualizar);
    m_btnRetornar = new QPushButton(QStringLiteral("&Retornar"), this);
    m_btnRetornar->setObjectName(QStringLiteral("btnRetornar"));
    m_btnRetornar->setToolTip(QStringLiteral("Retorna à tela principal do sistema."));
    m_btnRetornar->setDefault(true);
    connect(m_btnRetornar, &QPushButton::clicked, this, [this] { fechar(QDialog::Rejected); });

    auto *rodape = new QHBoxLayout;
    rodape->addWidget(m_pnlBotoes, 1);
    rodape->addWidget(m_btnVisualizar);
    rodape->addWidget(m_btnRetornar);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_paginas, 1);
    layout->addLayout(rodape);

    connect(m_paginas, &QTabWidget::currentChanged, this, &TfrmValida_Dados::paginaMudou);
}

void TfrmValida_Dados::executarValidacao()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    TfrmAviso_Validacao aviso(parentWidget() ? parentWidget() : this);
    aviso.show();
    aviso.repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    {
        // Whatever happens in the run, the notice goes, the cursor comes back and
        // the window opens on its error page.
        const auto depois = qScopeGuard([&] {
            aviso.close();
            QGuiApplication::restoreOverrideCursor();
            m_paginas->setCurrentIndex(0);
            paginaMudou(0);
        });
        ValidacaoDados validacao(m_db, m_codOper, m_operadoraDePlanos);
        validacao.setProgresso([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
        m_resultado = validacao.executar();
        carregarListas();
    }
    if (!m_resultado.concluida)
        MensagemDlg(m_resultado.erro, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
}

void TfrmValida_Dados::carregarListas()
{
    try {
        m_erros->definir(relatorios::ListaValidacao::erros(m_db, m_codOper));
        m_avisos->definir(relatorios::ListaValidacao::avisos(m_db, m_codOper));
    } catch (const ErroBanco &e) {
        // The lists could not be read back: show what the run found.
        QList<relatorios::ConstatacaoValidacao> erros;
        QList<relatorios::ConstatacaoValidacao> avisos;
        for (const Constatacao &c : m_resultado.constatacoes)
            (c.erro() ? erros : avisos) << relatorios::ConstatacaoValidacao{0, c.quadro, c.dePeri(), c.mensagem};
        m_erros->definir(erros);
        m_avisos->definir(avisos);
        if (m_resultado.erro.isEmpty())
            m_resultado.erro = e.textoCompleto();
        m_resultado.concluida = false;
    }
    const bool semErros = m_erros->rowCount() == 0;
    const bool semAvisos = m_avisos->rowCount() == 0;
    m_grdErro->setVisible(!semErros);
    m_grdErro->horizontalHeader()->setVisible(!semErros);
    m_lblSemErros->setVisible(semErros);
    m_grdAviso->setVisible(!semAvisos);
    m_grdAviso->horizontalHeader()->setVisible(!semAvisos);
    m_lblSemAvisos->setVisible(semAvisos);
    m_btnVisualizar->setEnabled(!semErros || !semAvisos);
}

void TfrmValida_Dados::paginaMudou(int indice)
{
    m_pnlBotoes->setText(indice == 0 ? kImpeditivos : QString());
}

void TfrmValida_Dados::Visualizar()
{
    m_btnVisualizar->setEnabled(false);
    const relatorios::FormaImpressao *forma = relatorios::RegistroRelatorios::localizar(QStringLiteral("VALIDACAO"));
    bool impresso = false;
    if (forma) {
        try {
            relatorios::ImpressaoComposta impressao;
            forma->montar(impressao);
            impressao.carregar(m_db, m_codOper, QDate());
            relatorios::VisualizadorRelatorio::mostrar(impressao, relatorios::RegistroRelatorios::mensagemSemDados(*forma, impressao),
                                                       this);
            impresso = true;
        } catch (const ErroBanco &e) {
            MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        }
    }
    m_btnVisualizar->setEnabled(true);
    // Like "Retornar", printing ends the window.
    if (impresso)
        fechar(QDialog::Accepted);
}

void TfrmValida_Dados::fechar(int resultado)
{
    m_fechando = true;
    done(resultado);
}

void TfrmValida_Dados::closeEvent(QCloseEvent *evento)
{
    // No border icons and no Alt+F4: only the buttons end the window.
    if (!m_fechando) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void TfrmValida_Dados::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        fechar(QDialog::Rejected);
        return;
    }
    QDialog::keyPressEvent(evento);
}

} // namespace kelpa::validacao
