#include "TFrameDistrIdadeSaldo.h"

#include "CabecalhoAgrupado.h"
#include "GradeValores.h"

#include "quadros/demonstracoes/IdadeSaldo.h"

#include <QHeaderView>

namespace kelpa {

TFrameDistrIdadeSaldo::TFrameDistrIdadeSaldo(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroEmPaginasDe(contexto, QStringLiteral("pgcIdadeSaldo"), parent)
{
    setObjectName(QStringLiteral("FrameDistrIdadeSaldo"));
    setTitulo(IdadeSaldo::Titulo);

    const bool operadoraDePlanos = contexto.estado.operadoraDePlanos();
    const QStringList nomes{QStringLiteral("CONTAS DE ATIVO"), QStringLiteral("CONTAS DE PASSIVO")};
    for (int pagina = 0; pagina < nomes.size(); ++pagina) {
        auto *modelo = new ModeloIdadeSaldo(pagina == 0, operadoraDePlanos, this);
        GradeValores *grade = novaPagina(nomes.at(pagina), modelo);
        grade->setObjectName(QStringLiteral("grdIdadeSaldo%1").arg(pagina));
        auto *cabecalho = new CabecalhoAgrupado(grade);
        grade->setHorizontalHeader(cabecalho);
        grade->setModel(modelo);
        grade->setOrdem(GradeValores::Ordem::ColunaPorColuna);
        cabecalho->setSectionResizeMode(QHeaderView::Stretch);
        grade->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (pagina == 0)
            m_cabecalhoAtivo = cabecalho;
    }
    concluiPaginas();
    // The main window widens its client area for this quadro; seven columns of
    // amounts in the millions need a little more than the 840 pixels of old.
    setMinimumSize(900, 470);
    aplicarRotulos();
}

void TFrameDistrIdadeSaldo::aplicarRotulos()
{
    const bool operadoraDePlanos = contexto().estado.operadoraDePlanos();
    for (ModeloValores *m : modelos())
        static_cast<ModeloIdadeSaldo *>(m)->setOperadoraDePlanos(operadoraDePlanos);
    m_cabecalhoAtivo->setGrupos({{0, 3, IdadeSaldo::tituloReceber(operadoraDePlanos), {}}});
}

void TFrameDistrIdadeSaldo::soltaDados(const QDate &trimestre)
{
    aplicarRotulos();
    TfraQuadroEmPaginasDe::soltaDados(trimestre);
    contexto().estado.setDtVigencia(trimestre);
}

void TFrameDistrIdadeSaldo::IncluiPeriodoFrame()
{
    if (incluiTrimestre(false))
        contexto().estado.setDtVigencia(NovaData());
}

void TFrameDistrIdadeSaldo::AlteraPeriodoFrame()
{
    contexto().estado.setDtVigencia(periodoSelecionado());
}

} // namespace kelpa
