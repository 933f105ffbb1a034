#include "ImpressaoSelecionada.h"

#include "RegistroRelatorios.h"

namespace kelpa::relatorios {

ImpressaoSelecionada ImpressaoSelecionada::preparar(const QList<OpcaoImpressao> &opcoes, const QSqlDatabase &db,
                                                     const QString &operadora, const QDate &data)
{
    ImpressaoSelecionada resultado;
    const QDateTime emissao = QDateTime::currentDateTime();
    for (const OpcaoImpressao &opcao : opcoes) {
        const FormaImpressao *forma = RegistroRelatorios::localizar(opcao.chave);
        if (!forma)
            continue;
        // Each quadro read on its own, so that its own rule says whether it is named;
        // the reports read go into the document as they are.
        ImpressaoComposta propria;
        forma->montar(propria);
        propria.carregar(db, operadora, data, emissao);
        if (propria.temDados())
            resultado.m_impressao.adicionar(std::move(propria));
        else if (!RegistroRelatorios::mensagemSemDados(*forma, propria).isEmpty())
            resultado.m_semDados << opcao.legenda;
    }
    return resultado;
}

} // namespace kelpa::relatorios
