#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace kelpa {

// The cipher of the export definitions: the bytes after one leading marker byte are
// combined by exclusive-or with a key stream taken from the password, whose position
// runs forth and back over the password (1, 2, ..., L, L-1, ..., 1, 2, ...) and carries
// on from one 512-byte block to the next. Applying it again gives the bytes back, so
// `Cifrar` is the same transformation with the marker written instead of dropped.
class TDecryptFile
{
public:
    static constexpr int TamanhoBloco = 512;

    // Double quotes are removed on assignment (paths pasted from a shell often carry them).
    void setArquivoOriginal(const QString &caminho);
    QString ArquivoOriginal() const { return m_arquivoOriginal; }
    void setArquivoDestino(const QString &caminho);
    QString ArquivoDestino() const { return m_arquivoDestino; }

    // 3 to 127 characters switch the password on; an empty value switches it off
    // (every byte is then combined with 0x7F). Any other length throws ErroBanco
    // while a password is on, and clears the password otherwise.
    void setSenha(const QString &senha);
    QString Senha() const { return m_senha; }
    bool UsarSenha() const { return m_usarSenha; }

    // Whether a failure of Executar/Cifrar throws ErroBanco besides returning false.
    void setExcecaoErro(bool sim) { m_excecaoErro = sim; }
    bool ExcecaoErro() const { return m_excecaoErro; }

    bool SucessoExecucao() const { return m_sucessoExecucao; }
    QString MsgErro() const { return m_msgErro; }

    // Called after every block, so that a window can repaint during long files.
    void setAoProcessarBloco(std::function<void()> callback) { m_aoProcessarBloco = std::move(callback); }

    // Deciphers ArquivoOriginal (marker byte + enciphered bytes) into ArquivoDestino.
    // The target is replaced only when everything went well.
    bool Executar();
    // Enciphers ArquivoOriginal into ArquivoDestino, writing the marker byte first.
    bool Cifrar();

    // The key position (1-based) used for the data byte at `indice` (0-based) with a
    // password of `comprimento` characters; exposed for tests of the key schedule.
    static int posicaoChave(qint64 indice, int comprimento);

private:
    bool processar(bool cifrando);
    void transformarBloco(char *bloco);

    QString m_arquivoOriginal;
    QString m_arquivoDestino;
    QString m_senha;
    QByteArray m_chave; // the password as the single-byte text the key stream is made of
    bool m_usarSenha = false;
    bool m_excecaoErro = false;
    bool m_sucessoExecucao = false;
    QString m_msgErro;
    std::function<void()> m_aoProcessarBloco;

    // Key stream state, carried across blocks.
    int m_posicao = 1;
    int m_direcao = 1;
};

} // namespace kelpa
