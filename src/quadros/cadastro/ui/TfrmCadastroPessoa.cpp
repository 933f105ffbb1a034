#include "TfrmCadastroPessoa.h"

#include "BlocoEndereco.h"
#include "TfrmCadastroTelefone.h"
#include "TfrmListaMunicipio.h"
#include "ValidadorCampo.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfrmCadastroPessoa::TfrmCadastroPessoa(const QSqlDatabase &db, const QString &codOper, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_pessoas(db, codOper)
{
    setObjectName(QStringLiteral("frmCadastroPessoa"));
    setWindowTitle(QStringLiteral("Cadastro de Pessoas Físicas"));
    QWidget *area = areaConteudo();

    // Type of person.
    m_pnlTipo = new QGroupBox(QStringLiteral("Tipo de Pessoa"), area);
    m_pnlTipo->setObjectName(QStringLiteral("pnlTipoPessoa"));
    m_fisica = new QRadioButton(QStringLiteral("Física"), m_pnlTipo);
    m_juridica = new QRadioButton(QStringLiteral("Jurídica"), m_pnlTipo);
    m_fisica->setObjectName(QStringLiteral("rbFisica"));
    m_juridica->setObjectName(QStringLiteral("rbJuridica"));
    m_grupoTipo = new QButtonGroup(this);
    m_grupoTipo->setObjectName(QStringLiteral("rdgTipoPessoa"));
    m_grupoTipo->addButton(m_fisica, 0);
    m_grupoTipo->addButton(m_juridica, 1);
    auto *linhaTipo = new QHBoxLayout(m_pnlTipo);
    linhaTipo->addWidget(m_fisica);
    linhaTipo->addWidget(m_juridica);
    linhaTipo->addStretch(1);

    // Identity.
    auto *identidade = new QWidget(area);
    m_lblNome = new QLabel(QStringLiteral("Nome:"), identidade);
    m_nome = new QLineEdit(identidade);
    m_nome->setObjectName(QStringLiteral("edtRzSocial"));
    ValidadorCampo::maiusculas(m_nome, 60);
    m_lblDocumento = new QLabel(QStringLiteral("CPF"), identidade);
    m_documento = new QLineEdit(identidade);
    m_documento->setObjectName(QStringLiteral("edtCPF_CNPJ"));
    m_documento->setMinimumWidth(150);
    m_estrangeiro = new QCheckBox(QStringLiteral("Estrangeiro ?"), identidade);
    m_estrangeiro->setObjectName(QStringLiteral("chkEstrangeiro"));
    m_inativa = new QCheckBox(QStringLiteral("Inativa"), identidade);
    m_inativa->setObjectName(QStringLiteral("chkInativa"));
    m_lblSegundoNome = new QLabel(QStringLiteral("Nome da Mãe:"), identidade);
    m_segundoNome = new QLineEdit(identidade);
    m_segundoNome->setObjectName(QStringLiteral("edtSegundoNome"));
    ValidadorCampo::maiusculas(m_segundoNome, 60);
    m_lblNascimento = new QLabel(QStringLiteral("Dt. Nascimento:"), identidade);
    m_nascimento = new QLineEdit(identidade);
    m_nascimento->setObjectName(QStringLiteral("dtNascimento"));
    m_nascimento->setInputMask(QStringLiteral("00/00/0000;_"));
    m_nascimento->setFixedWidth(100);
    auto *gi = new QGridLayout(identidade);
    gi->setContentsMargins(0, 0, 0, 0);
    gi->addWidget(m_lblNome, 0, 0);
    gi->addWidget(m_nome, 0, 1, 1, 4);
    gi->addWidget(m_lblDocumento, 1, 0);
    gi->addWidget(m_documento, 1, 1);
    gi->addWidget(m_estrangeiro, 1, 2);
    gi->addWidget(m_inativa, 1, 3);
    gi->addWidget(m_lblSegundoNome, 2, 0);
    gi->addWidget(m_segundoNome, 2, 1, 1, 4);
    gi->addWidget(m_lblNascimento, 3, 0);
    gi->addWidget(m_nascimento, 3, 1);
    gi->setColumnStretch(4, 1);

    // Address, phones and fax.
    m_pnlEndereco = new QGroupBox(QStringLiteral("Endereço"), area);
    m_pnlEndereco->setObjectName(QStringLiteral("pnlEndereco"));
    auto *ge = new QVBoxLayout(m_pnlEndereco);
    m_endereco = criaCaixasEndereco(m_pnlEndereco, ge,
                                    {QStringLiteral("Logradouro"), QStringLiteral("Complemento"), QStringLiteral("Bairro")});
    m_endereco.logradouro->setToolTip(QStringLiteral("Nome do logradouro (Rua, Avenida, Travessa, Praça, Quadra, Bloco, etc...)."));
    ValidadorCampo::maiusculas(m_endereco.numero, 5);
    m_email = new QLineEdit(m_pnlEndereco);
    m_email->setObjectName(QStringLiteral("edtEmail"));
    ValidadorCampo::minusculas(m_email, 100);
    ge->addLayout(campoRotulado(m_pnlEndereco, QStringLiteral("E-mail"), m_email));

    m_telefones = criaGradeTelefones(m_pnlEndereco);
    m_telefones->setFixedHeight(90);
    const BotoesTelefone botoesTelefone = criaBotoesTelefone(m_pnlEndereco);
    m_btnIncluirTelefone = botoesTelefone.incluir;
    m_btnEditarTelefone = botoesTelefone.editar;
    m_btnExcluirTelefone = botoesTelefone.excluir;

    m_faxExterior = new QCheckBox(QStringLiteral("Exterior"), m_pnlEndereco);
    m_faxExterior->setObjectName(QStringLiteral("chkFaxExterior"));
    m_lblFaxCodigo = new QLabel(QStringLiteral(" DDD"), m_pnlEndereco);
    m_faxCodigo = new QLineEdit(m_pnlEndereco);
    m_faxCodigo->setObjectName(QStringLiteral("edtFaxDDD"));
    ValidadorCampo::digitos(m_faxCodigo, 4);
    m_faxCodigo->setFixedWidth(50);
    m_fax = new QLineEdit(m_pnlEndereco);
    m_fax->setObjectName(QStringLiteral("edtFax"));
    ValidadorCampo::digitos(m_fax, 8);
    m_fax->setFixedWidth(110);

    auto *grupoTelefones = new QGroupBox(QStringLiteral(" Telefone(s) "), m_pnlEndereco);
    dispoeTelefones(grupoTelefones, m_telefones, botoesTelefone);
    auto *grupoFax = new QGroupBox(QStringLiteral(" Fax "), m_pnlEndereco);
    dispoeFax(grupoFax, m_faxExterior, m_lblFaxCodigo, m_faxCodigo, m_fax);
    auto *linha3 = new QHBoxLayout;
    linha3->addWidget(grupoTelefones, 3);
    linha3->addWidget(grupoFax, 2);
    ge->addLayout(linha3);

    auto *layout = new QVBoxLayout(area);
    layout->addWidget(m_pnlTipo);
    layout->addWidget(identidade);
    layout->addWidget(m_pnlEndereco);
    layout->addStretch(1);

    connect(m_grupoTipo, &QButtonGroup::idClicked, this, [this](int id) {
        setWindowTitle(id == 1 ? QStringLiteral("Pessoa Jurídica") : QStringLiteral("Pessoa Física"));
        m_documento->clear();
        aplicaTipo();
    });
    connect(m_estrangeiro, &QCheckBox::toggled, this, [this](bool marcado) { m_documento->setEnabled(!marcado); });
    connect(m_documento, &QLineEdit::editingFinished, this, [this] {
        // Leaving for the foreigner box is not leaving the document behind.
        if (QApplication::focusWidget() == m_estrangeiro || !m_documento->isEnabled() || !isVisible())
            return;
        if (!documentoDigitado().isEmpty())
            confereDocumento();
    });
    connect(m_endereco.btnMunicipio, &QToolButton::clicked, this, &TfrmCadastroPessoa::abrirListaMunicipios);
    connect(m_btnIncluirTelefone, &QToolButton::clicked, this, &TfrmCadastroPessoa::incluirTelefone);
    connect(m_btnEditarTelefone, &QToolButton::clicked, this, &TfrmCadastroPessoa::editarTelefone);
    connect(m_btnExcluirTelefone, &QToolButton::clicked, this, &TfrmCadastroPessoa::excluirTelefone);
    connect(m_telefones, &QTableWidget::cellDoubleClicked, this, &TfrmCadastroPessoa::editarTelefone);
    connect(m_faxExterior, &QCheckBox::toggled, this, &TfrmCadastroPessoa::faxExteriorMudou);
}

QString TfrmCadastroPessoa::tipo() const
{
    return m_juridica->isChecked() ? QStringLiteral("J") : QStringLiteral("F");
}

QString TfrmCadastroPessoa::documentoDigitado() const
{
    return soDigitos(m_documento->text());
}

void TfrmCadastroPessoa::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    if (m_aberta)
        return;
    m_aberta = true;
    if (!abrir())
        QTimer::singleShot(0, this, [this] { reject(); });
}

void TfrmCadastroPessoa::aplicaDisposicao()
{
    const bool tipoVisivel = m_disposicao == Responsaveis || m_disposicao == Acionistas;
    const bool enderecoVisivel = m_disposicao == ListaGenerica || m_disposicao == Representante || m_disposicao == Dependencias;
    m_pnlTipo->setVisible(tipoVisivel);
    m_pnlEndereco->setVisible(enderecoVisivel);
    m_inativa->setVisible(m_disposicao == ListaGenerica && m_modo == Edicao);
}

bool TfrmCadastroPessoa::abrir()
{
    aplicaDisposicao();
    (m_tipoInicial == 1 ? m_juridica : m_fisica)->setChecked(true);
    if (m_modo == Nova) {
        try {
            m_idPsoa = m_pessoas.CriaPessoa(tipo());
        } catch (const ErroBanco &) {
            MensagemDlg(QStringLiteral("Houve erro na criação do período inicial.\rTente novamente..."), TipoMensagem::Erro,
                        BotaoMensagem::Ok, {}, {}, this);
            m_idPsoa = 0;
            return false;
        }
    }
    std::optional<DadosPessoa> dados;
    try {
        dados = m_pessoas.Carrega(m_idPsoa);
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    }
    if (!dados) {
        MensagemDlg(QStringLiteral("ATENÇÃO!!! Pessoa não cadastrada. Tente novamente..."), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {},
                    this);
        return false;
    }
    m_dados = *dados;
    if (m_modo == Edicao)
        (m_dados.fisica() ? m_fisica : m_juridica)->setChecked(true);
    aplicaTipo();
    mostra(m_dados);
    carregaTelefones();
    adjustSize();
    m_nome->setFocus();
    return true;
}

void TfrmCadastroPessoa::aplicaTipo()
{
    const bool fisica = tipo() == QLatin1String("F");
    m_lblNome->setText(fisica ? QStringLiteral("Nome:") : QStringLiteral("Razão Social:"));
    m_nome->setToolTip(fisica ? QStringLiteral("Nome da pessoa física") : QStringLiteral("Razão Social da Pessoa Jurídica"));
    m_lblDocumento->setText(fisica ? QStringLiteral("CPF") : QStringLiteral("CNPJ"));
    const QString digitos = documentoDigitado();
    m_documento->setInputMask(fisica ? QStringLiteral("000.000.000-00;_") : QStringLiteral("00.000.000/0000-00;_"));
    m_documento->setText(digitos);
    m_documento->setToolTip(fisica ? QStringLiteral("Número da pessoa no Cadastro de Pessoas Físicas")
                                   : QStringLiteral("Número de registro da pessoa no Cadastro\nNacional de Pessoas Jurídicas"));
    m_lblSegundoNome->setText(fisica ? QStringLiteral("Nome da Mãe:") : QStringLiteral("Nome Fantasia:"));
    m_segundoNome->setToolTip(fisica ? QString() : QStringLiteral("Nome fantasia da pessoa jurídica"));
    m_lblNascimento->setVisible(fisica);
    m_nascimento->setVisible(fisica);
    m_estrangeiro->setVisible(fisica);
    if (!fisica)
        m_estrangeiro->setChecked(false);
}

void TfrmCadastroPessoa::mostra(const DadosPessoa &d)
{
    m_nome->setText(d.nome);
    m_estrangeiro->setChecked(d.estrangeiro && d.fisica());
    m_documento->setEnabled(!m_estrangeiro->isChecked());
    m_documento->setText(d.documento);
    m_inativa->setChecked(d.inativa);
    m_segundoNome->setText(d.segundoNome);
    m_nascimento->setText(d.nascimento.isValid() ? FormatoBR::data(d.nascimento) : QString());
    m_endereco.logradouro->setText(d.logradouro);
    m_endereco.numero->setText(d.numero);
    m_endereco.complemento->setText(d.complemento);
    m_endereco.bairro->setText(d.bairro);
    m_endereco.municipio->setText(d.nomeMunicipio);
    m_endereco.municipio->setCursorPosition(0);
    m_endereco.uf->setText(d.uf);
    m_endereco.cep->setText(d.cep);
    m_email->setText(d.email);
    m_faxExterior->blockSignals(true);
    m_faxExterior->setChecked(d.faxExterior);
    m_faxExterior->blockSignals(false);
    m_lblFaxCodigo->setText(d.faxExterior ? QStringLiteral("DDI+") : QStringLiteral(" DDD"));
    m_fax->setMaxLength(d.faxExterior ? 12 : 8);
    m_faxCodigo->setText(d.faxCodigo);
    m_fax->setText(d.faxNumero);
}

DadosPessoa TfrmCadastroPessoa::coleta() const
{
    DadosPessoa d = m_dados;
    d.idPsoa = m_idPsoa;
    d.tipo = tipo();
    d.nome = m_nome->text().trimmed();
    d.estrangeiro = d.fisica() && m_estrangeiro->isChecked();
    d.documento = d.estrangeiro ? QString() : documentoDigitado();
    d.inativa = m_inativa->isChecked();
    d.segundoNome = m_segundoNome->text().trimmed();
    d.nascimento = d.fisica() ? FormatoBR::lerData(m_nascimento->text()).value_or(QDate()) : QDate();
    d.logradouro = m_endereco.logradouro->text().trimmed();
    d.numero = m_endereco.numero->text().trimmed();
    d.complemento = m_endereco.complemento->text().trimmed();
    d.bairro = m_endereco.bairro->text().trimmed();
    d.cep = soDigitos(m_endereco.cep->text());
    d.email = m_email->text().trimmed();
    d.faxExterior = m_faxExterior->isChecked();
    d.faxCodigo = m_faxCodigo->text().trimmed();
    d.faxNumero = m_fax->text().trimmed();
    return d;
}

void TfrmCadastroPessoa::escolheMunicipio(const Municipio &municipio)
{
    m_dados.idMunc = municipio.id;
    m_dados.nomeMunicipio = municipio.nome;
    m_dados.uf = municipio.uf;
    m_endereco.municipio->setText(municipio.nome);
    m_endereco.municipio->setCursorPosition(0);
    m_endereco.uf->setText(municipio.uf);
}

void TfrmCadastroPessoa::abrirListaMunicipios()
{
    TfrmListaMunicipio lista(m_db, m_dados.uf.isEmpty() ? QStringLiteral("AC") : m_dados.uf, this);
    if (lista.exec() != QDialog::Accepted)
        return;
    if (const auto m = lista.escolhido()) {
        escolheMunicipio(*m);
        m_endereco.cep->setFocus();
    }
}

void TfrmCadastroPessoa::carregaTelefones()
{
    m_listaTelefones.clear();
    if (m_idPsoa > 0 && m_dados.dataDados.isValid())
        m_listaTelefones = m_pessoas.Telefones(m_idPsoa, m_dados.dataDados);
    m_telefones->setRowCount(0);
    m_telefones->setRowCount(static_cast<int>(m_listaTelefones.size()));
    for (int i = 0; i < m_listaTelefones.size(); ++i) {
        const Telefone &t = m_listaTelefones.at(i);
        m_telefones->setItem(i, 0, new QTableWidgetItem(t.textoArea()));
        m_telefones->setItem(i, 1, new QTableWidgetItem(t.numero));
        m_telefones->setItem(i, 2, new QTableWidgetItem(t.ramal));
    }
    if (!m_listaTelefones.isEmpty())
        m_telefones->setCurrentCell(0, 0);
    m_btnEditarTelefone->setEnabled(!m_listaTelefones.isEmpty());
    m_btnExcluirTelefone->setEnabled(!m_listaTelefones.isEmpty());
}

void TfrmCadastroPessoa::incluirTelefone()
{
    TfrmCadastroTelefone dialogo(m_db, m_codOper, m_idPsoa, m_dados.dataDados, 0, this);
    dialogo.exec();
    carregaTelefones();
}

void TfrmCadastroPessoa::editarTelefone()
{
    const int linha = m_telefones->currentRow();
    if (linha < 0 || linha >= m_listaTelefones.size())
        return;
    TfrmCadastroTelefone dialogo(m_db, m_codOper, m_idPsoa, m_dados.dataDados, m_listaTelefones.at(linha).sequencia, this);
    dialogo.exec();
    carregaTelefones();
}

void TfrmCadastroPessoa::excluirTelefone()
{
    const int linha = m_telefones->currentRow();
    if (linha < 0 || linha >= m_listaTelefones.size())
        return;
    if (MensagemDlg(QStringLiteral("Confirma exclusão do telefone?"), TipoMensagem::Confirmacao, BotaoMensagem::Sim | BotaoMensagem::Nao,
                    {}, {}, this)
        != mrSim)
        return;
    try {
        m_pessoas.ExcluiTelefone(m_idPsoa, m_dados.dataDados, m_listaTelefones.at(linha).sequencia);
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    }
    carregaTelefones();
}

void TfrmCadastroPessoa::faxExteriorMudou()
{
    const bool exterior = m_faxExterior->isChecked();
    m_lblFaxCodigo->setText(exterior ? QStringLiteral("DDI+") : QStringLiteral(" DDD"));
    m_faxCodigo->clear();
    m_fax->clear();
    m_fax->setMaxLength(exterior ? 12 : 8);
}

bool TfrmCadastroPessoa::confereDocumento()
{
    const auto situacao = m_pessoas.ConfereDocumento(documentoDigitado(), tipo(), m_idPsoa);
    if (situacao == CadastroPessoas::SituacaoDocumento::Valido)
        return true;
    MensagemDlg(CadastroPessoas::MensagemDocumento(situacao, tipo()), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    QTimer::singleShot(0, m_documento, [campo = m_documento] { campo->setFocus(); });
    return false;
}

bool TfrmCadastroPessoa::CriticaDados()
{
    const DadosPessoa d = coleta();
    if (MostraAvisoPreenchimento(CadastroPessoas::ItensFaltantes(d), this))
        return false;

    const bool nascimentoVisivel = d.fisica();
    const bool enderecoVisivel = m_pnlEndereco->isVisible() && m_pnlEndereco->isEnabled();
    QWidget *campo = nullptr;
    QString mensagem;
    // A birth date partly typed is as wrong as one out of range.
    if (nascimentoVisivel && !soDigitos(m_nascimento->text()).isEmpty() && !d.nascimento.isValid()) {
        campo = m_nascimento;
        mensagem = QStringLiteral("Data de Nascimento inválida.");
    }
    if (const auto erro = CadastroPessoas::ErroValores(d, nascimentoVisivel, enderecoVisivel, QDate::currentDate().year())) {
        mensagem = erro->mensagem;
        campo = erro->campo == CadastroPessoas::Campo::Nascimento ? static_cast<QWidget *>(m_nascimento)
                : erro->campo == CadastroPessoas::Campo::Cep      ? static_cast<QWidget *>(m_endereco.cep)
                                                                  : static_cast<QWidget *>(m_email);
    }
    if (campo) {
        MensagemDlg(mensagem, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        campo->setFocus();
        return false;
    }
    // The document is checked again here: leaving its box is not the only way to Confirm.
    if (!d.estrangeiro && !confereDocumento())
        return false;
    return true;
}

void TfrmCadastroPessoa::GravaDados()
{
    try {
        m_pessoas.Grava(coleta());
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        throw ErroBanco(QStringLiteral("Houve erro na gravação.\rTente novamente..."));
    }
}

void TfrmCadastroPessoa::reject()
{
    // A new person that is not confirmed leaves nothing behind.
    if (m_aberta && m_modo == Nova && m_idPsoa > 0) {
        try {
            m_pessoas.ExcluiPessoaNova(m_idPsoa);
        } catch (const ErroBanco &) {
            MensagemDlg(QStringLiteral("Impossível excluir pessoa!\rExistem registros relacionados!"), TipoMensagem::Erro, BotaoMensagem::Ok,
                        {}, {}, this);
        }
        m_idPsoa = 0;
    }
    TfrmModDlgConfirmaCancela::reject();
}

} // namespace kelpa
