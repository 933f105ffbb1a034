#include "ConexaoBanco.h"

#include "Consulta.h"
#include "ErroBanco.h"

#include <QFileInfo>
#include <QSqlError>
#include <QUrl>
#include <atomic>

namespace kelpa {

namespace {
std::atomic<int> g_proximaConexao{1};
}

ConexaoBanco::ConexaoBanco(QString nome, QString arquivo)
    : m_nome(std::move(nome))
    , m_arquivo(std::move(arquivo))
{
}

ConexaoBanco::~ConexaoBanco()
{
    {
        QSqlDatabase d = QSqlDatabase::database(m_nome, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(m_nome);
}

QSqlDatabase ConexaoBanco::db() const
{
    return QSqlDatabase::database(m_nome, false);
}

std::unique_ptr<ConexaoBanco> ConexaoBanco::abrir(const QString &arquivo)
{
    if (!QFileInfo(arquivo).isFile())
        throw ErroBanco(QStringLiteral("Base de dados não encontrada: %1").arg(arquivo));
    return abrirComModo(arquivo, "rw");
}

std::unique_ptr<ConexaoBanco> ConexaoBanco::abrirCriando(const QString &arquivo)
{
    return abrirComModo(arquivo, "rwc");
}

std::unique_ptr<ConexaoBanco> ConexaoBanco::abrirComModo(const QString &arquivo, const char *modo)
{
    const QString nome = QStringLiteral("kelpa-%1").arg(g_proximaConexao++);
    std::unique_ptr<ConexaoBanco> conexao(new ConexaoBanco(nome, arquivo));
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    // A URI with mode=rw makes SQLite refuse to create a missing file.
    const QString uri = QUrl::fromLocalFile(QFileInfo(arquivo).absoluteFilePath()).toString(QUrl::FullyEncoded)
                        + QStringLiteral("?mode=") + QLatin1String(modo);
    d.setDatabaseName(uri);
    d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));
    if (!d.open())
        throw ErroBanco(QStringLiteral("Não foi possível abrir a base de dados %1.").arg(arquivo), d.lastError().text());
    // The file may sit on a network share: keep the rollback journal, never WAL.
    Consulta(d, QStringLiteral("PRAGMA journal_mode=DELETE")).executar();
    Consulta(d, QStringLiteral("PRAGMA foreign_keys=ON")).executar();
    return conexao;
}

} // namespace kelpa
