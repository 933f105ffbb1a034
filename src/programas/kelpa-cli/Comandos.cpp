#include "Comandos.h"

namespace kelpa::cli {

const QList<Comando> &comandos()
{
    static const QList<Comando> lista = {
        {"init", "[--demo]", "cria Kelpa.db no diretório da base (--demo: com uma operadora de demonstração)", comandoInit},
        {"info", "", "mostra a versão da base e as operadoras cadastradas", comandoInfo},
    };
    return lista;
}

} // namespace kelpa::cli
