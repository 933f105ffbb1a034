#include "DadosDependencia.h"

#include "BlocoEndereco.h"
#include "PainelDetalhe.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelpa {

DadosDependencia::DadosDependencia(QWidget *parent)
    : QWidget(parent)
{
    m_endereco = new PainelDetalhe(this);
    m_endereco->setObjectName(QStringLiteral("pnlEndereco"));
    m_endereco->adiciona(QStringLiteral("lblLogradouro"), QStringLiteral("Logradouro:"));
    m_endereco->adiciona(QStringLiteral("lblNumero"), QStringLiteral("Número:"));
    m_endereco->adiciona(QStringLiteral("lblComplemento"), QStringLiteral("Complemento:"));
    m_endereco->adiciona(QStringLiteral("lblBairro"), QStringLiteral("Bairro:"));
    m_endereco->adiciona(QStringLiteral("lblCEP"), QStringLiteral("CEP:"));
    m_endereco->adiciona(QStringLiteral("lblMunicipio"), QStringLiteral("Municipio:"));
    m_endereco->adiciona(QStringLiteral("lblEmail"), QStringLiteral("E-mail de contato:"));

    auto *grupoTelefones = new QGroupBox(QStringLiteral(" Telefone(s) "), this);
    m_telefones = criaGradeTelefones(grupoTelefones);
    m_telefones->setMaximumHeight(90);
    auto *layoutTelefones = new QVBoxLayout(grupoTelefones);
    layoutTelefones->addWidget(m_telefones);
    layoutTelefones->addStretch(1);

    auto *grupoFax = new QGroupBox(QStringLiteral("Fax"), this);
    m_exterior = new QCheckBox(QStringLiteral("Exterior"), grupoFax);
    m_exterior->setObjectName(QStringLiteral("chkExterior"));
    m_exterior->setEnabled(false);
    m_rotuloCodigoFax = new QLabel(QStringLiteral("DDD:"), grupoFax);
    m_rotuloCodigoFax->setObjectName(QStringLiteral("lblRotuloCodigoFax"));
    m_codigoFax = new QLabel(grupoFax);
    m_codigoFax->setObjectName(QStringLiteral("lblCodigoFax"));
    m_numeroFax = new QLabel(grupoFax);
    m_numeroFax->setObjectName(QStringLiteral("lblNumeroFax"));
    auto *layoutFax = new QVBoxLayout(grupoFax);
    layoutFax->addWidget(m_exterior);
    // Code and number one under the other: a number abroad is long.
    auto *linhasFax = new QGridLayout;
    linhasFax->addWidget(m_rotuloCodigoFax, 0, 0);
    linhasFax->addWidget(m_codigoFax, 0, 1);
    linhasFax->addWidget(new QLabel(QStringLiteral("Número:"), grupoFax), 1, 0);
    linhasFax->addWidget(m_numeroFax, 1, 1);
    linhasFax->setColumnStretch(1, 1);
    layoutFax->addLayout(linhasFax);
    layoutFax->addStretch(1);

    auto *contatos = new QHBoxLayout;
    contatos->addWidget(grupoTelefones, 3);
    contatos->addWidget(grupoFax, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_endereco);
    layout->addLayout(contatos);
}

QLabel *DadosDependencia::valor(const QString &nome) const
{
    return findChild<QLabel *>(nome);
}

void DadosDependencia::mostra(const QSqlDatabase &db, const QString &codOper, int idPsoa)
{
    CadastroPessoas pessoas(db, codOper);
    const std::optional<DadosPessoa> pessoa = idPsoa > 0 ? pessoas.Carrega(idPsoa) : std::nullopt;
    const DadosPessoa d = pessoa.value_or(DadosPessoa{});
    const QString cep = d.cep.size() == 8 ? d.cep.left(5) + QLatin1Char('-') + d.cep.mid(5) : d.cep;
    const QString municipio = d.nomeMunicipio.isEmpty() ? QString() : d.nomeMunicipio + QStringLiteral(" / ") + d.uf;
    m_endereco->mostra({d.logradouro, d.numero, d.complemento, d.bairro, cep, municipio, d.email});
    mostraTelefones(m_telefones, pessoa ? pessoas.Telefones(idPsoa, d.dataDados) : QList<Telefone>{});
    const bool exterior = pessoa && d.faxExterior && !d.faxCodigo.trimmed().isEmpty();
    m_exterior->setChecked(exterior);
    m_rotuloCodigoFax->setText(exterior ? QStringLiteral("DDI+") : QStringLiteral("DDD:"));
    m_codigoFax->setText(d.faxCodigo.trimmed());
    m_numeroFax->setText(d.faxNumero.trimmed());
}

} // namespace kelpa
