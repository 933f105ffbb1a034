#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa::validacao {

// What every rule of a run reads about the operator, gathered once at its start.
struct ContextoValidacao {
    QSqlDatabase db;
    QString codOper;
    bool operadoraDePlanos = true; // code above 30000; insurers read other wordings
    QString modalidade;            // of the newest registration period
    QString submodalidade;
    // The quarters of Quadro 8's header rows, oldest first: the per-quarter rules walk them.
    QList<QDate> periodos;
    // Whether a quarter from the first of 2005 on is stored: the registration rules
    // then require their facts even when no registration row exists.
    bool temPeriodosDesde2005 = false;
    // Called between steps and between quarters, so that a window can repaint.
    std::function<void()> progresso;

    void avancar() const
    {
        if (progresso)
            progresso();
    }

    // Reads the operator's modality, submodality and stored quarters. Throws ErroBanco.
    static ContextoValidacao ler(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos);
    // The quarters of the header rows (read again after the clean-ups).
    void lerPeriodos();
};

} // namespace kelpa::validacao
