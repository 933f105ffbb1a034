#pragma once

#include "Constatacao.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa::validacao {

struct ResultadoValidacao {
    // Every finding of the run, in the order recorded (errors and notices together).
    QList<Constatacao> constatacoes;
    // False when a statement failed: the findings were not recorded and the run's
    // blocking finding keeps the way to sending closed.
    bool concluida = false;
    QString erro; // the failure, for the user, when not concluded
    // The sending gate as it stands after the run.
    bool envioLiberado = false;

    QList<Constatacao> erros() const;
    QList<Constatacao> avisos() const;
};

// The validation of one operator: the one thing the validation window, the two
// sending dialogs and kelpa-cli run. It deletes the operator's previous findings,
// removes what the modality forbids, applies every rule the operator's modality
// calls for to every stored quarter and records the findings in VALIDACAO.
//
// A run either records all its findings or none: the checks and the clean-ups run
// in one transaction, and until it commits VALIDACAO holds a blocking finding of
// the run itself, so a failure (or a crash) leaves sending closed.
class ValidacaoDados
{
public:
    ValidacaoDados(const QSqlDatabase &db, QString codOper, bool operadoraDePlanos);

    // Called between steps and between quarters (a window pumps its events there).
    void setProgresso(std::function<void()> progresso) { m_progresso = std::move(progresso); }

    // Never throws ErroBanco: a failed statement is reported in the result.
    ResultadoValidacao executar();

    // Only the checks, over the data as it is: nothing is written.
    QList<Constatacao> verificar();

private:
    QSqlDatabase m_db;
    QString m_codOper;
    bool m_operadoraDePlanos;
    std::function<void()> m_progresso;
};

} // namespace kelpa::validacao
