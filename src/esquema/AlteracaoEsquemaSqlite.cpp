#include "AlteracaoEsquemaSqlite.h"

#include "DefinicaoTabelaSqlite.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"

#include <QSqlQuery>

namespace kelpa {

namespace {

bool chavesEstrangeirasLigadas(const QSqlDatabase &db)
{
    Consulta q(db, QStringLiteral("PRAGMA foreign_keys"));
    return q.primeira() && q.valor(0).toInt() == 1;
}

// Switches foreign-key enforcement off for the life of the object and back on after.
// SQLite ignores the switch inside a transaction: then enforcement stays on.
class ChavesEstrangeirasSuspensas
{
public:
    explicit ChavesEstrangeirasSuspensas(const QSqlDatabase &db)
        : m_db(db)
        , m_ligadas(chavesEstrangeirasLigadas(db))
    {
        if (m_ligadas) {
            executarSql(m_db, QStringLiteral("PRAGMA foreign_keys=OFF"));
            m_suspensas = !chavesEstrangeirasLigadas(m_db);
        }
    }
    ~ChavesEstrangeirasSuspensas()
    {
        if (m_suspensas) {
            // Never throw from here; a failure shows at the next statement anyway.
            QSqlQuery q(m_db);
            q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        }
    }
    ChavesEstrangeirasSuspensas(const ChavesEstrangeirasSuspensas &) = delete;
    ChavesEstrangeirasSuspensas &operator=(const ChavesEstrangeirasSuspensas &) = delete;

    bool estavamLigadas() const { return m_ligadas; }
    bool continuamLigadas() const { return m_ligadas && !m_suspensas; }

private:
    QSqlDatabase m_db;
    bool m_ligadas = false;
    bool m_suspensas = false;
};

// SQLite's rule for the affinity of a declared type, reduced to "is it a float".
bool tipoDeclaradoEhReal(const QString &tipo)
{
    const QString t = tipo.toUpper();
    if (t.contains(QLatin1String("INT")))
        return false;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) || t.contains(QLatin1String("TEXT")))
        return false;
    if (t.contains(QLatin1String("BLOB")) || t.isEmpty())
        return false;
    return t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) || t.contains(QLatin1String("DOUB"));
}

QString listaCitada(const QStringList &nomes)
{
    QStringList citados;
    for (const QString &n : nomes)
        citados << DefinicaoTabelaSqlite::citado(n);
    return citados.join(QStringLiteral(", "));
}

[[noreturn]] void colunaInexistente(const QString &coluna, const QString &tabela)
{
    throw ErroBanco(QStringLiteral("A coluna %1 não existe na tabela %2.").arg(coluna, tabela));
}

} // namespace

AlteracaoEsquemaSqlite::AlteracaoEsquemaSqlite(const QSqlDatabase &db)
    : m_db(db)
{
}

QString AlteracaoEsquemaSqlite::tipoDeclarado(const QString &palavra, int tamanho)
{
    const QString p = palavra.toUpper();
    if (p == QLatin1String("TEXTO"))
        return tamanho > 0 ? QStringLiteral("TEXT(%1)").arg(tamanho) : QStringLiteral("TEXT");
    if (p == QLatin1String("REAL") || p == QLatin1String("DUPLO"))
        return QStringLiteral("DOUBLE");
    if (p == QLatin1String("DATA"))
        return QStringLiteral("DATE");
    if (p == QLatin1String("INTEIRO"))
        return QStringLiteral("INTEGER");
    if (p == QLatin1String("MEMORANDO"))
        return QStringLiteral("TEXT");
    if (p == QLatin1String("AUTOINCREMENT"))
        return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
    throw ErroBanco(mensagemTipoDesconhecido());
}

void AlteracaoEsquemaSqlite::enviar(const QString &sql)
{
    m_comandos << sql;
    executarSql(m_db, sql);
}

QString AlteracaoEsquemaSqlite::nomeReal(const QString &tabela)
{
    Consulta q(m_db, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = :NOME COLLATE NOCASE"));
    q.bind(QStringLiteral(":NOME"), tabela);
    if (!q.primeira())
        throw ErroBanco(QStringLiteral("A tabela %1 não existe.").arg(tabela));
    return q.texto(QStringLiteral("name"));
}

bool AlteracaoEsquemaSqlite::TabelaExiste(const QString &tabela)
{
    Consulta q(m_db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = :NOME COLLATE NOCASE"));
    q.bind(QStringLiteral(":NOME"), tabela);
    return q.primeira();
}

bool AlteracaoEsquemaSqlite::ColunaExiste(const QString &coluna, const QString &tabela)
{
    Consulta q(m_db, QStringLiteral("SELECT name FROM pragma_table_info(:TABELA)"));
    q.bind(QStringLiteral(":TABELA"), tabela);
    q.executar();
    while (q.proxima()) {
        if (q.texto(QStringLiteral("name")) == coluna)
            return true;
    }
    return false;
}

QString AlteracaoEsquemaSqlite::definicaoColuna(const QString &coluna, const QString &tipo, int tamanho)
{
    const QString declarado = tipoDeclarado(tipo, tamanho);
    return identificador(coluna) + u' ' + declarado;
}

void AlteracaoEsquemaSqlite::CriaTabela(const QString &tabela, const QList<DefinicaoColuna> &colunas)
{
    identificador(tabela);
    if (colunas.isEmpty())
        throw ErroBanco(QStringLiteral("A tabela %1 precisa de ao menos uma coluna.").arg(tabela));
    QStringList definicoes;
    for (const DefinicaoColuna &c : colunas)
        definicoes << definicaoColuna(c.nome, c.tipo, c.tamanho);
    enviar(QStringLiteral("CREATE TABLE %1 (%2)").arg(tabela, definicoes.join(QStringLiteral(", "))));
}

void AlteracaoEsquemaSqlite::CriaColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho)
{
    // The type is checked first: a refused word must not reach the database.
    const QString definicao = definicaoColuna(coluna, tipo, tamanho);
    identificador(tabela);
    if (tipo.toUpper() == QLatin1String("AUTOINCREMENT")) {
        // A key column cannot be added in place: the rebuild numbers the existing rows.
        reconstruir(tabela, [&](DefinicaoTabelaSqlite &d) {
            if (d.indiceColuna(coluna) >= 0)
                throw ErroBanco(QStringLiteral("A coluna %1 já existe na tabela %2.").arg(coluna, tabela));
            d.adicionarColuna(definicao);
        });
        return;
    }
    enviar(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2").arg(tabela, definicao));
}

bool AlteracaoEsquemaSqlite::ColunaEhFloat(const QString &coluna, const QString &tabela)
{
    const QString nome = nomeReal(tabela);
    Consulta q(m_db, QStringLiteral("SELECT name, type FROM pragma_table_info(:TABELA)"));
    q.bind(QStringLiteral(":TABELA"), nome);
    q.executar();
    while (q.proxima()) {
        if (q.texto(QStringLiteral("name")).compare(coluna, Qt::CaseInsensitive) == 0)
            return tipoDeclaradoEhReal(q.texto(QStringLiteral("type")));
    }
    colunaInexistente(coluna, tabela);
}

void AlteracaoEsquemaSqlite::AlteraParaFloat(const QString &coluna, const QString &tabela)
{
    AlteraTipoColuna(coluna, tabela, QStringLiteral("REAL"));
}

void AlteracaoEsquemaSqlite::AlteraTipoColuna(const QString &coluna, const QString &tabela, const QString &tipo,
                                              int tamanho)
{
    const QString declarado = tipoDeclarado(tipo, tamanho);
    identificador(coluna);
    identificador(tabela);
    reconstruir(tabela, [&](DefinicaoTabelaSqlite &d) {
        const qsizetype i = d.indiceColuna(coluna);
        if (i < 0)
            colunaInexistente(coluna, tabela);
        if (d.tipoColuna(i).simplified().compare(declarado, Qt::CaseInsensitive) != 0)
            d.alterarTipo(i, declarado);
    });
}

void AlteracaoEsquemaSqlite::AdicionaRestricao(const QString &tabela, const QString &tipo, const QString &nome,
                                               const QString &tabelaReferida, const QStringList &colunasReferidas,
                                               const QStringList &colunas)
{
    const QString tipoNormalizado = tipo.simplified().toUpper();
    const bool primaria = tipoNormalizado == QLatin1String("PRIMARY KEY");
    if (!primaria && tipoNormalizado != QLatin1String("FOREIGN KEY"))
        throw ErroBanco(QStringLiteral("Tipo de restrição desconhecido: %1").arg(tipo));
    identificador(tabela);
    identificador(nome);
    for (const QString &c : colunas)
        identificador(c);
    QString texto = QStringLiteral("CONSTRAINT %1 %2 (%3)")
                        .arg(nome, primaria ? QStringLiteral("PRIMARY KEY") : QStringLiteral("FOREIGN KEY"),
                             JuntaLista(colunas));
    if (!primaria) {
        identificador(tabelaReferida);
        for (const QString &c : colunasReferidas)
            identificador(c);
        const QString referidas = JuntaLista(colunasReferidas);
        if (colunasReferidas.size() != colunas.size())
            throw ErroBanco(QStringLiteral("A restrição %1 liga %2 colunas a %3.")
                                .arg(nome)
                                .arg(colunas.size())
                                .arg(colunasReferidas.size()));
        if (!TabelaExiste(tabelaReferida))
            throw ErroBanco(QStringLiteral("A tabela %1, referida pela restrição %2, não existe.").arg(tabelaReferida, nome));
        texto += QStringLiteral(" REFERENCES %1 (%2)").arg(tabelaReferida, referidas);
    }
    reconstruir(tabela, [&](DefinicaoTabelaSqlite &d) {
        if (d.temRestricao(nome))
            throw ErroBanco(QStringLiteral("A restrição %1 já existe na tabela %2.").arg(nome, tabela));
        for (const QString &c : colunas) {
            const qsizetype i = d.indiceColuna(c);
            if (i < 0)
                colunaInexistente(c, tabela);
            if (primaria)
                d.exigirNaoNulo(i);
        }
        d.adicionarRestricao(texto);
    });
}

QStringList AlteracaoEsquemaSqlite::tabelasQueReferem(const QString &tabela)
{
    Consulta q(m_db, QStringLiteral("SELECT DISTINCT m.name AS nome FROM sqlite_master AS m, pragma_foreign_key_list(m.name) AS f "
                                    "WHERE m.type = 'table' AND f.\"table\" = :TABELA COLLATE NOCASE"));
    q.bind(QStringLiteral(":TABELA"), tabela);
    q.executar();
    QStringList nomes;
    while (q.proxima())
        nomes << q.texto(QStringLiteral("nome"));
    return nomes;
}

void AlteracaoEsquemaSqlite::verificarReferencias(const QString &tabela)
{
    QStringList tabelas = tabelasQueReferem(tabela);
    if (!tabelas.contains(tabela))
        tabelas.prepend(tabela);
    for (const QString &t : tabelas) {
        Consulta q(m_db, QStringLiteral("PRAGMA foreign_key_check(%1)").arg(DefinicaoTabelaSqlite::citado(t)));
        if (q.primeira())
            throw ErroBanco(QStringLiteral("Há linhas de %1 que não satisfazem as referências a outras tabelas; "
                                           "a tabela %2 ficou como estava.")
                                .arg(t, tabela));
    }
}

void AlteracaoEsquemaSqlite::reconstruir(const QString &tabela,
                                         const std::function<void(DefinicaoTabelaSqlite &)> &alterar)
{
    const QString nome = nomeReal(tabela);
    DefinicaoTabelaSqlite definicao = [&] {
        Consulta q(m_db, QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = :NOME"));
        q.bind(QStringLiteral(":NOME"), nome);
        q.primeira();
        return DefinicaoTabelaSqlite::ler(q.texto(QStringLiteral("sql")));
    }();
    const QString original = definicao.criar(nome);
    alterar(definicao);
    if (definicao.criar(nome) == original)
        return; // nothing to change: no rebuild

    QStringList colunas;
    {
        Consulta q(m_db, QStringLiteral("SELECT name FROM pragma_table_info(:TABELA)"));
        q.bind(QStringLiteral(":TABELA"), nome);
        q.executar();
        while (q.proxima())
            colunas << q.texto(QStringLiteral("name"));
    }
    // Indexes and triggers go with the dropped table; the automatic ones (sql null)
    // come back with the new table's own keys.
    QStringList dependentes;
    {
        Consulta q(m_db, QStringLiteral("SELECT sql FROM sqlite_master WHERE tbl_name = :NOME AND sql IS NOT NULL "
                                        "AND type IN ('index', 'trigger') "
                                        "ORDER BY CASE type WHEN 'index' THEN 0 ELSE 1 END, rowid"));
        q.bind(QStringLiteral(":NOME"), nome);
        q.executar();
        while (q.proxima())
            dependentes << q.texto(QStringLiteral("sql"));
    }
    // A counter table keeps its last number, so that deleted numbers are not reused.
    qint64 sequencia = -1;
    if (TabelaExiste(QStringLiteral("sqlite_sequence"))) {
        Consulta q(m_db, QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = :NOME"));
        q.bind(QStringLiteral(":NOME"), nome);
        if (q.primeira())
            sequencia = q.inteiro(QStringLiteral("seq"));
    }

    ChavesEstrangeirasSuspensas suspensas(m_db);
    if (suspensas.continuamLigadas() && !tabelasQueReferem(nome).isEmpty())
        throw ErroBanco(QStringLiteral("A tabela %1, referida por outras, não pode ser reconstruída dentro de "
                                       "uma transação.")
                            .arg(nome));

    Transacao transacao(m_db);
    const QString temporaria = QStringLiteral("kelpa_reconstrucao_") + nome;
    const QString lista = listaCitada(colunas);
    enviar(definicao.criar(temporaria));
    enviar(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
               .arg(DefinicaoTabelaSqlite::citado(temporaria), lista, DefinicaoTabelaSqlite::citado(nome)));
    enviar(QStringLiteral("DROP TABLE %1").arg(DefinicaoTabelaSqlite::citado(nome)));
    enviar(QStringLiteral("ALTER TABLE %1 RENAME TO %2")
               .arg(DefinicaoTabelaSqlite::citado(temporaria), DefinicaoTabelaSqlite::citado(nome)));
    for (const QString &sql : dependentes)
        enviar(sql);
    if (sequencia >= 0) {
        Consulta atualiza(m_db, QStringLiteral("UPDATE sqlite_sequence SET seq = :SEQ WHERE name = :NOME"));
        atualiza.bind(QStringLiteral(":SEQ"), sequencia).bind(QStringLiteral(":NOME"), nome).executar();
        if (atualiza.linhasAfetadas() == 0) {
            Consulta insere(m_db, QStringLiteral("INSERT INTO sqlite_sequence (name, seq) VALUES (:NOME, :SEQ)"));
            insere.bind(QStringLiteral(":NOME"), nome).bind(QStringLiteral(":SEQ"), sequencia).executar();
        }
    }
    if (suspensas.estavamLigadas())
        verificarReferencias(nome);
    transacao.confirmar();
}

} // namespace kelpa
