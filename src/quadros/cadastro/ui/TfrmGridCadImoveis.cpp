#include "TfrmGridCadImoveis.h"

#include "TfrmImoveis.h"

namespace kelpa {

TfrmGridCadImoveis::TfrmGridCadImoveis(ContextoQuadro &contexto, QWidget *parent)
    : TfraCadastroBens(contexto, QStringLiteral("Cadastro de Imóveis"), {{QStringLiteral("RGI"), 200}, {QStringLiteral("Nome Bem"), 300}},
                       {QStringLiteral("Inclui imóvel."), QStringLiteral("Exclui imóvel."), QStringLiteral("Altera imóvel.")},
                       // The regulator's text, as its users know it.
                       QStringLiteral("O registro não pode ser excluído, pois seus dadosestão sendo usados no quadro de Ativos Vinculados."),
                       parent)
    , m_imoveis(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("FrmGridCadImoveis"));
    setColunaOrdemInicial(1);
}

QList<LinhaGrade> TfrmGridCadImoveis::leLinhas(const QDate &, int coluna, bool decrescente)
{
    const Imoveis::Coluna ordem = coluna == 0 ? Imoveis::Coluna::Rgi : Imoveis::Coluna::NomeBem;
    m_lista = m_imoveis.Lista(ordem, decrescente);
    QList<LinhaGrade> linhas;
    for (const Imovel &i : std::as_const(m_lista))
        linhas.append({{i.rgi, i.nomeBem}, i.estadoTransmissao});
    return linhas;
}

void TfrmGridCadImoveis::incluiLinha()
{
    TfrmImoveis dialogo(contexto().db(), contexto().codOper(), {}, this);
    dialogo.exec();
}

void TfrmGridCadImoveis::editaLinha(int linha)
{
    TfrmImoveis dialogo(contexto().db(), contexto().codOper(), m_lista.at(linha).sequencia, this);
    dialogo.exec();
}

} // namespace kelpa
