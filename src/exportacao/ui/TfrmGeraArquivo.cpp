#include "TfrmGeraArquivo.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "exportacao/ArquivoSubmissao.h"
#include "exportacao/GeracaoSubmissao.h"
#include "exportacao/VolumesSubmissao.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStorageInfo>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

// What an entry of the choice list stands for.
constexpr int PapelRaiz = Qt::UserRole;          // volume root, or the folder itself
constexpr int PapelRemovivel = Qt::UserRole + 1; // bool
constexpr int PapelPasta = Qt::UserRole + 2;     // true for a folder the user picked

} // namespace

TfrmGeraArquivo::TfrmGeraArquivo(const QSqlDatabase &db, const QString &codOper, const QString &diretorioBase,
                                 QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_diretorioBase(diretorioBase)
{
    setObjectName(QStringLiteral("frmGeraArquivo"));
    setWindowTitle(QStringLiteral("Gerar Disquete"));
    setMostraMensagem(false);
    m_validacao = [this](QWidget *pai) { return validarParaEnvio(m_db, m_codOper, pai); };

    m_paginas = new QStackedWidget(areaConteudo());
    m_paginas->setObjectName(QStringLiteral("pgcPaginas"));

    auto *selecao = new QWidget;
    selecao->setObjectName(QStringLiteral("Selecao"));
    auto *texto = new QLabel(QStringLiteral("Escolha o local para onde você deseja\nexportar os dados."), selecao);
    QFont negrito = texto->font();
    negrito.setBold(true);
    texto->setFont(negrito);
    auto *lblDrive = new QLabel(QStringLiteral("&Drive:"), selecao);
    m_cmbDrive = new QComboBox(selecao);
    m_cmbDrive->setObjectName(QStringLiteral("cmbDrive"));
    m_cmbDrive->setToolTip(QStringLiteral("Drive destino para a geração de disco\nmensal. Administradores PGBL."));
    m_cmbDrive->setMinimumWidth(300);
    lblDrive->setBuddy(m_cmbDrive);
    m_btnPasta = new QToolButton(selecao);
    m_btnPasta->setObjectName(QStringLiteral("btnPasta"));
    m_btnPasta->setText(QStringLiteral("&Pasta..."));
    m_btnPasta->setToolTip(QStringLiteral("Escolher outra pasta como destino"));
    auto *grade = new QGridLayout(selecao);
    grade->setContentsMargins(16, 16, 16, 16);
    grade->addWidget(texto, 0, 0, 1, 3);
    grade->addWidget(lblDrive, 1, 0);
    grade->addWidget(m_cmbDrive, 1, 1);
    grade->addWidget(m_btnPasta, 1, 2);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(2, 1);

    auto *copia = new QWidget;
    copia->setObjectName(QStringLiteral("CopiaBanco"));
    auto *exportando = new QLabel(QStringLiteral("Exportando Dados"), copia);
    exportando->setFont(negrito);
    m_aniCriando = new QProgressBar(copia);
    m_aniCriando->setObjectName(QStringLiteral("AniCriando"));
    m_aniCriando->setRange(0, 0); // moves on its own while the files are written
    m_aniCriando->setTextVisible(false);
    m_pgbCopiaBanco = new QProgressBar(copia);
    m_pgbCopiaBanco->setObjectName(QStringLiteral("pgbCopiaBanco"));
    m_pgbCopiaBanco->setRange(0, 100);
    auto *coluna = new QVBoxLayout(copia);
    coluna->setContentsMargins(16, 16, 16, 16);
    coluna->addWidget(exportando);
    coluna->addWidget(m_aniCriando);
    coluna->addWidget(m_pgbCopiaBanco);
    coluna->addStretch(1);

    m_paginas->addWidget(selecao);
    m_paginas->addWidget(copia);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_paginas);

    connect(m_btnPasta, &QToolButton::clicked, this, &TfrmGeraArquivo::btnPastaClick);
    atualizarVolumes();
    resize(460, 170);
}

void TfrmGeraArquivo::atualizarVolumes()
{
    m_cmbDrive->clear();
    for (const VolumeSubmissao &v : VolumesSubmissao::listar()) {
        m_cmbDrive->addItem(v.descricao());
        const int i = m_cmbDrive->count() - 1;
        m_cmbDrive->setItemData(i, v.raiz, PapelRaiz);
        m_cmbDrive->setItemData(i, v.removivel, PapelRemovivel);
        m_cmbDrive->setItemData(i, false, PapelPasta);
    }
    m_cmbDrive->setCurrentIndex(m_cmbDrive->count() > 0 ? 0 : -1);
}

void TfrmGeraArquivo::escolherPasta(const QString &diretorio)
{
    if (diretorio.isEmpty())
        return;
    QString pasta = QDir::fromNativeSeparators(QDir(diretorio).absolutePath());
    if (!pasta.endsWith(u'/'))
        pasta += u'/';
    int i = -1;
    for (int j = 0; j < m_cmbDrive->count(); ++j)
        if (m_cmbDrive->itemData(j, PapelPasta).toBool() && m_cmbDrive->itemData(j, PapelRaiz).toString() == pasta)
            i = j;
    if (i < 0) {
        m_cmbDrive->addItem(QDir::toNativeSeparators(pasta) + QStringLiteral(" - pasta"));
        i = m_cmbDrive->count() - 1;
        m_cmbDrive->setItemData(i, pasta, PapelRaiz);
        m_cmbDrive->setItemData(i, false, PapelRemovivel);
        m_cmbDrive->setItemData(i, true, PapelPasta);
    }
    m_cmbDrive->setCurrentIndex(i);
}

void TfrmGeraArquivo::btnPastaClick()
{
    const QString inicial = m_cmbDrive->currentIndex() >= 0 ? m_cmbDrive->currentData(PapelRaiz).toString() : QDir::homePath();
    escolherPasta(QFileDialog::getExistingDirectory(this, QStringLiteral("Escolha a pasta de destino"), inicial));
}

QString TfrmGeraArquivo::diretorioEscolhido(bool *volumeIndisponivel) const
{
    *volumeIndisponivel = false;
    const int i = m_cmbDrive->currentIndex();
    const QString raiz = m_cmbDrive->itemData(i, PapelRaiz).toString();
    if (m_cmbDrive->itemData(i, PapelPasta).toBool())
        return raiz;
    // The medium may have been taken out since the list was filled.
    const QStorageInfo volume(raiz);
    if (!volume.isValid() || !volume.isReady() || QDir::cleanPath(volume.rootPath()) != QDir::cleanPath(raiz)) {
        *volumeIndisponivel = true;
        return {};
    }
    VolumeSubmissao v;
    v.raiz = raiz;
    v.removivel = m_cmbDrive->itemData(i, PapelRemovivel).toBool();
    return VolumesSubmissao::diretorioDestino(v, m_diretorioBase);
}

bool TfrmGeraArquivo::CriticaDados()
{
    if (m_cmbDrive->currentIndex() >= 0)
        return true;
    MensagemDlg(QStringLiteral("Escolha o local para onde você deseja exportar os dados."), TipoMensagem::Cuidado,
                BotaoMensagem::Ok, {}, {}, this);
    return false;
}

void TfrmGeraArquivo::GravaDados()
{
    m_arquivoDiz.clear();
    if (!m_validacao(this)) {
        setResultadoModal(QDialog::Rejected);
        return;
    }
    bool indisponivel = false;
    const QString destino = diretorioEscolhido(&indisponivel);
    if (indisponivel) {
        MensagemDlg(QStringLiteral("Erro na Exportação dos Dados"), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        setResultadoModal(QDialog::Rejected);
        return;
    }

    GeracaoSubmissao geracao(m_db, m_codOper);
    // Validated just above, with its window.
    geracao.setValidacao([] { return true; });
    geracao.setExptdefsPath(m_exptdefsPath);
    geracao.setAoProgredir([this](int percentual) { m_pgbCopiaBanco->setValue(percentual); });
    geracao.setProcessarEventos([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });

    m_gerando = true;
    m_pgbCopiaBanco->setValue(0);
    m_paginas->setCurrentIndex(1);
    btnConfirmar()->setEnabled(false);
    btnDesfaz()->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto retornar = [this] {
        QApplication::restoreOverrideCursor();
        m_paginas->setCurrentIndex(0);
        btnConfirmar()->setEnabled(true);
        btnDesfaz()->setEnabled(true);
        m_gerando = false;
    };
    try {
        geracao.Gerar(destino);
    } catch (const ErroBanco &e) {
        retornar();
        throw ErroBanco(ArquivoSubmissao::mensagemFalha(e.mensagem()), e.detalhe());
    } catch (const std::exception &e) {
        retornar();
        throw ErroBanco(ArquivoSubmissao::mensagemFalha(QString::fromUtf8(e.what())));
    }
    m_arquivoDiz = geracao.arquivoDiz();
    QApplication::changeOverrideCursor(Qt::ArrowCursor);
    // Told over the finished progress page; the choice page comes back afterwards.
    MensagemDlg(QStringLiteral("Geração do arquivo concluída com sucesso!"), TipoMensagem::Informacao, BotaoMensagem::Ok, {},
                {}, this);
    retornar();
}

void TfrmGeraArquivo::reject()
{
    // Closing in the middle would leave the files half written.
    if (!m_gerando)
        TfrmModDlgConfirmaCancela::reject();
}

void TfrmGeraArquivo::closeEvent(QCloseEvent *evento)
{
    if (m_gerando) {
        evento->ignore();
        return;
    }
    TfrmModDlgConfirmaCancela::closeEvent(evento);
}

} // namespace kelpa
