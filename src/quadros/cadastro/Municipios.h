#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

struct Municipio {
    int id = 0; // the official 7-digit code (ID_MUNC)
    QString nome;
    QString uf;
    bool operator==(const Municipio &outro) const { return id == outro.id; }
};

struct UnidadeFederativa {
    QString uf;
    QString nome;
};

// The fixed tables of states and municipalities, and the search people type in them.
namespace Municipios {

// What a typed search is compared on: upper case, accents and cedilla dropped, so
// that "sao" finds "São Paulo" and "ACU" finds "Açu". Computed here rather than in
// SQL, whose UPPER and LIKE only know ASCII.
QString ChavePesquisa(const QString &texto);
// `nome` begins with the typed `pesquisa` (both compared by their search keys).
bool ComecaCom(const QString &nome, const QString &pesquisa);
// The items whose name begins with `pesquisa`, in the order given; all when it is blank.
QList<Municipio> Filtrar(const QList<Municipio> &lista, const QString &pesquisa);

QList<UnidadeFederativa> Estados(const QSqlDatabase &db);
// A state's municipalities ordered by name (accents ignored).
QList<Municipio> DoEstado(const QSqlDatabase &db, const QString &uf);
std::optional<Municipio> PorCodigo(const QSqlDatabase &db, int id);
// The municipality a typed name stands for: one so named, else the first (by state
// and name) whose name begins so; case and accents ignored. Nothing when none does.
std::optional<Municipio> PorNome(const QSqlDatabase &db, const QString &nome);
// How many municipalities the state has in the table.
int TotalDoEstado(const QSqlDatabase &db, const QString &uf);
// Orders by state and then by name, as the lists show them.
void OrdenaPorEstadoENome(QList<Municipio> &lista);

} // namespace Municipios

} // namespace kelpa
