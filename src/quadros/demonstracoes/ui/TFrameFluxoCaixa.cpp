#include "TFrameFluxoCaixa.h"

#include "GradeValores.h"

#include "quadros/demonstracoes/FluxoCaixa.h"

#include <QHeaderView>

namespace kelpa {

TFrameFluxoCaixa::TFrameFluxoCaixa(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroEmPaginasDe(contexto, QStringLiteral("pgAtividades"), parent)
{
    setObjectName(QStringLiteral("FrameFluxoCaixa"));
    setTitulo(FluxoCaixa::Titulo);

    const QStringList nomes{QStringLiteral("Modo Sintético"), QStringLiteral("Atividades Operacionais"),
                            QStringLiteral("Atividades de Investimento"), QStringLiteral("Atividades de Financiamento")};
    for (int pagina = 0; pagina < nomes.size(); ++pagina) {
        auto *modelo = new ModeloFluxoCaixa(ModeloFluxoCaixa::titulosDaPagina(pagina), ModeloFluxoCaixa::linhasDaPagina(pagina), this);
        GradeValores *grade = novaPagina(nomes.at(pagina), modelo);
        grade->setObjectName(QStringLiteral("grdPagina%1").arg(pagina));
        grade->setModel(modelo);
        grade->verticalHeader()->hide();
        grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < modelo->columnCount(); ++c) {
            grade->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Fixed);
            grade->horizontalHeader()->resizeSection(c, 130);
        }
        if (pagina > 0)
            grade->horizontalHeader()->hide();
    }
    concluiPaginas();
    // Wide enough for the four page tabs side by side.
    setMinimumWidth(720);
}

void TFrameFluxoCaixa::soltaDados(const QDate &trimestre)
{
    TfraQuadroEmPaginasDe::soltaDados(trimestre);
    m_trimestre = trimestre;
}

void TFrameFluxoCaixa::IncluiPeriodoFrame()
{
    incluiTrimestre(false);
}

void TFrameFluxoCaixa::AlteraPeriodoFrame()
{
    m_trimestre = periodoSelecionado();
}

} // namespace kelpa
