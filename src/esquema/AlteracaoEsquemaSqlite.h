#pragma once

#include "AlteracaoEsquema.h"

#include <QSqlDatabase>
#include <functional>

namespace kelpa {

class DefinicaoTabelaSqlite;

// The schema changes on SQLite. A table cannot be created without columns, so
// `CriaTabela` takes them all. SQLite has no ALTER COLUMN and no ADD CONSTRAINT:
// the table is rebuilt (created under a new name, rows copied, the old one dropped,
// the new one renamed, its indexes and triggers recreated) inside one transaction,
// so a failure leaves the table exactly as it was. Foreign-key enforcement is
// switched off around a rebuild, because dropping a table that others refer to would
// otherwise count as deleting their parents; the references are checked before the
// rebuild is committed, and enforcement is switched back on afterwards.
class AlteracaoEsquemaSqlite : public AlteracaoEsquema
{
public:
    explicit AlteracaoEsquemaSqlite(const QSqlDatabase &db);

    bool TabelaExiste(const QString &tabela) override;
    bool ColunaExiste(const QString &coluna, const QString &tabela) override;
    void CriaTabela(const QString &tabela, const QList<DefinicaoColuna> &colunas) override;
    void CriaColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho) override;
    bool ColunaEhFloat(const QString &coluna, const QString &tabela) override;
    void AlteraParaFloat(const QString &coluna, const QString &tabela) override;
    // A column already declared with the requested type is left alone.
    void AlteraTipoColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho = 0) override;
    void AdicionaRestricao(const QString &tabela, const QString &tipo, const QString &nome,
                           const QString &tabelaReferida, const QStringList &colunasReferidas,
                           const QStringList &colunas) override;

    // The statements that changed the schema, in the order they were sent.
    const QStringList &comandosEnviados() const { return m_comandos; }

    // The type a word declares here: TEXTO with size 6 is "TEXT(6)", REAL and DUPLO
    // are "DOUBLE", MEMORANDO is "TEXT" (a long text). Only TEXTO takes a size.
    // Throws ErroBanco with `mensagemTipoDesconhecido()` for any other word.
    static QString tipoDeclarado(const QString &palavra, int tamanho);

private:
    QString nomeReal(const QString &tabela);
    QString definicaoColuna(const QString &coluna, const QString &tipo, int tamanho);
    void reconstruir(const QString &tabela, const std::function<void(DefinicaoTabelaSqlite &)> &alterar);
    QStringList tabelasQueReferem(const QString &tabela);
    void verificarReferencias(const QString &tabela);
    void enviar(const QString &sql);

    QSqlDatabase m_db;
    QStringList m_comandos;
};

} // namespace kelpa
