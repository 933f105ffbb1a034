#include "TFrmGridCadAtivos.h"

#include "TfrmAtivos.h"

namespace kelpa {

TFrmGridCadAtivos::TFrmGridCadAtivos(ContextoQuadro &contexto, QWidget *parent)
    : TfraCadastroBens(contexto, QStringLiteral("Cadastro de Ativos"),
                       {{QStringLiteral("Custódia"), 110}, {QStringLiteral("Código"), 160}, {QStringLiteral("Nome Bem"), 300}},
                       {QStringLiteral("Inclui ativo."), QStringLiteral("Exclui ativo."), QStringLiteral("Altera ativo.")},
                       QStringLiteral("O registro não pode ser excluído, pois seus dados estão sendo usados no quadro de Ativos Vinculados."),
                       parent)
    , m_ativos(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("FrmGridCadAtivos"));
}

QList<LinhaGrade> TFrmGridCadAtivos::leLinhas(const QDate &, int coluna, bool decrescente)
{
    m_lista = m_ativos.Lista(static_cast<Ativos::Coluna>(std::clamp(coluna, 0, 2)), decrescente);
    QList<LinhaGrade> linhas;
    for (const Ativo &a : std::as_const(m_lista))
        linhas.append({{a.nomeCustodia, a.codigo, a.nomeBem}, a.estadoTransmissao});
    return linhas;
}

void TFrmGridCadAtivos::incluiLinha()
{
    TfrmAtivos dialogo(contexto().db(), contexto().codOper(), {}, this);
    dialogo.exec();
}

void TFrmGridCadAtivos::editaLinha(int linha)
{
    TfrmAtivos dialogo(contexto().db(), contexto().codOper(), m_lista.at(linha).sequencia, this);
    dialogo.exec();
}

} // namespace kelpa
