#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// Brings the contents of a database up to date after the schema upgrade: empties
// the validation findings, records the version in CONSTS, replaces empty values,
// refills three code tables and re-marks transmission states, the last steps only
// for a database older than the version that introduced them.
class Migracao
{
public:
    explicit Migracao(const QSqlDatabase &db);

    // CONSTS.VersaoKelpa of the first row; empty when there is no row or the column
    // or table is missing. Remembers the value read in `VersaoLida`, except when the
    // statement failed.
    QString LeVersao();
    QString VersaoLida() const { return m_versaoLida; }

    // The whole migration, in one transaction: a failure leaves the database as it
    // was, version record included, so that the next connection tries again.
    void Migra();

    // Deletes every row of the table; errors (a missing table) are ignored.
    void ApagaTabela(const QString &tabela);
    // Marks "A" (changed after transmission) every row whose date is 1 January 2005 or later.
    void MarcaAlteracao(const QString &tabela, const QString &colunaData);

private:
    void registraVersao();
    void gravaBemCodigo();
    void gravaItemSaldo();
    void gravaDespesasComerc();

    QSqlDatabase m_db;
    QString m_versaoLida;
};

} // namespace kelpa
