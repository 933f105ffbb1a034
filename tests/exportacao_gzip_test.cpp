// CRC-32 and gzip of whole files: known checksums, the exact header bytes, round
// trips through the system's gzip, and an expansion that never loses its source.

#include "exportacao_apoio.h"

#include "app/banco/ErroBanco.h"
#include "exportacao/TCrc32.h"
#include "exportacao/TGzip.h"

#include <QProcess>
#include <QTemporaryDir>
#include <zlib.h>

using namespace kelpa;
using namespace kelpa::teste::exportacao;

namespace {

class ExportacaoGzip : public ::testing::Test
{
protected:
    QString caminho(const QString &nome) const { return dir.path() + QLatin1Char('/') + nome; }

    // Runs the system's gzip; returns its standard output.
    QByteArray gzip(const QStringList &args, int *saida = nullptr)
    {
        QProcess p;
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral("gzip"), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        if (saida)
            *saida = p.exitCode();
        else
            EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput();
    }

    QTemporaryDir dir;
};

TEST_F(ExportacaoGzip, Crc32DeVetoresConhecidos)
{
    const struct {
        QByteArray conteudo;
        quint32 crc;
        const char *hex;
    } casos[] = {
        {"123456789", 0xCBF43926u, "CBF43926"},
        {"", 0u, "00000000"},
        {"a", 0xE8B7BE43u, "E8B7BE43"},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u, "414FA339"},
    };
    for (const auto &c : casos) {
        gravar(caminho(QStringLiteral("f")), c.conteudo);
        TCrc32 crc;
        crc.setCrc32FileName(caminho(QStringLiteral("f")));
        EXPECT_EQ(crc.CalcCrc32(), c.crc) << c.conteudo.toStdString();
        EXPECT_TRUE(crc.SucessoExecucao());
        EXPECT_EQ(crc.CalcCrc32Hex(), QLatin1String(c.hex));
    }
    // Across blocks of 16384 bytes, as zlib computes it in one go.
    const QByteArray grande = bytesPseudoAleatorios(3 * 16384 + 7);
    gravar(caminho(QStringLiteral("g")), grande);
    TCrc32 crc;
    crc.setCrc32FileName(caminho(QStringLiteral("g")));
    EXPECT_EQ(crc.CalcCrc32(), quint32(crc32(0, reinterpret_cast<const Bytef *>(grande.constData()), uInt(grande.size()))));
}

TEST_F(ExportacaoGzip, Crc32DeArquivoAusente)
{
    for (const bool janela : {true, false}) {
        QStringList mostradas;
        TCrc32 crc;
        crc.setWindowOnError(janela);
        crc.setMostrarErro([&](const QString &m) { mostradas << m; });
        crc.setCrc32FileName(caminho(QStringLiteral("nao.dip")));
        EXPECT_EQ(crc.CalcCrc32(), 0u);
        EXPECT_FALSE(crc.SucessoExecucao());
        EXPECT_EQ(crc.CalcCrc32Hex(), QStringLiteral("00000000"));
        const QString mensagem = QStringLiteral("File ") + caminho(QStringLiteral("nao.dip")) + QStringLiteral(" does not exist.");
        EXPECT_EQ(crc.MsgErro(), mensagem);
        EXPECT_EQ(mostradas, janela ? (QStringList{mensagem, mensagem}) : QStringList{});
    }
}

TEST_F(ExportacaoGzip, ProgressoNoInicioEPorPasso)
{
    gravar(caminho(QStringLiteral("f")), bytesPseudoAleatorios(10 * 16384));
    QList<int> percentuais;
    TCrc32 crc;
    crc.setCrc32FileName(caminho(QStringLiteral("f")));
    crc.setProgressStep(25);
    crc.setOnProgress([&](int p) { percentuais << p; });
    crc.CalcCrc32();
    EXPECT_EQ(percentuais, (QList<int>{0, 30, 60, 90, 100}));
    EXPECT_EQ(crc.Progresso(), 100);

    percentuais.clear();
    crc.setProgressStep(0);
    crc.CalcCrc32();
    EXPECT_TRUE(percentuais.isEmpty());
}

TEST_F(ExportacaoGzip, CabecalhoExatoComNomeEComentario)
{
    const QString fonte = caminho(QStringLiteral("3456782007010112000.dip"));
    gravar(fonte, "1linha\r\n9|TOTAL|2\r\n");
    const struct {
        int campos;
        QByteArray cabecalho;
    } casos[] = {
        {TGzip::filename, QByteArray("\x1F\x8B\x08\x08\0\0\0\0\0\0", 10) + "3456782007010112000.dip" + QByteArray(1, '\0')},
        {TGzip::filename | TGzip::comment,
         QByteArray("\x1F\x8B\x08\x18\0\0\0\0\0\0", 10) + "3456782007010112000.dip" + QByteArray(1, '\0') + "Coment\xE1rio"
             + QByteArray(1, '\0')},
        {0, QByteArray("\x1F\x8B\x08\x00\0\0\0\0\0\0", 10)},
    };
    for (const auto &c : casos) {
        TGzip gz;
        EXPECT_EQ(gz.FileSource(), QStringLiteral("data.dat"));
        EXPECT_EQ(gz.FileDestination(), QStringLiteral("data.dat.gz"));
        EXPECT_EQ(gz.GzipHeader(), int(TGzip::filename));
        EXPECT_EQ(gz.CompressionLevel(), 6);
        EXPECT_EQ(gz.CompressionType(), TGzip::Standard);
        gz.setFileSource(fonte); // with its full path: only the name goes into the header
        gz.setFileDestination(caminho(QStringLiteral("saida.diz")));
        gz.setGzipHeader(c.campos);
        gz.setComments(QStringLiteral("Comentário"));
        ASSERT_EQ(gz.Compress(), TGzip::Ok) << gz.MsgErro().toStdString();
        const QByteArray gerado = ler(caminho(QStringLiteral("saida.diz")));
        EXPECT_EQ(gerado.left(c.cabecalho.size()), c.cabecalho) << c.campos;
        EXPECT_EQ(gzip({QStringLiteral("-dc"), QStringLiteral("saida.diz")}), QByteArray("1linha\r\n9|TOTAL|2\r\n"));
    }
}

TEST_F(ExportacaoGzip, ArquivoVazioTemTrailerZerado)
{
    gravar(caminho(QStringLiteral("vazio.dip")), QByteArray());
    TGzip gz;
    gz.setFileSource(caminho(QStringLiteral("vazio.dip")));
    gz.setFileDestination(caminho(QStringLiteral("vazio.diz")));
    ASSERT_EQ(gz.Compress(), TGzip::Ok);
    const QByteArray gerado = ler(caminho(QStringLiteral("vazio.diz")));
    EXPECT_TRUE(gerado.startsWith(QByteArray("\x1F\x8B\x08\x08\0\0\0\0\0\0vazio.dip\0", 20)));
    EXPECT_TRUE(gerado.endsWith(QByteArray(8, '\0'))); // CRC 0, length 0
    EXPECT_EQ(gzip({QStringLiteral("-dc"), QStringLiteral("vazio.diz")}), QByteArray());
    int saida = -1;
    gzip({QStringLiteral("-t"), QStringLiteral("vazio.diz")}, &saida);
    EXPECT_EQ(saida, 0);
}

TEST_F(ExportacaoGzip, IdaEVoltaPeloGzipDoSistemaEmTodosOsNiveis)
{
    QByteArray texto;
    for (int i = 0; i < 5000; ++i)
        texto += "3345678|01/01/2006|" + QByteArray::number(i * 7 % 1000) + "|1234.50|N\r\n";
    const QByteArray conteudos[] = {texto, bytesPseudoAleatorios(70000), QByteArray(100000, 'a')};
    for (const QByteArray &conteudo : conteudos) {
        gravar(caminho(QStringLiteral("f.dip")), conteudo);
        for (int nivel = 1; nivel <= 9; ++nivel) {
            for (const auto tipo : {TGzip::Standard, TGzip::Filtered, TGzip::HuffmanOnly}) {
                TGzip gz;
                gz.setFileSource(caminho(QStringLiteral("f.dip")));
                gz.setFileDestination(caminho(QStringLiteral("f.diz")));
                gz.setCompressionLevel(nivel);
                gz.setCompressionType(tipo);
                ASSERT_EQ(gz.Compress(), TGzip::Ok);
                ASSERT_EQ(gzip({QStringLiteral("-dc"), QStringLiteral("f.diz")}), conteudo) << nivel << " " << tipo;

                TGzip volta;
                volta.setFileSource(caminho(QStringLiteral("f.diz")));
                volta.setFileDestination(caminho(QStringLiteral("volta.dip")));
                ASSERT_EQ(volta.Expand(), TGzip::Ok);
                ASSERT_EQ(ler(caminho(QStringLiteral("volta.dip"))), conteudo);
            }
        }
    }
    TGzip gz;
    EXPECT_THROW(gz.setCompressionLevel(0), ErroBanco);
    EXPECT_THROW(gz.setCompressionLevel(10), ErroBanco);
}

TEST_F(ExportacaoGzip, ExpandeOQueOGzipDoSistemaFazInclusiveMembrosConcatenados)
{
    gravar(caminho(QStringLiteral("a.txt")), "primeira parte\n");
    gravar(caminho(QStringLiteral("b.txt")), bytesPseudoAleatorios(40000));
    gzip({QStringLiteral("-6"), QStringLiteral("-k"), QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    gravar(caminho(QStringLiteral("ab.gz")), ler(caminho(QStringLiteral("a.txt.gz"))) + ler(caminho(QStringLiteral("b.txt.gz"))));
    TGzip gz;
    gz.setFileSource(caminho(QStringLiteral("ab.gz")));
    gz.setFileDestination(caminho(QStringLiteral("ab.txt")));
    gz.setDeleteSource(true);
    ASSERT_EQ(gz.Expand(), TGzip::Ok) << gz.MsgErro().toStdString();
    EXPECT_EQ(ler(caminho(QStringLiteral("ab.txt"))), QByteArray("primeira parte\n") + bytesPseudoAleatorios(40000));
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("ab.gz")))); // deleted only after success
}

TEST_F(ExportacaoGzip, CompressaoApagaAOrigemSoDepoisDoSucesso)
{
    gravar(caminho(QStringLiteral("f.dip")), "dados");
    TGzip gz;
    gz.setDeleteSource(true);
    gz.setFileSource(caminho(QStringLiteral("f.dip")));
    gz.setFileDestination(caminho(QStringLiteral("nao/existe/f.diz")));
    QStringList mostradas;
    gz.setMostrarErro([&](const QString &m) { mostradas << m; });
    EXPECT_EQ(gz.Compress(), TGzip::DestinoInacessivel);
    EXPECT_EQ(mostradas, QStringList{QStringLiteral("Can't open: ") + caminho(QStringLiteral("nao/existe/f.diz"))});
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("f.dip"))));

    gz.setFileDestination(caminho(QStringLiteral("f.diz")));
    EXPECT_EQ(gz.Compress(), TGzip::Ok);
    EXPECT_FALSE(QFile::exists(caminho(QStringLiteral("f.dip"))));

    gz.setFileSource(caminho(QStringLiteral("nada.dip")));
    EXPECT_EQ(gz.Compress(), TGzip::OrigemInacessivel);
    EXPECT_EQ(gz.MsgErro(), QStringLiteral("Can't open: ") + caminho(QStringLiteral("nada.dip")));
}

TEST_F(ExportacaoGzip, ExpansaoComFalhaGuardaAOrigemEDizPorQue)
{
    const QByteArray conteudo = bytesPseudoAleatorios(50000);
    gravar(caminho(QStringLiteral("f.dat")), conteudo);
    TGzip gz;
    gz.setFileSource(caminho(QStringLiteral("f.dat")));
    gz.setFileDestination(caminho(QStringLiteral("f.gz")));
    ASSERT_EQ(gz.Compress(), TGzip::Ok);
    const QByteArray comprimido = ler(caminho(QStringLiteral("f.gz")));
    QByteArray trocado = comprimido;
    trocado[trocado.size() - 6] = char(trocado.at(trocado.size() - 6) ^ 0x55); // the CRC no longer matches

    gravar(caminho(QStringLiteral("anterior.dat")), "o que havia antes");
    const struct {
        QByteArray origem;
        QString destino;
        int codigo;
    } casos[] = {
        {QByteArray("isto nao e gzip"), QStringLiteral("anterior.dat"), TGzip::OrigemInacessivel},
        {comprimido.left(comprimido.size() / 2), QStringLiteral("anterior.dat"), TGzip::ErroLeitura}, // cut short
        {trocado, QStringLiteral("anterior.dat"), TGzip::ErroLeitura},
        {comprimido, QStringLiteral("nao/existe/x.dat"), TGzip::DestinoInacessivel},
    };
    for (const auto &c : casos) {
        gravar(caminho(QStringLiteral("origem.gz")), c.origem);
        TGzip ex;
        ex.setDeleteSource(true);
        ex.setFileSource(caminho(QStringLiteral("origem.gz")));
        ex.setFileDestination(caminho(c.destino));
        EXPECT_EQ(ex.Expand(), c.codigo);
        EXPECT_FALSE(ex.MsgErro().isEmpty());
        EXPECT_EQ(ler(caminho(QStringLiteral("origem.gz"))), c.origem); // the source is kept
        EXPECT_EQ(ler(caminho(QStringLiteral("anterior.dat"))), QByteArray("o que havia antes"));
    }
    EXPECT_EQ(arquivosEm(dir.path()),
              (QStringList{QStringLiteral("anterior.dat"), QStringLiteral("f.dat"), QStringLiteral("f.gz"),
                           QStringLiteral("origem.gz")}));
}

TEST_F(ExportacaoGzip, FechamentoQueFalhaNaoApagaAOrigemNemEncerraOPrograma)
{
    const QByteArray conteudo = bytesPseudoAleatorios(200000);
    gravar(caminho(QStringLiteral("f.dat")), conteudo);
    TGzip gz;
    gz.setFileSource(caminho(QStringLiteral("f.dat")));
    gz.setFileDestination(caminho(QStringLiteral("f.gz")));
    ASSERT_EQ(gz.Compress(), TGzip::Ok);

    // While the expansion runs, something takes the destination's name: the finished
    // file cannot be put in place.
    TGzip ex;
    ex.setDeleteSource(true);
    ex.setFileSource(caminho(QStringLiteral("f.gz")));
    ex.setFileDestination(caminho(QStringLiteral("restaurado.dat")));
    ex.setProgressStep(1);
    bool ocupado = false;
    ex.setOnProgress([&](int) {
        if (ocupado)
            return;
        ocupado = true;
        QDir().mkpath(caminho(QStringLiteral("restaurado.dat/dentro")));
    });
    QStringList mostradas;
    ex.setMostrarErro([&](const QString &m) { mostradas << m; });
    EXPECT_EQ(ex.Expand(), TGzip::ErroFechamento);
    EXPECT_EQ(mostradas, QStringList{QStringLiteral("Can't close file ") + caminho(QStringLiteral("restaurado.dat"))});
    EXPECT_TRUE(QFile::exists(caminho(QStringLiteral("f.gz"))));
}

} // namespace
