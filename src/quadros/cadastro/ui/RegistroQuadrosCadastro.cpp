#include "RegistroQuadrosCadastro.h"

#include "TFrameCadBasico.h"
#include "TFrameCadComplemento.h"
#include "TframeGrid_Administrador.h"
#include "TfrmCadRepresentante.h"
#include "TfrmImpressaoDadosCadastrais.h"

#include "quadros/base/ui/RegistroQuadros.h"

namespace kelpa {

void registrarQuadrosCadastro()
{
    RegistroQuadros::registrar(1, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadComplemento(c, pai); });
    RegistroQuadros::registrar(2, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadBasico(c, pai); });
    RegistroQuadros::registrar(3, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TframeGrid_Administrador(c, pai); });
    RegistroQuadros::registrar(4, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmCadRepresentante(c, pai); });
    RegistroQuadros::registrar(8, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmImpressaoDadosCadastrais(c, pai); });
}

} // namespace kelpa
