#include "RegistroQuadrosReceitasDespesas.h"

#include "TFrameReceitaSUS.h"
#include "TFrameReceitasDespesas.h"
#include "TFrameResumoLiquidos.h"
#include "TframeContraprestacoesLiquidas.h"
#include "TframeDespesas_Comercializacao.h"

#include "quadros/base/ui/RegistroQuadros.h"

namespace kelpa {

void registrarQuadrosReceitasDespesas()
{
    RegistroQuadros::registrar(9, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TframeContraprestacoesLiquidas(contexto, pai);
    });
    RegistroQuadros::registrar(10, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TframeDespesas_Comercializacao(contexto, pai);
    });
    RegistroQuadros::registrar(11, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TframeIndenizaveisLiquidos(contexto, pai);
    });
    RegistroQuadros::registrar(12, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameReceitasDespesas(contexto, pai);
    });
    RegistroQuadros::registrar(13, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameResumoLiquidos(contexto, pai);
    });
    RegistroQuadros::registrar(15, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameReceitaSUS(contexto, pai);
    });
}

} // namespace kelpa
