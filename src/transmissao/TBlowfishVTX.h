#pragma once

#include <QByteArray>
#include <memory>

struct blowfish_ctx;

namespace kelpa {

// Blowfish as published (P-array and S-boxes from the digits of pi), in ECB mode: the
// cipher of the transmission client's parameter file. The block work is GNU Nettle's;
// this class fixes what the client expects around it: keys of 1 to 56 bytes, blocks
// enciphered one by one, the plain text padded with zero bytes to whole blocks.
class TBlowfishVTX
{
public:
    static constexpr int TamanhoBloco = 8;

    // Throws ErroBanco("Blowfish: Key must be between 1 and 56 bytes long") otherwise.
    explicit TBlowfishVTX(const QByteArray &chave);
    // Overwrites the key tables with zeros.
    ~TBlowfishVTX();
    TBlowfishVTX(const TBlowfishVTX &) = delete;
    TBlowfishVTX &operator=(const TBlowfishVTX &) = delete;

    // Zero bytes are appended until the length is a multiple of 8 (none when it
    // already is); each block is enciphered on its own.
    QByteArray EncryptECB(const QByteArray &claro) const;
    // The inverse for whole blocks; throws ErroBanco when the length is not a
    // multiple of 8. The padding stays: the caller knows what it enciphered.
    QByteArray DecryptECB(const QByteArray &cifrado) const;

private:
    std::unique_ptr<blowfish_ctx> m_contexto;
};

} // namespace kelpa
