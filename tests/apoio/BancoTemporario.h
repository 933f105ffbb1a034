#pragma once

#include "app/banco/ConexaoBanco.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace kelpa::teste {

// A fresh database built from the schema and starting rows, in its own temporary
// directory, removed with the object.
class BancoTemporario
{
public:
    BancoTemporario();
    QSqlDatabase db() const { return m_conexao->db(); }
    QString diretorio() const { return m_dir.path() + QStringLiteral("/"); }
    QString arquivo() const { return diretorio() + QStringLiteral("Kelpa.db"); }
    // Closes the connection (e.g. before a test reopens or replaces the file).
    void fechar() { m_conexao.reset(); }
    void reabrir();

    // Convenience for fixtures: runs one statement, failing the test on error.
    void sql(const QString &comando) const;
    QVariant escalar(const QString &consulta) const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ConexaoBanco> m_conexao;
};

} // namespace kelpa::teste
