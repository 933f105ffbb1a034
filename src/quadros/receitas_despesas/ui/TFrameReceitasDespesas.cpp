#include "TFrameReceitasDespesas.h"

namespace kelpa {

TFrameReceitasDespesas::TFrameReceitasDespesas(ContextoQuadro &contexto, QWidget *parent)
    : TfraImpressaoTrimestre(
          contexto, QStringLiteral("Impressão de Receitas e Despesas"),
          {{QStringLiteral("Quadro 8: Contraprestações/Prêmios do Trimestre"),
            QStringLiteral("Exibe relatório de Contraprestações Líquidas \r\nbaseado no período selecionado."), QStringLiteral("8")},
           {QStringLiteral("Quadro 8A: Receitas Provenientes do SUS do Trimestre"),
            QStringLiteral("Exibe relatório de Receitas Provenientes do SUS\r\nbaseado no período selecionado."), QStringLiteral("8A"),
            true},
           {QStringLiteral("Quadro 9: Eventos/Sinistros do Trimestre"),
            QStringLiteral("Exibe relatório de Eventos Indenizáveis Líquidos e Sinistros\r\nbaseado no período selecionado."),
            QStringLiteral("9")},
           {QStringLiteral("Quadro 9A: Resumo Eventos Indenizáveis Líquidos do Trimestre"),
            QStringLiteral("Exibe relatório de Resumo de Eventos Indenizáveis Líquidos\r\nbaseado no período selecionado."),
            QStringLiteral("9A"), true},
           {QStringLiteral("Quadro 10: Despesas de Comercialização do Trimestre"),
            QStringLiteral("Exibe relatório de Despesas de Comercialização\r\nbaseado no período selecionado."), QStringLiteral("10")}},
          QStringLiteral("Selecione um Relatório "), QStringLiteral("\r"), parent)
{
    setObjectName(QStringLiteral("FrameReceitasDespesas"));
}

} // namespace kelpa
