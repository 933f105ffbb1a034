#include "BancoTemporario.h"

#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"

#include <QSqlError>
#include <QSqlQuery>
#include <gtest/gtest.h>

namespace kelpa::teste {

namespace {
// Building the schema and 5570 municipalities costs tens of milliseconds; every test
// copies one database built once per run.
QString modelo()
{
    static QTemporaryDir dir;
    static QString arquivo;
    if (arquivo.isEmpty()) {
        arquivo = dir.path() + QStringLiteral("/modelo.db");
        CriacaoBanco::criar(arquivo);
    }
    return arquivo;
}
} // namespace

BancoTemporario::BancoTemporario()
{
    QFile::copy(modelo(), arquivo());
    QFile::setPermissions(arquivo(), QFile::ReadOwner | QFile::WriteOwner);
    reabrir();
}

void BancoTemporario::reabrir()
{
    m_conexao.reset();
    m_conexao = ConexaoBanco::abrir(arquivo());
}

void BancoTemporario::sql(const QString &comando) const
{
    QSqlQuery q(db());
    ASSERT_TRUE(q.exec(comando)) << q.lastError().text().toStdString() << "\n" << comando.toStdString();
}

QVariant BancoTemporario::escalar(const QString &consulta) const
{
    QSqlQuery q(db());
    if (!q.exec(consulta) || !q.next()) {
        ADD_FAILURE() << q.lastError().text().toStdString() << "\n" << consulta.toStdString();
        return {};
    }
    return q.value(0);
}

} // namespace kelpa::teste
