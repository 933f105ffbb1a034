#include "CabecalhoArquivo.h"

#include "app/banco/Consulta.h"

namespace kelpa::CabecalhoArquivo {

QString codigoSemMascara(const QString &codigoOperadora)
{
    return QString(codigoOperadora).remove(u'-');
}

std::optional<QString> texto(const QSqlDatabase &db, const QString &codigoOperadora)
{
    const QString codigo = codigoSemMascara(codigoOperadora);
    Consulta pessoa(db, QStringLiteral("SELECT CD_CPF_CNPJ, NM_PSOA FROM PESSOAS\n"
                                       "WHERE CD_OPER = :CDOPER AND ID_PSOA = 0"));
    pessoa.bind(QStringLiteral(":CDOPER"), codigo);
    if (!pessoa.primeira())
        return std::nullopt;
    QString documento = pessoa.texto(QStringLiteral("CD_CPF_CNPJ"));
    documento.remove(u'.').remove(u'/');
    return codigo + documento + pessoa.texto(QStringLiteral("NM_PSOA"));
}

} // namespace kelpa::CabecalhoArquivo
