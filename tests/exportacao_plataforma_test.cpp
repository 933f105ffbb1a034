// Windows-1252 encoder and owner-only temporary files, used by the export.

#include "exportacao_apoio.h"

#include "plataforma/ArquivoTemporario.h"
#include "plataforma/Win1252.h"

#include <QTemporaryDir>
#include <stdexcept>

using namespace kelpa;

namespace {

struct CasoWin1252 {
    const char16_t *texto;
    QByteArray bytes;
};

TEST(ExportacaoWin1252, CodificaLatin1EFaixa80EOResto)
{
    const CasoWin1252 casos[] = {
        {u"ABC|1,5", QByteArray("ABC|1,5")},
        {u"Saúde Assistência ç Ç ã", QByteArray("Sa\xFA" "de Assist\xEA" "ncia \xE7 \xC7 \xE3")},
        {u"\u00A0\u00FF", QByteArray("\xA0\xFF")},
        {u"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž", QByteArray("\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8A \x8B \x8C \x8E")},
        {u"‘’“”•–—˜™š›œžŸ", QByteArray("\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F")},
        {u"中a", QByteArray("?a")},
        {u"\U0001F600x", QByteArray("?x")}, // one character outside the BMP, one "?"
        {u"\u0081\u009D", QByteArray("??")}, // C1 controls are no characters of the code page
        {u"", QByteArray()},
    };
    for (const auto &c : casos) {
        const QString texto = QString::fromUtf16(c.texto);
        EXPECT_EQ(Win1252::codificar(texto), c.bytes) << texto.toStdString();
        QByteArray viaUtf8("x");
        Win1252::anexarUtf8(viaUtf8, texto.toUtf8());
        EXPECT_EQ(viaUtf8, "x" + c.bytes) << texto.toStdString();
    }
}

TEST(ExportacaoWin1252, Utf8MalFormadoViraInterrogacao)
{
    const struct {
        QByteArray utf8;
        QByteArray bytes;
    } casos[] = {
        {QByteArray("a\xC3"), QByteArray("a?")},              // cut short
        {QByteArray("\xC3\xA7\xFF"), QByteArray("\xE7?")},     // invalid lead byte
        {QByteArray("\xC0\xAF"), QByteArray("?")},             // overlong "/"
        {QByteArray("\xED\xA0\x80z"), QByteArray("?z")},       // a surrogate
        {QByteArray("\xE2\x82\xAC"), QByteArray("\x80")},      // euro
    };
    for (const auto &c : casos) {
        QByteArray saida;
        Win1252::anexarUtf8(saida, c.utf8);
        EXPECT_EQ(saida, c.bytes) << c.utf8.toHex().toStdString();
    }
}

TEST(ExportacaoWin1252, TodoByteDefinidoVoltaAoMesmoByte)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray um(1, char(b));
        const QString texto = Win1252::decodificar(um);
        if (texto == QString(QChar(0xFFFD))) {
            EXPECT_TRUE(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) << b;
            continue;
        }
        EXPECT_EQ(Win1252::codificar(texto), um) << b;
    }
}

TEST(ExportacaoArquivoTemporario, SoODonoLeEEleSomeAoSairDoEscopo)
{
    QTemporaryDir dir;
    QString caminho;
    {
        ArquivoTemporario temp(dir.path(), QStringLiteral("defs-XXXXXX.db"));
        ASSERT_TRUE(temp.criado()) << temp.erro().toStdString();
        caminho = temp.caminho();
        EXPECT_TRUE(QFileInfo(caminho).fileName().startsWith(QLatin1String("defs-")));
        EXPECT_TRUE(caminho.endsWith(QLatin1String(".db")));
        EXPECT_EQ(QFileInfo(caminho).size(), 0);
        const QFile::Permissions p = QFile::permissions(caminho);
        EXPECT_TRUE(p.testFlag(QFile::ReadOwner) && p.testFlag(QFile::WriteOwner));
        EXPECT_FALSE(p.testAnyFlags(QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                    | QFile::WriteOther | QFile::ExeOther | QFile::ExeOwner));

        ArquivoTemporario outro(dir.path(), QStringLiteral("defs-XXXXXX.db"));
        EXPECT_NE(outro.caminho(), caminho);
    }
    EXPECT_FALSE(QFile::exists(caminho));
    EXPECT_TRUE(kelpa::teste::exportacao::arquivosEm(dir.path()).isEmpty());
}

TEST(ExportacaoArquivoTemporario, SomeTambemQuandoUmaExcecaoSaiDoEscopo)
{
    QTemporaryDir dir;
    QString caminho;
    try {
        ArquivoTemporario temp(dir.path(), QStringLiteral("x-XXXXXX"));
        caminho = temp.caminho();
        kelpa::teste::exportacao::gravar(caminho, "dados decifrados");
        throw std::runtime_error("falha no meio");
    } catch (const std::runtime_error &) {
    }
    EXPECT_FALSE(caminho.isEmpty());
    EXPECT_FALSE(QFile::exists(caminho));
}

TEST(ExportacaoArquivoTemporario, DiretorioInexistenteDizPorQue)
{
    QTemporaryDir dir;
    ArquivoTemporario temp(dir.path() + QStringLiteral("/nao/existe"), QStringLiteral("x-XXXXXX"));
    EXPECT_FALSE(temp.criado());
    EXPECT_FALSE(temp.erro().isEmpty());
    EXPECT_TRUE(temp.remover());
}

} // namespace
