#pragma once

#include "app/BaseDemonstracao.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/demonstracoes/DadosFinanceirosDemonstracao.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace kelpa::teste {

// The demo operator as `kelpa-cli init --demo` leaves it: registration and every
// quarter filled, so that it validates without a finding and may be sent.
inline void criarDemonstracaoCompleta(const QSqlDatabase &db)
{
    BaseDemonstracao::criar(db);
    CadastroDemonstracao::criar(db, BaseDemonstracao::codigoOperadora());
    DadosFinanceirosDemonstracao::criar(db, BaseDemonstracao::codigoOperadora());
}

// A defect the validation reports as an error that blocks sending: no representative
// before the QOR from 2005 on.
inline void semRepresentante(const QSqlDatabase &db)
{
    QSqlQuery(db).exec(QStringLiteral("DELETE FROM DIRETORRELACOES"));
}

} // namespace kelpa::teste
