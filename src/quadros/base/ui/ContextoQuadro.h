#pragma once

#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"

#include <QSqlDatabase>
#include <functional>

class QWidget;

namespace kelpa {

// What every quadro works with: the working state, the shared connection, and the
// main window's big notice that tells why a quadro cannot be used.
struct ContextoQuadro {
    EstadoTrabalho &estado;
    DtConexao &dados;
    // Shows `texto` in big red letters over `sobre` (empty text removes it).
    std::function<void(QWidget *sobre, const QString &texto)> exibeAviso;

    QSqlDatabase db() const { return dados.db(); }
    QString codOper() const { return estado.codOper(); }
};

} // namespace kelpa
