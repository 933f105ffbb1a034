#include "TfrmBackupRestore.h"

#include "MensagemDlg.h"

#include "app/Configuracao.h"
#include "app/CopiaSeguranca.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfrmBackupRestore::TfrmBackupRestore(Modo modo, EstadoTrabalho &estado, DtConexao &dados, QString caminhoIni, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_modo(modo)
    , m_estado(estado)
    , m_dados(dados)
    , m_caminhoIni(std::move(caminhoIni))
    , m_relogio([] { return QDateTime::currentDateTime(); })
{
    const bool gerando = modo == Modo::Gerar;
    setObjectName(QStringLiteral("frmBackupRestore"));
    setWindowTitle(gerando ? QStringLiteral("Gerar Backup") : QStringLiteral("Recuperar Backup"));

    m_paginas = new QStackedWidget(areaConteudo());
    m_paginas->setObjectName(QStringLiteral("PgcBackupRecupera"));

    auto *selecao = new QWidget(m_paginas);
    selecao->setObjectName(QStringLiteral("TabSheet1"));
    m_label1 = new QLabel(gerando ? QStringLiteral("Selecione o caminho de destino do backup")
                                  : QStringLiteral("Selecione o caminho de origem do backup"),
                          selecao);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_diretorio = new QLineEdit(selecao);
    m_diretorio->setObjectName(QStringLiteral("DESelectDrive"));
    m_arquivo = new QLineEdit(selecao);
    m_arquivo->setObjectName(QStringLiteral("FilenameEdit1"));
    m_arquivo->setPlaceholderText(QStringLiteral("*.BKP"));
    m_diretorio->setVisible(gerando);
    m_arquivo->setVisible(!gerando);
    QLineEdit *caixa = gerando ? m_diretorio : m_arquivo;
    caixa->setMinimumWidth(320);
    // A file dropped from the file manager names the place.
    caixa->setAcceptDrops(true);
    caixa->installEventFilter(this);
    m_label1->setBuddy(caixa);
    m_procurar = new QToolButton(selecao);
    m_procurar->setObjectName(QStringLiteral("btnProcurar"));
    m_procurar->setIcon(style()->standardIcon(gerando ? QStyle::SP_DirOpenIcon : QStyle::SP_FileDialogStart));
    m_procurar->setToolTip(gerando ? QStringLiteral("Selecione Local da Base de Dados") : QStringLiteral("Selecione o arquivo de backup"));
    connect(m_procurar, &QToolButton::clicked, this, &TfrmBackupRestore::procurar);
    auto *linha = new QHBoxLayout;
    linha->addWidget(m_diretorio, 1);
    linha->addWidget(m_arquivo, 1);
    linha->addWidget(m_procurar);
    auto *l1 = new QVBoxLayout(selecao);
    l1->addWidget(m_label1);
    l1->addLayout(linha);
    l1->addStretch();

    auto *copia = new QWidget(m_paginas);
    copia->setObjectName(QStringLiteral("TabSheet2"));
    auto *label2 = new QLabel(QStringLiteral("Copiando os Dados"), copia);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setAlignment(Qt::AlignCenter);
    QFont fonte = label2->font();
    fonte.setPixelSize(13);
    fonte.setBold(true);
    label2->setFont(fonte);
    m_animacao = new QProgressBar(copia);
    m_animacao->setObjectName(QStringLiteral("AnBackup"));
    m_animacao->setRange(0, 1);
    m_animacao->setValue(0);
    m_animacao->setTextVisible(false);
    auto *l2 = new QVBoxLayout(copia);
    l2->addStretch();
    l2->addWidget(label2);
    l2->addWidget(m_animacao);
    l2->addStretch();

    m_paginas->addWidget(selecao);
    m_paginas->addWidget(copia);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_paginas);

    m_escolher = [this, gerando](const QString &atual) {
        if (gerando)
            return QFileDialog::getExistingDirectory(this, QStringLiteral("Selecione Local da Base de Dados"), atual);
        return QFileDialog::getOpenFileName(this, QStringLiteral("Selecione o arquivo de backup"), atual,
                                            QStringLiteral("*.BKP (*.BKP *.bkp)"));
    };
    resize(420, 190);
}

void TfrmBackupRestore::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    m_estado.configuracao().LeConfiguracao(m_caminhoIni);
    const QString base = m_estado.configuracao().valor(QStringLiteral("DiretorioBase"));
    m_diretorio->setText(base.isEmpty() ? QString() : QDir::toNativeSeparators(Configuracao::NormalizaDiretorio(base)));
    (m_modo == Modo::Gerar ? m_diretorio : m_arquivo)->setFocus();
}

bool TfrmBackupRestore::eventFilter(QObject *objeto, QEvent *evento)
{
    if ((objeto == m_diretorio || objeto == m_arquivo)
        && (evento->type() == QEvent::DragEnter || evento->type() == QEvent::Drop)) {
        auto *arraste = static_cast<QDropEvent *>(evento);
        const QList<QUrl> urls = arraste->mimeData()->urls();
        if (urls.isEmpty() || !urls.first().isLocalFile())
            return false;
        arraste->acceptProposedAction();
        if (evento->type() == QEvent::Drop) {
            QString caminho = urls.first().toLocalFile();
            // A file dropped on the directory box stands for its directory.
            if (objeto == m_diretorio && !QFileInfo(caminho).isDir())
                caminho = QFileInfo(caminho).absolutePath();
            static_cast<QLineEdit *>(objeto)->setText(caminho);
        }
        return true;
    }
    return TfrmModDlgConfirmaCancela::eventFilter(objeto, evento);
}

void TfrmBackupRestore::procurar()
{
    QLineEdit *caixa = m_modo == Modo::Gerar ? m_diretorio : m_arquivo;
    const QString atual = caixa->text().isEmpty() ? m_diretorio->text() : caixa->text();
    const QString escolhido = m_escolher ? m_escolher(atual) : QString();
    if (!escolhido.isEmpty())
        caixa->setText(QDir::toNativeSeparators(escolhido));
}

void TfrmBackupRestore::mostrarCopia(bool copiando)
{
    m_paginas->setCurrentIndex(copiando ? 1 : 0);
    // No measure of the work: the bar moves while it runs.
    m_animacao->setRange(0, copiando ? 0 : 1);
    btnConfirmar()->setEnabled(!copiando);
    btnDesfaz()->setEnabled(!copiando);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmBackupRestore::GravaDados()
{
    if (m_modo == Modo::Gerar)
        gerar();
    else
        recuperar();
}

void TfrmBackupRestore::gerar()
{
    if (!Confirma(QStringLiteral("Deseja prosseguir com o Backup dos dados?"), this))
        return;
    // What the box shows is where the copy goes, typed or picked.
    const QString destino = QDir::fromNativeSeparators(m_diretorio->text().trimmed());
    mostrarCopia(true);
    try {
        m_arquivoGerado = CopiaSeguranca::gerar(m_dados.db(), destino, m_relogio());
    } catch (const ErroBanco &e) {
        mostrarCopia(false);
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        permanecerAberto();
        return;
    }
    mostrarCopia(false);
    MensagemDlg(QStringLiteral("Backup concluído!"), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
}

void TfrmBackupRestore::recuperar()
{
    if (!Confirma(QStringLiteral("Deseja prosseguir com a Restauração dos dados?"), this))
        return;
    const QString arquivo = QDir::fromNativeSeparators(m_arquivo->text().trimmed());
    if (arquivo.isEmpty() || !QFileInfo(arquivo).isFile()) {
        MensagemDlg(CopiaSeguranca::mensagemBackupInvalido(), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        permanecerAberto();
        return;
    }
    const QString banco = m_dados.conectado() ? m_dados.arquivoBanco()
                                              : CaminhosPrograma::localizar(m_estado.diretorioBase(), CaminhosPrograma::nomeBanco());
    mostrarCopia(true);
    m_dados.desconectar();
    m_conexaoFechada = true;
    try {
        CopiaSeguranca::restaurar(arquivo, banco);
    } catch (const ErroBanco &e) {
        mostrarCopia(false);
        const bool invalido = e.mensagem() == CopiaSeguranca::mensagemBackupInvalido();
        MensagemDlg(invalido ? e.mensagem() : e.textoCompleto(), invalido ? TipoMensagem::Cuidado : TipoMensagem::Erro,
                    BotaoMensagem::Ok, {}, {}, this);
        return; // the database there was stays, and is opened again by the caller
    }
    mostrarCopia(false);
    MensagemDlg(QStringLiteral("Restauração concluída!"), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
}

} // namespace kelpa
