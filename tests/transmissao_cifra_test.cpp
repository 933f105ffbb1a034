// The transmission client's parameter file: Blowfish against the published test
// vectors, the zero padding, the letters, the record and the file name.

#include "app/banco/ErroBanco.h"
#include "transmissao/ParametrosVTX.h"
#include "transmissao/TBlowfishVTX.h"

#include <gtest/gtest.h>

using namespace kelpa;

namespace {

QByteArray hex(const char *texto)
{
    return QByteArray::fromHex(QByteArray(texto));
}

struct Vetor {
    const char *chave;
    const char *claro;
    const char *cifrado;
};

// Eric Young's published Blowfish vectors: eight-byte keys...
const Vetor kVetoresEcb[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

// ...and the key-schedule vectors: keys of 1 to 24 bytes cut from one long key,
// all enciphering FEDCBA9876543210.
const char *const kCifradosPorTamanhoDeChave[] = {
    "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05", "B39E44481BDB1E6E",
    "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82", "15750E7A4F4EC577", "122BA70B3AB64AE0",
    "3A833C9AFFC537F6", "9409DA87A90F6BF2", "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F",
    "93142887EE3BE15C", "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
    "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
};

} // namespace

TEST(TBlowfishVTX, ReproducesThePublishedVectors)
{
    for (const Vetor &v : kVetoresEcb) {
        const TBlowfishVTX cifra(hex(v.chave));
        EXPECT_EQ(cifra.EncryptECB(hex(v.claro)).toHex().toUpper(), QByteArray(v.cifrado)) << v.chave << " " << v.claro;
        EXPECT_EQ(cifra.DecryptECB(hex(v.cifrado)), hex(v.claro)) << v.chave;
    }
}

TEST(TBlowfishVTX, ReproducesTheKeyScheduleVectorsForKeysOf1To24Bytes)
{
    const QByteArray chaveLonga = hex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    int tamanho = 1;
    for (const char *esperado : kCifradosPorTamanhoDeChave) {
        const TBlowfishVTX cifra(chaveLonga.left(tamanho));
        EXPECT_EQ(cifra.EncryptECB(hex("FEDCBA9876543210")).toHex().toUpper(), QByteArray(esperado)) << tamanho;
        ++tamanho;
    }
}

TEST(TBlowfishVTX, RefusesKeysOutside1To56Bytes)
{
    for (const qsizetype tamanho : {0, 57, 100}) {
        try {
            TBlowfishVTX cifra(QByteArray(tamanho, 'k'));
            ADD_FAILURE() << "key of " << tamanho << " bytes accepted";
        } catch (const ErroBanco &e) {
            EXPECT_EQ(e.mensagem(), QStringLiteral("Blowfish: Key must be between 1 and 56 bytes long"));
        }
    }
    EXPECT_NO_THROW(TBlowfishVTX(QByteArray(1, 'k')));
    EXPECT_NO_THROW(TBlowfishVTX(QByteArray(56, 'k')));
}

TEST(TBlowfishVTX, PadsWithZerosAndEnciphersEachBlockOnItsOwn)
{
    const TBlowfishVTX cifra(CodificacaoVTX::chave());
    // Padding with zeros: 15 bytes encipher as the same 15 followed by one zero byte.
    const QByteArray quinze("123456789012345");
    EXPECT_EQ(cifra.EncryptECB(quinze), cifra.EncryptECB(quinze + '\0'));
    EXPECT_EQ(cifra.EncryptECB(quinze).size(), 16);
    EXPECT_EQ(cifra.EncryptECB(QByteArray("1234567890123456")).size(), 16);
    EXPECT_EQ(cifra.EncryptECB(QByteArray()), QByteArray());
    // ECB: equal blocks give equal cipher blocks, wherever they stand.
    const QByteArray duplo = cifra.EncryptECB(QByteArray("ABCDEFGHABCDEFGH"));
    EXPECT_EQ(duplo.left(8), duplo.mid(8));
    EXPECT_EQ(duplo.left(8), cifra.EncryptECB(QByteArray("ABCDEFGH")));
    EXPECT_THROW(cifra.DecryptECB(QByteArray(7, 'x')), ErroBanco);
}

TEST(CodificacaoVTX, WritesEachByteAsTwoLettersLowHalfFirst)
{
    EXPECT_EQ(CodificacaoVTX::paraLetras(hex("00FF1F80A5")), QByteArray("AAPPPBAIFK"));
    EXPECT_EQ(CodificacaoVTX::deLetras("AAPPPBAIFK"), hex("00FF1F80A5"));
    EXPECT_FALSE(CodificacaoVTX::deLetras("AAP").has_value());
    EXPECT_FALSE(CodificacaoVTX::deLetras("AQ").has_value());
    EXPECT_FALSE(CodificacaoVTX::deLetras("aa").has_value());

    // A 15-character record is padded to 16 bytes and a 16-character one is not:
    // both become 32 letters "A" to "P".
    for (const QByteArray &registro : {QByteArray("1|345678|x|y|z|"), QByteArray("1|345678|x|y|z|w")}) {
        const QByteArray letras = CodificacaoVTX::cifrar(registro);
        EXPECT_EQ(letras.size(), 32) << registro.constData();
        for (const char c : letras)
            EXPECT_TRUE(c >= 'A' && c <= 'P') << letras.constData();
        EXPECT_EQ(CodificacaoVTX::decifrar(letras), registro);
    }
    // The key of the transmission client, and the bytes it deciphers them with.
    EXPECT_EQ(CodificacaoVTX::chave(), QByteArray("MHRYBOGUZIKXEWJT"));
    EXPECT_EQ(CodificacaoVTX::cifrar("ABCDEFGH"),
              CodificacaoVTX::paraLetras(TBlowfishVTX(QByteArray("MHRYBOGUZIKXEWJT")).EncryptECB("ABCDEFGH")));
}

TEST(ParametrosVTX, ElevenFieldsJoinedByBarsTravelInTheWindowsCodePage)
{
    ParametrosVTX p;
    p.codigoOperadora = QStringLiteral("345678");
    p.senha = QStringLiteral("Ação 1");
    p.arquivo = QStringLiteral("/opt/kelpa/34567820070115103000.dip");
    p.arquivoProtocolo = QStringLiteral("KELPA-34567820070115103000.xml");
    p.aplicativo = QStringLiteral("KELPA");
    p.versaoAplicativo = QStringLiteral("5.0.2");
    p.crc = QStringLiteral("0A1B2C3D");
    p.janela = QStringLiteral("0");
    p.ultimoPeriodo = QStringLiteral("01/10/2006");
    EXPECT_EQ(p.texto(), QStringLiteral("1|345678|Ação 1|/opt/kelpa/34567820070115103000.dip|"
                                        "KELPA-34567820070115103000.xml|KELPA|5.0.2||0A1B2C3D|0|01/10/2006"));

    // Single-byte text before enciphering: "ç" and "ã" are one byte each.
    const auto claro = CodificacaoVTX::decifrar(p.cifrar());
    ASSERT_TRUE(claro.has_value());
    EXPECT_TRUE(claro->startsWith("1|345678|A\xE7\xE3o 1|"));
    const auto lido = ParametrosVTX::decifrar(p.cifrar());
    ASSERT_TRUE(lido.has_value());
    EXPECT_EQ(lido->campos(), p.campos());

    EXPECT_FALSE(ParametrosVTX::deTexto(QStringLiteral("1|2|3|4|5|6|7|8|9|10")).has_value());
    EXPECT_FALSE(ParametrosVTX::deTexto(QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12")).has_value());
    EXPECT_TRUE(ParametrosVTX::deTexto(QStringLiteral("1|2|3|4|5|6|7|8|9|10|11")).has_value());
    EXPECT_FALSE(ParametrosVTX::decifrar("not letters").has_value());
}

TEST(ParametrosVTX, FileNameTakesTheMillisecondsAndTheirSeventhPart)
{
    const struct {
        qint32 ms;
        const char *nome;
    } casos[] = {
        {0, "345678-0-00000.par"},          {7, "345678-7-00000.par"},
        {10, "345678-10-00000.par"},        // remainder 3: 0.43 rounds down
        {11, "345678-11-00001.par"},        // remainder 4: 0.57 rounds up
        {13, "345678-13-00001.par"},        // remainder 6
        {123456789, "345678-123456789-00000.par"}, // 123456789 = 7 * 17636684 + 1
        {123456792, "345678-123456792-00001.par"}, // remainder 4
        {-4, "345678--4--00001.par"},       // after the 32-bit wrap the number is negative
        {-3, "345678--3-00000.par"},
    };
    for (const auto &c : casos)
        EXPECT_EQ(nomeArquivoParametros(QStringLiteral("345678"), c.ms), QString::fromLatin1(c.nome)) << c.ms;
}
