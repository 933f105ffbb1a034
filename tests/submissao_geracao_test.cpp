// The removable-media submission: the compressed file and OPERADORA.COD from the demo
// operator, the validation that stops it, the failures that leave nothing behind, and
// the choice of target directory on a volume.

#include "apoio/BancoTemporario.h"
#include "apoio/Demonstracao.h"
#include "transmissao_apoio.h"

#include "app/BaseDemonstracao.h"
#include "app/banco/ErroBanco.h"
#include "exportacao/GeracaoSubmissao.h"
#include "exportacao/VolumesSubmissao.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste::exportacao;
using kelpa::teste::BancoTemporario;
using kelpa::teste::transmissao::Ambiente;

namespace {

QByteArray gzipDc(const QString &arquivo, int *saida = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), arquivo});
    EXPECT_TRUE(p.waitForFinished(30000));
    if (saida)
        *saida = p.exitCode();
    return p.readAllStandardOutput();
}

// The name stored in a gzip header (FNAME flag), or empty.
QByteArray nomeNoCabecalho(const QByteArray &gz)
{
    if (gz.size() < 10 || !(gz.at(3) & 0x08))
        return {};
    return gz.mid(10, gz.indexOf('\0', 10) - 10);
}

} // namespace

class GeracaoDisquete : public ::testing::Test
{
protected:
    void SetUp() override
    {
        teste::criarDemonstracaoCompleta(banco.db());
        destino = dir.filePath(QStringLiteral("destino/"));
        QDir().mkpath(destino);
        // The ".dip" is written to the temporary directory: watch that it leaves nothing there.
        QDir().mkpath(dir.filePath(QStringLiteral("tmp")));
        ambiente.definir("TMPDIR", dir.filePath(QStringLiteral("tmp")));
    }

    GeracaoSubmissao geracao(const QString &codigo = BaseDemonstracao::codigoOperadora())
    {
        GeracaoSubmissao g(banco.db(), codigo);
        g.setExptdefsPath(diretorioProgramas());
        g.setRelogio([this] { return momento; });
        return g;
    }

    QStringList temporarios() const { return QDir(dir.filePath(QStringLiteral("tmp"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    BancoTemporario banco;
    QTemporaryDir dir;
    Ambiente ambiente;
    QString destino;
    QDateTime momento{QDate(2007, 1, 15), QTime(10, 30, 0)};
};

TEST_F(GeracaoDisquete, WritesTheCompressedSubmissionAndTheOperatorFile)
{
    GeracaoSubmissao g = geracao();
    QList<int> progresso;
    g.setAoProgredir([&](int p) { progresso << p; });
    ASSERT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Gerada);

    EXPECT_EQ(arquivosEm(destino), QStringList({"34567820070115103000.diz", "OPERADORA.COD"}));
    EXPECT_EQ(g.arquivoDiz(), destino + QStringLiteral("34567820070115103000.diz"));
    EXPECT_EQ(ler(destino + QStringLiteral("OPERADORA.COD")), QByteArray("[Default]\r\nOperadora=345678\r\n"));
    EXPECT_EQ(progresso, QList<int>({0, 10, 30, 80, 95, 100}));
    EXPECT_TRUE(temporarios().isEmpty()) << temporarios().join(u' ').toStdString();

    // The system's gzip opens it; the header names the ".dip" it was made from.
    const QByteArray diz = ler(g.arquivoDiz());
    EXPECT_EQ(nomeNoCabecalho(diz), QByteArray("34567820070115103000.dip"));
    int saida = -1;
    const QByteArray dip = gzipDc(g.arquivoDiz(), &saida);
    EXPECT_EQ(saida, 0);
    // A submission file of the demo operator: its header, its entities, a total that counts them.
    EXPECT_TRUE(dip.startsWith("134567896943342000114Sa\xFA" "de Exemplo Assist\xEA" "ncia M\xE9" "dica Ltda.\r\n"));
    EXPECT_TRUE(dip.contains("\r\n2@OPERADORA (IDENTIFICACAO) "));
    qint64 registros = 0;
    for (const QByteArray &linha : dip.split('\n'))
        registros += linha.startsWith('3');
    EXPECT_TRUE(dip.endsWith("\r\n9|TOTAL|" + QByteArray::number(registros + 2) + "\r\n"));
}

TEST_F(GeracaoDisquete, ADashedCodeIsKeptOnlyInTheOperatorFile)
{
    GeracaoSubmissao g = geracao(QStringLiteral("345-678"));
    ASSERT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Gerada);
    EXPECT_EQ(arquivosEm(destino), QStringList({"34567820070115103000.diz", "OPERADORA.COD"}));
    EXPECT_EQ(ler(destino + QStringLiteral("OPERADORA.COD")), QByteArray("[Default]\r\nOperadora=345-678\r\n"));
}

TEST_F(GeracaoDisquete, OneSecondApartGivesTwoSubmissionsAndOneOperatorFile)
{
    GeracaoSubmissao g = geracao();
    ASSERT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Gerada);
    ASSERT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Gerada); // same second: the same names again
    EXPECT_EQ(arquivosEm(destino).size(), 2);
    momento = momento.addSecs(1);
    // An operator file copied from Windows in lower case is rewritten, not doubled.
    QFile::rename(destino + QStringLiteral("OPERADORA.COD"), destino + QStringLiteral("operadora.cod"));
    ASSERT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Gerada);
    EXPECT_EQ(arquivosEm(destino),
              QStringList({"34567820070115103000.diz", "34567820070115103001.diz", "operadora.cod"}));
    EXPECT_EQ(ler(destino + QStringLiteral("operadora.cod")), QByteArray("[Default]\r\nOperadora=345678\r\n"));
}

TEST_F(GeracaoDisquete, ABlockedValidationWritesNothing)
{
    teste::semRepresentante(banco.db());
    int validacoes = 0;
    GeracaoSubmissao g = geracao();
    // The default step validates the data as it is now and records what it found.
    EXPECT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Bloqueada);
    EXPECT_GT(banco.escalar(QStringLiteral("SELECT COUNT(*) FROM VALIDACAO WHERE CD_OPER = '345678' AND TP_VLDC = '2'")).toInt(), 0);
    // A step of the caller's own is what runs, before anything else.
    g.setValidacao([&] {
        ++validacoes;
        return false;
    });
    EXPECT_EQ(g.Gerar(destino), GeracaoSubmissao::Resultado::Bloqueada);
    EXPECT_EQ(validacoes, 1);
    EXPECT_TRUE(arquivosEm(destino).isEmpty());
    EXPECT_TRUE(temporarios().isEmpty());
    EXPECT_TRUE(g.arquivoDiz().isEmpty());
}

TEST_F(GeracaoDisquete, ValidatesAfreshWhateverTheStoredFindingsSay)
{
    // Clean data with a stale blocking finding: the run replaces it and sending goes on.
    banco.sql(QStringLiteral("INSERT INTO VALIDACAO (CD_OPER, NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_VLDC_TEXT_UM, "
                             "VL_VLDC_VALO_UM, DE_VLDC_QUAD_DOIS, DE_VLDC_TEXT_DOIS, VL_VLDC_VALO_DOIS, "
                             "DE_VLDC_ESTR_CAMP, TP_VLDC, DE_PERI, DE_VLDC_JUST, LG_ALTR_TRAM) VALUES "
                             "('345678', 1, '08', 'Erro', 0, '', '', 0, '', '2', '20061', '', 'N')"));
    EXPECT_EQ(geracao().Gerar(destino), GeracaoSubmissao::Resultado::Gerada);

    // No findings stored (as after every start of the program) and a defect in the
    // data: the run finds it, where reading the empty findings would have let it go.
    banco.sql(QStringLiteral("DELETE FROM VALIDACAO"));
    teste::semRepresentante(banco.db());
    for (const QString &f : arquivosEm(destino))
        QFile::remove(destino + f);
    EXPECT_EQ(geracao().Gerar(destino), GeracaoSubmissao::Resultado::Bloqueada);
    EXPECT_TRUE(arquivosEm(destino).isEmpty());
}

TEST_F(GeracaoDisquete, FailuresLeaveNothingNewInTheTarget)
{
    const auto falha = [](GeracaoSubmissao &g, const QString &alvo) {
        try {
            g.Gerar(alvo);
        } catch (const ErroBanco &e) {
            return e.mensagem();
        }
        return QStringLiteral("(no failure)");
    };

    GeracaoSubmissao semAlvo = geracao();
    EXPECT_TRUE(falha(semAlvo, dir.filePath(QStringLiteral("nao-existe"))).startsWith(QStringLiteral("O diretório de destino não existe")));

    // No export definitions beside the program: the exporter's message, nothing written.
    GeracaoSubmissao semDefinicoes = geracao();
    semDefinicoes.setExptdefsPath(dir.filePath(QStringLiteral("tmp")));
    EXPECT_TRUE(falha(semDefinicoes, destino).startsWith(QStringLiteral("Erro ao acessar arquivo \"Expt_Kelpa.dat\"")));
    EXPECT_TRUE(arquivosEm(destino).isEmpty());

    GeracaoSubmissao naoCadastrada = geracao(QStringLiteral("999999"));
    EXPECT_EQ(falha(naoCadastrada, destino), QStringLiteral("A operadora 999999 não está cadastrada nesta base de dados."));

    // OPERADORA.COD cannot be written (a directory holds its name): the ".diz" goes too.
    QDir().mkpath(destino + QStringLiteral("OPERADORA.COD"));
    GeracaoSubmissao semOperadora = geracao();
    EXPECT_TRUE(falha(semOperadora, destino).startsWith(QStringLiteral("Não foi possível gravar o arquivo")));
    EXPECT_EQ(QDir(destino).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"OPERADORA.COD"}));
    EXPECT_TRUE(temporarios().isEmpty()) << temporarios().join(u' ').toStdString();
}

TEST(VolumesSubmissao, TargetOfARemovableOrAFixedVolume)
{
    const auto volume = [](const char *raiz, bool removivel) {
        VolumeSubmissao v;
        v.raiz = QString::fromLatin1(raiz);
        v.removivel = removivel;
        return v;
    };
    const struct {
        VolumeSubmissao volume;
        const char *base;
        const char *raizDaBase;
        const char *destino;
    } casos[] = {
        // A removable medium: its root, wherever the base directory is.
        {volume("/media/ana/PENDRIVE/", true), "/home/ana/kelpa/", "/", "/media/ana/PENDRIVE/"},
        // The fixed volume of the base directory: the base directory itself.
        {volume("/", false), "/home/ana/kelpa/", "/", "/home/ana/kelpa/"},
        {volume("/home", false), "/home/ana/kelpa", "/home", "/home/ana/kelpa/"},
        // Another fixed volume: the same place under its root.
        {volume("/mnt/dados/", false), "/home/ana/kelpa/", "/", "/mnt/dados/home/ana/kelpa/"},
        {volume("/mnt/dados/", false), "/home/ana/kelpa/", "/home/", "/mnt/dados/ana/kelpa/"},
        // A base directory at the root of its volume.
        {volume("/mnt/dados/", false), "/srv/", "/srv/", "/mnt/dados/"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(VolumesSubmissao::diretorioDestino(c.volume, QString::fromLatin1(c.base), QString::fromLatin1(c.raizDaBase)),
                  QString::fromLatin1(c.destino))
            << c.volume.raiz.toStdString() << " " << c.base;

    VolumeSubmissao pendrive = volume("/media/ana/PENDRIVE/", true);
    pendrive.nome = QStringLiteral("PENDRIVE");
    EXPECT_EQ(pendrive.descricao(), QStringLiteral("/media/ana/PENDRIVE/ (PENDRIVE) - removível"));
    EXPECT_EQ(volume("/", false).descricao(), QStringLiteral("/ - disco fixo"));
}

TEST(VolumesSubmissao, ListsWritableVolumesOfFiles)
{
    // Whatever this machine mounts: roots end with "/", memory file systems stay out,
    // removable volumes come first.
    bool fixoVisto = false;
    for (const VolumeSubmissao &v : VolumesSubmissao::listar()) {
        EXPECT_TRUE(v.raiz.endsWith(u'/')) << v.raiz.toStdString();
        EXPECT_FALSE(v.raiz.startsWith(QLatin1String("/proc/")) || v.raiz.startsWith(QLatin1String("/sys/")));
        EXPECT_FALSE(v.removivel && fixoVisto) << v.raiz.toStdString();
        fixoVisto = fixoVisto || !v.removivel;
    }
}
