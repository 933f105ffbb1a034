#include "TBlowfishVTX.h"

#include "app/banco/ErroBanco.h"

#include <nettle/blowfish.h>

namespace kelpa {

namespace {

// Zeroing that the compiler may not drop as a dead store.
void apagar(void *memoria, size_t tamanho)
{
    volatile unsigned char *p = static_cast<volatile unsigned char *>(memoria);
    while (tamanho--)
        *p++ = 0;
}

} // namespace

TBlowfishVTX::TBlowfishVTX(const QByteArray &chave)
    : m_contexto(std::make_unique<blowfish_ctx>())
{
    if (chave.isEmpty() || chave.size() > BLOWFISH_MAX_KEY_SIZE)
        throw ErroBanco(QStringLiteral("Blowfish: Key must be between 1 and 56 bytes long"));
    // Nettle answers 0 for a "weak" key (repeated S-box entries) but schedules it all
    // the same, as the published algorithm does: such keys are valid Blowfish keys.
    nettle_blowfish_set_key(m_contexto.get(), size_t(chave.size()), reinterpret_cast<const uint8_t *>(chave.constData()));
}

TBlowfishVTX::~TBlowfishVTX()
{
    apagar(m_contexto.get(), sizeof(blowfish_ctx));
}

QByteArray TBlowfishVTX::EncryptECB(const QByteArray &claro) const
{
    QByteArray bloco = claro;
    if (const qsizetype resto = bloco.size() % TamanhoBloco; resto != 0)
        bloco.append(TamanhoBloco - resto, '\0');
    QByteArray cifrado(bloco.size(), Qt::Uninitialized);
    // Every block on its own: ECB, as the transmission client reads it.
    nettle_blowfish_encrypt(m_contexto.get(), size_t(bloco.size()), reinterpret_cast<uint8_t *>(cifrado.data()),
                            reinterpret_cast<const uint8_t *>(bloco.constData()));
    apagar(bloco.data(), size_t(bloco.size()));
    return cifrado;
}

QByteArray TBlowfishVTX::DecryptECB(const QByteArray &cifrado) const
{
    if (cifrado.size() % TamanhoBloco != 0)
        throw ErroBanco(QStringLiteral("Blowfish: o texto cifrado não tem blocos completos de 8 bytes."));
    QByteArray claro(cifrado.size(), Qt::Uninitialized);
    nettle_blowfish_decrypt(m_contexto.get(), size_t(cifrado.size()), reinterpret_cast<uint8_t *>(claro.data()),
                            reinterpret_cast<const uint8_t *>(cifrado.constData()));
    return claro;
}

} // namespace kelpa
