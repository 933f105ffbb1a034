#include "TInstallManagerDm.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "esquema/AlteracaoEsquemaSqlite.h"
#include "esquema/TabelasVersao4.h"

#include <QHash>
#include <QSqlRecord>

namespace kelpa {

namespace {

const QString consts = QStringLiteral("Consts");

QList<DefinicaoColuna> colunasConsts()
{
    return {{QStringLiteral("cntVersaoEsquema"), QStringLiteral("REAL"), 0},
            {QStringLiteral("cntVersaoTabelasFixas"), QStringLiteral("REAL"), 0},
            {QStringLiteral("cntVersaoExecutavel"), QStringLiteral("REAL"), 0},
            {QStringLiteral("DtVersaoKelpa"), QStringLiteral("DATA"), 0},
            {QStringLiteral("cntUltimoComando"), QStringLiteral("REAL"), 0},
            {QStringLiteral("cntVersaoCompilacao"), QStringLiteral("REAL"), 0},
            {QStringLiteral("VersaoKelpa"), QStringLiteral("TEXTO"), 255}};
}

QList<DefinicaoColuna> colunasRegistro()
{
    return {{QStringLiteral("ConstraintID"), QStringLiteral("AUTOINCREMENT"), 0},
            {QStringLiteral("ConstraintName"), QStringLiteral("TEXTO"), 80},
            {QStringLiteral("ConstraintTableName"), QStringLiteral("TEXTO"), 80},
            {QStringLiteral("DT_Create"), QStringLiteral("DATA"), 0},
            {QStringLiteral("ConstraintColunmName"), QStringLiteral("TEXTO"), 255},
            {QStringLiteral("ReferenciaTableName"), QStringLiteral("TEXTO"), 80},
            {QStringLiteral("ReferenciaColunmName"), QStringLiteral("TEXTO"), 255}};
}

// A fixed table the update brings: its key, the columns a row already present
// receives, and the rows taken (all, or one chart-of-accounts version).
struct TabelaFixa {
    QString nome;
    QStringList chave;
    QStringList atualizadas;
    bool somenteVersaoPlano = false;
};

QList<TabelaFixa> tabelasFixas()
{
    return {{QStringLiteral("TA_FLUXOCAIXA"),
             {QStringLiteral("CD_FLUXO_CAIXA"), QStringLiteral("DT_INIC_VIGN_FLUXO_CAIXA")},
             {QStringLiteral("DE_HINT_CONTA_FLUXO_CAIXA")}},
            {QStringLiteral("TA_IdadeSaldo"),
             {QStringLiteral("CD_IDADE_SALDO"), QStringLiteral("DT_INIC_VIGN_IDADE_SALDO")},
             {QStringLiteral("DE_HINT_CONTA_IDADE_SALDO")}},
            {QStringLiteral("TB_PlanoContas"),
             {QStringLiteral("ID_TIPO_PLANO"), QStringLiteral("DT_INIC_VIGN_PLANO"), QStringLiteral("CD_CONTA_REFERENCIA")},
             {QStringLiteral("DE_HINT_CONTA_CONTABIL"), QStringLiteral("CD_CONTA_COMPOE")},
             true},
            {QStringLiteral("ListaOperadoras"), {QStringLiteral("CD_OPER")}, {}}};
}

// The table's column names as the database declares them.
QStringList colunasDe(const QSqlDatabase &db, const QString &tabela)
{
    QStringList r;
    Consulta q(db, QStringLiteral("SELECT name FROM pragma_table_info(:TABELA)"));
    q.bind(QStringLiteral(":TABELA"), tabela);
    q.executar();
    while (q.proxima())
        r << q.valor(0).toString();
    return r;
}

QString chaveDaLinha(const QSqlRecord &registro, const QStringList &chave)
{
    QStringList partes;
    for (const QString &c : chave)
        partes << registro.value(c).toString();
    return partes.join(QChar(0x1f));
}

} // namespace

TInstallManagerDm::TInstallManagerDm(QString baseUsuario, QString baseNova)
    : m_baseUsuario(std::move(baseUsuario))
    , m_baseNova(std::move(baseNova))
{
}

TInstallManagerDm::~TInstallManagerDm() = default;

QString TInstallManagerDm::mensagemDominios()
{
    return QStringLiteral(
        "Não foi possível efetuar a atualização dos seguintes domínios: Modalidade, Submodalidade e Natureza Jurídica.");
}

void TInstallManagerDm::OpenUserDatabase()
{
    if (!m_usuario)
        m_usuario = ConexaoBanco::abrir(m_baseUsuario);
}

QSqlDatabase TInstallManagerDm::usuario()
{
    OpenUserDatabase();
    return m_usuario->db();
}

QSqlDatabase TInstallManagerDm::nova()
{
    if (!m_nova) {
        // Whether this is an insurers' database is decided by the list of operators
        // as the user's database had it before the merge brings the new one.
        Consulta q(usuario(), QStringLiteral("SELECT CD_OPER FROM LISTAOPERADORAS LIMIT 1"));
        m_primeiroCodigo = q.primeira() ? q.texto(QStringLiteral("CD_OPER")) : QString();
        m_nova = ConexaoBanco::abrir(m_baseNova);
    }
    return m_nova->db();
}

QString TInstallManagerDm::lerVersao()
{
    Consulta q(usuario(), QStringLiteral("SELECT VersaoKelpa, DtVersaoKelpa FROM Consts LIMIT 1"));
    if (!q.primeira())
        return QStringLiteral(" - ");
    const QDate data = q.data(QStringLiteral("DtVersaoKelpa"));
    return q.texto(QStringLiteral("VersaoKelpa")) + QStringLiteral(" - ")
           + (data.isValid() ? data.toString(QStringLiteral("dd/MM/yyyy")) : QString());
}

QString TInstallManagerDm::VersaoBaseUsuario()
{
    try {
        return lerVersao();
    } catch (const ErroBanco &) {
        // A database that never had its version table (or its version columns).
        AlteracaoEsquemaSqlite alteracao(usuario());
        alteracao.GaranteTabela(consts, colunasConsts());
        return lerVersao();
    }
}

bool TInstallManagerDm::NeedsDataCleanup()
{
    Consulta q(usuario(),
               QStringLiteral("SELECT MAX(P.DT_INIC_VIGN) AS DT_INIC_VIGN_LANCAMENTO, "
                              "MAX(P.DT_INIC_VIGN_PLANO) AS DT_INIC_VIGN_PLANO_MAX, P.CD_OPER, "
                              "MIN(C.DT_INIC_VIGN) AS DT_INIC_VIGN_QOR FROM PLANOCONTASVALOR AS P "
                              "INNER JOIN CADASTRO AS C ON P.CD_OPER = C.CD_OPER GROUP BY P.CD_OPER ORDER BY P.CD_OPER"));
    QDate lancamento;
    QDate planoMaximo;
    if (q.primeira()) {
        lancamento = q.data(QStringLiteral("DT_INIC_VIGN_LANCAMENTO"));
        planoMaximo = q.data(QStringLiteral("DT_INIC_VIGN_PLANO_MAX"));
    }
    // A missing date counts as the earliest of all.
    const auto antes = [](const QDate &a, const QDate &b) {
        if (!b.isValid())
            return false;
        return !a.isValid() || a < b;
    };
    const bool emOrdem = VersaoBaseUsuario().contains(QStringLiteral("4.0.1")) ? antes(lancamento, m_dataPlano)
                                                                                 : !antes(lancamento, planoMaximo);
    return !emOrdem;
}

void TInstallManagerDm::DeleteData2007()
{
    const QSqlDatabase db = usuario();
    AlteracaoEsquemaSqlite alteracao(db);
    Transacao transacao(db);
    for (const char *tabela : {"Ativos_vinculados", "Despesas_comerc_valor", "Planocontasvalor", "Provisoestecnicas",
                               "Quadroreceitasdespesasuf", "Receitasdespesasuf", "Tb_fluxocaixavalor", "Tb_idadesaldovalor"}) {
        const QString nome = QString::fromLatin1(tabela);
        // A database of a version without the table has nothing of 2007 in it.
        if (!alteracao.TabelaExiste(nome))
            continue;
        Consulta q(db, QStringLiteral("DELETE FROM %1 WHERE DT_INIC_VIGN >= :DATA").arg(AlteracaoEsquema::identificador(nome)));
        q.bind(QStringLiteral(":DATA"), m_dataPlano);
        q.executar();
    }
    const int ano = m_dataPlano.year();
    if (alteracao.TabelaExiste(QStringLiteral("SaldoAcumuladoTrimestre")))
        Consulta(db, QStringLiteral("DELETE FROM SaldoAcumuladoTrimestre WHERE NR_ANO = :ANO")).bind(QStringLiteral(":ANO"), ano).executar();
    if (alteracao.TabelaExiste(QStringLiteral("SaldoAcumuladoAno")))
        Consulta(db, QStringLiteral("DELETE FROM SaldoAcumuladoAno WHERE NR_ANO = :ANO")).bind(QStringLiteral(":ANO"), ano - 1).executar();
    transacao.confirmar();
}

void TInstallManagerDm::UpdateSchema()
{
    nova();
    AlteracaoEsquemaSqlite alteracao(usuario());
    alteracao.GaranteTabela(QStringLiteral("TA_ConstraintKelpa"), colunasRegistro());
    const QString versao = VersaoBaseUsuario();
    for (const TabelaVersao4 &tabela : TabelasVersao4()) {
        const bool existia = alteracao.TabelaExiste(tabela.nome);
        alteracao.GaranteTabela(tabela.nome, tabela.colunas);
        if (existia)
            continue;
        for (const RestricaoTabela &r : tabela.restricoes)
            adicionaRestricao(alteracao, r, versao);
    }
    if (alteracao.TabelaExiste(QStringLiteral("Validacao")))
        alteracao.AlteraTipoColuna(QStringLiteral("DE_VLDC_TEXT_UM"), QStringLiteral("Validacao"), QStringLiteral("MEMORANDO"));
}

void TInstallManagerDm::adicionaRestricao(AlteracaoEsquema &alteracao, const RestricaoTabela &r, const QString &versao)
{
    // A 4.0.0 database made these keys in its own upgrade: they are only recorded.
    // One of 3.1.0 receives them; older ones never had them and stay without.
    if (versao.contains(QStringLiteral("4.0.0")))
        registraRestricao(r.nome);
    else if (!versao.contains(QStringLiteral("3.1.0")))
        return;
    if (restricaoRegistrada(r.nome))
        return;
    alteracao.AdicionaRestricao(r.tabela, r.tipo, r.nome, r.tabelaReferida, r.colunasReferidas, r.colunas);
    registraRestricao(r.nome);
}

bool TInstallManagerDm::restricaoRegistrada(const QString &nome)
{
    Consulta q(usuario(), QStringLiteral("SELECT 1 FROM TA_ConstraintKelpa WHERE ConstraintName = :NOME"));
    q.bind(QStringLiteral(":NOME"), nome);
    return q.primeira();
}

void TInstallManagerDm::registraRestricao(const QString &nome)
{
    Consulta origem(nova(), QStringLiteral("SELECT ConstraintName, ConstraintTableName, ConstraintColunmName, "
                                           "ReferenciaTableName, ReferenciaColunmName FROM TA_ConstraintKelpa "
                                           "WHERE ConstraintName = :NOME"));
    origem.bind(QStringLiteral(":NOME"), nome);
    origem.executar();
    const QSqlDatabase db = usuario();
    Transacao transacao(db);
    while (origem.proxima()) {
        const bool existe = restricaoRegistrada(nome);
        Consulta q(db, existe ? QStringLiteral("UPDATE TA_ConstraintKelpa SET ConstraintTableName = :TABELA, "
                                               "DT_Create = :DATA, ConstraintColunmName = :COLUNAS, "
                                               "ReferenciaTableName = :REFERIDA, ReferenciaColunmName = :COLREFERIDAS "
                                               "WHERE ConstraintName = :NOME")
                              : QStringLiteral("INSERT INTO TA_ConstraintKelpa (ConstraintName, ConstraintTableName, "
                                               "DT_Create, ConstraintColunmName, ReferenciaTableName, ReferenciaColunmName) "
                                               "VALUES (:NOME, :TABELA, :DATA, :COLUNAS, :REFERIDA, :COLREFERIDAS)"));
        q.bind(QStringLiteral(":NOME"), nome)
            .bind(QStringLiteral(":TABELA"), origem.texto(QStringLiteral("ConstraintTableName")))
            .bind(QStringLiteral(":DATA"), QDate::currentDate())
            .bind(QStringLiteral(":COLUNAS"), origem.texto(QStringLiteral("ConstraintColunmName")))
            .bind(QStringLiteral(":REFERIDA"), origem.texto(QStringLiteral("ReferenciaTableName")))
            .bind(QStringLiteral(":COLREFERIDAS"), origem.texto(QStringLiteral("ReferenciaColunmName")));
        q.executar();
    }
    transacao.confirmar();
}

bool TInstallManagerDm::UpdateDatabase()
{
    m_msgErroUpdate.clear();
    nova();
    bool numero = false;
    const int codigo = m_primeiroCodigo.trimmed().toInt(&numero);
    if (!numero || codigo < 30000)
        adicionaDominiosSeguradoras();
    try {
        mesclaTabelasFixas();
        return true;
    } catch (const ErroBanco &e) {
        m_msgErroUpdate = e.textoCompleto();
        return false;
    }
}

void TInstallManagerDm::adicionaDominiosSeguradoras()
{
    const QSqlDatabase db = usuario();
    try {
        Transacao transacao(db);
        executarSql(db, QStringLiteral("UPDATE LISTAOPERADORAS SET CD_MODL = 'SES' WHERE CD_OPER < '30000'"));
        executarSql(db, QStringLiteral("UPDATE TP_NATUREZAJURIDICA SET DE_NATZ_JURD = 'S/A - Sociedade Anônima' "
                                       "WHERE CD_NATZ_JURD = 'SOCIA'"));
        executarSql(db, QStringLiteral("INSERT INTO TP_MODALIDADE (CD_MODL, NM_MODL, LG_ODON, LG_SUBM, TP_RECT_BALN) "
                                       "SELECT 'SES', 'Seguradora Especializada em Saúde', 'F', 'T', '' "
                                       "WHERE NOT EXISTS (SELECT 1 FROM TP_MODALIDADE WHERE CD_MODL = 'SES')"));
        executarSql(db, QStringLiteral("INSERT INTO TP_SUBMODALIDADE (CD_SUBM, NM_SUBM) SELECT 'SEM', '.' "
                                       "WHERE NOT EXISTS (SELECT 1 FROM TP_SUBMODALIDADE WHERE CD_SUBM = 'SEM')"));
        executarSql(db, QStringLiteral("INSERT INTO TP_MODALIDADESUBMODALIDADE (CD_MODL, CD_SOCI, CD_SUBM) "
                                       "SELECT 'SES', 'C', 'SEM' WHERE NOT EXISTS (SELECT 1 FROM TP_MODALIDADESUBMODALIDADE "
                                       "WHERE CD_MODL = 'SES' AND CD_SOCI = 'C' AND CD_SUBM = 'SEM')"));
        executarSql(db, QStringLiteral("INSERT INTO TP_NATUREZAJURIDICAMODALIDADE (CD_NATZ_JURD, CD_MODL) "
                                       "SELECT 'SOCIA', 'SES' WHERE NOT EXISTS (SELECT 1 FROM TP_NATUREZAJURIDICAMODALIDADE "
                                       "WHERE CD_NATZ_JURD = 'SOCIA' AND CD_MODL = 'SES')"));
        transacao.confirmar();
    } catch (const ErroBanco &e) {
        throw ErroBanco(mensagemDominios(), e.textoCompleto());
    }
}

void TInstallManagerDm::mesclaTabelasFixas()
{
    const QSqlDatabase destino = usuario();
    const QSqlDatabase origem = nova();
    Transacao transacao(destino);
    for (const TabelaFixa &t : tabelasFixas()) {
        const QString tabela = AlteracaoEsquema::identificador(t.nome);
        // Every column both tables have: an appended row must be whole, its
        // description included, or the quadros would show an empty line.
        QStringList doUsuario = colunasDe(destino, tabela);
        if (doUsuario.isEmpty()) {
            // A database from before the table existed receives it as the new version has it.
            Consulta criacao(origem, QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = :TABELA "
                                                    "COLLATE NOCASE"));
            criacao.bind(QStringLiteral(":TABELA"), tabela);
            if (!criacao.primeira())
                throw ErroBanco(QStringLiteral("A tabela %1 não existe na base de dados da nova versão.").arg(tabela));
            executarSql(destino, criacao.texto(QStringLiteral("sql")));
            doUsuario = colunasDe(destino, tabela);
        }
        QStringList comuns;
        for (const QString &c : colunasDe(origem, tabela)) {
            for (const QString &u : doUsuario)
                if (u.compare(c, Qt::CaseInsensitive) == 0)
                    comuns << AlteracaoEsquema::identificador(u);
        }
        if (comuns.isEmpty())
            throw ErroBanco(QStringLiteral("A tabela %1 não tem colunas em comum com a da nova versão.").arg(tabela));

        QHash<QString, bool> existentes;
        {
            Consulta atual(destino, QStringLiteral("SELECT %1 FROM %2").arg(AlteracaoEsquema::JuntaLista(t.chave), tabela));
            atual.executar();
            while (atual.proxima())
                existentes.insert(chaveDaLinha(atual.query().record(), t.chave), true);
        }

        Consulta linhas(origem, QStringLiteral("SELECT %1 FROM %2%3")
                                    .arg(AlteracaoEsquema::JuntaLista(comuns), tabela,
                                         t.somenteVersaoPlano ? QStringLiteral(" WHERE DT_INIC_VIGN_PLANO = :PLANO") : QString()));
        if (t.somenteVersaoPlano)
            linhas.bind(QStringLiteral(":PLANO"), m_dataPlano);
        linhas.executar();

        QStringList condicao;
        for (const QString &c : t.chave)
            condicao << QStringLiteral("%1 = :%1").arg(c);
        QStringList atribuicoes;
        for (const QString &c : t.atualizadas)
            atribuicoes << QStringLiteral("%1 = :%1").arg(c);
        QStringList marcadores;
        for (const QString &c : comuns)
            marcadores << QLatin1Char(':') + c;

        while (linhas.proxima()) {
            const QSqlRecord registro = linhas.query().record();
            if (existentes.contains(chaveDaLinha(registro, t.chave))) {
                if (atribuicoes.isEmpty())
                    continue;
                Consulta q(destino, QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                                        .arg(tabela, atribuicoes.join(QStringLiteral(", ")),
                                             condicao.join(QStringLiteral(" AND "))));
                for (const QString &c : t.atualizadas + t.chave)
                    q.bind(QLatin1Char(':') + c, registro.value(c));
                q.executar();
            } else {
                Consulta q(destino, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                        .arg(tabela, AlteracaoEsquema::JuntaLista(comuns), marcadores.join(QStringLiteral(", "))));
                for (const QString &c : comuns)
                    q.bind(QLatin1Char(':') + c, registro.value(c));
                q.executar();
            }
        }
    }
    transacao.confirmar();
}

void TInstallManagerDm::RebuildConsts()
{
    Consulta origem(nova(), QStringLiteral("SELECT VersaoKelpa, DtVersaoKelpa FROM Consts LIMIT 1"));
    const bool temVersao = origem.primeira();
    const QSqlDatabase db = usuario();
    // Dropped and made again in one step: a failure keeps the old version record.
    Transacao transacao(db);
    AlteracaoEsquemaSqlite alteracao(db);
    if (alteracao.TabelaExiste(consts))
        executarSql(db, QStringLiteral("DROP TABLE Consts"));
    alteracao.CriaTabela(consts, colunasConsts());
    Consulta q(db, QStringLiteral("INSERT INTO Consts (VersaoKelpa, DtVersaoKelpa) VALUES (:VERSAO, :DATA)"));
    q.bind(QStringLiteral(":VERSAO"), temVersao ? origem.valor(QStringLiteral("VersaoKelpa")) : QVariant())
        .bind(QStringLiteral(":DATA"), temVersao ? origem.valor(QStringLiteral("DtVersaoKelpa")) : QVariant());
    q.executar();
    transacao.confirmar();
}

void TInstallManagerDm::CloseDatabases()
{
    m_nova.reset();
    m_usuario.reset();
}

} // namespace kelpa
