#include "Transacao.h"

#include "Consulta.h"
#include "ErroBanco.h"

#include <QSqlQuery>

namespace kelpa {

Transacao::Transacao(const QSqlDatabase &db)
    : m_db(db)
{
    executarSql(m_db, QStringLiteral("SAVEPOINT kelpa"));
}

void Transacao::confirmar()
{
    if (m_encerrada)
        return;
    executarSql(m_db, QStringLiteral("RELEASE SAVEPOINT kelpa"));
    m_encerrada = true;
}

Transacao::~Transacao()
{
    if (m_encerrada)
        return;
    // Never throw from here: we may be unwinding another exception.
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT kelpa"));
    q.exec(QStringLiteral("RELEASE SAVEPOINT kelpa"));
}

} // namespace kelpa
