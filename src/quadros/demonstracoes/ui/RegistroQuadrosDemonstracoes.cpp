#include "RegistroQuadrosDemonstracoes.h"

#include "TFrameDistrIdadeSaldo.h"
#include "TFrameFluxoCaixa.h"
#include "TFrameProvisoesTecnicas.h"
#include "TfraLucrosPrejuizos.h"
#include "TfraImpressaoTrimestre.h"
#include "TframeGridBalanco.h"
#include "TfrmInfoGerais.h"

#include "quadros/base/ui/RegistroQuadros.h"

namespace kelpa {

void registrarQuadrosDemonstracoes()
{
    RegistroQuadros::registrar(16, [](ContextoQuadro &contexto, const QString &tipoConta, QWidget *pai) {
        return new TframeGridBalanco(contexto, tipoConta, pai);
    });
    RegistroQuadros::registrar(18, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameImpDemonstracao(contexto, pai);
    });
    RegistroQuadros::registrar(19, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameProvisoesTecnicas(contexto, pai);
    });
    RegistroQuadros::registrar(26, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TfrmInfoGerais(contexto, pai);
    });
    RegistroQuadros::registrar(77, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TfraLucrosPrejuizos(contexto, pai);
    });
    RegistroQuadros::registrar(78, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameFluxoCaixa(contexto, pai);
    });
    RegistroQuadros::registrar(79, [](ContextoQuadro &contexto, const QString &, QWidget *pai) {
        return new TFrameDistrIdadeSaldo(contexto, pai);
    });
}

} // namespace kelpa
