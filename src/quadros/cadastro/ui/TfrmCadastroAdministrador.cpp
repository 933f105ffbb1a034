#include "TfrmCadastroAdministrador.h"

#include "SelecaoPessoa.h"
#include "TfrmCadResponsavelTecnico.h"
#include "TfrmCadastroPessoa.h"
#include "ValidadorCampo.h"

#include "app/Utilitarios.h"
#include "app/ui/MensagemDlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace kelpa {

namespace {

QLineEdit *somenteLeitura(const char *nome, QWidget *pai)
{
    auto *campo = new QLineEdit(pai);
    campo->setObjectName(QLatin1String(nome));
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    QPalette p = campo->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    campo->setPalette(p);
    return campo;
}

} // namespace

TfrmCadastroAdministrador::TfrmCadastroAdministrador(const QSqlDatabase &db, const QString &codOper, const QDate &periodo,
                                                     QWidget *parent)
    : TfrmDlgLinhaCadastro(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_administradores(db, codOper)
    , m_periodo(periodo)
{
    setObjectName(QStringLiteral("frmCadastroAdministrador"));
    setWindowTitle(QStringLiteral("Cadastro de Administrador"));
    setMostraMensagem(true);
    QWidget *area = areaConteudo();

    m_nome = somenteLeitura("cmbNomeAdministrador", area);
    m_nome->setToolTip(QStringLiteral("Clique em (...) para escolher o administrador caso as pessoas \n"
                                      "físicas já tenham sido previamente cadastradas. Se não, clique\n"
                                      "no botão '+' para incluir. "));
    m_btSeleciona = new QToolButton(area);
    m_btSeleciona->setObjectName(QStringLiteral("btSeleciona"));
    m_btSeleciona->setText(QStringLiteral("..."));
    m_btSeleciona->setToolTip(QStringLiteral("Abre diálogo de seleção."));
    m_btIncluir = new QToolButton(area);
    m_btIncluir->setObjectName(QStringLiteral("btIncluir"));
    m_btIncluir->setText(QStringLiteral("+"));
    m_btIncluir->setToolTip(QStringLiteral("Incluir pessoa física."));
    m_estrangeiro = new QLabel(QStringLiteral("ESTRANGEIRO"), area);
    m_estrangeiro->setObjectName(QStringLiteral("lblEstrangeiro"));
    m_estrangeiro->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    m_estrangeiro->setVisible(false);

    m_cpf = somenteLeitura("edtCPF", area);
    m_cpf->setFixedWidth(130);
    m_mae = somenteLeitura("dedMae", area);
    m_cargo = new QLineEdit(area);
    m_cargo->setObjectName(QStringLiteral("edtCargo"));
    m_cargo->setToolTip(QStringLiteral("Cargo do administrador da operadora."));
    ValidadorCampo::maiusculas(m_cargo, 40);
    m_lblOrgao = rotuloCampo(QStringLiteral("Órgão:"), false, area);
    m_orgao = new QComboBox(area);
    m_orgao->setObjectName(QStringLiteral("cmbOrgao"));
    m_orgao->setMaxVisibleItems(8);
    m_orgao->setToolTip(QStringLiteral("O usuário deverá escolher uma das opções disponíveis no campo.\n"
                                       "Caso não exista a opção desejada, selecionar \"Outros\"."));
    m_inicio = novoCampoData(area, QStringLiteral("DtIniMandato"), QStringLiteral("Início do mandato do administrador da operadora."));
    m_fim = novoCampoData(area, QStringLiteral("DtFimMandato"), QStringLiteral("Fim do mandato do administrador da operadora."));
    m_lblResponsavel = rotuloCampo(QStringLiteral("Responsável Técnico ?"), true, area);
    m_sim = new QRadioButton(QStringLiteral("Sim"), area);
    m_sim->setObjectName(QStringLiteral("rbtSim"));
    m_nao = new QRadioButton(QStringLiteral("Não"), area);
    m_nao->setObjectName(QStringLiteral("rbtNao"));
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(m_sim);
    grupo->addButton(m_nao);

    auto *linhaNome = new QHBoxLayout;
    linhaNome->addWidget(m_nome, 1);
    linhaNome->addWidget(m_btSeleciona);
    linhaNome->addWidget(m_btIncluir);
    auto *linhaCpf = new QHBoxLayout;
    linhaCpf->addWidget(m_cpf);
    linhaCpf->addSpacing(12);
    linhaCpf->addWidget(m_estrangeiro);
    linhaCpf->addStretch(1);
    auto *linhaMandato = new QHBoxLayout;
    linhaMandato->addWidget(m_inicio);
    linhaMandato->addSpacing(16);
    linhaMandato->addWidget(rotuloCampo(QStringLiteral("Fim de Mandato:"), false, area));
    linhaMandato->addSpacing(6);
    linhaMandato->addWidget(m_fim);
    linhaMandato->addStretch(1);
    auto *linhaResponsavel = new QHBoxLayout;
    linhaResponsavel->addWidget(m_sim);
    linhaResponsavel->addWidget(m_nao);
    linhaResponsavel->addStretch(1);

    auto *grade = new QGridLayout(area);
    grade->setContentsMargins(12, 12, 12, 8);
    grade->setVerticalSpacing(8);
    grade->addWidget(rotuloCampo(QStringLiteral("Nome:"), true, area), 0, 0);
    grade->addLayout(linhaNome, 0, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("CPF:"), false, area), 1, 0);
    grade->addLayout(linhaCpf, 1, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("Mãe:"), false, area), 2, 0);
    grade->addWidget(m_mae, 2, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("Cargo/Função:"), true, area), 3, 0);
    grade->addWidget(m_cargo, 3, 1);
    grade->addWidget(m_lblOrgao, 4, 0);
    grade->addWidget(m_orgao, 4, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("Início de Mandato:"), true, area), 5, 0);
    grade->addLayout(linhaMandato, 5, 1);
    grade->addWidget(m_lblResponsavel, 6, 0);
    grade->addLayout(linhaResponsavel, 6, 1);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(7, 1);
    resize(560, 300);

    for (const auto &orgao : m_administradores.Orgaos())
        m_orgao->addItem(orgao.second, orgao.first);
    m_orgao->setCurrentIndex(-1);

    vigia(m_cargo);
    vigia(m_inicio);
    vigia(m_fim);
    vigia(m_orgao);
    conferirDataAoSair(m_inicio);
    connect(m_btSeleciona, &QToolButton::clicked, this, &TfrmCadastroAdministrador::SelecionaPessoa);
    connect(m_btIncluir, &QToolButton::clicked, this, &TfrmCadastroAdministrador::IncluiPessoa);
    connect(m_sim, &QRadioButton::clicked, this, &TfrmCadastroAdministrador::rbtSimClick);
    connect(m_nao, &QRadioButton::clicked, this, &TfrmCadastroAdministrador::rbtNaoClick);
}

void TfrmCadastroAdministrador::setChave(int idPsoa, int sequencia)
{
    m_idPsoa = idPsoa;
    m_sequencia = sequencia;
}

void TfrmCadastroAdministrador::setPerguntaResponsavel(bool pergunta)
{
    m_perguntaResponsavel = pergunta;
}

void TfrmCadastroAdministrador::setMostraOrgao(bool mostra)
{
    m_mostraOrgao = mostra;
}

void TfrmCadastroAdministrador::setResponsavelBloqueado(bool bloqueado)
{
    m_responsavelBloqueado = bloqueado;
}

void TfrmCadastroAdministrador::abrir()
{
    m_adm = Administrador{};
    if (m_idPsoa > 0) {
        if (const auto gravado = m_administradores.Carrega(m_periodo, m_idPsoa, m_sequencia))
            m_adm = *gravado;
    }
    const bool existente = m_adm.sequencia > 0;
    mostraPessoa();
    m_cargo->setText(m_adm.cargo);
    m_orgao->setCurrentIndex(m_orgao->findData(m_adm.orgao));
    mostraData(m_inicio, m_adm.inicioMandato);
    mostraData(m_fim, m_adm.fimMandato);
    (m_adm.responsavelTecnico ? m_sim : m_nao)->setChecked(true);

    m_lblOrgao->setVisible(m_mostraOrgao);
    m_orgao->setVisible(m_mostraOrgao);
    for (QWidget *w : {static_cast<QWidget *>(m_lblResponsavel), static_cast<QWidget *>(m_sim), static_cast<QWidget *>(m_nao)})
        w->setVisible(m_perguntaResponsavel);
    m_sim->setEnabled(!m_responsavelBloqueado);
    m_nao->setEnabled(!m_responsavelBloqueado);
    // The person of a saved office stays: another person is another office.
    m_nome->setEnabled(!existente);
    m_btSeleciona->setEnabled(!existente);
    m_btIncluir->setEnabled(!existente);
}

void TfrmCadastroAdministrador::mostraPessoa()
{
    m_nome->setText(m_adm.nome.toUpper());
    m_cpf->setText(FormataDocumento(m_adm.cpf));
    m_mae->setText(m_adm.mae.toUpper());
    m_estrangeiro->setVisible(m_adm.estrangeiro);
}

void TfrmCadastroAdministrador::escolhePessoa(int idPsoa)
{
    const auto pessoa = m_administradores.Pessoa(idPsoa);
    if (!pessoa)
        return;
    m_adm.idPsoa = pessoa->idPsoa;
    m_adm.nome = pessoa->nome;
    m_adm.cpf = pessoa->cpf;
    m_adm.mae = pessoa->mae;
    m_adm.estrangeiro = pessoa->estrangeiro;
    m_adm.sequencia = 0;
    mostraPessoa();
    alterado();
    m_cargo->setFocus();
}

void TfrmCadastroAdministrador::SelecionaPessoa()
{
    if (!m_btSeleciona->isEnabled())
        return;
    if (const auto escolhida = SelecaoPessoa::Escolhe(this, m_db, m_codOper, CadastroPessoas::FiltroTipo::Fisicas, false,
                                                      QStringLiteral("Não há Pessoas Físicas cadastradas para selecionar!!!")))
        escolhePessoa(escolhida->idPsoa);
}

void TfrmCadastroAdministrador::IncluiPessoa()
{
    if (!m_btIncluir->isEnabled())
        return;
    if (const auto nova = SelecaoPessoa::Cria(this, m_db, m_codOper, TfrmCadastroPessoa::Administradores))
        escolhePessoa(*nova);
}

void TfrmCadastroAdministrador::rbtSimClick()
{
    if (!ativado())
        return;
    TfrmCadResponsavelTecnico conselho(this);
    if (m_adm.responsavelTecnico) {
        conselho.rbtDentista()->setChecked(m_adm.tipoResponsavel == QLatin1String("O"));
    }
    if (conselho.exec() != QDialog::Accepted) {
        // Nothing was answered: the answer stored stays.
        (m_adm.responsavelTecnico ? m_sim : m_nao)->setChecked(true);
        return;
    }
    m_adm.responsavelTecnico = true;
    m_adm.tipoResponsavel = conselho.tipo();
    m_adm.conselho = conselho.numero();
    alterado();
}

void TfrmCadastroAdministrador::rbtNaoClick()
{
    if (!ativado() || (!m_adm.responsavelTecnico && m_adm.conselho.isEmpty()))
        return;
    if (!Confirma(QStringLiteral("Deseja alterar o Responsável Técnico?"), this)) {
        m_sim->setChecked(true);
        return;
    }
    m_adm.responsavelTecnico = false;
    m_adm.conselho.clear();
    alterado();
}

void TfrmCadastroAdministrador::coleta()
{
    m_adm.cargo = m_cargo->text().trimmed();
    m_adm.inicioMandato = dataDoCampo(m_inicio);
    m_adm.fimMandato = dataDoCampo(m_fim);
    if (m_mostraOrgao)
        m_adm.orgao = m_orgao->currentData().toString();
}

QStringList TfrmCadastroAdministrador::itensFaltantes()
{
    coleta();
    const bool respondida = m_mostraOrgao || m_sim->isChecked() || m_nao->isChecked();
    return Administradores::ItensFaltantes(m_adm, respondida);
}

QString TfrmCadastroAdministrador::erroValores()
{
    // A term end that is not a date is never dropped without a word.
    if (!campoDataVazio(m_fim) && !m_adm.fimMandato.isValid()) {
        m_fim->setFocus();
        return QStringLiteral("Data inválida");
    }
    const QString erro = Administradores::ErroMandato(m_adm);
    if (!erro.isEmpty())
        m_inicio->setFocus();
    return erro;
}

void TfrmCadastroAdministrador::gravar()
{
    m_adm = m_administradores.Grava(m_periodo, m_adm, m_perguntaResponsavel);
}

QWidget *TfrmCadastroAdministrador::campoInicial() const
{
    return m_nome->isEnabled() ? static_cast<QWidget *>(m_btSeleciona) : m_cargo;
}

} // namespace kelpa
