#pragma once

#include "TqrpListaValidacao.h"

namespace kelpa::relatorios {

// The printed error list of the last validation run.
class TqrpValidaCampos : public TqrpListaValidacao
{
public:
    QString titulo() const override { return QStringLiteral("ERRO"); }

protected:
    QList<ConstatacaoValidacao> ler(const QSqlDatabase &db) const override
    {
        return ListaValidacao::erros(db, operadora());
    }
};

} // namespace kelpa::relatorios
