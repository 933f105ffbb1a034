#include "TfrmSelecionaDiretorio.h"

#include "MensagemDlg.h"

#include "app/Configuracao.h"
#include "app/EstadoTrabalho.h"
#include "app/Inicializacao.h"

#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfrmSelecionaDiretorio::TfrmSelecionaDiretorio(EstadoTrabalho &estado, QString caminhoIni, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_estado(estado)
    , m_caminhoIni(std::move(caminhoIni))
{
    setObjectName(QStringLiteral("frmSelecionaDiretorio"));
    setWindowTitle(QStringLiteral("Seleção de Diretório"));

    auto *grupo = new QGroupBox(areaConteudo());
    grupo->setObjectName(QStringLiteral("GroupBox1"));
    auto *rotulo = new QLabel(QStringLiteral("Diretório"), grupo);
    rotulo->setObjectName(QStringLiteral("Label1"));
    QFont negrito = rotulo->font();
    negrito.setBold(true);
    rotulo->setFont(negrito);
    m_diretorio = new QLineEdit(grupo);
    m_diretorio->setObjectName(QStringLiteral("DirectoryEdit"));
    m_diretorio->setMinimumWidth(340);
    rotulo->setBuddy(m_diretorio);
    m_navegar = new QToolButton(grupo);
    m_navegar->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_navegar->setToolTip(QStringLiteral("Selecione Local da Base de Dados"));
    connect(m_navegar, &QToolButton::clicked, this, &TfrmSelecionaDiretorio::escolherPeloNavegador);

    auto *linha = new QHBoxLayout;
    linha->addWidget(m_diretorio, 1);
    linha->addWidget(m_navegar);
    auto *interno = new QVBoxLayout(grupo);
    interno->addWidget(rotulo);
    interno->addLayout(linha);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->addWidget(grupo);
    resize(406, 130);
}

void TfrmSelecionaDiretorio::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    m_estado.configuracao().LeConfiguracao(m_caminhoIni);
    const QString base = m_estado.configuracao().valor(QStringLiteral("DiretorioBase"));
    m_diretorioNavegacao = base;
    m_diretorio->setText(Configuracao::NormalizaDiretorio(base));
    m_diretorio->setFocus();
}

void TfrmSelecionaDiretorio::escolherPeloNavegador()
{
    const QString escolhido = QFileDialog::getExistingDirectory(this, QStringLiteral("Selecione Local da Base de Dados"),
                                                                m_diretorioNavegacao);
    if (escolhido.isEmpty())
        return;
    m_diretorioNavegacao = escolhido;
    m_diretorio->setText(escolhido);
}

void TfrmSelecionaDiretorio::GravaDados()
{
    const QString diretorio = Configuracao::NormalizaDiretorio(m_diretorio->text());
    if (!Inicializacao::diretorioTemBase(diretorio)) {
        MensagemDlg(QStringLiteral("Diretório especificado não possui uma base"), TipoMensagem::Cuidado, BotaoMensagem::Ok,
                    {}, {}, this);
        setResultadoModal(QDialog::Rejected);
        return;
    }
    if (!Configuracao::gravar(m_caminhoIni, QStringLiteral("DiretorioBase"), diretorio))
        throw std::runtime_error(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(m_caminhoIni).toStdString());
}

} // namespace kelpa
