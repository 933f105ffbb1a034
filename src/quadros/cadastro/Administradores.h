#pragma once

#include "PeriodosQuadroCadastro.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelpa {

// One office an administrator holds in a period of Quadro 3.
struct Administrador {
    int idPsoa = 0;    // 0: no person chosen yet
    int sequencia = 0; // SQ_PSOA; 0 for an office not yet saved
    // The person's own data, shown only: never written from Quadro 3.
    QString nome;
    QString cpf;
    QString mae;
    bool estrangeiro = false;

    QString cargo;
    QDate inicioMandato;
    QDate fimMandato;
    QString orgao;     // CD_ORGA
    QString nomeOrgao; // shown only
    bool responsavelTecnico = false;
    QString tipoResponsavel = QStringLiteral("M"); // "M" physician (CRM), "O" dentist (CRO)
    QString conselho;                              // CD_CRM_CRO
    QString estadoTransmissao;
};

// Quadro 3, the operator's administrators by period, with the technical officer
// from 2005 on. Every change is saved in one transaction.
class Administradores
{
public:
    // The grid's ordering columns.
    enum class Coluna { Cpf = 0, Nome = 1, Cargo = 2 };

    Administradores(const QSqlDatabase &db, QString codOper);

    PeriodosQuadroCadastro &periodos() { return m_periodos; }
    static TabelasPeriodo tabelas();

    // The company body is asked only before 2005; the technical officer from then on,
    // and never of a sponsored self-management operator.
    static bool DesdeDe2005(const QDate &periodo);
    static bool ResponsavelTecnicoAplica(const QString &submodalidade);
    static bool PerguntaResponsavel(const QDate &periodo, const QString &submodalidade);

    QList<Administrador> Lista(const QDate &periodo, Coluna coluna = Coluna::Cpf, bool decrescente = false) const;
    std::optional<Administrador> Carrega(const QDate &periodo, int idPsoa, int sequencia) const;
    // The technical officer's name in the period; empty when none is marked.
    QString ResponsavelTecnico(const QDate &periodo) const;
    // The company bodies (code, name) by code.
    QList<QPair<QString, QString>> Orgaos() const;
    // A natural person's data as the dialog shows them; nullopt for anyone else.
    std::optional<Administrador> Pessoa(int idPsoa) const;

    // What the filling-error notice lists, in the dialog's order.
    static QStringList ItensFaltantes(const Administrador &a, bool perguntaResponsavelRespondida);
    // "Fim de Mandato MENOR que Início de Mandato", or empty.
    static QString ErroMandato(const Administrador &a);

    // Saves the office of the period in one transaction; a new one gets the period's
    // next sequence. Returns it as stored.
    Administrador Grava(const QDate &periodo, Administrador a, bool perguntaResponsavel);
    void Exclui(const QDate &periodo, int idPsoa, int sequencia);

private:
    QSqlDatabase m_db;
    QString m_codOper;
    PeriodosQuadroCadastro m_periodos;
};

} // namespace kelpa
