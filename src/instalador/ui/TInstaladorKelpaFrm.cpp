#include "TInstaladorKelpaFrm.h"

#include "TMsgInconsistenciaForm.h"
#include "app/ui/MensagemDlg.h"
#include "instalador/Instalacao.h"
#include "instalador/TInstaladorManager.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

constexpr int maximoProgresso = 2220000;
const QColor corPassos(Qt::white);
const QColor corInterrupcao(255, 100, 100);

} // namespace

QString TInstaladorKelpaFrm::textoManual(const QString &passo)
{
    QFile f(QStringLiteral(":/instalador/manual/%1.html").arg(passo));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TInstaladorKelpaFrm::TInstaladorKelpaFrm(const QString &diretorioInstalador, QWidget *parent)
    : QDialog(parent)
    , m_manager(std::make_unique<TInstaladorManager>(diretorioInstalador))
{
    setObjectName(QStringLiteral("InstaladorKelpaFrm"));
    setWindowTitle(QStringLiteral("Instalador do KELPA"));

    // Product.
    auto *figura = new QLabel(this);
    figura->setPixmap(style()->standardIcon(QStyle::SP_DriveHDIcon).pixmap(48, 48));
    auto *nome = new QLabel(QStringLiteral("KELPA"), this);
    QFont fonteNome = nome->font();
    fonteNome.setPointSize(20);
    fonteNome.setBold(true);
    nome->setFont(fonteNome);
    auto *titulo = new QLabel(QStringLiteral("Informações Periódicas das Operadoras à QOR"), this);
    auto *produto = new QHBoxLayout;
    produto->addWidget(figura);
    auto *nomes = new QVBoxLayout;
    nomes->addWidget(nome);
    nomes->addWidget(titulo);
    produto->addLayout(nomes);
    produto->addStretch();

    // Step 1.
    m_passo1 = new QGroupBox(QStringLiteral("  Passo 1 - Tipo de Instalação  "), this);
    m_passo1->setObjectName(QStringLiteral("rgTipoInstalacao"));
    m_passo1->setToolTip(QStringLiteral(
        "Instalação Completa: para a operadora que vai instalar o KELPA pela primeira vez.\n\n"
        "Instalação Completa: também para a operadora que ainda utiliza uma versão anterior à 3.0.0.\n\n"
        "Atualização: para a operadora que utiliza a versão 3.1.0 do KELPA.\n\n"
        "Atualização: para a operadora que utiliza a versão 4.0.0 (ou 4.0.1) do KELPA."));
    m_completa = new QRadioButton(QStringLiteral("1- Instalação Completa"), m_passo1);
    m_completa->setObjectName(QStringLiteral("rbCompleta"));
    m_atualizacao = new QRadioButton(QStringLiteral("2- Atualização a partir da Versâo  4.0.1, ou 2007."), m_passo1);
    m_atualizacao->setObjectName(QStringLiteral("rbAtualizacao"));
    m_tipo = new QButtonGroup(this);
    m_tipo->addButton(m_completa, Instalacao::Completa);
    m_tipo->addButton(m_atualizacao, Instalacao::Atualizacao);
    auto *l1 = new QVBoxLayout(m_passo1);
    l1->addWidget(m_completa);
    l1->addWidget(m_atualizacao);
    connect(m_tipo, &QButtonGroup::idClicked, this, [this] { avaliar(); });

    // Step 2.
    m_passo2 = new QGroupBox(QStringLiteral("  Passo 2 - Selecione o Diretório de Instalação  "), this);
    m_passo2->setObjectName(QStringLiteral("grpDiretorio"));
    m_diretorio = new QLineEdit(m_manager->DirInstallDefault, m_passo2);
    m_diretorio->setObjectName(QStringLiteral("edDiretorio"));
    m_diretorio->setToolTip(QStringLiteral("Exibe as pastas "));
    // Typed paths are where installations go wrong: the directory is chosen, not typed.
    m_diretorio->setReadOnly(true);
    m_diretorio->installEventFilter(this);
    m_procurar = new QToolButton(m_passo2);
    m_procurar->setObjectName(QStringLiteral("btnProcurar"));
    m_procurar->setText(QStringLiteral("..."));
    m_procurar->setToolTip(QStringLiteral("Exibe as pastas "));
    connect(m_procurar, &QToolButton::clicked, this, &TInstaladorKelpaFrm::procurar);
    auto *l2 = new QHBoxLayout(m_passo2);
    l2->addWidget(m_diretorio, 1);
    l2->addWidget(m_procurar);
    m_escolher = [this](const QString &atual) {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Selecione o Diretório de Instalação"), atual);
    };

    // Progress.
    auto *processo = new QLabel(QStringLiteral("Processo de Instalação"), this);
    QFont negrito = processo->font();
    negrito.setBold(true);
    processo->setFont(negrito);
    m_passos = new QListWidget(this);
    m_passos->setObjectName(QStringLiteral("lstPassos"));
    m_passos->setFocusPolicy(Qt::NoFocus);
    m_passos->setSelectionMode(QAbstractItemView::NoSelection);
    m_passos->setStyleSheet(QStringLiteral("QListWidget { background: #1f3a5f; }"));
    m_passos->setMinimumHeight(130);
    m_progresso = new QProgressBar(this);
    m_progresso->setObjectName(QStringLiteral("pgbInstalacao"));
    m_progresso->setRange(0, maximoProgresso);
    m_progresso->setValue(0);
    m_progresso->setTextVisible(false);

    // Manual.
    auto *grpManual = new QGroupBox(QStringLiteral("   Manual de Instalação   "), this);
    m_manual = new QTextBrowser(grpManual);
    m_manual->setObjectName(QStringLiteral("memManual"));
    m_manual->setReadOnly(true);
    auto *lm = new QVBoxLayout(grpManual);
    lm->addWidget(m_manual);

    m_instalar = new QPushButton(QStringLiteral("Instalar"), this);
    m_instalar->setObjectName(QStringLiteral("btnInstalar"));
    m_instalar->setToolTip(QStringLiteral("Inicia o processo de Instação."));
    m_instalar->setDefault(true);
    m_cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    m_cancelar->setObjectName(QStringLiteral("btnCancelar"));
    m_cancelar->setToolTip(QStringLiteral("Cancela a Instação."));
    m_cancelar->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(m_instalar, &QPushButton::clicked, this, &TInstaladorKelpaFrm::instalar);
    connect(m_cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *esquerda = new QVBoxLayout;
    esquerda->addLayout(produto);
    esquerda->addWidget(m_passo1);
    esquerda->addWidget(m_passo2);
    esquerda->addWidget(processo);
    esquerda->addWidget(m_passos);
    esquerda->addWidget(m_progresso);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(m_instalar);
    botoes->addWidget(m_cancelar);
    auto *direita = new QVBoxLayout;
    direita->addWidget(grpManual, 1);
    direita->addLayout(botoes);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(esquerda, 3);
    layout->addLayout(direita, 2);
    for (QWidget *w : findChildren<QWidget *>())
        if (!w->toolTip().isEmpty())
            w->setToolTipDuration(40000);
    resize(860, 520);
    avaliar();
}

TInstaladorKelpaFrm::~TInstaladorKelpaFrm() = default;

void TInstaladorKelpaFrm::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (!m_avaliado) {
        // The manual beside says the same at length; the long hint would only cover
        // the radio buttons while the user aims at them.
        m_avaliado = true;
        m_passo1->setToolTip(QString());
        avaliar();
    }
}

bool TInstaladorKelpaFrm::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_diretorio && evento->type() == QEvent::FocusIn)
        m_manual->setHtml(textoManual(QStringLiteral("Passo2")));
    return QDialog::eventFilter(objeto, evento);
}

void TInstaladorKelpaFrm::setDiretorio(const QString &diretorio)
{
    m_diretorio->setText(diretorio);
    avaliar();
}

void TInstaladorKelpaFrm::procurar()
{
    const QString escolhido = m_escolher ? m_escolher(m_diretorio->text()) : QString();
    // Closing the browser without a choice keeps the directory there was.
    if (!escolhido.isEmpty())
        setDiretorio(escolhido);
}

void TInstaladorKelpaFrm::avaliar()
{
    const int tipo = m_tipo->checkedId();
    const bool atualizacao = tipo == Instalacao::Atualizacao;
    if (!m_executou)
        m_instalar->setEnabled(tipo == Instalacao::Completa || (atualizacao && !m_diretorio->text().trimmed().isEmpty()));
    m_passo2->setEnabled(atualizacao);
    m_diretorio->setStyleSheet(atualizacao ? QStringLiteral("background: white;") : QStringLiteral("background: silver;"));
    if (tipo >= 0)
        m_manual->setHtml(textoManual(atualizacao ? QStringLiteral("Passo2") : QStringLiteral("Passo1")));
}

void TInstaladorKelpaFrm::marcar(int linha)
{
    const QIcon atual = style()->standardIcon(QStyle::SP_ArrowRight);
    const QIcon feito = style()->standardIcon(QStyle::SP_DialogApplyButton);
    if (QListWidgetItem *item = m_passos->item(linha))
        item->setIcon(atual);
    // Every line before is done, also those a complete installation passes over
    // (no backup, no database): a line left blank would look unfinished.
    for (int i = 0; i < linha && i < m_passos->count(); ++i)
        m_passos->item(i)->setIcon(feito);
}

void TInstaladorKelpaFrm::avancarProgresso(bool ateOFim)
{
    // The bar shows that something happens, not how much is left.
    const int alvo = ateOFim ? maximoProgresso : QRandomGenerator::global()->bounded(33000, maximoProgresso + 1);
    constexpr int passos = 20;
    for (int i = 1; i <= passos; ++i) {
        m_progresso->setValue(alvo / passos * i);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    m_progresso->setValue(alvo);
}

void TInstaladorKelpaFrm::interromper(const QString &motivo)
{
    m_progresso->setRange(0, 5000);
    m_progresso->setValue(0);
    m_passos->clear();
    for (const QString &texto : {Instalacao::linhaInterrompida(), motivo}) {
        auto *item = new QListWidgetItem(texto, m_passos);
        item->setForeground(corInterrupcao);
    }
    m_passos->item(0)->setIcon(style()->standardIcon(QStyle::SP_MessageBoxCritical));
}

void TInstaladorKelpaFrm::instalar()
{
    if (m_executou || !m_instalar->isEnabled())
        return;
    m_executou = true;
    m_instalar->setEnabled(false);
    m_cancelar->setEnabled(false);
    m_passo1->setEnabled(false);
    m_passo2->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    m_passos->clear();
    // A blank picture of the same size keeps the texts in one column until marked.
    QPixmap vazio(style()->pixelMetric(QStyle::PM_ListViewIconSize), style()->pixelMetric(QStyle::PM_ListViewIconSize));
    vazio.fill(Qt::transparent);
    for (const QString &texto : Instalacao::linhasPassos()) {
        auto *item = new QListWidgetItem(QIcon(vazio), texto, m_passos);
        item->setForeground(corPassos);
    }
    const auto tipo = static_cast<Instalacao::Tipo>(m_tipo->checkedId());
    Instalacao::configurar(*m_manager, tipo, m_diretorio->text());

    Instalacao::Eventos eventos;
    eventos.marcar = [this](int linha) { marcar(linha); };
    eventos.progredir = [this] { avancarProgresso(false); };
    eventos.confirmarLimpeza = [this] {
        QApplication::restoreOverrideCursor();
        bool continuar = false;
        if (m_confirmar) {
            continuar = m_confirmar();
        } else {
            TMsgInconsistenciaForm aviso(this);
            continuar = aviso.exec() == QDialog::Accepted;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        return continuar;
    };
    eventos.erroBase = [this](const QString &mensagem) {
        QApplication::restoreOverrideCursor();
        MensagemDlg(mensagem, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    };

    Instalacao instalacao;
    if (instalacao.executar(*m_manager, tipo, eventos) == Instalacao::Resultado::Concluida) {
        auto *item = new QListWidgetItem(Instalacao::linhaConcluida(), m_passos);
        item->setForeground(corPassos);
        marcar(4);
        avancarProgresso(true);
    } else {
        interromper(instalacao.motivo());
    }
    m_manager.reset();
    QApplication::restoreOverrideCursor();
    m_cancelar->setText(QStringLiteral("Sair"));
    m_cancelar->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    m_cancelar->setToolTip(QStringLiteral("Encerra o instalador."));
    m_cancelar->setEnabled(true);
    m_cancelar->setDefault(true);
    m_cancelar->setFocus();
}

} // namespace kelpa
