#include "ImpressaoSelecionada.h"

#include "RegistroRelatorios.h"

namespace kelpa::relatorios {

ImpressaoSelecionada ImpressaoSelecionada::preparar(const QList<OpcaoImpressao> &opcoes, const QSqlDatabase &db,
                                                     const QString &operadora, const QDate &data)
{
    ImpressaoSelecionada resultado;
    const QDateTime emissao = QDateTime::currentDateTime();
    QList<const FormaImpressao *> comDados;
    for (const OpcaoImpressao &opcao : opcoes) {
        const FormaImpressao *forma = RegistroRelatorios::localizar(opcao.chave);
        if (!forma)
            continue;
        // Each quadro read on its own, so that its own rule says whether it is named.
        ImpressaoComposta propria;
        forma->montar(propria);
        propria.carregar(db, operadora, data, emissao);
        if (propria.temDados())
            comDados << forma;
        else if (!RegistroRelatorios::mensagemSemDados(*forma, propria).isEmpty())
            resultado.m_semDados << opcao.legenda;
    }
    for (const FormaImpressao *forma : std::as_const(comDados))
        forma->montar(resultado.m_impressao);
    if (!comDados.isEmpty())
        resultado.m_impressao.carregar(db, operadora, data, emissao);
    return resultado;
}

} // namespace kelpa::relatorios
