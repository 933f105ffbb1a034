#pragma once

#include "DtConexao.h"
#include "EstadoTrabalho.h"

#include <QString>

namespace kelpa {

// The start-up decisions of the desktop program, kept apart from the windows so
// that they can be tested: the configuration file, the database directory and
// whether the operator must be chosen.
class Inicializacao
{
public:
    struct Configuracao {
        bool iniCriado = false;     // Kelpa.ini was missing and has been written
        bool pedirDiretorio = false; // the directory holds no database: ask for one
    };

    // Writes the default Kelpa.ini when missing, reads it, and tells whether the
    // configured directory holds a database.
    static Configuracao prepararConfiguracao(EstadoTrabalho &estado, const QString &caminhoIni,
                                             const QString &homePrograma);
    static bool diretorioTemBase(const QString &diretorio);
    // The operator dialog opens when no operator is configured or the configured
    // one has no own person row.
    static bool precisaEscolherOperadora(const QString &operadoraConfigurada, const IdentidadeOperadora &encontrada);
};

} // namespace kelpa
