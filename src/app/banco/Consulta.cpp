#include "Consulta.h"

#include "ErroBanco.h"

#include <QSqlError>

namespace kelpa {

namespace {
[[noreturn]] void falhar(const QSqlQuery &q, const QString &sql)
{
    throw ErroBanco(QStringLiteral("Erro ao acessar a base de dados."),
                    q.lastError().text() + QStringLiteral("\n") + sql.simplified());
}
} // namespace

Consulta::Consulta(const QSqlDatabase &db, const QString &sql)
    : m_query(db)
    , m_sql(sql)
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        falhar(m_query, sql);
}

QVariant Consulta::paraBanco(const QDate &data)
{
    if (!data.isValid())
        return QVariant(QMetaType(QMetaType::QString));
    return data.toString(Qt::ISODate);
}

QDate Consulta::dataDoBanco(const QVariant &valor)
{
    if (valor.isNull())
        return {};
    if (valor.metaType().id() == QMetaType::QDate)
        return valor.toDate();
    if (valor.metaType().id() == QMetaType::QDateTime)
        return valor.toDateTime().date();
    return QDate::fromString(valor.toString().left(10), Qt::ISODate);
}

Consulta &Consulta::bind(const QString &nome, const QVariant &valor)
{
    const int tipo = valor.metaType().id();
    if (tipo == QMetaType::QDate)
        m_query.bindValue(nome, paraBanco(valor.toDate()));
    else if (tipo == QMetaType::QDateTime)
        m_query.bindValue(nome, paraBanco(valor.toDateTime().date()));
    else
        m_query.bindValue(nome, valor);
    return *this;
}

Consulta &Consulta::bind(const QString &nome, const QDate &data)
{
    m_query.bindValue(nome, paraBanco(data));
    return *this;
}

Consulta &Consulta::bind(const QString &nome, const QString &texto)
{
    m_query.bindValue(nome, texto.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(texto));
    return *this;
}

Consulta &Consulta::executar()
{
    if (!m_query.exec())
        falhar(m_query, m_sql);
    return *this;
}

bool Consulta::proxima()
{
    return m_query.next();
}

bool Consulta::primeira()
{
    executar();
    return m_query.next();
}

QVariant Consulta::valor(int coluna) const
{
    return m_query.value(coluna);
}

QVariant Consulta::valor(const QString &coluna) const
{
    return m_query.value(coluna);
}

QString Consulta::texto(const QString &coluna) const
{
    return m_query.value(coluna).toString();
}

QDate Consulta::data(const QString &coluna) const
{
    return dataDoBanco(m_query.value(coluna));
}

double Consulta::real(const QString &coluna) const
{
    return m_query.value(coluna).toDouble();
}

qint64 Consulta::inteiro(const QString &coluna) const
{
    return m_query.value(coluna).toLongLong();
}

bool Consulta::nulo(const QString &coluna) const
{
    return m_query.value(coluna).isNull();
}

int Consulta::linhasAfetadas() const
{
    return m_query.numRowsAffected();
}

void executarSql(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        falhar(q, sql);
}

} // namespace kelpa
