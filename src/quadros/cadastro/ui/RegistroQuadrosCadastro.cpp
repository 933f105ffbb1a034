#include "RegistroQuadrosCadastro.h"

#include "TFrameCadBasico.h"
#include "TFrameCadComplemento.h"

#include "quadros/base/ui/RegistroQuadros.h"

namespace kelpa {

void registrarQuadrosCadastro()
{
    RegistroQuadros::registrar(1, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadComplemento(c, pai); });
    RegistroQuadros::registrar(2, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadBasico(c, pai); });
}

} // namespace kelpa
