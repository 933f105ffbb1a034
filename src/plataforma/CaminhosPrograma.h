#pragma once

#include <QString>

namespace kelpa {

// Where the program keeps Kelpa.ini, the export definitions and its temporary files:
// the directory given with --home or KELPA_HOME, else the executable's directory
// when it is writable, else the user's data directory.
class CaminhosPrograma
{
public:
    // Called once by each program before anything reads a path. An empty text means "decide".
    static void definirHome(const QString &homeExplicito);
    static QString home(); // always ends with "/"

    // The path of `nome` inside `diretorio`, matching the name without regard to case
    // (files copied from Windows arrive as KELPA.INI); `diretorio/nome` when none exists.
    static QString localizar(const QString &diretorio, const QString &nome);
    static bool existe(const QString &diretorio, const QString &nome);

    static QString arquivoIni();      // home + "Kelpa.ini", as found

    // Qt wants a private runtime directory even off-screen; give it one quietly when
    // the session has none (services, CI).
    static void garantirDiretorioExecucao();
    static QString nomeBanco();       // "Kelpa.db"
    static QString nomeArquivoIni();  // "Kelpa.ini"
};

} // namespace kelpa
