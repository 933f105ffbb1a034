#include "TfrmPrincipal.h"

#include "Avisos.h"
#include "MensagemDlg.h"
#include "TfrmSelecionaDiretorio.h"

#include "app/CompactacaoBanco.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/Inicializacao.h"
#include "app/Utilitarios.h"
#include "app/Versao.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace kelpa {

namespace {
QLineEdit *caixaSomenteLeitura(QWidget *pai, const QString &nome, int largura)
{
    auto *caixa = new QLineEdit(pai);
    caixa->setObjectName(nome);
    caixa->setReadOnly(true);
    caixa->setFocusPolicy(Qt::ClickFocus);
    QPalette p = caixa->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Button));
    caixa->setPalette(p);
    if (largura > 0)
        caixa->setFixedWidth(largura);
    return caixa;
}
} // namespace

TfrmPrincipal::TfrmPrincipal(EstadoTrabalho &estado, DtConexao &dados, QWidget *parent)
    : QMainWindow(parent)
    , m_estado(estado)
    , m_dados(dados)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("KELPA"));
    setWindowIcon(QIcon(logotipoKelpa(64)));
    montarCabecalho();
    montarMenus();
    resize(960, 640);
}

void TfrmPrincipal::montarCabecalho()
{
    auto *central = new QWidget(this);
    auto *cabecalho = new QWidget(central);
    cabecalho->setObjectName(QStringLiteral("pnlCabecalho"));
    m_codigo = caixaSomenteLeitura(cabecalho, QStringLiteral("edtCodOper"), 80);
    m_nome = caixaSomenteLeitura(cabecalho, QStringLiteral("edtNomeOperadora"), 0);
    m_cnpj = caixaSomenteLeitura(cabecalho, QStringLiteral("edtCnpj"), 150);
    // Only the code box names the current operator.
    connect(m_codigo, &QLineEdit::textChanged, &m_estado, &EstadoTrabalho::setCodOper);

    auto *grade = new QGridLayout(cabecalho);
    grade->addWidget(new QLabel(QStringLiteral("Operadora"), cabecalho), 0, 0);
    grade->addWidget(new QLabel(QStringLiteral("Razão Social"), cabecalho), 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("CNPJ"), cabecalho), 0, 2);
    grade->addWidget(m_codigo, 1, 0);
    grade->addWidget(m_nome, 1, 1);
    grade->addWidget(m_cnpj, 1, 2);
    grade->setColumnStretch(1, 1);

    auto *logo = new QLabel(central);
    logo->setPixmap(logotipoKelpa(96));
    logo->setAlignment(Qt::AlignCenter);
    auto *titulo = new QLabel(QStringLiteral("KELPA"), central);
    QFont grande = titulo->font();
    grande.setPointSize(26);
    grande.setBold(true);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignCenter);
    auto *subtitulo = new QLabel(tituloCompletoProduto(), central);
    subtitulo->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(central);
    layout->addWidget(cabecalho);
    layout->addStretch(1);
    layout->addWidget(logo);
    layout->addWidget(titulo);
    layout->addWidget(subtitulo);
    layout->addStretch(2);
    setCentralWidget(central);

    m_versao = new QLabel(QStringLiteral("Versão: %1").arg(versaoPrograma()), this);
    m_versao->setObjectName(QStringLiteral("lblVersao"));
    m_base = new QLabel(this);
    statusBar()->addWidget(m_base, 1);
    statusBar()->addPermanentWidget(m_versao);
}

void TfrmPrincipal::montarMenus()
{
    QMenu *arquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    m_selecionarDiretorio = arquivo->addAction(QStringLiteral("Selecionar &diretório da rede ..."), this,
                                               &TfrmPrincipal::Selecionardiretriodarede1Click);
    m_selecionarDiretorio->setObjectName(QStringLiteral("Selecionardiretriodarede1"));
    arquivo->addSeparator();
    QAction *sair = arquivo->addAction(QStringLiteral("Sai&r"), this, &QWidget::close);
    sair->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    QMenu *ajuda = menuBar()->addMenu(QStringLiteral("Aj&uda"));
    ajuda->addAction(QStringLiteral("&Sobre o KELPA"), this, [this] {
        TFrmSobre_Kelpa sobre(this);
        sobre.exec();
    });
}

bool TfrmPrincipal::iniciar()
{
    const QString ini = CaminhosPrograma::arquivoIni();
    const auto decisao = Inicializacao::prepararConfiguracao(m_estado, ini, CaminhosPrograma::home());
    if (decisao.pedirDiretorio) {
        TfrmSelecionaDiretorio dialogo(m_estado, ini, this);
        const int resultado = dialogo.exec();
        m_estado.configuracao().LeConfiguracao(ini);
        if (resultado != QDialog::Accepted)
            return false;
    }
    const QString arquivo = CaminhosPrograma::localizar(m_estado.diretorioBase(), CaminhosPrograma::nomeBanco());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CompactacaoBanco::CompactaBase(arquivo);
    QGuiApplication::restoreOverrideCursor();
    Conecta();
    return true;
}

bool TfrmPrincipal::Conecta()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        m_dados.Conecta();
    } catch (const ErroBanco &e) {
        QGuiApplication::restoreOverrideCursor();
        limparCabecalho();
        m_base->setText(QStringLiteral("Sem base de dados"));
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        return false;
    }
    QGuiApplication::restoreOverrideCursor();
    m_base->setText(QStringLiteral("Base: %1").arg(m_dados.arquivoBanco()));
    preencherCabecalho();
    return true;
}

void TfrmPrincipal::preencherCabecalho()
{
    const IdentidadeOperadora operadora = m_dados.lerOperadora(m_estado.configuracao().operadora());
    if (Inicializacao::precisaEscolherOperadora(m_estado.configuracao().operadora(), operadora)) {
        limparCabecalho();
        return;
    }
    m_codigo->setText(operadora.codigo);
    m_nome->setText(operadora.nome);
    m_cnpj->setText(FormataDocumento(operadora.cnpj));
}

void TfrmPrincipal::limparCabecalho()
{
    m_codigo->clear();
    m_nome->clear();
    m_cnpj->clear();
}

void TfrmPrincipal::Selecionardiretriodarede1Click()
{
    const QString ini = CaminhosPrograma::arquivoIni();
    {
        TfrmSelecionaDiretorio dialogo(m_estado, ini, this);
        dialogo.exec();
    }
    m_estado.configuracao().LeConfiguracao(ini);
    Conecta();
}

} // namespace kelpa
