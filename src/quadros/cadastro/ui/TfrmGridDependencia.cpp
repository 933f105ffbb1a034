#include "TfrmGridDependencia.h"

#include "DadosDependencia.h"
#include "PainelDetalhe.h"
#include "TfrmCadastroDependencia.h"

#include "app/Utilitarios.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace kelpa {

TfrmGridDependencia::TfrmGridDependencia(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroGradeCadastro(contexto, QStringLiteral("Quadro 7: Dependências"),
                              {{QStringLiteral("CNPJ"), 150}, {QStringLiteral("Razão Social"), 300}, {QStringLiteral("Tipo"), 140}},
                              Dependencias::tabelas(),
                              {QStringLiteral("Inclui Dependência."), QStringLiteral("Exclui Dependência."),
                               QStringLiteral("Edita Dependência.")},
                              parent)
    , m_dependencias(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("frmGridDependencia"));
    setExcluiApenasNaoTransmitidas(true);
    auto *grupo = new QGroupBox(this);
    m_detalhe = new PainelDetalhe(grupo);
    m_detalhe->adiciona(QStringLiteral("lblRazaoSocial"), QStringLiteral("Razão Social:"));
    m_detalhe->adiciona(QStringLiteral("lblCNPJ"), QStringLiteral("CNPJ:"));
    m_detalhe->adiciona(QStringLiteral("lblTipo"), QStringLiteral("Tipo:"));
    m_dados = new DadosDependencia(grupo);
    auto *layout = new QVBoxLayout(grupo);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_detalhe);
    layout->addWidget(m_dados);
    areaAbaixo()->addWidget(grupo);
    setMinimumSize(660, 600);
}

QList<LinhaGrade> TfrmGridDependencia::leLinhas(const QDate &periodo, int coluna, bool decrescente)
{
    m_lista = m_dependencias.Lista(periodo, static_cast<Dependencias::Coluna>(std::clamp(coluna, 0, 2)), decrescente);
    QList<LinhaGrade> linhas;
    for (const Dependencia &d : std::as_const(m_lista))
        linhas.append({{FormataDocumento(d.cnpj), d.nome.toUpper(), d.nomeTipo}, d.estadoTransmissao});
    return linhas;
}

void TfrmGridDependencia::linhaAtualMudou(int linha)
{
    const Dependencia d = linha >= 0 && linha < m_lista.size() ? m_lista.at(linha) : Dependencia{};
    m_detalhe->mostra({d.nome.toUpper(), FormataDocumento(d.cnpj), d.nomeTipo});
    m_dados->mostra(contexto().db(), contexto().codOper(), d.idPsoa);
}

void TfrmGridDependencia::abreDialogo(int idPsoa)
{
    TfrmCadastroDependencia dialogo(contexto().db(), contexto().codOper(), periodoSelecionado(), this);
    dialogo.setPessoa(idPsoa);
    dialogo.exec();
}

void TfrmGridDependencia::incluiLinha()
{
    abreDialogo(0);
}

void TfrmGridDependencia::editaLinha(int linha)
{
    abreDialogo(m_lista.at(linha).idPsoa);
}

void TfrmGridDependencia::excluiLinha(int linha)
{
    m_dependencias.periodos().ExcluiPessoa(periodoSelecionado(), m_lista.at(linha).idPsoa);
}

} // namespace kelpa
