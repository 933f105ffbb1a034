#include "TfrmGridControladas.h"

#include "PainelDetalhe.h"
#include "TfrmCadControlada.h"

#include "app/Utilitarios.h"
#include "plataforma/FormatoBR.h"

#include <QVBoxLayout>

namespace kelpa {

namespace {
// The grid's columns and the order each one asks for ("%" orders nothing).
const ParticipacoesPeriodo::Ordem kOrdens[] = {ParticipacoesPeriodo::Ordem::Documento, ParticipacoesPeriodo::Ordem::Nome,
                                               ParticipacoesPeriodo::Ordem::Quantidade, ParticipacoesPeriodo::Ordem::RedePropria,
                                               ParticipacoesPeriodo::Ordem::Quantidade, ParticipacoesPeriodo::Ordem::TotalEmpresa};
} // namespace

TfrmGridControladas::TfrmGridControladas(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroGradeCadastro(contexto, QStringLiteral("Quadro 6: Controladas/Coligadas"),
                              {{QStringLiteral("CNPJ"), 140},
                               {QStringLiteral("Razão Social"), 330},
                               {QStringLiteral("%"), 80, true, false},
                               {QStringLiteral("R.Própria"), 70, false},
                               {QStringLiteral("Qtde."), 100, false},
                               {QStringLiteral("Total"), 100, false}},
                              Participadas::tabelas(),
                              {QStringLiteral("Inclui Controlada/Coligada."), QStringLiteral("Exclui Controlada/Coligada."),
                               QStringLiteral("Edita Controlada/Coligada.")},
                              parent)
    , m_participadas(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("frmGridControladas"));
    setExcluiApenasNaoTransmitidas(true);
    m_detalhe = new PainelDetalhe(this);
    m_detalhe->adiciona(QStringLiteral("lblRazaoSocial"), QStringLiteral("Razão Social:"));
    m_detalhe->adiciona(QStringLiteral("lblCNPJ"), QStringLiteral("CNPJ:"));
    m_detalhe->adiciona(QStringLiteral("lblQtde"), QStringLiteral("Qtde. de Ações/Quotas:"));
    m_detalhe->adiciona(QStringLiteral("lblTotal"), QStringLiteral("Nº Total de Ações/Quotas:"));
    areaAbaixo()->addWidget(m_detalhe);
}

QList<LinhaGrade> TfrmGridControladas::leLinhas(const QDate &periodo, int coluna, bool decrescente)
{
    m_lista = m_participadas.participacoes().Lista(periodo, kOrdens[std::clamp(coluna, 0, 5)], decrescente);
    QList<LinhaGrade> linhas;
    for (const Participacao &p : std::as_const(m_lista)) {
        const QString rede = p.redePropria == QLatin1String("T") ? QStringLiteral("Sim") : QStringLiteral("Não");
        linhas.append({{FormataDocumento(p.documento), p.nome.toUpper(), ParticipacoesPeriodo::Percentual(p.quantidade, p.totalEmpresa),
                        rede, FormatoBR::inteiro(p.quantidade), FormatoBR::inteiro(p.totalEmpresa)},
                       p.estadoTransmissao});
    }
    return linhas;
}

void TfrmGridControladas::linhaAtualMudou(int linha)
{
    if (linha < 0 || linha >= m_lista.size()) {
        m_detalhe->mostra({});
        return;
    }
    const Participacao &p = m_lista.at(linha);
    m_detalhe->mostra({p.nome.toUpper(), FormataDocumento(p.documento), FormatoBR::inteiro(p.quantidade),
                       FormatoBR::inteiro(p.totalEmpresa)});
}

void TfrmGridControladas::abreDialogo(const Participacao &linha)
{
    TfrmCadControlada dialogo(contexto().db(), contexto().codOper(), m_participadas.participacoes(), periodoSelecionado(), this);
    dialogo.setLinha(linha);
    dialogo.exec();
}

void TfrmGridControladas::incluiLinha()
{
    Participacao nova;
    nova.redePropria = QStringLiteral("F");
    abreDialogo(nova);
}

void TfrmGridControladas::editaLinha(int linha)
{
    abreDialogo(m_lista.at(linha));
}

void TfrmGridControladas::excluiLinha(int linha)
{
    m_participadas.periodos().ExcluiPessoa(periodoSelecionado(), m_lista.at(linha).idPsoa);
}

} // namespace kelpa
