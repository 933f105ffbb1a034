#include "CursorSqlite.h"

#include "app/banco/ErroBanco.h"

#include <QSqlDriver>
#include <sqlite3.h>

namespace kelpa {

using FormatacaoExportacao::TipoCampo;

namespace {

QString textoErro(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

bool soEspacos(const char *p)
{
    // What may follow the one statement: blanks, semicolons and comments.
    while (*p) {
        if (*p == ';' || *p == ' ' || *p == '\t' || *p == '\r' || *p == '\n') {
            ++p;
        } else if (p[0] == '-' && p[1] == '-') {
            while (*p && *p != '\n')
                ++p;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

sqlite3 *CursorSqlite::handle(const QSqlDatabase &db)
{
    if (!db.isOpen() || db.driverName() != QLatin1String("QSQLITE"))
        throw ErroBanco(QStringLiteral("A exportação precisa de uma base de dados SQLite aberta."));
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        throw ErroBanco(QStringLiteral("A exportação precisa de uma base de dados SQLite aberta."));
    sqlite3 *h = *static_cast<sqlite3 *const *>(v.constData());
    if (!h)
        throw ErroBanco(QStringLiteral("A exportação precisa de uma base de dados SQLite aberta."));
    return h;
}

CursorSqlite::CursorSqlite(const QSqlDatabase &db, const QString &sql)
    : m_db(handle(db))
    , m_sql(sql)
{
    const QByteArray texto = sql.toUtf8();
    const char *resto = nullptr;
    if (sqlite3_prepare_v2(m_db, texto.constData(), int(texto.size()) + 1, &m_stmt, &resto) != SQLITE_OK)
        falhar(QStringLiteral("Erro ao preparar a consulta de exportação."));
    if (!m_stmt)
        falhar(QStringLiteral("A consulta de exportação está vazia."));
    // The statements come from a file outside the program: it may only read, and it
    // may not hide a second statement behind the first.
    if (!sqlite3_stmt_readonly(m_stmt) || (resto && !soEspacos(resto)) || sqlite3_column_count(m_stmt) == 0)
        falhar(QStringLiteral("A consulta de exportação deve ser um único comando SELECT."));

    const int colunas = sqlite3_column_count(m_stmt);
    m_tipos.reserve(colunas);
    for (int i = 0; i < colunas; ++i) {
        const char *declarado = sqlite3_column_decltype(m_stmt, i);
        m_tipos << FormatacaoExportacao::tipoPorDeclaracao(declarado ? QByteArrayView(declarado) : QByteArrayView());
    }
}

CursorSqlite::~CursorSqlite()
{
    sqlite3_finalize(m_stmt);
}

void CursorSqlite::falhar(const QString &oque) const
{
    throw ErroBanco(oque, textoErro(m_db) + QStringLiteral("\n") + m_sql.simplified());
}

int CursorSqlite::quantidadeParametros() const
{
    return sqlite3_bind_parameter_count(m_stmt);
}

void CursorSqlite::preencherParametros(const QVariantList &valores)
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
    const int n = quantidadeParametros();
    for (int i = 0; i < n && i < valores.size(); ++i) {
        const QVariant &v = valores.at(i);
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(m_stmt, i + 1);
        } else {
            switch (v.metaType().id()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::UInt:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(m_stmt, i + 1, v.toLongLong());
                break;
            case QMetaType::Double:
                rc = sqlite3_bind_double(m_stmt, i + 1, v.toDouble());
                break;
            case QMetaType::QDate:
                rc = sqlite3_bind_text(m_stmt, i + 1, v.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                       SQLITE_TRANSIENT);
                break;
            default: {
                const QByteArray t = v.toString().toUtf8();
                rc = sqlite3_bind_text(m_stmt, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            falhar(QStringLiteral("Erro ao preencher os parâmetros da consulta de exportação."));
    }
}

bool CursorSqlite::proxima()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    falhar(QStringLiteral("Erro ao ler os dados para a exportação."));
}

QList<QByteArray> CursorSqlite::nomesColunas() const
{
    QList<QByteArray> nomes;
    for (int i = 0; i < quantidadeColunas(); ++i)
        nomes << QByteArray(sqlite3_column_name(m_stmt, i));
    return nomes;
}

void CursorSqlite::anexarValor(QByteArray &destino, int coluna) const
{
    const int armazenado = sqlite3_column_type(m_stmt, coluna);
    if (armazenado == SQLITE_NULL)
        return;
    TipoCampo tipo = m_tipos.at(coluna);
    if (tipo == TipoCampo::SemDeclaracao) {
        // An expression has no declared type: its value's own kind has to do.
        tipo = armazenado == SQLITE_INTEGER ? TipoCampo::Inteiro
               : armazenado == SQLITE_FLOAT ? TipoCampo::Real
               : armazenado == SQLITE_TEXT  ? TipoCampo::Texto
                                            : TipoCampo::Outro;
    }
    switch (tipo) {
    case TipoCampo::Texto: {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, coluna));
        FormatacaoExportacao::anexarTexto(destino, QByteArrayView(t, sqlite3_column_bytes(m_stmt, coluna)));
        break;
    }
    case TipoCampo::Inteiro:
        FormatacaoExportacao::anexarInteiro(destino, sqlite3_column_int64(m_stmt, coluna));
        break;
    case TipoCampo::Real:
        FormatacaoExportacao::anexarReal(destino, sqlite3_column_double(m_stmt, coluna));
        break;
    case TipoCampo::Data: {
        const auto *t = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, coluna));
        FormatacaoExportacao::anexarData(destino, QByteArrayView(t, sqlite3_column_bytes(m_stmt, coluna)));
        break;
    }
    case TipoCampo::Outro:
    case TipoCampo::SemDeclaracao:
        break;
    }
}

} // namespace kelpa
