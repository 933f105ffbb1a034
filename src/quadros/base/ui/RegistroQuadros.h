#pragma once

#include "ContextoQuadro.h"

#include <QMap>
#include <QString>
#include <functional>

class QWidget;

namespace kelpa {

class TfraModeloQuadroPeriodo;

// Which frame each quadro number opens. Every library of quadros registers its
// frames once at start (the program calls their registration functions), so the
// host needs to know none of them.
class RegistroQuadros
{
public:
    // `tipoConta` is "A", "P" or "R" for the statements grid, empty otherwise.
    using Fabrica = std::function<TfraModeloQuadroPeriodo *(ContextoQuadro &, const QString &tipoConta, QWidget *pai)>;

    static void registrar(int numero, Fabrica fabrica);
    static bool disponivel(int numero);
    static TfraModeloQuadroPeriodo *criar(int numero, ContextoQuadro &contexto, const QString &tipoConta, QWidget *pai);
    static void limpar(); // for tests

    static QString mensagemIndisponivel();

private:
    static QMap<int, Fabrica> &fabricas();
};

} // namespace kelpa
