#include "Inicializacao.h"

#include "plataforma/CaminhosPrograma.h"

namespace kelpa {

Inicializacao::Configuracao Inicializacao::prepararConfiguracao(EstadoTrabalho &estado, const QString &caminhoIni,
                                                                const QString &homePrograma)
{
    Configuracao resultado;
    resultado.iniCriado = kelpa::Configuracao::garantirArquivo(caminhoIni, homePrograma);
    estado.configuracao().LeConfiguracao(caminhoIni);
    resultado.pedirDiretorio = !diretorioTemBase(estado.diretorioBase());
    return resultado;
}

bool Inicializacao::diretorioTemBase(const QString &diretorio)
{
    return !diretorio.isEmpty() && CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco());
}

bool Inicializacao::precisaEscolherOperadora(const QString &operadoraConfigurada, const IdentidadeOperadora &encontrada)
{
    return operadoraConfigurada.isEmpty() || operadoraConfigurada != encontrada.codigo;
}

} // namespace kelpa
