// The definitions cipher: marker byte, 512-byte blocks, the key position that runs
// back and forth across blocks, the empty-password mode and the password rules.

#include "exportacao_apoio.h"

#include "app/banco/ErroBanco.h"
#include "exportacao/TDecryptFile.h"

#include <QTemporaryDir>

using namespace kelpa;
using namespace kelpa::teste::exportacao;

namespace {

class ExportacaoCifra : public ::testing::Test
{
protected:
    QString caminho(const char *nome) const { return dir.path() + QLatin1Char('/') + QLatin1String(nome); }

    // Deciphers `bytes` with `senha` and returns the target's bytes.
    QByteArray decifrar(const QByteArray &bytes, const QString &senha)
    {
        gravar(caminho("origem"), bytes);
        TDecryptFile cifra;
        cifra.setArquivoOriginal(caminho("origem"));
        cifra.setArquivoDestino(caminho("destino"));
        cifra.setSenha(senha);
        EXPECT_TRUE(cifra.Executar()) << cifra.MsgErro().toStdString();
        EXPECT_TRUE(cifra.SucessoExecucao());
        return ler(caminho("destino"));
    }

    QTemporaryDir dir;
};

TEST_F(ExportacaoCifra, UmByteSoDaDestinoVazio)
{
    EXPECT_EQ(decifrar("M", QStringLiteral("XKV7390215846")), QByteArray());
    EXPECT_TRUE(QFileInfo::exists(caminho("destino")));
}

TEST_F(ExportacaoCifra, QuinhentosETrezeBytesDaoUmBlocoCheio)
{
    const QByteArray dados = bytesPseudoAleatorios(513);
    int blocos = 0;
    gravar(caminho("origem"), dados);
    TDecryptFile cifra;
    cifra.setArquivoOriginal(caminho("origem"));
    cifra.setArquivoDestino(caminho("destino"));
    cifra.setAoProcessarBloco([&] { ++blocos; });
    ASSERT_TRUE(cifra.Executar());
    const QByteArray saida = ler(caminho("destino"));
    ASSERT_EQ(saida.size(), 512);
    EXPECT_EQ(blocos, 2); // the full block, then the read of 0 bytes
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ(char(dados.at(i + 1) ^ 0x7F), saida.at(i)) << i; // no password: 0x7F
}

TEST_F(ExportacaoCifra, PosicoesDaChaveVaoEVoltam)
{
    // Zero bytes deciphered give the key stream itself.
    const QByteArray fluxo = decifrar(QByteArray(1 + 7, '\0'), QStringLiteral("abc"));
    EXPECT_EQ(fluxo, QByteArray("abcbabc")); // positions 1, 2, 3, 2, 1, 2, 3

    const int posicoes[] = {1, 2, 3, 2, 1, 2, 3};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(TDecryptFile::posicaoChave(i, 3), posicoes[i]);
}

TEST_F(ExportacaoCifra, SegundoBlocoContinuaDeOndeOPrimeiroParou)
{
    const QString senha = QStringLiteral("XKV7390215846"); // 13 characters: a turn of 24
    const QByteArray fluxo = decifrar(QByteArray(1 + 1030, '\0'), senha);
    ASSERT_EQ(fluxo.size(), 1030);
    const QByteArray chave = senha.toLatin1();
    for (int i = 0; i < fluxo.size(); ++i)
        ASSERT_EQ(fluxo.at(i), chave.at(TDecryptFile::posicaoChave(i, 13) - 1)) << i;
    // After 512 steps the position is 512 mod 24 = 8 into the turn: the ninth character.
    EXPECT_EQ(TDecryptFile::posicaoChave(512, 13), 9);
    EXPECT_EQ(fluxo.at(512), chave.at(8));
    EXPECT_NE(fluxo.at(512), chave.at(0));
}

TEST_F(ExportacaoCifra, IdaEVoltaComEAssimSenha)
{
    for (const QString &senha : {QStringLiteral("XKV7390215846"), QString(), QStringLiteral("çãé")}) {
        for (const qsizetype n : {0, 1, 511, 512, 513, 1024, 5000}) {
            const QByteArray dados = bytesPseudoAleatorios(n, quint32(n));
            gravar(caminho("plano"), dados);
            TDecryptFile cifra;
            cifra.setSenha(senha);
            cifra.setArquivoOriginal(caminho("plano"));
            cifra.setArquivoDestino(caminho("cifrado"));
            ASSERT_TRUE(cifra.Cifrar()) << cifra.MsgErro().toStdString();
            const QByteArray cifrado = ler(caminho("cifrado"));
            ASSERT_EQ(cifrado.size(), n + 1);
            if (n >= 16) {
                EXPECT_NE(cifrado.mid(1), dados);
            }
            cifra.setArquivoOriginal(caminho("cifrado"));
            cifra.setArquivoDestino(caminho("volta"));
            ASSERT_TRUE(cifra.Executar());
            EXPECT_EQ(ler(caminho("volta")), dados) << n << " " << senha.toStdString();
        }
    }
}

TEST_F(ExportacaoCifra, ValorDoMarcadorNaoInfluiNoResultado)
{
    QByteArray a = bytesPseudoAleatorios(700);
    QByteArray b = a;
    a[0] = 'A';
    b[0] = char(0xFE);
    EXPECT_EQ(decifrar(a, QStringLiteral("senha")), decifrar(b, QStringLiteral("senha")));
}

TEST(ExportacaoCifraSenha, RegrasDoComprimento)
{
    const QString valida = QStringLiteral("abc");
    struct Caso {
        qsizetype comprimento;
        bool aceita;
    };
    const Caso casos[] = {{3, true}, {25, true}, {127, true}, {1, false}, {2, false}, {128, false}, {300, false}};
    for (const Caso &c : casos) {
        const QString senha(c.comprimento, u'x');
        TDecryptFile nova;
        nova.setSenha(senha); // a fresh component never throws
        EXPECT_EQ(nova.UsarSenha(), c.aceita) << c.comprimento;
        EXPECT_EQ(nova.Senha(), c.aceita ? senha : QString()) << c.comprimento;

        TDecryptFile usada;
        usada.setSenha(valida);
        if (c.aceita) {
            usada.setSenha(senha);
            EXPECT_EQ(usada.Senha(), senha);
        } else {
            try {
                usada.setSenha(senha);
                ADD_FAILURE() << "accepted " << c.comprimento;
            } catch (const ErroBanco &e) {
                EXPECT_EQ(e.mensagem(), QStringLiteral("A senha deve ter de 3 a 25 caracteres"));
            }
            EXPECT_EQ(usada.Senha(), valida); // the previous password stays
            EXPECT_TRUE(usada.UsarSenha());
        }
    }
    TDecryptFile desliga;
    desliga.setSenha(valida);
    desliga.setSenha(QString());
    EXPECT_FALSE(desliga.UsarSenha());
    EXPECT_TRUE(desliga.Senha().isEmpty());
}

TEST_F(ExportacaoCifra, AspasSaemDosCaminhos)
{
    TDecryptFile cifra;
    cifra.setArquivoOriginal(QStringLiteral("\"/tmp/a b.dat\""));
    cifra.setArquivoDestino(QStringLiteral("\"/tmp/c\".db"));
    EXPECT_EQ(cifra.ArquivoOriginal(), QStringLiteral("/tmp/a b.dat"));
    EXPECT_EQ(cifra.ArquivoDestino(), QStringLiteral("/tmp/c.db"));
}

TEST_F(ExportacaoCifra, FalhaSoLancaComExcecaoErroENaoEstragaODestino)
{
    gravar(caminho("destino"), "conteudo anterior");
    const struct {
        QByteArray origem; // empty: no source file at all
        bool existe;
    } casos[] = {{QByteArray(), false}, {QByteArray(), true}};
    for (const auto &c : casos) {
        QFile::remove(caminho("origem"));
        if (c.existe)
            gravar(caminho("origem"), c.origem); // an empty file has not even the marker
        TDecryptFile cifra;
        cifra.setArquivoOriginal(caminho("origem"));
        cifra.setArquivoDestino(caminho("destino"));
        EXPECT_FALSE(cifra.Executar());
        EXPECT_FALSE(cifra.SucessoExecucao());
        EXPECT_FALSE(cifra.MsgErro().isEmpty());
        cifra.setExcecaoErro(true);
        EXPECT_THROW(cifra.Executar(), ErroBanco);
        EXPECT_EQ(ler(caminho("destino")), QByteArray("conteudo anterior"));
    }
    TDecryptFile semDestino;
    gravar(caminho("origem"), "Mabc");
    semDestino.setArquivoOriginal(caminho("origem"));
    semDestino.setArquivoDestino(caminho("nao/existe/destino"));
    EXPECT_FALSE(semDestino.Executar());
    EXPECT_TRUE(semDestino.MsgErro().contains(QLatin1String("nao/existe/destino")));
}

} // namespace
