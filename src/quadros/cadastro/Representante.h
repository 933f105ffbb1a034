#pragma once

#include "CadastroPessoas.h"
#include "PeriodosQuadroCadastro.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

// The period's row of Quadro 4.
struct LinhaRepresentante {
    bool existe = false;
    int idPsoa = 0; // 0: no representative chosen
    QString estadoTransmissao;
};

// The representative as Quadro 4 shows it: a natural person who is one of the
// operator's administrators, with the details and phones of the person register.
struct PessoaRepresentante {
    DadosPessoa dados;
    QList<Telefone> telefones;
};

// Quadro 4, the operator's representative before the QOR, one per period. The
// person is kept by its number, never found again by name.
class Representante
{
public:
    Representante(const QSqlDatabase &db, QString codOper);

    PeriodosQuadroCadastro &periodos() { return m_periodos; }
    static TabelasPeriodo tabelas();

    LinhaRepresentante Carrega(const QDate &periodo) const;
    // Only a natural person (not the operator) who is an administrator in some period.
    std::optional<PessoaRepresentante> Pessoa(int idPsoa) const;
    // An active natural person is an administrator: then a representative can be chosen.
    bool HaAdministradoresAtivos() const;

    // Records the representative of the period (0 clears it) in one transaction; a
    // transmitted row becomes "A". The period's row is created when missing.
    void Grava(const QDate &periodo, int idPsoa);

    static QString AvisoAlteracao();

private:
    QSqlDatabase m_db;
    QString m_codOper;
    PeriodosQuadroCadastro m_periodos;
};

} // namespace kelpa
