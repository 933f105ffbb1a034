#include "LeitorCsv.h"

namespace kelpa {

LeitorCsv::LeitorCsv(QString texto)
    : m_texto(std::move(texto))
{
    if (m_texto.startsWith(QChar(0xFEFF)))
        m_pos = 1;
}

bool LeitorCsv::proxima(Linha &linha)
{
    linha.campos.clear();
    linha.nulos.clear();
    const qsizetype n = m_texto.size();
    if (m_pos >= n)
        return false;

    QString campo;
    bool entreAspas = false;
    bool foiCitado = false;
    auto fecharCampo = [&] {
        linha.nulos.append(!foiCitado && campo.isEmpty());
        linha.campos.append(campo);
        campo.clear();
        foiCitado = false;
    };

    while (m_pos < n) {
        const QChar c = m_texto.at(m_pos++);
        if (entreAspas) {
            if (c == u'"') {
                if (m_pos < n && m_texto.at(m_pos) == u'"') {
                    campo += u'"';
                    ++m_pos;
                } else {
                    entreAspas = false;
                }
            } else {
                campo += c;
            }
            continue;
        }
        if (c == u'"') {
            entreAspas = true;
            foiCitado = true;
        } else if (c == u',') {
            fecharCampo();
        } else if (c == u'\r') {
            // part of a CR LF line end
        } else if (c == u'\n') {
            break;
        } else {
            campo += c;
        }
    }
    fecharCampo();
    return true;
}

} // namespace kelpa
