#pragma once

#include "app/ui/Avisos.h"

#include <QSqlDatabase>

namespace kelpa::validacao {

// The notice the main window shows instead of validating or sending when the
// operator's first quarter of 2007 was not made with the 2007 chart of accounts: how
// to recreate it. Showing it records a blocking finding, so sending stays closed.
class TfrmAvisoValidPlnContas : public TfrmAvisoUsuario
{
    Q_OBJECT

public:
    explicit TfrmAvisoValidPlnContas(const QSqlDatabase &db, QWidget *parent = nullptr);
    void setCodOper(const QString &codOper) { m_codOper = codOper; }
    // The failure of recording the finding, if any (already shown to the user).
    QString erro() const { return m_erro; }

protected:
    void showEvent(QShowEvent *evento) override;

private:
    QSqlDatabase m_db;
    QString m_codOper;
    QString m_erro;
    bool m_registrado = false;
};

} // namespace kelpa::validacao
