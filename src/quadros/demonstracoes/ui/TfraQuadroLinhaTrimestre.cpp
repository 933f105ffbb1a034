#include "TfraQuadroLinhaTrimestre.h"

#include <QToolButton>

namespace kelpa {

void TfraQuadroLinhaTrimestre::abreTrimestre()
{
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
    if (maisRecenteSelecionado())
        EditaPeriodoFrame();
    else
        HabilitaPeriodoFrame(false);
}

void TfraQuadroLinhaTrimestre::EditaPeriodoFrame()
{
    if (!temDados())
        return;
    setModoEdicao(true);
    HabilitaPeriodoFrame(true);
}

void TfraQuadroLinhaTrimestre::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!habilita && temDados() && !maisRecenteSelecionado());
    habilitaCampos(habilita);
}

bool TfraQuadroLinhaTrimestre::CriticaDados()
{
    // A failed write keeps the quadro open with what was typed.
    if (temDados() && editavel())
        gravaDados();
    return true;
}

} // namespace kelpa
