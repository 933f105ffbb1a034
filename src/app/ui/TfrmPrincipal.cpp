#include "TfrmPrincipal.h"

#include "Avisos.h"
#include "DialogosOperadora.h"
#include "MensagemDlg.h"
#include "TfrmBackupRestore.h"
#include "TfrmSelecionaDiretorio.h"

#include "app/CompactacaoBanco.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/Inicializacao.h"
#include "app/ServicosOperadora.h"
#include "app/Utilitarios.h"
#include "app/Versao.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

const char *const kTag = "tag";
const char *const kTipoConta = "tipoConta";

QLineEdit *caixaCabecalho(QWidget *pai, const QString &nome, int largura)
{
    auto *caixa = new QLineEdit(pai);
    caixa->setObjectName(nome);
    caixa->setReadOnly(true);
    caixa->setFocusPolicy(Qt::NoFocus);
    caixa->setCursor(Qt::PointingHandCursor);
    caixa->setToolTip(QStringLiteral("Ao clicar o usuário terá acesso a janela \"operadora\" podendo escolher entre as "
                                     "operadoras já cadastradas ou cadastrar nova operadora"));
    if (largura > 0)
        caixa->setFixedWidth(largura);
    return caixa;
}

QLabel *rotuloCabecalho(const QString &texto, QWidget *pai)
{
    auto *rotulo = new QLabel(texto, pai);
    QPalette p = rotulo->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    rotulo->setPalette(p);
    QFont f = rotulo->font();
    f.setBold(true);
    rotulo->setFont(f);
    return rotulo;
}

} // namespace

TfrmPrincipal::TfrmPrincipal(EstadoTrabalho &estado, DtConexao &dados, QWidget *parent)
    : QMainWindow(parent)
    , m_estado(estado)
    , m_dados(dados)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Kelpa %1").arg(versaoPrograma()));
    setWindowIcon(QIcon(logotipoKelpa(64)));
    montarAcoes();
    montarCabecalho();
    montarMenus();
    setPasso(Passo::BackupGerar, [this](QWidget *) { Gerar1Click(); });
    setPasso(Passo::BackupRecuperar, [this](QWidget *) { Recuperar1Click(); });
    setMinimumSize(808, 580);
    resize(808, 580);
}

void TfrmPrincipal::Gerar1Click()
{
    TfrmBackupRestore dialogo(TfrmBackupRestore::Modo::Gerar, m_estado, m_dados, CaminhosPrograma::arquivoIni(), this);
    dialogo.exec();
}

void TfrmPrincipal::Recuperar1Click()
{
    bool reconectar = false;
    {
        TfrmBackupRestore dialogo(TfrmBackupRestore::Modo::Recuperar, m_estado, m_dados, CaminhosPrograma::arquivoIni(), this);
        dialogo.exec();
        reconectar = dialogo.conexaoFechada();
    }
    // Opened as at start: a restored database of an older version is upgraded, and
    // the header and the sending gate follow what it holds.
    if (reconectar && Conecta()) {
        HabilitaAcoes(0);
        HabilitaTransmissao();
    }
}

QAction *TfrmPrincipal::novaAcao(const QString &nome, int tag, const QString &categoria, const QString &legenda, const QString &dica)
{
    auto *a = new QAction(legenda, this);
    a->setObjectName(nome);
    a->setProperty(kTag, tag);
    a->setProperty("categoria", categoria);
    a->setToolTip(dica.isEmpty() ? legenda : dica);
    a->setStatusTip(dica);
    m_acoes << a;
    return a;
}

QAction *TfrmPrincipal::acao(const QString &nome) const
{
    for (QAction *a : m_acoes + m_acoesAjuda)
        if (a->objectName() == nome)
            return a;
    return nullptr;
}

void TfrmPrincipal::montarAcoes()
{
    struct Definicao {
        const char *nome;
        int tag;
        const char *categoria;
        const char *legenda;
        const char *dica;
        const char *tipoConta;
    };
    static const Definicao definicoes[] = {
        {"actCadastro", 1, "Dados Cadastrais", "Cadastro", "Quadro 1: Cadastro", ""},
        {"actDadosBasicos", 2, "Dados Cadastrais", "Dados Básicos", "Quadro 2: Dados Básicos", ""},
        {"actAdministradores", 3, "Dados Cadastrais", "Administradores", "Quadro 3: Administradores", ""},
        {"actRepresentante", 4, "Dados Cadastrais", "&Representante", "Quadro 4: Representante junto à QOR", ""},
        {"actAcionistas", 5, "Dados Cadastrais", "Ac&ionistas/Quotistas", "Quadro 5: Acionistas/Quotistas", ""},
        {"actControladas", 6, "Dados Cadastrais", "Controladas/Coligadas", "Quadro 6: Controladas/Coligadas", ""},
        {"actDependencias", 7, "Dados Cadastrais", "D&ependências", "Quadro 7: Dependências", ""},
        {"actRelDadosCadastrais", 8, "Dados Cadastrais", "&Dados Cadastrais", "Impressão de Dados Cadastrais", ""},
        {"actReceitasPlanos", 9, "Receitas e Despesas", "&Contraprestações Líquidas do Trimestre", "Quadro 8: Contraprestações / Prêmios", ""},
        {"actDespesasComerc", 10, "Receitas e Despesas", "&Despesas de Comercialização do Trimestre", "Quadro 10: Despesas de Comercialização", ""},
        {"actEventosIndenizaveisLiq", 11, "Receitas e Despesas", "Eventos Indenizáveis Líquidos do Trimestre", "Quadro 9: Eventos / Sinistros", ""},
        {"actRelReceitaDesp", 12, "Receitas e Despesas", "&Receitas e Despesas", "Impressão de Receitas e Despesas", ""},
        {"actResumoIndenizaveisLiquidos", 13, "Receitas e Despesas", "Resumo Eventos &Indenizáveis Líquidos do Trimestre",
         "Quadro 9-A: Resumo Eventos Indenizáveis Líquidos do Trimestre", ""},
        {"ActCadastroPFJ", 14, "Geral e MenuItem", "Pessoas Físicas", "", ""},
        {"actReceitasProvSUS", 15, "Receitas e Despesas", "Receitas Provenientes do &SUS do Trimestre", "Quadro 8-A: Receitas Provenientes do SUS", ""},
        {"actBalancoAtivo", 16, "Demonstrações", "Balanço Patrimonial - &Ativo", "Quadro 11: Balanço Patrimonial - Ativo", "A"},
        {"actBalancoPassivo", 16, "Demonstrações", "Balanço Patrimonial - &Passivo", "Quadro 12: Balanço Patrimonial - Passivo", "P"},
        {"actResultadoPeriodo", 16, "Demonstrações", "&Demonstrações do Resultado do Exercício", "Quadro 13: Resultado do Período", "R"},
        {"actFluxoCaixa", 78, "Demonstrações", "Fluxo de Caixa", "Quadro 15: Fluxo de Caixa", ""},
        {"actDistribIdadeSaldo", 79, "Demonstrações", "Distribuição por Idade de Saldos", "Quadro 15A: Distribuição por Idade de Saldos", ""},
        {"actLucrosPrejuizos", 77, "Demonstrações", "Lucros ou Prejuízos",
         "Quadro 12A: Lucros (Superavits) ou Prejuízos (Déficits) Acumulados", ""},
        {"actRelDemonstracoes", 18, "Demonstrações", "&Demonstrações", "Impressão de Demonstrações", ""},
        {"actProvisoesTecnicas", 19, "Demonstrações", "Provisões Técnicas", "Quadro 14: Provisões Técnicas", ""},
        {"actValidacao", 20, "Conclusão", "&Validar os dados ...", "Validação dos Dados", ""},
        {"actTransmitir", 0, "Conclusão", "&Transmitir pela Internet ...", "Transmissão pela Internet", ""},
        {"actGerarDisquete", 0, "Conclusão", "Gerar &Disquete...", "", ""},
        {"actCadAtivos", 22, "Geral e MenuItem", "Ativos", "", ""},
        {"actCadImoveis", 23, "Geral e MenuItem", "Imóveis", "", ""},
        {"actAtivosVinculados", 24, "Geral e MenuItem", "Ativos &Vinculados", "Quadro 14A: Ativos Vinculados", ""},
        {"actRelDadosPAI", 25, "Geral e MenuItem", "Relatórios", "", ""},
        {"ActInfoGerais", 26, "Conclusão", "Informações Gerais", "Informações Gerais", ""},
        {"actPessoaJuridica", 27, "Geral e MenuItem", "Pessoas Jurídicas", "", ""},
    };
    for (const Definicao &d : definicoes) {
        QAction *a = novaAcao(QLatin1String(d.nome), d.tag, QString::fromUtf8(d.categoria), QString::fromUtf8(d.legenda),
                              QString::fromUtf8(d.dica));
        a->setProperty(kTipoConta, QString::fromLatin1(d.tipoConta));
    }
    for (QAction *a : std::as_const(m_acoes)) {
        const QString nome = a->objectName();
        if (nome == QLatin1String("actValidacao"))
            connect(a, &QAction::triggered, this, [this] { executarPasso(Passo::Validacao); });
        else if (nome == QLatin1String("actTransmitir"))
            connect(a, &QAction::triggered, this, [this] { executarPasso(Passo::Transmitir); });
        else if (nome == QLatin1String("actGerarDisquete"))
            connect(a, &QAction::triggered, this, [this] { executarPasso(Passo::GerarDisquete); });
        else
            connect(a, &QAction::triggered, this, [this, a] {
                AbreQuadro(a->property(kTag).toInt(), a->property(kTipoConta).toString());
            });
    }
    const char *ajudas[] = {"&Contents", "&Topic Search", "&Help on Help", "Help Context", "&Manual ..."};
    int tag = 100;
    for (const char *legenda : ajudas) {
        auto *a = new QAction(QString::fromLatin1(legenda), this);
        a->setObjectName(QStringLiteral("actAjuda%1").arg(tag));
        a->setProperty(kTag, tag++);
        a->setEnabled(false);
        m_acoesAjuda << a;
    }
}

void TfrmPrincipal::montarCabecalho()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("pnlCentral"));
    central->setAutoFillBackground(true);
    QPalette branco = central->palette();
    branco.setColor(QPalette::Window, Qt::white);
    central->setPalette(branco);

    auto *cabecalho = new QWidget(central);
    cabecalho->setObjectName(QStringLiteral("pnlCabecalho"));
    cabecalho->setAutoFillBackground(true);
    QPalette verde = cabecalho->palette();
    verde.setColor(QPalette::Window, QColor(52, 115, 34));
    cabecalho->setPalette(verde);
    m_codigo = caixaCabecalho(cabecalho, QStringLiteral("edtcodigo"), 72);
    m_nome = caixaCabecalho(cabecalho, QStringLiteral("edtDescricao"), 0);
    m_cnpj = caixaCabecalho(cabecalho, QStringLiteral("edtCNPJ"), 140);
    // The code box, and only the code box, names the current operator.
    connect(m_codigo, &QLineEdit::textChanged, this, [this](QString texto) { m_estado.setCodOper(texto.remove(u'-').trimmed()); });
    for (QLineEdit *caixa : {m_codigo, m_nome, m_cnpj})
        caixa->installEventFilter(this);
    auto *linha = new QHBoxLayout(cabecalho);
    linha->setContentsMargins(6, 4, 6, 4);
    linha->addWidget(rotuloCabecalho(QStringLiteral("Registro QOR"), cabecalho));
    linha->addWidget(m_codigo);
    linha->addWidget(rotuloCabecalho(QStringLiteral("Operadora"), cabecalho));
    linha->addWidget(m_nome, 1);
    linha->addWidget(rotuloCabecalho(QStringLiteral("CNPJ:"), cabecalho));
    linha->addWidget(m_cnpj);

    montarNavegacao();

    auto *titulo = new QLabel(QStringLiteral("KELPA"), central);
    QFont grande(QStringLiteral("Verdana"));
    grande.setPixelSize(43);
    grande.setBold(true);
    titulo->setFont(grande);
    QPalette azul = titulo->palette();
    azul.setColor(QPalette::WindowText, QColor(0, 106, 122));
    titulo->setPalette(azul);
    titulo->setAlignment(Qt::AlignCenter);
    auto *subtitulo = new QLabel(tituloCompletoProduto(), central);
    subtitulo->setAlignment(Qt::AlignCenter);
    m_versao = new QLabel(QStringLiteral("Versão: %1").arg(versaoPrograma()), central);
    m_versao->setObjectName(QStringLiteral("RxLblSistemaVersao"));
    m_versao->setAlignment(Qt::AlignCenter);
    auto *logo = new QLabel(central);
    logo->setPixmap(logotipoKelpa(96));
    logo->setAlignment(Qt::AlignCenter);

    auto *direita = new QVBoxLayout;
    direita->addStretch(1);
    direita->addWidget(logo);
    direita->addWidget(titulo);
    direita->addWidget(subtitulo);
    direita->addWidget(m_versao);
    direita->addStretch(2);
    auto *corpo = new QHBoxLayout;
    corpo->addWidget(m_navegacao);
    corpo->addLayout(direita, 1);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(cabecalho);
    layout->addLayout(corpo, 1);
    setCentralWidget(central);

    m_base = new QLabel(this);
    statusBar()->addWidget(m_base, 1);
}

void TfrmPrincipal::montarNavegacao()
{
    struct Botao {
        const char *legenda;
        const char *acao;
        QStyle::StandardPixmap icone;
    };
    struct Grupo {
        const char *titulo;
        QList<Botao> botoes;
    };
    const QList<Grupo> grupos = {
        {"Dados Cadastrais",
         {{"Cadastro", "actCadastro", QStyle::SP_FileDialogInfoView},
          {"Dados Básicos", "actDadosBasicos", QStyle::SP_FileDialogDetailedView},
          {"Administradores", "actAdministradores", QStyle::SP_DirHomeIcon},
          {"Representante", "actRepresentante", QStyle::SP_DirHomeIcon},
          {"Acionistas/\nQuotistas", "actAcionistas", QStyle::SP_DirHomeIcon},
          {"Controladas/\nColigadas", "actControladas", QStyle::SP_DirLinkIcon},
          {"Dependências", "actDependencias", QStyle::SP_DirIcon},
          {"Impressão", "actRelDadosCadastrais", QStyle::SP_FileDialogContentsView}}},
        {"Receitas e Despesas",
         {{"Contraprestações / \nPrêmios", "actReceitasPlanos", QStyle::SP_ArrowUp},
          {"Receitas Prove-\nnientes do SUS", "actReceitasProvSUS", QStyle::SP_ArrowUp},
          {"Eventos / Sinistros", "actEventosIndenizaveisLiq", QStyle::SP_ArrowDown},
          {"Resumos Eventos \nIndenizáveis Líquidos", "actResumoIndenizaveisLiquidos", QStyle::SP_ArrowDown},
          {"Despesas de\nComercialização", "actDespesasComerc", QStyle::SP_ArrowDown},
          {"Impressão", "actRelReceitaDesp", QStyle::SP_FileDialogContentsView}}},
        {"Demonstrações",
         {{"Balanço Patrimonial \nAtivo", "actBalancoAtivo", QStyle::SP_FileIcon},
          {"Balanço Patrimonial\nPassivo", "actBalancoPassivo", QStyle::SP_FileIcon},
          {"Demonstrações \ndo Resultado \ndo Exercício", "actResultadoPeriodo", QStyle::SP_FileIcon},
          {"Lucros ou\nPrejuízos", "actLucrosPrejuizos", QStyle::SP_FileIcon},
          {"Provisões\nTécnicas", "actProvisoesTecnicas", QStyle::SP_FileIcon},
          {"Ativos\nVínculados", "actAtivosVinculados", QStyle::SP_FileIcon},
          {"Fluxo de\nCaixa", "actFluxoCaixa", QStyle::SP_FileIcon},
          {"Distribuição por\nIdade de Saldos", "actDistribIdadeSaldo", QStyle::SP_FileIcon},
          {"Impressão", "actRelDemonstracoes", QStyle::SP_FileDialogContentsView}}},
        {"Diversos", {{"Informações\nGerais", "ActInfoGerais", QStyle::SP_MessageBoxInformation}}},
        {"Conclusão",
         {{"Validação", "actValidacao", QStyle::SP_DialogApplyButton},
          {"Transmitir pela\nInternet", "actTransmitir", QStyle::SP_DriveNetIcon}}},
    };
    m_navegacao = new QToolBox;
    m_navegacao->setObjectName(QStringLiteral("barraNavegacao"));
    m_navegacao->setFixedWidth(190);
    for (const Grupo &g : grupos) {
        auto *pagina = new QWidget;
        auto *coluna = new QVBoxLayout(pagina);
        coluna->setSpacing(2);
        for (const Botao &b : g.botoes) {
            auto *botao = new QToolButton(pagina);
            QAction *a = acao(QLatin1String(b.acao));
            // The picture belongs to the action, so the button keeps it when the action changes.
            a->setIcon(style()->standardIcon(b.icone));
            botao->setDefaultAction(a);
            botao->setText(QString::fromUtf8(b.legenda));
            botao->setIconSize(QSize(28, 28));
            botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            botao->setAutoRaise(true);
            botao->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            // setDefaultAction copies the action's text; keep the bar's own label when the action changes.
            connect(a, &QAction::changed, botao, [botao, legenda = QString::fromUtf8(b.legenda)] { botao->setText(legenda); });
            coluna->addWidget(botao);
        }
        coluna->addStretch(1);
        auto *rolagem = new QScrollArea;
        rolagem->setWidget(pagina);
        rolagem->setWidgetResizable(true);
        rolagem->setFrameShape(QFrame::NoFrame);
        rolagem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_navegacao->addItem(rolagem, QString::fromUtf8(g.titulo));
    }
    connect(m_navegacao, &QToolBox::currentChanged, this, [this](int i) {
        if (auto *rolagem = qobject_cast<QScrollArea *>(m_navegacao->widget(i)))
            rolagem->ensureVisible(0, 0);
    });
}

void TfrmPrincipal::montarMenus()
{
    QMenu *arquivo = menuBar()->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("&Selecionar Operadora ..."), this, [this] {
        if (!SelecionarOperadora())
            close();
    });
    QMenu *imprimir = arquivo->addMenu(QStringLiteral("&Imprimir"));
    imprimir->addAction(acao(QStringLiteral("actRelDadosCadastrais")));
    imprimir->addAction(acao(QStringLiteral("actRelReceitaDesp")));
    imprimir->addAction(acao(QStringLiteral("actRelDemonstracoes")));
    QMenu *cadastrar = arquivo->addMenu(QStringLiteral("&Cadastrar"));
    cadastrar->addAction(acao(QStringLiteral("ActCadastroPFJ")));
    cadastrar->addAction(acao(QStringLiteral("actPessoaJuridica")));
    cadastrar->addSeparator();
    cadastrar->addAction(acao(QStringLiteral("actCadAtivos")));
    cadastrar->addAction(acao(QStringLiteral("actCadImoveis")));
    cadastrar->addSeparator();
    cadastrar->addAction(acao(QStringLiteral("actRelDadosPAI")));
    arquivo->addSeparator();
    QAction *diretorio = arquivo->addAction(QStringLiteral("Selecionar &diretório da rede ..."), this,
                                            &TfrmPrincipal::Selecionardiretriodarede1Click);
    diretorio->setObjectName(QStringLiteral("Selecionardiretriodarede1"));
    arquivo->addSeparator();
    QMenu *backup = arquivo->addMenu(QStringLiteral("&Backup ..."));
    backup->addAction(QStringLiteral("&Gerar"), this, [this] { executarPasso(Passo::BackupGerar); });
    backup->addAction(QStringLiteral("&Recuperar"), this, [this] { executarPasso(Passo::BackupRecuperar); });
    arquivo->addSeparator();
    arquivo->addAction(QStringLiteral("Sai&r"), this, &QWidget::close);

    QMenu *editar = menuBar()->addMenu(QStringLiteral("&Editar"));
    QMenu *cadastrais = editar->addMenu(QStringLiteral("&Dados Cadastrais"));
    for (const char *nome : {"actCadastro", "actDadosBasicos", "actAdministradores", "actRepresentante", "actAcionistas",
                             "actControladas", "actDependencias"})
        cadastrais->addAction(acao(QLatin1String(nome)));
    QMenu *receitas = editar->addMenu(QStringLiteral("&Receitas e Despesas"));
    for (const char *nome : {"actReceitasPlanos", "actReceitasProvSUS", "actEventosIndenizaveisLiq",
                             "actResumoIndenizaveisLiquidos", "actDespesasComerc"})
        receitas->addAction(acao(QLatin1String(nome)));
    QMenu *demonstracoes = editar->addMenu(QStringLiteral("D&emonstrações"));
    for (const char *nome : {"actBalancoAtivo", "actBalancoPassivo", "actResultadoPeriodo", "actProvisoesTecnicas",
                             "actAtivosVinculados", "actFluxoCaixa", "actDistribIdadeSaldo", "actLucrosPrejuizos"})
        demonstracoes->addAction(acao(QLatin1String(nome)));

    QMenu *conclusao = menuBar()->addMenu(QStringLiteral("&Conclusão"));
    conclusao->addAction(acao(QStringLiteral("actValidacao")));
    conclusao->addSeparator();
    conclusao->addAction(acao(QStringLiteral("actTransmitir")));
    conclusao->addSeparator();
    conclusao->addAction(acao(QStringLiteral("actGerarDisquete")));

    QMenu *ajuda = menuBar()->addMenu(QStringLiteral("&Ajuda"));
    ajuda->addAction(m_acoesAjuda.last());
    ajuda->addSeparator();
    ajuda->addAction(QStringLiteral("&Sobre"), this, [this] {
        TFrmSobre_Kelpa sobre(this);
        sobre.exec();
    });
}

void TfrmPrincipal::setPasso(Passo passo, PassoFn fn)
{
    m_passos.insert(passo, std::move(fn));
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
    if (!Conecta()) {
        HabilitaAcoes(999);
        return true; // the user may still pick another directory from the menu
    }
    ativarDadosCadastrais();
    const QString configurada = m_estado.configuracao().operadora();
    if (Inicializacao::precisaEscolherOperadora(configurada, m_dados.lerOperadora(configurada))) {
        limparCabecalho();
        if (!SelecionarOperadora())
            return false;
    }
    HabilitaTransmissao();
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
    const QString configurada = m_estado.configuracao().operadora();
    const IdentidadeOperadora operadora = m_dados.lerOperadora(configurada);
    if (Inicializacao::precisaEscolherOperadora(configurada, operadora)) {
        limparCabecalho();
        return;
    }
    m_nome->setText(operadora.nome);
    m_cnpj->setText(FormataDocumento(operadora.cnpj));
    m_estado.setNomeOperadora(operadora.nome);
    m_codigo->setText(FormataCodigoOperadora(operadora.codigo));
}

void TfrmPrincipal::limparCabecalho()
{
    m_codigo->clear();
    m_nome->clear();
    m_cnpj->clear();
}

void TfrmPrincipal::ativarDadosCadastrais()
{
    m_navegacao->setCurrentIndex(0);
}

bool TfrmPrincipal::SelecionarOperadora()
{
    if (!m_dados.conectado())
        return true;
    TfrmSelecionaOperadora dialogo(m_estado, m_dados, CaminhosPrograma::arquivoIni(), this);
    const int resultado = dialogo.exec();
    if (dialogo.encerrarPrograma())
        return false;
    if (resultado == QDialog::Accepted)
        m_estado.configuracao().LeConfiguracao(CaminhosPrograma::arquivoIni());
    preencherCabecalho();
    ativarDadosCadastrais();
    HabilitaTransmissao();
    return true;
}

void TfrmPrincipal::Selecionardiretriodarede1Click()
{
    const QString ini = CaminhosPrograma::arquivoIni();
    {
        TfrmSelecionaDiretorio dialogo(m_estado, ini, this);
        dialogo.exec();
    }
    m_estado.configuracao().LeConfiguracao(ini);
    if (Conecta())
        HabilitaAcoes(0);
}

void TfrmPrincipal::AbreQuadro(int numero, const QString &tipoConta)
{
    if (!m_dados.conectado() || m_estado.codOper().isEmpty())
        return;
    try {
        if (numero != 1) {
            ServicosOperadora servicos(m_dados.db(), m_estado.codOper());
            QDate ultimo;
            const bool completo = servicos.CadastroCompleto(&ultimo);
            m_estado.setDtUltimoCadastro(ultimo);
            if (!completo) {
                MensagemDlg(QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro."),
                            TipoMensagem::Erro, BotaoMensagem::Ok, {}, QStringLiteral("Informação"), this);
                return;
            }
        }
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    HabilitaAcoes(numero, tipoConta);
    if (m_abreQuadro) {
        try {
            m_abreQuadro(numero, tipoConta, this);
        } catch (const std::exception &e) {
            MensagemDlg(QString::fromUtf8(e.what()), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        }
    }
    ExibeAviso(nullptr, {});
    HabilitaAcoes(0);
    preencherCabecalho();
}

void TfrmPrincipal::HabilitaAcoes(int numero, const QString &tipoConta)
{
    for (QAction *a : std::as_const(m_acoes)) {
        const int tag = a->property(kTag).toInt();
        bool habilita = numero == 0 || tag == numero;
        if (tag == 16 && numero == 16)
            habilita = a->property(kTipoConta).toString() == tipoConta;
        a->setEnabled(habilita && m_dados.conectado());
    }
    // Help has no content in this program: it stays disabled whatever is enabled.
    for (QAction *a : std::as_const(m_acoesAjuda))
        a->setEnabled(false);
    HabilitaTransmissao();
}

void TfrmPrincipal::HabilitaTransmissao()
{
    QAction *transmitir = acao(QStringLiteral("actTransmitir"));
    QAction *disquete = acao(QStringLiteral("actGerarDisquete"));
    if (m_estado.consumirBaseAtualizada()) {
        transmitir->setEnabled(false);
        disquete->setEnabled(false);
        return;
    }
    bool permitido = false;
    if (m_dados.conectado() && !m_estado.codOper().isEmpty()) {
        try {
            permitido = ServicosOperadora(m_dados.db(), m_estado.codOper()).TransmissaoPermitida();
        } catch (const ErroBanco &) {
            permitido = false;
        }
    }
    transmitir->setEnabled(permitido);
    disquete->setEnabled(permitido);
}

void TfrmPrincipal::executarPasso(Passo passo)
{
    HabilitaAcoes(999);
    const bool sempreExecuta = passo == Passo::BackupGerar || passo == Passo::BackupRecuperar;
    bool bloqueado = false;
    if (!sempreExecuta && m_dados.conectado()) {
        try {
            ServicosOperadora servicos(m_dados.db(), m_estado.codOper());
            bloqueado = servicos.BloqueiaPorPlanoContas() && (passo != Passo::Validacao || m_estado.operadoraDePlanos());
        } catch (const ErroBanco &e) {
            MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
            HabilitaAcoes(0);
            return;
        }
    }
    const Passo efetivo = bloqueado ? Passo::AvisoPlanoContas : passo;
    const auto fn = m_passos.value(efetivo);
    if (fn)
        fn(this);
    else
        MensagemDlg(QStringLiteral("Esta etapa ainda não está disponível nesta versão do KELPA."), TipoMensagem::Informacao,
                    BotaoMensagem::Ok, {}, {}, this);
    HabilitaAcoes(0);
}

void TfrmPrincipal::ExibeAviso(QWidget *controle, const QString &texto)
{
    if (m_aviso)
        m_aviso->deleteLater();
    m_aviso = nullptr;
    if (!controle || texto.isEmpty())
        return;
    m_aviso = new QLabel(controle);
    m_aviso->setObjectName(QStringLiteral("AvisoQuadro"));
    QString normalizado = texto;
    normalizado.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_aviso->setText(normalizado);
    m_aviso->setAlignment(Qt::AlignCenter);
    m_aviso->setWordWrap(true);
    QFont f(QStringLiteral("Arial Narrow"));
    f.setPixelSize(20);
    f.setBold(true);
    m_aviso->setFont(f);
    QPalette p = m_aviso->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    m_aviso->setPalette(p);
    auto *sombra = new QGraphicsDropShadowEffect(m_aviso);
    sombra->setOffset(2, 2);
    sombra->setBlurRadius(0);
    sombra->setColor(Qt::darkGray);
    m_aviso->setGraphicsEffect(sombra);
    m_aviso->setGeometry(controle->rect());
    m_aviso->raise();
    m_aviso->show();
}

bool TfrmPrincipal::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::MouseButtonPress && (objeto == m_codigo || objeto == m_nome || objeto == m_cnpj)) {
        if (!SelecionarOperadora())
            close();
        return true;
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void TfrmPrincipal::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        evento->accept(); // Esc closes dialogs, never the program
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

} // namespace kelpa
