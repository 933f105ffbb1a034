#include "TfrmImoveis.h"

#include "BlocoEndereco.h"
#include "TfrmListaMunicipio.h"
#include "ValidadorCampo.h"

#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace kelpa {

namespace {
const QString kCidadeNaoEncontrada = QStringLiteral("Município não encontrado!\rDigite nome correto!");

QLineEdit *caixa(QWidget *pai, const QString &nome, const QString &dica)
{
    auto *c = new QLineEdit(pai);
    c->setObjectName(nome);
    c->setToolTip(dica);
    return c;
}

// The area as typed: no thousands dot, which the box does not take.
QString textoArea(const std::optional<double> &area)
{
    return area ? QString::number(*area, 'f', 2).replace(u'.', u',') : QString();
}
} // namespace

TfrmImoveis::TfrmImoveis(const QSqlDatabase &db, const QString &codOper, const QString &sequencia, QWidget *parent)
    : TfrmDlgLinhaCadastro(parent)
    , m_db(db)
    , m_imoveis(db, codOper)
    , m_sequencia(sequencia)
{
    setObjectName(QStringLiteral("frmImoveis"));
    setWindowTitle(QStringLiteral("Cadastro de Imóveis"));
    setMostraMensagem(false);
    setMensagemDataInvalida(QStringLiteral("Data Inválida."));
    QWidget *area = areaConteudo();

    m_rgi = caixa(area, QStringLiteral("edtRGI"), QStringLiteral("Nº de inscrição do imóvel no Registro Geral de Imóveis. "));
    ValidadorCampo::digitos(m_rgi, 50);
    m_cartorio = caixa(area, QStringLiteral("edtCartorio"), QStringLiteral("Denominação do Cartório de Registro de Imóveis."));
    ValidadorCampo::maiusculas(m_cartorio, 50);
    m_area = caixa(area, QStringLiteral("edtArea"), QStringLiteral("Área construída do Imóvel - m²."));
    ValidadorCampo::valores(m_area, 9);
    m_area->setAlignment(Qt::AlignRight);
    m_area->setFixedWidth(110);
    m_bem = new QComboBox(area);
    m_bem->setObjectName(QStringLiteral("cmbBem"));
    m_bem->setToolTip(QStringLiteral("Código e Nome do bem de acordo com a codificação da QOR."));
    for (const TipoBem &t : m_imoveis.TiposImovel())
        m_bem->addItem(t.texto(), t.codigo);
    m_bem->setCurrentIndex(-1);
    m_aquisicao = novoCampoData(area, QStringLiteral("edtAquisicao"), QStringLiteral("Data de aquisição do imóvel."));
    m_venda = novoCampoData(area, QStringLiteral("edtVenda"), QStringLiteral("Data de venda do imóvel."));
    m_avaliacao = novoCampoData(area, QStringLiteral("edtAvaliacao"), QStringLiteral("Data da última avaliação do imóvel."));

    auto *grupoRede = new QGroupBox(QStringLiteral("Rede Própria Hospitalar?"), area);
    m_sim = new QRadioButton(QStringLiteral("Sim"), grupoRede);
    m_sim->setObjectName(QStringLiteral("rbSim"));
    m_nao = new QRadioButton(QStringLiteral("Não"), grupoRede);
    m_nao->setObjectName(QStringLiteral("rbNao"));
    auto *botoesRede = new QButtonGroup(this);
    botoesRede->addButton(m_sim);
    botoesRede->addButton(m_nao);
    auto *layoutRede = new QHBoxLayout(grupoRede);
    layoutRede->addWidget(m_sim);
    layoutRede->addWidget(m_nao);
    layoutRede->addStretch(1);
    grupoRede->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *grupoEndereco = new QGroupBox(QStringLiteral(" Endereço "), area);
    m_endereco = caixa(grupoEndereco, QStringLiteral("edtEndereco"), QStringLiteral("Endereço do imóvel."));
    ValidadorCampo::maiusculas(m_endereco, 80);
    m_bairro = caixa(grupoEndereco, QStringLiteral("edtBairro"), QStringLiteral("Bairro do imóvel."));
    ValidadorCampo::maiusculas(m_bairro, 20);
    m_cep = caixa(grupoEndereco, QStringLiteral("edtCEP"), QStringLiteral("CEP do imóvel, com 8 dígitos."));
    m_cep->setInputMask(QStringLiteral("00000-000;_"));
    m_cep->setFixedWidth(90);
    m_cidade = caixa(grupoEndereco, QStringLiteral("edtCidade"),
                     QStringLiteral("Município do imóvel: digite o nome ou escolha na lista pelo botão ao lado."));
    m_btnCidade = botaoSelecao(grupoEndereco, QStringLiteral("btnCidade"));
    m_uf = caixa(grupoEndereco, QStringLiteral("edtUF"), QStringLiteral("Estado do município."));
    m_uf->setReadOnly(true);
    m_uf->setFocusPolicy(Qt::NoFocus);
    m_uf->setFixedWidth(40);
    auto *layoutEndereco = new QGridLayout(grupoEndereco);
    layoutEndereco->addWidget(new QLabel(QStringLiteral("Endereço :"), grupoEndereco), 0, 0);
    layoutEndereco->addWidget(m_endereco, 0, 1, 1, 4);
    layoutEndereco->addWidget(new QLabel(QStringLiteral("Bairro :"), grupoEndereco), 1, 0);
    layoutEndereco->addWidget(m_bairro, 1, 1);
    layoutEndereco->addWidget(rotuloCampo(QStringLiteral("CEP :"), true, grupoEndereco), 1, 2);
    layoutEndereco->addWidget(m_cep, 1, 3, 1, 2, Qt::AlignLeft);
    layoutEndereco->addWidget(new QLabel(QStringLiteral("Cidade :"), grupoEndereco), 2, 0);
    auto *linhaCidade = new QHBoxLayout;
    linhaCidade->addWidget(m_cidade, 1);
    linhaCidade->addWidget(m_btnCidade);
    layoutEndereco->addLayout(linhaCidade, 2, 1);
    layoutEndereco->addWidget(new QLabel(QStringLiteral("UF :"), grupoEndereco), 2, 2);
    layoutEndereco->addWidget(m_uf, 2, 3, Qt::AlignLeft);
    layoutEndereco->setColumnStretch(1, 1);
    grupoEndereco->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *grade = new QGridLayout(area);
    grade->setContentsMargins(12, 12, 12, 8);
    grade->setVerticalSpacing(8);
    grade->addWidget(rotuloCampo(QStringLiteral("RGI :"), true, area), 0, 0);
    grade->addWidget(m_rgi, 0, 1);
    grade->addWidget(new QLabel(QStringLiteral("Nome do Cartório :"), area), 1, 0);
    grade->addWidget(m_cartorio, 1, 1, 1, 3);
    grade->addWidget(new QLabel(QStringLiteral("Área do Imóvel :"), area), 0, 2);
    grade->addWidget(m_area, 0, 3, Qt::AlignLeft);
    grade->addWidget(rotuloCampo(QStringLiteral("Código e Nome do Bem :"), true, area), 2, 0);
    grade->addWidget(m_bem, 2, 1, 1, 3);
    auto *datas = new QHBoxLayout;
    for (const auto &[rotulo, campo] : {std::pair{QStringLiteral("Dt. de Aquisição :"), m_aquisicao},
                                        std::pair{QStringLiteral("Dt. de Venda :"), m_venda},
                                        std::pair{QStringLiteral("Última Avaliação :"), m_avaliacao}}) {
        datas->addWidget(new QLabel(rotulo, area));
        datas->addSpacing(4);
        datas->addWidget(campo);
        datas->addSpacing(14);
    }
    datas->addStretch(1);
    grade->addLayout(datas, 3, 0, 1, 4);
    grade->addWidget(grupoRede, 4, 0, 1, 4);
    grade->addWidget(grupoEndereco, 5, 0, 1, 4);
    grade->setColumnStretch(1, 1);
    grade->setColumnStretch(3, 1);
    grade->setRowStretch(6, 1);
    resize(660, 420);

    for (QLineEdit *campo : {m_rgi, m_cartorio, m_area, m_aquisicao, m_venda, m_avaliacao, m_endereco, m_bairro, m_cep, m_cidade})
        vigia(campo);
    vigia(m_bem);
    connect(botoesRede, &QButtonGroup::buttonClicked, this, &TfrmImoveis::alterado);
    for (QLineEdit *campo : {m_aquisicao, m_venda, m_avaliacao})
        conferirDataAoSair(campo);
    connect(m_btnCidade, &QToolButton::clicked, this, &TfrmImoveis::escolheCidade);
    connect(m_cidade, &QLineEdit::editingFinished, this, [this] {
        // Leaving towards Cancel is not a reason to complain about the name.
        if (QApplication::focusWidget() != btnDesfaz() && isVisible() && result() == 0)
            procuraCidade();
    });
}

void TfrmImoveis::abrir()
{
    m_imovel = Imovel{};
    if (!m_sequencia.isEmpty()) {
        if (const auto gravado = m_imoveis.Carrega(m_sequencia))
            m_imovel = *gravado;
    }
    m_rgi->setText(m_imovel.rgi);
    m_cartorio->setText(m_imovel.cartorio);
    m_area->setText(textoArea(m_imovel.area));
    m_bem->setCurrentIndex(m_bem->findData(m_imovel.bem));
    mostraData(m_aquisicao, m_imovel.aquisicao);
    mostraData(m_venda, m_imovel.venda);
    mostraData(m_avaliacao, m_imovel.ultimaAvaliacao);
    (m_imovel.redePropria ? m_sim : m_nao)->setChecked(true);
    m_endereco->setText(m_imovel.endereco);
    m_bairro->setText(m_imovel.bairro);
    m_cep->setText(m_imovel.cep);
    mostraCidade();
}

void TfrmImoveis::mostraCidade()
{
    m_cidade->setText(m_imovel.municipio.nome);
    m_uf->setText(m_imovel.municipio.uf);
}

bool TfrmImoveis::localizaCidade()
{
    const QString nome = m_cidade->text().trimmed();
    if (nome.isEmpty())
        m_imovel.municipio = {};
    else if (m_imovel.municipio.id > 0 && nome == m_imovel.municipio.nome)
        return true;
    else if (const auto achado = Municipios::PorNome(m_db, nome))
        m_imovel.municipio = *achado;
    else {
        m_imovel.municipio = {};
        m_uf->clear();
        return false;
    }
    mostraCidade();
    return true;
}

bool TfrmImoveis::procuraCidade()
{
    if (localizaCidade())
        return true;
    MensagemDlg(kCidadeNaoEncontrada, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    m_cidade->setFocus();
    return false;
}

void TfrmImoveis::escolheCidade()
{
    TfrmListaMunicipio lista(m_db, m_imovel.municipio.uf.isEmpty() ? QStringLiteral("AC") : m_imovel.municipio.uf, this);
    if (lista.exec() == QDialog::Accepted) {
        if (const auto escolhido = lista.escolhido()) {
            m_imovel.municipio = *escolhido;
            mostraCidade();
            alterado();
        }
    }
    m_rgi->setFocus();
}

void TfrmImoveis::leCampos()
{
    m_imovel.rgi = m_rgi->text().trimmed();
    m_imovel.cartorio = m_cartorio->text().trimmed();
    m_imovel.area = FormatoBR::lerValor(m_area->text());
    m_imovel.bem = m_bem->currentIndex() >= 0 ? m_bem->currentData().toString() : QString();
    m_imovel.aquisicao = dataDoCampo(m_aquisicao);
    m_imovel.venda = dataDoCampo(m_venda);
    m_imovel.ultimaAvaliacao = dataDoCampo(m_avaliacao);
    m_imovel.redePropria = m_sim->isChecked();
    m_imovel.endereco = m_endereco->text().trimmed();
    m_imovel.bairro = m_bairro->text().trimmed();
    m_imovel.cep = soDigitos(m_cep->text());
}

QString TfrmImoveis::erroValores()
{
    leCampos();
    const QString erro = Imoveis::Erro(m_imovel);
    if (!erro.isEmpty()) {
        QLineEdit *campo = m_imovel.cep.size() != 8 ? m_cep : m_imovel.rgi.isEmpty() ? m_rgi : nullptr;
        if (campo)
            campo->setFocus();
        else
            m_bem->setFocus();
        return erro;
    }
    // A name typed and confirmed at once is looked up before anything is stored.
    if (localizaCidade())
        return {};
    m_cidade->setFocus();
    return kCidadeNaoEncontrada;
}

void TfrmImoveis::gravar()
{
    m_imoveis.Grava(m_imovel);
}

QWidget *TfrmImoveis::campoInicial() const
{
    return m_rgi;
}

} // namespace kelpa
