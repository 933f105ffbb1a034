#pragma once

#include <QSqlDatabase>

namespace kelpa {

// Every save runs inside one of these: it commits when `confirmar()` is called and
// rolls back everything otherwise, including when an exception leaves the scope.
// Guards nest (savepoints), so a logic class can save inside a caller's transaction.
class Transacao
{
public:
    explicit Transacao(const QSqlDatabase &db);
    ~Transacao();
    Transacao(const Transacao &) = delete;
    Transacao &operator=(const Transacao &) = delete;

    void confirmar();

private:
    QSqlDatabase m_db;
    bool m_encerrada = false;
};

} // namespace kelpa
