#pragma once

#include "TqrpListaValidacao.h"

namespace kelpa::relatorios {

// The printed notice list of the last validation run: findings of periods before 2005.
class TqrpAvisoValidacao : public TqrpListaValidacao
{
public:
    QString titulo() const override { return QStringLiteral("AVISO"); }

protected:
    QList<ConstatacaoValidacao> ler(const QSqlDatabase &db) const override
    {
        return ListaValidacao::avisos(db, operadora());
    }
};

} // namespace kelpa::relatorios
