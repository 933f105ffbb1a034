// Backup and restore of the whole database: the file name, a backup the system's gzip
// opens and that restores what was saved, restores refused without touching the
// database, the dialog in both modes from the main window, and kelpa-cli.

#include "apoio/BancoTemporario.h"
#include "apoio/Capturas.h"
#include "apoio/ExecutaCli.h"
#include "apoio/Modal.h"
#include "exportacao_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/Configuracao.h"
#include "app/CopiaSeguranca.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "app/ui/TfrmBackupRestore.h"
#include "app/ui/TfrmPrincipal.h"
#include "exportacao/TGzip.h"
#include "plataforma/CaminhosPrograma.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using kelpa::teste::BancoTemporario;
using kelpa::teste::capturar;
using kelpa::teste::quandoAbrirModal;

namespace {

const QDateTime momento(QDate(2007, 3, 15), QTime(14, 25, 30));

QByteArray resumo(const QString &arquivo)
{
    return QCryptographicHash::hash(ler(arquivo), QCryptographicHash::Sha256);
}

// gzip of `conteudo`, written by our own compressor.
void gravarGz(const QString &destino, const QByteArray &conteudo, const QString &nomeOrigem)
{
    QTemporaryDir dir;
    const QString origem = dir.filePath(nomeOrigem);
    gravar(origem, conteudo);
    TGzip gz;
    gz.setWindowOnError(false);
    gz.setFileSource(origem);
    gz.setFileDestination(destino);
    ASSERT_EQ(gz.Compress(), TGzip::Ok) << gz.MsgErro().toStdString();
}

int operadoras(const BancoTemporario &banco)
{
    return banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")).toInt();
}

} // namespace

TEST(CopiaSeguranca, BackupAndRestoreBringBackWhatWasSaved)
{
    EXPECT_EQ(CopiaSeguranca::nomeArquivo(momento), QStringLiteral("Kelpa20070315142530.BKP"));

    BancoTemporario banco;
    BaseDemonstracao::criar(banco.db());
    QTemporaryDir destino;
    const QString arquivo = CopiaSeguranca::gerar(banco.db(), destino.path(), momento);
    EXPECT_EQ(arquivo, destino.filePath(QStringLiteral("Kelpa20070315142530.BKP")));

    // The system's gzip opens it into a database named as ours.
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dcN"), arquivo});
    ASSERT_TRUE(gzip.waitForFinished(30000));
    EXPECT_EQ(gzip.exitCode(), 0);
    EXPECT_TRUE(gzip.readAllStandardOutput().startsWith("SQLite format 3"));
    const QByteArray gz = ler(arquivo);
    EXPECT_EQ(gz.mid(10, 9), QByteArray("Kelpa.db\0", 9));

    // Same second, same name: the second backup replaces the first.
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('111111')"));
    const int comSegunda = operadoras(banco);
    CopiaSeguranca::gerar(banco.db(), destino.path(), momento);
    EXPECT_EQ(arquivosEm(destino.path()), QStringList({"Kelpa20070315142530.BKP"}));

    banco.sql(QStringLiteral("DELETE FROM OPERADORAS"));
    banco.fechar();
    CopiaSeguranca::restaurar(arquivo, banco.arquivo());
    banco.reabrir();
    EXPECT_EQ(operadoras(banco), comSegunda);
    EXPECT_EQ(QDir(banco.diretorio()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"Kelpa.db"})); // nothing of the expansion left behind
}

TEST(CopiaSeguranca, ABadBackupLeavesTheDatabaseAsItWas)
{
    BancoTemporario banco;
    QTemporaryDir dir;
    BancoTemporario semConsts;
    semConsts.sql(QStringLiteral("DROP TABLE CONSTS"));
    semConsts.fechar();
    const QString valido = CopiaSeguranca::gerar(banco.db(), dir.path(), momento);
    banco.fechar();
    const QByteArray antes = resumo(banco.arquivo());

    const QString truncado = dir.filePath(QStringLiteral("truncado.BKP"));
    gravar(truncado, ler(valido).left(ler(valido).size() / 2));
    const QString naoGzip = dir.filePath(QStringLiteral("naoGzip.BKP"));
    gravar(naoGzip, bytesPseudoAleatorios(4096));
    const QString texto = dir.filePath(QStringLiteral("texto.BKP"));
    gravarGz(texto, "isto não é uma base de dados\n", QStringLiteral("Kelpa.db"));
    const QString outraBase = dir.filePath(QStringLiteral("outra.BKP"));
    gravarGz(outraBase, ler(semConsts.arquivo()), QStringLiteral("Kelpa.db"));

    for (const QString &arquivo : {dir.filePath(QStringLiteral("ausente.BKP")), QString(), truncado, naoGzip, texto, outraBase}) {
        try {
            CopiaSeguranca::restaurar(arquivo, banco.arquivo());
            ADD_FAILURE() << "restored " << arquivo.toStdString();
        } catch (const ErroBanco &e) {
            EXPECT_EQ(e.mensagem(), CopiaSeguranca::mensagemBackupInvalido()) << arquivo.toStdString();
        }
        EXPECT_EQ(resumo(banco.arquivo()), antes) << arquivo.toStdString();
        EXPECT_EQ(QDir(banco.diretorio()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList({"Kelpa.db"}));
    }
}

class DialogoBackup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CaminhosPrograma::definirHome(home.path());
        BaseDemonstracao::criar(banco.db());
        Configuracao::garantirArquivo(ini(), banco.diretorio());
        Configuracao::gravar(ini(), QStringLiteral("Operadora"), BaseDemonstracao::codigoOperadora());
        estado.configuracao().LeConfiguracao(ini());
    }
    void TearDown() override { CaminhosPrograma::definirHome({}); }
    QString ini() const { return home.filePath(QStringLiteral("Kelpa.ini")); }

    // "Sim" to the question, "Ok" to the rest.
    static int responder(const DesvioMensagens::Chamada &c)
    {
        return c.tipo == TipoMensagem::Confirmacao ? int(mrSim) : int(mrOk);
    }

    QTemporaryDir home;
    BancoTemporario banco;
    EstadoTrabalho estado;
    DtConexao dados{estado};
};

TEST_F(DialogoBackup, GeneratesIntoTheDirectoryShownAndNoWritesNothing)
{
    dados.Conecta();
    QTemporaryDir destino;
    TfrmBackupRestore dialogo(TfrmBackupRestore::Modo::Gerar, estado, dados, ini());
    dialogo.setRelogio([] { return momento; });
    dialogo.setEscolher([&destino](const QString &) { return destino.path(); });
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    EXPECT_EQ(dialogo.windowTitle(), QStringLiteral("Gerar Backup"));
    EXPECT_EQ(dialogo.label1()->text(), QStringLiteral("Selecione o caminho de destino do backup"));
    EXPECT_TRUE(dialogo.DESelectDrive()->isVisible());
    EXPECT_FALSE(dialogo.FilenameEdit1()->isVisible());
    EXPECT_EQ(dialogo.DESelectDrive()->text(), banco.diretorio()); // where the database is, at first
    QTest::mouseClick(dialogo.btnProcurar(), Qt::LeftButton);
    EXPECT_EQ(dialogo.DESelectDrive()->text(), destino.path());
    capturar(&dialogo, QStringLiteral("backup-gerar"));

    {
        DesvioMensagens nao([](const DesvioMensagens::Chamada &) { return int(mrNao); });
        QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
        ASSERT_EQ(nao.chamadas().size(), 1);
        EXPECT_EQ(nao.chamadas().first().texto, QStringLiteral("Deseja prosseguir com o Backup dos dados?"));
    }
    EXPECT_TRUE(arquivosEm(destino.path()).isEmpty());
    EXPECT_FALSE(dialogo.isVisible());

    // Again, typed by hand this time, and answered "Sim".
    TfrmBackupRestore outro(TfrmBackupRestore::Modo::Gerar, estado, dados, ini());
    outro.setRelogio([] { return momento; });
    outro.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&outro));
    outro.DESelectDrive()->clear();
    QTest::keyClicks(outro.DESelectDrive(), destino.path());
    DesvioMensagens mensagens(responder);
    QTest::mouseClick(outro.btnConfirmar(), Qt::LeftButton);
    ASSERT_EQ(mensagens.chamadas().size(), 2);
    EXPECT_EQ(mensagens.chamadas().at(1).texto, QStringLiteral("Backup concluído!"));
    EXPECT_EQ(mensagens.chamadas().at(1).tipo, TipoMensagem::Informacao);
    EXPECT_EQ(arquivosEm(destino.path()), QStringList({"Kelpa20070315142530.BKP"}));
    EXPECT_TRUE(dados.conectado());
    EXPECT_EQ(outro.result(), QDialog::Accepted);
}

TEST_F(DialogoBackup, ADirectoryThatIsNotThereKeepsTheDialogOpen)
{
    dados.Conecta();
    TfrmBackupRestore dialogo(TfrmBackupRestore::Modo::Gerar, estado, dados, ini());
    dialogo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogo));
    dialogo.DESelectDrive()->setText(home.filePath(QStringLiteral("nao-existe")));
    DesvioMensagens mensagens(responder);
    QTest::mouseClick(dialogo.btnConfirmar(), Qt::LeftButton);
    ASSERT_EQ(mensagens.chamadas().size(), 2);
    EXPECT_TRUE(mensagens.chamadas().at(1).texto.startsWith(QStringLiteral("O diretório de destino do backup não existe")));
    EXPECT_TRUE(dialogo.isVisible());
    EXPECT_EQ(dialogo.PgcBackupRecupera()->currentIndex(), 0);
    EXPECT_TRUE(dialogo.btnConfirmar()->isEnabled());
}

TEST_F(DialogoBackup, RestoringFromTheMainWindowReopensTheRestoredDatabase)
{
    QTemporaryDir copias;
    const QString arquivo = CopiaSeguranca::gerar(banco.db(), copias.path(), momento);
    const int antes = operadoras(banco);
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('111111')"));
    banco.fechar();

    TfrmPrincipal principal(estado, dados);
    principal.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    ASSERT_TRUE(principal.iniciar());

    // First a file that is not there: told so, the connection stays, the dialog too.
    DesvioMensagens mensagens(responder);
    QStringList vistos;
    quandoAbrirModal([&](QWidget *modal) {
        auto *dialogo = qobject_cast<TfrmBackupRestore *>(modal);
        ASSERT_NE(dialogo, nullptr);
        vistos << dialogo->windowTitle() << dialogo->label1()->text();
        EXPECT_FALSE(dialogo->DESelectDrive()->isVisible());
        dialogo->FilenameEdit1()->setText(copias.filePath(QStringLiteral("ausente.BKP")));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
        EXPECT_TRUE(dialogo->isVisible());
        EXPECT_TRUE(dados.conectado());
        dialogo->setEscolher([&arquivo](const QString &) { return arquivo; });
        QTest::mouseClick(dialogo->btnProcurar(), Qt::LeftButton);
        capturar(dialogo, QStringLiteral("backup-recuperar"));
        QTest::mouseClick(dialogo->btnConfirmar(), Qt::LeftButton);
    });
    principal.Recuperar1Click();

    EXPECT_EQ(vistos, QStringList({"Recuperar Backup", "Selecione o caminho de origem do backup"}));
    QStringList textos;
    for (const auto &c : mensagens.chamadas())
        textos << c.texto;
    EXPECT_EQ(textos, QStringList({"Deseja prosseguir com a Restauração dos dados?", "Diretório especificado não possui um Backup válido",
                                   "Deseja prosseguir com a Restauração dos dados?", "Restauração concluída!"}));
    EXPECT_EQ(mensagens.chamadas().at(1).tipo, TipoMensagem::Cuidado);
    ASSERT_TRUE(dados.conectado());
    QSqlQuery q(dados.db());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS")) && q.next());
    EXPECT_EQ(q.value(0).toInt(), antes);
    EXPECT_EQ(principal.edtCodOper()->text(), QStringLiteral("34567-8"));
}

TEST(CopiaSegurancaCli, BackupAndRestoreRoundTripWithTheirExitCodes)
{
    BancoTemporario banco;
    banco.fechar();
    QTemporaryDir destino;
    const QString dir = banco.diretorio();

    teste::SaidaCli r = teste::executarCli({"--dir", dir, "backup", "--target", destino.path()});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QStringList copias = arquivosEm(destino.path());
    ASSERT_EQ(copias.size(), 1);
    EXPECT_TRUE(copias.first().startsWith(QStringLiteral("Kelpa")) && copias.first().endsWith(QStringLiteral(".BKP")));
    EXPECT_TRUE(r.out.contains(destino.filePath(copias.first())));

    banco.reabrir();
    banco.sql(QStringLiteral("INSERT INTO OPERADORAS (CD_OPER) VALUES ('111111')"));
    banco.fechar();
    r = teste::executarCli({"--dir", dir, "restore", "--file", destino.filePath(copias.first())});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    banco.reabrir();
    EXPECT_EQ(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM OPERADORAS WHERE CD_OPER = '111111'")).toInt(), 0);
    banco.fechar();

    const struct {
        QStringList args;
        int codigo;
        const char *erro;
    } casos[] = {
        {{"--dir", dir, "backup"}, 2, "falta --target DIR"},
        {{"--dir", dir, "backup", "--target", destino.filePath(QStringLiteral("nao-existe"))}, 2, "o diretório de destino não existe"},
        {{"--dir", destino.path(), "backup", "--target", destino.path()}, 2, "não há base de dados"},
        {{"--dir", dir, "restore"}, 2, "falta --file ARQUIVO.BKP"},
        {{"--dir", dir, "restore", "--file", destino.filePath(QStringLiteral("ausente.BKP"))}, 2,
         "Diretório especificado não possui um Backup válido"},
    };
    for (const auto &c : casos) {
        r = teste::executarCli(c.args);
        EXPECT_EQ(r.codigo, c.codigo) << c.erro;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.erro))) << r.err.toStdString();
    }
}
