#include "BaseDemonstracao.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

namespace kelpa {

void BaseDemonstracao::criar(const QSqlDatabase &db)
{
    const QString codigo = codigoOperadora();
    Consulta lista(db, QStringLiteral("SELECT NM_PSOA, CD_CPF_CNPJ FROM LISTAOPERADORAS WHERE CD_OPER = :CDOPER"));
    lista.bind(QStringLiteral(":CDOPER"), codigo);
    if (!lista.primeira())
        throw ErroBanco(QStringLiteral("A operadora de demonstração %1 não está na lista oficial.").arg(codigo));
    const QString nome = lista.texto(QStringLiteral("NM_PSOA"));
    const QString cnpj = lista.texto(QStringLiteral("CD_CPF_CNPJ"));

    Transacao transacao(db);
    Consulta(db, QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES (:CDOPER)"))
        .bind(QStringLiteral(":CDOPER"), codigo)
        .executar();
    Consulta(db, QStringLiteral("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, "
                                "LG_ESTRANGEIRO, LG_ALTR_TRAM) VALUES (:CDOPER, 0, 'J', :CNPJ, :NOME, 'N', 'N')"))
        .bind(QStringLiteral(":CDOPER"), codigo)
        .bind(QStringLiteral(":CNPJ"), cnpj)
        .bind(QStringLiteral(":NOME"), nome)
        .executar();
    transacao.confirmar();
}

} // namespace kelpa
