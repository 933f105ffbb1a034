#include "BaseDemonstracao.h"

#include "CadastroOperadoras.h"

#include "app/banco/ErroBanco.h"

namespace kelpa {

void BaseDemonstracao::criar(const QSqlDatabase &db)
{
    const QString codigo = codigoOperadora();
    CadastroOperadoras operadoras(db);
    const auto resultado = operadoras.registrar(codigo, codigo);
    if (resultado != CadastroOperadoras::ResultadoRegistro::Registrada)
        throw ErroBanco(QStringLiteral("A operadora de demonstração %1 não pôde ser cadastrada: %2")
                            .arg(codigo, CadastroOperadoras::mensagem(resultado)));
}

} // namespace kelpa
