#include "RegistroQuadrosCadastro.h"

#include "TFrameCadBasico.h"
#include "TFrameCadComplemento.h"
#include "TFrmGridCadAtivos.h"
#include "TframeGrid_Administrador.h"
#include "TfrmCadRepresentante.h"
#include "TfrmGridAcionistas.h"
#include "TfrmGridControladas.h"
#include "TfrmGridCadImoveis.h"
#include "TfrmGridDependencia.h"
#include "TfrmImpressaoDadosCadastrais.h"

#include "quadros/base/ui/RegistroQuadros.h"

namespace kelpa {

void registrarQuadrosCadastro()
{
    RegistroQuadros::registrar(1, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadComplemento(c, pai); });
    RegistroQuadros::registrar(2, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrameCadBasico(c, pai); });
    RegistroQuadros::registrar(3, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TframeGrid_Administrador(c, pai); });
    RegistroQuadros::registrar(4, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmCadRepresentante(c, pai); });
    RegistroQuadros::registrar(5, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmGridAcionistas(c, pai); });
    RegistroQuadros::registrar(6, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmGridControladas(c, pai); });
    RegistroQuadros::registrar(7, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmGridDependencia(c, pai); });
    RegistroQuadros::registrar(8, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmImpressaoDadosCadastrais(c, pai); });
    RegistroQuadros::registrar(22, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TFrmGridCadAtivos(c, pai); });
    RegistroQuadros::registrar(23, [](ContextoQuadro &c, const QString &, QWidget *pai) { return new TfrmGridCadImoveis(c, pai); });
}

} // namespace kelpa
