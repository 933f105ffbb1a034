#pragma once

#include <QtGlobal>
#include <cmath>
#include <functional>

namespace kelpa {

// Progress of a whole-file job in percent, reported in steps of at least `passo`
// points (0: not at all): one report at the start, then after each block when the
// step is reached or the last byte is done.
class ProgressoArquivo
{
public:
    ProgressoArquivo(int passo, const std::function<void(int)> &evento, int &atual)
        : m_passo(passo)
        , m_evento(evento)
        , m_atual(atual)
    {
    }

    void iniciar()
    {
        m_atual = 0;
        m_ultimo = 0;
        if (ativo())
            m_evento(m_atual);
    }

    void avancar(qint64 feito, qint64 total)
    {
        if (!ativo())
            return;
        const double p = total > 0 ? double(feito) * 100.0 / double(total) : 100.0;
        const bool fim = feito >= total;
        if (p >= m_ultimo + m_passo || (fim && m_atual < 100)) {
            m_atual = int(std::lround(p));
            m_ultimo = p;
            m_evento(m_atual);
        }
    }

private:
    bool ativo() const { return m_passo > 0 && m_evento; }

    int m_passo;
    const std::function<void(int)> &m_evento;
    int &m_atual;
    double m_ultimo = 0;
};

} // namespace kelpa
