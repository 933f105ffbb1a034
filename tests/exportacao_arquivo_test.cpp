// The table-driven export: a small definitions file against a small database must
// give, byte for byte, the expected submission file; and the definitions file,
// missing or damaged, must never leave its deciphered copy behind.

#include "apoio/BancoTemporario.h"
#include "exportacao_apoio.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "exportacao/DefinicoesExportacao.h"
#include "exportacao/TDecryptFile.h"
#include "exportacao/TExportaArquivo.h"

#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste;
using namespace kelpa::teste::exportacao;

namespace {

const QString kOperadora = QStringLiteral("345678");

QString mensagemAcesso(const QString &nome, const QString &pasta)
{
    return QStringLiteral("Erro ao acessar arquivo \"") + nome
           + QStringLiteral("\", que faz parte da instalação deste aplicativo.\r"
                            "Baixe-o do sítio da QOR na internet (www.qor.gov.br), "
                            "copie-o para o diretório desta aplicação \r"
                            "e tente novamente. Verifique também os privilégios de acesso na pasta \"")
           + pasta + QStringLiteral("\".");
}

class ExportacaoArquivo : public ::testing::Test
{
protected:
    void SetUp() override
    {
        home = homeDir.path() + QStringLiteral("/");
        saida = saidaDir.path() + QStringLiteral("/345678.dip");
    }

    void montarDefinicoes(const QString &sql, const QString &nome = QStringLiteral("Expt_Kelpa.dat"))
    {
        DefinicoesExportacao::montar(sql, home + nome);
    }

    void montarDefinicoesTeste() { montarDefinicoes(QString::fromUtf8(ler(fixtures() + "definicoes_teste.sql"))); }

    // Two operators; only the first one's rows may go into its file.
    void preencherBanco()
    {
        banco.sql("INSERT INTO PESSOAS (CD_OPER, ID_PSOA, TP_PSOA, CD_CPF_CNPJ, NM_PSOA, LG_ALTR_TRAM) VALUES "
                  "('345678', 0, 'J', '96943342000114', 'Saúde Exemplo | Assistência\nMédica €', 'N'), "
                  "('345678', 1, 'F', '11144477735', 'Pessoa Um', 'N'), "
                  "('412345', 0, 'J', '11222333000181', 'Outra Operadora', 'N')");
        banco.sql("INSERT INTO DADOSBASICOS (CD_OPER, DT_INIC_VIGN, DT_FNDC, QT_FUNC, VL_CAPT_PPIO, LG_ALTR_TRAM) VALUES "
                  "('345678', '2006-01-01', '1990-05-17', 42, 1234.5, 'N'), "
                  "('345678', '2005-01-01', NULL, NULL, NULL, 'T'), "
                  "('345678', '2007-01-01', '1990-05-17', 0, -0.125, 'A'), "
                  "('412345', '2006-01-01', '2000-01-01', 9, 99.0, 'N')");
        banco.sql("INSERT INTO ATIVOS (CD_OPER, CD_SEQ_ATIVO, CD_ATIVO) VALUES ('412345', '0000000001', 'Outro')");
        // Records of exactly 1950 and 1951 bytes: "3345678|dd/mm/yyyy|100|" + text + "|N|12".
        // The "ç" counts as one byte in the file.
        const QString texto1950 = QStringLiteral("ç") + QString(1921, u'x');
        const QString texto1951 = QStringLiteral("Linha 1\nLinha 2|") + QString(1923 - 16, u'y');
        Consulta insere(banco.db(), QStringLiteral("INSERT INTO DADOSGERENCIAIS (CD_OPER, DT_INIC_VIGN, VL_TOTL_BENE, "
                                                   "TX_SUGESTAO, LG_ALTR_TRAM, QT_FUNC) VALUES "
                                                   "('345678', :DT, 100, :TX, 'N', 12)"));
        insere.bind(QStringLiteral(":DT"), QDate(2006, 1, 1)).bind(QStringLiteral(":TX"), texto1950).executar();
        insere.bind(QStringLiteral(":DT"), QDate(2006, 4, 1)).bind(QStringLiteral(":TX"), texto1951).executar();
        insere.bind(QStringLiteral(":DT"), QDate(2006, 7, 1)).bind(QStringLiteral(":TX"), QString()).executar();
    }

    TExportaArquivo exportador(const QString &cabecalho = QStringLiteral("345678<<VERSAO_EXPTDEFS>>"))
    {
        TExportaArquivo e;
        e.setConnection(banco.db());
        e.setExptdefsPath(home);
        e.setHeaderArquivo(cabecalho);
        e.setNomeArquivo(saida);
        return e;
    }

    // The export must fail with `mensagem` and leave nothing behind.
    void esperarFalha(TExportaArquivo &e, const QString &mensagem)
    {
        const QStringList antes = arquivosEm(home);
        try {
            e.Exportar({kOperadora});
            ADD_FAILURE() << "the export did not fail";
        } catch (const ErroBanco &erro) {
            EXPECT_EQ(erro.mensagem(), mensagem);
        }
        EXPECT_EQ(arquivosEm(home), antes) << "a temporary file was left in the program home";
        EXPECT_FALSE(QFile::exists(saida));
    }

    BancoTemporario banco;
    QTemporaryDir homeDir;
    QTemporaryDir saidaDir;
    QString home;
    QString saida;
};

TEST_F(ExportacaoArquivo, ArquivoIgualAoEsperadoByteAByte)
{
    preencherBanco();
    montarDefinicoesTeste();
    TExportaArquivo e = exportador();
    const QStringList antes = arquivosEm(home);
    ASSERT_TRUE(e.Exportar({kOperadora}));
    EXPECT_EQ(arquivosEm(home), antes); // the deciphered definitions are gone

    const QByteArray obtido = ler(saida);
    const QString esperado = fixtures() + QStringLiteral("esperado.dip");
    if (qEnvironmentVariableIsSet("KELPA_REGRAVAR_GOLDEN"))
        gravar(esperado, obtido);
    EXPECT_EQ(obtido, ler(esperado))
        << "to accept the new output: KELPA_REGRAVAR_GOLDEN=1 build/bin/kelpa_testes "
           "--gtest_filter=ExportacaoArquivo.ArquivoIgualAoEsperadoByteAByte";
    EXPECT_EQ(e.TotalRegistros(), 2 + 1 + 3 + 3 + 3);

    // What the golden file must show, spelled out.
    const QList<QByteArray> linhas = obtido.split('\n');
    EXPECT_TRUE(obtido.endsWith("9|TOTAL|12\r\n"));
    EXPECT_TRUE(obtido.startsWith("1345678T-1.0\r\n2@OPERADORA (IDENTIFICACAO) CD_OPER|CD_CPF_CNPJ|NM_PSOA\r\n"));
    EXPECT_TRUE(obtido.contains("\r\n3345678|96943342000114|Sa\xFA" "de Exemplo   Assist\xEAncia M\xE9" "dica \x80\r\n"));
    EXPECT_TRUE(obtido.contains("\r\n3345678|01/01/2006|17/05/1990|42|1234.50|N\r\n"));
    EXPECT_TRUE(obtido.contains("\r\n3345678|01/01/2005||||T\r\n"));
    EXPECT_TRUE(obtido.contains("\r\n3345678|01/01/2007|17/05/1990|0|-0.13|A\r\n"));
    EXPECT_FALSE(obtido.contains("ATIVOS"));
    EXPECT_FALSE(obtido.contains("412345"));
    EXPECT_TRUE(obtido.contains("\r\n3345678|84|617.25|345678\r\n")); // expressions, by the value they hold
    EXPECT_TRUE(obtido.contains("\r\n3345678|01/07/2006|100||N|12\r\n"));
    int com1950 = 0;
    for (const QByteArray &l : linhas)
        com1950 += l.size() == 1951 && l.startsWith("3345678|01/01/2006|100|\xE7"); // with its "\r"
    EXPECT_EQ(com1950, 1);
    EXPECT_TRUE(obtido.contains("\r\n3<#frac(0102)#>345678|01/04/2006|100|Linha 1 Linha 2 yyy"));
    EXPECT_TRUE(obtido.contains("\r\n<#frac(0202)#>" + QByteArray(17 - 5, 'y') + "|N|12\r\n"));
    EXPECT_TRUE(obtido.contains("\r\n2#DADOSGERENCIAIS|3\r\n"));
    for (const QByteArray &l : linhas.mid(0, linhas.size() - 1))
        EXPECT_TRUE(l.endsWith('\r'));
}

TEST_F(ExportacaoArquivo, SoEntidadesVaziasDaCabecalhoETotalDois)
{
    montarDefinicoesTeste();
    TExportaArquivo e = exportador(QStringLiteral("999999"));
    ASSERT_TRUE(e.Exportar({QStringLiteral("999999")}));
    EXPECT_EQ(ler(saida), QByteArray("1999999\r\n9|TOTAL|2\r\n"));
    EXPECT_EQ(e.TotalRegistros(), 2);
}

TEST_F(ExportacaoArquivo, VersaoDasDefinicoesNoCabecalho)
{
    const QString semVersao = QStringLiteral(
        "CREATE TABLE ENTIDADE_EXPORTAVEL (TABLENAME TEXT, \"SELECT\" TEXT, ACAO TEXT, ORDEM INTEGER);");
    const QString versaoVazia = semVersao + QStringLiteral("CREATE TABLE CONTROLE_VERSAO (NUMERO_VERSAO TEXT);");
    const QString comVersao = versaoVazia + QStringLiteral("INSERT INTO CONTROLE_VERSAO VALUES (' 2007.9 ');");
    const struct {
        QString definicoes;
        QString cabecalho;
        QByteArray linha;
    } casos[] = {
        {comVersao, QStringLiteral("X<<VERSAO_EXPTDEFS>>Y"), "1X2007.9Y"},
        {semVersao, QStringLiteral("X<<VERSAO_EXPTDEFS>>Y"), "1X1Y"},  // no CONTROLE_VERSAO: "1"
        {versaoVazia, QStringLiteral("<<VERSAO_EXPTDEFS>>"), "11"},
        // The placeholder is looked for in capitals, then its first occurrence in any case replaced.
        {comVersao, QStringLiteral("a<<versao_exptdefs>>b"), "1a<<versao_exptdefs>>b"},
        {comVersao, QStringLiteral("<<versao_exptdefs>>|<<VERSAO_EXPTDEFS>>"), "12007.9|<<VERSAO_EXPTDEFS>>"},
        {comVersao, QStringLiteral("nome com\r\nquebra"), "1nome com  quebra"},
    };
    for (const auto &c : casos) {
        montarDefinicoes(c.definicoes);
        TExportaArquivo e = exportador(c.cabecalho);
        ASSERT_TRUE(e.Exportar({kOperadora}));
        EXPECT_EQ(ler(saida), c.linha + "\r\n9|TOTAL|2\r\n") << c.cabecalho.toStdString();
    }
}

TEST_F(ExportacaoArquivo, PrefixoEmTodaLinhaMenosNasFracoesSeguintes)
{
    preencherBanco();
    montarDefinicoesTeste();
    TExportaArquivo e = exportador();
    e.setPrefixo(QStringLiteral(" AB "));
    EXPECT_EQ(e.Prefixo(), QStringLiteral("AB"));
    ASSERT_TRUE(e.Exportar({kOperadora}));
    const QByteArray obtido = ler(saida);
    int fracoes = 0;
    for (const QByteArray &linha : obtido.split('\n')) {
        if (linha.isEmpty())
            continue;
        if (linha.startsWith("<#frac("))
            ++fracoes;
        else
            EXPECT_TRUE(linha.startsWith("AB")) << linha.left(30).toStdString();
    }
    // The prefix counts in the length: the 1950-byte record is now 1952 and is split too.
    EXPECT_EQ(fracoes, 2);
    EXPECT_TRUE(obtido.endsWith("AB9|TOTAL|12\r\n"));

    try {
        e.setPrefixo(QStringLiteral("ABC"));
        ADD_FAILURE() << "ABC accepted";
    } catch (const ErroBanco &erro) {
        EXPECT_EQ(erro.mensagem(), QStringLiteral("O Prefixo do arquivo deve ter no máximo 2 caracteres."));
    }
    EXPECT_EQ(e.Prefixo(), QStringLiteral("AB"));
}

TEST_F(ExportacaoArquivo, NomeDasDefinicoesSemCaminhoEEmQualquerCaixa)
{
    TExportaArquivo e;
    EXPECT_EQ(e.NomeArquivoExptDefs(), QStringLiteral("Expt_Kelpa.dat"));
    for (const QString &comCaminho : {QStringLiteral("/opt/kelpa/Expt_Kelpa.dat"), QStringLiteral("C:\\KELPA\\Expt_Kelpa.dat")}) {
        try {
            e.setNomeArquivoExptDefs(comCaminho);
            ADD_FAILURE() << comCaminho.toStdString();
        } catch (const ErroBanco &erro) {
            EXPECT_EQ(erro.mensagem(), QStringLiteral("Informar apenas o nome do arquivo. O caminho padrão é o "
                                                      "diretório da aplicação \re não deve ser informado nesta propriedade."));
        }
    }
    e.setNomeArquivoExptDefs(QStringLiteral(" expt_kelpa.dat "));
    EXPECT_EQ(e.NomeArquivoExptDefs(), QStringLiteral("expt_kelpa.dat"));

    // Files copied from Windows arrive in capitals.
    montarDefinicoes(QString::fromUtf8(ler(fixtures() + "definicoes_teste.sql")), QStringLiteral("EXPT_KELPA.DAT"));
    preencherBanco();
    TExportaArquivo maiusculas = exportador();
    maiusculas.setNomeArquivoExptDefs(QStringLiteral("expt_kelpa.dat"));
    EXPECT_TRUE(maiusculas.Exportar({kOperadora}));
    EXPECT_EQ(arquivosEm(home), QStringList{QStringLiteral("EXPT_KELPA.DAT")});
}

TEST_F(ExportacaoArquivo, DefinicoesAusentesOuDanificadasDaoAMensagemENaoDeixamNada)
{
    TExportaArquivo e = exportador();
    esperarFalha(e, mensagemAcesso(QStringLiteral("Expt_Kelpa.dat"), home)); // missing

    gravar(home + "Expt_Kelpa.dat", QByteArray()); // empty: not even the marker
    esperarFalha(e, mensagemAcesso(QStringLiteral("Expt_Kelpa.dat"), home));

    gravar(home + "Expt_Kelpa.dat", bytesPseudoAleatorios(5000)); // damaged
    esperarFalha(e, mensagemAcesso(QStringLiteral("Expt_Kelpa.dat"), home));

    // A database, but enciphered with another password.
    DefinicoesExportacao::montarBase(QString::fromUtf8(ler(fixtures() + "definicoes_teste.sql")), home + "plano.db");
    {
        TDecryptFile outra;
        outra.setSenha(QStringLiteral("outra senha"));
        outra.setArquivoOriginal(home + "plano.db");
        outra.setArquivoDestino(home + "Expt_Kelpa.dat");
        ASSERT_TRUE(outra.Cifrar());
        QFile::remove(home + "plano.db");
    }
    esperarFalha(e, mensagemAcesso(QStringLiteral("Expt_Kelpa.dat"), home));

    // A database without the entities table.
    montarDefinicoes(QStringLiteral("CREATE TABLE OUTRA (X TEXT);"));
    esperarFalha(e, mensagemAcesso(QStringLiteral("Expt_Kelpa.dat"), home));
}

TEST_F(ExportacaoArquivo, SemConexaoAbertaRecusaAntesDeDecifrar)
{
    montarDefinicoesTeste();
    TExportaArquivo e = exportador();
    e.setConnection(QSqlDatabase());
    esperarFalha(e, QStringLiteral("A exportação precisa de uma base de dados SQLite aberta."));
}

TEST_F(ExportacaoArquivo, FalhaNoMeioNaoDeixaArquivoNemTemporarioEPreservaOAnterior)
{
    gravar(saida, "envio anterior");
    preencherBanco();
    montarDefinicoes(QString::fromUtf8(ler(fixtures() + "definicoes_teste.sql"))
                     + QStringLiteral("INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('X', 'SELECT * FROM NAO_EXISTE WHERE "
                                      "CD_OPER = ?', 'SUBSTITUIR', 9);"));
    TExportaArquivo e = exportador();
    const QStringList antes = arquivosEm(home);
    EXPECT_THROW(e.Exportar({kOperadora}), ErroBanco);
    EXPECT_EQ(arquivosEm(home), antes);
    EXPECT_EQ(ler(saida), QByteArray("envio anterior"));
    EXPECT_EQ(arquivosEm(saidaDir.path()), QStringList{QStringLiteral("345678.dip")});
}

TEST_F(ExportacaoArquivo, DefinicaoQueEscreveOuTemDoisComandosERecusada)
{
    preencherBanco();
    const QString base = QStringLiteral(
        "CREATE TABLE ENTIDADE_EXPORTAVEL (TABLENAME TEXT, \"SELECT\" TEXT, ACAO TEXT, ORDEM INTEGER);"
        "INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('P', '%1', 'A', 1);");
    for (const QString &sql : {QStringLiteral("DELETE FROM PESSOAS WHERE CD_OPER = ?"),
                               QStringLiteral("SELECT CD_OPER FROM PESSOAS WHERE CD_OPER = ?; DELETE FROM PESSOAS"),
                               QStringLiteral("UPDATE PESSOAS SET NM_PSOA = NULL WHERE CD_OPER = ? RETURNING NM_PSOA")}) {
        montarDefinicoes(base.arg(sql));
        TExportaArquivo e = exportador();
        try {
            e.Exportar({kOperadora});
            ADD_FAILURE() << sql.toStdString();
        } catch (const ErroBanco &erro) {
            EXPECT_EQ(erro.mensagem(), QStringLiteral("A consulta de exportação deve ser um único comando SELECT."));
        }
        EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM PESSOAS WHERE NM_PSOA IS NOT NULL")).toInt(), 3);
        EXPECT_TRUE(arquivosEm(home) == QStringList{QStringLiteral("Expt_Kelpa.dat")});
    }
}

TEST_F(ExportacaoArquivo, ParametrosPosicionais)
{
    montarDefinicoes(QStringLiteral(
        "CREATE TABLE ENTIDADE_EXPORTAVEL (TABLENAME TEXT, \"SELECT\" TEXT, ACAO TEXT, ORDEM INTEGER);"
        "INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('P', 'SELECT ? AS A, ? AS B, ?3 IS NULL AS C', 'A', 1);"
        "INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('Q', 'SELECT ?1 AS A', 'A', 2);"));
    TExportaArquivo e = exportador(QStringLiteral("h"));
    ASSERT_TRUE(e.Exportar({QStringLiteral("345678"), 7}));
    // P: surplus parameter 3 has no value; Q: elements beyond its one parameter ignored.
    EXPECT_EQ(ler(saida), QByteArray("1h\r\n2@P (A) A|B|C\r\n3345678|7|1\r\n2#P|1\r\n"
                                     "2@Q (A) A\r\n3345678\r\n2#Q|1\r\n9|TOTAL|4\r\n"));
}

TEST_F(ExportacaoArquivo, ProgressoPorTabelaEACada100Registros)
{
    montarDefinicoes(QStringLiteral(
        "CREATE TABLE ENTIDADE_EXPORTAVEL (TABLENAME TEXT, \"SELECT\" TEXT, ACAO TEXT, ORDEM INTEGER);"
        "INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('RECEITAS', 'SELECT CD_UF, VL_RECT_PRE FROM RECEITASDESPESASUF "
        "WHERE CD_OPER = ? ORDER BY CD_UF', 'A', 1);"
        "INSERT INTO ENTIDADE_EXPORTAVEL VALUES ('VAZIA', 'SELECT CD_SEQ_ATIVO FROM ATIVOS WHERE CD_OPER = ?', 'A', 2);"));
    banco.sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 250) "
              "INSERT INTO RECEITASDESPESASUF (CD_OPER, DT_INIC_VIGN, CD_UF, VL_RECT_PRE) "
              "SELECT '345678', '2006-01-01', printf('%03d', i), i FROM n");
    QStringList tabelas;
    QStringList dados;
    int eventos = 0;
    TExportaArquivo e = exportador();
    e.setAoProcessarTabelas([&](const TProcessoRegistro &p) { tabelas << QStringLiteral("%1 %2").arg(p.percentual).arg(p.texto); });
    e.setAoProcessarDados([&](const TProcessoRegistro &p) { dados << QStringLiteral("%1 %2").arg(p.percentual).arg(p.texto); });
    e.setProcessarEventos([&] { ++eventos; });
    ASSERT_TRUE(e.Exportar({kOperadora}));
    EXPECT_EQ(tabelas, (QStringList{QStringLiteral("50 Processando tabela 1 de 2"), QStringLiteral("100 Processando tabela 2 de 2")}));
    EXPECT_EQ(dados, (QStringList{QStringLiteral("40 Processando registro 100 de 250"),
                                  QStringLiteral("80 Processando registro 200 de 250"),
                                  QStringLiteral("100 Processando registro 250 de 250"),
                                  QStringLiteral("100 Processando registro 0 de 0")}));
    EXPECT_GE(eventos, 2 + 2); // every 100 rows and every entity (and per deciphered block)
    EXPECT_TRUE(ler(saida).endsWith("9|TOTAL|252\r\n"));
}

} // namespace
