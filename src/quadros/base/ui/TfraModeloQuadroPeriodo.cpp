#include "TfraModeloQuadroPeriodo.h"

#include "TfrmIncluiPeriodo.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/FiltroTeclasNavegacao.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/ui/VisualizadorRelatorio.h"

#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfraModeloQuadroGeral::TfraModeloQuadroGeral(QWidget *parent)
    : QWidget(parent)
{
    m_pnlTituloQuadro = new QLabel(this);
    m_pnlTituloQuadro->setObjectName(QStringLiteral("pnlTituloQuadro"));
    m_pnlTituloQuadro->setFixedHeight(30);
    m_pnlTituloQuadro->setAlignment(Qt::AlignCenter);
    m_pnlTituloQuadro->setAutoFillBackground(true);
    QPalette p = m_pnlTituloQuadro->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Dark));
    p.setColor(QPalette::WindowText, Qt::white);
    m_pnlTituloQuadro->setPalette(p);
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(16);
    f.setBold(true);
    m_pnlTituloQuadro->setFont(f);
}

void TfraModeloQuadroGeral::setTitulo(const QString &titulo)
{
    m_pnlTituloQuadro->setText(titulo);
    tituloDefinido();
}

QString TfraModeloQuadroGeral::titulo() const
{
    return m_pnlTituloQuadro->text();
}

TfraModeloQuadroPeriodo::TfraModeloQuadroPeriodo(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroGeral(parent)
    , m_contexto(contexto)
{
    m_gbxPeriodo = new QGroupBox(Periodos::TituloGrupo(m_tipoPeriodo), this);
    m_gbxPeriodo->setObjectName(QStringLiteral("gbxPeriodo"));

    m_painelPeriodo = new QWidget(m_gbxPeriodo);
    m_cbxPeriodo = new QComboBox(m_painelPeriodo);
    m_cbxPeriodo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbxPeriodo->setObjectName(QStringLiteral("cbxPeriodo"));
    m_cbxPeriodo->setToolTip(QStringLiteral("No primeiro envio, informe a data de preenchimento do documento;\n"
                                            "depois, sempre que os dados do quadro mudarem, a data da alteração efetiva."));
    auto botaoPeriodo = [this](const char *nome, QStyle::StandardPixmap icone, const QString &dica) {
        auto *b = new QToolButton(m_painelPeriodo);
        b->setObjectName(QLatin1String(nome));
        b->setIcon(style()->standardIcon(icone));
        b->setToolTip(dica);
        b->setFixedSize(24, 24);
        return b;
    };
    m_btnIncluiPeriodo = botaoPeriodo("btnIncluiPeriodo", QStyle::SP_FileDialogNewFolder, QStringLiteral("Inclui período para o quadro."));
    m_btnExcluiPeriodo = botaoPeriodo("btnExcluiPeriodo", QStyle::SP_TrashIcon, QStringLiteral("Exclui último período"));
    m_btnEditaPeriodo = botaoPeriodo("btnEditaPeriodo", QStyle::SP_FileDialogContentsView, QStringLiteral("Edita quadro no período selecionado."));
    m_btnExcluiPeriodo->setEnabled(false);
    m_btnEditaPeriodo->setEnabled(false);
    auto *linhaPeriodo = new QHBoxLayout(m_painelPeriodo);
    linhaPeriodo->setContentsMargins(0, 0, 0, 0);
    linhaPeriodo->addWidget(m_cbxPeriodo);
    linhaPeriodo->addSpacing(8);
    linhaPeriodo->addWidget(m_btnIncluiPeriodo);
    linhaPeriodo->addWidget(m_btnExcluiPeriodo);
    linhaPeriodo->addWidget(m_btnEditaPeriodo);
    linhaPeriodo->addStretch(1);

    m_conteudo = new QWidget(m_gbxPeriodo);
    m_conteudo->setObjectName(QStringLiteral("pnlConteudo"));
    auto *grupo = new QVBoxLayout(m_gbxPeriodo);
    grupo->addWidget(m_painelPeriodo);
    grupo->addWidget(m_conteudo, 1);

    m_pnlBotoes = new QWidget(this);
    m_pnlBotoes->setObjectName(QStringLiteral("pnlBotoes"));
    m_pnlBotoes->setFocusPolicy(Qt::StrongFocus);
    m_btnConfirmar = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Confirmar"), m_pnlBotoes);
    m_btnConfirmar->setObjectName(QStringLiteral("btnConfirmar"));
    m_btnConfirmar->setToolTip(QStringLiteral("Valida e grava entrada de dados."));
    m_btnDesfaz = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancelar"), m_pnlBotoes);
    m_btnDesfaz->setObjectName(QStringLiteral("btnDesfaz"));
    m_btnDesfaz->setToolTip(QStringLiteral("Cancela operações no quadro."));
    m_btnImprimir = new QPushButton(QIcon::fromTheme(QStringLiteral("document-print")), QStringLiteral("Imprimir"), m_pnlBotoes);
    m_btnImprimir->setObjectName(QStringLiteral("btnImprimir"));
    m_btnImprimir->setToolTip(QStringLiteral("Exibe o relatório do quadro no período selecionado."));
    m_btnImprimir->setVisible(false);
    m_btnConfirmar->setAutoDefault(false);
    m_btnDesfaz->setAutoDefault(false);
    m_btnImprimir->setAutoDefault(false);
    auto *botoes = new QHBoxLayout(m_pnlBotoes);
    botoes->setContentsMargins(8, 4, 8, 4);
    botoes->addWidget(m_btnImprimir);
    botoes->addStretch(1);
    botoes->addWidget(m_btnConfirmar);
    botoes->addWidget(m_btnDesfaz);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_pnlTituloQuadro);
    layout->addWidget(m_gbxPeriodo, 1);
    layout->addWidget(m_pnlBotoes);

    connect(m_btnIncluiPeriodo, &QToolButton::clicked, this, &TfraModeloQuadroPeriodo::btnIncluiPeriodoClick);
    connect(m_btnExcluiPeriodo, &QToolButton::clicked, this, &TfraModeloQuadroPeriodo::btnExcluiPeriodoClick);
    connect(m_btnEditaPeriodo, &QToolButton::clicked, this, &TfraModeloQuadroPeriodo::btnEditaPeriodoClick);
    connect(m_btnConfirmar, &QPushButton::clicked, this, &TfraModeloQuadroPeriodo::btnConfirmarClick);
    connect(m_btnDesfaz, &QPushButton::clicked, this, &TfraModeloQuadroPeriodo::btnDesfazClick);
    connect(m_btnImprimir, &QPushButton::clicked, this, &TfraModeloQuadroPeriodo::btnImprimirClick);
    connect(m_cbxPeriodo, &QComboBox::activated, this, &TfraModeloQuadroPeriodo::cbxPeriodoActivated);
    posicionarBotoes();
}

void TfraModeloQuadroPeriodo::setTipoPeriodo(TipoPeriodo tipo)
{
    m_tipoPeriodo = tipo;
    m_gbxPeriodo->setTitle(Periodos::TituloGrupo(tipo));
    posicionarBotoes();
}

void TfraModeloQuadroPeriodo::ocultaPeriodos()
{
    m_painelPeriodo->setVisible(false);
    m_gbxPeriodo->setTitle(QString());
}

void TfraModeloQuadroPeriodo::posicionarBotoes()
{
    // The box is at least as wide as the mode asks and always wide enough for its
    // longest text ("de 01/07/2006 até 31/12/2006", "15 de setembro de 2007", "4º Trimestre de 2006").
    m_cbxPeriodo->setMinimumWidth(Periodos::LarguraCaixa(m_tipoPeriodo));
    const int caracteres = m_tipoPeriodo == TipoPeriodo::Intervalo ? 28 : m_tipoPeriodo == TipoPeriodo::Dia ? 24 : 20;
    m_cbxPeriodo->setMinimumContentsLength(caracteres);
}

bool TfraModeloQuadroPeriodo::executarProtegido(const std::function<void()> &operacao)
{
    try {
        operacao();
        return true;
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    } catch (const std::exception &e) {
        MensagemDlg(QString::fromUtf8(e.what()), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    }
    return false;
}

QDate TfraModeloQuadroPeriodo::periodoSelecionado() const
{
    const int i = indiceSelecionado();
    return i >= 0 && i < m_datas.size() ? m_datas.at(i) : QDate();
}

int TfraModeloQuadroPeriodo::indiceSelecionado() const
{
    return m_cbxPeriodo->currentIndex();
}

void TfraModeloQuadroPeriodo::CarregaPeriodos(const QDate &manter)
{
    m_datas = PreparaQueryComboPeriodo();
    m_cbxPeriodo->clear();
    QDate anterior;
    for (const QDate &inicio : std::as_const(m_datas)) {
        m_cbxPeriodo->addItem(Periodos::TextoPeriodo(m_tipoPeriodo, anterior, inicio));
        anterior = inicio.addDays(-1);
    }
    const int manterIndice = manter.isValid() ? static_cast<int>(m_datas.indexOf(manter)) : -1;
    m_cbxPeriodo->setCurrentIndex(manterIndice >= 0 ? manterIndice : (m_datas.isEmpty() ? -1 : 0));
    m_indiceAnterior = m_cbxPeriodo->currentIndex();
    m_contexto.estado.setPeriodoSelecionado(m_cbxPeriodo->currentText());
    atualizaImpressao();
}

void TfraModeloQuadroPeriodo::Inicia()
{
    executarProtegido([this] {
        CarregaPeriodos();
        InicializaFrame();
    });
    FiltroTeclasNavegacao::instalar(this);
}

void TfraModeloQuadroPeriodo::InicializaFrame()
{
    m_btnDesfaz->setVisible(!m_ocultaCancelar);
}

void TfraModeloQuadroPeriodo::habilitaBotoesPeriodo(bool podeExcluir, bool podeEditar)
{
    m_btnExcluiPeriodo->setEnabled(podeExcluir && maisRecenteSelecionado() && m_datas.size() > 1);
    m_btnEditaPeriodo->setEnabled(podeEditar && !m_datas.isEmpty());
}

void TfraModeloQuadroPeriodo::cbxPeriodoActivated(int indice)
{
    if (indice == m_indiceAnterior)
        return;
    m_indiceAnterior = indice;
    atualizaImpressao();
    m_pnlBotoes->setFocus();
    executarProtegido([this] {
        CancelaOperacaoFrame();
        m_contexto.estado.setPeriodoSelecionado(m_cbxPeriodo->currentText());
        AlteraPeriodoFrame();
        InicializaFrame();
    });
}

void TfraModeloQuadroPeriodo::btnIncluiPeriodoClick()
{
    QDate novaData;
    bool copiar = false;
    if (m_tipoPeriodo == TipoPeriodo::Trimestre) {
        novaData = Periodos::TrimestreSeguinte(m_contexto.db(), m_contexto.codOper(), m_datas.isEmpty() ? QDate() : m_datas.first());
        if (!novaData.isValid()) {
            MensagemDlg(QStringLiteral("Não há trimestre a incluir: preencha primeiro o Quadro 1: Cadastro."), TipoMensagem::Cuidado,
                        BotaoMensagem::Ok, {}, {}, this);
            return;
        }
        if (!Confirma(QStringLiteral("Incluir %1 ?").arg(Periodos::TextoTrimestre(novaData)), this))
            return;
    } else {
        const auto inclusao = TfrmIncluiPeriodo::ExecutaInclusao(m_contexto, m_tipoPeriodo, this);
        if (!inclusao.confirmado)
            return;
        novaData = inclusao.data;
        copiar = inclusao.copiar;
    }
    m_novaData = novaData;
    executarProtegido([this, copiar] {
        if (copiar)
            CopiaPeriodoFrame();
        else
            IncluiPeriodoFrame();
        CarregaPeriodos(m_novaData);
        InicializaFrame();
    });
}

void TfraModeloQuadroPeriodo::btnExcluiPeriodoClick()
{
    // Only the newest period can go, whatever a quadro's own button rule says.
    if (!maisRecenteSelecionado() || m_datas.isEmpty())
        return;
    if (!Confirma(QStringLiteral("Deseja excluir o último período de dados do quadro?\rTODOS OS DADOS SERÃO EXCLUÍDOS!"), this))
        return;
    executarProtegido([this] { ExcluiPeriodoFrame(); });
    Inicia();
}

void TfraModeloQuadroPeriodo::btnEditaPeriodoClick()
{
    if (!Confirma(QStringLiteral("Deseja alterar os dados do quadro ?"), this))
        return;
    executarProtegido([this] { EditaPeriodoFrame(); });
}

void TfraModeloQuadroPeriodo::btnConfirmarClick()
{
    bool passou = false;
    executarProtegido([this, &passou] { passou = CriticaDados() && CriticaAmbos(); });
    if (!passou)
        return;
    executarProtegido([this] { FinalizaFrame(); });
    emit concluido(QDialog::Accepted);
}

bool TfraModeloQuadroPeriodo::Salva()
{
    bool passou = false;
    executarProtegido([this, &passou] { passou = CriticaDados(); });
    if (passou)
        executarProtegido([this] { FinalizaFrame(); });
    return passou;
}

void TfraModeloQuadroPeriodo::btnDesfazClick()
{
    bool passou = false;
    executarProtegido([this, &passou] { passou = CriticaCancelar() && CriticaAmbos(); });
    if (!passou)
        return;
    executarProtegido([this] {
        CancelaOperacaoFrame();
        InicializaFrame();
    });
    emit concluido(QDialog::Rejected);
}

void TfraModeloQuadroPeriodo::setChaveImpressao(const QString &chave)
{
    m_chaveImpressao = chave;
    atualizaImpressao();
}

QString TfraModeloQuadroPeriodo::chaveImpressao() const
{
    const relatorios::FormaImpressao *forma =
        relatorios::RegistroRelatorios::localizar(m_chaveImpressao.isEmpty() ? titulo() : m_chaveImpressao);
    return forma ? forma->chave : QString();
}

void TfraModeloQuadroPeriodo::atualizaImpressao()
{
    if (!m_btnImprimir)
        return;
    m_btnImprimir->setVisible(!chaveImpressao().isEmpty());
    m_btnImprimir->setEnabled(periodoSelecionado().isValid());
}

void TfraModeloQuadroPeriodo::btnImprimirClick()
{
    // Printing reads what is stored: the period selected, as it was last saved.
    const relatorios::FormaImpressao *forma = relatorios::RegistroRelatorios::localizar(chaveImpressao());
    const QDate periodo = periodoSelecionado();
    if (!forma || !periodo.isValid())
        return;
    executarProtegido([&] {
        relatorios::VisualizadorRelatorio::imprimir(*forma, m_contexto.db(), m_contexto.codOper(), periodo, this);
    });
}

} // namespace kelpa
