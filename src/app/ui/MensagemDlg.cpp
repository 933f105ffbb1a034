#include "MensagemDlg.h"

#include "ImpressaoTela.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

struct DefinicaoBotao {
    BotaoMensagem botao;
    const char *legenda;
    QStyle::StandardPixmap glifo;
    int resultado;
};

const DefinicaoBotao g_definicoes[] = {
    {BotaoMensagem::Sim, "&Sim", QStyle::SP_DialogYesButton, mrSim},
    {BotaoMensagem::Nao, "&Não", QStyle::SP_DialogNoButton, mrNao},
    {BotaoMensagem::Ok, "&Ok", QStyle::SP_DialogOkButton, mrOk},
    {BotaoMensagem::Cancelar, "&Cancelar", QStyle::SP_DialogCancelButton, mrCancelar},
    {BotaoMensagem::Abortar, "&Abortar", QStyle::SP_DialogCancelButton, mrAbortar},
    {BotaoMensagem::Refazer, "&Refazer", QStyle::SP_BrowserReload, mrRefazer},
    {BotaoMensagem::Ignorar, "&Ignorar", QStyle::SP_DialogDiscardButton, mrIgnorar},
    {BotaoMensagem::Todos, "&Todos", QStyle::SP_DialogYesButton, mrTodos},
    {BotaoMensagem::NaoParaTodos, "&Não", QStyle::SP_DialogNoButton, mrNao},
    {BotaoMensagem::SimParaTodos, "&Todos", QStyle::SP_DialogYesButton, mrTodos},
    {BotaoMensagem::Ajuda, "&Ajuda", QStyle::SP_DialogHelpButton, mrNenhum},
};

constexpr int kLarguraBotao = 75;
constexpr int kAlturaBotao = 27;
constexpr int kPasso = 85;
constexpr int kAlturaPadrao = 171;
constexpr int kAlturaPainel = 36;

QStyle::StandardPixmap iconeDoTipo(TipoMensagem tipo)
{
    switch (tipo) {
    case TipoMensagem::Cuidado: return QStyle::SP_MessageBoxWarning;
    case TipoMensagem::Erro: return QStyle::SP_MessageBoxCritical;
    case TipoMensagem::Informacao: return QStyle::SP_MessageBoxInformation;
    case TipoMensagem::Confirmacao: return QStyle::SP_MessageBoxQuestion;
    case TipoMensagem::Nenhum: break;
    }
    return QStyle::SP_CustomBase;
}

DesvioMensagens *g_desvio = nullptr;

} // namespace

QString TfrmMyMessageDlg::tituloDoTipo(TipoMensagem tipo)
{
    switch (tipo) {
    case TipoMensagem::Cuidado: return QStringLiteral("CUIDADO");
    case TipoMensagem::Erro: return QStringLiteral("E R R O");
    case TipoMensagem::Informacao: return QStringLiteral("Informação");
    case TipoMensagem::Confirmacao: return QStringLiteral("Confirme");
    case TipoMensagem::Nenhum: break;
    }
    return {};
}

TfrmMyMessageDlg::TfrmMyMessageDlg(const QString &texto, TipoMensagem tipo, BotoesMensagem botoes,
                                   const QPixmap &figura, const QString &titulo, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMyMessageDlg"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(titulo.isEmpty() ? tituloDoTipo(tipo) : titulo);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    m_imagem = new QLabel(this);
    m_imagem->setObjectName(QStringLiteral("ImageDlg"));
    m_imagem->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_imagem->setFixedWidth(56);
    if (!figura.isNull())
        m_imagem->setPixmap(figura);
    else if (tipo != TipoMensagem::Nenhum)
        m_imagem->setPixmap(style()->standardIcon(iconeDoTipo(tipo)).pixmap(40, 40));

    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("memMessage"));
    m_memo->setReadOnly(true);
    m_memo->setFrameShape(QFrame::NoFrame);
    m_memo->setFocusPolicy(Qt::NoFocus);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette pm = m_memo->palette();
    pm.setColor(QPalette::Base, Qt::white);
    pm.setColor(QPalette::Text, tipo == TipoMensagem::Erro ? Qt::red : Qt::black);
    m_memo->setPalette(pm);
    QString normalizado = texto;
    normalizado.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalizado.replace(u'\r', u'\n');
    m_memo->setPlainText(normalizado);

    auto *painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnlBotoes"));
    painel->setFixedHeight(kAlturaPainel);

    m_imprimeTela = new QToolButton(painel);
    m_imprimeTela->setObjectName(QStringLiteral("spbImprimeTela"));
    m_imprimeTela->setToolTip(QStringLiteral("Imprime a tela"));
    m_imprimeTela->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_imprimeTela->setAutoRaise(true);
    m_imprimeTela->setFocusPolicy(Qt::NoFocus);
    m_imprimeTela->setGeometry(2, 4, kAlturaBotao, kAlturaBotao);
    connect(m_imprimeTela, &QToolButton::clicked, this, &TfrmMyMessageDlg::imprimirTela);

    QFont negrito = font();
    negrito.setBold(true);
    for (const DefinicaoBotao &d : g_definicoes) {
        if (!botoes.testFlag(d.botao))
            continue;
        auto *b = new QPushButton(style()->standardIcon(d.glifo), QString::fromUtf8(d.legenda), painel);
        b->setFont(negrito);
        b->setIconSize(QSize(16, 16));
        b->setCursor(Qt::PointingHandCursor);
        b->setFixedSize(kLarguraBotao, kAlturaBotao);
        const int resultado = d.resultado;
        connect(b, &QPushButton::clicked, this, [this, resultado] { done(resultado); });
        m_botoes << b;
    }
    if (!m_botoes.isEmpty()) {
        m_botoes.first()->setDefault(true);
        m_botoes.first()->setFocus();
    }

    // The row of buttons decides the width; the message decides the height.
    const int n = static_cast<int>(m_botoes.size());
    const int larguraFila = n < 2 ? kLarguraBotao : kPasso * n - 10;
    const int largura = larguraFila < 300 ? 400 : larguraFila < 400 ? 500 : larguraFila < 500 ? 600 : 790;
    const int x0 = qRound((largura - larguraFila) / 2.0);
    for (int i = 0; i < n; ++i)
        m_botoes.at(i)->move(x0 + i * kPasso, 4);

    int altura = kAlturaPadrao;
    const int linhas = static_cast<int>(normalizado.split(u'\n').size());
    if (linhas > 8) {
        altura = 17 * linhas + kAlturaPadrao - 136;
        if (altura > 500) {
            altura = 500;
            m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }
    }

    auto *conteudo = new QHBoxLayout;
    conteudo->setContentsMargins(8, 12, 8, 4);
    conteudo->addWidget(m_imagem);
    conteudo->addWidget(m_memo, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(conteudo, 1);
    layout->addWidget(painel);
    setFixedSize(largura, altura);
}

QString TfrmMyMessageDlg::texto() const
{
    return m_memo->toPlainText();
}

void TfrmMyMessageDlg::imprimirTela()
{
    ImpressaoTela::imprimir(this);
}

int MensagemDlg(const QString &texto, TipoMensagem tipo, BotoesMensagem botoes, const QPixmap &figura,
                const QString &titulo, QWidget *parent)
{
    if (DesvioMensagens *desvio = DesvioMensagens::ativo())
        return desvio->responder({texto, tipo, botoes, titulo.isEmpty() ? TfrmMyMessageDlg::tituloDoTipo(tipo) : titulo});
    if (!parent)
        parent = QApplication::activeWindow();
    TfrmMyMessageDlg dlg(texto, tipo, botoes, figura, titulo, parent);
    const int resultado = dlg.exec();
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    return resultado;
}

void MostraErro(const QString &texto, QWidget *parent)
{
    MensagemDlg(texto, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, parent);
}

void MostraCuidado(const QString &texto, QWidget *parent)
{
    MensagemDlg(texto, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, parent);
}

void MostraInformacao(const QString &texto, QWidget *parent)
{
    MensagemDlg(texto, TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, parent);
}

bool Confirma(const QString &texto, QWidget *parent)
{
    return MensagemDlg(texto, TipoMensagem::Confirmacao, BotaoMensagem::Sim | BotaoMensagem::Nao, {}, {}, parent) == mrSim;
}

DesvioMensagens::DesvioMensagens(Resposta resposta)
    : m_resposta(std::move(resposta))
    , m_anterior(g_desvio)
{
    g_desvio = this;
}

DesvioMensagens::~DesvioMensagens()
{
    g_desvio = m_anterior;
}

DesvioMensagens *DesvioMensagens::ativo()
{
    return g_desvio;
}

int DesvioMensagens::responder(const Chamada &chamada)
{
    m_chamadas << chamada;
    return m_resposta ? m_resposta(chamada) : mrOk;
}

} // namespace kelpa
