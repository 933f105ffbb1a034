#include "TfrmCadastroDependencia.h"

#include "CampoPessoaCadastro.h"
#include "DadosDependencia.h"
#include "TfrmCadastroPessoa.h"

#include "app/Utilitarios.h"
#include "app/ui/MensagemDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {
CampoPessoaCadastro::Opcoes opcoesDependencia()
{
    CampoPessoaCadastro::Opcoes o;
    o.filtro = CadastroPessoas::FiltroTipo::Juridicas;
    o.filtroCriacao = CadastroPessoas::FiltroTipo::Juridicas;
    o.disposicao = TfrmCadastroPessoa::Dependencias;
    o.dicaNome = QStringLiteral("Razão / Denominação Social da Dependência da operadora. \nPara incluir, click no botão '+'.");
    o.dicaIncluir = QStringLiteral("Inclui Pessoa Jurídica.");
    o.dicaEditar = QStringLiteral("Edita dados pessoa jurídica.");
    o.mensagemListaVazia = QStringLiteral("Não há Pessoas Jurídicas cadastradas para selecionar!!!");
    o.mensagemNaoEncontrada = QStringLiteral("Pessoa não Cadastrada");
    o.tipoNaoEncontrada = TipoMensagem::Cuidado;
    return o;
}
} // namespace

TfrmCadastroDependencia::TfrmCadastroDependencia(const QSqlDatabase &db, const QString &codOper, const QDate &periodo, QWidget *parent)
    : TfrmDlgLinhaCadastro(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_dependencias(db, codOper)
    , m_periodo(periodo)
{
    setObjectName(QStringLiteral("frmCadastroDependencia"));
    setWindowTitle(QStringLiteral("Cadastro de Dependência"));
    setMostraMensagem(false);
    QWidget *area = areaConteudo();

    m_pessoa = new CampoPessoaCadastro(db, codOper, opcoesDependencia(), area);
    m_pessoa->setObjectName(QStringLiteral("CmbRazaoSocial"));
    m_pessoa->setBotaoCancelar(btnDesfaz());
    m_cnpj = new QLineEdit(area);
    m_cnpj->setObjectName(QStringLiteral("EdtCNPJ"));
    m_cnpj->setReadOnly(true);
    m_cnpj->setFocusPolicy(Qt::NoFocus);
    m_cnpj->setFixedWidth(160);
    m_tipo = new QComboBox(area);
    m_tipo->setObjectName(QStringLiteral("CmbTipo"));
    m_tipo->setMaxVisibleItems(8);
    m_tipo->setToolTip(QStringLiteral("Tipo de dependência que a operadora possui."));
    for (const auto &tipo : m_dependencias.Tipos())
        m_tipo->addItem(tipo.second, tipo.first);
    m_tipo->setCurrentIndex(-1);

    auto *grupoEndereco = new QGroupBox(QStringLiteral(" Endereço "), area);
    m_dados = new DadosDependencia(grupoEndereco);
    auto *layoutEndereco = new QVBoxLayout(grupoEndereco);
    layoutEndereco->addWidget(m_dados);

    auto *grade = new QGridLayout(area);
    grade->setContentsMargins(12, 12, 12, 8);
    grade->setVerticalSpacing(8);
    grade->addWidget(rotuloCampo(QStringLiteral("Razão Social:"), true, area), 0, 0);
    grade->addWidget(m_pessoa, 0, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("CNPJ:"), false, area), 1, 0);
    grade->addWidget(m_cnpj, 1, 1, Qt::AlignLeft);
    grade->addWidget(rotuloCampo(QStringLiteral("Tipo:"), true, area), 2, 0);
    grade->addWidget(m_tipo, 2, 1, Qt::AlignLeft);
    grade->addWidget(grupoEndereco, 3, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    resize(620, 520);

    vigia(m_pessoa->nome());
    vigia(m_tipo);
    connect(m_pessoa, &CampoPessoaCadastro::escolhida, this, [this](const ItemPessoa &p) {
        m_dependencia.idPsoa = p.idPsoa;
        m_dependencia.nome = p.nome;
        m_dependencia.cnpj = p.documento;
        mostraPessoa();
        alterado();
    });
}

void TfrmCadastroDependencia::abrir()
{
    m_dependencia = Dependencia{};
    if (m_idPsoa > 0) {
        if (const auto gravada = m_dependencias.Carrega(m_periodo, m_idPsoa))
            m_dependencia = *gravada;
    }
    const bool existente = m_dependencia.idPsoa > 0;
    m_pessoa->mostra(existente ? std::optional<ItemPessoa>(ItemPessoa{m_dependencia.idPsoa, m_dependencia.nome, m_dependencia.cnpj,
                                                                       QStringLiteral("J")})
                               : std::nullopt);
    m_pessoa->setPessoaFixa(existente);
    m_tipo->setCurrentIndex(m_tipo->findData(m_dependencia.tipo));
    mostraPessoa();
}

void TfrmCadastroDependencia::mostraPessoa()
{
    m_cnpj->setText(FormataDocumento(m_dependencia.cnpj));
    m_dados->mostra(m_db, m_codOper, m_dependencia.idPsoa);
}

QStringList TfrmCadastroDependencia::itensFaltantes()
{
    m_pessoa->procuraDigitado();
    if (m_pessoa->idPsoa() <= 0)
        m_dependencia.nome.clear();
    m_dependencia.idPsoa = m_pessoa->idPsoa();
    m_dependencia.tipo = m_tipo->currentIndex() >= 0 ? m_tipo->currentData().toInt() : 0;
    return Dependencias::ItensFaltantes(m_dependencia);
}

void TfrmCadastroDependencia::gravar()
{
    if (m_dependencias.Grava(m_periodo, m_dependencia, m_idPsoa <= 0))
        return;
    MensagemDlg(QStringLiteral("Esta Pessoa já está cadastrada"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    m_pessoa->mostra(std::nullopt);
    const int tipo = m_dependencia.tipo;
    m_dependencia = Dependencia{};
    m_dependencia.tipo = tipo;
    mostraPessoa();
    m_pessoa->nome()->setFocus();
    permanecerAberto();
}

QWidget *TfrmCadastroDependencia::campoInicial() const
{
    return m_idPsoa > 0 ? static_cast<QWidget *>(m_tipo) : m_pessoa->nome();
}

} // namespace kelpa
