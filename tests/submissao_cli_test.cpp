// kelpa-cli submission and transmit, run as a user would, on a demo database.

#include "apoio/ExecutaCli.h"
#include "transmissao_apoio.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using namespace kelpa::teste::transmissao;
using kelpa::teste::executarCli;
using kelpa::teste::SaidaCli;

class EnvioCli : public ::testing::Test
{
protected:
    void SetUp() override
    {
        home = dir.filePath(QStringLiteral("home/"));
        base = dir.filePath(QStringLiteral("base/"));
        destino = dir.filePath(QStringLiteral("destino/"));
        for (const QString &d : {home, base, destino})
            QDir().mkpath(d);
        const SaidaCli init = executarCli({"--home", home, "--dir", base, "init", "--demo"});
        ASSERT_EQ(init.codigo, 0) << init.err.toStdString();
        ASSERT_TRUE(QFile::copy(diretorioProgramas() + QStringLiteral("Expt_Kelpa.dat"), home + QStringLiteral("Expt_Kelpa.dat")));
        ambiente.definir("TMPDIR", dir.filePath(QStringLiteral("tmp")));
        QDir().mkpath(dir.filePath(QStringLiteral("tmp")));
    }

    SaidaCli submission(const QStringList &extra = {})
    {
        return executarCli(QStringList{"--home", home, "submission", "--dir", base, "--operator", "345678"} + extra);
    }
    SaidaCli transmit(const QByteArray &senha, const QStringList &extra = {})
    {
        return executarCli(QStringList{"--home", home, "transmit", "--dir", base, "--operator", "345-678"} + extra, senha);
    }

    // A defect that blocks sending: the run each command makes finds it.
    void bloquear()
    {
        auto conexao = ConexaoBanco::abrir(base + QStringLiteral("Kelpa.db"));
        Consulta(conexao->db(), QStringLiteral("DELETE FROM DIRETORRELACOES")).executar();
    }

    QTemporaryDir dir;
    Ambiente ambiente;
    QString home;
    QString base;
    QString destino;
};

TEST_F(EnvioCli, SubmissionWritesTheCompressedFileAndTheOperatorFile)
{
    const SaidaCli r = submission({"--target", destino});
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString();
    const QStringList arquivos = arquivosEm(destino);
    ASSERT_EQ(arquivos.size(), 2) << arquivos.join(u' ').toStdString();
    EXPECT_TRUE(arquivos.first().startsWith(QStringLiteral("345678")) && arquivos.first().endsWith(QStringLiteral(".diz")));
    EXPECT_EQ(ler(destino + QStringLiteral("OPERADORA.COD")), QByteArray("[Default]\r\nOperadora=345678\r\n"));
    EXPECT_TRUE(r.out.contains(destino + arquivos.first()));
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-t"), destino + arquivos.first()});
    ASSERT_TRUE(gzip.waitForFinished(30000));
    EXPECT_EQ(gzip.exitCode(), 0);
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(EnvioCli, SubmissionRefusesBadUseAndABlockedValidation)
{
    const struct {
        QStringList args;
        int codigo;
        const char *erro;
    } casos[] = {
        {{"--target", destino + "nao-existe"}, 2, "o diretório de destino não existe"},
        {{}, 2, "informe --target"},
        {{"--target", destino, "--extra"}, 2, "opção desconhecida"},
    };
    for (const auto &c : casos) {
        const SaidaCli r = submission(c.args);
        EXPECT_EQ(r.codigo, c.codigo) << c.erro;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.erro))) << r.err.toStdString();
    }
    const SaidaCli naoCadastrada =
        executarCli({"--home", home, "submission", "--dir", base, "--operator", "999999", "--target", destino});
    EXPECT_EQ(naoCadastrada.codigo, 2);

    bloquear();
    const SaidaCli r = submission({"--target", destino});
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Existem erros graves de validação."))) << r.err.toStdString();
    EXPECT_TRUE(arquivosEm(destino).isEmpty());
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(EnvioCli, TransmitReadsThePasswordFromStandardInput)
{
    VtxSimulado cliente(dir.filePath(QStringLiteral("vtx")), ambiente);
    const SaidaCli r = transmit("segredo da operadora\n");
    ASSERT_EQ(r.codigo, 0) << r.err.toStdString() << r.out.toStdString();
    const QStringList campos = cliente.campos();
    ASSERT_EQ(campos.size(), 11);
    EXPECT_EQ(campos.at(1), QStringLiteral("345678"));
    EXPECT_EQ(campos.at(2), QStringLiteral("segredo da operadora"));
    EXPECT_TRUE(campos.at(3).startsWith(home + QStringLiteral("345678"))) << campos.at(3).toStdString();
    EXPECT_EQ(campos.at(9), QStringLiteral("0"));
    EXPECT_TRUE(r.out.contains(QStringLiteral("protocoloTX: 345678"))) << r.out.toStdString();
    // The password is nowhere in what the command printed, and nothing is left behind.
    EXPECT_FALSE(r.out.contains(QStringLiteral("segredo")) || r.err.contains(QStringLiteral("segredo")));
    EXPECT_EQ(arquivosEm(home), QStringList({"Expt_Kelpa.dat", "Kelpa.ini"}));
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}

TEST_F(EnvioCli, TransmitWritesNothingWhenItCannotGoOn)
{
    VtxSimulado cliente(dir.filePath(QStringLiteral("vtx")), ambiente);
    const QStringList antes = arquivosEm(home);

    // No password on standard input; a password option is no option.
    SaidaCli r = transmit(QByteArray());
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("SENHA, preenchimento obrigatório"))) << r.err.toStdString();
    r = transmit("x\n", {"--password", "segredo"});
    EXPECT_EQ(r.codigo, 2);

    // The client ends without confirming: a finding.
    ambiente.definir("VTX_SIMULADO_SAIDA", QStringLiteral("3"));
    r = transmit("segredo\n");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("código de saída 3"))) << r.err.toStdString();
    EXPECT_EQ(arquivosEm(home), antes);
    QFile::remove(cliente.relatorioCaminho());
    ambiente.remover("VTX_SIMULADO_SAIDA");

    // The client is not installed: the program's message, exit 3.
    ambiente.definir("KELPA_VTX_PATH", dir.filePath(QStringLiteral("vtx/ausente")));
    r = transmit("segredo\n");
    EXPECT_EQ(r.codigo, 3);
    EXPECT_TRUE(r.err.contains(QStringLiteral("O VTX não está instalado ou sua instalação foi danificada!"))) << r.err.toStdString();
    EXPECT_EQ(arquivosEm(home), antes);
    ambiente.definir("KELPA_VTX_PATH", cliente.programa());

    // Validation blocks: exit 1, nothing written, the client never started.
    bloquear();
    r = transmit("segredo\n");
    EXPECT_EQ(r.codigo, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Existem erros graves de validação."))) << r.err.toStdString();
    EXPECT_EQ(arquivosEm(home), antes);
    EXPECT_FALSE(cliente.executou());
    EXPECT_TRUE(arquivosEm(dir.filePath(QStringLiteral("tmp"))).isEmpty());
}
