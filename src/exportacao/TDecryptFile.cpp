#include "TDecryptFile.h"

#include "app/banco/ErroBanco.h"
#include "plataforma/Win1252.h"

#include <QFile>
#include <QSaveFile>

namespace kelpa {

namespace {

constexpr char kMarcador = 'K';
constexpr unsigned char kMascaraSemSenha = 0x7F;

QString semAspas(QString caminho)
{
    return caminho.remove(u'"');
}

} // namespace

void TDecryptFile::setArquivoOriginal(const QString &caminho)
{
    m_arquivoOriginal = semAspas(caminho);
}

void TDecryptFile::setArquivoDestino(const QString &caminho)
{
    m_arquivoDestino = semAspas(caminho);
}

void TDecryptFile::setSenha(const QString &senha)
{
    const QByteArray chave = Win1252::codificar(senha);
    const qsizetype comprimento = chave.size();
    if (comprimento >= 3 && comprimento <= 127) {
        m_usarSenha = true;
        m_senha = senha;
        m_chave = chave;
    } else if (comprimento == 0) {
        m_usarSenha = false;
        m_senha.clear();
        m_chave.clear();
    } else if (m_usarSenha) {
        throw ErroBanco(QStringLiteral("A senha deve ter de 3 a 25 caracteres"));
    } else {
        m_senha.clear();
        m_chave.clear();
    }
}

int TDecryptFile::posicaoChave(qint64 indice, int comprimento)
{
    // One turn is 1..L..2: 2L-2 positions.
    const qint64 volta = 2 * qint64(comprimento) - 2;
    const qint64 r = indice % volta;
    return int(r < comprimento ? r + 1 : volta - r + 1);
}

void TDecryptFile::transformarBloco(char *bloco)
{
    if (m_chave.isEmpty()) {
        for (int i = 0; i < TamanhoBloco; ++i)
            bloco[i] = char(static_cast<unsigned char>(bloco[i]) ^ kMascaraSemSenha);
        return;
    }
    const int comprimento = int(m_chave.size());
    for (int i = 0; i < TamanhoBloco; ++i) {
        bloco[i] = char(bloco[i] ^ m_chave.at(m_posicao - 1));
        if (m_posicao == comprimento)
            m_direcao = -1;
        if (m_posicao == 1)
            m_direcao = 1;
        m_posicao += m_direcao;
    }
}

bool TDecryptFile::Executar()
{
    return processar(false);
}

bool TDecryptFile::Cifrar()
{
    return processar(true);
}

bool TDecryptFile::processar(bool cifrando)
{
    m_sucessoExecucao = false;
    m_msgErro.clear();
    m_posicao = 1;
    m_direcao = 1;
    try {
        QFile origem(m_arquivoOriginal);
        if (!origem.open(QIODevice::ReadOnly))
            throw ErroBanco(QStringLiteral("Não foi possível abrir o arquivo %1: %2")
                                .arg(m_arquivoOriginal, origem.errorString()));
        // Written beside the target and renamed over it at the end: a failure never
        // leaves half a file in its place.
        QSaveFile destino(m_arquivoDestino);
        if (!destino.open(QIODevice::WriteOnly))
            throw ErroBanco(QStringLiteral("Não foi possível criar o arquivo %1: %2")
                                .arg(m_arquivoDestino, destino.errorString()));

        const auto falhaLeitura = [&] {
            return ErroBanco(QStringLiteral("Erro ao ler o arquivo %1: %2").arg(m_arquivoOriginal, origem.errorString()));
        };
        const auto falhaGravacao = [&] {
            return ErroBanco(QStringLiteral("Erro ao gravar o arquivo %1: %2").arg(m_arquivoDestino, destino.errorString()));
        };

        if (cifrando) {
            if (destino.write(&kMarcador, 1) != 1)
                throw falhaGravacao();
        } else {
            char marcador = 0;
            const qint64 lido = origem.read(&marcador, 1);
            if (lido < 0)
                throw falhaLeitura();
            if (lido == 0)
                throw ErroBanco(QStringLiteral("O arquivo %1 está vazio.").arg(m_arquivoOriginal));
        }

        char bloco[TamanhoBloco];
        for (;;) {
            const qint64 lidos = origem.read(bloco, TamanhoBloco);
            if (lidos < 0)
                throw falhaLeitura();
            // The key advances over the whole block, also past the bytes read.
            transformarBloco(bloco);
            if (lidos > 0 && destino.write(bloco, lidos) != lidos)
                throw falhaGravacao();
            if (m_aoProcessarBloco)
                m_aoProcessarBloco();
            if (lidos < TamanhoBloco)
                break;
        }
        if (!destino.commit())
            throw falhaGravacao();
    } catch (const ErroBanco &e) {
        m_msgErro = e.mensagem();
        if (m_excecaoErro)
            throw;
        return false;
    }
    m_sucessoExecucao = true;
    return true;
}

} // namespace kelpa
