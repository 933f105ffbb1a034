#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa::relatorios {

struct ResponsavelImpresso {
    int tipo = 0;          // ID_RPSV
    QString tipoDescricao; // DE_RPSV
    bool pessoaFisica = true;
    QString nome;
    QString documento;
    bool estrangeiro = false;
    QString registro;
};

// Quadro 2 as it stood on a date: the period in force and its responsibles, all of
// that one period.
struct DadosBasicosEmVigor {
    QDate periodo; // null: no period on or before the date
    QDate fundacao;
    std::optional<qint64> funcionarios;
    QList<ResponsavelImpresso> responsaveis; // by kind; kinds without a person are left out
};

// Reads what the printed Quadro 2 shows. Reads only.
class DadosBasicosImpressao
{
public:
    static DadosBasicosEmVigor ler(const QSqlDatabase &db, const QString &operadora, const QDate &data);
};

} // namespace kelpa::relatorios
