// The installer without its window: the file work (package check, backup, copies that
// never overwrite, clean-up), the database update of an older installation (the 2007
// clean-up, keys by version, fixed tables, insurer domains, version record) and the
// whole sequence, ending in a database the program opens.

#include "instalador_apoio.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "apoio/ExecutaCli.h"
#include "instalador/TInstallManagerDm.h"

#include <QCryptographicHash>
#include <QSqlQuery>

using namespace kelpa;
using namespace kelpa::teste::instalador;
using kelpa::teste::BancoTemporario;
using kelpa::teste::BaseAntiga;

namespace {

QVariant escalar(const QString &arquivo, const QString &consulta)
{
    auto conexao = ConexaoBanco::abrir(arquivo);
    QSqlQuery q(conexao->db());
    if (!q.exec(consulta) || !q.next()) {
        ADD_FAILURE() << consulta.toStdString();
        return {};
    }
    return q.value(0);
}

QByteArray resumo(const QString &arquivo)
{
    return QCryptographicHash::hash(ler(arquivo), QCryptographicHash::Sha256);
}

int chavesPrimarias(const QSqlDatabase &db, const char *tabela)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('%1') WHERE pk > 0").arg(QLatin1String(tabela)));
    return q.next() ? q.value(0).toInt() : -1;
}

int chavesEstrangeiras(const QSqlDatabase &db, const char *tabela)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT COUNT(*) FROM pragma_foreign_key_list('%1')").arg(QLatin1String(tabela)));
    return q.next() ? q.value(0).toInt() : -1;
}

struct Passos {
    QList<int> marcados;
    int confirmacoes = 0;
    bool resposta = true;
    QStringList errosBase;
    Instalacao::Eventos eventos()
    {
        Instalacao::Eventos e;
        e.marcar = [this](int linha) { marcados << linha; };
        e.confirmarLimpeza = [this] {
            ++confirmacoes;
            return resposta;
        };
        e.erroBase = [this](const QString &m) { errosBase << m; };
        return e;
    }
};

} // namespace

class Instalador : public ::testing::Test
{
protected:
    AmbienteInstalacao ambiente;
};

TEST_F(Instalador, ACompleteInstallationGoesToTheDefaultDirectoryAndCleansThePackageUp)
{
    auto m = ambiente.manager(Instalacao::Completa);
    EXPECT_EQ(m->ApplicationInstalPath, ambiente.padrao());
    Passos passos;
    Instalacao instalacao;
    ASSERT_EQ(instalacao.executar(*m, Instalacao::Completa, passos.eventos()), Instalacao::Resultado::Concluida)
        << instalacao.motivo().toStdString();
    EXPECT_EQ(passos.marcados, QList<int>({0, 3}));
    EXPECT_EQ(passos.confirmacoes, 0);

    const QString destino = ambiente.padrao() + QStringLiteral("/");
    EXPECT_EQ(arquivosEm(destino), QStringList({"Expt_Kelpa.dat", "Kelpa.db", "kelpa"}));
    EXPECT_EQ(ler(destino + QStringLiteral("kelpa")), QByteArray("programa novo"));
    EXPECT_TRUE(QFileInfo(destino + QStringLiteral("kelpa")).isExecutable());
    EXPECT_EQ(ler(destino + QStringLiteral("Expt_Kelpa.dat")), QByteArray("definicoes novas"));
    EXPECT_EQ(escalar(destino + QStringLiteral("Kelpa.db"), QStringLiteral("SELECT VersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2"));
    // Nothing of the package is left, here or there.
    for (const QString &nome : nomesDoPacote()) {
        EXPECT_FALSE(QFileInfo::exists(ambiente.pacote() + nome)) << nome.toStdString();
        EXPECT_FALSE(QFileInfo::exists(destino + nome)) << nome.toStdString();
    }
}

TEST_F(Instalador, ACompleteInstallationNeverOverwritesWhatIsThere)
{
    QDir().mkpath(ambiente.padrao());
    gravar(ambiente.padrao() + QStringLiteral("/kelpa"), "programa antigo");
    gravar(ambiente.padrao() + QStringLiteral("/Kelpa.db"), "dados do usuario");
    auto m = ambiente.manager(Instalacao::Completa);
    Passos passos;
    ASSERT_EQ(Instalacao().executar(*m, Instalacao::Completa, passos.eventos()), Instalacao::Resultado::Concluida);
    EXPECT_EQ(ler(ambiente.padrao() + QStringLiteral("/kelpa")), QByteArray("programa antigo"));
    EXPECT_EQ(ler(ambiente.padrao() + QStringLiteral("/Kelpa.db")), QByteArray("dados do usuario"));
    EXPECT_EQ(ler(ambiente.padrao() + QStringLiteral("/Expt_Kelpa.dat")), QByteArray("definicoes novas"));
}

TEST_F(Instalador, AnIncompletePackageStopsBeforeAnyFileIsCopied)
{
    // Checked in this order: definitions, database, program.
    const struct {
        const char *falta;
        const char *mensagem;
    } casos[] = {
        {"Expt_Kelpa.da_", "Não foi encontrado o arquivo Expt_Kelpa.da_"},
        {"KELPA_Qor.md_", "Não foi encontrado o arquivo KELPA_Qor.md_"},
        {"KELPA.ex_", "Não foi encontrado o arquivo KELPA.ex_"},
    };
    for (const auto &c : casos) {
        AmbienteInstalacao local;
        QFile::remove(local.pacote() + QString::fromLatin1(c.falta));
        auto m = local.manager(Instalacao::Completa);
        Passos passos;
        Instalacao instalacao;
        EXPECT_EQ(instalacao.executar(*m, Instalacao::Completa, passos.eventos()), Instalacao::Resultado::Interrompida);
        EXPECT_EQ(instalacao.motivo(), QString::fromUtf8(c.mensagem));
        EXPECT_TRUE(arquivosEm(local.padrao()).isEmpty()) << c.falta;
    }
}

TEST_F(Instalador, TheBackupTakesTheFirstFreeNameAndLaterCallsRemoveTheOldProgram)
{
    ambiente.instalarAntigo("4.0.0");
    QDir(ambiente.instalacao()).mkdir(QStringLiteral("BKP20071_KELPA"));
    QDir(ambiente.instalacao()).mkdir(QStringLiteral("BKP20071_KELPA1"));
    // A read-only old program is removed all the same.
    QFile::setPermissions(ambiente.instalacao() + QStringLiteral("/kelpa"), QFile::ReadOwner);
    auto m = ambiente.manager(Instalacao::Atualizacao);

    m->BackupOrRemove(false);
    EXPECT_EQ(m->SecurtyDirPath, ambiente.instalacao() + QStringLiteral("/BKP20071_KELPA2"));
    EXPECT_EQ(arquivosEm(m->SecurtyDirPath), QStringList({"Expt_Kelpa.dat", "Kelpa.db", "kelpa"}));
    EXPECT_EQ(resumo(m->SecurtyDirPath + QStringLiteral("/Kelpa.db")), resumo(ambiente.baseInstalada()));

    m->BackupOrRemove(true);
    EXPECT_EQ(arquivosEm(ambiente.instalacao()), QStringList({"Kelpa.db"}));
    EXPECT_EQ(arquivosEm(m->SecurtyDirPath).size(), 3);
}

TEST_F(Instalador, AnUpdateKeepsTheDataBacksItUpAndStampsTheNewVersion)
{
    ambiente.instalarAntigo("4.0.0");
    const QByteArray antes = resumo(ambiente.baseInstalada());
    const int valoresFluxo = escalar(ambiente.baseInstalada(), QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor")).toInt();
    ASSERT_GT(valoresFluxo, 0);
    auto m = ambiente.manager(Instalacao::Atualizacao);
    Passos passos;
    Instalacao instalacao;
    ASSERT_EQ(instalacao.executar(*m, Instalacao::Atualizacao, passos.eventos()), Instalacao::Resultado::Concluida)
        << instalacao.motivo().toStdString();
    EXPECT_EQ(passos.confirmacoes, 0); // nothing of 2007 in it
    EXPECT_EQ(passos.marcados, QList<int>({0, 1, 2, 3}));
    m.reset();

    const QString backup = ambiente.instalacao() + QStringLiteral("/BKP20071_KELPA/");
    EXPECT_EQ(resumo(backup + QStringLiteral("Kelpa.db")), antes);
    EXPECT_EQ(ler(backup + QStringLiteral("kelpa")), QByteArray("programa antigo"));
    EXPECT_EQ(arquivosEm(ambiente.instalacao()), QStringList({"Expt_Kelpa.dat", "Kelpa.db", "kelpa"}));
    EXPECT_EQ(ler(ambiente.instalacao() + QStringLiteral("/kelpa")), QByteArray("programa novo"));
    EXPECT_EQ(ler(ambiente.instalacao() + QStringLiteral("/Expt_Kelpa.dat")), QByteArray("definicoes novas"));
    EXPECT_TRUE(arquivosEm(ambiente.pacote()).isEmpty());

    const QString base = ambiente.baseInstalada();
    EXPECT_EQ(escalar(base, QStringLiteral("SELECT COUNT(*) FROM TB_FluxoCaixaValor")).toInt(), valoresFluxo);
    EXPECT_EQ(escalar(base, QStringLiteral("SELECT COUNT(*) FROM Consts")).toInt(), 1);
    EXPECT_EQ(escalar(base, QStringLiteral("SELECT VersaoKelpa || ' ' || DtVersaoKelpa FROM Consts")).toString(),
              QStringLiteral("2007.2 2007-01-01"));
    // The 2007 chart came in with the table it lives in.
    EXPECT_GT(escalar(base, QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO = '2007-01-01'")).toInt(), 0);
    EXPECT_EQ(escalar(base, QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO <> '2007-01-01'")).toInt(), 0);

    // The program opens it (and its own upgrade finds nothing left to do).
    const teste::SaidaCli info = teste::executarCli({"--dir", ambiente.instalacao(), "info"});
    EXPECT_EQ(info.codigo, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QStringLiteral("2007.2"))) << info.out.toStdString();
}

TEST_F(Instalador, Data2007OfAnOlderChartIsErasedOnlyWhenTheUserGoesOn)
{
    ambiente.instalarAntigo("4.0.0", [](BaseAntiga &b) {
        b.sql(QStringLiteral("UPDATE CONSTS SET VersaoKelpa = '4.0.1'"));
        b.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR VALUES ('345678', '2007-04-01', '20', '2001-01-01', '1', 9.0, 'N')"));
    });
    const QByteArray antes = resumo(ambiente.baseInstalada());
    const auto conteudo = [this] {
        return QDir(ambiente.instalacao()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    };
    const QStringList arquivosAntes = conteudo();

    // Cancelled: nothing copied, backed up or deleted; the package stays for another try.
    {
        auto m = ambiente.manager(Instalacao::Atualizacao);
        Passos passos;
        passos.resposta = false;
        Instalacao instalacao;
        EXPECT_EQ(instalacao.executar(*m, Instalacao::Atualizacao, passos.eventos()), Instalacao::Resultado::Interrompida);
        EXPECT_EQ(instalacao.motivo(), QStringLiteral("Instalação interrompida pelo usuário."));
        EXPECT_EQ(passos.confirmacoes, 1);
    }
    EXPECT_EQ(resumo(ambiente.baseInstalada()), antes);
    EXPECT_EQ(conteudo(), arquivosAntes); // no backup directory either
    EXPECT_EQ(arquivosEm(ambiente.pacote()), nomesDoPacote());

    // Going on: the backup keeps the 2007 row, the database no longer has it.
    auto m = ambiente.manager(Instalacao::Atualizacao);
    Passos passos;
    ASSERT_EQ(Instalacao().executar(*m, Instalacao::Atualizacao, passos.eventos()), Instalacao::Resultado::Concluida);
    m.reset();
    const QString backup = ambiente.instalacao() + QStringLiteral("/BKP20071_KELPA/Kelpa.db");
    EXPECT_EQ(resumo(backup), antes);
    EXPECT_EQ(escalar(ambiente.baseInstalada(), QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR WHERE DT_INIC_VIGN >= '2007-01-01'")).toInt(), 0);
    EXPECT_EQ(escalar(ambiente.baseInstalada(), QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR")).toInt(), 2);
}

TEST_F(Instalador, AnUpdateWithoutADatabaseStopsWithItsReason)
{
    auto m = ambiente.manager(Instalacao::Atualizacao);
    Passos passos;
    Instalacao instalacao;
    EXPECT_EQ(instalacao.executar(*m, Instalacao::Atualizacao, passos.eventos()), Instalacao::Resultado::Interrompida);
    EXPECT_TRUE(instalacao.motivo().startsWith(QStringLiteral("Não foi encontrada a base de dados do KELPA em ")))
        << instalacao.motivo().toStdString();
    EXPECT_EQ(arquivosEm(ambiente.pacote()), nomesDoPacote());
}

TEST_F(Instalador, TheDatabaseAnIniFileNamesIsTheOneUpdated)
{
    // The program in one directory, its database in another.
    BaseAntiga antiga("4.0.0");
    antiga.fechar();
    gravar(ambiente.instalacao() + QStringLiteral("/Kelpa.ini"),
           QStringLiteral("[Defaults]\nDiretorioBase=%1\n").arg(antiga.diretorio()).toUtf8());
    auto m = ambiente.manager(Instalacao::Atualizacao);
    EXPECT_EQ(m->BaseUsuario(), QDir::cleanPath(antiga.diretorio()) + QStringLiteral("/Kelpa.db"));
    Passos passos;
    ASSERT_EQ(Instalacao().executar(*m, Instalacao::Atualizacao, passos.eventos()), Instalacao::Resultado::Concluida);
    m.reset();
    EXPECT_EQ(escalar(antiga.arquivo(), QStringLiteral("SELECT VersaoKelpa FROM Consts")).toString(), QStringLiteral("2007.2"));
    EXPECT_TRUE(QFileInfo::exists(ambiente.instalacao() + QStringLiteral("/BKP20071_KELPA/Kelpa.db")));
}

// ---- the database update, step by step ----

TEST(AtualizacaoInstalador, TheCleanupCheckFollowsTheVersionAndTheNewestQuarter)
{
    const struct {
        const char *versao;
        const char *trimestre; // newest value row, empty for none
        const char *plano;     // its chart version
        bool limpar;
    } casos[] = {
        {"4.0.1", "2007-04-01", "2001-01-01", true},
        {"4.0.1", "2006-10-01", "2001-01-01", false},
        {"4.0.1", "", "", false},
        {"2007.2", "2007-01-01", "2007-01-01", false},
        {"2007.2", "2006-10-01", "2007-01-01", true}, // a quarter before the chart it was entered in
        {"4.0.0", "2006-10-01", "2001-01-01", false},
    };
    for (const auto &c : casos) {
        BancoTemporario banco;
        banco.sql(QStringLiteral("UPDATE CONSTS SET VersaoKelpa = '%1'").arg(QLatin1String(c.versao)));
        banco.sql(QStringLiteral("INSERT INTO CADASTRO (CD_OPER, DT_INIC_VIGN, ID_PSOA, LG_ALTR_TRAM) VALUES ('345678', '2001-01-01', 0, 'N')"));
        if (*c.trimestre) {
            banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, "
                                     "CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) VALUES "
                                     "('345678', '2005-01-01', '20', '2001-01-01', '1', 1, 'N'), "
                                     "('345678', '%1', '20', '%2', '1', 1, 'N')")
                          .arg(QLatin1String(c.trimestre), QLatin1String(c.plano)));
        }
        TInstallManagerDm dm(banco.arquivo(), banco.arquivo());
        EXPECT_EQ(dm.NeedsDataCleanup(), c.limpar) << c.versao << " " << c.trimestre;
    }
}

TEST(AtualizacaoInstalador, TheCleanupErasesEveryOperatorsData2007AllAtOnce)
{
    BancoTemporario banco;
    for (const char *oper : {"345678", "012345"}) {
        for (const char *data : {"2006-10-01", "2007-01-01", "2007-04-01"}) {
            banco.sql(QStringLiteral("INSERT INTO PLANOCONTASVALOR (CD_OPER, DT_INIC_VIGN, ID_TIPO_PLANO, DT_INIC_VIGN_PLANO, "
                                     "CD_CONTA_REFERENCIA, VL_CONTA_REFERENCIA, LG_ALTR_TRAM) VALUES ('%1', '%2', '20', "
                                     "'2001-01-01', '1', 1, 'N')")
                          .arg(QLatin1String(oper), QLatin1String(data)));
            banco.sql(QStringLiteral("INSERT INTO QUADRORECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF_OPER, LG_ALTR_TRAM) "
                                     "VALUES ('%1', '%2', 'SP', 'N')")
                          .arg(QLatin1String(oper), QLatin1String(data)));
        }
        for (int ano : {2006, 2007}) {
            banco.sql(QStringLiteral("INSERT INTO SaldoAcumuladoTrimestre (CD_OPER, CD_ITEM_SALDO, NR_ANO, NR_TRIMESTRE, VL_ITEM_SALDO, "
                                     "LG_ALTR_TRAM) VALUES ('%1', '01', %2, 1, 1, 'N')").arg(QLatin1String(oper)).arg(ano));
            banco.sql(QStringLiteral("INSERT INTO SaldoAcumuladoAno (CD_OPER, NR_ANO, VL_SALDO_FINAL_ANO, LG_ALTR_TRAM) "
                                     "VALUES ('%1', %2, 1, 'N')").arg(QLatin1String(oper)).arg(ano));
        }
    }
    TInstallManagerDm dm(banco.arquivo(), banco.arquivo());
    dm.DeleteData2007();
    dm.CloseDatabases();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(DISTINCT DT_INIC_VIGN) FROM PLANOCONTASVALOR")).toString(),
              QStringLiteral("2006-10-01"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PLANOCONTASVALOR")).toInt(), 2);
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM QUADRORECEITASDESPESASUF")).toInt(), 2);
    // The year 2007 of the quarter balances goes, and the 2006 closing balance it started from.
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(DISTINCT NR_ANO) FROM SaldoAcumuladoTrimestre")).toString(),
              QStringLiteral("2006"));
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT GROUP_CONCAT(DISTINCT NR_ANO) FROM SaldoAcumuladoAno")).toString(),
              QStringLiteral("2007"));
}

TEST(AtualizacaoInstalador, KeysComeOnlyWithNewTablesAndOnlyForTheVersionsThatHadThem)
{
    BancoTemporario nova;
    nova.fechar();
    const struct {
        const char *versao;
        bool semIdades; // the ages-of-balance tables dropped first
        int chavesFluxo;
        int registradas;
    } casos[] = {
        {"3.0.4", false, 0, 0}, // tables made, no keys
        {"3.1.0", false, 4, 6}, // tables made with their keys, recorded
        {"4.0.0", false, 4, 0}, // its own tables as they were
        {"4.0.0", true, 4, 3},  // remade without keys, the keys only recorded
    };
    for (const auto &c : casos) {
        BaseAntiga antiga(c.versao);
        if (c.semIdades) {
            antiga.sql(QStringLiteral("DROP TABLE TB_IdadeSaldoValor"));
            antiga.sql(QStringLiteral("DROP TABLE TA_IdadeSaldo"));
        }
        antiga.fechar();
        TInstallManagerDm dm(antiga.arquivo(), nova.arquivo());
        dm.UpdateSchema();
        dm.CloseDatabases();
        auto conexao = ConexaoBanco::abrir(antiga.arquivo());
        const QSqlDatabase db = conexao->db();
        SCOPED_TRACE(std::string(c.versao) + (c.semIdades ? " sem idades" : ""));
        for (const char *t : {"TB_FluxoCaixaValor", "TA_FluxoCaixa", "TB_IdadeSaldoValor", "TA_IdadeSaldo"})
            EXPECT_TRUE(QSqlQuery(db).exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(t)))) << t;
        EXPECT_EQ(chavesPrimarias(db, "TB_FluxoCaixaValor"), c.chavesFluxo);
        EXPECT_EQ(chavesEstrangeiras(db, "TB_FluxoCaixaValor"), c.chavesFluxo ? 2 : 0);
        const bool idadesComChave = c.chavesFluxo && !c.semIdades;
        EXPECT_EQ(chavesPrimarias(db, "TB_IdadeSaldoValor"), idadesComChave ? 4 : 0);
        QSqlQuery registro(db);
        ASSERT_TRUE(registro.exec(QStringLiteral("SELECT COUNT(*) FROM TA_ConstraintKelpa")) && registro.next());
        EXPECT_EQ(registro.value(0).toInt(), c.registradas);
        // The long text of the first finding.
        QSqlQuery tipo(db);
        ASSERT_TRUE(tipo.exec(QStringLiteral("SELECT type FROM pragma_table_info('VALIDACAO') WHERE name = 'DE_VLDC_TEXT_UM'")) && tipo.next());
        EXPECT_EQ(tipo.value(0).toString(), QStringLiteral("TEXT"));
    }
}

class TabelasFixas : public ::testing::Test
{
protected:
    void SetUp() override
    {
        nova.fechar();
        // The user's copy has its own description and an old hint on one line, and
        // misses another line, a 2007 account and an operator.
        usuario.sql(QStringLiteral("UPDATE TA_FluxoCaixa SET DE_CONTA_FLUXO_CAIXA = 'Minha descrição', "
                                   "DE_HINT_CONTA_FLUXO_CAIXA = 'velha' WHERE CD_FLUXO_CAIXA = '101'"));
        usuario.sql(QStringLiteral("DELETE FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '102'"));
        usuario.sql(QStringLiteral("UPDATE TB_PlanoContas SET DE_HINT_CONTA_CONTABIL = 'velha', DE_CONTA_CONTABIL = 'Minha conta' "
                                   "WHERE DT_INIC_VIGN_PLANO = '2007-01-01' AND CD_CONTA_REFERENCIA = '12000'"));
        usuario.sql(QStringLiteral("DELETE FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO = '2007-01-01' AND CD_CONTA_REFERENCIA = '12100'"));
        usuario.sql(QStringLiteral("DELETE FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO < '2007-01-01' AND CD_CONTA_REFERENCIA = '10200'"));
        usuario.sql(QStringLiteral("DELETE FROM LISTAOPERADORAS WHERE CD_OPER = (SELECT MAX(CD_OPER) FROM LISTAOPERADORAS)"));
    }
    QString novo(const QString &consulta) const
    {
        auto c = ConexaoBanco::abrir(nova.arquivo());
        QSqlQuery q(c->db());
        return q.exec(consulta) && q.next() ? q.value(0).toString() : QStringLiteral("(nada)");
    }
    BancoTemporario usuario;
    BancoTemporario nova;
};

TEST_F(TabelasFixas, RowsPresentTakeTheNewHintsAndMissingRowsAreAdded)
{
    const int operadoras = novo(QStringLiteral("SELECT COUNT(*) FROM LISTAOPERADORAS")).toInt();
    const int planoAntigo = usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO < '2007-01-01'")).toInt();
    TInstallManagerDm dm(usuario.arquivo(), nova.arquivo());
    ASSERT_TRUE(dm.UpdateDatabase()) << dm.MsgErroUpdate().toStdString();
    dm.CloseDatabases();

    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '101'")).toString(),
              QStringLiteral("Minha descrição"));
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_HINT_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '101'")).toString(),
              novo(QStringLiteral("SELECT DE_HINT_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '101'")));
    // An added line is whole, its description included.
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_CONTA_FLUXO_CAIXA || '|' || TP_NATUREZA_CONTA FROM TA_FluxoCaixa "
                                             "WHERE CD_FLUXO_CAIXA = '102'")).toString(),
              novo(QStringLiteral("SELECT DE_CONTA_FLUXO_CAIXA || '|' || TP_NATUREZA_CONTA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '102'")));

    const QString conta1 = QStringLiteral("FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO = '2007-01-01' AND CD_CONTA_REFERENCIA = '12000'");
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_CONTA_CONTABIL ") + conta1).toString(), QStringLiteral("Minha conta"));
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_HINT_CONTA_CONTABIL ") + conta1).toString(),
              novo(QStringLiteral("SELECT DE_HINT_CONTA_CONTABIL ") + conta1));
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO = '2007-01-01'")).toString(),
              novo(QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO = '2007-01-01'")));
    // Only the 2007 chart is brought: an older account the user removed stays removed.
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM TB_PlanoContas WHERE DT_INIC_VIGN_PLANO < '2007-01-01'")).toInt(),
              planoAntigo);
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM LISTAOPERADORAS")).toInt(), operadoras);
}

TEST_F(TabelasFixas, AFailedMergeChangesNothingAndSaysWhy)
{
    // The last table merged refuses a row: the earlier ones must not keep their changes.
    usuario.sql(QStringLiteral("CREATE TRIGGER recusa BEFORE INSERT ON LISTAOPERADORAS BEGIN SELECT RAISE(ABORT, 'recusada'); END"));
    TInstallManagerDm dm(usuario.arquivo(), nova.arquivo());
    EXPECT_FALSE(dm.UpdateDatabase());
    EXPECT_TRUE(dm.MsgErroUpdate().contains(QStringLiteral("recusada"))) << dm.MsgErroUpdate().toStdString();
    dm.CloseDatabases();
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT DE_HINT_CONTA_FLUXO_CAIXA FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '101'")).toString(),
              QStringLiteral("velha"));
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM TA_FluxoCaixa WHERE CD_FLUXO_CAIXA = '102'")).toInt(), 0);
}

TEST_F(TabelasFixas, InsurerDomainsComeWhenTheFirstListedOperatorIsAnInsurerOrThereIsNone)
{
    const struct {
        const char *lista; // the operator codes of the user's list, in order
        bool dominios;
    } casos[] = {
        {"", true},
        {"012345", true},
        {"ABC123", true},
        {"345678,012345", false},
    };
    for (const auto &c : casos) {
        BancoTemporario banco;
        banco.sql(QStringLiteral("DELETE FROM LISTAOPERADORAS"));
        for (const QString &cod : QString::fromLatin1(c.lista).split(u',', Qt::SkipEmptyParts))
            banco.sql(QStringLiteral("INSERT INTO LISTAOPERADORAS (CD_OPER, NM_PSOA) VALUES ('%1', 'x')").arg(cod));
        banco.sql(QStringLiteral("DELETE FROM TP_MODALIDADE WHERE CD_MODL = 'SES'"));
        banco.sql(QStringLiteral("DELETE FROM TP_MODALIDADESUBMODALIDADE WHERE CD_MODL = 'SES'"));
        banco.sql(QStringLiteral("DELETE FROM TP_NATUREZAJURIDICAMODALIDADE WHERE CD_MODL = 'SES'"));
        banco.sql(QStringLiteral("UPDATE TP_NATUREZAJURIDICA SET DE_NATZ_JURD = 'Sociedade' WHERE CD_NATZ_JURD = 'SOCIA'"));
        TInstallManagerDm dm(banco.arquivo(), nova.arquivo());
        ASSERT_TRUE(dm.UpdateDatabase()) << dm.MsgErroUpdate().toStdString();
        // Twice: nothing doubles.
        TInstallManagerDm(banco.arquivo(), nova.arquivo()).UpdateDatabase();
        SCOPED_TRACE(c.lista);
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_MODALIDADE WHERE CD_MODL = 'SES'")).toInt(), c.dominios ? 1 : 0);
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_MODALIDADESUBMODALIDADE WHERE CD_MODL = 'SES' "
                                               "AND CD_SOCI = 'C' AND CD_SUBM = 'SEM'")).toInt(), c.dominios ? 1 : 0);
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM TP_NATUREZAJURIDICAMODALIDADE WHERE CD_MODL = 'SES'")).toInt(),
                  c.dominios ? 1 : 0);
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT DE_NATZ_JURD FROM TP_NATUREZAJURIDICA WHERE CD_NATZ_JURD = 'SOCIA'")).toString(),
                  c.dominios ? QStringLiteral("S/A - Sociedade Anônima") : QStringLiteral("Sociedade"));
        if (c.dominios) {
            EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM LISTAOPERADORAS WHERE CD_OPER < '30000' AND CD_MODL <> 'SES'")).toInt(), 0);
        }
    }
}

TEST_F(TabelasFixas, TheVersionRecordIsMadeAgainWithOneRow)
{
    usuario.sql(QStringLiteral("INSERT INTO CONSTS (VersaoKelpa, DtVersaoKelpa) VALUES ('4.0.1', '2006-10-01')"));
    TInstallManagerDm dm(usuario.arquivo(), nova.arquivo());
    EXPECT_EQ(dm.VersaoBaseUsuario(), QStringLiteral("2007.2 - 01/01/2007"));
    dm.RebuildConsts();
    dm.CloseDatabases();
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT COUNT(*) FROM CONSTS")).toInt(), 1);
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT VersaoKelpa || ' ' || DtVersaoKelpa FROM CONSTS")).toString(),
              QStringLiteral("2007.2 2007-01-01"));
    EXPECT_EQ(usuario.escalar(QStringLiteral("SELECT GROUP_CONCAT(name, ',') FROM pragma_table_info('Consts')")).toString(),
              QStringLiteral("cntVersaoEsquema,cntVersaoTabelasFixas,cntVersaoExecutavel,DtVersaoKelpa,cntUltimoComando,"
                             "cntVersaoCompilacao,VersaoKelpa"));
}

TEST(AtualizacaoInstalador, ADatabaseWithoutAVersionTableGetsOne)
{
    BancoTemporario banco;
    banco.sql(QStringLiteral("DROP TABLE CONSTS"));
    TInstallManagerDm dm(banco.arquivo(), banco.arquivo());
    EXPECT_EQ(dm.VersaoBaseUsuario(), QStringLiteral(" - "));
    dm.CloseDatabases();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM pragma_table_info('Consts')")).toInt(), 7);
}
