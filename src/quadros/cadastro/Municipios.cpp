#include "Municipios.h"

#include "app/banco/Consulta.h"

#include <algorithm>

namespace kelpa::Municipios {

QString ChavePesquisa(const QString &texto)
{
    const QString decomposto = texto.normalized(QString::NormalizationForm_KD);
    QString chave;
    chave.reserve(decomposto.size());
    for (const QChar c : decomposto) {
        const auto categoria = c.category();
        if (categoria == QChar::Mark_NonSpacing || categoria == QChar::Mark_SpacingCombining || categoria == QChar::Mark_Enclosing)
            continue;
        chave.append(c.toUpper());
    }
    return chave;
}

bool ComecaCom(const QString &nome, const QString &pesquisa)
{
    return ChavePesquisa(nome).startsWith(ChavePesquisa(pesquisa));
}

QList<Municipio> Filtrar(const QList<Municipio> &lista, const QString &pesquisa)
{
    const QString chave = ChavePesquisa(pesquisa.trimmed());
    if (chave.isEmpty())
        return lista;
    QList<Municipio> filtrada;
    for (const Municipio &m : lista)
        if (ChavePesquisa(m.nome).startsWith(chave))
            filtrada << m;
    return filtrada;
}

namespace {

Municipio lerMunicipio(const Consulta &q)
{
    return Municipio{static_cast<int>(q.inteiro(QStringLiteral("ID_MUNC"))), q.texto(QStringLiteral("NM_MUNC")),
                     q.texto(QStringLiteral("CD_UF"))};
}

bool antesPorNome(const Municipio &a, const Municipio &b)
{
    const QString ca = ChavePesquisa(a.nome);
    const QString cb = ChavePesquisa(b.nome);
    if (ca != cb)
        return ca < cb;
    return a.id < b.id;
}

} // namespace

QList<UnidadeFederativa> Estados(const QSqlDatabase &db)
{
    Consulta q(db, QStringLiteral("SELECT CD_UF, NM_UF FROM TB_UFS ORDER BY CD_UF"));
    q.executar();
    QList<UnidadeFederativa> estados;
    while (q.proxima())
        estados << UnidadeFederativa{q.texto(QStringLiteral("CD_UF")), q.texto(QStringLiteral("NM_UF"))};
    return estados;
}

QList<Municipio> DoEstado(const QSqlDatabase &db, const QString &uf)
{
    Consulta q(db, QStringLiteral("SELECT ID_MUNC, NM_MUNC, CD_UF FROM TB_MUNICIPIOS WHERE CD_UF = :CDUF"));
    q.bind(QStringLiteral(":CDUF"), uf);
    q.executar();
    QList<Municipio> lista;
    while (q.proxima())
        lista << lerMunicipio(q);
    // SQLite's ORDER BY would put "Águas" after "Zé Doca".
    std::sort(lista.begin(), lista.end(), antesPorNome);
    return lista;
}

std::optional<Municipio> PorCodigo(const QSqlDatabase &db, int id)
{
    Consulta q(db, QStringLiteral("SELECT ID_MUNC, NM_MUNC, CD_UF FROM TB_MUNICIPIOS WHERE ID_MUNC = :IDMUNC"));
    q.bind(QStringLiteral(":IDMUNC"), id);
    if (!q.primeira())
        return std::nullopt;
    return lerMunicipio(q);
}

std::optional<Municipio> PorNome(const QSqlDatabase &db, const QString &nome)
{
    const QString chave = ChavePesquisa(nome.trimmed());
    if (chave.isEmpty())
        return std::nullopt;
    Consulta q(db, QStringLiteral("SELECT ID_MUNC, NM_MUNC, CD_UF FROM TB_MUNICIPIOS"));
    q.executar();
    QList<Municipio> comecam;
    while (q.proxima()) {
        const Municipio m = lerMunicipio(q);
        const QString chaveNome = ChavePesquisa(m.nome);
        if (chaveNome == chave)
            return m;
        if (chaveNome.startsWith(chave))
            comecam << m;
    }
    if (comecam.isEmpty())
        return std::nullopt;
    OrdenaPorEstadoENome(comecam);
    return comecam.first();
}

int TotalDoEstado(const QSqlDatabase &db, const QString &uf)
{
    Consulta q(db, QStringLiteral("SELECT COUNT(*) FROM TB_MUNICIPIOS WHERE CD_UF = :CDUF"));
    q.bind(QStringLiteral(":CDUF"), uf);
    return q.primeira() ? q.valor(0).toInt() : 0;
}

void OrdenaPorEstadoENome(QList<Municipio> &lista)
{
    std::stable_sort(lista.begin(), lista.end(), [](const Municipio &a, const Municipio &b) {
        if (a.uf != b.uf)
            return a.uf < b.uf;
        return antesPorNome(a, b);
    });
}

} // namespace kelpa::Municipios
